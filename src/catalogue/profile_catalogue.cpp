#include "catalogue/profile_catalogue.h"

#include "base/number_format.h"
#include "settings/eight_bit_text.h"

#include <QFile>
#include <array>

namespace {
QString readResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeEightBit(file.readAll());
}
} // namespace

MenuLoad loadMenu(const QString& text)
{
    MenuLoad load;
    int previous = -1;
    for (const QString& line : splitLines(text)) {
        int depth = 0;
        while (depth < line.size() && (line[depth] == QLatin1Char('\t') || line[depth] == QLatin1Char(' ')))
            ++depth;
        const QString entry = line.mid(depth);
        if (depth > previous + 1) {
            load.error = QStringLiteral("Invalid level (%1) for entry '%2'").arg(depth).arg(entry);
            return load;
        }
        load.entries.push_back(MenuEntry{depth, entry});
        previous = depth;
    }
    return load;
}

QString builtInMenuText(SectionKind kind)
{
    return readResource(QStringLiteral(":/catalogue/data/menu%1.txt").arg(menuNumber(kind)));
}

const std::vector<MenuEntry>& builtInMenu(SectionKind kind)
{
    static const std::array<std::vector<MenuEntry>, SectionKindCount> menus = [] {
        std::array<std::vector<MenuEntry>, SectionKindCount> all;
        for (SectionKind k : AllSectionKinds)
            all[std::size_t(k)] = loadMenu(builtInMenuText(k)).entries;
        return all;
    }();
    return menus[std::size_t(kind)];
}

const ProfileTable& ProfileTable::builtIn()
{
    static const ProfileTable table(splitLines(readResource(QStringLiteral(":/catalogue/data/profiles.txt"))));
    return table;
}

std::optional<ProfileFamily> profileFamilyOf(const QString& name)
{
    // Longer prefixes before the shorter ones they contain.
    static const std::array<std::pair<QLatin1String, ProfileFamily>, 8> prefixes{{
        {QLatin1String("HR U"), ProfileFamily::HotRolledU},
        {QLatin1String("HR I"), ProfileFamily::HotRolledI},
        {QLatin1String("CR L section "), ProfileFamily::ColdRolledL},
        {QLatin1String("L section "), ProfileFamily::HotRolledL},
        {QLatin1String("IPE "), ProfileFamily::Ipe},
        {QLatin1String("IPB;HE-B "), ProfileFamily::HeB},
        {QLatin1String("I PBI;(HE-A) "), ProfileFamily::HeA},
        {QLatin1String("CR U"), ProfileFamily::ColdRolledU},
    }};
    for (const auto& [prefix, family] : prefixes)
        if (name.startsWith(prefix))
            return family;
    if (name.endsWith(QLatin1String(" plate")))
        return ProfileFamily::Plate;
    if (name.size() > 1 && name[0] == QLatin1Char('T') && name[1].isDigit())
        return ProfileFamily::Tee;
    return std::nullopt;
}

ProfileTable::ProfileTable(QStringList lines) : m_lines(std::move(lines))
{
    m_isName.reserve(std::size_t(m_lines.size()));
    for (const QString& line : m_lines)
        m_isName.push_back(!readNumber(line).has_value());
    // A record runs from its name line to the line before the next name.
    for (int i = 0; i < lineCount(); ++i) {
        if (!m_isName[std::size_t(i)])
            continue;
        const std::optional<ProfileFamily> family = profileFamilyOf(m_lines[i]);
        if (!family)
            continue;
        int end = i;
        while (end + 1 < lineCount() && !m_isName[std::size_t(end + 1)])
            ++end;
        LineRange& range = m_families[std::size_t(*family)];
        if (range.last < range.first)
            range.first = i;
        range.last = end;
    }
}

std::optional<int> ProfileTable::find(const QString& name, int first, int last) const
{
    const int from = std::max(0, first);
    const int to = std::min(lineCount() - 1, last);
    for (int i = from; i <= to; ++i)
        if (m_isName[std::size_t(i)] && m_lines[i] == name)
            return i;
    return std::nullopt;
}

std::optional<int> ProfileTable::find(const QString& name, std::initializer_list<ProfileFamily> families) const
{
    for (ProfileFamily family : families) {
        const LineRange range = familyLines(family);
        if (auto found = find(name, range.first, range.last))
            return found;
    }
    return std::nullopt;
}

std::optional<long double> ProfileTable::value(int record, int k) const
{
    return readNumber(valueText(record, k));
}
