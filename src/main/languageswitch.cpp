#include "languageswitch.h"

#include "progresswindow.h"

#include "base/parallel_items.h"
#include "catalogue/menu_language.h"

#include <QAbstractButton>
#include <algorithm>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabBar>
#include <QToolButton>
#include <QTreeWidget>

static_assert(MenuEntryTextRole == Qt::UserRole + 1);

namespace {
const QString SpeedButtonPrefix = QStringLiteral("SpeedButton");

// The items of a tree in tree order, with their depths.
void collect(QTreeWidgetItem* item, int depth, std::vector<QTreeWidgetItem*>& items, std::vector<int>& depths)
{
    items.push_back(item);
    depths.push_back(depth);
    for (int i = 0; i < item->childCount(); ++i)
        collect(item->child(i), depth + 1, items, depths);
}
} // namespace

QString menuLookupText(const QTreeWidgetItem* item)
{
    if (!item)
        return {};
    const QVariant own = item->data(0, MenuEntryTextRole);
    return own.isValid() ? own.toString() : item->text(0);
}

LanguageSwitch::LanguageSwitch(QWidget* mainWindow, ProgressWindow* progress, QObject* parent)
    : QObject(parent), m_mainWindow(mainWindow), m_progress(progress)
{
}

void LanguageSwitch::addWindow(std::function<void(const MessageTable&)> retranslate)
{
    m_windows.push_back(std::move(retranslate));
}

void LanguageSwitch::addMaterialList(QComboBox* box)
{
    m_materialLists.emplace_back(box);
}

void LanguageSwitch::addMenuTree(SectionKind kind, QTreeWidget* tree)
{
    m_trees.emplace_back(kind, tree);
}

void LanguageSwitch::apply(const LanguageTexts& texts)
{
    m_messages = texts.messages;
    applyComponents(texts);
    applyTabs(texts.tabCaptions);
    if (componentsChanged)
        componentsChanged(texts);
    for (const auto& retranslate : m_windows)
        retranslate(m_messages);
    applyMaterials(m_messages);
    applyMenus(m_messages);
    // Last, so that what follows the messages (the current tab computed
    // again) finds the menus already in the new language.
    if (messagesChanged)
        messagesChanged(m_messages);
}

void LanguageSwitch::applyComponents(const LanguageTexts& texts)
{
    if (!m_mainWindow)
        return;
    // Tool buttons that show a command's action take their hints last: a
    // change of the action's text would otherwise give them the action's tip.
    std::vector<std::pair<QToolButton*, QString>> toolButtons;
    for (QObject* object : m_mainWindow->findChildren<QObject*>()) {
        const QString name = object->objectName();
        if (name.isEmpty())
            continue;
        const auto text = texts.component(name);
        if (!text)
            continue;
        const bool hint = name.startsWith(SpeedButtonPrefix);
        if (auto* action = qobject_cast<QAction*>(object)) {
            action->setText(*text);
            if (hint)
                action->setToolTip(*text);
        } else if (auto* tool = qobject_cast<QToolButton*>(object); tool && hint && tool->defaultAction()) {
            toolButtons.emplace_back(tool, *text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
            if (hint)
                button->setToolTip(*text);
            else
                button->setText(*text);
        } else if (auto* box = qobject_cast<QGroupBox*>(object)) {
            box->setTitle(*text);
        } else if (auto* label = qobject_cast<QLabel*>(object)) {
            label->setText(*text);
        }
        // The material lists are rewritten by their own rule; the tab bar
        // takes the tab rows.
    }
    // The first button of a command gives the command its hint (it stays
    // when the command is enabled or disabled); a second button keeps its own.
    std::vector<QAction*> hinted;
    for (const auto& [tool, text] : toolButtons) {
        QAction* action = tool->defaultAction();
        if (std::find(hinted.begin(), hinted.end(), action) == hinted.end()) {
            action->setToolTip(text);
            hinted.push_back(action);
        }
        tool->setToolTip(text);
    }
}

void LanguageSwitch::applyTabs(const QStringList& captions)
{
    if (!m_mainWindow)
        return;
    auto* tabs = m_mainWindow->findChild<QTabBar*>(QStringLiteral("tabcontrol1"));
    if (!tabs)
        return;
    for (int i = 0; i < tabs->count() && i < captions.size(); ++i)
        tabs->setTabText(i, captions[i]);
}

void LanguageSwitch::applyMaterials(const MessageTable& messages)
{
    for (const QPointer<QComboBox>& box : m_materialLists) {
        if (!box)
            continue;
        for (int j = 0; j < box->count() && j < 8; ++j)
            box->setItemText(j, materialEntryText(j, box->itemText(j), messages));
        if (box->count() > 0) {
            box->setCurrentIndex(0);
            box->setEditText(box->itemText(0));
        }
    }
}

void LanguageSwitch::applyMenus(const MessageTable& messages)
{
    struct Menu {
        SectionKind kind;
        std::vector<QTreeWidgetItem*> items;
        std::vector<MenuEntry> entries;
    };
    std::vector<Menu> menus;
    for (const auto& [kind, tree] : m_trees) {
        if (!tree)
            continue;
        Menu menu{kind, {}, {}};
        std::vector<int> depths;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            collect(tree->topLevelItem(i), 0, menu.items, depths);
        for (std::size_t i = 0; i < menu.items.size(); ++i) {
            QTreeWidgetItem* item = menu.items[i];
            const bool custom = i == 0 && kind != SectionKind::Plate;
            // The entry's own text is kept the first time the tree changes language.
            if (!custom && !item->data(0, MenuEntryTextRole).isValid())
                item->setData(0, MenuEntryTextRole, item->text(0));
            menu.entries.push_back(MenuEntry{depths[i], menuLookupText(item)});
        }
        menus.push_back(std::move(menu));
    }

    if (m_progress)
        m_progress->start(messages(Msg::LoadingLanguage), messages(Msg::PleaseWait), QString(), int(menus.size()));
    std::vector<QStringList> shown;
    parallelItems<QStringList>(
        menus.size(), [&](std::size_t i) { return translatedMenu(menus[i].kind, menus[i].entries, messages); },
        shown, [this](std::size_t finished, std::size_t) {
            if (m_progress)
                m_progress->setValue(int(finished));
            return true;
        });
    for (std::size_t m = 0; m < menus.size(); ++m) {
        const QSignalBlocker block(menus[m].items.empty() ? nullptr : menus[m].items[0]->treeWidget());
        for (std::size_t i = 0; i < menus[m].items.size(); ++i)
            menus[m].items[i]->setText(0, shown[m].value(qsizetype(i)));
    }
    if (m_progress)
        m_progress->finish();
}
