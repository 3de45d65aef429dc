#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>

class QWidget;

// A notification that no widget shows: readers speak it when told that it has appeared, whatever
// control has the focus. It hangs off the window of the control it speaks for.
class AnnouncementAccessible : public QAccessibleInterface {
  public:
    AnnouncementAccessible(QWidget* speaker, const QString& text);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

  private:
    QPointer<QWidget> speaker;
    QString spoken;
};
