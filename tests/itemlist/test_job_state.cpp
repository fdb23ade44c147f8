#include "itemlist/job_state.h"

#include <gtest/gtest.h>

TEST(JobState, ProposedFileNames)
{
    const struct {
        const char* name;
        QString jobName, jobFile, proposed;
    } cases[] = {
        {"plain name", "Hall roof", "", "Hall roof.mvn"},
        {"slash", "Bay 3/4", "", "Bay 3_4.mvn"},
        {"double quotes", "Hall \"A\"", "", "Hall _A_.mvn"},
        {"every reserved character", "a\\b:c*d?e<f>g|h", "", "a_b_c_d_e_f_g_h.mvn"},
        {"a tab", "a\tb", "", "a_b.mvn"},
        {"dots only", "..", "", "Noname.mvn"},
        {"blanks only", "   ", "", "Noname.mvn"},
        {"the loaded file", "Bay 3/4", "/home/u/jobs/bay.mvn", "/home/u/jobs/bay.mvn"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(proposedJobFileName(c.jobName, c.jobFile), c.proposed);
    }
}
