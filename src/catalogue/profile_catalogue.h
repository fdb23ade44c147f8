#pragma once

#include "base/section_kind.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// One entry of a profile menu: its depth (leading TABs or blanks) and text.
struct MenuEntry {
    int depth = 0;
    QString text;
};

// Result of loading a menu text: the entries, or the loader's invalid-level
// error naming the depth and the entry text.
struct MenuLoad {
    std::vector<MenuEntry> entries;
    QString error; // empty when the menu loaded
};

// Parses a menu text (lines ended by CR LF). A depth that rises by more than
// one from one line to the next stops loading with an error.
MenuLoad loadMenu(const QString& text);

// The built-in menu of a kind (menus 1..10), already parsed.
const std::vector<MenuEntry>& builtInMenu(SectionKind kind);
// The built-in menu text exactly as stored.
QString builtInMenuText(SectionKind kind);

// The profile table: name lines followed by their value lines.
class ProfileTable {
public:
    ProfileTable() = default;
    explicit ProfileTable(QStringList lines) : m_lines(std::move(lines)) {}
    static const ProfileTable& builtIn();

    int lineCount() const { return int(m_lines.size()); }
    QString line(int index) const { return m_lines.value(index); }
    // First line in first..last (clamped to the table) whose whole text equals
    // the name, case and blanks included.
    std::optional<int> find(const QString& name, int first, int last) const;
    // Value k (1-based) of the record whose name line is at index.
    QString valueText(int record, int k) const { return line(record + k); }
    // The value read with "." as decimal point whatever the locale.
    std::optional<long double> value(int record, int k) const;

private:
    QStringList m_lines;
};
