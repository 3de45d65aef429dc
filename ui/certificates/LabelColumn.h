#pragma once

#include <QTableView>

// A view's first column, the certificates' labels or the Total caption, kept in sight over its
// leading edge while the view is scrolled sideways, so that every amount can be told by its row.
// It shows only while the view's own first column is out of sight: the view itself stays the
// place where a label is edited and what a screen reader reads.
class LabelColumn : public QTableView {
    Q_OBJECT

  public:
    explicit LabelColumn(QTableView* view);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void follow();  // the view's columns, widths, place and scroll position

    QTableView* view_;
};
