// The menu loader and the profile lookup over any text: depths rise by one
// at most, entries keep their text, and a lookup finds only a name line equal
// to the text, never a value line.
#include "fuzz_input.h"

#include "catalogue/profile_catalogue.h"
#include "base/number_format.h"
#include "settings/eight_bit_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const int first = in.raw<std::int16_t>();
    const int last = in.raw<std::int16_t>();
    const QString name = in.text();
    const QString text = decodeEightBit(in.rest());

    const MenuLoad menu = loadMenu(text);
    const QStringList lines = splitLines(text);
    FUZZ_CHECK(menu.entries.size() <= std::size_t(lines.size()));
    int previous = -1;
    for (const MenuEntry& e : menu.entries) {
        FUZZ_CHECK(e.depth >= 0 && e.depth <= previous + 1);
        FUZZ_CHECK(!e.text.startsWith(QLatin1Char('\t')) && !e.text.startsWith(QLatin1Char(' ')));
        previous = e.depth;
    }
    if (menu.error.isEmpty())
        FUZZ_CHECK(menu.entries.size() == std::size_t(lines.size()));
    else
        FUZZ_CHECK(menu.error.startsWith(QLatin1String("Invalid level (")));

    const ProfileTable table(lines);
    FUZZ_CHECK(table.lineCount() == lines.size());
    for (const QString& wanted : {name, lines.value(0), lines.value(int(lines.size()) / 2)}) {
        if (const auto found = table.find(wanted, first, last)) {
            FUZZ_CHECK(*found >= std::max(0, first) && *found <= last && *found < table.lineCount());
            FUZZ_CHECK(table.line(*found) == wanted);
            FUZZ_CHECK(!readNumber(wanted).has_value());
            for (int i = std::max(0, first); i < *found; ++i)
                FUZZ_CHECK(table.line(i) != wanted);
        } else if (!readNumber(wanted)) {
            for (int i = std::max(0, first); i <= last && i < table.lineCount(); ++i)
                FUZZ_CHECK(table.line(i) != wanted);
        }
        for (int k = 0; k < 10; ++k)
            (void)table.value(0, k);
    }
    // The built-in table answers any text without reading a value line as a name.
    const ProfileTable& builtIn = ProfileTable::builtIn();
    if (const auto found = builtIn.find(name, 0, builtIn.lineCount() - 1))
        FUZZ_CHECK(builtIn.line(*found) == name && !readNumber(name));
    return 0;
}
