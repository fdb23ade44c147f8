#include "mainwindow.h"

#include "itemgriddelegate.h"
#include "requirementwindow.h"
#include "resultspanelview.h"
#include "unitswindow.h"

#include "itemlist/item_list_model.h"
#include "itemlist/units_apply.h"
#include "itemlist/list_section.h"

#include "catalogue/profile_catalogue.h"
#include "drawing/overlay.h"
#include "drawing/section_pictures.h"
#include "sections/dimension_filter.h"
#include "sections/profiles.h"
#include "sections/tab_computations.h"
#include "sections/material.h"
#include "sections/material_filters.h"
#include "sections/number_format.h"
#include "settings/desktop_shell.h"
#include "settings/message_table.h"

#include <QScopedValueRollback>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {
const MessageTable& msg()
{
    return MessageTable::english();
}

// The box's list items as they stand now (units re-express them).
QStringList itemsOf(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

struct FieldLayout {
    const char* caption;
    const char* objectName;
};

// Dimension fields of each tab, in the order the computations take them.
std::vector<FieldLayout> fieldLayouts(SectionKind kind)
{
    switch (kind) {
    case SectionKind::RectHollow:
        return {{"  a /length [mm] / :", "Panel48"}, {"  b /length [mm] / :", "Panel49"},
                {"  v / Thickness [mm] / :", "Panel23"}};
    case SectionKind::CircHollow:
        return {{"  d /diameter [mm] / :", "Panel24"}, {"  v / Thickness [mm] / :", "Panel6"}};
    case SectionKind::RectSolid:
        return {{"  a  / length [mm] / :", "Panel7"}, {"  b  / length [mm] / :", "Panel8"}};
    case SectionKind::CircSolid: return {{"  Diameter [mm] :", "Panel14"}};
    case SectionKind::FlatBar:
        return {{"  a / Length [mm] / :", "Panel15"}, {"  b /Length [mm] / :", "Panel30"}};
    case SectionKind::L:
        return {{" A length / mm / :", "LFieldA"}, {" B length / mm / :", "LFieldB"},
                {" V thickness / mm / :", "LFieldV"}};
    case SectionKind::Plate:
        return {{"  Length [mm] / :", "Panel19"}, {"  Length [mm] / :", "Panel45"}};
    case SectionKind::T:
    case SectionKind::U:
    case SectionKind::I:
        return {{" A length / mm / :", nullptr}, {" B length / mm / :", nullptr},
                {" V thickness / mm / :", nullptr}, {" V thickness / mm / :", nullptr}};
    }
    return {};
}

// Menu box, features box and To List keys of each tab.
struct TabKeys {
    const char* menuBox;
    const char* featuresBox;
    const char* toList;
    const char* typical;
    const char* all;
};
TabKeys tabKeys(SectionKind kind)
{
    switch (kind) {
    case SectionKind::RectHollow: return {"GroupBox23", "GroupBox15", "BitBtn10", "SpeedButton12", "SpeedButton13"};
    case SectionKind::CircHollow: return {"GroupBox22", "GroupBox7", "BitBtn11", nullptr, nullptr};
    case SectionKind::RectSolid: return {"GroupBox39", "GroupBox9", "BitBtn9", nullptr, nullptr};
    case SectionKind::CircSolid: return {"GroupBox37", "GroupBox11", "BitBtn8", nullptr, nullptr};
    case SectionKind::FlatBar: return {"GroupBox35", "GroupBox17", "BitBtn7", "SpeedButton10", "SpeedButton11"};
    case SectionKind::L: return {"GroupBox33", "GroupBox19", "BitBtn1", "SpeedButton22", "SpeedButton23"};
    case SectionKind::T: return {"GroupBox31", "GroupBox14", "BitBtn6", nullptr, nullptr};
    case SectionKind::Plate: return {"GroupBox29", "GroupBox5", nullptr, "SpeedButton20", "SpeedButton21"};
    case SectionKind::U: return {"GroupBox27", "GroupBox1", "BitBtn5", "SpeedButton18", "SpeedButton19"};
    case SectionKind::I: return {"GroupBox16", "GroupBox3", "BitBtn4", "SpeedButton16", "SpeedButton17"};
    }
    return {};
}

const char* const MenuBoxCaptions[SectionKindCount] = {
    "Rectangular hollow section menu :", "Circular hollow section menu :", "Rectangular solid section menu :",
    "Circular Solid Section menu :",     "Ribbon section menu :",          "L section menu :",
    "T section menu :",                  "Plate menu :",                   "U section menu :",
    "I section menu :"};
const char* const FeaturesBoxCaptions[SectionKindCount] = {
    "Rectangular hollow section features  :   ", "  Circular hollow section features  :   ",
    "  Rectangular solid section features  :   ", " Circular Solid section features :   ",
    "Ribbon section features  :   ",              "  L section features  :   ",
    "  T section features  :   ",                 "Plate features  :   ",
    "  U section features  :   ",                 "  I section features  :   "};

// Trees whose key-down holds the computation off until the key-up.
bool holdsOffKeys(SectionKind kind)
{
    return kind != SectionKind::CircHollow && kind != SectionKind::CircSolid && kind != SectionKind::Plate;
}

// Tabs whose field changes rerun the tree change (which reads the fields).
bool fieldsDriveTree(SectionKind kind)
{
    return kind == SectionKind::I || kind == SectionKind::T || kind == SectionKind::U || kind == SectionKind::L;
}

// Row selected on a tab switch when none is.
int defaultRow(SectionKind kind)
{
    return static_cast<int>(kind) <= static_cast<int>(SectionKind::FlatBar) ? 1 : 0;
}

// Kinds whose computations this build carries.
bool computes(SectionKind kind)
{
    return kindComputes(kind);
}
} // namespace

