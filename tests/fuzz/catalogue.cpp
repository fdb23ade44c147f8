// The menu loader and the profile lookup over any text: depths rise by one at most, entries keep their
// text, and a lookup finds only the first name line equal to the text in its range, never a value line.
#include "fuzz_input.h"

#include "base/number_format.h"
#include "catalogue/profile_catalogue.h"
#include "settings/eight_bit_text.h"

FUZZ_TARGET(in)
{
    const int first = in.raw<std::int16_t>(), last = in.raw<std::int16_t>();
    const QString name = in.text();
    const QString text = decodeEightBit(in.rest());
    const QStringList lines = splitLines(text);
    const MenuLoad menu = loadMenu(text);
    FUZZ_CHECK(menu.error.isEmpty() ? menu.entries.size() == std::size_t(lines.size())
                                    : menu.error.startsWith(QLatin1String("Invalid level (")) &&
                                          menu.entries.size() <= std::size_t(lines.size()));
    int previous = -1;
    for (const MenuEntry& e : menu.entries) {
        FUZZ_CHECK(e.depth >= 0 && e.depth <= previous + 1 && !e.text.startsWith(u'\t') && !e.text.startsWith(u' '));
        previous = e.depth;
    }
    const ProfileTable table(lines);
    FUZZ_CHECK(table.lineCount() == lines.size());
    for (const QString& wanted : {name, lines.value(0), lines.value(int(lines.size()) / 2)}) {
        const auto found = table.find(wanted, first, last);
        if (!found && readNumber(wanted))
            continue;
        FUZZ_CHECK(!found || (*found >= std::max(0, first) && *found <= last && *found < table.lineCount() &&
                              table.line(*found) == wanted && !readNumber(wanted)));
        for (int i = std::max(0, first); i < (found ? *found : last + 1) && i < table.lineCount(); ++i)
            FUZZ_CHECK(table.line(i) != wanted);
    }
    for (int k = 0; k < 10; ++k)
        (void)table.value(0, k);
    const ProfileTable& builtIn = ProfileTable::builtIn();
    if (const auto found = builtIn.find(name, 0, builtIn.lineCount() - 1))
        FUZZ_CHECK(builtIn.line(*found) == name && !readNumber(name));
}
