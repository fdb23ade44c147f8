// The translation window's grid, its files and what a language column gives.
#include "settings/language_texts.h"
#include "settings/message_table.h"
#include "settings/translation_table.h"

#include <gtest/gtest.h>

namespace {
QStringList linesOf(const QByteArray& bytes)
{
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.last(), QString()); // every line ends with CR LF
    lines.removeLast();
    return lines;
}
} // namespace

// "Test" fills the scratch column from mine, else from English.
TEST(TranslationGrid, HasUserAndScratchColumnsAndTestFillsTheScratchOne)
{
    TranslationTable grid = TranslationTable::builtInGrid();
    EXPECT_EQ((std::array{grid.columnCount(), grid.rowCount(), grid.userColumn(), grid.scratchColumn()}),
              (std::array{7, 317, 5, 6}));
    EXPECT_EQ(grid.cell(0, 5), "My Translate");
    EXPECT_TRUE(grid.cell(104, 5).isEmpty());
    EXPECT_EQ(grid.cell(104, 3), "Hiba. Rossz adatok !");
    EXPECT_TRUE(grid.cell(317, 1).isEmpty()); // past the last row
    EXPECT_TRUE(grid.cell(-1, 1).isEmpty());
    grid.setCell(104, 5, "Wrong, friend !");
    const int scratch = grid.fillScratchColumn();
    EXPECT_EQ(scratch, 6);
    const LanguageTexts texts = languageTexts(grid, scratch);
    EXPECT_EQ((QStringList{texts.messages(Msg::WrongData), texts.messages(2), texts.messages(Msg::DegreeSuffix),
                           texts.tabCaptions.value(0)}),
              (QStringList{"Wrong, friend !", "area", " deg.", "Rectangular Hollow Section"}));
    // Empty in English, so empty under "Test" too.
    EXPECT_TRUE(texts.messages(201).isEmpty());
}

TEST(UserColumnFile, StandardGridWrites318Lines)
{
    TranslationTable grid = TranslationTable::builtInGrid();
    grid.setCell(1, 5, QString::fromUtf8("Rugalmass\xc3\xa1gi modulus :"));
    const QStringList lines = linesOf(writeUserColumn(grid));
    ASSERT_EQ(lines.size(), 318);
    EXPECT_EQ((QStringList{lines[0], lines[1], lines[2], lines[317]}),
              (QStringList{"317", "My Translate", QString::fromUtf8("Rugalmass\xc3\xa1gi modulus :"), ""}));
}

TEST(UserColumnFile, ReadsBackUtf8AndWindows1252)
{
    TranslationTable grid = TranslationTable::builtInGrid();
    grid.setCell(104, 5, QString::fromUtf8("Hiba \xc5\x91"));
    const QByteArray bytes = writeUserColumn(grid);
    TranslationTable other = TranslationTable::builtInGrid();
    const UserColumnRead read = readUserColumn(bytes);
    ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    applyUserColumn(other, read);
    EXPECT_EQ(other.cell(104, 5), QString::fromUtf8("Hiba \xc5\x91"));
    EXPECT_EQ(other.cell(0, 5), "My Translate");

    // A file written by an 8-bit editor: not valid UTF-8, so Windows-1252.
    const UserColumnRead old = readUserColumn(QByteArray("3\r\nMy Translate\r\nAc\xe9l \x80\r\n"));
    ASSERT_TRUE(old.error.isEmpty());
    TranslationTable small = TranslationTable::builtInGrid();
    applyUserColumn(small, old);
    EXPECT_EQ(small.rowCount(), 317);
    // Lines past the end of the file read as empty.
    EXPECT_EQ((QStringList{small.cell(1, 5), small.cell(2, 5), small.cell(316, 5)}),
              (QStringList{QString::fromUtf8("Ac\xc3\xa9l \xe2\x82\xac"), "", ""}));
}

