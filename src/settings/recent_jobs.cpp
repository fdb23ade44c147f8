#include "settings/recent_jobs.h"

#include "settings/settings_store.h"

#include <QFileInfo>

namespace {
QString valueName(int i)
{
    return QStringLiteral("File%1").arg(i + 1);
}
} // namespace

QStringList addRecentJob(QStringList jobs, const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    jobs.removeAll(absolute);
    jobs.prepend(absolute);
    return jobs.mid(0, RecentJobCount);
}

QStringList existingRecentJobs(const QStringList& jobs)
{
    QStringList existing;
    for (const QString& job : jobs)
        if (QFileInfo(job).isFile())
            existing << job;
    return existing;
}

QStringList readRecentJobs(SettingsStore& store)
{
    QStringList jobs;
    for (int i = 0; i < RecentJobCount; ++i) {
        const std::optional<QString> job = store.readSetting(RecentJobsKey, valueName(i));
        if (job && !job->isEmpty() && !jobs.contains(*job))
            jobs << *job;
    }
    return jobs;
}

bool writeRecentJobs(SettingsStore& store, const QStringList& jobs)
{
    bool written = true;
    for (int i = 0; i < RecentJobCount; ++i)
        written = store.writeSetting(RecentJobsKey, valueName(i), jobs.value(i)) && written;
    return written;
}
