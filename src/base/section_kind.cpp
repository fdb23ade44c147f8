#include "base/section_kind.h"

namespace {
constexpr std::array<const char*, SectionKindCount> Codes{"rh", "ch", "rs", "cs", "flat",
                                                          "l",  "t",  "plate", "u", "i"};
constexpr std::array<int, SectionKindCount> Menus{1, 2, 3, 8, 7, 9, 6, 10, 4, 5};
} // namespace

QString kindCode(SectionKind kind)
{
    return QString::fromLatin1(Codes[static_cast<int>(kind)]);
}

std::optional<SectionKind> kindFromCode(const QString& code)
{
    for (int i = 0; i < SectionKindCount; ++i)
        if (code == QLatin1String(Codes[i]))
            return static_cast<SectionKind>(i);
    return std::nullopt;
}

int menuNumber(SectionKind kind)
{
    return Menus[static_cast<int>(kind)];
}

bool isRotatable(SectionKind kind)
{
    return kind != SectionKind::CircHollow && kind != SectionKind::CircSolid && kind != SectionKind::Plate;
}
