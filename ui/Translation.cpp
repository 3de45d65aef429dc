#include "Translation.h"

#include <QApplication>
#include <QLocale>
#include <QString>
#include <QTranslator>

namespace {

constexpr char kTranslatorName[] = "tresk_translator";

}  // namespace

QString UseLanguage(const QLocale& locale) {
    // The application owns the window's one translator; choosing a language again replaces it.
    QCoreApplication* application = QCoreApplication::instance();
    delete application->findChild<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly);
    auto* translator = new QTranslator(application);
    translator->setObjectName(kTranslatorName);
    // English, the window's own language, has an empty catalogue, so that English named before a
    // translated language is found first and wins.
    if (!translator->load(locale, QStringLiteral("tresk"), QStringLiteral("_"),
                          QStringLiteral(":/i18n")) ||
        translator->isEmpty()) {
        delete translator;
        QApplication::setLayoutDirection(Qt::LeftToRight);
        return {};
    }
    QCoreApplication::installTranslator(translator);
    const QString language = translator->language();
    QApplication::setLayoutDirection(QLocale(language).textDirection());
    return language;
}