struct MainWindow::Tab {
    SectionKind kind{};
    QWidget* panel = nullptr;
    QGroupBox* menuBox = nullptr;
    QGroupBox* dataBox = nullptr;
    QGroupBox* featuresBox = nullptr;
    QTreeWidget* tree = nullptr;
    QPushButton* typical = nullptr;
    QPushButton* all = nullptr;
    std::vector<QLineEdit*> fields;
    QPushButton* toList = nullptr;
    QLabel* picture = nullptr;
    ResultsPanelView* results = nullptr;
    int angle = 0;         // RotationAngle of the tab's picture
    bool customAllowed = false;
    QButtonGroup* arrangement = nullptr; // U only
    int pictureVariant = 0;
};

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), m_systemShell(std::make_unique<SystemShell>())
{
    m_shell = m_systemShell.get();
    showMessage = [this](const QString& text) { QMessageBox::warning(this, QStringLiteral("Morvane"), text); };
    askText = [this](const QString& caption, const QString& prompt, const QString& initial) {
        bool ok = false;
        const QString text = QInputDialog::getText(this, caption, prompt, QLineEdit::Normal, initial, &ok);
        return ok ? text : initial;
    };
    askYesNo = [this](const QString& text) {
        return QMessageBox::question(this, QStringLiteral("Morvane"), text, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    };
    installJobFileDialogs();

    setWindowTitle(QStringLiteral("Morvane *** Computation of geometric properties ***"));
    buildMenus();

    m_body = new QWidget(this);
    auto* bodyLayout = new QVBoxLayout(m_body);
    bodyLayout->setContentsMargins(2, 2, 2, 2);
    bodyLayout->setSpacing(2);

    m_area = new QStackedWidget(m_body);
    buildStartPanel(m_area);
    buildSectionArea(m_area);
    bodyLayout->addWidget(m_area, 0);
    buildMaterialBar(m_body);
    buildGrid(m_body);
    setCentralWidget(m_body);

    for (QLabel*& panel : m_status) {
        panel = new QLabel(this);
        statusBar()->addWidget(panel, 1);
    }
    m_statusJob = m_status[0];

    m_grid->setEnabled(false);
    m_tabs->setEnabled(true);
    for (Tab& t : m_tabs_) {
        for (QLineEdit* f : t.fields)
            f->setEnabled(false);
        t.panel->hide();
    }

    m_unitsWindow = new UnitsWindow(msg(), this);
    m_requirementWindow = new RequirementWindow(m_limits, msg(), this);
    m_requirementWindow->recompute = [this] { recomputeCurrent(); };

    setMinimumSize(350, 300);
    setMaximumWidth(780);
    resize(780, 575);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        if (screen->geometry().height() > 700)
            resize(780, screen->geometry().height() - 100);
        move(available.center() - QPoint(width() / 2, height() / 2));
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    struct Command {
        const char* menu;
        const char* text;
        const char* key;
        bool enabled;
        void (MainWindow::*slot)();
    };
    const Command commands[] = {
        {"File", "Change name of job ", "Tteljegyzkmegnevezsnekmdostsa1", true, &MainWindow::changeJobName},
        {"File", "New job", "jtteljegyzk1", true, &MainWindow::newJob},
        {"File", "Load input", "Tteljegyzkbetltse1", true, &MainWindow::loadInput},
        {"File", "Save input", "Tteljegyzkmentse1", true, &MainWindow::saveInput},
        {"File", "Settings....", "Settings1", false, nullptr},
        {"File", "Print", "Nyomtats1", false, nullptr},
        {"File", "Exit", "Kilps1", true, &MainWindow::exitCommand},
        {"Tools", "Requirement", "Tteljegyzklezrsa2", false, &MainWindow::showRequirementWindow},
        {"Tools", "Units for listing", "Tteljegyzktovbbiszerkesztse1", true, &MainWindow::showUnitsWindow},
        {"Tools", "Report generator", "ReportGenerator1", false, nullptr},
        {"Tools", "Translation....", "Translation1", false, nullptr},
        {"Help", "Help", "About2", true, &MainWindow::showHelp},
        {"Help", "About", "About1", true, &MainWindow::showAbout},
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->menuAction()->setObjectName(QStringLiteral("Tteljegyzknvmdostsa1"));
    QMenu* tools = menuBar()->addMenu(QStringLiteral("Tools"));
    tools->menuAction()->setObjectName(QStringLiteral("Lez1"));
    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->menuAction()->setObjectName(QStringLiteral("Help1"));
    for (const Command& c : commands) {
        QMenu* menu = QLatin1String(c.menu) == QLatin1String("File") ? file
                      : QLatin1String(c.menu) == QLatin1String("Tools") ? tools
                                                                         : help;
        QAction* action = menu->addAction(QString::fromLatin1(c.text));
        action->setObjectName(QString::fromLatin1(c.key));
        action->setEnabled(c.enabled);
        if (c.slot)
            connect(action, &QAction::triggered, this, c.slot);
        if (QLatin1String(c.key) == QLatin1String("Tteljegyzklezrsa2"))
            m_requirementAction = action;
    }

    // The tool bar: every command by its hint; those whose windows are not in
    // this build are present and disabled.
    struct ToolButton {
        const char* hint;
        const char* key;
        void (MainWindow::*slot)();
    };
    const ToolButton buttons[] = {
        {"New job", "SpeedButton9", &MainWindow::newJob},
        {"Load input", "SpeedButton24", &MainWindow::loadInput},
        {"Save input", "SpeedButton25", &MainWindow::saveInput},
        {"Print", "SpeedButton26", nullptr},
        {"Requirement", "SpeedButton28", &MainWindow::showRequirementWindow},
        {"Units for listing...", "SpeedButton29", &MainWindow::showUnitsWindow},
        {"Units for listing...", "SpeedButton30", &MainWindow::showUnitsWindow},
        {"Report generator", "SpeedButton1", nullptr},
        {"Report", "SpeedButton2", nullptr},
        {"Help", "SpeedButton3", &MainWindow::showHelp},
        {"About", "SpeedButton4", &MainWindow::showAbout},
        {"Translation....", "SpeedButton31", nullptr},
        {"Settings....", "SpeedButton5", nullptr},
        {"Delete selected item(s)", "SpeedButton6", &MainWindow::deleteSelectedItems},
        {"Correction selected item...", "SpeedButton7", &MainWindow::correctSelectedItem},
        {"Edit stringgrid....", "SpeedButton8", nullptr},
        {"Private data editing ....", "SpeedButton15", nullptr},
        {"Change name of job ", "SpeedButton14", &MainWindow::changeJobName},
        {"Exit", "SpeedButton27", &MainWindow::exitCommand},
    };
    QToolBar* bar = addToolBar(QStringLiteral("Tools"));
    bar->setMovable(false);
    for (const ToolButton& b : buttons) {
        QAction* action = bar->addAction(QString::fromLatin1(b.hint));
        action->setToolTip(QString::fromLatin1(b.hint));
        action->setObjectName(QString::fromLatin1(b.key));
        action->setEnabled(b.slot != nullptr);
        if (b.slot)
            connect(action, &QAction::triggered, this, b.slot);
    }
}

void MainWindow::buildStartPanel(QWidget* parent)
{
    m_startPanel = new QFrame(parent);
    auto* frame = static_cast<QFrame*>(m_startPanel);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(m_startPanel);
    auto* product = new QLabel(QStringLiteral("Morvane"), m_startPanel);
    product->setObjectName(QStringLiteral("StartPicture"));
    QFont big = product->font();
    big.setPointSize(28);
    big.setBold(true);
    product->setFont(big);
    product->setAlignment(Qt::AlignCenter);
    product->setStyleSheet(QStringLiteral("color: navy;"));
    auto* title = new QLabel(QStringLiteral("*** Computation of geometric properties ***"), m_startPanel);
    title->setObjectName(QStringLiteral("ProductName"));
    title->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(QStringLiteral("Version : 3.1 /  17. 04. 2004 "), m_startPanel);
    version->setObjectName(QStringLiteral("Label69"));
    version->setAlignment(Qt::AlignCenter);
    auto* credit = new QLabel(QStringLiteral("Written by the Morvane developers"), m_startPanel);
    credit->setObjectName(QStringLiteral("Label80"));
    credit->setAlignment(Qt::AlignCenter);
    m_startButton = new QPushButton(QStringLiteral("Click to Start"), m_startPanel);
    m_startButton->setObjectName(QStringLiteral("BitBtn3"));
    connect(m_startButton, &QPushButton::clicked, this, &MainWindow::start);
    layout->addStretch();
    layout->addWidget(product);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(credit);
    layout->addWidget(m_startButton, 0, Qt::AlignHCenter);
    layout->addStretch();
    m_area->addWidget(m_startPanel);
}

void MainWindow::buildSectionArea(QWidget* parent)
{
    m_sectionPage = new QWidget(parent);
    auto* layout = new QVBoxLayout(m_sectionPage);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_tabs = new QTabBar(m_sectionPage);
    m_tabs->setObjectName(QStringLiteral("tabcontrol1"));
    m_tabs->setExpanding(false);
    const char* captions[SectionKindCount] = {"RH Section", "CH Section",     "RS Section", "CS Section", "Ribbon Section",
                                              "L Section",  "T Section", "Plate",      "U Section",  "I Section"};
    for (const char* c : captions)
        m_tabs->addTab(QString::fromLatin1(c));
    layout->addWidget(m_tabs);
    m_panels = new QStackedWidget(m_sectionPage);
    layout->addWidget(m_panels);
    for (SectionKind kind : AllSectionKinds) {
        m_tabs_.push_back(buildTab(kind));
        m_panels->addWidget(m_tabs_.back().panel);
    }
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int) { switchTab(); });
    m_area->addWidget(m_sectionPage);
    m_area->setCurrentWidget(m_startPanel);
}

MainWindow::Tab MainWindow::buildTab(SectionKind kind)
{
    Tab t;
    t.kind = kind;
    const int index = static_cast<int>(kind);
    const TabKeys keys = tabKeys(kind);
    t.panel = new QWidget;
    auto* row = new QHBoxLayout(t.panel);
    row->setContentsMargins(2, 2, 2, 2);

    t.menuBox = new QGroupBox(QString::fromLatin1(MenuBoxCaptions[index]), t.panel);
    t.menuBox->setObjectName(QString::fromLatin1(keys.menuBox));
    auto* menuLayout = new QVBoxLayout(t.menuBox);
    t.tree = new QTreeWidget(t.menuBox);
    t.tree->setHeaderHidden(true);
    t.tree->setObjectName(QStringLiteral("Tree%1").arg(index));
    std::vector<QTreeWidgetItem*> parents;
    for (const MenuEntry& e : builtInMenu(kind)) {
        parents.resize(std::size_t(e.depth));
        auto* item = parents.empty() ? new QTreeWidgetItem(t.tree) : new QTreeWidgetItem(parents.back());
        item->setText(0, e.text);
        parents.push_back(item);
    }
    menuLayout->addWidget(t.tree);
    const bool hasFilterButtons = kind != SectionKind::RectSolid && kind != SectionKind::CircSolid && kind != SectionKind::T;
    if (hasFilterButtons) {
        auto* buttons = new QHBoxLayout;
        t.typical = new QPushButton(QStringLiteral("Typical"), t.menuBox);
        t.all = new QPushButton(QStringLiteral("All"), t.menuBox);
        if (keys.typical) {
            t.typical->setToolTip(QStringLiteral("Typical type"));
            t.all->setToolTip(QStringLiteral("All type"));
            t.typical->setObjectName(QString::fromLatin1(keys.typical));
            t.all->setObjectName(QString::fromLatin1(keys.all));
        }
        buttons->addWidget(t.typical);
        buttons->addWidget(t.all);
        menuLayout->addLayout(buttons);
        connect(t.typical, &QPushButton::clicked, this, [this, kind] { typicalType(kind); });
        connect(t.all, &QPushButton::clicked, this, [this, kind] { allType(kind); });
    }
    row->addWidget(t.menuBox, 3);

    t.dataBox = new QGroupBox(t.panel);
    auto* dataLayout = new QVBoxLayout(t.dataBox);
    int fieldIndex = 0;
    for (const FieldLayout& layout : fieldLayouts(kind)) {
        auto* caption = new QLabel(QString::fromLatin1(layout.caption), t.dataBox);
        if (layout.objectName)
            caption->setObjectName(QString::fromLatin1(layout.objectName));
        auto* edit = new QLineEdit(t.dataBox);
        edit->setMaxLength(DimensionFieldMaxLength);
        edit->setObjectName(QStringLiteral("Field%1_%2").arg(index).arg(fieldIndex));
        dataLayout->addWidget(caption);
        dataLayout->addWidget(edit);
        t.fields.push_back(edit);
        const int i = fieldIndex++;
        connect(edit, &QLineEdit::textChanged, this, [this, kind, i] { fieldChanged(kind, i); });
    }
    const QStringList startTexts = kind == SectionKind::U   ? QStringList{"40", "10", "3", "3"}
                                   : kind == SectionKind::L ? QStringList{"40", "10", "3"}
                                   : (kind == SectionKind::I || kind == SectionKind::T)
                                       ? QStringList{"50", "100", "3", "3"}
                                       : QStringList{};
    for (int i = 0; i < startTexts.size(); ++i) {
        const QSignalBlocker block(t.fields[std::size_t(i)]);
        t.fields[std::size_t(i)]->setText(startTexts[i]);
    }
    if (kind == SectionKind::Plate)
        for (QLineEdit* f : t.fields) {
            const QSignalBlocker block(f);
            f->setText(QStringLiteral("0"));
        }
    if (kind == SectionKind::U) {
        // The arrangement boxes behave as one choice; a ticked box stays ticked.
        t.arrangement = new QButtonGroup(t.dataBox);
        t.arrangement->setExclusive(true);
        const char* captions[3] = {"U", "2 x U []", "2 x U ]["};
        for (int i = 0; i < 3; ++i) {
            auto* box = new QCheckBox(QString::fromLatin1(captions[i]), t.dataBox);
            box->setObjectName(QStringLiteral("UArrangement%1").arg(i));
            box->setEnabled(false);
            t.arrangement->addButton(box, i);
            dataLayout->addWidget(box);
        }
        t.arrangement->button(0)->setChecked(true);
        connect(t.arrangement, &QButtonGroup::idClicked, this, [this] { treeChanged(SectionKind::U); });
    }
    dataLayout->addStretch();
    t.toList = new QPushButton(QStringLiteral("To List"), t.dataBox);
    if (keys.toList)
        t.toList->setObjectName(QString::fromLatin1(keys.toList));
    t.toList->setEnabled(false);
    connect(t.toList, &QPushButton::clicked, this, [this, kind] { toList(kind); });
    dataLayout->addWidget(t.toList);
    row->addWidget(t.dataBox, 2);

    t.featuresBox = new QGroupBox(QString::fromLatin1(FeaturesBoxCaptions[index]), t.panel);
    t.featuresBox->setObjectName(QString::fromLatin1(keys.featuresBox));
    auto* featuresLayout = new QVBoxLayout(t.featuresBox);
    auto* frame = new QFrame(t.featuresBox);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(1);
    frame->setFixedSize(242, 162);
    t.picture = new QLabel(frame);
    t.picture->setGeometry(1, 1, 240, 160);
    t.picture->setPixmap(QPixmap::fromImage(sectionPicture(pictureFor(kind))));
    featuresLayout->addWidget(frame, 0, Qt::AlignHCenter);
    t.results = new ResultsPanelView(t.featuresBox);
    featuresLayout->addWidget(t.results);
    row->addWidget(t.featuresBox, 0);

    connect(t.tree, &QTreeWidget::currentItemChanged, this, [this, kind] { treeChanged(kind); });
    if (kind == SectionKind::Plate)
        connect(t.tree, &QTreeWidget::itemDoubleClicked, this, [this] {
            plateChanged();
            if (m_plateRecord >= 0)
                tab(SectionKind::Plate).fields[0]->setFocus();
        });
    if (holdsOffKeys(kind))
        t.tree->installEventFilter(this);
    return t;
}

