#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

#include "AccruedInterest.h"
#include "CertificateWindow.h"
#include "CertificatesLauncher.h"
#include "Conversions.h"
#include "notice_watchdog.h"
#include "window_test.h"

namespace {

const QString kFamily = QStringLiteral(TRESK_FAMILY_CSV);

// The family's file with a bad line among its certificates, in a folder of the test's own.
QString FamilyWithBadLine(const QTemporaryDir& dir) {
    QFile family(kFamily);
    EXPECT_TRUE(family.open(QIODevice::ReadOnly));
    const QString path = dir.filePath(QStringLiteral("family.csv"));
    QFile copy(path);
    EXPECT_TRUE(copy.open(QIODevice::WriteOnly));
    // As the window writes a file: a byte-order mark and CRLF.
    copy.write("\xEF\xBB\xBF" + family.readAll().replace("\r\n", "\n").replace("\n", "\r\n") +
               "Broken,lots,15/06/2019,Ravi\r\n");
    return path;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class CertificateWindowTest : public ::testing::Test {
  protected:
    void open(const QString& path) {
        window = new CertificateWindow;
        window->setChosenYear(2022);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        ASSERT_TRUE(window->openFile(path));
        table = window->findChild<QTableView*>(QStringLiteral("CertificateTable"));
        ASSERT_NE(table, nullptr);
        table->setFocus();
    }
    void TearDown() override {
        if (window != nullptr) {
            window->setWindowModified(false);
            delete window;
        }
    }
    QAbstractItemModel* model() const { return table->model(); }
    QString cell(int row, int column, int role = Qt::DisplayRole) const {
        return model()->index(row, column).data(role).toString();
    }
    int columnOf(const QString& header) const {
        for (int column = 0; column < model()->columnCount(); ++column) {
            if (model()->headerData(column, Qt::Horizontal).toString() == header) return column;
        }
        ADD_FAILURE() << "no column " << header.toStdString();
        return -1;
    }
    // Types into a cell as a user does, from the keyboard, and ends with Enter.
    void type(int row, int column, const QString& text) {
        table->setCurrentIndex(model()->index(row, column));
        QTest::keyClick(table, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr) << "no editor";
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();  // the delegate commits the edit from its queue
    }
    void keys(QKeySequence::StandardKey key) {
        const QKeySequence sequence(key);
        QTest::keySequence(QApplication::focusWidget(), sequence);
    }
    QString copied(QKeySequence::StandardKey select = QKeySequence::SelectAll) {
        keys(select);
        keys(QKeySequence::Copy);
        return QApplication::clipboard()->text();
    }

    QPointer<CertificateWindow> window;
    QTableView* table = nullptr;
};

TEST_F(CertificateWindowTest, ShowsWhatCalculateGivesEachYearAndTheTotals) {
    open(kFamily);
    const QStringList lines = copied().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);  // the header, four certificates, the totals
    const QStringList header = lines.first().split(u'\t');
    EXPECT_EQ(header.mid(0, 4).join(u','), "Certificate,Denomination,Date of purchase,Holder");
    const struct {
        const char* denomination;
        const char* date;
    } family[] = {{"10000", "15/06/2019"},
                  {"5000", "10/02/2021"},
                  {"2500", "12/11/2020"},
                  {"1000", "28/02/2001"}};
    std::map<QString, double> totals;
    for (int row = 0; row < 4; ++row) {
        const QStringList cells = lines[row + 1].split(u'\t');
        const tresk::CertificateSchedule schedule =
            tresk::ScheduleOf(family[row].denomination, family[row].date);
        for (const tresk::ScheduleYear& year : schedule.years) {
            const QString name =
                QString::number(year.financialYear) + u'\u2013' +
                QStringLiteral("%1").arg((year.financialYear + 1) % 100, 2, 10, QLatin1Char('0'));
            const QString amount = QString::fromStdString(tresk::Format(year.amount, "##,##0.00"));
            EXPECT_EQ(cells.value(header.indexOf(name)), amount)
                << row << ' ' << name.toStdString();
            totals[name] += year.amount;
        }
    }
    const QStringList total = lines.last().split(u'\t');
    EXPECT_EQ(total.first(), "Total");
    for (const auto& [name, amount] : totals) {
        EXPECT_EQ(total.value(header.indexOf(name)),
                  QString::fromStdString(tresk::Format(amount, "##,##0.00")))
            << name.toStdString();
    }
    // A reader hears each cell with its year and its certificate.
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(table);
    QAccessibleInterface* savings = reader->tableInterface()->cellAt(0, columnOf("2021\u201322"));
    ASSERT_NE(savings, nullptr);
    EXPECT_EQ(savings->text(QAccessible::Name), "2021\u201322, Savings A, 883.00");
    EXPECT_EQ(reader->tableInterface()->cellAt(0, 0)->text(QAccessible::Name),
              "Certificate, Savings A");
    EXPECT_EQ(window->windowTitle(),
              "family.csv[*] \u2013 Certificates \u2013 Tresk Interest Calculator");
    // Scrolled to the last year, every row is still told by its label, at the list's edge.
    table->scrollTo(model()->index(0, model()->columnCount() - 1));
    const auto* labels = table->findChild<QTableView*>(QStringLiteral("CertificateTableLabels"));
    ASSERT_TRUE(labels != nullptr && labels->isVisible());
    EXPECT_EQ(labels->geometry().left(), table->verticalHeader()->width() + table->frameWidth());
}

TEST_F(CertificateWindowTest, EditsFollowTheTotalsAndUndoTakesThemBack) {
    const struct {
        const char* name;
        int row;
        int column;
        const char* typed;
        const char* shown;
        const char* reason;  // why the row is marked bad; empty for a certificate
    } rows[] = {
        {"a denomination grouped as the calculator reads it", 1, 1, "7,500.50", "7,500.50", ""},
        {"a date that is no day", 0, 2, "31/02/2020", "31/02/2020",
         "The date of purchase is not a date (DD/MM/YYYY)"},
        {"a new certificate without its date yet", 4, 1, "1000", "1000", "No date of purchase"},
        {"a label for a new certificate", 4, 0, "Gift", "Gift", "No denomination"},
    };
    open(kFamily);
    const QString before = copied();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        type(row.row, row.column, row.typed);
        EXPECT_EQ(cell(row.row, row.column), row.shown);
        EXPECT_EQ(cell(row.row, row.column, Qt::ToolTipRole), row.reason);
        EXPECT_EQ(cell(row.row, row.column, Qt::AccessibleDescriptionRole), row.reason);
        EXPECT_TRUE(window->isWindowModified());
        EXPECT_NE(copied(), before);
        keys(QKeySequence::Undo);
        EXPECT_EQ(copied(), before);
        EXPECT_FALSE(window->isWindowModified());
    }
}

