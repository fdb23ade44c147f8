#pragma once

#include "itemlist/item_list.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class MessageTable;

// One line of the list editor: the row's cells as the grid holds them, and
// the row number in the main list that the line stands for.
struct EditorLine {
    int row = 0;
    std::array<QString, ListColumns> cells;
    QString weight; // the weight per metre the grid paints under the area
    bool plate = false; // plate rows keep their cells as they are
};

// The editor's lines in list order, one per item.
std::vector<EditorLine> editorLines(const ItemList& list);

// The one-line texts of an editor line: the two-line cells written on one
// line with the captions of their values.
std::array<QString, ListColumns> editorLineTexts(const EditorLine& line, const MessageTable& messages);

// The columns whose cells hold two values; a toggle picks which one sorts.
bool isPairColumn(int column);

// The column captions of the editor's list, and the caption of a pair column
// while it sorts by its first or second value.
std::array<QString, ListColumns> editorColumnCaptions(const MessageTable& messages);
QString sortCaption(int column, bool secondValue, const MessageTable& messages);

// The sort key of a line: pair columns sort by the chosen value and the area
// column by the area, each written with ten decimals; other columns but the
// description by their text. Except for the description, the key is padded
// on the left with "0" to 50 characters and followed by the row number padded
// with "0" to 9 digits. The description's key is its text.
QString editorSortKey(const EditorLine& line, int column, bool secondValue);

// Called with the finished step (1..sortSteps).
inline constexpr int sortSteps = 7;
using SortProgress = std::function<void(int step, int steps)>;

// Sorts the lines ascending by their keys of a column: texts compare in the
// order of the default locale (QLocale()) without regard to case, numbers by
// value, and equal keys keep their order. In sorts of the columns from 3 on,
// plate rows come after the sections, ordered among themselves by what their
// cells hold (size, pieces, weights, surface).
void sortEditorLines(std::vector<EditorLine>& lines, int column, bool secondValue,
                     const SortProgress& progress = {});

// Moves the lines at the given positions (0-based, any order), in their list
// order, to just before the line at position target (lines.size() for the end).
void moveEditorLines(std::vector<EditorLine>& lines, std::vector<int> positions, int target);

// Puts the list in a new order: order[i] is the row number (1-based) that
// becomes row i + 1. Cells, pictures and stored values move together and
// column 0 is numbered again. Returns false, changing nothing, unless order
// names every row exactly once.
bool applyItemOrder(ItemList& list, const std::vector<int>& order);

// Removes the listed rows (1-based, any order) as "Delete selected item(s)"
// does: the rows below move up with their pictures and values.
void removeItems(ItemList& list, std::vector<int> rows);
