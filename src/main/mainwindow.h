#pragma once

#include "commands.h"
#include "itemgrid.h"
#include "mainstate.h"
#include "prompter.h"

#include "base/section_kind.h"
#include "output/report_options.h"
#include "itemlist/job_file.h"
#include "itemlist/job_state.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTableView;
class QTreeWidget;
class DesktopShell;
class ListEditorWindow;
class ExactPropertiesWindow;
class BuiltUpWindow;
struct PrivateItemTexts;
struct WriteOutcome;
class HelpWindow;
class MaterialBar;
class PrivateDataWindow;
class MessageTable;
class ReportWindow;
class RequirementWindow;
class ResultsPanelView;
class SectionPage;
class SectionTabBar;
class SettingsStore;
class SettingsWindow;
class LanguageSwitch;
class ProgressWindow;
class TranslationWindow;
class UnitsWindow;
class PrintPreviewWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Asks its questions with Qt's dialogs.
    explicit MainWindow(QWidget* parent = nullptr);
    // Asks its questions, and those of the windows it opens, through
    // `prompter`, which outlives the window.
    explicit MainWindow(Prompter& prompter, QWidget* parent = nullptr);
    ~MainWindow() override;

    // After the item list changed: shows it again with its totals and the
    // list commands' enabled states.
    void rebuildGrid();
    // The tab switch; does nothing before the sections are enabled.
    void switchTab();
    // New units for listing: the job re-expresses what it holds and every
    // window shows it (showUnits).
    void applyUnits(const UnitSettings& units);
    // Recomputes the current tab so that the panel follows limits and units.
    void recomputeCurrent();

    // --- Commands ----------------------------------------------------------
    void start(); // "Click to Start"
    void newJob();
    void exitCommand();
    void showHelp();
    // "To List" of a tab: appends the section, or overwrites the selected row
    // while a correction is pending.
    void toList(SectionKind kind);
    void deleteSelectedItems();
    // Copy: the selected rows as tab-separated text under a header line.
    void copySelectedRows();
    void correctSelectedItem();
    void changeJobName();
    void showUnitsWindow();
    void showRequirementWindow();
    // "Report generator": ends a pending correction; opens the report window
    // only when the list holds items.
    void showReportWindow();
    void showAbout();
    // "Print": lays the list out and shows the print preview; only with items.
    void printList();
    // "Rotate section:": asks for 0..359 degrees for the current tab.
    void rotateSection();
    // "Private data editing ....": ends a correction and shows the window.
    void showPrivateDataWindow();
    void showPrivateDataWindowOver(QWidget* owner);
    // "Edit stringgrid....": the list editor, modal, when the list holds items.
    void editList();

    // --- Job files: Save input, Load input, the job named at start -----------
    void saveInput();
    void loadInput();
    // Save input: true when the list was saved or is empty; false when the
    // dialog was cancelled or writing failed (the old file is then unchanged).
    bool saveJob();
    // Load input from a file: all or nothing; message 1 when it is not a job.
    bool loadJob(const QString& path);
    // The first command-line argument is loaded when it names a ".mvn" file.
    bool loadAtStart(const QString& argument);
    // The end of start-up: the job named by the first argument (after the
    // program's name) is loaded, then the settings are read and the stored
    // language is applied, to the loaded job's texts as well.
    void startUp(const QStringList& arguments);
    // The working state as a job file.
    JobFile currentJob() const;

    // --- Services and settings ------------------------------------------------
    void setShell(DesktopShell* shell) { m_shell = shell; }
    // The help page (help.html beside the program unless set).
    void setHelpPage(const QString& path) { m_helpPage = path; }
    // Settings: the store read at start and written on closing (none in
    // tests unless given).
    void showSettingsWindow();
    void setSettingsStore(SettingsStore* store) { m_settingsStore = store; }
    // Reads the stored language, folder and recent jobs and applies the language.
    void readSettings();
    // "Recent jobs" in the File menu: the last jobs loaded or saved, most
    // recent first; files that are gone are dropped when the menu is shown.
    void refreshRecentJobs();

    // Languages: the translation window holds the table; the switch applies a
    // language to every window.
    void showTranslationWindow();
    // Takes a language's messages into the job (showLanguage follows).
    void setMessages(const MessageTable& messages);

    // "Exact properties": the window follows every computation pass of the
    // current tab.
    void showExactPropertiesWindow();
    // "Built-up section ....": made when first asked for; its "To List"
    // appends a private row with the material of the material bar.
    void showBuiltUpWindow();
    void listBuiltUpSection(const PrivateItemTexts& texts, const QImage& picture);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window tests look inside through this type (tests/main).
    friend class MainWindowProbe;

    std::unique_ptr<Prompter> m_ownPrompter; // Qt's dialogs, unless one was given
    Prompter& m_prompter;

    // The design sizes: the section area with the list (a smaller window
    // scrolls), the window at start, the smallest window, and the list's
    // rows (two rows up to TwoListRowsHeight, one more per ListRowHeight).
    static constexpr int DesignWidth = 772;
    static constexpr QSize StartSize{780, 575};
    static constexpr QSize SmallestSize{350, 300};
    static constexpr int TallScreenHeight = 700;   // above it the window starts taller
    static constexpr int ScreenMargin = 100;       // what it leaves of a tall screen
    static constexpr int TwoListRowsHeight = 670;
    static constexpr int ListRowHeight = 32;
    static constexpr int SmallListHeight = 100;    // the list's height in a small window
    // Rows of the list that fit for a window of this size.
    static int visibleListRowsFor(int width, int height);

    QAction* action(Command command) const { return m_actions.at(std::size_t(command)); }
    const MessageTable& messages() const { return m_job.messages(); }
    const ItemList& itemList() const { return m_job.itemList(); }
    ItemList& itemList() { return m_job.itemList(); }
    const UnitSettings& units() const { return m_job.units(); }
    SectionPage* page(SectionKind kind) const { return m_pages.at(std::size_t(kind)); }
    SectionKind currentKind() const;

    // The constructor's parts.
    void build();

    // The questions, through the prompter. An empty file name means cancelled.
    void showMessage(const QString& text);
    bool askYesNo(const QString& text);
    // The text typed, or `initial` when the user cancelled.
    QString askText(const QString& caption, const QString& prompt, const QString& initial);
    // "Save changes to job ?" (Escape and the close box answer Cancel).
    Answer askSaveChanges(const QString& text);
    QString askSaveFileName(const QString& proposed);
    QString askOpenFileName();
    QWidget* buildBody();
    void buildStatusBar();
    void buildToolWindows();
    void buildLanguages();
    void buildListWindows();
    void placeOnScreen();
    void buildActions();
    QWidget* buildSectionArea();
    QWidget* buildListCommands();
    void connectPage(SectionPage* page);

    void treeChanged(SectionKind kind);
    void fieldChanged(SectionKind kind, int index);
    void plateChanged();
    void redrawPlate();
    void runCustom(SectionKind kind, int changedField);
    void recompute(SectionKind kind);
    void apply(SectionKind kind, const TabResult& result);
    void redrawOverlay();
    void forwardToExactWindow(SectionKind kind, const std::optional<SectionProperties>& panel);
    struct ComputeContext context(SectionKind kind) const;
    void updateStatus();
    void updateTitle();
    void userSelectedRow(int row);
    void showTotals();
    // Asks "Save changes to job ?" when the list holds items that changed
    // since the job was started, loaded or saved; false when the command is
    // to stop (Cancel, or a save that did not happen).
    bool settleChanges();
    void startHoldOff(SectionKind kind);
    void endHoldOff();
    void endCorrection();
    QString askJobName(const QString& current);
    // "To List" of the private data window, after its plausibility check.
    void listPrivateItem();
    // The list editor's answers.
    void applyEditorOrder(const QList<int>& order);
    void deleteEditorItems(const QList<int>& rows);
    void correctEditorItem(int row);
    // Shows the list again in the list editor when it is open.
    void rebuildListEditor();
    void putListedRow(int target, const ListRow& row);
    template <typename Form, typename KeepMaterials>
    void putWrittenRow(int target, const WriteOutcome& out, Form* form, KeepMaterials keepMaterials);

    // What the windows show of the job, each in one slot of a JobState signal.
    void showUnits(const UnitSettings& from, const UnitSettings& to);
    void showLanguage();
    void showJob(const UnitSettings& previousUnits);
    void showMaterials();
    void connectJob();
    // The commands and widgets a started job uses (New job, Load input).
    void enableJobCommands();

    JobState m_job;
    MainState m_state;
    CommandActions m_actions{};
    std::vector<SectionPage*> m_pages;
    MaterialBar* m_materialBar = nullptr;
    ItemGrid* m_grid = nullptr;
    SectionTabBar* m_tabs = nullptr;
    QStackedWidget* m_area = nullptr;
    QStackedWidget* m_panels = nullptr;
    QWidget* m_startPanel = nullptr;
    QWidget* m_sectionArea = nullptr;
    QPushButton* m_startButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_correctButton = nullptr;
    std::array<QLabel*, 3> m_status{};
    UnitsWindow* m_unitsWindow = nullptr;
    RequirementWindow* m_requirementWindow = nullptr;
    PrintPreviewWindow* m_printPreview = nullptr;
    SettingsWindow* m_settingsWindow = nullptr;
    SettingsStore* m_settingsStore = nullptr;
    bool m_settingsWritten = false;
    ReportWindow* m_reportWindow = nullptr;
    TranslationWindow* m_translationWindow = nullptr;
    LanguageSwitch* m_languageSwitch = nullptr;
    // A window of its own, not a child, so that it takes input while the
    // list editor is open (the editor blocks only the main window).
    std::unique_ptr<PrivateDataWindow> m_privateWindow;
    ListEditorWindow* m_listEditor = nullptr;
    DesktopShell* m_shell = nullptr;
    ExactPropertiesWindow* m_exactWindow = nullptr;
    BuiltUpWindow* m_builtUpWindow = nullptr;
    std::unique_ptr<DesktopShell> m_systemShell;
    SectionKind m_heldTree = SectionKind::RectHollow; // the tree whose key holds the computation off
    HelpWindow* m_helpWindow = nullptr;
    QString m_helpPage;
    // The language's name of the program in the title.
    QString m_productName = QStringLiteral("*** Computation of geometric properties ***");
    int m_textLimit = 0; // characters the text input takes, 0 for any number
    // Job files (mainwindow_jobs.cpp).
    void buildProgressWindow();
    ProgressWindow* m_progress = nullptr;
    // Recent jobs (mainwindow_recent.cpp).
    void buildRecentJobsMenu();
    // The texts the program adds beyond the translation table (menus and
    // commands of its own, the tabs' own captions), in the language shown.
    void retranslateOwnTexts();
    class ProgramTranslator* m_translator = nullptr;
    void rememberRecentJob(const QString& path);
    QMenu* m_recentMenu = nullptr;
    QStringList m_recentJobs;
};
