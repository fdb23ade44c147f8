// Steps the window tests take on a main window, as a user would.
#pragma once

#include "mainwindow_probe.h"
#include "scripted_prompter.h"

#include "settings/desktop_shell.h"

#include <QTest>
#include <QTreeWidget>

#include <memory>

inline QTreeWidgetItem* findItem(QTreeWidget* tree, const QString& text)
{
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

// A desktop that records the pages handed to it and has no launcher.
struct RecordingShell : DesktopShell {
    QStringList opened;
    bool open(const QString& path) override
    {
        opened << path;
        return false;
    }
};

// A main window with a scripted user of its own (`prompter`), which the
// window outlives by nothing: the holder is built first and destroyed last.
struct ScriptedUser {
    ScriptedPrompter prompter;
};
class ScriptedMainWindow : public ScriptedUser, public MainWindow {
public:
    ScriptedMainWindow() : MainWindow(prompter) {}
};

// A main window whose user answers No to every question and types nothing.
inline std::unique_ptr<ScriptedMainWindow> quietMainWindow()
{
    auto w = std::make_unique<ScriptedMainWindow>();
    w->prompter.text = QString();
    return w;
}

// Shows the kind's tab and selects the named entry, or the first (typed sizes).
inline QTreeWidget* selectEntry(MainWindow& w, SectionKind kind, const QString& entry = {})
{
    const MainWindowProbe ui(w);
    ui.tabBar()->setCurrentIndex(int(kind));
    QTreeWidget* tree = ui.tree(kind);
    tree->setCurrentItem(entry.isEmpty() ? tree->topLevelItem(0) : findItem(tree, entry));
    return tree;
}

// Selects each entry and clicks To List.
inline void listEntries(MainWindow& w, SectionKind kind, const QStringList& entries)
{
    for (const QString& entry : entries) {
        selectEntry(w, kind, entry);
        QTest::mouseClick(MainWindowProbe(w).toListButton(kind), Qt::LeftButton);
    }
}

inline void listTubes(MainWindow& w, const QStringList& sizes)
{
    listEntries(w, SectionKind::RectHollow, sizes);
}

// A plate of 1000 x 2000 mm (15.7 kg, 4 m2 for the 1 mm steel plate).
inline void listPlate(MainWindow& w)
{
    selectEntry(w, SectionKind::Plate, QStringLiteral("1 mm steel plate"));
    const MainWindowProbe ui(w);
    ui.field(SectionKind::Plate, 0)->setText(QStringLiteral("1000"));
    ui.field(SectionKind::Plate, 1)->setText(QStringLiteral("2000"));
    QTest::mouseClick(ui.toListButton(SectionKind::Plate), Qt::LeftButton);
}

// A click on a cell of the item grid (row and column from 0).
inline void clickCell(MainWindow& w, int row, int column)
{
    QTableView* grid = MainWindowProbe(w).itemGrid();
    const QModelIndex index = grid->model()->index(row, column);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
}