TEST_F(CertificateWindowTest, SavesEveryRowAsItCameAndAFailedSaveChangesNothing) {
    QTemporaryDir dir;
    const QString path = FamilyWithBadLine(dir);
    open(path);
    const std::vector<Notice> opened = NoticeWatchdog::instance().take();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    table->setFocus();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].text,
              "Some lines are not certificates and are kept as they are: line 6: The "
              "denomination is not a positive number.");
    const QByteArray original = Bytes(path);
    type(2, 0, "Post office 8");
    keys(QKeySequence::Save);
    QByteArray expected = original;
    // The record changed is written anew, the others as they came.
    expected.replace("Post office 7,\"2,500\"", "Post office 8,2500");
    EXPECT_EQ(Bytes(path).toStdString(), expected.toStdString());
    EXPECT_FALSE(window->isWindowModified());

    // A save that cannot replace the file leaves it, and the list unsaved.
    type(0, 0, "Savings Z");
    const QString moved = dir.filePath(QStringLiteral("moved.csv"));
    ASSERT_TRUE(QFile::rename(path, moved));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("family.csv")));
    keys(QKeySequence::Save);
    const std::vector<Notice> failed = NoticeWatchdog::instance().take();
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_TRUE(failed[0].text.startsWith("The list could not be saved to "))
        << failed[0].text.toStdString();
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"moved.csv"});
    EXPECT_EQ(Bytes(moved), expected);

    // Closing asks first; the box's escape, Cancel, keeps the list.
    window->close();
    const std::vector<Notice> asked = NoticeWatchdog::instance().take();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Save the changes to family.csv?");
    EXPECT_TRUE(window != nullptr && window->isVisible());
}

