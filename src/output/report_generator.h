#pragma once

#include "base/parallel_items.h"
#include "itemlist/item_list.h"
#include "output/report_page.h"

#include <QString>
#include <QStringList>

class MessageTable;

// A file of the report folder: the folder as the user chose it, one
// separator, the name. The folder text itself is used unchanged.
QString reportFilePath(const QString& folder, const QString& name);

// The two lines of "info.txt": the program with its title and version for a
// folder that existed, the author credit for one created by this run.
QStringList reportFolderNote(bool createdNow, const QString& folder, const QString& title, const QString& version,
                             const MessageTable& messages);

// Makes sure the folder exists (creating one level) and writes "info.txt".
// Returns false when the folder cannot be made or the note not written; the
// caller then shows temporaryFolderWarning (settings/temporary_folder.h).
bool prepareReportFolder(const QString& folder, const QString& title, const QString& version,
                         const MessageTable& messages);
// The same for a folder named as the system spells it.
bool prepareReportFolder(const QByteArray& nativeFolder, const QString& title, const QString& version,
                         const MessageTable& messages);

struct ReportFilesOutcome {
    bool written = false;
    QString pagePath;   // the page, when written
    QString failedPath; // the first file that could not be written
};

// Writes "kep1.jpg" .. "kep<n>.jpg" on all cores, calling progress after each
// finished picture, then the page. Each file is a new one renamed over the
// old (a link in the folder is replaced, never written through), and is in
// place only when all of it reached the disk. Stops at the first file that
// cannot be written; nothing is opened here.
ReportFilesOutcome writeReportFiles(const QString& folder, const ItemList& list, const ReportPageInput& input,
                                    const ItemProgress& progress = {});
// The same for a folder named as the system spells it.
ReportFilesOutcome writeReportFiles(const QByteArray& nativeFolder, const ItemList& list,
                                    const ReportPageInput& input, const ItemProgress& progress = {});
