#pragma once

class QFont;
class QString;

// The window was laid out with faces of another platform. Each maps to the nearest face
// installed here, at the same point size and weight, through one substitution table.
QString InstalledFace(const QString& face);
QFont WindowFont(const QString& face, double points, int weight);
