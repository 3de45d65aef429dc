#include "ScheduleText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPalette>
#include <QStringList>

#include <algorithm>

#include "Conversions.h"

namespace {

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QString DateText(double date) {
    return FromStd(tresk::DateText(date));
}

// As the year list writes the year, without the blank that only holds a sign's place.
QString FinancialYearText(int startYear) {
    return FromStd(tresk::Str(startYear)).trimmed() + u'\u2013' +
           FromStd(tresk::Str(startYear + 1)).trimmed();
}

// The tooltip and the copied table share their rows.
QStringList HeaderCells() {
    //: A column of the schedule, in the result's tooltip and in the table Copy Schedule copies:
    //: which year of the certificate's six it is.
    return {QCoreApplication::translate("Form1", "Year of life"),
            //: A column of the schedule (tooltip and copied table): the day each year of the
            //: certificate's life completes.
            QCoreApplication::translate("Form1", "Anniversary"),
            QCoreApplication::translate("Form1", "Financial Year"),
            //: A column of the schedule (tooltip and copied table): the interest of that year.
            QCoreApplication::translate("Form1", "Amount")};
}

QStringList YearCells(const tresk::ScheduleYear& year, const QLocale& locale) {
    return {QString::number(year.yearOfLife), DateText(year.anniversary),
            FinancialYearText(year.financialYear), AmountText(year.amount, locale)};
}

QStringList TotalCells(const tresk::CertificateSchedule& schedule, const QLocale& locale) {
    //: The schedule's last row (tooltip and copied table): the interest of all six years.
    return {QCoreApplication::translate("Form1", "Total"), QString(), QString(),
            AmountText(schedule.total, locale)};
}

// One row of the tooltip's table: the year of life centred, the amounts aligned at the end of the
// line. The chosen year is marked in the tooltip palette's own selection colours, readable in
// light and dark themes alike. Qt lays a table's columns out from the left in either direction,
// so a right-to-left row is written from its last cell.
QString HtmlRow(const QStringList& cells, const char* tag, const QPalette& palette,
                Qt::LayoutDirection direction, bool marked = false) {
    const bool rightToLeft = direction == Qt::RightToLeft;
    QStringList written;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const char* align = i == 0                 ? " align=center"
                            : i < cells.size() - 1 ? ""
                            : rightToLeft          ? " align=left"
                                                   : " align=right";
        QString text = cells[i].toHtmlEscaped();
        if (marked) {
            text = QStringLiteral("<font color=\"%1\"><b>%2</b></font>")
                       .arg(palette.color(QPalette::HighlightedText).name(), text);
        }
        written
            << QStringLiteral("<%1%2>%3</%1>").arg(QLatin1String(tag), QLatin1String(align), text);
    }
    if (rightToLeft) std::ranges::reverse(written);
    const QString row =
        marked
            ? QStringLiteral("<tr bgcolor=\"%1\">").arg(palette.color(QPalette::Highlight).name())
            : QStringLiteral("<tr>");
    return row + written.join(QString()) + QStringLiteral("</tr>");
}

// The days of purchase whose certificates share one schedule of rates, put in for %3 of "Year %1
// of the certificate's life, …". The earliest period has no first day, the latest no last.
QString PeriodText(const tresk::PurchaseDays& days) {
    if (!days.first) {
        //: %1 is the first day of the next period: the period holds every day before it.
        return QCoreApplication::translate("Form1", "before %1").arg(DateText(*days.last + 1));
    }
    if (!days.last) {
        //: %1 is the period's first day; it has no last one.
        return QCoreApplication::translate("Form1", "from %1").arg(DateText(*days.first));
    }
    //: %1 is the period's first day, %2 its last.
    return QCoreApplication::translate("Form1", "from %1 to %2")
        .arg(DateText(*days.first), DateText(*days.last));
}

}  // namespace

QString AmountText(double amount, const QLocale& locale) {
    return FromStd(tresk::Format(amount, "##,##0.00", locale.decimalPoint().toStdString(),
                                 locale.groupSeparator().toStdString()));
}

QString ScheduleToolTip(const tresk::CertificateSchedule& schedule, int chosenYear,
                        const QLocale& locale, const QPalette& palette,
                        Qt::LayoutDirection direction) {
    QString html = QStringLiteral("<table cellspacing=0 cellpadding=3>") +
                   HtmlRow(HeaderCells(), "th", palette, direction);
    for (const tresk::ScheduleYear& year : schedule.years) {
        html += HtmlRow(YearCells(year, locale), "td", palette, direction,
                        year.financialYear == chosenYear);
    }
    return html + HtmlRow(TotalCells(schedule, locale), "th", palette, direction) +
           QStringLiteral("</table>");
}

QString ScheduleTable(const tresk::CertificateSchedule& schedule, const QLocale& locale) {
    QStringList lines{HeaderCells().join(u'\t')};
    for (const tresk::ScheduleYear& year : schedule.years) {
        lines << YearCells(year, locale).join(u'\t');
    }
    lines << TotalCells(schedule, locale).join(u'\t');
    return lines.join(u'\n');
}

QString ScheduleDescription(const tresk::CertificateSchedule& schedule, int chosenYear) {
    for (const tresk::ScheduleYear& year : schedule.years) {
        if (year.financialYear != chosenYear) continue;
        const QString period = PeriodText(tresk::PurchaseDaysOf(schedule.period));
        //: Told to screen readers of the amount: %1 is the year of life (1 to 6), %2 the date of
        //: its anniversary, %3 the issue period ("from %1 to %2", "before %1" or "from %1").
        return QCoreApplication::translate("Form1",
                                           "Year %1 of the certificate's life, anniversary on %2, "
                                           "rates of certificates bought %3")
            .arg(QString::number(year.yearOfLife), DateText(year.anniversary), period);
    }
    return {};
}
