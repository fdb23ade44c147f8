// What the window tests look at inside a main window, by role.
#pragma once

#include "builtupwindow.h"
#include "exactpropertieswindow.h"
#include "helpwindow.h"
#include "itemgrid.h"
#include "languageswitch.h"
#include "listeditorwindow.h"
#include "mainwindow.h"
#include "printpreviewwindow.h"
#include "privatedatawindow.h"
#include "progresswindow.h"
#include "reportwindow.h"
#include "requirementwindow.h"
#include "resultspanelview.h"
#include "settingswindow.h"
#include "translationwindow.h"
#include "unitswindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTreeWidget>

class MainWindowProbe {
public:
    explicit MainWindowProbe(MainWindow& window) : w(window) {}

    QAction* action(Command command) const { return w.action(command); }
    MainState& state() const { return w.state(); }
    JobState& job() const { return w.job(); }
    ItemList& itemList() const { return w.itemList(); }
    RequirementLimits& requirementLimits() const { return w.requirementLimits(); }
    const MessageTable& messages() const { return w.messages(); }
    ReportOptions& reportOptions() const { return w.reportOptions(); }
    const QStringList& recentJobs() const { return w.recentJobs(); }

    QTabBar* tabBar() const { return w.tabBar(); }
    QTreeWidget* tree(SectionKind kind) const { return w.tree(kind); }
    QLineEdit* field(SectionKind kind, int index) const { return w.field(kind, index); }
    QPushButton* toListButton(SectionKind kind) const { return w.toListButton(kind); }
    ResultsPanelView* resultsPanel(SectionKind kind) const { return w.resultsPanel(kind); }
    QGroupBox* dataBox(SectionKind kind) const { return w.dataBox(kind); }
    QWidget* sectionPanel(SectionKind kind) const { return w.sectionPanel(kind); }
    int angle(SectionKind kind) const { return w.angle(kind); }
    QComboBox* eModulusBox() const { return w.eModulusBox(); }
    QComboBox* densityBox() const { return w.densityBox(); }
    QLineEdit* tensileField() const { return w.tensileField(); }
    QLabel* rotationCaption() const { return w.rotationCaption(); }
    QPushButton* rotateButton() const { return w.rotateButton(); }
    QPushButton* startButton() const { return w.startButton(); }
    QPushButton* deleteButton() const { return w.deleteButton(); }
    QLabel* statusPanel(int i) const { return w.statusPanel(i); }
    ItemGrid* itemGrid() const { return w.itemGrid(); }

    UnitsWindow* unitsWindow() const { return w.unitsWindow(); }
    RequirementWindow* requirementWindow() const { return w.requirementWindow(); }
    PrintPreviewWindow* printPreview() const { return w.printPreview(); }
    ReportWindow* reportWindow() const { return w.reportWindow(); }
    HelpWindow* helpWindow() const { return w.helpWindow(); }
    SettingsWindow* settingsWindow() const { return w.settingsWindow(); }
    TranslationWindow* translationWindow() const { return w.translationWindow(); }
    LanguageSwitch* languageSwitch() const { return w.languageSwitch(); }
    PrivateDataWindow* privateDataWindow() const { return w.privateDataWindow(); }
    ListEditorWindow* listEditor() const { return w.listEditor(); }
    ExactPropertiesWindow* exactPropertiesWindow() const { return w.exactPropertiesWindow(); }
    BuiltUpWindow* builtUpWindow() const { return w.builtUpWindow(); }
    ProgressWindow* progressWindow() const { return w.progressWindow(); }

private:
    MainWindow& w;
};
