#include "GridLineStyle.h"

#include <QString>

GridLineStyle::GridLineStyle(const QColor& lines, QObject* parent)
    : QProxyStyle(QStringLiteral("Fusion")), lines(lines) {
    setParent(parent);
}

int GridLineStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const {
    if (hint == SH_Table_GridLineColor) return static_cast<int>(lines.rgba());
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