void MainWindow::buildMaterialBar(QWidget* parent)
{
    auto* bar = new QWidget(parent);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    int captionIndex = 0;
    const auto addPair = [&](const char* caption, const char* key, QWidget* input) {
        auto* column = new QVBoxLayout;
        auto* label = new QLabel(QString::fromLatin1(caption), bar);
        m_materialCaptions[std::size_t(captionIndex++)] = label;
        label->setObjectName(QString::fromLatin1(key));
        column->addWidget(label);
        column->addWidget(input);
        layout->addLayout(column);
    };
    const auto comboBox = [&](const QStringList& items, int longest) {
        auto* box = new QComboBox(bar);
        box->setEditable(true);
        box->addItems(items);
        box->setCurrentIndex(0);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMinimumContentsLength(longest);
        return box;
    };
    m_eBox = comboBox(eModulusItems(), 15);
    m_densityBox = comboBox(densityItems(), 6);
    m_poissonBox = comboBox(poissonItems(), 15);
    m_tensile = new QLineEdit(QStringLiteral("300"), bar);
    m_pressure = new QLineEdit(QStringLiteral("-300"), bar);
    m_pressure->installEventFilter(this);
    addPair("E modulus [KN/m2]:", "Panel53", m_eBox);
    addPair("Density [Kg/m3]:", "Panel56", m_densityBox);
    addPair("Poisson :", "Panel58", m_poissonBox);
    addPair("Max.Tensil[N/mm2]:", "Panel70", m_tensile);
    addPair("Min.Pressure[N/mm2]:", "Panel71", m_pressure);
    connect(m_eBox, &QComboBox::editTextChanged, this, &MainWindow::onEModulusEdited);
    connect(m_densityBox, &QComboBox::editTextChanged, this, &MainWindow::onDensityEdited);
    connect(m_poissonBox, &QComboBox::editTextChanged, this, &MainWindow::onPoissonEdited);
    connect(m_tensile, &QLineEdit::textChanged, this, &MainWindow::onTensileEdited);
    connect(m_pressure, &QLineEdit::textChanged, this, &MainWindow::onPressureEdited);

    // List commands, in a row of their own above the list; their windows
    // arrive with the item list.
    auto* listRow = new QWidget(parent);
    auto* listCommands = new QHBoxLayout(listRow);
    listCommands->setContentsMargins(0, 0, 0, 0);
    const char* listButtons[][2] = {{"Edit stringgrid....", "Button1"},
                                    {"Private data editing ....", "Button2"},
                                    {"Delete selected item(s)", "DeleteItems"},
                                    {"Correction selected item...", "CorrectItem"}};
    for (const auto& b : listButtons) {
        auto* button = new QPushButton(QString::fromLatin1(b[0]), listRow);
        button->setObjectName(QString::fromLatin1(b[1]));
        button->setEnabled(false);
        listCommands->addWidget(button);
        if (QLatin1String(b[1]) == QLatin1String("DeleteItems")) {
            m_deleteButton = button;
            connect(button, &QPushButton::clicked, this, &MainWindow::deleteSelectedItems);
        } else if (QLatin1String(b[1]) == QLatin1String("CorrectItem")) {
            m_correctButton = button;
            connect(button, &QPushButton::clicked, this, &MainWindow::correctSelectedItem);
        }
    }
    listCommands->addStretch();

    auto* rotation = new QVBoxLayout;
    m_rotateButton = new QPushButton(QStringLiteral("Rotate section:"), bar);
    m_rotateButton->setObjectName(QStringLiteral("BitBtn2"));
    m_rotateButton->setEnabled(false);
    connect(m_rotateButton, &QPushButton::clicked, this, &MainWindow::rotateSection);
    m_rotationCaption = new QLabel(QStringLiteral("0  /degrees/"), bar);
    m_rotationCaption->setObjectName(QStringLiteral("Label71"));
    rotation->addWidget(m_rotateButton);
    rotation->addWidget(m_rotationCaption);
    layout->addLayout(rotation);
    parent->layout()->addWidget(bar);
    parent->layout()->addWidget(listRow);
}

