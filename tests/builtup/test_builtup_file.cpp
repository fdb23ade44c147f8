#include "builtup/builtup_file.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {
QByteArray withParts(const char* parts)
{
    return QByteArray(R"({"format": "morvane-builtup", "version": 1, "parts": [)") + parts + "]}";
}
} // namespace

// The fuzz corpus: files named refused_* are refused with a reason, the
// others read, and what they read writes back to the same composition.
TEST(BuiltUpFile, CorpusReadsOrIsRefusedWhole)
{
    const QDir dir(QStringLiteral(MORVANE_SOURCE_DIR "/tests/fuzz/corpus/builtup_file"));
    const QStringList files = dir.entryList(QDir::Files);
    ASSERT_GE(files.size(), 8);
    for (const QString& name : files) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const BuiltUpReading read = readBuiltUp(file.readAll());
        if (name.startsWith(QLatin1String("refused_"))) {
            EXPECT_FALSE(read.composition) << name.toStdString();
            EXPECT_FALSE(read.reason.isEmpty()) << name.toStdString();
            continue;
        }
        ASSERT_TRUE(read.composition) << name.toStdString() << ": " << read.reason.toStdString();
        const BuiltUpReading again = readBuiltUp(writeBuiltUp(*read.composition));
        ASSERT_TRUE(again.composition);
        EXPECT_EQ(*again.composition, *read.composition) << name.toStdString();
    }
}

TEST(BuiltUpFile, PartsReadAsWritten)
{
    const BuiltUpReading read = readBuiltUp(withParts(
        R"({"kind": "i", "entry": "IPE 300x150", "x": 0, "y": 0, "angle": 0, "mirror": false},
           {"kind": "rs", "dims": [200, 10.5], "x": -2.25, "y": -155},
           {"kind": "l", "entry": "L section 100x100x10", "x": 1e2, "y": 0, "angle": 359, "mirror": true})"));
    ASSERT_TRUE(read.composition) << read.reason.toStdString();
    const std::vector<BuiltUpPart> parts{
        {SectionKind::I, "IPE 300x150", {}, 0, 0, 0, false},
        {SectionKind::RectSolid, {}, {"200", "10.5"}, -2.25, -155, 0, false},
        {SectionKind::L, "L section 100x100x10", {}, 100, 0, 359, true}};
    EXPECT_EQ(read.composition->parts, parts);
    EXPECT_TRUE(read.composition->name.isEmpty());
}

TEST(BuiltUpFile, ANameNotInUtf8IsReadAsWindows1252)
{
    const BuiltUpReading read = readBuiltUp(
        "{\"format\": \"morvane-builtup\", \"version\": 1, \"name\": \"Tr\xe4ger\", \"parts\": "
        "[{\"kind\": \"rs\", \"dims\": [100, 10], \"x\": 0, \"y\": 0}]}");
    ASSERT_TRUE(read.composition) << read.reason.toStdString();
    EXPECT_EQ(read.composition->name, QString::fromUtf8("Tr\xc3\xa4ger"));
}

struct Refusal {
    const char* name;
    QByteArray bytes;
    const char* says;
};

class BuiltUpFileRefusals : public testing::TestWithParam<Refusal> {};

TEST_P(BuiltUpFileRefusals, NamesTheReason)
{
    const BuiltUpReading read = readBuiltUp(GetParam().bytes);
    EXPECT_FALSE(read.composition);
    EXPECT_TRUE(read.reason.contains(QString::fromUtf8(GetParam().says))) << read.reason.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, BuiltUpFileRefusals,
    testing::Values(
        Refusal{"NotJson", "IPE 300", "not JSON"},
        Refusal{"OtherFormat", R"({"format": "morvane-job", "version": 1, "parts": []})", "not a built-up"},
        Refusal{"LaterVersion", R"({"format": "morvane-builtup", "version": 2, "parts": []})", "version"},
        Refusal{"NoParts", withParts(""), "1 to 20 parts"},
        Refusal{"TwentyOneParts",
                withParts(QByteArray(R"({"kind": "rs", "dims": [10, 10], "x": 0, "y": 0},)").repeated(20) +
                          R"({"kind": "rs", "dims": [10, 10], "x": 0, "y": 0})"),
                "1 to 20 parts"},
        Refusal{"UnknownEntryNamesThePart",
                withParts(R"({"kind": "rs", "dims": [10, 10], "x": 0, "y": 0},
                             {"kind": "i", "entry": "IPE 301x150", "x": 0, "y": 0})"),
                "part 2 'IPE 301x150' is not an entry"},
        Refusal{"GroupHeading", withParts(R"({"kind": "i", "entry": "I section IPE;EUR 19", "x": 0, "y": 0})"),
                "group heading"},
        Refusal{"PlateOfThePlateMenu", withParts(R"({"kind": "plate", "entry": "1 mm steel plate", "x": 0, "y": 0})"),
                "a plate is rs"},
        Refusal{"EntryAndDims", withParts(R"({"kind": "i", "entry": "IPE 300x150", "dims": [1, 1, 1, 1], "x": 0, "y": 0})"),
                "either an entry or dims"},
        Refusal{"WrongDimsCount", withParts(R"({"kind": "i", "dims": [300, 150, 7], "x": 0, "y": 0})"),
                "needs 4 dims"},
        Refusal{"DimensionTooLarge", withParts(R"({"kind": "rs", "dims": [1000, 10], "x": 0, "y": 0})"),
                "999.99"},
        Refusal{"ThreeDecimals", withParts(R"({"kind": "rs", "dims": [10.125, 10], "x": 0, "y": 0})"), "two decimals"},
        Refusal{"NoPosition", withParts(R"({"kind": "rs", "dims": [10, 10], "x": 0})"), "needs y"},
        Refusal{"AngleNotWhole", withParts(R"({"kind": "rs", "dims": [10, 10], "x": 0, "y": 0, "angle": 12.5})"),
                "angle"},
        Refusal{"Angle360", withParts(R"({"kind": "rs", "dims": [10, 10], "x": 0, "y": 0, "angle": 360})"), "angle"},
        Refusal{"MirrorNotBool", withParts(R"({"kind": "rs", "dims": [10, 10], "x": 0, "y": 0, "mirror": 1})"),
                "mirror"},
        Refusal{"MisspeltKey", withParts(R"({"kind": "rs", "dims": [10, 10], "x": 0, "y": 0, "angel": 5})"),
                "unknown key \"angel\""},
        Refusal{"NameTooLong",
                R"({"format": "morvane-builtup", "version": 1, "name": "12345678901234567890123456789012345678901",
                    "parts": [{"kind": "rs", "dims": [10, 10], "x": 0, "y": 0}]})",
                "40 characters"}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });
