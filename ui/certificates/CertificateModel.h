#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <map>
#include <vector>

#include "CertificateFile.h"
#include "Totals.h"

class QUndoStack;

// The list of certificates as a table: Certificate, Denomination, Date of purchase, the file's own
// columns, then one column per financial year from the first in which any certificate earns to
// the last. One row per record of the file, bad lines included, and an empty last row that takes
// a new certificate. A thin adapter: the list and its totals are the certificates library's, and
// every change goes through the undo stack. The totals are computed once per change.
class CertificateModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum class Kind { Label, Denomination, Purchase, Own, Year };

    CertificateModel(QUndoStack* undo, QObject* parent);

    const tresk::CertificateList& list() const { return list_; }
    // A new list; the undo history starts anew.
    void setList(tresk::CertificateList list);

    // The financial year marked, by its start year.
    void setChosenYear(int startYear);
    int chosenYear() const { return chosenYear_; }

    int entryCount() const { return static_cast<int>(list_.entries.size()); }
    Kind kindOf(int column) const;
    int yearOf(int column) const;  // for a Year column
    // What an entry's cell is sorted by: a number for the amounts and the date, text for the
    // rest, nothing for a bad line.
    QVariant sortKey(int row, int column) const;

    // The Total row: the caption in the Certificate column, each year's total in its column.
    QString totalText(int column) const;
    QString totalAccessibleText(int column) const;
    QString headerText(int column) const;

    // A certificate as the user types it: the denomination read as the calculator reads it, the
    // date as DD/MM/YYYY.
    struct TypedRow {
        QString label, denomination, date;
    };
    tresk::Problem problemOf(const TypedRow& typed) const;

    // Undoable changes.
    void insertTyped(int row, const std::vector<TypedRow>& rows, const QString& action);
    void removeEntries(const std::vector<int>& rows);

    // The state an undo command puts back: the entries from `row` on, in place of `count`, and
    // the list's columns and header.
    struct Shape {
        tresk::Columns columns;
        tresk::Entry header;
    };
    void replace(int row, int count, const std::vector<tresk::Entry>& entries, const Shape& shape);
    Shape shape() const { return {list_.columns, list_.header}; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  signals:
    void totalsChanged();

  private:
    void findOwnColumns();
    void computeTotals();
    void followYears();
    QString cellText(const tresk::Entry& entry, int column) const;
    QString rowName(int row) const;
    QString amountText(double amount) const;
    QString denominationText(double denomination) const;
    tresk::Entry reread(tresk::Entry entry, Shape& shape) const;
    tresk::Entry typedEntry(const TypedRow& typed, Shape& shape) const;
    int fieldOf(int column) const;
    int yearColumns() const;

    QUndoStack* undo_;
    tresk::CertificateList list_;
    std::vector<int> ownFields_;  // the file's own columns, by their field index
    std::map<int, tresk::Cents> totals_;
    int firstYear_ = 0;  // the years shown; none while lastYear_ < firstYear_
    int lastYear_ = -1;
    int chosenYear_ = 0;
};