void MainWindow::buildGrid(QWidget* parent)
{
    m_model = new ItemListModel(m_itemList, this);
    m_grid = new QTableView(parent);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->setModel(m_model);
    m_delegate = new ItemGridDelegate(m_grid);
    m_grid->setItemDelegate(m_delegate);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(32);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    QFont small = m_grid->horizontalHeader()->font();
    small.setPixelSize(9);
    m_grid->horizontalHeader()->setFont(small);
    m_grid->horizontalHeader()->setFixedHeight(35);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const int widths[12] = {20, 0, 137, 60, 40, 60, 80, 80, 80, 70, 40, 70};
    for (int c = 0; c < 12; ++c)
        m_grid->setColumnWidth(c, widths[c]);
    m_grid->setColumnHidden(1, true);
    setGridHeader();
    parent->layout()->addWidget(m_grid);

    auto* popup = new QMenu(this);
    popup->addAction(QStringLiteral("Delete selected item(s)"), this, &MainWindow::deleteSelectedItems)
        ->setObjectName(QStringLiteral("Kijelltsortrlse1"));
    popup->addAction(QStringLiteral("Correction selected item..."), this, &MainWindow::correctSelectedItem)
        ->setObjectName(QStringLiteral("Correctionselecteditem1"));
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint& at) { popup->popup(m_grid->viewport()->mapToGlobal(at)); });
    connect(m_grid, &QTableView::doubleClicked, this, &MainWindow::correctSelectedItem);
    // Any cell the user selects, by mouse or keyboard, ends a correction and
    // becomes the row the other windows work on.
    connect(m_grid, &QTableView::pressed, this, [this](const QModelIndex& index) { userSelectedRow(index.row() + 1); });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!m_selectingRow && current.isValid())
                    userSelectedRow(current.row() + 1);
            });
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateRowHeights(); });

    m_blinkTimer = new QTimer(this);
    m_blinkTimer->setObjectName(QStringLiteral("RowBlinkTimer"));
    m_blinkTimer->setInterval(250);
    connect(m_blinkTimer, &QTimer::timeout, this, [this] {
        if (!m_state.RowBlinkEnabled) {
            m_blinkTimer->stop();
            m_delegate->setBlinkRow(-1);
        } else {
            m_delegate->setBlinkRow(m_grid->currentIndex().row());
            m_delegate->toggleBlinkPhase();
        }
        m_grid->viewport()->update();
    });
}

void MainWindow::setGridHeader()
{
    m_model->setHeaderCaptions(headerCaptions(m_state.units, msg(), m_state.UnitsApplied));
}

void MainWindow::userSelectedRow(int row)
{
    endCorrection();
    m_state.SelectedRow = row;
}

void MainWindow::updateRowHeights()
{
    const QFontMetrics metrics(ItemGridDelegate::cellFont(true));
    const int width = m_grid->columnWidth(2) - 4;
    for (int r = 0; r < m_model->rowCount(); ++r) {
        const bool selected = m_grid->selectionModel()->isRowSelected(r, {});
        const QString designation = m_model->index(r, 2).data().toString();
        m_grid->setRowHeight(r, selected ? ItemGridDelegate::designationHeight(designation, metrics, width) : 32);
    }
}

QLabel* MainWindow::statusPanel(int i) const
{
    return m_status.at(std::size_t(i));
}

MainWindow::Tab& MainWindow::tab(SectionKind kind)
{
    return m_tabs_[std::size_t(kind)];
}

const MainWindow::Tab& MainWindow::tab(SectionKind kind) const
{
    return m_tabs_[std::size_t(kind)];
}

SectionKind MainWindow::currentKind() const
{
    return static_cast<SectionKind>(std::max(0, m_tabs->currentIndex()));
}

QTreeWidget* MainWindow::tree(SectionKind kind) const { return tab(kind).tree; }
QLineEdit* MainWindow::field(SectionKind kind, int index) const { return tab(kind).fields.at(std::size_t(index)); }
QPushButton* MainWindow::toListButton(SectionKind kind) const { return tab(kind).toList; }
ResultsPanelView* MainWindow::resultsPanel(SectionKind kind) const { return tab(kind).results; }
QGroupBox* MainWindow::dataBox(SectionKind kind) const { return tab(kind).dataBox; }
QWidget* MainWindow::sectionPanel(SectionKind kind) const { return tab(kind).panel; }
int MainWindow::angle(SectionKind kind) const { return tab(kind).angle; }
QImage MainWindow::tabPicture(SectionKind kind) const { return tab(kind).picture->pixmap().toImage(); }
QButtonGroup* MainWindow::uArrangement() const { return tab(SectionKind::U).arrangement; }

void MainWindow::start()
{
    m_state.SkipJobNamePrompt = true;
    m_state.SectionsEnabled = true;
    {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(0);
    }
    newJob();
}

void MainWindow::newJob()
{
    m_state.RowBlinkEnabled = false;
    m_area->setCurrentWidget(m_sectionPage);
    m_state.SectionsEnabled = true;
    // A cancelled or failed save keeps the list.
    if (!m_itemList.isEmpty() && askYesNo(msg()(44)) && !saveJob())
        return;
    m_itemList.clear();
    refreshGrid();
    selectRow(1);
    m_tabs->setEnabled(true);
    m_grid->setEnabled(true);
    if (m_requirementAction)
        m_requirementAction->setEnabled(true);
    switchTab();
    m_state.jobName = m_state.SkipJobNamePrompt ? QStringLiteral("Noname") : askJobName(QString());
    m_state.SkipJobNamePrompt = false;
    updateStatus();
}

QString MainWindow::askJobName(const QString& current)
{
    const QString answer = askText(msg()(46), msg()(45), current).left(24);
    return answer.isEmpty() ? QStringLiteral("Noname") : answer;
}

void MainWindow::changeJobName()
{
    m_state.jobName = askJobName(m_state.jobName);
    updateStatus();
}

