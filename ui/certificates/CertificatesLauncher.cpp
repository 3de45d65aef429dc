#include "CertificatesLauncher.h"

#include <QPointer>
#include <QString>
#include <QStringList>

#include "AccruedInterest.h"
#include "CertificateWindow.h"
#include "Conversions.h"
#include "Form1.h"

namespace {

// A file is opened before the window first shows, so that it shows the list at once.
CertificateWindow* ShownWindow(int chosenYear, const QString& file = {}) {
    static QPointer<CertificateWindow> window;
    if (window == nullptr) window = new CertificateWindow;
    if (!file.isEmpty()) window->openFile(file);
    window->setChosenYear(chosenYear);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace

void ConnectCertificates(Form1& calculator) {
    QObject::connect(&calculator, &Form1::certificatesWanted, &calculator,
                     [](int chosenYear) { ShownWindow(chosenYear); });
    QObject::connect(&calculator, &Form1::addToCertificatesWanted, &calculator,
                     [](const QString& denomination, const QString& date, int chosenYear) {
                         ShownWindow(chosenYear)->addCertificate(denomination, date);
                     });
}

bool OpenCertificatesFromArguments(const QStringList& arguments) {
    if (arguments.size() < 2) return false;
    // The desktop's Certificates action opens a new list.
    const QString& file = arguments.at(1);
    ShownWindow(tresk::FinancialYearOf(tresk::Today()),
                file == QLatin1String("--certificates") ? QString() : file);
    return true;
}
