// The Hungarian and Dutch columns of the built-in table.
#include "settings/message_table.h"
#include "settings/translation_table.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {
constexpr int Hungarian = 3;
constexpr int Dutch = 4;

// The blanks a text starts and ends with.
std::pair<qsizetype, qsizetype> blanks(const QString& s)
{
    const qsizetype lead = s.size() - QString(s).remove(QRegularExpression("^ +")).size();
    return {lead, s.size() - QString(s).remove(QRegularExpression(" +$")).size()};
}
} // namespace

class LanguageColumn : public ::testing::TestWithParam<int> {};

TEST_P(LanguageColumn, EveryRowFilledButTheEmptyMessagesWithTheEnglishBlanks)
{
    const TranslationTable& t = TranslationTable::builtIn();
    const int column = GetParam();
    int filled = 0;
    for (int row = 1; row < t.rowCount(); ++row) {
        const QString english = t.cell(row, TranslationTable::EnglishColumn);
        const QString text = t.cell(row, column);
        const auto n = TranslationTable::messageNumber(t.cell(row, TranslationTable::KeyColumn));
        if (n && *n >= 201) {
            EXPECT_TRUE(text.isEmpty()) << "message " << *n;
            continue;
        }
        ASSERT_FALSE(text.isEmpty()) << "row " << row;
        ++filled;
        EXPECT_EQ(blanks(text), blanks(english)) << "row " << row << ": " << text.toStdString();
        EXPECT_FALSE(text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')));
    }
    EXPECT_EQ(filled, 313);
}

TEST_P(LanguageColumn, TextsTheProgramJoinsOrComparesStayUsable)
{
    const MessageTable m = MessageTable::fromTable(TranslationTable::builtIn(), GetParam());
    // The requirement colours find a panel line by these keys: they must differ.
    QSet<QString> keys;
    for (int n = 2; n <= 8; ++n)
        keys.insert(m(n));
    EXPECT_EQ(keys.size(), 7);
    // Joined to numbers: "Rotate :" + angle + " deg.", weight + " Tonne".
    EXPECT_TRUE(m(Msg::DegreeSuffix).startsWith(QLatin1Char(' ')));
    EXPECT_TRUE(m(Msg::TonneSuffix).startsWith(QLatin1Char(' ')));
    EXPECT_TRUE(m(Msg::Degrees).startsWith(QLatin1Char(' ')));
    // Names put in front of catalogue sizes carry no dimension separator,
    // and the material names no colon (the value follows the first colon).
    for (int n : {29, 31, 50, 62, 66, 68, 72, 93, 96, 159, 160})
        EXPECT_FALSE(m(n).contains(QLatin1Char('x'))) << n;
    for (int n = 187; n <= 194; ++n) {
        EXPECT_FALSE(m(n).contains(QLatin1Char(':'))) << n;
        EXPECT_FALSE(m(n).isEmpty()) << n;
    }
    for (int n : {29, 50, 159, 160})
        EXPECT_FALSE(m(n).contains(QLatin1Char(':'))) << n;
    EXPECT_TRUE(m(Msg::PipeDiameter).endsWith(QLatin1Char(':')));
    // The four picture edge words and the custom entry are distinct.
    EXPECT_NE(m(Msg::Above), m(Msg::Under));
    EXPECT_NE(m(Msg::Left), m(Msg::Right));
    EXPECT_NE(m(Msg::CustomSection), MessageTable::english()(Msg::CustomSection));
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, LanguageColumn, ::testing::Values(Hungarian, Dutch),
                         [](const auto& info) { return info.param == Hungarian ? "Hungarian" : "Dutch"; });
