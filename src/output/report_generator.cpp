#include "output/report_generator.h"

#include "output/report_pictures.h"
#include "settings/message_table.h"

#include "base/save_file.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <thread>

namespace {

// The credit the folder note carries, after "Written by".
QString authorCredit() { return QStringLiteral(" the Morvane developers"); }

QByteArray crlfLines(const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines)
        out += line.toUtf8() + "\r\n";
    return out;
}

} // namespace

QString reportFilePath(const QString& folder, const QString& name)
{
    return folder + QLatin1Char('/') + name;
}

QStringList reportFolderNote(bool createdNow, const QString& folder, const QString& title, const QString& version,
                             const MessageTable& messages)
{
    const QString first = createdNow ? QStringLiteral("Morvane / ") + messages(Msg::WrittenBy) + authorCredit()
                                     : QStringLiteral("Morvane ") + title + version;
    return {first, QStringLiteral("Temporary folder :") + folder};
}

namespace {
QByteArray nativeReportFile(const QByteArray& folder, const QString& name)
{
    return folder + '/' + QFile::encodeName(name);
}
} // namespace

bool prepareReportFolder(const QString& folder, const QString& title, const QString& version,
                         const MessageTable& messages)
{
    return prepareReportFolder(QFile::encodeName(folder), title, version, messages);
}

bool prepareReportFolder(const QByteArray& folder, const QString& title, const QString& version,
                         const MessageTable& messages)
{
    if (folder.isEmpty() || folder.contains('\0'))
        return false;
    bool createdNow = false;
    struct stat info {};
    if (::stat(folder.constData(), &info) != 0) {
        if (errno != ENOENT || ::mkdir(folder.constData(), 0777) != 0)
            return false;
        createdNow = true;
    } else if (!S_ISDIR(info.st_mode)) {
        return false;
    }
    const QStringList note = reportFolderNote(createdNow, QFile::decodeName(folder), title, version, messages);
    return saveWholeNativeFile(nativeReportFile(folder, QStringLiteral("info.txt")), crlfLines(note));
}

ReportFilesOutcome writeReportFiles(const QString& folder, const ItemList& list, const ReportPageInput& input,
                                    const ItemProgress& progress)
{
    return writeReportFiles(QFile::encodeName(folder), list, input, progress);
}

// Every file is written new and renamed into place: an existing file, or a
// link in its place, is never opened for writing. The pictures are made again
// by every report, so they are not waited for on the disk; a disk that is
// full still fails their writes.
ReportFilesOutcome writeReportFiles(const QByteArray& folder, const ItemList& list, const ReportPageInput& input,
                                    const ItemProgress& progress)
{
    ReportFilesOutcome outcome;
    const std::size_t count = std::size_t(list.count());
    std::vector<char> written;
    const auto picturePath = [&](std::size_t i) {
        return nativeReportFile(folder, QStringLiteral("kep%1.jpg").arg(i + 1));
    };
    // The page is put together beside the pictures and written after them.
    QByteArray pageBytes;
    std::jthread pageBuilder([&] { pageBytes = reportPage(list, input); });
    const bool finished = parallelItems<char>(
        count,
        [&](std::size_t i) -> char {
            const QByteArray jpeg = encodeJpeg(reportPicture(list.row(int(i) + 1)));
            return !jpeg.isEmpty() && saveWholeNativeFile(picturePath(i), jpeg, nullptr, SaveSync::NoWait);
        },
        written, progress);
    pageBuilder.join();
    if (!finished)
        return outcome; // stopped on request: no file failed
    for (std::size_t i = 0; i < count; ++i) {
        if (!written[i]) {
            outcome.failedPath = QFile::decodeName(picturePath(i));
            return outcome;
        }
    }
    const QByteArray page = nativeReportFile(folder, reportPageFileName());
    if (pageBytes.isEmpty() || !saveWholeNativeFile(page, pageBytes)) {
        outcome.failedPath = QFile::decodeName(page);
        return outcome;
    }
    outcome.written = true;
    outcome.pagePath = QFile::decodeName(page);
    return outcome;
}
