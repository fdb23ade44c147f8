#pragma once

#include <QList>
#include <array>

class QAction;
class QMenuBar;
class QObject;
class QToolBar;

// The commands of the main window. Each is one QAction, shared by its menu
// entry, its tool-bar buttons and any push button or pop-up entry, so that it
// has one text and one enabled state.
enum class Command {
    ChangeJobName,
    NewJob,
    LoadInput,
    SaveInput,
    Settings,
    Print,
    Exit,
    Requirement,
    UnitsForListing,
    ReportGenerator, // also the tool-bar button "Report"
    Translation,
    ExactProperties, // Tools menu only: the exact values window
    BuiltUpSection,  // Tools menu only: the built-up section window
    Help,
    About,
    DeleteItems,
    CorrectItem,
    EditList,
    PrivateData,
    RotateSection,
    Copy, // Edit menu and Ctrl+C on the list: the selected rows for spreadsheets
};
inline constexpr int CommandCount = int(Command::Copy) + 1;

using CommandActions = std::array<QAction*, CommandCount>;

// One action per command with its text and translation key, all disabled;
// the main window connects and enables them.
CommandActions createCommandActions(QObject* parent);
// The menus "File", "Edit", "Tools" and "Help".
void fillMenus(QMenuBar* bar, const CommandActions& actions);
// The tool bar: a button per command hint; a command may have two buttons.
void fillToolBar(QToolBar* bar, const CommandActions& actions);
