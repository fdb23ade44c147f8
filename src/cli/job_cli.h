#pragma once

// What the job commands share: reading, starting and saving a job file.

#include "itemlist/job_file.h"
#include "itemlist/private_item.h"

#include <QByteArray>
#include <QImage>
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

// A file that is not a job: message 1 and the reason on stderr; ExitRejected.
int refuseFile(const QString& reason);
// The whole file (named as the system spells it) read, or nothing with error
// set when it cannot be read, is not a regular file or is larger than any job.
std::optional<JobReading> readJobFile(const QByteArray& path, QString& error);
// How long "job add" waits for another writer of the same job.
inline constexpr int JobLockWaitMs = 60000;
// A new job as the window starts one, its material texts in the job's units.
JobFile newJob(const QString& name, const UnitSettings& units);
// Opens the job "job add" and "job add-private" append to: the file's job, or
// a new one (named by --name, in the units of --units) when there is none.
// The job file's lock is taken first and held in `lock` until the job is
// saved, so that adders of the same job take turns and none loses another's
// item. Returns the exit status when the command must stop.
struct Options;
// Reads the command line of a "job add" command: its own options (valued and
// flags) and those of every added item (the material, --units, --name), and
// its one job file as the system spells the name. Returns the exit status
// when the command line is bad.
std::optional<int> readJobAddOptions(const QStringList& args, const QString& command, const QStringList& ownValued,
                                     const QStringList& flags, Options& options, QByteArray& path);
std::optional<int> openJobForAdding(const Options& options, const QByteArray& path, JobFile& job,
                                    std::unique_ptr<QLockFile>& lock);
// The material options as their fields leave them (the job's lists as the
// boxes' items).
void filterMaterialOptions(Options& options, const JobFile& job);
// The material boxes as a loaded job leaves them: the job's first list
// items and stress fields, each replaced by its option when given
// (--emodulus, --density, --poisson, --tensile, --pressure).
MaterialTexts jobMaterial(const Options& options, const JobFile& job);
// The picture the first tab shows before anything is computed on it.
QImage firstTabPicture();
// Replaces the file by the bytes when all of them reached the disk; messages
// 39 and 40 and the reason when they did not (the old file is then unchanged).
bool saveJobFile(const QByteArray& path, const QByteArray& bytes);

// "job add-private" (private_commands.cpp).
int jobAddPrivateCommand(const QStringList& args);
// Appends an item typed in or computed elsewhere to the job as the private
// data window's "To List" does: the job's material (with the options' texts),
// the check against the bounding rectangle (--accept lists it anyway), the
// row and its picture; the job is saved under its lock.
int addPrivateItem(const Options& options, const QByteArray& path,
                   const std::function<PrivateItemTexts(const MaterialTexts&, const UnitSettings&)>& itemTexts,
                   const std::function<QImage(const PrivateItemTexts&, const UnitSettings&)>& picture);
// "job add --builtup" (builtup_commands.cpp).
int jobAddBuiltUpCommand(const QStringList& args);
