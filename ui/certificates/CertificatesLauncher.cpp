#include "CertificatesLauncher.h"

#include <QPointer>
#include <QStringList>

#include "AccruedInterest.h"
#include "CertificateWindow.h"
#include "Conversions.h"
#include "Form1.h"

namespace {

CertificateWindow* ShownWindow(int chosenYear) {
    static QPointer<CertificateWindow> window;
    if (window == nullptr) window = new CertificateWindow;
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
    CertificateWindow* window = ShownWindow(tresk::FinancialYearOf(tresk::Today()));
    // The desktop's Certificates action opens a new list.
    if (arguments.at(1) != QLatin1String("--certificates")) window->openFile(arguments.at(1));
    return true;
}
