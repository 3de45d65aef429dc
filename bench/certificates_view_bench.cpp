// Times what a user of a list of ten thousand certificates waits for in the window: a sort by
// each kind of column and back to the file's order, an edit (the totals follow), Select All and
// Copy, and a scroll through the list page by page, each with the repaint that follows it.
// Usage: tresk_certificates_view_bench [CERTIFICATES]   (default 10000)
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "CertificateWindow.h"

namespace {

template <typename Step>
double Milliseconds(QWidget* shown, Step step) {
    QElapsedTimer timer;
    timer.start();
    step();
    shown->repaint();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.csv"));
    {
        std::ofstream out(path.toStdString());
        out << "Certificate,Denomination,Date of purchase,Holder\n";
        for (int i = 1; i <= count; ++i) {
            out << "Certificate " << i << ',' << 500 * (1 + i % 40) << ',' << 1 + i % 28 << '/'
                << 1 + i % 12 << '/' << 2005 + i % 20 << ",Holder " << i % 7 << '\n';
        }
    }
    CertificateWindow window;
    window.show();
    if (!window.openFile(path)) return 1;
    auto* table = window.findChild<QTableView*>(QStringLiteral("CertificateTable"));
    QHeaderView* header = table->horizontalHeader();
    QWidget* viewport = table->viewport();
    app.processEvents();

    const struct {
        const char* name;
        int column;
    } sorts[] = {{"label", 0}, {"denomination", 1}, {"date of purchase", 2}, {"a year", 10}};
    std::printf("%-40s %10s\n", "step", "ms");
    for (const auto& sort : sorts) {
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            const double ms =
                Milliseconds(viewport, [&] { header->setSortIndicator(sort.column, order); });
            std::printf("sort by %-32s %10.1f\n",
                        (QString::fromLatin1(sort.name) +
                         (order == Qt::AscendingOrder ? " ascending" : " descending"))
                            .toLatin1()
                            .constData(),
                        ms);
        }
    }
    std::printf("%-40s %10.1f\n", "the file's order again",
                Milliseconds(viewport, [&] { header->setSortIndicator(-1, Qt::AscendingOrder); }));
    std::printf("%-40s %10.1f\n", "an edit, sorted by a year", Milliseconds(viewport, [&] {
                    header->setSortIndicator(10, Qt::AscendingOrder);
                    table->model()->setData(table->model()->index(0, 1), QStringLiteral("99999"),
                                            Qt::EditRole);
                }));
    QAction* copy = nullptr;
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == QLatin1String("Copy")) copy = action;
    }
    std::printf("%-40s %10.1f\n", "Select All, then Copy", Milliseconds(viewport, [&] {
                    table->selectAll();
                    copy->trigger();
                }));
    QScrollBar* scroll = table->verticalScrollBar();
    double longest = 0;
    for (int step = 0; step < 50; ++step) {
        longest = std::max(longest, Milliseconds(viewport, [&] {
                               scroll->setValue(scroll->value() + scroll->pageStep());
                           }));
    }
    std::printf("%-40s %10.1f\n", "longest of 50 page scrolls", longest);
    window.setWindowModified(false);
    return 0;
}
