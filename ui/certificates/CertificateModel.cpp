#include "CertificateModel.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QLocale>
#include <QUndoStack>

#include <algorithm>
#include <cmath>
#include <utility>

#include "AccruedInterest.h"
#include "Conversions.h"
#include "EntryCommand.h"
#include "Reasons.h"
#include "WindowLook.h"

namespace {

constexpr int kKnownColumns = 3;  // Certificate, Denomination, Date of purchase
const char* const kAmountPattern = "##,##0.00";
const QColor kBadRow(255, 214, 214);
// Longer raw text of a bad line is cut in the cell; the file keeps it whole.
constexpr qsizetype kShownRawText = 200;

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Field(const tresk::Entry& entry, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= entry.fields.size()) return {};
    return entry.fields[static_cast<std::size_t>(index)];
}

bool Blank(const std::string& text) {
    return QString::fromStdString(text).trimmed().isEmpty();
}

bool SameShape(const CertificateModel::Shape& a, const CertificateModel::Shape& b) {
    return a.columns.header == b.columns.header && a.columns.certificate == b.columns.certificate &&
           a.columns.denomination == b.columns.denomination &&
           a.columns.purchase == b.columns.purchase && a.columns.count == b.columns.count &&
           a.header.fields == b.header.fields && a.header.raw == b.header.raw;
}

// "2025–26", as the column of a financial year is headed.
QString YearText(int startYear) {
    return QString::number(startYear) + u'\u2013' +
           QStringLiteral("%1").arg((startYear + 1) % 100, 2, 10, QLatin1Char('0'));
}

}  // namespace

CertificateModel::CertificateModel(QUndoStack* undo, QObject* parent)
    : QAbstractTableModel(parent),
      undo_(undo),
      chosenYear_(tresk::FinancialYearOf(tresk::Today())) {}

void CertificateModel::setList(tresk::CertificateList list) {
    beginResetModel();
    list_ = std::move(list);
    findOwnColumns();
    computeTotals();
    firstYear_ = totals_.empty() ? 0 : totals_.begin()->first;
    lastYear_ = totals_.empty() ? -1 : totals_.rbegin()->first;
    endResetModel();
    undo_->clear();
    emit totalsChanged();
}

void CertificateModel::setChosenYear(int startYear) {
    if (startYear == chosenYear_) return;
    chosenYear_ = startYear;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit totalsChanged();
}

void CertificateModel::findOwnColumns() {
    std::size_t width = std::max(list_.columns.count, list_.header.fields.size());
    for (const tresk::Entry& entry : list_.entries)
        width = std::max(width, entry.fields.size());
    ownFields_.clear();
    const tresk::Columns& c = list_.columns;
    for (int field = 0; field < static_cast<int>(width); ++field) {
        if (field != c.certificate && field != c.denomination && field != c.purchase)
            ownFields_.push_back(field);
    }
}

void CertificateModel::computeTotals() {
    tresk::Totals totals;
    for (const tresk::Entry& entry : list_.entries) {
        if (entry.problem == tresk::Problem::None) totals.Add(entry.certificate);
    }
    totals_ = totals.byYear();
}

void CertificateModel::followYears() {
    const int first = totals_.empty() ? 0 : totals_.begin()->first;
    const int last = totals_.empty() ? -1 : totals_.rbegin()->first;
    const int base = kKnownColumns + static_cast<int>(ownFields_.size());
    const bool had = lastYear_ >= firstYear_;
    const bool has = last >= first;
    if (had && (!has || first > lastYear_ || last < firstYear_)) {
        beginRemoveColumns({}, base, base + lastYear_ - firstYear_);
        firstYear_ = 0;
        lastYear_ = -1;
        endRemoveColumns();
    }
    if (!has) return;
    if (lastYear_ < firstYear_) {
        beginInsertColumns({}, base, base + last - first);
        firstYear_ = first;
        lastYear_ = last;
        endInsertColumns();
        return;
    }
    if (first < firstYear_) {
        beginInsertColumns({}, base, base + firstYear_ - first - 1);
        firstYear_ = first;
        endInsertColumns();
    } else if (first > firstYear_) {
        beginRemoveColumns({}, base, base + first - firstYear_ - 1);
        firstYear_ = first;
        endRemoveColumns();
    }
    if (last > lastYear_) {
        beginInsertColumns({}, base + lastYear_ - firstYear_ + 1, base + last - firstYear_);
        lastYear_ = last;
        endInsertColumns();
    } else if (last < lastYear_) {
        beginRemoveColumns({}, base + last - firstYear_ + 1, base + lastYear_ - firstYear_);
        lastYear_ = last;
        endRemoveColumns();
    }
}

