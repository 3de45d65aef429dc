#pragma once

#include <QAccessibleWidget>
#include <QDate>

#include <vector>

class QCalendarWidget;
class QTableView;

// The calendar's grid of days as assistive technology sees it: named after the month on show,
// with a child for each day-name heading and each day, a day named with its full date. The
// children are laid out as Qt lays out a table view's, hidden header sections included, since the
// view's own focus and selection events name its cells by that layout.
//
// A day's child stands for that day, not for its place in the grid: another page gets children
// of its own, or a reader would take a move to the same place in another month for no move.
//
// There is deliberately no table interface: readers speak a table's column headings and its whole
// row on each move, where a day needs only its date.
class CalendarGridAccessible : public QAccessibleWidget {
  public:
    explicit CalendarGridAccessible(QTableView* view);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The child at a cell of the view's model; row or column -1 for a hidden header section.
    int childIndex(int row, int column) const;

  protected:
    ~CalendarGridAccessible() override;

  private:
    QTableView* view() const;
    QCalendarWidget* calendar() const;

    mutable std::vector<QAccessible::Id> made;  // by child index, 0 where none is made yet
    mutable std::vector<QAccessible::Id> madeForPageBefore;
    mutable QDate madeForFirstDay;
};
