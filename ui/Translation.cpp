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
    bool found = false;
    for (const QString& name : locale.uiLanguages()) {
        // English is the window's own language: named before a translated one, it wins.
        if (QLocale(name).language() == QLocale::English) break;
        found = loaded->load(QLocale(name), QStringLiteral("tresk"), QStringLiteral("_"),
                             QStringLiteral(":/i18n"));
        if (found) break;
    }
    if (!found) {
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
