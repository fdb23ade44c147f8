// Applying a language to the whole program: the main window's components and
// tabs, the messages, the other windows, the material lists and all ten
// catalogue menus with the progress window. The references beside it: the
// column read alone and the ten menus' texts computed without the trees.
#include "languageswitch.h"
#include "mainwindow.h"
#include "../tests/main/mainwindow_probe.h"
#include "../tests/main/scripted_prompter.h"
#include "offscreen_main.h"
#include "progresswindow.h"
#include "requirementwindow.h"
#include "translationwindow.h"
#include "unitswindow.h"

#include "catalogue/menu_language.h"
#include "catalogue/profile_catalogue.h"
#include "settings/language_texts.h"
#include "settings/translation_table.h"

#include <QComboBox>
#include <QTabBar>
#include <benchmark/benchmark.h>

static void ApplyLanguageToTheProgram(benchmark::State& state)
{
    ScriptedPrompter user; // answers No
    MainWindow window(user);
    window.resize(780, 700);
    window.show();
    window.start();
    TranslationWindow& translation = *MainWindowProbe(window).translationWindow();
    int position = 1;
    for (auto _ : state) {
        translation.chooseLanguage(position);
        position = position == 1 ? 2 : 1;
    }
    if (MainWindowProbe(window).tabBar()->tabText(0) != builtInLanguage(position == 1 ? 2 : 1).tabCaptions.value(0))
        state.SkipWithError("the tabs did not follow the language");
}
BENCHMARK(ApplyLanguageToTheProgram)->Unit(benchmark::kMillisecond);

static void ReadOneLanguageColumn(benchmark::State& state)
{
    const TranslationTable grid = TranslationTable::builtInGrid();
    for (auto _ : state)
        benchmark::DoNotOptimize(languageTexts(grid, TranslationTable::HungarianColumn));
}
BENCHMARK(ReadOneLanguageColumn)->Unit(benchmark::kMillisecond);

static void TenMenuTextsWithoutTrees(benchmark::State& state)
{
    const MessageTable& hu = MessageTable::forLanguage(1);
    for (auto _ : state)
        for (SectionKind kind : AllSectionKinds)
            benchmark::DoNotOptimize(translatedMenu(kind, builtInMenu(kind), hu));
}
BENCHMARK(TenMenuTextsWithoutTrees)->Unit(benchmark::kMillisecond);

MORVANE_OFFSCREEN_BENCHMARK_MAIN();
