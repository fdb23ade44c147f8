#include "mainwindow.h"
#include "enterkey.h"

#include "builtupwindow.h"
#include "exactpropertieswindow.h"
#include "helpwindow.h"
#include "itemgrid.h"
#include "languageswitch.h"
#include "materialbar.h"
#include "printpreviewwindow.h"
#include "reportwindow.h"
#include "progresswindow.h"
#include "listeditorwindow.h"
#include "privatedatawindow.h"
#include "programtranslator.h"
#include "requirementwindow.h"
#include "resultspanelview.h"
#include "sectionpage.h"
#include "settingswindow.h"
#include "startpanel.h"
#include "translationwindow.h"
#include "unitswindow.h"

#include "itemlist/list_commands.h"
#include "itemlist/list_section.h"
#include "itemlist/list_sort.h"
#include "itemlist/private_item.h"
#include "itemlist/units_apply.h"

#include "base/number_format.h"
#include "catalogue/profile_catalogue.h"
#include "drawing/overlay.h"
#include "drawing/section_pictures.h"
#include "output/print_page.h"
#include "sections/profiles.h"
#include "sections/tab_computations.h"
#include "settings/desktop_shell.h"
#include "settings/message_table.h"
#include "settings/settings_store.h"
#include "settings/temporary_folder.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

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

// A push button that stands for a command: it triggers the action and
// follows its enabled state and its text (a language changes it).
void bindButton(QAbstractButton* button, QAction* action)
{
    button->setEnabled(action->isEnabled());
    QObject::connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button, [button, action] {
        button->setEnabled(action->isEnabled());
        button->setText(action->text());
    });
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_ownPrompter(std::make_unique<DialogPrompter>())
    , m_prompter(*m_ownPrompter)
    , m_systemShell(std::make_unique<SystemShell>())
{
    build();
}

MainWindow::MainWindow(Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), m_prompter(prompter), m_systemShell(std::make_unique<SystemShell>())
{
    build();
}

void MainWindow::build()
{
    m_translator = new ProgramTranslator(this);
    m_shell = m_systemShell.get();
    buildProgressWindow();
    updateTitle();
    buildActions();
    setCentralWidget(buildBody());
    buildStatusBar();
    buildToolWindows();
    buildLanguages();
    buildListWindows();
    connectJob();
    placeOnScreen();
}

namespace {
const QString MessageTitle = QStringLiteral("Morvane");
} // namespace

void MainWindow::showMessage(const QString& text)
{
    m_prompter.showWarning(this, MessageTitle, text);
}

bool MainWindow::askYesNo(const QString& text)
{
    return m_prompter.askYesNo(this, MessageTitle, text) == Answer::Yes;
}

QString MainWindow::askText(const QString& caption, const QString& prompt, const QString& initial)
{
    TextQuestion question{caption, prompt, initial};
    if (m_textLimit > 0)
        question.maxLength = m_textLimit;
    return m_prompter.askText(this, question).value_or(initial);
}

Answer MainWindow::askSaveChanges(const QString& text)
{
    return m_prompter.askYesNoCancel(this, MessageTitle, text, Answer::Yes);
}

