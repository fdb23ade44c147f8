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

#include "settings/message_table.h"

#include <QComboBox>
#include <QLabel>
#include <QFile>
#include <QFileDialog>
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

QStringList itemsOfBox(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

void fillBox(QComboBox* box, const QStringList& items)
{
    const QSignalBlocker block(box);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(0);
}
} // namespace

void MainWindow::installJobFileDialogs()
{
    askSaveFileName = [this](const QString& proposed) {
        QFileDialog dialog(this, messages()(37), proposed, JobFilter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("mvn"));
        dialog.selectFile(proposed);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                      : QString();
    };
    askOpenFileName = [this] {
        QFileDialog dialog(this, messages()(41), QString(), JobFilter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(QStringLiteral("mvn"));
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                      : QString();
    };
    if (!m_progress)
        m_progress = new ProgressWindow(this);
}

JobFile MainWindow::currentJob() const
{
    JobFile job;
    job.name = m_state.jobName;
    for (int r = 1; r <= m_state.itemList.count(); ++r)
        job.rows.push_back(m_state.itemList.row(r));
    job.eItems = itemsOfBox(m_materialBar->eModulusBox());
    job.densityItems = itemsOfBox(m_materialBar->densityBox());
    job.tensile = m_materialBar->tensileField()->text();
    job.pressure = m_materialBar->pressureField()->text();
    job.units = m_state.units;
    job.limits = m_state.limits;
    job.firstTabPicture = page(SectionKind::RectHollow)->picture()->pixmap().toImage();
    return job;
}

void MainWindow::saveInput()
{
    saveJob();
}

bool MainWindow::saveJob()
{
    if (m_state.itemList.isEmpty())
        return true;
    endCorrection();
    QString path = askSaveFileName(m_state.jobName + QStringLiteral(".mvn"));
    if (path.isEmpty())
        return false;
    const MessageTable& m = messages();
    const JobFile job = currentJob();
    setEnabled(false); // menus, tool bar and windows wait while events run between items
    m_progress->start(m(37), m(38), path, int(job.rows.size()));
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
        showMessage(m(39) + path + QLatin1Char('\n') + m(40));
        return false;
    }
    m_state.jobFileName = path;
    return true;
}

void MainWindow::loadInput()
{
    const QString path = askOpenFileName();
    if (!path.isEmpty())
        loadJob(path);
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
    const auto file = readWholeFile(path, largestJobFileSize());
    if (!file) {
        showMessage(m(1));
        return false;
    }
    const QByteArray& bytes = *file;
    setEnabled(false); // menus, tool bar and windows wait while events run between items
    bool started = false;
    const JobReading read = readJob(bytes, [&](std::size_t done, std::size_t count) {
        if (!started) {
            m_progress->start(m(41), m(42), path, int(count));
            started = true;
        }
        m_progress->setValue(int(done));
        return true;
    });
    setEnabled(true);
    m_progress->finish();
    // Nothing in the program changes unless the whole file read.
    if (!read.job) {
        showMessage(m(1));
        return false;
    }
    applyJob(*read.job);
    m_state.jobFileName = path;
    return true;
}

void MainWindow::applyJob(const JobFile& job)
{
    endCorrection();
    m_area->setCurrentWidget(m_sectionArea);
    m_state.SectionsEnabled = true;
    action(Command::Requirement)->setEnabled(true);
    m_tabs->setEnabled(true);
    m_grid->setEnabled(true);

    ItemList& list = m_state.itemList;
    list.clear();
    for (const ListRow& row : job.rows)
        list.put(list.NextListRow(), row);
    m_state.jobName = job.name;
    updateStatus();
    // Plate rows bring their totals back.
    const bool plates = std::any_of(job.rows.begin(), job.rows.end(), [](const ListRow& r) { return r.isPlate; });
    const ListTotals totals = ShowListTotals(list, messages());
    m_status[1]->setText(plates ? totals.weight : QString());
    m_status[2]->setText(plates ? totals.outside : QString());

    // The units: the applied digits differ from the loaded ones in the
    // seventh place only, so applying rebuilds the unit-dependent cells and
    // captions from the stored values without re-expressing any number.
    const QString digits = job.units.digits();
    const QChar otherSeventh = digits.at(6) == QLatin1Char('3') ? QLatin1Char('1') : QLatin1Char('3');
    m_state.units = *UnitSettings::fromDigits(digits.left(6) + otherSeventh);
    applyUnits(job.units);
    m_unitsWindow->setUnits(job.units);

    // Lists, stress fields and limits as saved (set after applying, which
    // would otherwise rewrite their texts).
    fillBox(m_materialBar->eModulusBox(), job.eItems);
    fillBox(m_materialBar->densityBox(), job.densityItems);
    // The private data window takes the same lists, also at start-up: its old
    // lists would be in the units of the job before.
    m_privateWindow->setMaterialLists(job.eItems, job.densityItems);
    {
        QLineEdit* tensile = m_materialBar->tensileField();
        QLineEdit* pressure = m_materialBar->pressureField();
        const QSignalBlocker b1(tensile), b2(pressure);
        tensile->setText(job.tensile);
        pressure->setText(job.pressure);
    }
    m_state.limits = job.limits;
    m_requirementWindow->refresh();
    m_requirementWindow->setUnits(job.units);
    m_requirementWindow->recheck();

    m_state.SelectedRow = 1;
    rebuildGrid();
    m_grid->selectListRow(1);
    m_grid->scrollToTop();
    switchTab();
}