TEST_F(CertificateWindowTest, PastesASpreadsheetsRowsAndNamesTheLinesItCannotRead) {
    open(kFamily);
    const QString before = copied();
    table->setCurrentIndex(model()->index(4, 0));
    QApplication::clipboard()->setText(
        "Certificate\tDenomination\tDate of purchase\n"
        "Gift\t1,000\t15/06/2019\n"
        "Bonus\t2000\t01/04/2020\r\n"
        "500\t10/10/2021\n"
        "Torn\tabc\t01/01/2020\n");
    keys(QKeySequence::Paste);
    const std::vector<Notice> named = NoticeWatchdog::instance().take();
    ASSERT_EQ(named.size(), 1u);
    EXPECT_EQ(named[0].text,
              "These lines were not pasted: line 5: The denomination is not a positive number.");
    ASSERT_EQ(model()->rowCount(), 8);
    EXPECT_EQ(cell(4, 0), "Gift");
    EXPECT_EQ(cell(6, 1), "500.00");
    EXPECT_EQ(cell(6, 2), "10/10/2021");
    keys(QKeySequence::Undo);
    EXPECT_EQ(copied(), before);
}

TEST_F(CertificateWindowTest, SortsByAColumnAndActsOnTheRowsAsShown) {
    const struct {
        const char* name;
        const char* column;
        const char* labels;  // as shown, the empty row for a new certificate last
    } rows[] = {
        {"dates by their day", "Date of purchase", "Old one,Savings A,Post office 7,Savings B,"},
        {"the latest first", "Date of purchase", "Savings B,Post office 7,Savings A,Old one,"},
        {"the file's order again", "Date of purchase",
         "Savings A,Savings B,Post office 7,Old one,"},
        {"amounts as numbers, not text", "Denomination",
         "Old one,Post office 7,Savings B,Savings A,"},
    };
    open(kFamily);
    QAction* sort = nullptr;
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->text() == "Sort by This Column") sort = action;
    }
    ASSERT_NE(sort, nullptr);
    const auto labels = [this] {
        QStringList shown;
        for (int row = 0; row < model()->rowCount(); ++row)
            shown << cell(row, 0);
        return shown.join(u',');
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        table->setCurrentIndex(model()->index(0, columnOf(row.column)));
        sort->trigger();
        EXPECT_EQ(labels(), row.labels);
    }
    // Delete takes the row the user sees selected, and the file keeps its order.
    table->selectionModel()->select(
        model()->index(1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    keys(QKeySequence::Delete);
    EXPECT_EQ(labels(), "Old one,Savings B,Savings A,");
    EXPECT_EQ(copied().section(u'\n', 1, 3).section(u'\t', 0, 0), "Old one");
    keys(QKeySequence::Undo);
    EXPECT_EQ(labels(), "Old one,Post office 7,Savings B,Savings A,");
}

using CalculatorToCertificatesTest = WindowTest;

TEST_F(CalculatorToCertificatesTest, TheResultsMenuAddsTheCertificateOnScreenToTheList) {
    newWindow([] { return tresk::DateSerial(2026, 5, 1); });
    ConnectCertificates(*window);
    chooseYear(2026);
    typeDenomination("1,000");
    pickDate(QDate(2024, 6, 15));
    clickCalculate();
    QTest::mouseClick(window.get(), Qt::RightButton, {}, box("cmdDate(0)")->geometry().center());
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* add = menu->actions().value(2);
    ASSERT_TRUE(add != nullptr && add->text() == "Add to Certificates" && add->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(add).center());

    QPointer<CertificateWindow> list;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<CertificateWindow*>(top); found && found->isVisible())
            list = found;
    }
    ASSERT_NE(list, nullptr);
    const QAbstractItemModel* model =
        list->findChild<QTableView*>(QStringLiteral("CertificateTable"))->model();
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->index(0, 1).data().toString(), "1,000.00");
    EXPECT_EQ(model->index(0, 2).data().toString(), "15/06/2024");
    // The calculator's year is the one marked, and the amount in it is the one Calculate gave.
    for (int column = 3; column < model->columnCount(); ++column) {
        if (!model->headerData(column, Qt::Horizontal, Qt::FontRole).isValid()) continue;
        EXPECT_EQ(model->headerData(column, Qt::Horizontal).toString(), "2026\u201327");
        EXPECT_EQ(model->index(0, column).data().toString(), box("cmdDate(0)")->text());
    }
    // Ctrl+L brings the same list back, not a second one.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitForWindowActive(list));
    EXPECT_EQ(model->rowCount(), 2);
    list->setWindowModified(false);
    delete list;
}

}  // namespace