// The section area, the material bar and the list keep their design size in
// a small window, which scrolls instead of squeezing them.
QWidget* MainWindow::buildBody()
{
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* body = new QWidget(scroll);
    body->setObjectName(QStringLiteral("Body"));
    auto* bodyLayout = new QVBoxLayout(body);
    // The layout keeps the body at least as large as its parts need (the
    // design size or more); below that the scroll area scrolls.
    bodyLayout->setContentsMargins(2, 2, 2, 2);
    bodyLayout->setSpacing(2);
    m_area = new QStackedWidget(body);
    auto* startPanel = new StartPanel(m_area);
    m_startButton = startPanel->startButton();
    connect(m_startButton, &QPushButton::clicked, this, &MainWindow::start);
    m_startPanel = startPanel;
    m_sectionArea = buildSectionArea();
    m_area->addWidget(m_startPanel);
    m_area->addWidget(m_sectionArea);
    m_area->setCurrentWidget(m_startPanel);
    bodyLayout->addWidget(m_area, 0);

    m_materialBar = new MaterialBar(messages(), body);
    bindButton(m_materialBar->rotateButton(), action(Command::RotateSection));
    connect(m_materialBar, &MaterialBar::messageRequested, this, [this](const QString& text) { showMessage(text); });
    // The weight follows the density.
    connect(m_materialBar, &MaterialBar::densityChanged, this, [this] {
        if (m_state.sectionsEnabled && kindComputes(currentKind()))
            recompute(currentKind());
    });
    bodyLayout->addWidget(m_materialBar);
    bodyLayout->addWidget(buildListCommands());

    m_grid = new ItemGrid(m_job.itemList(), body);
    m_grid->setHeaderCaptions(headerCaptions(m_job.units(), messages(), m_job.unitsApplied()));
    m_grid->setContextActions({action(Command::DeleteItems), action(Command::CorrectItem)});
    // Delete and Ctrl+C work on the list while it has the focus.
    m_grid->addActions({action(Command::DeleteItems), action(Command::Copy)});
    connect(m_grid, &ItemGrid::rowChosen, this, &MainWindow::userSelectedRow);
    connect(m_grid, &ItemGrid::correctionRequested, this, &MainWindow::correctSelectedItem);
    bodyLayout->addWidget(m_grid);
    scroll->setWidget(body);
    enterPressesFocusedButton(scroll);

    // Until the start nothing of the sections takes input.
    m_grid->setEnabled(false);
    m_tabs->setEnabled(true);
    for (SectionPage* page : m_pages) {
        for (int i = 0; i < page->fieldCount(); ++i)
            page->field(i)->setEnabled(false);
        page->hide();
    }
    return scroll;
}

void MainWindow::buildStatusBar()
{
    for (QLabel*& panel : m_status) {
        panel = new QLabel(this);
        statusBar()->addWidget(panel, 1);
    }
}

void MainWindow::buildToolWindows()
{
    m_unitsWindow = new UnitsWindow(messages(), this);
    m_requirementWindow = new RequirementWindow(m_job.limits(), messages(), this);
    m_requirementWindow->recompute = [this] { recomputeCurrent(); };
    m_printPreview = new PrintPreviewWindow(m_state.reportOptions, messages(), m_prompter, this);
    m_printPreview->setSettingsCaption(action(Command::Settings)->text());
    m_settingsWindow = new SettingsWindow(messages(), m_prompter, this);
    m_settingsWindow->setCaptions(action(Command::Settings)->text(), action(Command::Exit)->text());
    m_settingsWindow->setTemporaryFolder(TemporaryFolder::defaultPath());
    m_exactWindow = new ExactPropertiesWindow(messages(), this);
    // The report window and the print preview share one set of options and
    // show each other's changes at once.
    m_reportWindow = new ReportWindow(m_state.reportOptions, messages(), m_prompter, this);
    m_reportWindow->setPrintEnabled(true);
    m_reportWindow->setProgressWindow(m_progress);
    connect(m_reportWindow, &ReportWindow::printRequested, this, &MainWindow::printList);
    connect(m_reportWindow, &ReportWindow::optionsChanged, m_printPreview, &PrintPreviewWindow::refreshOptions);
    connect(m_printPreview, &PrintPreviewWindow::optionsChanged, m_reportWindow, &ReportWindow::showOptions);
    connect(m_printPreview, &PrintPreviewWindow::previewShown, m_reportWindow, &QWidget::close);
    // An unusable folder: the settings window lets the user choose another,
    // which the next report uses.
    connect(m_reportWindow, &ReportWindow::settingsRequested, this, [this] {
        showSettingsWindow();
        m_reportWindow->setTemporaryFolder(m_settingsWindow->temporaryFolder().path());
    });
}

