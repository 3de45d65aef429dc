#pragma once

#include <QColor>
#include <QProxyStyle>

// Fusion with grid lines of one fixed colour. Fusion derives a view's grid colour from its base
// colour, and a style sheet, the only other way to set it, would restyle the whole calendar.
class GridLineStyle : public QProxyStyle {
    Q_OBJECT

  public:
    GridLineStyle(const QColor& lines, QObject* parent);

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;

  private:
    QColor lines;
};
