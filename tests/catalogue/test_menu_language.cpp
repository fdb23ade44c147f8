// The catalogue menus in the three built-in languages.
#include "catalogue/menu_language.h"
#include "catalogue/profile_catalogue.h"
#include "sections/tab_computations.h"
#include "settings/message_table.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
const MessageTable& en() { return MessageTable::forLanguage(0); }
const MessageTable& hu() { return MessageTable::forLanguage(1); }
const MessageTable& nl() { return MessageTable::forLanguage(2); }

// The part of an entry text that gives its dimensions, read independently of
// the rules: what must come through every language unchanged.
QString sizePart(SectionKind kind, const QString& text)
{
    auto match = [&](const char* pattern) {
        const auto m = QRegularExpression(QString::fromLatin1(pattern)).match(text);
        return m.hasMatch() ? m.captured(0) : QString();
    };
    switch (kind) {
    case SectionKind::CircHollow: return text.left(text.indexOf('"') + 1) + text.mid(text.indexOf(':') + 1);
    case SectionKind::RectSolid:
    case SectionKind::CircSolid: return text.mid(text.indexOf(':') + 1);
    case SectionKind::FlatBar:
    case SectionKind::L: return match(R"(\d[\d.,]*x.*$)").remove(' ');
    case SectionKind::U: return match(R"((2xU (\[\]|\]\[) )?U\d.*$)");
    case SectionKind::I: return match(R"((IPE;|IPB;E|I PBI;E|HR I|IPE |IPB;H|I PBI;\().*$)");
    default: return text;
    }
}
} // namespace

TEST(MenuRules, EachRuleOnItsEntryForm)
{
    EXPECT_EQ(rectSolidEntryText("R.S. section :5x5", en()), "Rect. solid section  :5x5");
    EXPECT_EQ(circSolidEntryText("Circ.solid section diameter:4", en()), "CS Section :4");
    EXPECT_EQ(flatBarEntryText("R. section 10x3", en()), "Ribbon section 10x3");
    EXPECT_EQ(flatBarEntryText("Ribbon section 100x...", en()), "Ribbon section 100x...");
    // A one-digit width keeps no letter of the name in front of it.
    EXPECT_EQ(flatBarEntryText("R. section 5x3", en()), "Ribbon section 5x3");
    EXPECT_EQ(lSizeEntryText("CR L section 30x30x2", hu()), QString::fromUtf8("L szelv\xc3\xa9ny 30x30x2"));
    EXPECT_EQ(lHeadingText(0, hu()), QString::fromUtf8("Melegen hengerelt L szelv\xc3\xa9ny"));
    EXPECT_EQ(lHeadingText(1, nl()), "Koudgewalst L-profiel");
    EXPECT_EQ(iMarkerEntryText("I section IPB;EUR 53(HE-B)", nl()).value(), "I-profiel IPB;EUR 53(HE-B)");
    EXPECT_EQ(iMarkerEntryText("I section I PBI;EUR 53(HE-A)", en()).value(), "I section I PBI;EUR 53(HE-A)");
    EXPECT_FALSE(iMarkerEntryText("IPB;HE-B 100x100", en()).has_value());
    EXPECT_EQ(uHeadingText(0, en()), "Hot rolled U  section");
    EXPECT_EQ(uHeadingText(2, nl()), "Warmgewalst 2xU][  profiel");
    EXPECT_EQ(uHeadingText(3, en()), "Cold rolled U  section");
    EXPECT_EQ(uDoubleEntryText("HR 2xU [] U50x38", nl()).value(), "Warmgewalst 2xU [] U50x38");
    EXPECT_EQ(uEntryText("CR U20x20x1.5", true, en()).value(), "Cold rolled U20x20x1.5");
    EXPECT_EQ(uEntryText("HR U50x38", false, hu()).value(), "Melegen hengerelt U50x38");
    EXPECT_EQ(circHollowEntryText("1/2\" pipe diameter:21,3x2,6", nl()), "1/2\" Buisdiameter:21,3x2,6");
    EXPECT_EQ(customEntryText(hu()), QString::fromUtf8("Egyedi szelv\xc3\xa9ny"));
}

TEST(MenuRules, MessagesWithSeparatorsLoseThem)
{
    MessageTable m = en();
    m.set(29, "Bar: square");
    m.set(68, "Flax bar");
    m.set(159, "Xtra Ux hot");
    EXPECT_EQ(rectSolidEntryText("R.S. section :5x5", m), "Bar square :5x5");
    EXPECT_EQ(flatBarEntryText("R. section 10x3", m), "Fla bar 10x3");
    EXPECT_EQ(uDoubleEntryText("HR 2xU ][ U50x38", m).value(), "Xtra  hot 2xU ][ U50x38");
    EXPECT_EQ(uEntryText("HR U50x38", false, m).value(), "Xtra  hot U50x38");
}

// Every entry's size part after English, Hungarian, Dutch and English again,
// each language applied to the texts the one before it left.
class MenuLanguages : public ::testing::TestWithParam<SectionKind> {};

