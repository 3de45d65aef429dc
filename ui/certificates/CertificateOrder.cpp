#include "CertificateOrder.h"

#include "CertificateModel.h"

CertificateOrder::CertificateOrder(CertificateModel* list, QObject* parent)
    : QSortFilterProxyModel(parent), list_(list) {
    collator_.setNumericMode(true);
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
    setSourceModel(list);
}

bool CertificateOrder::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const int entries = list_->entryCount();
    // A descending sort puts the greater first, so the empty row must then count as least.
    if (left.row() >= entries) return sortOrder() == Qt::DescendingOrder;
    if (right.row() >= entries) return sortOrder() == Qt::AscendingOrder;
    const QVariant a = list_->sortKey(left.row(), left.column());
    const QVariant b = list_->sortKey(right.row(), right.column());
    // Bad lines, which hold no value, gather before the least.
    if (!a.isValid() || !b.isValid()) return !a.isValid() && b.isValid();
    if (a.typeId() == QMetaType::Double) return a.toDouble() < b.toDouble();
    return collator_.compare(a.toString(), b.toString()) < 0;
}