// The translation window and the switch that reaches every window through
// its retranslate.
void MainWindow::buildLanguages()
{
    m_translationWindow = new TranslationWindow(messages(), m_prompter, this);
    m_languageSwitch = new LanguageSwitch(this, m_progress, this);
    for (SectionKind kind : AllSectionKinds)
        m_languageSwitch->addMenuTree(kind, page(kind)->tree());
    m_languageSwitch->componentsChanged = [this](const LanguageTexts& texts) {
        retranslateOwnTexts();
        m_settingsWindow->setCaptions(action(Command::Settings)->text(), action(Command::Exit)->toolTip());
        m_printPreview->setSettingsCaption(action(Command::Settings)->text());
        m_translationWindow->setFileHints(action(Command::LoadInput)->text(), action(Command::SaveInput)->text());
        // Windows whose captions are the main window's command texts.
        m_reportWindow->setCommandTexts(action(Command::ReportGenerator)->toolTip(), action(Command::Print)->text());
        m_printPreview->setSettingsCaption(action(Command::Settings)->text());
        m_listEditor->setDeleteQuestion(action(Command::DeleteItems)->toolTip());
        m_productName = texts.component(QStringLiteral("ProductName")).value_or(QString());
        updateTitle();
    };
    m_languageSwitch->messagesChanged = [this](const MessageTable& m) { setMessages(m); };
    m_languageSwitch->addWindow(m_unitsWindow);
    m_languageSwitch->addWindow(m_requirementWindow);
    m_languageSwitch->addWindow(m_settingsWindow);
    m_languageSwitch->addWindow(m_exactWindow);
    m_languageSwitch->addWindow(m_printPreview);
    m_languageSwitch->addWindow(m_reportWindow);
    // The help and built-up section windows are made when first asked for, in
    // the language then active.
    m_languageSwitch->addWindow([this](const MessageTable& m) {
        if (m_helpWindow)
            m_helpWindow->retranslate(m);
        if (m_builtUpWindow)
            m_builtUpWindow->retranslate(m);
    });
    m_languageSwitch->addWindow(m_translationWindow);
    m_translationWindow->applyLanguage = [this](int position, const LanguageTexts& texts) {
        // The program's own texts and Qt's follow a built-in language; the
        // user column has none of them and keeps English.
        m_translator->use(position);
        // A built-in language chosen here is the one stored at exit, too.
        if (position < BuiltInLanguageCount)
            m_settingsWindow->setLanguage(position);
        m_languageSwitch->apply(texts);
    };
    connect(m_settingsWindow, &SettingsWindow::languageChosen, m_translationWindow,
            &TranslationWindow::chooseLanguage);
}

// The private data window and the list editor; the language switch reaches
// them and the private data window's material lists as well.
void MainWindow::buildListWindows()
{
    m_privateWindow = std::make_unique<PrivateDataWindow>(messages(), m_prompter, this);
    m_privateWindow->setMaterialLists(m_materialBar->texts().eItems, m_materialBar->texts().densityItems);
    connect(m_privateWindow.get(), &PrivateDataWindow::listRequested, this, &MainWindow::listPrivateItem);
    connect(m_privateWindow.get(), &PrivateDataWindow::unitsRequested, this, &MainWindow::showUnitsWindow);
    m_listEditor = new ListEditorWindow(messages(), m_prompter, this);
    m_listEditor->setWindowModality(Qt::WindowModal);
    connect(m_listEditor, &ListEditorWindow::orderApplied, this, &MainWindow::applyEditorOrder);
    connect(m_listEditor, &ListEditorWindow::deleteRequested, this, &MainWindow::deleteEditorItems);
    connect(m_listEditor, &ListEditorWindow::correctionRequested, this, &MainWindow::correctEditorItem);
    connect(m_listEditor, &ListEditorWindow::unitsRequested, this, &MainWindow::showUnitsWindow);
    connect(m_listEditor, &ListEditorWindow::privateDataRequested, this,
            [this] { showPrivateDataWindowOver(m_listEditor); });
    m_languageSwitch->addWindow(m_privateWindow.get());
    m_languageSwitch->addWindow(m_listEditor);
    for (QComboBox* box : {m_privateWindow->eModulusBox(), m_privateWindow->densityBox(), m_privateWindow->poissonBox()})
        m_languageSwitch->addMaterialList(box);
}

