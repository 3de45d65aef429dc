// The statement for the tax file, printed or written as a PDF: the chosen financial year's
// certificates with their year of life and interest, its total, then every year's totals.
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>

#include "CertificateModel.h"
#include "CertificateWindow.h"
#include "Conversions.h"
#include "FileDialogs.h"
#include "Totals.h"

namespace {

QString Cell(const QString& text, const char* tag = "td", bool amount = false) {
    return QStringLiteral("<%1%2>%3</%1>")
        .arg(QLatin1String(tag), amount ? QLatin1String(" align=right") : QLatin1String(),
             text.toHtmlEscaped());
}

QString StatementHtml(const CertificateModel& model, const QString& name) {
    const int year = model.chosenYear();
    const QLocale locale;
    const auto amount = [&](double value) {
        return QString::fromStdString(tresk::Format(value, "##,##0.00",
                                                    locale.decimalPoint().toStdString(),
                                                    locale.groupSeparator().toStdString()));
    };
    const bool rtl = QGuiApplication::layoutDirection() == Qt::RightToLeft;
    // "2025-26" keeps its order in a right-to-left line.
    const QString yearText = QString::fromStdString(tresk::FinancialYearText(year));
    QString html = QStringLiteral("<html><body%1>").arg(rtl ? " dir=rtl" : "");
    html += QStringLiteral("<h2>%1</h2>")
                .arg(CertificateWindow::tr("Interest on certificates").toHtmlEscaped());
    html += QStringLiteral("<p>%1<br>%2<br>%3</p>")
                .arg(CertificateWindow::tr("File: %1").arg(name).toHtmlEscaped(),
                     CertificateWindow::tr("Date: %1")
                         .arg(QString::fromStdString(tresk::DateText(tresk::Today())))
                         .toHtmlEscaped(),
                     CertificateWindow::tr("Financial year: %1")
                         .arg(rtl ? u'\u2066' + yearText + u'\u2069' : yearText)
                         .toHtmlEscaped());

    html += QStringLiteral("<table border=1 cellspacing=0 cellpadding=4 width=100%><tr>") +
            Cell(CertificateModel::tr("Certificate"), "th") +
            Cell(CertificateWindow::tr("Year of life"), "th") +
            Cell(CertificateWindow::tr("Interest"), "th") + QStringLiteral("</tr>");
    tresk::Cents total = 0;
    for (const tresk::Entry& entry : model.list().entries) {
        if (entry.problem != tresk::Problem::None) continue;
        // Every certificate is listed, as the console program answers for a year: one that earns
        // nothing in it shows so, and the statement accounts for the whole list.
        const tresk::YearInterest interest = tresk::InterestIn(entry.certificate, year);
        total += tresk::CentsOf(interest.amount);
        html += QStringLiteral("<tr>") + Cell(QString::fromStdString(entry.certificate.label)) +
                Cell(interest.yearOfLife == 0 ? QString() : QString::number(interest.yearOfLife)) +
                Cell(amount(interest.amount), "td", true) + QStringLiteral("</tr>");
    }
    html += QStringLiteral("<tr>") + Cell(CertificateModel::tr("Total"), "th") + Cell(QString()) +
            Cell(amount(static_cast<double>(total) / 100), "th", true) +
            QStringLiteral("</tr></table>");

    html += QStringLiteral("<h3>%1</h3>")
                .arg(CertificateWindow::tr("Every financial year").toHtmlEscaped());
    html += QStringLiteral("<table border=1 cellspacing=0 cellpadding=4><tr>") +
            Cell(CertificateWindow::tr("Financial year"), "th") +
            Cell(CertificateModel::tr("Total"), "th") + QStringLiteral("</tr>");
    for (int column = 0; column < model.columnCount(); ++column) {
        if (model.kindOf(column) != CertificateModel::Kind::Year) continue;
        html += QStringLiteral("<tr>") +
                Cell(model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()) +
                Cell(model.totalText(column), "td", true) + QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table></body></html>");
}

void PrintStatement(QPrinter& printer, const CertificateModel& model, const QString& name) {
    QTextDocument document;
    QTextOption option = document.defaultTextOption();
    option.setTextDirection(QGuiApplication::layoutDirection());
    document.setDefaultTextOption(option);
    // Any letter spacing turns off the Latin ligatures, so that a PDF's text reads "fi" as two
    // letters and searches find every word; scripts that need their ligatures keep them.
    QFont font = document.defaultFont();
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
    document.setDefaultFont(font);
    document.setHtml(StatementHtml(model, name));
    document.print(&printer);
}

void UseA4(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

}  // namespace

void CertificateWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    UseA4(printer);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    PrintStatement(printer, *model, shownName());
}

void CertificateWindow::exportPdf() {
    const QString base = path.isEmpty() ? QDir::home().filePath(tr("Certificates"))
                                        : QFileInfo(path).absolutePath() + QLatin1Char('/') +
                                              QFileInfo(path).completeBaseName();
    QString file = AskSavePath(this, tr("Export PDF"), base + ".pdf", tr("PDF files (*.pdf)"));
    if (file.isEmpty()) return;
    if (QFileInfo(file).suffix().isEmpty()) file += QLatin1String(".pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setDocName(shownName());
    UseA4(printer);
    PrintStatement(printer, *model, shownName());
}
