// Painting the item grid while it scrolls through a full list of 250 items.
#include "mainwindow.h"
#include "../tests/main/mainwindow_probe.h"
#include "../tests/main/scripted_prompter.h"
#include "offscreen_main.h"

#include "itemlist/item_list.h"

#include <QApplication>
#include <QPushButton>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {
ListRow sampleRow(int r)
{
    ListRow row;
    row.cells[1] = QStringLiteral("00");
    row.cells[2] = r % 3 ? QStringLiteral("IPB;HE-B 1000x300 section") :
                           QStringLiteral("100x50x4 RH Section Rotate :30 deg.");
    row.cells[3] = QStringLiteral("210000000");
    row.cells[4] = QStringLiteral("7850");
    row.cells[5] = QStringLiteral("400.00");
    row.cells[6] = QStringLiteral("644700.00&16280.00");
    row.cells[7] = QStringLiteral("12894.00&12894.00");
    row.cells[8] = QStringLiteral("1085.33&1085.33");
    row.cells[9] = QStringLiteral("1500.33&419.75");
    row.cells[10] = QStringLiteral(" 0.29");
    row.cells[11] = QStringLiteral("300&-300");
    row.itemValues[1] = 7850;
    row.itemValues[2] = 40000;
    return row;
}
} // namespace

// One step of the scroll bar and the repaint of the visible rows.
static void ScrollOneRowAndPaint(benchmark::State& state)
{
    ScriptedPrompter user; // answers No, types nothing
    user.text = QString();
    MainWindow window(user);
    window.resize(1000, 900);
    window.show();
    window.start();
    const MainWindowProbe ui(window);
    for (int r = 1; r < ItemListCapacity; ++r)
        ui.itemList().put(r, sampleRow(r));
    // Listing a section rebuilds the grid over all 250 rows.
    QTreeWidget* tree = ui.tree(SectionKind::RectHollow);
    tree->setCurrentItem(tree->findItems(QStringLiteral("40x20x3"), Qt::MatchExactly | Qt::MatchRecursive).value(0));
    ui.toListButton(SectionKind::RectHollow)->click();
    QTableView* grid = ui.itemGrid();
    QApplication::processEvents();
    if (grid->model()->rowCount() != ItemListCapacity)
        state.SkipWithError("the grid does not hold 250 rows");
    QImage canvas(grid->viewport()->size(), QImage::Format_RGB32);
    QScrollBar* bar = grid->verticalScrollBar();
    int step = 0;
    for (auto _ : state) {
        bar->setValue(step++ % std::max(1, bar->maximum()));
        QPainter painter(&canvas);
        grid->viewport()->render(&painter);
    }
}
BENCHMARK(ScrollOneRowAndPaint)->Unit(benchmark::kMillisecond);

MORVANE_OFFSCREEN_BENCHMARK_MAIN()
