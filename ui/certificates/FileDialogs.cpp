#include "FileDialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QSettings>
#include <QVariantMap>

namespace {

// The record Qt's file dialogs keep, put back as it was when this goes.
class DialogRecord {
  public:
    DialogRecord() : existed_(QFile::exists(settings_.fileName())) {
        settings_.beginGroup(kGroup);
        for (const QString& key : settings_.allKeys())
            kept_.insert(key, settings_.value(key));
        settings_.endGroup();
    }
    ~DialogRecord() {
        settings_.remove(kGroup);
        settings_.beginGroup(kGroup);
        for (auto entry = kept_.cbegin(); entry != kept_.cend(); ++entry)
            settings_.setValue(entry.key(), entry.value());
        settings_.endGroup();
        settings_.sync();
        // A file the dialog made holds nothing else.
        if (!existed_ && settings_.allKeys().isEmpty()) QFile::remove(settings_.fileName());
    }
    DialogRecord(const DialogRecord&) = delete;
    DialogRecord& operator=(const DialogRecord&) = delete;

  private:
    static constexpr QLatin1StringView kGroup{"FileDialog"};
    QSettings settings_{QSettings::UserScope, QStringLiteral("QtProject")};
    QVariantMap kept_;
    bool existed_;
};

}  // namespace

QString AskOpenPath(QWidget* parent, const QString& caption, const QString& folder,
                    const QString& filter) {
    const DialogRecord record;
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString AskSavePath(QWidget* parent, const QString& caption, const QString& suggested,
                    const QString& filter) {
    const DialogRecord record;
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}