int CertificateModel::yearColumns() const {
    return lastYear_ >= firstYear_ ? lastYear_ - firstYear_ + 1 : 0;
}

CertificateModel::Kind CertificateModel::kindOf(int column) const {
    if (column == 0) return Kind::Label;
    if (column == 1) return Kind::Denomination;
    if (column == 2) return Kind::Purchase;
    return column < kKnownColumns + static_cast<int>(ownFields_.size()) ? Kind::Own : Kind::Year;
}

int CertificateModel::yearOf(int column) const {
    return firstYear_ + column - kKnownColumns - static_cast<int>(ownFields_.size());
}

int CertificateModel::fieldOf(int column) const {
    switch (kindOf(column)) {
        case Kind::Label:
            return list_.columns.certificate;
        case Kind::Denomination:
            return list_.columns.denomination;
        case Kind::Purchase:
            return list_.columns.purchase;
        case Kind::Own:
            return ownFields_[static_cast<std::size_t>(column - kKnownColumns)];
        case Kind::Year:
            break;
    }
    return -1;
}

QVariant CertificateModel::sortKey(int row, int column) const {
    const tresk::Entry& entry = list_.entries[static_cast<std::size_t>(row)];
    const Kind kind = kindOf(column);
    if (kind == Kind::Label || kind == Kind::Own) return cellText(entry, column);
    if (entry.problem != tresk::Problem::None) return {};
    if (kind == Kind::Denomination) return entry.certificate.denomination;
    if (kind == Kind::Purchase) return entry.certificate.purchase;
    // A year in which the certificate earns nothing sorts as nought.
    return tresk::InterestIn(entry.certificate, yearOf(column)).amount;
}

QString CertificateModel::amountText(double amount) const {
    const QLocale locale;
    return FromStd(tresk::Format(amount, kAmountPattern, locale.decimalPoint().toStdString(),
                                 locale.groupSeparator().toStdString()));
}

QString CertificateModel::denominationText(double denomination) const {
    return amountText(denomination);
}

QString CertificateModel::headerText(int column) const {
    switch (kindOf(column)) {
        case Kind::Label:
            return tr("Certificate");
        case Kind::Denomination:
            return tr("Denomination");
        case Kind::Purchase:
            return tr("Date of purchase");
        case Kind::Own: {
            const int field = fieldOf(column);
            if (list_.columns.header) return FromStd(Field(list_.header, field));
            return tr("Column %1").arg(field + 1);
        }
        case Kind::Year:
            break;
    }
    return YearText(yearOf(column));
}

QString CertificateModel::rowName(int row) const {
    if (row >= entryCount()) return tr("New certificate");
    const tresk::Entry& entry = list_.entries[static_cast<std::size_t>(row)];
    const QString label =
        FromStd(entry.problem == tresk::Problem::None ? entry.certificate.label
                                                      : Field(entry, list_.columns.certificate))
            .trimmed();
    return label.isEmpty() ? tr("Row %1").arg(row + 1) : label;
}

QString CertificateModel::cellText(const tresk::Entry& entry, int column) const {
    const bool good = entry.problem == tresk::Problem::None;
    const Kind kind = kindOf(column);
    if (kind == Kind::Year) {
        if (!good) return {};
        const tresk::YearInterest interest = tresk::InterestIn(entry.certificate, yearOf(column));
        return interest.yearOfLife == 0 ? QString() : amountText(interest.amount);
    }
    if (good && kind == Kind::Denomination) return denominationText(entry.certificate.denomination);
    if (good && kind == Kind::Purchase) return FromStd(tresk::DateText(entry.certificate.purchase));
    // A line that could not be split into fields shows as it came.
    if (entry.fields.empty() && kind == Kind::Label)
        return FromStd(entry.raw).left(kShownRawText).trimmed();
    return FromStd(Field(entry, fieldOf(column)));
}

QString CertificateModel::totalText(int column) const {
    if (kindOf(column) == Kind::Label) return tr("Total");
    if (kindOf(column) != Kind::Year) return {};
    const auto total = totals_.find(yearOf(column));
    const tresk::Cents cents = total == totals_.end() ? 0 : total->second;
    return amountText(static_cast<double>(cents) / 100);
}

QString CertificateModel::totalAccessibleText(int column) const {
    return QStringList{headerText(column), tr("Total"), totalText(column)}.join(
        QLatin1String(", "));
}

int CertificateModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : entryCount() + 1;
}

int CertificateModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0
                            : kKnownColumns + static_cast<int>(ownFields_.size()) + yearColumns();
}

