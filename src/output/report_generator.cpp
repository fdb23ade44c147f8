#include "output/report_generator.h"

#include "output/report_pictures.h"
#include "settings/message_table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include "base/save_file.h"
#include <thread>

namespace {

// The credit the folder note carries, after "Written by".
QString authorCredit() { return QStringLiteral(" the Morvane developers"); }

// The pictures are made again by every report, so they are written straight
// into place: a synced replacement per picture would cost more than encoding.
// An existing picture is overwritten and then cut to the new length rather
// than truncated first: freeing and reallocating its blocks on every report
// costs ten times the writing itself on some file systems.
bool writePicture(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    bool complete = file.write(bytes) == bytes.size();
    complete = file.resize(bytes.size()) && complete;
    file.close();
    return complete && file.error() == QFileDevice::NoError;
}

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
    const QString first = createdNow ? QStringLiteral("Morvane / ") + messages(120) + authorCredit()
                                     : QStringLiteral("Morvane ") + title + version;
    return {first, QStringLiteral("Temporary folder :") + folder};
}

bool prepareReportFolder(const QString& folder, const QString& title, const QString& version,
                         const MessageTable& messages)
{
    if (folder.isEmpty())
        return false;
    const QFileInfo info(folder);
    bool createdNow = false;
    if (!info.exists()) {
        if (!QDir().mkdir(folder))
            return false;
        createdNow = true;
    } else if (!info.isDir()) {
        return false;
    }
    const QStringList note = reportFolderNote(createdNow, folder, title, version, messages);
    return saveWholeFile(reportFilePath(folder, QStringLiteral("info.txt")), crlfLines(note));
}

ReportFilesOutcome writeReportFiles(const QString& folder, const ItemList& list, const ReportPageInput& input,
                                    const ItemProgress& progress)
{
    ReportFilesOutcome outcome;
    const std::size_t count = std::size_t(list.count());
    std::vector<char> written;
    const auto picturePath = [&](std::size_t i) {
        return reportFilePath(folder, QStringLiteral("kep%1.jpg").arg(i + 1));
    };
    // The page is put together beside the pictures and written after them.
    QByteArray pageBytes;
    std::jthread pageBuilder([&] { pageBytes = reportPage(list, input); });
    const bool finished = parallelItems<char>(
        count,
        [&](std::size_t i) -> char {
            const QByteArray jpeg = encodeJpeg(reportPicture(list.row(int(i) + 1)));
            return !jpeg.isEmpty() && writePicture(picturePath(i), jpeg);
        },
        written, progress);
    pageBuilder.join();
    if (!finished)
        return outcome; // stopped on request: no file failed
    for (std::size_t i = 0; i < count; ++i) {
        if (!written[i]) {
            outcome.failedPath = picturePath(i);
            return outcome;
        }
    }
    const QString page = reportFilePath(folder, reportPageFileName());
    if (!saveWholeFile(page, pageBytes)) {
        outcome.failedPath = page;
        return outcome;
    }
    outcome.written = true;
    outcome.pagePath = page;
    return outcome;
}