TEST(UserColumnFile, ALargerRowCountGrowsTheGrid)
{
    TranslationTable grid = TranslationTable::builtInGrid();
    QByteArray bytes = "320\r\nMy Translate\r\n";
    for (int i = 1; i < 320; ++i)
        bytes += "t" + QByteArray::number(i) + "\r\n";
    const UserColumnRead read = readUserColumn(bytes);
    applyUserColumn(grid, read);
    EXPECT_EQ(grid.rowCount(), 320);
    // Row 316, ford203, keeps its empty column 2; the grown rows have no key.
    EXPECT_EQ((QStringList{grid.cell(319, 5), grid.cell(316, 2), grid.cell(316, 1), grid.cell(318, 1)}),
              (QStringList{"t319", "", "ford203", ""}));
}

TEST(UserColumnFile, RefusesFilesWithoutARowCount)
{
    for (const QByteArray& bad : {QByteArray(), QByteArray("My Translate\r\n"), QByteArray("-4\r\nx\r\n"),
                                  QByteArray("99999999999\r\n"), QByteArray("0\r\n")}) {
        const UserColumnRead read = readUserColumn(bad);
        EXPECT_FALSE(read.error.isEmpty()) << bad.toStdString();
        TranslationTable grid = TranslationTable::builtInGrid();
        applyUserColumn(grid, read);
        EXPECT_EQ(grid.rowCount(), 317);
        EXPECT_EQ(grid.cell(0, 5), "My Translate");
    }
}

TEST(WholeTableFile, StandardTableWritesSixColumnsOf317)
{
    const TranslationTable grid = TranslationTable::builtInGrid();
    const QStringList lines = linesOf(writeWholeTable(grid));
    ASSERT_EQ(lines.size(), 2 + 6 * 317);
    EXPECT_EQ((QStringList{lines[0], lines[1], lines[2], lines[2 + 317], lines[2 + 2 * 317 + 1], lines[2 + 5 * 317]}),
              (QStringList{"6", "317", "Item", "Components", "E modulus [KN/m2]:", "My Translate"}));
}

TEST(WholeTableFile, ReadsBackWithTheScratchColumnAddedAgain)
{
    TranslationTable grid = TranslationTable::builtInGrid();
    grid.setCell(104, 5, "Mine");
    const WholeTableRead read = readWholeTable(writeWholeTable(grid));
    ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    ASSERT_TRUE(read.table.has_value());
    EXPECT_EQ((std::array{read.cellsRead, read.table->columnCount(), read.table->userColumn()}),
              (std::array{6 * 317, 7, 5}));
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 317; ++r)
            ASSERT_EQ(read.table->cell(r, c), grid.cell(r, c)) << r << "," << c;
}

TEST(WholeTableFile, AShortFileKeepsWhatWasRead)
{
    const WholeTableRead read = readWholeTable("2\r\n3\r\nItem\r\n1\r\n2\r\nComponents\r\n");
    ASSERT_TRUE(read.table.has_value());
    EXPECT_FALSE(read.error.isEmpty());
    EXPECT_EQ(read.cellsRead, 4);
    EXPECT_EQ(read.table->cell(0, 1), "Components");
    EXPECT_TRUE(read.table->cell(1, 1).isEmpty());
    // Counts that would ask for more cells than a table holds (999 x 100000
    // from a file of a few bytes) are refused before anything is allocated.
    for (const QByteArray& bad : {QByteArray("6\r\n"), QByteArray("six\r\n317\r\n"), QByteArray("6\r\n0\r\n"),
                                  QByteArray("100000000\r\n100000000\r\n"), QByteArray("999\r\n100000\r\n"),
                                  QByteArray("20\r\n50000\r\n")}) {
        const WholeTableRead refused = readWholeTable(bad);
        EXPECT_FALSE(refused.table.has_value()) << bad.toStdString();
        EXPECT_FALSE(refused.error.isEmpty());
    }
}

