#pragma once

// What the job commands share: reading, starting and saving a job file.

#include "itemlist/job_file.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

// A file that is not a job: message 1 and the reason on stderr; ExitRejected.
int refuseFile(const QString& reason);
// The whole file read, or nothing with error set when it cannot be read.
std::optional<JobReading> readJobFile(const QString& path, QString& error);
// A new job as the window starts one, its material texts in the job's units.
JobFile newJob(const QString& name, const UnitSettings& units);
// Opens the job "job add" and "job add-private" append to: the file's job, or
// a new one (named by --name, in the units of --units) when there is none.
// Returns the exit status when the command must stop.
struct Options;
std::optional<int> openJobForAdding(const Options& options, const QString& path, JobFile& job);
// The material boxes as a loaded job leaves them: the job's first list
// items and stress fields, each replaced by its option when given
// (--emodulus, --density, --poisson, --tensile, --pressure).
MaterialTexts jobMaterial(const Options& options, const JobFile& job);
// The picture the first tab shows before anything is computed on it.
QImage firstTabPicture();
// Writes the bytes through QSaveFile; messages 39 and 40 when it fails.
bool saveJobFile(const QString& path, const QByteArray& bytes);

// "job add-private" (private_commands.cpp).
int jobAddPrivateCommand(const QStringList& args);
// "job add --builtup" (builtup_commands.cpp).
int jobAddBuiltUpCommand(const QStringList& args);
