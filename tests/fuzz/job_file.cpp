// readJob over arbitrary bytes: it must refuse or read without faults, and a
// job it reads must be within the list's limits and save and load again to
// the same job.
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
        if (row.isPlate != row.RowPicture.isNull() ||
            (!row.isPlate && row.RowPicture.size() != QSize(RowPictureWidth, RowPictureHeight)))
            std::abort();
    if (job.rows.size() > 4)
        return 0; // saving again is slow; small jobs show the same faults
    const JobReading again = readJob(writeJob(job));
    if (!again.job || again.job->rows.size() != job.rows.size() || again.job->eItems != job.eItems ||
        again.job->densityItems != job.densityItems || again.job->units != job.units ||
        requirementLines(again.job->limits) != requirementLines(job.limits))
        std::abort();
    for (std::size_t i = 0; i < job.rows.size(); ++i)
        if (again.job->rows[i].ItemValues != job.rows[i].ItemValues)
            std::abort();
    return 0;
}
