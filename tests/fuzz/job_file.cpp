// readJob over arbitrary bytes: it must refuse with a reason or read without
// faults, and a job it reads must be within the list's limits and write back
// a data text of the same layout.
#include "itemlist/job_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const JobReading read = readJob(bytes);
    if (!read.job) {
        if (read.reason.isEmpty())
            std::abort();
        return 0;
    }
    const JobFile& job = *read.job;
    if (job.rows.empty() || job.rows.size() > std::size_t(ItemListCapacity) || job.name.isEmpty())
        std::abort();
    for (const ListRow& row : job.rows)
        if (row.isPlate != row.rowPicture.isNull() ||
            (!row.isPlate && row.rowPicture.size() != SectionPictureSize))
            std::abort();
    // The data text of what was read writes the same counts back.
    const QByteArray text = jobDataText(job);
    if (text.count("\r\n") != 2 + 263 * qsizetype(job.rows.size()) + job.eItems.size() + 1 +
                                     job.densityItems.size() + 1 + 2 + 7 + 28)
        std::abort();
    return 0;
}
