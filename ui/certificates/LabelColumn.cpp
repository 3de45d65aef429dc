#include "LabelColumn.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>

LabelColumn::LabelColumn(QTableView* view) : QTableView(view), view_(view) {
    setObjectName(view->objectName() + QLatin1String("Labels"));
    setModel(view->model());
    setSelectionModel(view->selectionModel());
    setFocusPolicy(Qt::NoFocus);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::NoFrame);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(view->verticalHeader()->defaultSectionSize());
    horizontalHeader()->setHidden(view->horizontalHeader()->isHidden());
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->viewport()->stackUnder(this);

    connect(verticalScrollBar(), &QScrollBar::valueChanged, view->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(view->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(),
            &QScrollBar::setValue);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, &LabelColumn::follow);
    connect(view->horizontalHeader(), &QHeaderView::sectionResized, this, &LabelColumn::follow);
    connect(model(), &QAbstractItemModel::modelReset, this, &LabelColumn::follow);
    connect(model(), &QAbstractItemModel::columnsInserted, this, &LabelColumn::follow);
    connect(model(), &QAbstractItemModel::columnsRemoved, this, &LabelColumn::follow);
    view->installEventFilter(this);
    follow();
}

bool LabelColumn::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ &&
        (event->type() == QEvent::Resize || event->type() == QEvent::LayoutDirectionChange))
        follow();
    return QTableView::eventFilter(watched, event);
}

void LabelColumn::follow() {
    for (int column = 1; column < model()->columnCount(); ++column)
        setColumnHidden(column, true);
    const int width = view_->columnWidth(0);
    setColumnWidth(0, width);
    // The header's height as the view lays it out, which a view not yet shown has not done.
    QHeaderView* heading = view_->horizontalHeader();
    const int header = heading->isHidden() ? 0 : heading->sizeHint().height();
    horizontalHeader()->setFixedHeight(header);
    const int frame = view_->frameWidth();
    const QRect place(frame + view_->verticalHeader()->width(), frame, width,
                      header + view_->viewport()->height());
    // Right to left, the leading edge is the right one.
    setGeometry(QStyle::visualRect(view_->layoutDirection(), view_->rect(), place));
    verticalScrollBar()->setValue(view_->verticalScrollBar()->value());
    setVisible(view_->horizontalScrollBar()->value() > 0);
}