QVariant CertificateModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row();
    const int column = index.column();
    const Kind kind = kindOf(column);
    const bool newRow = row >= entryCount();
    static const tresk::Entry kEmpty;
    const tresk::Entry& entry = newRow ? kEmpty : list_.entries[static_cast<std::size_t>(row)];
    const bool bad = !newRow && entry.problem != tresk::Problem::None;
    const bool chosen = kind == Kind::Year && yearOf(column) == chosenYear_;
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return newRow ? QString() : cellText(entry, column);
        case Qt::AccessibleTextRole: {
            QStringList parts{headerText(column)};
            const QString text = newRow ? QString() : cellText(entry, column);
            // A label's own cell names its row already.
            if (kind != Kind::Label || text.isEmpty()) parts << rowName(row);
            if (!text.isEmpty()) parts << text;
            return parts.join(QLatin1String(", "));
        }
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            return bad ? ReasonText(entry.problem) : QVariant();
        case Qt::TextAlignmentRole:
            if (kind == Kind::Year || kind == Kind::Denomination)
                return QVariant::fromValue(Qt::AlignTrailing | Qt::AlignVCenter);
            return {};
        case Qt::BackgroundRole:
            if (bad) return kBadRow;
            if (chosen) return kLavender;
            return {};
        case Qt::ForegroundRole:
            return bad || chosen ? QVariant(QColor(Qt::black)) : QVariant();
        case Qt::FontRole:
            if (!chosen) return {};
            {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
        default:
            return {};
    }
}

QVariant CertificateModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return section >= entryCount() ? QStringLiteral("*") : QString::number(section + 1);
        return {};
    }
    if (role == Qt::DisplayRole) {
        // "2025–26" keeps its order in a right-to-left header.
        if (kindOf(section) == Kind::Year && QGuiApplication::isRightToLeft())
            return u'\u2066' + headerText(section) + u'\u2069';
        return headerText(section);
    }
    if (role == Qt::FontRole && kindOf(section) == Kind::Year && yearOf(section) == chosenYear_) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::ToolTipRole && kindOf(section) == Kind::Year && yearOf(section) == chosenYear_)
        return tr("The financial year chosen in the calculator");
    return {};
}

Qt::ItemFlags CertificateModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (!index.isValid() || kindOf(index.column()) == Kind::Year) return flags;
    // Only the known columns start a certificate in the empty row.
    if (index.row() >= entryCount() && kindOf(index.column()) == Kind::Own) return flags;
    return flags | Qt::ItemIsEditable;
}

tresk::Problem CertificateModel::problemOf(const TypedRow& typed) const {
    Shape shape = this->shape();
    return typedEntry(typed, shape).problem;
}

tresk::Entry CertificateModel::typedEntry(const TypedRow& typed, Shape& shape) const {
    if (!typed.label.isEmpty() && shape.columns.certificate < 0) {
        // A label needs a column, which SetCertificate adds to a list that lacks one.
        tresk::CertificateList scratch{list_.separator, shape.columns, shape.header, {}};
        tresk::Entry any;
        tresk::SetCertificate(scratch, any, {"-", 1, 1});
        shape = {scratch.columns, scratch.header};
    }
    tresk::Entry entry;
    const tresk::Columns& c = shape.columns;
    entry.fields.resize(std::max(c.count, shape.header.fields.size()));
    const auto put = [&](int field, const QString& text) {
        if (field >= 0) entry.fields[static_cast<std::size_t>(field)] = text.toStdString();
    };
    put(c.certificate, typed.label);
    put(c.denomination, typed.denomination);
    put(c.purchase, typed.date);
    return reread(std::move(entry), shape);
}

tresk::Entry CertificateModel::reread(tresk::Entry entry, Shape& shape) const {
    const tresk::Columns& c = shape.columns;
    const std::string denomination = Field(entry, c.denomination);
    const std::string purchase = Field(entry, c.purchase);
    tresk::Problem problem = tresk::Problem::None;
    double amount = 0;
    std::optional<double> date;
    if (c.denomination < 0 || Blank(denomination)) {
        problem = tresk::Problem::NoDenomination;
    } else {
        // The file's own reading first, so that a field read from the file reads the same; then
        // the calculator's, for what the user types.
        const QLocale locale;
        amount =
            tresk::DenominationField(denomination, list_.separator)
                .value_or(tresk::ReadDenomination(denomination, locale.decimalPoint().toStdString(),
                                                  locale.groupSeparator().toStdString()));
        if (!(amount > 0) || !std::isfinite(amount)) {
            problem = tresk::Problem::NotADenomination;
        } else if (amount > tresk::kMaxDenomination) {
            problem = tresk::Problem::TooLarge;
        } else if (c.purchase < 0 || Blank(purchase)) {
            problem = tresk::Problem::NoDate;
        } else {
            date = tresk::TypedDate(purchase);
            if (!date) date = tresk::DateField(purchase);
            if (!date) problem = tresk::Problem::NotADate;
        }
    }
    if (problem != tresk::Problem::None) {
        entry.problem = problem;
        entry.raw.clear();
        return entry;
    }
    tresk::CertificateList scratch{list_.separator, shape.columns, shape.header, {}};
    tresk::SetCertificate(scratch, entry, {Field(entry, c.certificate), amount, *date});
    shape = {scratch.columns, scratch.header};
    return entry;
}