TEST_P(MenuLanguages, SizePartSurvivesEveryLanguageInTurn)
{
    const SectionKind kind = GetParam();
    const auto& entries = builtInMenu(kind);
    ASSERT_FALSE(entries.empty());
    std::vector<MenuEntry> current = entries;
    int compared = 0;
    for (const MessageTable* m : {&en(), &hu(), &nl(), &en()}) {
        const QStringList fromOriginal = translatedMenu(kind, entries, *m);
        const QStringList fromCurrent = translatedMenu(kind, current, *m);
        ASSERT_EQ(fromOriginal.size(), qsizetype(entries.size()));
        for (std::size_t i = 1; i < entries.size(); ++i) {
            const QString size = sizePart(kind, entries[i].text);
            if (size.isEmpty())
                continue;
            EXPECT_EQ(sizePart(kind, fromOriginal[qsizetype(i)]), size) << entries[i].text.toStdString();
            // Group headings of the U and L menus are retitled from their
            // position, so only entries with a size are compared in turn.
            EXPECT_EQ(sizePart(kind, fromCurrent[qsizetype(i)]), size) << entries[i].text.toStdString();
            ++compared;
        }
        for (std::size_t i = 0; i < current.size(); ++i)
            current[i].text = fromCurrent[qsizetype(i)];
    }
    if (kind != SectionKind::RectHollow && kind != SectionKind::T && kind != SectionKind::Plate) {
        EXPECT_GT(compared, 0);
    }
}

TEST_P(MenuLanguages, EveryEntryIsFoundByItsShownTextAndLooksUpTheSameRecord)
{
    const SectionKind kind = GetParam();
    const auto& entries = builtInMenu(kind);
    for (const MessageTable* m : {&hu(), &nl()}) {
        const QStringList shown = translatedMenu(kind, entries, *m);
        for (int i = 0; i < int(entries.size()); ++i) {
            const std::vector<int> found = entriesShowing(kind, entries, shown[i], *m);
            ASSERT_FALSE(found.empty()) << shown[i].toStdString();
            EXPECT_NE(std::find(found.begin(), found.end(), i), found.end());
            if (found.size() == 1)
                continue;
            // Only the L menu joins entries: a hot and a cold rolled size (or
            // size group) of the same dimensions, told apart by their group.
            EXPECT_EQ(kind, SectionKind::L) << shown[i].toStdString();
            EXPECT_EQ(found.size(), 2u);
            for (int j : found)
                EXPECT_EQ(sizePart(kind, entries[std::size_t(j)].text), sizePart(kind, entries[std::size_t(i)].text));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllMenus, MenuLanguages, ::testing::ValuesIn(AllSectionKinds),
                         [](const auto& info) { return kindCode(info.param).toStdString(); });

TEST(TranslatedMenus, HungarianMenusRetitleTheSectionsButKeepThePlates)
{
    const QStringList u = translatedMenu(SectionKind::U, builtInMenu(SectionKind::U), hu());
    EXPECT_EQ(u[0], QString::fromUtf8("Egyedi szelv\xc3\xa9ny"));
    EXPECT_EQ(u[1], QString::fromUtf8("Melegen hengerelt U  szelv\xc3\xa9ny"));
    EXPECT_EQ(u[2], "Melegen hengerelt U50x38");
    EXPECT_EQ(u[16], QString::fromUtf8("Melegen hengerelt 2xU[]  szelv\xc3\xa9ny"));
    EXPECT_EQ(u[46], QString::fromUtf8("Hidegen hengerelt U  szelv\xc3\xa9ny"));
    EXPECT_TRUE(u[47].startsWith("Hidegen hengerelt U20x"));
    const auto& plates = builtInMenu(SectionKind::Plate);
    const QStringList p = translatedMenu(SectionKind::Plate, plates, hu());
    for (int i = 0; i < int(plates.size()); ++i)
        EXPECT_EQ(p[i], plates[std::size_t(i)].text);
    const QStringList rh = translatedMenu(SectionKind::RectHollow, builtInMenu(SectionKind::RectHollow), nl());
    EXPECT_EQ(rh[0], "Eigen doorsnede");
    EXPECT_EQ(rh[1], builtInMenu(SectionKind::RectHollow)[1].text);
}

TEST(TranslatedMenus, LookupsFindTheirRecordsInAnyLanguage)
{
    const auto& entries = builtInMenu(SectionKind::I);
    const QStringList shown = translatedMenu(SectionKind::I, entries, nl());
    const std::vector<int> found = entriesShowing(SectionKind::I, entries, "HR I80x42", nl());
    ASSERT_EQ(found.size(), 1u);
    const int* hr = &found[0];
    ComputeContext ctx;
    ctx.messages = &nl();
    const auto result = computeEntry(SectionKind::I, entryLookupText(SectionKind::I, entries, *hr, nl()), ctx);
    ASSERT_TRUE(result.has_value());
    ASSERT_TRUE(result->properties.has_value());
    EXPECT_NEAR(double(result->properties->area), 758.0, 0.5);
    // The custom entry is recognised by the active language's message 96.
    const QString custom = entryLookupText(SectionKind::I, entries, 0, nl());
    EXPECT_EQ(custom, shown[0]);
    const auto customResult = computeEntry(SectionKind::I, custom, ctx, {"100", "50", "5", "8"});
    ASSERT_TRUE(customResult.has_value());
    EXPECT_TRUE(customResult->properties.has_value());
    EXPECT_TRUE(entriesShowing(SectionKind::I, entries, "Custom-designed section", nl()).empty());
}
