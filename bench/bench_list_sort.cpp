// Sorting a full list of 250 items in the list editor, by the description
// (text keys) and by Iy (number keys), against a plain case-insensitive
// stable sort of the same 250 descriptions as the reference.
#include "itemlist/list_sort.h"

#include <QString>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {
ItemList fullList()
{
    ItemList list;
    for (int i = 0; i < ItemListCapacity; ++i) {
        ListRow row;
        const int scrambled = (i * 97) % ItemListCapacity;
        row.cells[1] = QStringLiteral("00");
        row.cells[2] = QStringLiteral("HR I%1x%2 section").arg(80 + scrambled).arg(42 + i % 7);
        row.cells[3] = QString::number(70000000 + scrambled * 1000);
        row.cells[5] = QString::number(3.24 + scrambled, 'f', 6);
        row.cells[6] = QString::number(77.8 + i, 'f', 2) + QStringLiteral("&  ") + QString::number(6.29 + scrambled, 'f', 2);
        row.cells[11] = QStringLiteral("300&-300");
        list.put(i + 1, row);
    }
    return list;
}
} // namespace

static void SortByDescription(benchmark::State& state)
{
    const std::vector<EditorLine> lines = editorLines(fullList());
    for (auto _ : state) {
        std::vector<EditorLine> work = lines;
        sortEditorLines(work, 2, false);
        benchmark::DoNotOptimize(work.front().row);
    }
}
BENCHMARK(SortByDescription)->Unit(benchmark::kMicrosecond)->UseRealTime();

static void SortByIy(benchmark::State& state)
{
    const std::vector<EditorLine> lines = editorLines(fullList());
    for (auto _ : state) {
        std::vector<EditorLine> work = lines;
        sortEditorLines(work, 6, true);
        benchmark::DoNotOptimize(work.front().row);
    }
}
BENCHMARK(SortByIy)->Unit(benchmark::kMicrosecond)->UseRealTime();

static void ReferencePlainStableSortOfDescriptions(benchmark::State& state)
{
    const std::vector<EditorLine> lines = editorLines(fullList());
    for (auto _ : state) {
        std::vector<QString> texts;
        for (const EditorLine& line : lines)
            texts.push_back(line.cells[2]);
        std::stable_sort(texts.begin(), texts.end(),
                         [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
        benchmark::DoNotOptimize(texts.front());
    }
}
BENCHMARK(ReferencePlainStableSortOfDescriptions)->Unit(benchmark::kMicrosecond)->UseRealTime();

BENCHMARK_MAIN();