void MainWindow::placeOnScreen()
{
    setMinimumSize(SmallestSize);
    setMaximumWidth(StartSize.width());
    resize(StartSize);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        if (screen->geometry().height() > TallScreenHeight)
            resize(StartSize.width(), screen->geometry().height() - ScreenMargin);
        move(available.center() - QPoint(width() / 2, height() / 2));
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::connectJob()
{
    connect(&m_job, &JobState::listChanged, this, &MainWindow::rebuildGrid);
    connect(&m_job, &JobState::unitsChanged, this, &MainWindow::showUnits);
    connect(&m_job, &JobState::languageChanged, this, &MainWindow::showLanguage);
    connect(&m_job, &JobState::materialsChanged, this, &MainWindow::showMaterials);
    connect(&m_job, &JobState::nameChanged, this, &MainWindow::updateStatus);
    connect(&m_job, &JobState::nameChanged, this, &MainWindow::updateTitle);
    connect(&m_job, &JobState::modifiedChanged, this, &QWidget::setWindowModified);
    connect(&m_job, &JobState::jobReplaced, this, &MainWindow::showJob);
    connect(m_materialBar, &MaterialBar::materialsEdited, this, [this] { m_job.setMaterials(m_materialBar->texts()); });
    connect(m_requirementWindow, &RequirementWindow::limitsEdited, &m_job, &JobState::limitsEdited);
}

void MainWindow::buildActions()
{
    m_actions = createCommandActions(this);
    // What each command runs; a command without an entry here stays disabled.
    const std::pair<Command, void (MainWindow::*)()> handlers[] = {
        {Command::ChangeJobName, &MainWindow::changeJobName},
        {Command::NewJob, &MainWindow::newJob},
        {Command::LoadInput, &MainWindow::loadInput},
        {Command::SaveInput, &MainWindow::saveInput},
        {Command::Exit, &MainWindow::exitCommand},
        {Command::Requirement, &MainWindow::showRequirementWindow},
        {Command::UnitsForListing, &MainWindow::showUnitsWindow},
        {Command::Settings, &MainWindow::showSettingsWindow},
        {Command::ReportGenerator, &MainWindow::showReportWindow},
        {Command::Translation, &MainWindow::showTranslationWindow},
        {Command::Help, &MainWindow::showHelp},
        {Command::About, &MainWindow::showAbout},
        {Command::DeleteItems, &MainWindow::deleteSelectedItems},
        {Command::CorrectItem, &MainWindow::correctSelectedItem},
        {Command::RotateSection, &MainWindow::rotateSection},
        {Command::Print, &MainWindow::printList},
        {Command::PrivateData, &MainWindow::showPrivateDataWindow},
        {Command::EditList, &MainWindow::editList},
        {Command::ExactProperties, &MainWindow::showExactPropertiesWindow},
        {Command::BuiltUpSection, &MainWindow::showBuiltUpWindow},
        {Command::Copy, &MainWindow::copySelectedRows},
    };
    for (const auto& [command, run] : handlers)
        connect(action(command), &QAction::triggered, this, run);
    // Requirement waits for New job, the list commands for items, Rotate
    // section for a tab whose section turns.
    for (Command c : {Command::ChangeJobName, Command::NewJob, Command::LoadInput, Command::SaveInput,
                      Command::Exit, Command::UnitsForListing, Command::Settings, Command::ReportGenerator,
                      Command::Translation, Command::Help, Command::About, Command::ExactProperties,
                      Command::BuiltUpSection})
        action(c)->setEnabled(true);
    fillMenus(menuBar(), m_actions);
    buildRecentJobsMenu();
    QToolBar* bar = addToolBar(QStringLiteral("Tools"));
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    fillToolBar(bar, m_actions);
}

void MainWindow::retranslateOwnTexts()
{
    action(Command::ReportGenerator)->setText(tr("Report generator"));
    action(Command::Translation)->setText(tr("Translation...."));
    action(Command::ExactProperties)->setText(tr("Exact properties"));
    action(Command::BuiltUpSection)->setText(tr("Built-up section ...."));
    action(Command::Copy)->setText(tr("Copy"));
    for (QAction* menu : menuBar()->actions())
        if (menu->objectName() == QLatin1String("EditMenu"))
            menu->setText(tr("Edit"));
    m_recentMenu->setTitle(tr("Recent jobs"));
    for (SectionPage* p : m_pages)
        p->retranslate();
}

QWidget* MainWindow::buildSectionArea()
{
    auto* area = new QWidget(m_area);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_tabs = new SectionTabBar({"RH Section", "CH Section", "RS Section", "CS Section", "Ribbon Section", "L Section",
                                "T Section", "Plate", "U Section", "I Section"},
                               area);
    m_tabs->setObjectName(QStringLiteral("tabcontrol1"));
    m_tabs->fitTo(DesignWidth - 4);
    layout->addWidget(m_tabs);
    m_panels = new QStackedWidget(area);
    layout->addWidget(m_panels);
    for (SectionKind kind : AllSectionKinds) {
        auto* page = new SectionPage(kind);
        m_pages.push_back(page);
        m_panels->addWidget(page);
        connectPage(page);
    }
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int) { switchTab(); });
    return area;
}

