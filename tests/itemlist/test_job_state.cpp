#include "itemlist_fixture.h"

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

// New units re-express the material texts once and announce the units
// before and after; a load announces the units the windows were in and
// leaves the job unmodified.
TEST(JobState, UnitsAndLoadsAreAnnouncedWithTheUnitsBefore)
{
    JobState job;
    QStringList units, replaced; // the units before, as announced
    int modified = 0;
    QObject::connect(&job, &JobState::unitsChanged,
                     [&](const UnitSettings& from, const UnitSettings&) { units << from.digits(); });
    QObject::connect(&job, &JobState::jobReplaced, [&](const UnitSettings& before) { replaced << before.digits(); });
    QObject::connect(&job, &JobState::modifiedChanged, [&] { ++modified; });
    const UnitSettings kn = *UnitSettings::fromDigits("3122213");
    job.setUnits(kn);
    job.setUnits(kn);
    EXPECT_EQ(units, QStringList{"1122233"});
    EXPECT_EQ(job.materials().eModulus, QStringLiteral("Steel : 210000"));
    EXPECT_EQ(job.materials().tensile, QStringLiteral("300000.00"));
    EXPECT_EQ(job.materials().pressure, QStringLiteral("-300000.00"));
    EXPECT_TRUE(job.isModified());

    JobFile file;
    file.name = "Hall";
    file.units = *UnitSettings::fromDigits("1122233");
    file.eItems = QStringList{"Steel : 210000000"};
    file.densityItems = QStringList{"Steel : 7850"};
    file.tensile = "250";
    file.pressure = "-250";
    job.load(file, "/tmp/hall.mvn");
    EXPECT_EQ(replaced, QStringList{"3122213"});
    EXPECT_EQ(job.units().digits(), QStringLiteral("1122233"));
    EXPECT_EQ(job.materials().tensile, QStringLiteral("250"));
    EXPECT_EQ(job.fileName(), QStringLiteral("/tmp/hall.mvn"));
    EXPECT_FALSE(job.isModified());
    EXPECT_EQ(modified, 2);
}