bool CertificateModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    const QString text = value.toString();
    if (text == data(index, Qt::EditRole).toString()) return false;
    const int row = index.row();
    const Kind kind = kindOf(index.column());
    if (row >= entryCount()) {
        TypedRow typed;
        (kind == Kind::Label          ? typed.label
         : kind == Kind::Denomination ? typed.denomination
                                      : typed.date) = text;
        insertTyped(row, {typed}, tr("Add Certificate"));
        return true;
    }
    Shape shape = this->shape();
    if (kind == Kind::Label && shape.columns.certificate < 0) {
        tresk::CertificateList scratch{list_.separator, shape.columns, shape.header, {}};
        tresk::Entry any;
        tresk::SetCertificate(scratch, any, {"-", 1, 1});
        shape = {scratch.columns, scratch.header};
    }
    tresk::Entry entry = list_.entries[static_cast<std::size_t>(row)];
    const int field = kind == Kind::Label ? shape.columns.certificate : fieldOf(index.column());
    // A line that was never split into fields is taken as the user's text from here on.
    if (entry.fields.size() <= static_cast<std::size_t>(field))
        entry.fields.resize(static_cast<std::size_t>(field) + 1);
    entry.fields[static_cast<std::size_t>(field)] = text.toStdString();
    if (entry.problem == tresk::Problem::None && kind == Kind::Own) {
        entry.raw.clear();
    } else {
        entry = reread(std::move(entry), shape);
    }
    undo_->push(new EntryCommand(this, row, 1, {std::move(entry)}, shape, tr("Edit")));
    return true;
}

void CertificateModel::insertTyped(int row, const std::vector<TypedRow>& rows,
                                   const QString& action) {
    Shape shape = this->shape();
    std::vector<tresk::Entry> entries;
    entries.reserve(rows.size());
    for (const TypedRow& typed : rows)
        entries.push_back(typedEntry(typed, shape));
    undo_->push(
        new EntryCommand(this, std::min(row, entryCount()), 0, std::move(entries), shape, action));
}

void CertificateModel::removeEntries(const std::vector<int>& rows) {
    if (rows.empty()) return;
    undo_->beginMacro(tr("Delete"));
    // From the last run of rows up, so that the rows of the runs above keep their numbers.
    for (auto end = rows.rbegin(); end != rows.rend();) {
        auto start = end;
        while (std::next(start) != rows.rend() && *std::next(start) == *start - 1)
            ++start;
        const int first = *start;
        undo_->push(new EntryCommand(this, first, *end - first + 1, {}, shape(), tr("Delete")));
        end = std::next(start);
    }
    undo_->endMacro();
}

void CertificateModel::replace(int row, int count, const std::vector<tresk::Entry>& entries,
                               const Shape& shape) {
    auto& list = list_.entries;
    const auto at = list.begin() + row;
    if (!SameShape(shape, this->shape())) {
        beginResetModel();
        list.erase(at, at + count);
        list.insert(list.begin() + row, entries.begin(), entries.end());
        list_.columns = shape.columns;
        list_.header = shape.header;
        findOwnColumns();
        computeTotals();
        firstYear_ = totals_.empty() ? 0 : totals_.begin()->first;
        lastYear_ = totals_.empty() ? -1 : totals_.rbegin()->first;
        endResetModel();
        emit totalsChanged();
        return;
    }
    const int added = static_cast<int>(entries.size());
    if (count == added) {
        std::copy(entries.begin(), entries.end(), at);
        if (added > 0) emit dataChanged(index(row, 0), index(row + added - 1, columnCount() - 1));
    } else {
        if (count > 0) {
            beginRemoveRows({}, row, row + count - 1);
            list.erase(at, at + count);
            endRemoveRows();
        }
        if (added > 0) {
            beginInsertRows({}, row, row + added - 1);
            list.insert(list.begin() + row, entries.begin(), entries.end());
            endInsertRows();
        }
    }
    computeTotals();
    followYears();
    emit totalsChanged();
}
