// Copy, Cut and Paste: the list as tab-separated lines, which spreadsheets take as rows.
#include <QClipboard>
#include <QGuiApplication>
#include <QStringList>
#include <QTableView>

#include "CertificateModel.h"
#include "CertificateWindow.h"
#include "Reasons.h"

namespace {

// A tab or a line break inside a cell would split it in a spreadsheet.
QString CellText(QString text) {
    for (QChar& c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
    }
    return text;
}

}  // namespace

QString CertificateWindow::selectedText() const {
    const std::vector<int> rows = selectedEntries();
    if (rows.empty()) return {};
    const int columns = model->columnCount();
    const auto line = [columns](const auto& text) {
        QStringList cells;
        for (int column = 0; column < columns; ++column)
            cells << CellText(text(column));
        return cells.join(u'\t');
    };
    QStringList lines{line([this](int column) { return model->headerText(column); })};
    for (const int row : rows) {
        lines << line([this, row](int column) {
            return model->data(model->index(row, column), Qt::DisplayRole).toString();
        });
    }
    // The whole list copied is the whole table, its totals last.
    if (static_cast<int>(rows.size()) == model->entryCount())
        lines << line([this](int column) { return model->totalText(column); });
    return lines.join(u'\n') + u'\n';
}

void CertificateWindow::copy() {
    const QString text = selectedText();
    if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

void CertificateWindow::cut() {
    copy();
    deleteRows();
}

void CertificateWindow::paste() {
    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
    std::vector<CertificateModel::TypedRow> rows;
    QStringList unread;
    for (qsizetype number = 0; number < lines.size(); ++number) {
        QString text = lines[number];
        if (text.endsWith(u'\r')) text.chop(1);
        if (text.trimmed().isEmpty()) continue;
        const QStringList cells = text.split(u'\t');
        // A spreadsheet's rows: Certificate, Denomination, Date of purchase; or the last two.
        CertificateModel::TypedRow typed;
        if (cells.size() >= 3) {
            typed = {cells[0].trimmed(), cells[1], cells[2]};
        } else if (cells.size() == 2) {
            typed = {QString(), cells[0], cells[1]};
        }
        const tresk::Problem problem =
            cells.size() < 2 ? tresk::Problem::TooFewFields : model->problemOf(typed);
        if (problem != tresk::Problem::None) {
            // A copied header is no certificate, and no fault either.
            if (number == 0 &&
                tresk::ColumnNamed(cells.value(cells.size() >= 3 ? 1 : 0).trimmed().toStdString()))
                continue;
            unread << tr("line %1: %2").arg(number + 1).arg(ReasonText(problem));
            continue;
        }
        rows.push_back(typed);
    }
    if (!rows.empty()) {
        const QModelIndex current = table->currentIndex();
        const int at = current.isValid() ? entryRowOf(current) : model->entryCount();
        model->insertTyped(at, rows, tr("Paste"));
        table->setCurrentIndex(shownIndex(at, 0));
    }
    if (!unread.isEmpty())
        showNotice(tr("These lines were not pasted: %1.").arg(unread.join(QLatin1String("; "))));
}
