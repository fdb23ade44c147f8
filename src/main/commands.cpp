#include "commands.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {
// A command's English text (menu entry or button hint) and the translation key of its widget.
struct CommandText {
    Command command;
    const char* text;
    const char* key;
};
} // namespace

CommandActions createCommandActions(QObject* parent)
{
    const CommandText entries[] = {
        {Command::ChangeJobName, "Change name of job ", "Tteljegyzkmegnevezsnekmdostsa1"},
        {Command::NewJob, "New job", "jtteljegyzk1"},
        {Command::LoadInput, "Load input", "Tteljegyzkbetltse1"},
        {Command::SaveInput, "Save input", "Tteljegyzkmentse1"},
        {Command::Settings, "Settings....", "Settings1"},
        {Command::Print, "Print", "Nyomtats1"},
        {Command::Exit, "Exit", "Kilps1"},
        {Command::Requirement, "Requirement", "Tteljegyzklezrsa2"},
        {Command::UnitsForListing, "Units for listing", "Tteljegyzktovbbiszerkesztse1"},
        {Command::ReportGenerator, "Report generator", "ReportGenerator1"},
        {Command::Translation, "Translation....", "Translation1"},
        {Command::ExactProperties, "Exact properties", "ExactProperties"},
        {Command::BuiltUpSection, "Built-up section ....", "BuiltUpSection"},
        {Command::Help, "Help", "About2"},
        {Command::About, "About", "About1"},
        {Command::DeleteItems, "Delete selected item(s)", "Kijelltsortrlse1"},
        {Command::CorrectItem, "Correction selected item...", "Correctionselecteditem1"},
        {Command::EditList, "Edit stringgrid....", "Button1"},
        {Command::PrivateData, "Private data editing ....", "Button2"},
        {Command::RotateSection, "Rotate section:", "BitBtn2"},
        {Command::Copy, "Copy", "CopyRows"},
    };
    CommandActions actions{};
    for (const CommandText& e : entries) {
        auto* a = new QAction(QString::fromLatin1(e.text), parent);
        a->setObjectName(QString::fromLatin1(e.key));
        a->setEnabled(false);
        actions[std::size_t(e.command)] = a;
    }
    // The desktop's standard keys, shown beside the menu entries.
    const std::pair<Command, QKeySequence::StandardKey> keys[] = {
        {Command::NewJob, QKeySequence::New},     {Command::LoadInput, QKeySequence::Open},
        {Command::SaveInput, QKeySequence::Save}, {Command::Print, QKeySequence::Print},
        {Command::Exit, QKeySequence::Quit},      {Command::Help, QKeySequence::HelpContents},
        {Command::DeleteItems, QKeySequence::Delete}, {Command::Copy, QKeySequence::Copy},
    };
    for (const auto& [command, key] : keys)
        actions[std::size_t(command)]->setShortcuts(key);
    // A platform without a quit key (the Windows scheme) still gets the one
    // Linux desktops use.
    if (actions[std::size_t(Command::Exit)]->shortcuts().isEmpty())
        actions[std::size_t(Command::Exit)]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Delete removes items only while the list has the focus; elsewhere the
    // key edits text or does nothing.
    actions[std::size_t(Command::DeleteItems)]->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    // Copy likewise: in a text field Ctrl+C copies the field's text.
    actions[std::size_t(Command::Copy)]->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    return actions;
}

void fillMenus(QMenuBar* bar, const CommandActions& actions)
{
    const auto add = [&](const char* title, const char* key, std::initializer_list<Command> commands) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(title));
        menu->menuAction()->setObjectName(QString::fromLatin1(key));
        for (Command c : commands)
            menu->addAction(actions[std::size_t(c)]);
    };
    add("File", "Tteljegyzknvmdostsa1",
        {Command::ChangeJobName, Command::NewJob, Command::LoadInput, Command::SaveInput, Command::Settings,
         Command::Print, Command::Exit});
    add("Edit", "EditMenu", {Command::Copy});
    add("Tools", "Lez1", {Command::Requirement, Command::UnitsForListing, Command::ReportGenerator, Command::Translation,
                             Command::ExactProperties, Command::BuiltUpSection});
    add("Help", "Help1", {Command::Help, Command::About});
}

void fillToolBar(QToolBar* bar, const CommandActions& actions)
{
    const CommandText buttons[] = {
        {Command::NewJob, "New job", "SpeedButton9"},
        {Command::LoadInput, "Load input", "SpeedButton24"},
        {Command::SaveInput, "Save input", "SpeedButton25"},
        {Command::Print, "Print", "SpeedButton26"},
        {Command::Requirement, "Requirement", "SpeedButton28"},
        {Command::UnitsForListing, "Units for listing...", "SpeedButton29"},
        {Command::UnitsForListing, "Units for listing...", "SpeedButton30"},
        {Command::ReportGenerator, "Report generator", "SpeedButton1"},
        {Command::ReportGenerator, "Report", "SpeedButton2"},
        {Command::Help, "Help", "SpeedButton3"},
        {Command::About, "About", "SpeedButton4"},
        {Command::Translation, "Translation....", "SpeedButton31"},
        {Command::Settings, "Settings....", "SpeedButton5"},
        {Command::DeleteItems, "Delete selected item(s)", "SpeedButton6"},
        {Command::CorrectItem, "Correction selected item...", "SpeedButton7"},
        {Command::EditList, "Edit stringgrid....", "SpeedButton8"},
        {Command::PrivateData, "Private data editing ....", "SpeedButton15"},
        {Command::ChangeJobName, "Change name of job ", "SpeedButton14"},
        {Command::Exit, "Exit", "SpeedButton27"},
    };
    std::array<bool, CommandCount> hinted{};
    for (const CommandText& b : buttons) {
        QAction* a = actions[std::size_t(b.command)];
        // The first button's hint is the command's tool tip.
        if (!hinted[std::size_t(b.command)])
            a->setToolTip(QString::fromLatin1(b.text));
        hinted[std::size_t(b.command)] = true;
        auto* button = new QToolButton(bar);
        button->setDefaultAction(a);
        button->setObjectName(QString::fromLatin1(b.key));
        bar->addWidget(button);
    }
}
