#include "accessibility.h"

#include <QAccessible>
#include <QLineEdit>
#include <QString>

#include "read_only_text_accessible.h"

namespace {

QAccessibleInterface* OwnInterface(const QString& /*className*/, QObject* object) {
    if (auto* box = qobject_cast<QLineEdit*>(object); box != nullptr && box->isReadOnly())
        return new ReadOnlyTextAccessible(box);
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
    QAccessible::installFactory(&OwnInterface);
}

void MakeReadOnly(QLineEdit* box) {
    box->setReadOnly(true);
    // An interface made before the box became read-only would still accept edits; the next query
    // makes the read-only one.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(box))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}
