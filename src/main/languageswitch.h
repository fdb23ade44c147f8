#pragma once

#include "base/section_kind.h"
#include "settings/language_texts.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <utility>
#include <vector>

class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class ProgressWindow;

// The tree items' role that keeps a menu entry's own text: the catalogue
// looks entries up by it whatever language the tree shows. The custom choice
// has none; it is looked up by its shown text, message 96 of the language.
inline constexpr int MenuEntryTextRole = 0x0100 + 1; // Qt::UserRole + 1
QString menuLookupText(const QTreeWidgetItem* item);

// Applies a language to the running program in this order: the main
// window's components by name (labels, buttons, group boxes, the hints of the
// speed buttons, menu items), the tab captions, every other window's fixed
// texts, the material lists and, with the progress window, the catalogue
// menus; then the message table.
class LanguageSwitch : public QObject {
    Q_OBJECT
public:
    LanguageSwitch(QWidget* mainWindow, ProgressWindow* progress, QObject* parent = nullptr);

    // A window whose retranslate(messages) sets its fixed texts.
    void addWindow(std::function<void(const MessageTable&)> retranslate);
    template <class Window>
    void addWindow(Window* window)
    {
        QPointer<Window> guarded(window);
        addWindow([guarded](const MessageTable& messages) {
            if (guarded)
                guarded->retranslate(messages);
        });
    }
    void addMaterialList(QComboBox* box);
    void addMenuTree(SectionKind kind, QTreeWidget* tree);
    // Called with the language's texts after the main window's components
    // and tabs are set (windows that show main-menu texts take them here),
    // and with the new messages once every window, list and menu shows the
    // language: the main window takes its table there.
    std::function<void(const LanguageTexts&)> componentsChanged;
    std::function<void(const MessageTable&)> messagesChanged;

    void apply(const LanguageTexts& texts);
    const MessageTable& messages() const { return m_messages; }

    // The steps one by one, for the tests.
    void applyComponents(const LanguageTexts& texts);
    void applyTabs(const QStringList& captions);
    void applyMaterials(const MessageTable& messages);
    void applyMenus(const MessageTable& messages);

private:
    QPointer<QWidget> m_mainWindow;
    QPointer<ProgressWindow> m_progress;
    std::vector<std::function<void(const MessageTable&)>> m_windows;
    std::vector<QPointer<QComboBox>> m_materialLists;
    std::vector<std::pair<SectionKind, QPointer<QTreeWidget>>> m_trees;
    MessageTable m_messages = MessageTable::english();
};
