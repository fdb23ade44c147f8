#pragma once

#include "sections/section_kind.h"
#include "sections/section_properties.h"
#include "sections/tab_result.h"
#include "sections/units.h"
#include "itemlist/item_list.h"
#include "itemlist/requirement_limits.h"
#include "itemlist/job_file.h"

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTableView;
class QTimer;
class ItemListModel;
class ItemGridDelegate;
class QTreeWidget;
class QTreeWidgetItem;
class DesktopShell;
class ResultsPanelView;
class UnitsWindow;
class RequirementWindow;
class ProgressWindow;

// The working state the windows share; the one SectionProperties record lives here.
struct MainState {
    bool SectionsEnabled = false;
    bool SkipJobNamePrompt = false;
    bool TreeUpdateEnabled = true;
    int NextListRow = 1;
    int VisibleListRows = 2;
    bool RowBlinkEnabled = false;
    // The grid row (1-based) the user selected last; a correction overwrites it.
    int SelectedRow = 1;
    // Set once "Units for listing" has re-expressed the list.
    bool UnitsApplied = false;
    bool ExitConfirmed = false;
    bool CloseAllowed = false;
    SectionProperties properties;
    UnitSettings units;
    QString jobName = QStringLiteral("Noname");
    QString jobFileName;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // How message boxes and questions reach the user; tests replace them.
    std::function<void(const QString&)> showMessage;
    std::function<bool(const QString&)> askYesNo;
    std::function<QString(const QString& caption, const QString& prompt, const QString& initial)> askText;

    const MainState& state() const { return m_state; }
    MainState& state() { return m_state; }
    SectionKind currentKind() const;

    // Widgets by role, for the window tests.
    QTreeWidget* tree(SectionKind kind) const;
    QLineEdit* field(SectionKind kind, int index) const;
    QPushButton* toListButton(SectionKind kind) const;
    ResultsPanelView* resultsPanel(SectionKind kind) const;
    QGroupBox* dataBox(SectionKind kind) const;
    QButtonGroup* uArrangement() const;
    QWidget* sectionPanel(SectionKind kind) const;
    QTabBar* tabBar() const { return m_tabs; }
    QComboBox* eModulusBox() const { return m_eBox; }
    QComboBox* densityBox() const { return m_densityBox; }
    QComboBox* poissonBox() const { return m_poissonBox; }
    QLineEdit* tensileField() const { return m_tensile; }
    QLineEdit* pressureField() const { return m_pressure; }
    QLabel* rotationCaption() const { return m_rotationCaption; }
    QPushButton* rotateButton() const { return m_rotateButton; }
    QPushButton* startButton() const { return m_startButton; }
    QTableView* itemGrid() const { return m_grid; }
    const ItemList& itemList() const { return m_itemList; }
    ItemList& itemList() { return m_itemList; }
    RequirementLimits& requirementLimits() { return m_limits; }
    QPushButton* deleteButton() const { return m_deleteButton; }
    QPushButton* correctButton() const { return m_correctButton; }
    QLabel* statusPanel(int i) const;
    UnitsWindow* unitsWindow() const { return m_unitsWindow; }
    RequirementWindow* requirementWindow() const { return m_requirementWindow; }
    void showUnitsWindow();
    void showRequirementWindow();
    const std::vector<DimensionLabel>& labels() const { return m_labels; }
    // The picture the features box shows now; "To List" copies it.
    const QImage& overlay() const { return m_overlay; }
    int plateRecord() const { return m_plateRecord; }
    int angle(SectionKind kind) const;
    void setShell(DesktopShell* shell) { m_shell = shell; }

    // "Click to Start".
    void start();
    // The tab switch; does nothing before the sections are enabled.
    void switchTab();
    void newJob();
    void exitCommand();
    void showHelp();
    // "To List" of a tab: appends the section, or overwrites the selected row
    // while a correction is pending.
    void toList(SectionKind kind);
    void deleteSelectedItems();
    void correctSelectedItem();
    void changeJobName();
    // Re-expresses every dependent text after the units changed.
    void applyUnits(const UnitSettings& units);
    // Recomputes the current tab so that the panel follows limits and units.
    void recomputeCurrent();
    void showAbout();
    // "Rotate section:": asks for 0..359 degrees for the current tab.
    void rotateSection();

