#pragma once

#include <QMainWindow>
#include <QString>

#include <vector>

class CertificateModel;
class CertificateOrder;
class QAction;
class QTableView;
class QUndoStack;

// The household's certificates in a window of their own: the list with each financial year's
// interest and total, edited in place, saved only where and when the user says.
//
// CertificateWindow.cpp holds the window, its menus and its files; CertificateClipboard.cpp
// Copy, Cut and Paste; CertificateStatement.cpp the printed statement.
class CertificateWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit CertificateWindow(QWidget* parent = nullptr);

    // Opens the file in place of the list without asking; false (after a notice) when it cannot
    // be read.
    bool openFile(const QString& path);
    void setChosenYear(int startYear);
    // A certificate from the calculator, as its boxes hold it, at the end of the list.
    void addCertificate(const QString& denomination, const QString& date);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    friend class CertificateWindowInspector;  // lets tests reach the parts

    void createActions();
    void createTable();
    void updateTitle();
    void showChosenYear();  // scrolled into sight
    void showNotice(const QString& text);
    QString shownName() const;

    void newList();
    void open();
    bool save();
    bool saveAs();
    bool saveTo(const QString& path);
    // Whether the list may go: saved, or its changes saved or discarded on the user's word.
    bool maybeSave();

    void addRow();
    void deleteRows();
    // By the current cell's column: ascending, descending, then the file's order again, as a
    // click on the column's header does.
    void sortByColumn();

    // The view's cell of an entry's, and back.
    QModelIndex shownIndex(int row, int column) const;
    int entryRowOf(const QModelIndex& shown) const;
    // The selected entries' rows in the order shown, the empty last row left out.
    std::vector<int> selectedEntries() const;

    // CertificateClipboard.cpp
    QString selectedText() const;
    void copy();
    void cut();
    void paste();

    // CertificateStatement.cpp
    void print();
    void exportPdf();

    QUndoStack* undo = nullptr;
    CertificateModel* model = nullptr;
    CertificateOrder* order = nullptr;
    QTableView* table = nullptr;
    QTableView* footer = nullptr;  // the Total row, always in sight
    QString path;                  // empty for a new list
};