void MainWindow::refreshGrid()
{
    m_state.NextListRow = m_itemList.NextListRow();
    {
        // The reset forgets the current row; the selected row stays selected.
        const QScopedValueRollback guard(m_selectingRow, true);
        m_model->reset();
        const int row = std::clamp(m_state.SelectedRow, 1, std::max(1, m_itemList.count()));
        const QModelIndex index = m_model->index(row - 1, 0);
        m_grid->setCurrentIndex(index);
        m_grid->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    // The reset cleared the selection, so selecting the row again has already
    // set the row heights.
    const bool hasItems = !m_itemList.isEmpty();
    m_deleteButton->setEnabled(hasItems);
    m_correctButton->setEnabled(hasItems);
}

void MainWindow::selectRow(int r)
{
    const QScopedValueRollback guard(m_selectingRow, true);
    m_state.SelectedRow = r;
    const QModelIndex index = m_model->index(r - 1, 0);
    m_grid->setCurrentIndex(index);
    m_grid->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_grid->scrollTo(index);
}

void MainWindow::addListItems(QComboBox* box, const QStringList& items)
{
    const QSignalBlocker block(box);
    const QString text = box->currentText();
    for (const QString& item : items)
        if (box->findText(item) < 0)
            box->addItem(item);
    box->setEditText(text);
}

void MainWindow::toList(SectionKind kind)
{
    Tab& t = tab(kind);
    const MessageTable& m = msg();
    const bool correcting = m_state.RowBlinkEnabled && !m_itemList.isEmpty();
    const int target = correcting ? std::clamp(m_state.SelectedRow, 1, m_itemList.count()) : m_itemList.NextListRow();

    if (kind == SectionKind::Plate) {
        // Plate rows are always appended.
        if (m_plateRecord < 0)
            return;
        const long double mass = readNumber(ProfileTable::builtIn().valueText(m_plateRecord, 1)).value_or(0);
        const PlateRowOutcome out = writePlateRow(m_itemList.NextListRow(), selectedEntry(kind), t.fields[0]->text(),
                                                  t.fields[1]->text(), QStringLiteral("1"), QString(), mass, m);
        for (const QString& message : out.messages)
            showMessage(message);
        if (!out.written) {
            showMessage(out.refusal);
            return;
        }
        const int r = m_itemList.NextListRow();
        m_itemList.put(r, out.row);
        refreshGrid();
        const ListTotals totals = ShowListTotals(m_itemList, m);
        if (totals.unreadable)
            showMessage(m(1));
        m_status[1]->setText(totals.weight);
        m_status[2]->setText(totals.outside);
        selectRow(r);
        return;
    }

    recompute(kind);
    SectionListing listing;
    listing.kind = kind;
    for (QLineEdit* f : t.fields)
        if (f)
            listing.fields << f->text();
    listing.dataCaption = t.dataBox->title();
    listing.angle = t.angle;
    listing.properties = m_state.properties;
    listing.overlay = m_overlay;
    listing.units = m_state.units;

    MaterialTexts& material = listing.material;
    material.eModulus = m_eBox->currentText();
    material.density = m_densityBox->currentText();
    material.poisson = m_poissonBox->currentText();
    material.tensile = m_tensile->text();
    material.pressure = m_pressure->text();
    material.eItems = itemsOf(m_eBox);
    material.densityItems = itemsOf(m_densityBox);
    material.poissonItems = itemsOf(m_poissonBox);

    WriteOutcome out = listSection(target, listing, m);
    if (!out.written) {
        if (out.refusal.isEmpty())
            return;
        // A refused listing leaves the list as it was (no half-written row).
        showMessage(out.refusal);
        switch (out.focus) {
        case MaterialField::Tensile: m_tensile->setFocus(); break;
        case MaterialField::Pressure: m_pressure->setFocus(); break;
        case MaterialField::Poisson: m_poissonBox->setFocus(); break;
        default: break;
        }
        return;
    }
    for (const QString& message : out.messages)
        showMessage(message);
    addListItems(m_eBox, out.eItems);
    addListItems(m_densityBox, out.densityItems);
    addListItems(m_poissonBox, out.poissonItems);
    m_itemList.put(target, out.row);
    refreshGrid();
    selectRow(target);
}

void MainWindow::deleteSelectedItems()
{
    endCorrection();
    if (m_itemList.isEmpty() || !askYesNo(msg()(59)))
        return;
    const QModelIndexList rows = m_grid->selectionModel()->selectedRows();
    int first = m_state.SelectedRow, last = first;
    if (!rows.isEmpty()) {
        first = last = rows.first().row() + 1;
        for (const QModelIndex& index : rows) {
            first = std::min(first, index.row() + 1);
            last = std::max(last, index.row() + 1);
        }
    }
    m_itemList.removeRows(first, last);
    refreshGrid();
}

void MainWindow::correctSelectedItem()
{
    if (m_itemList.isEmpty())
        return;
    m_state.RowBlinkEnabled = true;
    m_blinkTimer->start();
}

void MainWindow::endCorrection()
{
    if (!m_blinkTimer->isActive() && !m_state.RowBlinkEnabled)
        return;
    m_blinkTimer->stop();
    m_state.RowBlinkEnabled = false;
    m_delegate->setBlinkRow(-1);
    m_grid->viewport()->update();
}

void MainWindow::showUnitsWindow()
{
    m_unitsWindow->setUnits(m_state.units);
    if (m_unitsWindow->exec() == QDialog::Accepted)
        applyUnits(m_unitsWindow->units());
}

void MainWindow::showRequirementWindow()
{
    m_requirementWindow->refresh();
    m_requirementWindow->show();
    m_requirementWindow->raise();
}

void MainWindow::recomputeCurrent()
{
    if (m_state.SectionsEnabled)
        recompute(currentKind());
}

void MainWindow::applyUnits(const UnitSettings& units)
{
    const UnitSettings applied = m_state.units;
    if (units.digits() == applied.digits())
        return;
    m_state.units = units;
    const MessageTable& m = msg();
    const auto factor = [&](UnitGroup g) { return unitFactor(g, applied.choice(g), units.choice(g)); };
    const auto reexpressBox = [&](QComboBox* box, UnitGroup g, ListNumberStyle style) {
        const QSignalBlocker block(box);
        const long double f = factor(g);
        const QString text = reexpressListText(box->currentText(), f, style);
        for (int i = 0; i < box->count(); ++i)
            box->setItemText(i, reexpressListText(box->itemText(i), f, style));
        box->setEditText(text);
    };
    reexpressBox(m_eBox, UnitGroup::EModulus, ListNumberStyle::Whole);
    reexpressBox(m_densityBox, UnitGroup::Density, ListNumberStyle::Density);
    {
        const QSignalBlocker b1(m_tensile), b2(m_pressure);
        m_tensile->setText(reexpressStress(m_tensile->text(), factor(UnitGroup::Stress), false));
        m_pressure->setText(reexpressStress(m_pressure->text(), factor(UnitGroup::Stress), true));
    }
    m_materialCaptions[0]->setText(m(79) + QLatin1Char(' ') + unitText(units, UnitGroup::EModulus));
    m_materialCaptions[1]->setText(m(80) + QLatin1Char(' ') + unitText(units, UnitGroup::Density));
    m_materialCaptions[3]->setText(m(91) + QLatin1Char(' ') + unitText(units, UnitGroup::Stress));
    m_materialCaptions[4]->setText(m(92) + QLatin1Char(' ') + unitText(units, UnitGroup::Stress));
    reexpressRows(m_itemList, units);
    m_state.UnitsApplied = true;
    setGridHeader();
    refreshGrid();
    m_limits.reexpress(applied, units);
    m_requirementWindow->refresh();
    m_requirementWindow->setUnits(units);
    recomputeCurrent();
}

void MainWindow::updateStatus()
{
    m_statusJob->setText(msg()(43) + m_state.jobName + QStringLiteral(" -"));
}

void MainWindow::switchTab()
{
    if (!m_state.SectionsEnabled)
        return;
    for (int i = 0; i < 4; ++i)
        m_tabs->setTabText(i, msg()(47 + i));
    const SectionKind kind = currentKind();
    Tab& t = tab(kind);
    if (!t.tree->currentItem() && t.tree->topLevelItemCount() > defaultRow(kind)) {
        const QSignalBlocker block(t.tree);
        t.tree->setCurrentItem(t.tree->topLevelItem(defaultRow(kind)));
    }
    const bool rotatable = isRotatable(kind);
    m_rotateButton->setEnabled(rotatable);
    m_rotationCaption->setText(rotatable ? QString::number(t.angle) + msg()(51) : msg()(52));
    const int longCaption[SectionKindCount] = {33, 53, 54, 55, 0, 0, 0, 0, 0, 0};
    if (longCaption[int(kind)])
        m_tabs->setTabText(int(kind), msg()(longCaption[int(kind)]));
    m_panels->setCurrentWidget(t.panel);
    for (Tab& other : m_tabs_)
        other.panel->setVisible(&other == &t);
    if (QTreeWidgetItem* item = t.tree->currentItem())
        t.tree->scrollToItem(item);
    t.tree->setFocus();
    if (computes(kind))
        recompute(kind);
}

QString MainWindow::selectedEntry(SectionKind kind) const
{
    const QTreeWidgetItem* item = tab(kind).tree->currentItem();
    return item ? item->text(0) : QString();
}

ComputeContext MainWindow::context(SectionKind kind) const
{
    ComputeContext ctx;
    ctx.densityText = m_densityBox->currentText();
    ctx.units = m_state.units;
    ctx.angle = tab(kind).angle;
    ctx.colour = m_limits.query(msg());
    return ctx;
}

void MainWindow::recompute(SectionKind kind)
{
    if (!fieldsDriveTree(kind) && selectedEntry(kind) == msg()(96) && !tab(kind).fields.empty() &&
        tab(kind).customAllowed)
        runCustom(kind, 0);
    else
        treeChanged(kind);
}

void MainWindow::plateChanged()
{
    const PlateResult result = plateEntry(selectedEntry(SectionKind::Plate), context(SectionKind::Plate),
                                          ProfileTable::builtIn());
    m_plateRecord = result.record;
    apply(SectionKind::Plate, result.tab);
    redrawPlate();
}

void MainWindow::redrawPlate()
{
    // The plate picture carries the two lengths written on it; it never turns.
    Tab& t = tab(SectionKind::Plate);
    QImage image = sectionPicture(PictureKind::Plate).copy();
    QPainter p(&image);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    p.setFont(font);
    p.fillRect(QRect(QPoint(165, 95), QPoint(190, 107)), Qt::white);
    p.fillRect(QRect(QPoint(103, 5), QPoint(133, 17)), Qt::white);
    p.setPen(QColor(0, 0, 128));
    if (m_plateRecord >= 0) {
        p.drawText(QRect(165, 95, 60, 14), Qt::AlignLeft | Qt::AlignTop, t.fields[1]->text());
        p.drawText(QRect(103, 5, 60, 14), Qt::AlignLeft | Qt::AlignTop, t.fields[0]->text());
    }
    p.end();
    t.picture->setPixmap(QPixmap::fromImage(image));
    // A plate can be listed once it is chosen and both lengths are given.
    t.toList->setEnabled(m_plateRecord >= 0 && t.fields[0]->text() != QLatin1String("0") &&
                         t.fields[1]->text() != QLatin1String("0"));
}

void MainWindow::treeChanged(SectionKind kind)
{
    if (m_state.SectionsEnabled && kind == SectionKind::Plate) {
        plateChanged();
        return;
    }
    if (!m_state.SectionsEnabled || !computes(kind))
        return;
    if (holdsOffKeys(kind) && !m_state.TreeUpdateEnabled)
        return;
    Tab& t = tab(kind);
    t.customAllowed = false;
    const QString entry = selectedEntry(kind);
    QStringList texts;
    for (QLineEdit* f : t.fields)
        texts << f->text();
    const int arrangement = t.arrangement ? t.arrangement->checkedId() : 0;
    const auto result = computeEntry(kind, entry, context(kind), texts, arrangement);
    t.customAllowed = entry == msg()(96);
    if (result)
        apply(kind, *result);
}

void MainWindow::fieldChanged(SectionKind kind, int index)
{
    if (m_suppressed > 0)
        return;
    Tab& t = tab(kind);
    QLineEdit* edit = t.fields[std::size_t(index)];
    if (kind == SectionKind::Plate) {
        // Plate lengths are whole millimetres; an empty field reads "0".
        QString text = edit->text();
        for (int i = 0; i < text.size(); ++i)
            if (!text[i].isDigit() || text[i].unicode() > 127) {
                text.remove(i, 1);
                QApplication::beep();
                break;
            }
        if (text.isEmpty())
            text = QStringLiteral("0");
        if (text != edit->text()) {
            edit->setText(text);
            return;
        }
        redrawPlate();
        return;
    }
    const QString filtered = FilterDimensionText(edit->text());
    if (filtered != edit->text()) {
        edit->setText(filtered); // runs this change again with the clean text
        return;
    }
    if (!computes(kind))
        return;
    if (fieldsDriveTree(kind)) {
        // The I, T, U and L tabs check the fields and rerun their tree change.
        if (selectedEntry(kind) == msg()(96))
            treeChanged(kind);
        return;
    }
    if (!t.customAllowed)
        return;
    runCustom(kind, index);
}

void MainWindow::runCustom(SectionKind kind, int changedField)
{
    Tab& t = tab(kind);
    QStringList texts;
    for (QLineEdit* f : t.fields)
        texts << f->text();
    if (const auto result = computeCustom(kind, texts, changedField, context(kind)))
        apply(kind, *result);
}

void MainWindow::apply(SectionKind kind, const TabResult& result)
{
    Tab& t = tab(kind);
    t.results->setPanel(result.panel);
    m_labels = result.labels;
    if (result.dataCaption)
        t.dataBox->setTitle(*result.dataCaption);
    if (result.fieldTexts) {
        ++m_suppressed;
        for (int i = 0; i < result.fieldTexts->size() && i < int(t.fields.size()); ++i)
            if (!result.fieldTexts->at(i).isNull())
                t.fields[std::size_t(i)]->setText(result.fieldTexts->at(i));
        --m_suppressed;
    }
    if (result.fieldsEnabled) {
        for (QLineEdit* f : t.fields)
            f->setEnabled(*result.fieldsEnabled);
        if (t.arrangement)
            for (QAbstractButton* b : t.arrangement->buttons())
                b->setEnabled(*result.fieldsEnabled);
    }
    t.pictureVariant = result.pictureVariant;
    t.toList->setEnabled(result.toListEnabled);
    if (result.properties)
        m_state.properties = *result.properties;
    redrawOverlay();
    for (const QString& message : result.messages)
        showMessage(message);
}

void MainWindow::redrawOverlay()
{
    const SectionKind kind = currentKind();
    if (kind == SectionKind::Plate)
        return; // the plate picture is written on directly, never turned
    Tab& t = tab(kind);
    DimensionLabelTable table;
    table.setLabels(m_labels);
    m_overlay = RedrawOverlay(sectionPicture(pictureFor(kind, static_cast<UArrangement>(t.pictureVariant))), t.angle,
                              table, msg());
    t.picture->setPixmap(QPixmap::fromImage(m_overlay));
}

void MainWindow::rotateSection()
{
    const SectionKind kind = currentKind();
    if (!isRotatable(kind))
        return;
    // A cancelled dialog answers its default, so it turns the section back to 0.
    const QString answer = askText(msg()(94), msg()(95), QStringLiteral("0"));
    const auto value = readInteger(answer);
    if (!value || *value < 0 || *value > 359) {
        showMessage(msg()(1));
        return;
    }
    tab(kind).angle = int(*value);
    m_rotationCaption->setText(QString::number(*value) + msg()(51));
    redrawOverlay();
    if (computes(kind))
        recompute(kind);
}

void MainWindow::typicalType(SectionKind kind)
{
    Tab& t = tab(kind);
    t.tree->collapseAll();
    if (t.tree->topLevelItemCount() == 0)
        return;
    {
        const QSignalBlocker block(t.tree);
        t.tree->setCurrentItem(t.tree->topLevelItem(0));
    }
    t.tree->scrollToItem(t.tree->topLevelItem(0));
    treeChanged(kind);
    t.tree->setFocus();
}

void MainWindow::allType(SectionKind kind)
{
    Tab& t = tab(kind);
    t.tree->expandAll();
    if (t.tree->topLevelItemCount() == 0)
        return;
    t.tree->setCurrentItem(t.tree->topLevelItem(0));
    t.tree->scrollToItem(t.tree->topLevelItem(0));
    t.tree->setFocus();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        for (Tab& t : m_tabs_) {
            if (watched != t.tree || key->isAutoRepeat())
                continue;
            if (event->type() == QEvent::KeyPress) {
                m_state.TreeUpdateEnabled = false;
            } else {
                m_state.TreeUpdateEnabled = true;
                treeChanged(t.kind);
            }
        }
    }
    if (watched == m_pressure && event->type() == QEvent::FocusOut && m_pressure->text() == QLatin1String("-")) {
        showMessage(msg()(1));
        m_pressure->setFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}

namespace {
// Puts a filtered text back into an editable box.
void putBack(QComboBox* box, const QString& text)
{
    if (box->currentText() != text) {
        const QSignalBlocker block(box);
        box->setEditText(text);
    }
}
void putBack(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text) {
        const QSignalBlocker block(edit);
        edit->setText(text);
    }
}
} // namespace


