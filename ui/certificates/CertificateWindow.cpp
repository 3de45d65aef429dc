#include "CertificateWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "AccruedInterest.h"
#include "AtomicFile.h"
#include "CertificateModel.h"
#include "CertificateOrder.h"
#include "Conversions.h"
#include "DateDelegate.h"
#include "FileDialogs.h"
#include "LabelColumn.h"
#include "NoticeBox.h"
#include "Reasons.h"
#include "TotalRowModel.h"
#include "WindowLook.h"

namespace {

// The bad lines a notice names one by one; the rest are counted.
constexpr int kNamedLines = 10;
constexpr int kLabelWidth = 150;
constexpr int kDateWidth = 110;
constexpr int kAmountWidth = 96;

std::filesystem::path PathOf(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

bool IsCsv(const QUrl& url) {
    return url.isLocalFile() &&
           url.toLocalFile().endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
}

QString ProgramName() {
    return QCoreApplication::translate("Form1", "Tresk Interest Calculator");
}

QString CsvFilter() {
    return CertificateWindow::tr("CSV files (*.csv);;All files (*)");
}

}  // namespace

CertificateWindow::CertificateWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("CertificateWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    setWindowIcon(WindowIcon());
    undo = new QUndoStack(this);
    model = new CertificateModel(undo, this);
    order = new CertificateOrder(model, this);
    connect(undo, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    createTable();
    createActions();
    updateTitle();
    resize(960, 540);
}

void CertificateWindow::createTable() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    table = new QTableView(central);
    table->setObjectName(QStringLiteral("CertificateTable"));
    table->setAccessibleName(tr("Certificates"));
    table->setModel(order);
    // The file's order until the user sorts; a third click on a header brings it back.
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table->horizontalHeader()->setSortIndicatorClearable(true);
    table->setSortingEnabled(true);
    table->setItemDelegateForColumn(2, new DateDelegate(table));
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table->setWordWrap(false);
    // Rows all of one height: a list of ten thousand scrolls without measuring any.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    layout->addWidget(table, 1);

    footer = new QTableView(central);
    footer->setObjectName(QStringLiteral("TotalRow"));
    footer->setAccessibleName(tr("Total"));
    footer->setModel(new TotalRowModel(model, footer));
    footer->horizontalHeader()->hide();
    footer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    footer->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    footer->setEditTriggers(QAbstractItemView::NoEditTriggers);
    footer->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    footer->setFixedHeight(footer->verticalHeader()->defaultSectionSize() +
                           footer->horizontalScrollBar()->sizeHint().height() +
                           2 * footer->frameWidth());
    // The room of the list's scroll bar, kept empty beside the Total row so that its columns
    // stand under the list's.
    auto* foot = new QHBoxLayout;
    foot->setSpacing(0);
    foot->addWidget(footer, 1);
    foot->addSpacing(table->verticalScrollBar()->sizeHint().width());
    layout->addLayout(foot);
    setCentralWidget(central);

    // The two views keep one set of column widths, one scroll position and one header width,
    // so that each total stands under its year.
    const int headerWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 8;
    table->verticalHeader()->setFixedWidth(headerWidth);
    footer->verticalHeader()->setFixedWidth(headerWidth);
    connect(table->horizontalHeader(), &QHeaderView::sectionResized, footer,
            [this](int column, int, int width) { footer->setColumnWidth(column, width); });
    connect(footer->horizontalScrollBar(), &QScrollBar::valueChanged, table->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(table->horizontalScrollBar(), &QScrollBar::valueChanged, footer->horizontalScrollBar(),
            &QScrollBar::setValue);
    const auto widths = [this] {
        for (int column = 0; column < model->columnCount(); ++column) {
            const auto kind = model->kindOf(column);
            const int width = kind == CertificateModel::Kind::Label      ? kLabelWidth
                              : kind == CertificateModel::Kind::Purchase ? kDateWidth
                                                                         : kAmountWidth;
            table->setColumnWidth(column, width);
            footer->setColumnWidth(column, width);
        }
    };
    connect(model, &QAbstractItemModel::modelReset, this, widths);
    connect(model, &QAbstractItemModel::columnsInserted, this, widths);
    connect(model, &QAbstractItemModel::columnsRemoved, this, widths);
    widths();
    // Each row's label, and the Total caption, stay in sight as the years scroll by.
    new LabelColumn(table);
    new LabelColumn(footer);
}

void CertificateWindow::createActions() {
    const auto action = [this](const QString& text, auto slot, const QKeySequence& keys = {}) {
        auto* created = new QAction(text, this);
        created->setShortcut(keys);
        connect(created, &QAction::triggered, this, slot);
        return created;
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(action(tr("New"), &CertificateWindow::newList, QKeySequence::New));
    file->addAction(action(tr("Open…"), &CertificateWindow::open, QKeySequence::Open));
    file->addAction(action(tr("Save"), &CertificateWindow::save, QKeySequence::Save));
    // Desktops without a Save As key of their own get the common one.
    file->addAction(action(tr("Save As…"), &CertificateWindow::saveAs,
                           QKeySequence::keyBindings(QKeySequence::SaveAs).isEmpty()
                               ? QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)
                               : QKeySequence(QKeySequence::SaveAs)));
    file->addSeparator();
    file->addAction(action(tr("Print…"), &CertificateWindow::print, QKeySequence::Print));
    file->addAction(action(tr("Export PDF…"), &CertificateWindow::exportPdf));
    file->addSeparator();
    file->addAction(action(tr("Close"), &QWidget::close, QKeySequence::Close));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    // Named first: clang-format's releases lay out a lambda amid arguments each their own way.
    const auto undoLast = [this] { undo->undo(); };
    const auto redoLast = [this] { undo->redo(); };
    const auto selectAll = [this] { table->selectAll(); };
    QAction* undoAction = action(tr("Undo"), undoLast, QKeySequence::Undo);
    QAction* redoAction = action(tr("Redo"), redoLast, QKeySequence::Redo);
    undoAction->setEnabled(false);
    redoAction->setEnabled(false);
    connect(undo, &QUndoStack::canUndoChanged, undoAction, &QAction::setEnabled);
    connect(undo, &QUndoStack::canRedoChanged, redoAction, &QAction::setEnabled);
    edit->addAction(undoAction);
    edit->addAction(redoAction);
    edit->addSeparator();
    edit->addAction(action(tr("Cut"), &CertificateWindow::cut, QKeySequence::Cut));
    edit->addAction(action(tr("Copy"), &CertificateWindow::copy, QKeySequence::Copy));
    edit->addAction(action(tr("Paste"), &CertificateWindow::paste, QKeySequence::Paste));
    edit->addAction(action(tr("Delete"), &CertificateWindow::deleteRows, QKeySequence::Delete));
    edit->addAction(action(tr("Select All"), selectAll, QKeySequence::SelectAll));
    edit->addSeparator();
    edit->addAction(
        action(tr("Add Certificate"), &CertificateWindow::addRow, QKeySequence(Qt::Key_Insert)));
    edit->addAction(action(tr("Sort by This Column"), &CertificateWindow::sortByColumn));
}

QString CertificateWindow::shownName() const {
    return path.isEmpty() ? tr("Untitled") : QFileInfo(path).fileName();
}

void CertificateWindow::updateTitle() {
    setWindowTitle(tr("%1[*] – Certificates – Tresk Interest Calculator").arg(shownName()));
}

void CertificateWindow::showNotice(const QString& text) {
    NoticeBox notice(ProgramName(), text, this);
    notice.exec();
    activateWindow();
}

void CertificateWindow::setChosenYear(int startYear) {
    model->setChosenYear(startYear);
    showChosenYear();
}

void CertificateWindow::showChosenYear() {
    for (int column = 0; column < model->columnCount(); ++column) {
        if (model->kindOf(column) == CertificateModel::Kind::Year &&
            model->yearOf(column) == model->chosenYear()) {
            table->scrollTo(order->index(std::max(0, table->currentIndex().row()), column));
            return;
        }
    }
}

bool CertificateWindow::openFile(const QString& file) {
    std::ifstream in(PathOf(file), std::ios::binary);
    tresk::CertificateList list;
    const tresk::ReadStatus status =
        in ? tresk::ReadCertificates(in, list) : tresk::ReadStatus::Failed;
    if (status != tresk::ReadStatus::Ok) {
        showNotice(status == tresk::ReadStatus::Binary
                       ? tr("%1 is not a CSV file.").arg(QFileInfo(file).fileName())
                       : tr("%1 could not be read.").arg(QFileInfo(file).fileName()));
        return false;
    }
    model->setList(std::move(list));
    undo->setClean();
    path = QFileInfo(file).absoluteFilePath();
    setWindowModified(false);
    updateTitle();
    table->setCurrentIndex(order->index(0, 0));
    // Once laid out: a window opened on a file from the command line has no width yet.
    QTimer::singleShot(0, this, &CertificateWindow::showChosenYear);

    QStringList bad;
    int more = 0;
    for (const tresk::Entry& entry : model->list().entries) {
        if (entry.problem == tresk::Problem::None) continue;
        if (bad.size() < kNamedLines) {
            bad << tr("line %1: %2").arg(entry.line).arg(ReasonText(entry.problem));
        } else {
            ++more;
        }
    }
    if (!bad.isEmpty()) {
        QString text = tr("Some lines are not certificates and are kept as they are: %1.")
                           .arg(bad.join(QLatin1String("; ")));
        if (more > 0) text += QLatin1Char(' ') + tr("More such lines: %1.").arg(more);
        // Told once the list is in sight, for a file opened before the window shows.
        QTimer::singleShot(0, this, [this, text] { showNotice(text); });
    }
    return true;
}

void CertificateWindow::newList() {
    if (!maybeSave()) return;
    model->setList({});
    undo->setClean();
    path.clear();
    setWindowModified(false);
    updateTitle();
}

void CertificateWindow::open() {
    if (!maybeSave()) return;
    const QString dir = path.isEmpty() ? QDir::homePath() : QFileInfo(path).absolutePath();
    const QString file = AskOpenPath(this, tr("Open"), dir, CsvFilter());
    if (!file.isEmpty()) openFile(file);
}

bool CertificateWindow::save() {
    return path.isEmpty() ? saveAs() : saveTo(path);
}

bool CertificateWindow::saveAs() {
    const QString suggested =
        path.isEmpty() ? QDir::home().filePath(tr("Certificates") + QLatin1String(".csv")) : path;
    QString file = AskSavePath(this, tr("Save As"), suggested, CsvFilter());
    if (file.isEmpty()) return false;
    if (QFileInfo(file).suffix().isEmpty()) file += QLatin1String(".csv");
    return saveTo(file);
}

bool CertificateWindow::saveTo(const QString& file) {
    const std::optional<std::string> failure =
        tresk::WriteFileAtomically(PathOf(file), tresk::CertificatesText(model->list()));
    if (failure) {
        // The old file is as it was, and the list stays unsaved.
        showNotice(tr("The list could not be saved to %1: %2")
                       .arg(QDir::toNativeSeparators(file), QString::fromStdString(*failure)));
        return false;
    }
    path = QFileInfo(file).absoluteFilePath();
    undo->setClean();
    setWindowModified(false);
    updateTitle();
    return true;
}

bool CertificateWindow::maybeSave() {
    if (!isWindowModified()) return true;
    const QString text = tr("Save the changes to %1?").arg(shownName());
    QMessageBox question(QMessageBox::Question, ProgramName(), text,
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    question.setObjectName(QStringLiteral("SaveQuestion"));
    question.button(QMessageBox::Save)->setText(tr("Save"));
    question.button(QMessageBox::Discard)->setText(tr("Discard"));
    question.button(QMessageBox::Cancel)->setText(tr("Cancel"));
    question.setDefaultButton(QMessageBox::Save);
    question.setEscapeButton(QMessageBox::Cancel);
    const int answer = question.exec();
    activateWindow();
    if (answer == QMessageBox::Save) return save();
    return answer == QMessageBox::Discard;
}

void CertificateWindow::closeEvent(QCloseEvent* event) {
    if (maybeSave()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void CertificateWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && IsCsv(urls.first())) event->acceptProposedAction();
}

void CertificateWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !IsCsv(urls.first())) return;
    event->acceptProposedAction();
    if (maybeSave()) openFile(urls.first().toLocalFile());
}

void CertificateWindow::addCertificate(const QString& denomination, const QString& date) {
    model->insertTyped(model->entryCount(), {{QString(), denomination, date}},
                       tr("Add Certificate"));
    table->setCurrentIndex(shownIndex(model->entryCount() - 1, 0));
}

void CertificateWindow::addRow() {
    // The empty last row takes the new certificate, its label first.
    const QModelIndex first = shownIndex(model->entryCount(), 0);
    table->setFocus(Qt::ShortcutFocusReason);
    table->setCurrentIndex(first);
    table->scrollTo(first);
    table->edit(first);
}

void CertificateWindow::deleteRows() {
    std::vector<int> rows = selectedEntries();
    if (rows.empty()) return;
    std::sort(rows.begin(), rows.end());
    const int below = order->mapFromSource(model->index(rows.front(), 0)).row();
    model->removeEntries(rows);
    table->setCurrentIndex(order->index(std::min(below, model->entryCount()), 0));
}

void CertificateWindow::sortByColumn() {
    const int column = std::max(0, table->currentIndex().column());
    QHeaderView* header = table->horizontalHeader();
    if (header->sortIndicatorSection() != column) {
        header->setSortIndicator(column, Qt::AscendingOrder);
    } else if (header->sortIndicatorOrder() == Qt::AscendingOrder) {
        header->setSortIndicator(column, Qt::DescendingOrder);
    } else {
        header->setSortIndicator(-1, Qt::AscendingOrder);
    }
    table->scrollTo(table->currentIndex());
}

QModelIndex CertificateWindow::shownIndex(int row, int column) const {
    return order->mapFromSource(model->index(row, column));
}

int CertificateWindow::entryRowOf(const QModelIndex& shown) const {
    return order->mapToSource(shown).row();
}

std::vector<int> CertificateWindow::selectedEntries() const {
    // By the selection's ranges: Select All on ten thousand rows is one range, not 300,000 cells.
    std::vector<bool> taken(static_cast<std::size_t>(order->rowCount()));
    for (const QItemSelectionRange& range : table->selectionModel()->selection()) {
        for (int shown = range.top(); shown <= range.bottom(); ++shown)
            taken[static_cast<std::size_t>(shown)] = true;
    }
    std::vector<int> rows;
    for (int shown = 0; shown < order->rowCount(); ++shown) {
        if (!taken[static_cast<std::size_t>(shown)]) continue;
        const int row = entryRowOf(order->index(shown, 0));
        if (row < model->entryCount()) rows.push_back(row);
    }
    return rows;
}
