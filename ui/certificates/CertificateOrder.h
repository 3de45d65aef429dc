#pragma once

#include <QCollator>
#include <QSortFilterProxyModel>

class CertificateModel;

// The list as the user sorts it: by a column's values (amounts as numbers, dates by their day,
// labels as people read them, "Savings 2" before "Savings 10"), or in the file's order. The empty
// row that takes a new certificate stays last either way, and rows of equal value keep the file's
// order. Only the view is sorted: the file keeps its order.
class CertificateOrder : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    explicit CertificateOrder(CertificateModel* list, QObject* parent);

  protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

  private:
    CertificateModel* list_;
    QCollator collator_;
};
