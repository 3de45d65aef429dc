#pragma once

#include <QColor>
#include <QStringList>

class QCalendarWidget;
class QFont;
class QIcon;
class QLabel;
class QPalette;
class QString;
class QStyle;
class QWidget;

// How the window looks: its colours, fonts, icon, the calendar's look, and the style it draws
// with, whatever the desktop's theme.

inline const QColor kLavender{192, 192, 255};
inline const QColor kRed{255, 0, 0};

// The window was laid out with faces of another platform. Each maps to the nearest face
// installed here, at the same point size and weight, through one substitution table.
QString InstalledFace(const QString& face);
// The faces that draw the scripts of the translations, in the order they are tried for a letter
// that the window's own face lacks.
QStringList ScriptFaces();
QFont WindowFont(const QString& face, double points, int weight);
QFont DefaultFont();
QFont Bold825();
QFont Bold975();
// Notices, menus and tooltips are windows of their own, drawn in the application's font: it falls
// back on the scripts' faces as the window's own fonts do.
void ApplyApplicationFont();

// The marks of some scripts reach far above or below the line that a label centres, and out of
// a label as low as the window's: such a caption has its ink centred instead.
void CentreCaptionInk(QLabel* label);

QPalette WindowPalette();
// Captions and lines in red: the colour a widget draws its text in.
void PaintRed(QWidget* widget);
QIcon WindowIcon();
void ApplyCalendarLook(QCalendarWidget* calendar);

// Fusion for the window and every control in it, where the application's style is another: the
// fixed pixel sizes fit Fusion's metrics. Call once all controls exist.
void ApplyWindowStyle(QWidget* window);