TEST(TranslationGridEditing, GrowingStaysWithinTheCellLimit)
{
    const auto wide = readWholeTable("199\r\n2\r\n");
    ASSERT_TRUE(wide.table.has_value());
    TranslationTable grid = *wide.table;
    EXPECT_EQ(grid.columnCount(), 200);
    UserColumnRead many;
    many.rowCount = TranslationTable::MaxRows;
    applyUserColumn(grid, many);
    EXPECT_EQ(grid.rowCount(), TranslationTable::MaxCells / 200);
    grid.setColumnCount(1000);
    EXPECT_EQ(grid.columnCount(), 200);
}

TEST(TranslationGridEditing, InsertDeleteRenumber)
{
    TranslationTable grid = TranslationTable::builtInGrid();
    grid.insertRow(2);
    grid.renumber();
    EXPECT_EQ(grid.rowCount(), 318);
    EXPECT_EQ((QStringList{grid.cell(2, 1), grid.cell(3, 1), grid.cell(317, 0)}),
              (QStringList{"", "form1.Panel56", "317"}));
    grid.deleteRow(2);
    grid.renumber();
    EXPECT_EQ(grid.rowCount(), 317);
    EXPECT_EQ((QStringList{grid.cell(2, 1), grid.cell(316, 0)}), (QStringList{"form1.Panel56", "316"}));
    // The last row is only emptied.
    grid.deleteRow(316);
    EXPECT_EQ(grid.rowCount(), 317);
    EXPECT_TRUE(grid.cell(316, 1).isEmpty());
    grid.setColumnCount(grid.columnCount() + 1);
    EXPECT_EQ(grid.columnCount(), 8);
    EXPECT_EQ(grid.cell(1, 2), "E modulus [KN/m2]:");
}

TEST(LanguageTexts, ComponentsTabsAndMessagesOfAColumn)
{
    const LanguageTexts& hu = builtInLanguage(1);
    EXPECT_EQ(hu.component("Panel53").value(), "E-modulus [KN/m2]:");
    EXPECT_EQ(hu.component("BitBtn6").value(), QString::fromUtf8("List\xc3\xa1""ba"));
    EXPECT_FALSE(hu.component("NoSuchPanel").has_value());
    ASSERT_EQ(hu.tabCaptions.size(), 10);
    EXPECT_EQ(hu.tabCaptions[0], QString::fromUtf8("Z\xc3\xa1rtszelv\xc3\xa9ny"));
    EXPECT_EQ(hu.messages(Msg::WrongData), "Hiba. Rossz adatok !");
    EXPECT_EQ(&MessageTable::forLanguage(1), &hu.messages);
    EXPECT_EQ(MessageTable::forLanguage(7)(1), "Error wrong data !");
    // The first row of a key wins: "form1.About2" and "form1.Help1" both exist once.
    EXPECT_EQ(builtInLanguage(2).component("Settings1").value(), "Instellingen....");
    for (int p = 0; p < BuiltInLanguageCount; ++p)
        for (int n = 201; n <= 203; ++n)
            EXPECT_TRUE(MessageTable::forLanguage(p)(n).isEmpty());
}

TEST(LanguageTexts, LanguageCodesAndMaterials)
{
    EXPECT_EQ(languagePositionOfCode("hu").value(), 1);
    EXPECT_EQ(languagePositionOfCode("NL").value(), 2);
    EXPECT_FALSE(languagePositionOfCode("de").has_value());
    EXPECT_EQ(languageColumn(2), 4);
    EXPECT_EQ(languageListNames().value(3), "My Translate");
    const MessageTable& nl = MessageTable::forLanguage(2);
    EXPECT_EQ(materialEntryText(0, "Steel : 210000000", nl), "Staal : 210000000");
    EXPECT_EQ(materialEntryText(7, "Pinewood : 600", nl), "Grenenhout : 600");
    EXPECT_EQ(materialEntryText(0, materialEntryText(0, "Steel : 7850", nl), MessageTable::forLanguage(1)),
              QString::fromUtf8("Ac\xc3\xa9l : 7850"));
    EXPECT_EQ(materialEntryText(3, "7850", nl), "7850");
}
