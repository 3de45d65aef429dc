#include "fonts.h"

#include <QFont>
#include <QString>

namespace {

struct Substitution {
    const char* face;
    const char* installed;
};

// Liberation Sans is metric-compatible with Arial and the closest sans face to MS Sans Serif;
// URW Bookman is the free Bookman. Both come from the Debian packages the scripts install.
constexpr Substitution kSubstitutions[] = {
    {"MS Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Bookman Old Style", "URW Bookman"},
};

}  // namespace

QString InstalledFace(const QString& face) {
    for (const auto& substitution : kSubstitutions) {
        if (face == QLatin1String(substitution.face))
            return QString::fromLatin1(substitution.installed);
    }
    return face;
}

QFont WindowFont(const QString& face, double points, int weight) {
    QFont font(InstalledFace(face));
    font.setPointSizeF(points);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}
