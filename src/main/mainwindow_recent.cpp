// "Recent jobs": the File menu's list of the jobs last loaded or saved.
#include "mainwindow.h"

#include "settings/recent_jobs.h"
#include "settings/settings_store.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

void MainWindow::buildRecentJobsMenu()
{
    m_recentMenu = new QMenu(tr("Recent jobs"), this);
    m_recentMenu->menuAction()->setObjectName(QStringLiteral("RecentJobs"));
    // Below "Load input" in the File menu.
    QMenu* file = nullptr;
    for (QAction* menu : menuBar()->actions())
        if (menu->menu() && menu->menu()->actions().contains(action(Command::LoadInput)))
            file = menu->menu();
    if (file)
        file->insertMenu(action(Command::SaveInput), m_recentMenu);
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::refreshRecentJobs);
    refreshRecentJobs();
}

void MainWindow::refreshRecentJobs()
{
    const QStringList existing = existingRecentJobs(m_recentJobs);
    if (existing != m_recentJobs) {
        m_recentJobs = existing;
        if (m_settingsStore)
            writeRecentJobs(*m_settingsStore, m_recentJobs);
    }
    m_recentMenu->clear();
    for (int i = 0; i < m_recentJobs.size(); ++i) {
        const QString path = m_recentJobs[i];
        QAction* entry = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        connect(entry, &QAction::triggered, this, [this, path] {
            if (settleChanges())
                loadJob(path);
        });
    }
    m_recentMenu->setEnabled(!m_recentJobs.isEmpty());
}

void MainWindow::rememberRecentJob(const QString& path)
{
    m_recentJobs = addRecentJob(m_recentJobs, path);
    // Kept at once, so that a second instance of the program sees it too.
    if (m_settingsStore)
        writeRecentJobs(*m_settingsStore, m_recentJobs);
    refreshRecentJobs();
}
