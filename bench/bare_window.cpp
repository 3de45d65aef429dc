// A plain Qt 6 window holding the same kinds and number of controls as the calculator's, with
// no styling, fonts or handlers: the baseline for start-up time and memory.
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.setFixedSize(331, 268);

    for (int i = 0; i < 8; ++i) {
        auto* label = new QLabel(QStringLiteral("Label"), &window);
        label->setGeometry(8, 16 + 30 * i, 120, 17);
    }
    for (int i = 0; i < 7; ++i) {
        auto* box = new QLineEdit(&window);
        box->setGeometry(160, 16 + 30 * i, 97, 21);
    }
    auto* list = new QComboBox(&window);
    list->setEditable(true);
    list->setGeometry(160, 230, 65, 21);
    for (int year = 2021; year <= 2031; ++year)
        list->addItem(QString::number(year));
    new QPushButton(QStringLiteral("Calculate"), &window);
    new QPushButton(QStringLiteral("|||||"), &window);
    auto* calendar = new QCalendarWidget(&window);
    calendar->setGeometry(72, 0, 233, 153);
    calendar->hide();

    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