QWidget* MainWindow::buildListCommands()
{
    // List commands, in a row of their own above the list.
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const std::pair<Command, const char*> buttons[] = {{Command::EditList, "Button1"},
                                                       {Command::PrivateData, "Button2"},
                                                       {Command::DeleteItems, "DeleteItems"},
                                                       {Command::CorrectItem, "CorrectItem"}};
    for (const auto& [command, key] : buttons) {
        auto* button = new QPushButton(action(command)->text(), row);
        button->setObjectName(QString::fromLatin1(key));
        bindButton(button, action(command));
        layout->addWidget(button);
        if (command == Command::DeleteItems)
            m_deleteButton = button;
        else if (command == Command::CorrectItem)
            m_correctButton = button;
    }
    layout->addStretch();
    return row;
}

void MainWindow::connectPage(SectionPage* page)
{
    const SectionKind kind = page->kind();
    connect(page, &SectionPage::treeChanged, this, [this, kind] { treeChanged(kind); });
    connect(page, &SectionPage::fieldChanged, this, [this, kind](int i) { fieldChanged(kind, i); });
    connect(page, &SectionPage::arrangementChanged, this, [this, kind] { treeChanged(kind); });
    connect(page, &SectionPage::toListClicked, this, [this, kind] { toList(kind); });
    if (kind == SectionKind::Plate)
        connect(page, &SectionPage::entryActivated, this, [this, page] {
            plateChanged();
            if (m_state.plateRecord >= 0)
                page->field(0)->setFocus();
        });
    connect(page, &SectionPage::holdOffStarted, this, [this, kind] { startHoldOff(kind); });
    connect(page, &SectionPage::holdOffEnded, this, &MainWindow::endHoldOff);
}

// While a key is held on a tree its selection moves without computing; the
// computation runs once the key comes up. The key may come up on another
// widget (Tab moves the focus), so any key release ends the hold-off, as do
// the tree losing the focus and a mouse press on it.
void MainWindow::startHoldOff(SectionKind kind)
{
    m_state.treeUpdateEnabled = false;
    m_heldTree = kind;
    qApp->installEventFilter(this);
}

void MainWindow::endHoldOff()
{
    if (m_state.treeUpdateEnabled)
        return;
    qApp->removeEventFilter(this);
    m_state.treeUpdateEnabled = true;
    treeChanged(m_heldTree);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat())
        endHoldOff();
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// The current tab

SectionKind MainWindow::currentKind() const
{
    return static_cast<SectionKind>(std::max(0, m_tabs->currentIndex()));
}


// ---------------------------------------------------------------------------
// Start, jobs and the tab switch

void MainWindow::start()
{
    m_state.skipJobNamePrompt = true;
    m_state.sectionsEnabled = true;
    {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(0);
    }
    newJob();
}

bool MainWindow::settleChanges()
{
    // Only a list that changed since it was started, loaded or saved.
    if (m_job.itemList().isEmpty() || !m_job.isModified())
        return true;
    switch (askSaveChanges(messages()(Msg::SaveChanges))) {
    case Answer::No: return true;
    case Answer::Yes: return saveJob(); // a cancelled or failed save cancels the command
    case Answer::Cancel: break;
    }
    return false;
}

void MainWindow::newJob()
{
    if (!settleChanges())
        return;
    endCorrection();
    m_area->setCurrentWidget(m_sectionArea);
    m_state.sectionsEnabled = true;
    m_state.selectedRow = 1;
    m_job.startNew(QStringLiteral("Noname"));
    m_grid->selectListRow(1);
    enableJobCommands();
    switchTab();
    // The name is asked for over the emptied list; the job is still new.
    if (!m_state.skipJobNamePrompt)
        m_job.startNew(askJobName(QString()));
    m_state.skipJobNamePrompt = false;
}

void MainWindow::enableJobCommands()
{
    m_tabs->setEnabled(true);
    m_grid->setEnabled(true);
    action(Command::Requirement)->setEnabled(true);
    action(Command::PrivateData)->setEnabled(true);
}

