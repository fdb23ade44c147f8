#pragma once

#include "base/section_kind.h"

#include <QString>
#include <QStringList>
#include <array>
#include <initializer_list>
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

// The families of the profile table, each a block of records whose names
// start alike ("HR U50x38", "IPE 80x46", "0.5 mm steel plate" ...).
enum class ProfileFamily {
    HotRolledU,
    HotRolledI,
    Tee,
    HotRolledL,
    Plate,
    Ipe,
    HeB,
    HeA,
    ColdRolledL,
    ColdRolledU,
};
inline constexpr int ProfileFamilyCount = 10;

// The family a record name belongs to, if any.
std::optional<ProfileFamily> profileFamilyOf(const QString& name);

// Lines first..last of the table; empty when last < first.
struct LineRange {
    int first = 0;
    int last = -1;
    bool operator==(const LineRange&) const = default;
};

// The profile table: name lines followed by their value lines.
class ProfileTable {
public:
    ProfileTable() = default;
    explicit ProfileTable(QStringList lines);
    static const ProfileTable& builtIn();

    int lineCount() const { return int(m_lines.size()); }
    QString line(int index) const { return m_lines.value(index); }
    // First name line in first..last (clamped to the table) whose whole text
    // equals the name, case and blanks included. Value lines (the lines that
    // read as numbers) are never names, so a number finds nothing.
    std::optional<int> find(const QString& name, int first, int last) const;
    // The same within the lines of the families, tried in the order given.
    std::optional<int> find(const QString& name, std::initializer_list<ProfileFamily> families) const;
    // From the first name line of the family to the last value line of its
    // last record, as found when the table was loaded.
    LineRange familyLines(ProfileFamily family) const { return m_families[std::size_t(family)]; }
    // Value k (1-based) of the record whose name line is at index.
    QString valueText(int record, int k) const { return line(record + k); }
    // The value read with "." as decimal point whatever the locale.
    std::optional<long double> value(int record, int k) const;

private:
    QStringList m_lines;
    std::vector<bool> m_isName; // per line: not a value line
    std::array<LineRange, ProfileFamilyCount> m_families;
};
