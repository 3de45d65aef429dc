#include "Translation.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QString>
#include <QTranslator>

#include "WindowLook.h"

QString UseLanguage(const QLocale& locale) {
    // Notices, menus and tooltips are windows of their own, drawn in the application's font.
    QFont font = QApplication::font();
    if (!font.families().contains(ScriptFaces().constLast())) {
        font.setFamilies(font.families() + ScriptFaces());
        QApplication::setFont(font);
    }
    static QTranslator* translator = nullptr;
    if (translator != nullptr) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
    auto* loaded = new QTranslator;
    // Tries each of the locale's languages in turn, as the desktop orders them.
    if (!loaded->load(locale, QStringLiteral("tresk"), QStringLiteral("_"),
                      QStringLiteral(":/i18n"))) {
        delete loaded;
        QApplication::setLayoutDirection(Qt::LeftToRight);
        return {};
    }
    translator = loaded;
    QCoreApplication::installTranslator(translator);
    const QString language = translator->language();
    QApplication::setLayoutDirection(QLocale(language).textDirection());
    return language;
}
