// readJob over any bytes: a refusal gives a reason; a job read is within the list's limits, its pictures
// match its rows, and its data text has the lines of its counts.
#include "fuzz_input.h"

#include "itemlist/job_file.h"

FUZZ_TARGET(in)
{
    const JobReading read = readJob(in.rest());
    FUZZ_CHECK(read.job || !read.reason.isEmpty());
    if (!read.job)
        return;
    const JobFile& job = *read.job;
    FUZZ_CHECK(!job.rows.empty() && job.rows.size() <= std::size_t(ItemListCapacity) && !job.name.isEmpty());
    for (const ListRow& row : job.rows)
        FUZZ_CHECK(row.isPlate ? row.rowPicture.isNull() : row.rowPicture.size() == SectionPictureSize);
    const qsizetype lines = 2 + (ListColumns + ItemValueSlots) * qsizetype(job.rows.size()) + job.eItems.size() +
                            1 + job.densityItems.size() + 1 + 2 + 7 + 28;
    FUZZ_CHECK(jobDataText(job).count("\r\n") == lines);
}