QString MainWindow::askJobName(const QString& current)
{
    constexpr int JobNameLength = 24;
    const QScopedValueRollback limit(m_textLimit, JobNameLength);
    const QString answer = askText(messages()(Msg::JobNameCaption), messages()(Msg::JobNamePrompt), current).left(JobNameLength);
    return answer.isEmpty() ? QStringLiteral("Noname") : answer;
}

void MainWindow::changeJobName()
{
    m_job.setName(askJobName(m_job.name()));
}

// "Hall roof (hall.mvn)[*] - Morvane *** Computation of geometric
// properties ***" once a job is started; the mark shows while it is modified.
void MainWindow::updateTitle()
{
    const QString program = QStringLiteral("Morvane ") + m_productName;
    if (!m_state.sectionsEnabled) {
        setWindowTitle(program);
        return;
    }
    QString job = m_job.name();
    if (!m_job.fileName().isEmpty())
        job += QStringLiteral(" (") + QFileInfo(m_job.fileName()).fileName() + QLatin1Char(')');
    setWindowTitle(job + QStringLiteral("[*] - ") + program);
    setWindowModified(m_job.isModified());
}

void MainWindow::updateStatus()
{
    m_status[0]->setText(messages()(Msg::JobNamePrefix) + m_job.name() + QStringLiteral(" -"));
}

void MainWindow::switchTab()
{
    if (!m_state.sectionsEnabled)
        return;
    for (int i = 0; i < 4; ++i)
        m_tabs->setTabText(i, messages()(47 + i));
    const SectionKind kind = currentKind();
    SectionPage* p = page(kind);
    p->selectDefaultRow(defaultRow(kind));
    const bool rotatable = isRotatable(kind);
    action(Command::RotateSection)->setEnabled(rotatable);
    m_materialBar->showRotation(rotatable, p->angle());
    const int longCaption[SectionKindCount] = {33, 53, 54, 55, 0, 0, 0, 0, 0, 0};
    if (longCaption[int(kind)])
        m_tabs->setTabText(int(kind), messages()(longCaption[int(kind)]));
    m_panels->setCurrentWidget(p);
    for (SectionPage* other : m_pages)
        other->setVisible(other == p);
    p->showSelection();
    if (kindComputes(kind))
        recompute(kind);
    else
        forwardToExactWindow(kind, std::nullopt);
}

// ---------------------------------------------------------------------------
// Computation of the tabs

ComputeContext MainWindow::context(SectionKind kind) const
{
    ComputeContext ctx;
    ctx.messages = &m_job.messages();
    ctx.densityText = m_job.materials().density;
    ctx.units = m_job.units();
    ctx.angle = page(kind)->angle();
    ctx.colour = m_job.limits().query(messages());
    return ctx;
}

void MainWindow::recomputeCurrent()
{
    if (m_state.sectionsEnabled)
        recompute(currentKind());
}

void MainWindow::recompute(SectionKind kind)
{
    const SectionPage* p = page(kind);
    if (!fieldsDriveTree(kind) && p->selectedEntry() == messages()(Msg::CustomSection) && p->fieldCount() > 0 && p->customAllowed())
        runCustom(kind, 0);
    else
        treeChanged(kind);
}

void MainWindow::plateChanged()
{
    PlateResult result = plateEntry(page(SectionKind::Plate)->selectedEntry(), context(SectionKind::Plate),
                                    ProfileTable::builtIn());
    // Recomputing the plate that stays selected (new units or limits) keeps
    // the typed lengths; only a newly chosen plate starts from "0".
    if (result.record >= 0 && result.record == m_state.plateRecord)
        result.tab.fieldTexts.reset();
    m_state.plateRecord = result.record;
    apply(SectionKind::Plate, result.tab);
    redrawPlate();
}

void MainWindow::redrawPlate()
{
    SectionPage* p = page(SectionKind::Plate);
    p->setPicture(platePicture(m_state.plateRecord >= 0, p->field(0)->text(), p->field(1)->text()));
    // A plate can be listed once it is chosen and both lengths are given.
    p->toListButton()->setEnabled(m_state.plateRecord >= 0 && p->field(0)->text() != QLatin1String("0") &&
                                  p->field(1)->text() != QLatin1String("0"));
}
