// The main window: units, report, printing, help, settings, languages and exit.
#include "mainwindow.h"

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
#include "settings/recent_jobs.h"
#include "settings/settings_store.h"
#include "settings/temporary_folder.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
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

void MainWindow::applyUnits(const UnitSettings& units)
{
    m_job.setUnits(units);
}

void MainWindow::showUnits(const UnitSettings& from, const UnitSettings& to)
{
    showMaterials();
    m_grid->setHeaderCaptions(headerCaptions(to, messages(), m_job.unitsApplied()));
    rebuildGrid();
    m_requirementWindow->refresh();
    m_requirementWindow->setUnits(to);
    m_exactWindow->setUnits(to);
    recomputeCurrent();

    // The private data window follows; a correction it still shows unchanged
    // starts again from the re-expressed row.
    const bool restart = m_state.rowBlinkEnabled && m_privateWindow->showsCorrectionStart();
    m_privateWindow->reexpressMaterial(from, to);
    m_privateWindow->setUnits(to, true);
    if (m_builtUpWindow)
        m_builtUpWindow->setUnits(to);
    if (restart)
        correctSelectedItem();
    rebuildListEditor();
}

void MainWindow::showMaterials()
{
    m_materialBar->showMaterials(m_job.materials());
    m_materialBar->showCaptions(m_job.units(), m_job.unitsApplied());
}

// ---------------------------------------------------------------------------
// Report

void MainWindow::showReportWindow()
{
    endCorrection();
    if (m_job.itemList().isEmpty())
        return;
    ReportLayout layout;
    for (int c = 0; c < ListColumns; ++c) {
        layout.headerCaptions << m_grid->model()->headerData(c, Qt::Horizontal).toString();
        layout.columnWidths[std::size_t(c)] = m_grid->isColumnHidden(c) ? 0 : m_grid->columnWidth(c);
    }
    layout.gridWidth = m_grid->width();
    const auto* title = findChild<QLabel*>(QStringLiteral("ProductName"));
    m_reportWindow->setReport(&m_job.itemList(), layout, title ? title->text() : QString());
    m_reportWindow->setShell(m_shell);
    m_reportWindow->setTemporaryFolder(m_settingsWindow->temporaryFolder().path());
    m_reportWindow->showOptions();
    m_reportWindow->open();
}

// ---------------------------------------------------------------------------
// Window size, help, about and exit

int MainWindow::visibleListRowsFor(int width, int height)
{
    if (width < StartSize.width() || height < StartSize.height())
        return 2;
    return int(std::nearbyint(double(height - TwoListRowsHeight) / ListRowHeight)) + 2;
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    m_state.visibleListRows = visibleListRowsFor(width(), height());
    if (m_state.visibleListRows == 2 && (width() < StartSize.width() || height() < StartSize.height()))
        m_grid->setFixedHeight(SmallListHeight);
    else {
        m_grid->setMinimumHeight(SmallListHeight);
        m_grid->setMaximumHeight(QWIDGETSIZE_MAX);
    }
}

void MainWindow::showHelp()
{
    const QString path =
        m_helpPage.isEmpty() ? helpPagePath(QCoreApplication::applicationDirPath()) : m_helpPage;
    if (m_shell && m_shell->open(path))
        return;
    // No launcher opened it: the program shows the page itself. A missing
    // help page is still not reported.
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(messages(), this);
    if (m_helpWindow->showPage(path)) {
        m_helpWindow->show();
        m_helpWindow->raise();
    }
}

void MainWindow::printList()
{
    if (m_job.itemList().isEmpty())
        return;
    const auto* title = findChild<QLabel*>(QStringLiteral("ProductName"));
    const PageTexts texts{messages()(Msg::PageNumber), QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat),
                          pageFooter(title ? title->text() : QStringLiteral("*** Computation of geometric properties ***"))};
    m_printPreview->setJob(&m_job.itemList(), headerCaptions(m_job.units(), messages(), m_job.unitsApplied()), texts,
                           m_job.name());
    // A PDF file is proposed in the temporary folder.
    m_printPreview->setTemporaryFolder(m_settingsWindow->temporaryFolder().path());
    m_printPreview->startLayout();
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
    if (!settleChanges())
        return;
    m_state.exitConfirmed = true;
    m_state.closeAllowed = true;
    close();
}

void MainWindow::showSettingsWindow()
{
    m_settingsWindow->exec();
}

void MainWindow::readSettings()
{
    if (!m_settingsStore)
        return;
    const StartupSettings stored = readStartupSettings(*m_settingsStore, TemporaryFolder::defaultPath());
    if (stored.keyError)
        showMessage(settingsKeyError(messages()));
    m_settingsWindow->setLanguage(stored.language);
    m_settingsWindow->setTemporaryFolder(stored.temporaryFolder);
    m_translationWindow->chooseLanguage(m_settingsWindow->language());
    m_recentJobs = readRecentJobs(*m_settingsStore);
    refreshRecentJobs();
}

void MainWindow::showTranslationWindow()
{
    m_translationWindow->show();
    m_translationWindow->raise();
}

void MainWindow::setMessages(const MessageTable& m)
{
    m_job.setMessages(m);
}

// After a language was applied to every window and menu: the texts that
// carry units or names of the job, and the current tab computed again with
// the rewritten menus.
void MainWindow::showLanguage()
{
    m_grid->setHeaderCaptions(headerCaptions(m_job.units(), messages(), m_job.unitsApplied()));
    // The tabs take the widths of the language's short captions (tabs 0 to 3
    // show messages 47 to 50 unless selected; the others keep their caption).
    QStringList shortCaptions;
    for (int i = 0; i < m_tabs->count(); ++i)
        shortCaptions << (i < 4 ? messages()(47 + i) : m_tabs->tabText(i));
    m_tabs->setShortCaptions(shortCaptions);
    m_tabs->fitTo(DesignWidth - 4);
    showMaterials();
    if (m_state.sectionsEnabled) {
        updateStatus();
        switchTab();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The close box runs the exit command first (its own close() is part of
    // this one); then, unless the user cancelled, the settings are written
    // once.
    if (!m_state.exitConfirmed)
        exitCommand();
    // An exit cancelled at its save dialog writes nothing yet.
    if (m_state.closeAllowed && m_settingsStore && !m_settingsWritten) {
        m_settingsWritten = true;
        if (!writeShutdownSettings(*m_settingsStore, m_settingsWindow->language(),
                                   m_settingsWindow->temporaryFolder().path()))
            showMessage(settingsKeyError(messages()));
    }
    if (m_state.closeAllowed)
        event->accept();
    else
        event->ignore();
}
