#pragma once

#include <QStyledItemDelegate>

// Edits a date of purchase as text (DD/MM/YYYY), with the calculator's calendar a key or a click
// away: Alt+Down or F4, or the button in the box.
class DateDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};
