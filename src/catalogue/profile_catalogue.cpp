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

std::optional<int> ProfileTable::find(const QString& name, int first, int last) const
{
    const int from = std::max(0, first);
    const int to = std::min(lineCount() - 1, last);
    for (int i = from; i <= to; ++i)
        if (m_lines[i] == name)
            return i;
    return std::nullopt;
}

std::optional<long double> ProfileTable::value(int record, int k) const
{
    return readNumber(valueText(record, k));
}
