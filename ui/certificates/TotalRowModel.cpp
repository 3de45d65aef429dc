#include "TotalRowModel.h"

#include <QFont>

#include "CertificateModel.h"

TotalRowModel::TotalRowModel(CertificateModel* list, QObject* parent)
    : QAbstractTableModel(parent), list_(list) {
    // The columns change seldom (a new file, a year gained or lost): the row is made anew then.
    const auto reset = [this] {
        beginResetModel();
        endResetModel();
    };
    connect(list, &QAbstractItemModel::modelReset, this, reset);
    connect(list, &QAbstractItemModel::columnsInserted, this, reset);
    connect(list, &QAbstractItemModel::columnsRemoved, this, reset);
    connect(list, &CertificateModel::totalsChanged, this, [this] {
        if (columnCount() > 0) emit dataChanged(index(0, 0), index(0, columnCount() - 1));
    });
}

int TotalRowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

int TotalRowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list_->columnCount();
}

QVariant TotalRowModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int column = index.column();
    const bool year = list_->kindOf(column) == CertificateModel::Kind::Year;
    switch (role) {
        case Qt::DisplayRole:
            return list_->totalText(column);
        case Qt::AccessibleTextRole:
            return list_->totalAccessibleText(column);
        case Qt::TextAlignmentRole:
            return year ? QVariant::fromValue(Qt::AlignTrailing | Qt::AlignVCenter) : QVariant();
        case Qt::FontRole: {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        case Qt::BackgroundRole:
        case Qt::ForegroundRole:
            // The chosen year's total is marked as its column is.
            return list_->data(list_->index(list_->entryCount(), column), role);
        default:
            return {};
    }
}

QVariant TotalRowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    return QAbstractTableModel::headerData(section, orientation, role);
}
