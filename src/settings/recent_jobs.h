#pragma once

#include <QString>
#include <QStringList>

class SettingsStore;

// The jobs last loaded or saved, most recent first, kept in a group of their
// own in the settings file ("RecentJobs": "File1" .. "File8").
inline constexpr int RecentJobCount = 8;
inline const QString RecentJobsKey = QStringLiteral("RecentJobs");

// `path` (made absolute) put first; an older mention of the same file goes,
// and the list keeps RecentJobCount entries.
QStringList addRecentJob(QStringList jobs, const QString& path);
// The entries whose files still exist.
QStringList existingRecentJobs(const QStringList& jobs);

// The stored list (empty entries and those past the count skipped).
QStringList readRecentJobs(SettingsStore& store);
// Writes all RecentJobCount values, the unused ones empty; false when the
// settings could not be written.
bool writeRecentJobs(SettingsStore& store, const QStringList& jobs);