    // --- Job files: Save input, Load input, the job named at start ---
    // The file dialogs; tests replace them. An empty name means cancelled.
    std::function<QString(const QString& proposed)> askSaveFileName;
    std::function<QString()> askOpenFileName;
    void saveInput();
    void loadInput();
    // Save input: true when the list was saved or is empty; false when the
    // dialog was cancelled or writing failed (the old file is then unchanged).
    bool saveJob();
    // Load input from a file: all or nothing; message 1 when it is not a job.
    bool loadJob(const QString& path);
    // The first command-line argument is loaded when it names a ".mvn" file.
    bool loadAtStart(const QString& argument);
    // The working state as a job file.
    JobFile currentJob() const;
    ProgressWindow* progressWindow() const { return m_progress; }
    // --- end of job files ---

    // Rows of the list that fit for a window of this size.
    static int visibleListRowsFor(int width, int height);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Tab;

    void buildMenus();
    void buildStartPanel(QWidget* parent);
    void buildSectionArea(QWidget* parent);
    Tab buildTab(SectionKind kind);
    void buildMaterialBar(QWidget* parent);
    void buildGrid(QWidget* parent);
    void setGridHeader();

    QString selectedEntry(SectionKind kind) const;
    void treeChanged(SectionKind kind);
    void plateChanged();
    void redrawPlate();
    void fieldChanged(SectionKind kind, int index);
    void runCustom(SectionKind kind, int changedField);
    void recompute(SectionKind kind);
    void apply(SectionKind kind, const TabResult& result);
    void typicalType(SectionKind kind);
    void allType(SectionKind kind);
    void redrawOverlay();
    struct ComputeContext context(SectionKind kind) const;
    Tab& tab(SectionKind kind);
    const Tab& tab(SectionKind kind) const;

    void onEModulusEdited(const QString& text);
    void onDensityEdited(const QString& text);
    void onPoissonEdited(const QString& text);
    void onTensileEdited(const QString& text);
    void onPressureEdited(const QString& text);
    void updateStatus();
    void refreshGrid();
    // Selected rows as high as their wrapped designation, the others 32.
    void updateRowHeights();
    void userSelectedRow(int row);
    void selectRow(int r);
    void endCorrection();
    void addListItems(QComboBox* box, const QStringList& items);
    QString askJobName(const QString& current);

    MainState m_state;
    std::vector<Tab> m_tabs_;
    std::vector<DimensionLabel> m_labels;
    QImage m_overlay;
    QTabBar* m_tabs = nullptr;
    QStackedWidget* m_area = nullptr;
    QStackedWidget* m_panels = nullptr;
    QWidget* m_startPanel = nullptr;
    QWidget* m_sectionPage = nullptr;
    QPushButton* m_startButton = nullptr;
    QComboBox* m_eBox = nullptr;
    QComboBox* m_densityBox = nullptr;
    QComboBox* m_poissonBox = nullptr;
    QLineEdit* m_tensile = nullptr;
    QLineEdit* m_pressure = nullptr;
    QPushButton* m_rotateButton = nullptr;
    QLabel* m_rotationCaption = nullptr;
    QTableView* m_grid = nullptr;
    ItemList m_itemList;
    ItemListModel* m_model = nullptr;
    bool m_selectingRow = false; // the program, not the user, moves the grid's current row
    ItemGridDelegate* m_delegate = nullptr;
    RequirementLimits m_limits;
    QTimer* m_blinkTimer = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_correctButton = nullptr;
    std::array<QLabel*, 3> m_status{};
    UnitsWindow* m_unitsWindow = nullptr;
    RequirementWindow* m_requirementWindow = nullptr;
    std::array<QLabel*, 5> m_materialCaptions{};
    QLabel* m_statusJob = nullptr;
    QAction* m_requirementAction = nullptr;
    QWidget* m_body = nullptr;
    DesktopShell* m_shell = nullptr;
    std::unique_ptr<DesktopShell> m_systemShell;
    int m_plateRecord = -1; // the selected plate's record in the profile table
    int m_suppressed = 0; // field changes made by a computation do not recompute
    // Job files (mainwindow_jobs.cpp).
    void installJobFileDialogs();
    void applyJob(const JobFile& job);
    QImage tabPicture(SectionKind kind) const;
    ProgressWindow* m_progress = nullptr;
};
