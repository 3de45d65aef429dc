// The result box: the amount shown, and the certificate's six years that explain it in the box's
// tooltip, its description for screen readers and the table that Copy Schedule copies.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QToolTip>

#include "Form1.h"
#include "ScheduleText.h"

void Form1::showAmount(const QString& text, const std::optional<Explained>& explained) {
    cmdDate[0]->setText(text);
    // An amount wider than the box shows its leading digits.
    cmdDate[0]->setCursorPosition(0);
    mnuCopy->setEnabled(!text.isEmpty());
    mnuAddToCertificates->setEnabled(!text.isEmpty());
    const QLocale locale;
    cmdDate[0]->setToolTip(explained
                               ? ScheduleToolTip(explained->schedule, explained->chosenYear, locale,
                                                 QToolTip::palette(), layoutDirection())
                               : QString());
    cmdDate[0]->setAccessibleDescription(
        explained ? ScheduleDescription(explained->schedule, explained->chosenYear) : QString());
    scheduleTable = explained ? ScheduleTable(explained->schedule, locale) : QString();
    mnuCopySchedule->setEnabled(explained.has_value());
}

void Form1::mnuCopySchedule_Click() {
    QGuiApplication::clipboard()->setText(scheduleTable);
}
