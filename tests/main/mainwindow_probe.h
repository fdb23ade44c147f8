// What the window tests look at inside a main window, by role.
#pragma once

#include "builtupwindow.h"
#include "exactpropertieswindow.h"
#include "helpwindow.h"
#include "itemgrid.h"
#include "languageswitch.h"
#include "materialbar.h"
#include "listeditorwindow.h"
#include "mainwindow.h"
#include "printpreviewwindow.h"
#include "privatedatawindow.h"
#include "progresswindow.h"
#include "reportwindow.h"
#include "requirementwindow.h"
#include "resultspanelview.h"
#include "sectionpage.h"
#include "settingswindow.h"
#include "translationwindow.h"
#include "unitswindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTreeWidget>

// MainWindow names this type its friend; nothing else reaches inside.
class MainWindowProbe {
public:
    explicit MainWindowProbe(MainWindow& window) : w(window) {}

    QAction* action(Command command) const { return w.action(command); }
    MainState& state() const { return w.m_state; }
    JobState& job() const { return w.m_job; }
    ItemList& itemList() const { return w.m_job.itemList(); }
    RequirementLimits& requirementLimits() const { return w.m_job.limits(); }
    const MessageTable& messages() const { return w.messages(); }
    QMenu* recentJobsMenu() const { return w.m_recentMenu; }

    QTabBar* tabBar() const { return w.m_tabs; }
    SectionPage* page(SectionKind kind) const { return w.page(kind); }
    QTreeWidget* tree(SectionKind kind) const { return page(kind)->tree(); }
    QLineEdit* field(SectionKind kind, int index) const { return page(kind)->field(index); }
    QPushButton* toListButton(SectionKind kind) const { return page(kind)->toListButton(); }
    ResultsPanelView* resultsPanel(SectionKind kind) const { return page(kind)->resultsPanel(); }
    QGroupBox* dataBox(SectionKind kind) const { return page(kind)->dataBox(); }
    QWidget* sectionPanel(SectionKind kind) const { return page(kind); }
    QComboBox* eModulusBox() const { return w.m_materialBar->eModulusBox(); }
    QLineEdit* tensileField() const { return w.m_materialBar->tensileField(); }
    QLabel* rotationCaption() const { return w.m_materialBar->rotationCaption(); }
    QPushButton* rotateButton() const { return w.m_materialBar->rotateButton(); }
    QPushButton* startButton() const { return w.m_startButton; }
    QPushButton* deleteButton() const { return w.m_deleteButton; }
    QLabel* statusPanel(int i) const { return w.m_status.at(std::size_t(i)); }
    ItemGrid* itemGrid() const { return w.m_grid; }

    UnitsWindow* unitsWindow() const { return w.m_unitsWindow; }
    RequirementWindow* requirementWindow() const { return w.m_requirementWindow; }
    PrintPreviewWindow* printPreview() const { return w.m_printPreview; }
    HelpWindow* helpWindow() const { return w.m_helpWindow; }
    SettingsWindow* settingsWindow() const { return w.m_settingsWindow; }
    TranslationWindow* translationWindow() const { return w.m_translationWindow; }
    LanguageSwitch* languageSwitch() const { return w.m_languageSwitch; }
    PrivateDataWindow* privateDataWindow() const { return w.m_privateWindow.get(); }
    ListEditorWindow* listEditor() const { return w.m_listEditor; }
    ExactPropertiesWindow* exactPropertiesWindow() const { return w.m_exactWindow; }
    BuiltUpWindow* builtUpWindow() const { return w.m_builtUpWindow; }
    ProgressWindow* progressWindow() const { return w.m_progress; }

private:
    MainWindow& w;
};