void MainWindow::onEModulusEdited(const QString& text)
{
    const FilterOutcome out = filterEModulus(text, itemsOf(m_eBox));
    putBack(m_eBox, out.text);
    for (int i = 0; i < out.beeps; ++i)
        QApplication::beep();
    if (out.refocus)
        m_eBox->setFocus();
}

void MainWindow::onDensityEdited(const QString& text)
{
    putBack(m_densityBox, filterDensity(text, itemsOf(m_densityBox)).text);
    // The weight follows the density.
    if (m_state.SectionsEnabled && computes(currentKind()))
        recompute(currentKind());
}

void MainWindow::onPoissonEdited(const QString& text)
{
    putBack(m_poissonBox, filterPoisson(text, itemsOf(m_poissonBox)).text);
}

void MainWindow::onTensileEdited(const QString& text)
{
    putBack(m_tensile, filterTensile(text).text);
}

void MainWindow::onPressureEdited(const QString& text)
{
    putBack(m_pressure, filterPressure(text).text);
}

int MainWindow::visibleListRowsFor(int width, int height)
{
    if (width < 780 || height < 575)
        return 2;
    return int(std::nearbyint((height - 670) / 32.0)) + 2;
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    m_state.VisibleListRows = visibleListRowsFor(width(), height());
    if (m_state.VisibleListRows == 2 && (width() < 780 || height() < 575))
        m_grid->setFixedHeight(100);
    else {
        m_grid->setMinimumHeight(100);
        m_grid->setMaximumHeight(QWIDGETSIZE_MAX);
    }
}

void MainWindow::showHelp()
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help.html"));
    if (m_shell)
        m_shell->open(path); // a missing help page is not reported
}

void MainWindow::showAbout()
{
    QMessageBox::about(this, QStringLiteral("About Morvane"),
                       QStringLiteral("<b>Morvane</b><br>*** Computation of geometric properties ***<br>"
                                      "Version : 3.1 /  17. 04. 2004 <br><br>Written by the Morvane developers"));
}

void MainWindow::exitCommand()
{
    // A cancelled or failed save keeps the program open.
    if (!m_itemList.isEmpty() && askYesNo(msg()(44)) && !saveJob())
        return;
    m_state.ExitConfirmed = true;
    m_state.CloseAllowed = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_state.ExitConfirmed) {
        exitCommand();
        if (m_state.CloseAllowed) {
            event->accept();
            return;
        }
    }
    if (m_state.CloseAllowed)
        event->accept();
    else
        event->ignore();
}
