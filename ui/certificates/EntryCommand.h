#pragma once

#include <QUndoCommand>

#include <vector>

#include "CertificateModel.h"

// One undoable change of the list: entries from a row on, put in place of others, and the
// columns the list had before and after.
class EntryCommand : public QUndoCommand {
  public:
    EntryCommand(CertificateModel* model, int row, int count, std::vector<tresk::Entry> entries,
                 CertificateModel::Shape shape, const QString& text);

    void undo() override;
    void redo() override;

  private:
    CertificateModel* model_;
    int row_;
    std::vector<tresk::Entry> before_;
    std::vector<tresk::Entry> after_;
    CertificateModel::Shape shapeBefore_;
    CertificateModel::Shape shapeAfter_;
};
