// The certificate's six years behind a shown amount: the result box's tooltip, its description
// for screen readers, and the table that Copy Schedule puts on the clipboard.
#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPalette>
#include <QStringList>
#include <QToolTip>

#include "Form1.h"

namespace {

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// As the year list writes the year, without the blank that only holds a sign's place.
QString FinancialYearText(int startYear) {
    return FromStd(tresk::Str(startYear)).trimmed() + u'\u2013' +
           FromStd(tresk::Str(startYear + 1)).trimmed();
}

QString IssuePeriodText(tresk::IssuePeriod period) {
    switch (period) {
        case tresk::IssuePeriod::Before2001:
            return QCoreApplication::translate("Form1", "before 1 March 2001");
        case tresk::IssuePeriod::From2001:
            return QCoreApplication::translate("Form1", "from 1 March 2001 to 28 February 2002");
        case tresk::IssuePeriod::From2002:
            return QCoreApplication::translate("Form1", "from 1 March 2002 to 28 February 2003");
        case tresk::IssuePeriod::From2003:
            break;
    }
    return QCoreApplication::translate("Form1", "from 1 March 2003");
}

// One row of the tooltip's table: the year of life centred, the amounts aligned on the right.
// The chosen year is marked in the tooltip palette's own selection colours, readable in light and
// dark themes alike.
QString HtmlRow(const QStringList& cells, const char* tag, bool marked = false) {
    const QPalette palette = QToolTip::palette();
    QString row =
        marked
            ? QStringLiteral("<tr bgcolor=\"%1\">").arg(palette.color(QPalette::Highlight).name())
            : QStringLiteral("<tr>");
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const char* align = i == 0 ? " align=center" : i == cells.size() - 1 ? " align=right" : "";
        QString text = cells[i].toHtmlEscaped();
        if (marked) {
            text = QStringLiteral("<font color=\"%1\"><b>%2</b></font>")
                       .arg(palette.color(QPalette::HighlightedText).name(), text);
        }
        row += QStringLiteral("<%1%2>%3</%1>").arg(QLatin1String(tag), QLatin1String(align), text);
    }
    return row + QStringLiteral("</tr>");
}

}  // namespace

void Form1::showSchedule(const tresk::CertificateSchedule& schedule, int chosenYear,
                         const std::function<QString(double)>& amountText) {
    const QStringList header{tr("Year of life"), tr("Anniversary"), tr("Financial Year"),
                             tr("Amount")};
    QStringList lines{header.join(u'\t')};
    QString html = QStringLiteral("<table cellspacing=0 cellpadding=3>") + HtmlRow(header, "th");
    for (const tresk::ScheduleYear& year : schedule.years) {
        const QString anniversary = FromStd(tresk::DateText(year.anniversary));
        const QStringList cells{QString::number(year.yearOfLife), anniversary,
                                FinancialYearText(year.financialYear), amountText(year.amount)};
        lines << cells.join(u'\t');
        const bool chosen = year.financialYear == chosenYear;
        html += HtmlRow(cells, "td", chosen);
        if (!chosen) continue;
        cmdDate[0]->setAccessibleDescription(
            tr("Year %1 of the certificate's life, anniversary on %2, rates of certificates "
               "bought %3")
                .arg(cells[0], anniversary, IssuePeriodText(schedule.period)));
    }
    const QStringList total{tr("Total"), QString(), QString(), amountText(schedule.total)};
    lines << total.join(u'\t');
    cmdDate[0]->setToolTip(html + HtmlRow(total, "th") + QStringLiteral("</table>"));
    scheduleTable = lines.join(u'\n');
    mnuCopySchedule->setEnabled(true);
}

void Form1::hideSchedule() {
    cmdDate[0]->setToolTip(QString());
    cmdDate[0]->setAccessibleDescription(QString());
    scheduleTable.clear();
    mnuCopySchedule->setEnabled(false);
}

void Form1::mnuCopySchedule_Click() {
    QGuiApplication::clipboard()->setText(scheduleTable);
}
