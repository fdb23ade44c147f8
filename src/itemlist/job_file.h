#pragma once

// The job file (".mvn"): the data text as one zlib stream, then per item one
// zlib stream holding two BMP files (the row's 16-colour picture and the
// picture the first tab showed when saving), then the uncompressed index whose
// last line is the index offset padded with "X" to 20 characters.

#include "base/parallel_items.h"
#include "drawing/bmp_picture.h"
#include "itemlist/compressed_block.h"
#include "itemlist/item_list.h"
#include "itemlist/requirement_limits.h"
#include "sections/units.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// What the program writes into a job, and so all a reader accepts: a job name
// of at most 24 characters (the name box's length), cells, list items, stress
// and limit texts of at most 100 characters, stored values of at most 1e15 in
// their base units.
inline constexpr int JobNameMaxLength = 24;
inline constexpr int JobTextMaxLength = 100;
inline constexpr long double JobValueLimit = 1e15L;
// The size of the largest job a reader takes: the largest text block and 250
// of the largest picture blocks with their index. Anything larger is refused
// before it is read.
qint64 largestJobFileSize();

// The whole working state of the item list.
struct JobFile {
    QString name = QStringLiteral("Noname");
    std::vector<ListRow> rows; // 1..250 rows; plate rows have no picture
    QStringList eItems;
    QStringList densityItems;
    QString tensile;
    QString pressure;
    UnitSettings units;
    RequirementLimits limits;
    // Written after every row's picture for the readers that expect it; a
    // reader ignores it, so readJob leaves it null.
    QImage firstTabPicture;
};

// What readJob gives: the job, or the reason the bytes are not one.
struct JobReading {
    std::optional<JobFile> job;
    QString reason;
};

// The file's bytes. Each item's picture block is compressed on all cores; the
// bytes are the same as a one-thread write. Progress is reported per finished
// item on the calling thread; an empty result means progress asked to stop.
// A job without rows gives no bytes.
QByteArray writeJob(const JobFile& job, const ItemProgress& progress = {});

// Reads and checks a whole file: index, counts, every block and every first
// bitmap. Nothing is returned unless everything reads. Blocks are
// decompressed on all cores, with progress per finished item.
JobReading readJob(const QByteArray& bytes, const ItemProgress& progress = {});

// The parts, for the CLI, the tests and the benchmarks.
QByteArray jobDataText(const JobFile& job);                  // the data text, CR LF lines
QStringList requirementLines(const RequirementLimits& limits); // the 28 lines
QString jobValueText(long double value);                     // fixed notation, 25 decimals
QByteArray pictureBlock(const ListRow& row, const QByteArray& secondBitmap); // the two BMP files
