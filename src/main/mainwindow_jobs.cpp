// The main window's job-file commands: Save input, Load input and the job
// named at start. The file format and its checks are in the core
// (itemlist/job_file.h); this file shows dialogs and progress and moves the
// job into and out of the window's state.
#include "mainwindow.h"
#include "privatedatawindow.h"

#include "itemgrid.h"
#include "materialbar.h"
#include "progresswindow.h"
#include "sectionpage.h"
#include "requirementwindow.h"
#include "unitswindow.h"

#include "itemlist/units_apply.h"
#include "settings/message_table.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include "base/save_file.h"
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>

#include <QLockFile>

#include <algorithm>
#include <memory>

namespace {
// How long "Save input" waits for another program that is writing the job.
constexpr int JobSaveLockWaitMs = 10000;
} // namespace

namespace {
const QString JobFilter = QStringLiteral("Beam sections *.mvn (*.mvn)");
} // namespace

QString MainWindow::askSaveFileName(const QString& proposed)
{
    return m_prompter.askSaveFileName(this, {messages()(Msg::SaveToFile), proposed, JobFilter, QStringLiteral("mvn")});
}

QString MainWindow::askOpenFileName()
{
    return m_prompter.askOpenFileName(this, {messages()(Msg::Loading), QString(), JobFilter, QStringLiteral("mvn")});
}

void MainWindow::buildProgressWindow()
{
    // Saving, loading, the report's pictures and the language switch show
    // their progress here.
    m_progress = new ProgressWindow(this);
}

JobFile MainWindow::currentJob() const
{
    JobFile job;
    job.name = m_job.name();
    for (int r = 1; r <= m_job.itemList().count(); ++r)
        job.rows.push_back(m_job.itemList().row(r));
    job.eItems = m_job.materials().eItems;
    job.densityItems = m_job.materials().densityItems;
    job.tensile = m_job.materials().tensile;
    job.pressure = m_job.materials().pressure;
    job.units = m_job.units();
    job.limits = m_job.limits();
    job.firstTabPicture = page(SectionKind::RectHollow)->picture()->pixmap().toImage();
    return job;
}

void MainWindow::saveInput()
{
    saveJob();
}

bool MainWindow::saveJob()
{
    if (m_job.itemList().isEmpty())
        return true;
    endCorrection();
    QString path = askSaveFileName(proposedJobFileName(m_job.name(), m_job.fileName()));
    if (path.isEmpty())
        return false;
    const MessageTable& m = messages();
    const JobFile job = currentJob();
    setEnabled(false); // menus, tool bar and windows wait while events run between items
    m_progress->start(m(Msg::SaveToFile), m(Msg::PackingWait), path, int(job.rows.size()));
    const QByteArray bytes = writeJob(job, [this](std::size_t done, std::size_t) {
        m_progress->setValue(int(done));
        return true;
    });
    // The old file is replaced only when the new one is complete, and not
    // while another program is changing it.
    const std::unique_ptr<QLockFile> lock = lockForUpdate(path, JobSaveLockWaitMs);
    const bool saved = lock && !bytes.isEmpty() && saveWholeFile(path, bytes);
    setEnabled(true);
    m_progress->finish();
    if (!saved) {
        showMessage(m(Msg::WriteError) + path + QLatin1Char('\n') + m(Msg::RemoveWriteProtection));
        return false;
    }
    m_job.saved(path);
    rememberRecentJob(path);
    return true;
}

void MainWindow::loadInput()
{
    if (!settleChanges())
        return;
    const QString path = askOpenFileName();
    if (!path.isEmpty())
        loadJob(path);
}

void MainWindow::startUp(const QStringList& arguments)
{
    if (arguments.size() > 1)
        loadAtStart(arguments.at(1));
    readSettings();
}

bool MainWindow::loadAtStart(const QString& argument)
{
    if (!argument.endsWith(QStringLiteral(".mvn"), Qt::CaseInsensitive))
        return false;
    return loadJob(argument);
}

bool MainWindow::loadJob(const QString& path)
{
    const MessageTable& m = messages();
    // Message 1, and on a second line the file and why it is no job.
    const auto refuse = [&](const QString& reason) {
        showMessage(m(Msg::WrongData) + QLatin1Char('\n') + QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason);
        return false;
    };
    QString error;
    const auto file = readWholeFile(path, largestJobFileSize(), &error);
    if (!file)
        return refuse(error);
    const QByteArray& bytes = *file;
    setEnabled(false); // menus, tool bar and windows wait while events run between items
    bool started = false;
    const JobReading read = readJob(bytes, [&](std::size_t done, std::size_t count) {
        if (!started) {
            m_progress->start(m(Msg::Loading), m(Msg::UnpackingWait), path, int(count));
            started = true;
        }
        m_progress->setValue(int(done));
        return true;
    });
    setEnabled(true);
    m_progress->finish();
    // Nothing in the program changes unless the whole file read.
    if (!read.job)
        return refuse(read.reason);
    endCorrection();
    m_job.load(*read.job, path);
    rememberRecentJob(path);
    return true;
}

// A loaded job is shown by every window; the private data window's own typed
// texts were in the units before and are re-expressed from them.
void MainWindow::showJob(const UnitSettings& previousUnits)
{
    m_area->setCurrentWidget(m_sectionArea);
    m_state.sectionsEnabled = true;
    enableJobCommands();
    updateStatus();
    updateTitle();
    showMaterials();
    m_grid->setHeaderCaptions(headerCaptions(m_job.units(), messages(), m_job.unitsApplied()));
    m_unitsWindow->setUnits(m_job.units());
    m_requirementWindow->refresh();
    m_requirementWindow->setUnits(m_job.units());
    m_requirementWindow->recheck();
    m_privateWindow->reexpressMaterial(previousUnits, m_job.units());
    m_privateWindow->setUnits(m_job.units(), true);
    m_privateWindow->setMaterialLists(m_job.materials().eItems, m_job.materials().densityItems);

    m_state.selectedRow = 1;
    rebuildGrid();
    m_grid->selectListRow(1);
    m_grid->scrollToTop();
    rebuildListEditor();
    switchTab();
}
