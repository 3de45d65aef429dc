#include "EntryCommand.h"

#include <utility>

EntryCommand::EntryCommand(CertificateModel* model, int row, int count,
                           std::vector<tresk::Entry> entries, CertificateModel::Shape shape,
                           const QString& text)
    : QUndoCommand(text),
      model_(model),
      row_(row),
      before_(model->list().entries.begin() + row, model->list().entries.begin() + row + count),
      after_(std::move(entries)),
      shapeBefore_(model->shape()),
      shapeAfter_(std::move(shape)) {}

void EntryCommand::undo() {
    model_->replace(row_, static_cast<int>(after_.size()), before_, shapeBefore_);
}

void EntryCommand::redo() {
    model_->replace(row_, static_cast<int>(before_.size()), after_, shapeAfter_);
}
