#pragma once

#include <QString>
#include <array>
#include <optional>

// The ten kinds in tab order.
enum class SectionKind {
    RectHollow = 0,
    CircHollow = 1,
    RectSolid = 2,
    CircSolid = 3,
    FlatBar = 4,
    L = 5,
    T = 6,
    Plate = 7,
    U = 8,
    I = 9,
};

inline constexpr int SectionKindCount = 10;

inline constexpr std::array<SectionKind, SectionKindCount> AllSectionKinds{
    SectionKind::RectHollow, SectionKind::CircHollow, SectionKind::RectSolid, SectionKind::CircSolid,
    SectionKind::FlatBar,    SectionKind::L,          SectionKind::T,         SectionKind::Plate,
    SectionKind::U,          SectionKind::I};

// Short names used on the command line: rh, ch, rs, cs, flat, l, t, plate, u, i.
QString kindCode(SectionKind kind);
std::optional<SectionKind> kindFromCode(const QString& code);

// Number of the built-in menu (1..10) that fills the kind's tree.
int menuNumber(SectionKind kind);

// Circles and plates do not turn.
bool isRotatable(SectionKind kind);
