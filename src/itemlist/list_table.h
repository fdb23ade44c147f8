#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class ItemList;

// The item list as a plain table for spreadsheets: one value per cell. The
// hidden origin column is left out and each two-line cell (area and weight,
// the pairs of moments and moduli, the two stresses) becomes two columns, so
// a row has 17 cells. Numbers keep the list's "." as decimal point.
struct ListTable {
    QStringList header; // the column captions, each on one line
    std::vector<QStringList> rows;
};

// Rows first..last (1-based, inclusive) of `list` under the grid's twelve
// header captions (lines separated by "\n").
ListTable listTable(const ItemList& list, int first, int last, const QStringList& headerCaptions);

// Tab-separated lines ended by "\n", the header line first: what a paste
// into a spreadsheet splits into cells. Tabs and line breaks inside a cell
// become blanks.
QString tabSeparatedText(const ListTable& table);

// Comma-separated lines ended by CR LF, the header line first; a cell with
// a comma, a double quote or a line break is quoted and its quotes doubled.
QString csvText(const ListTable& table);
