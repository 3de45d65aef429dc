#pragma once

#include <QAbstractTableModel>

class CertificateModel;

// The Total row under the list, in a view of its own that stays in sight: one row, the list's
// columns, each financial year's total.
class TotalRowModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    TotalRowModel(CertificateModel* list, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    CertificateModel* list_;
};
