#pragma once

#include <QString>

class QWidget;

// The certificates window's file dialogs. Qt's own dialog records the folders it visited in the
// user's settings as it closes; this program writes only where the user saves, so each dialog's
// record is taken back and nothing stays behind.
QString AskOpenPath(QWidget* parent, const QString& caption, const QString& folder,
                    const QString& filter);
QString AskSavePath(QWidget* parent, const QString& caption, const QString& suggested,
                    const QString& filter);
