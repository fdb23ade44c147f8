#include "sections/tab_computations.h"

#include "sections/hollow.h"
#include "sections/solid.h"

bool kindComputes(SectionKind kind)
{
    switch (kind) {
    case SectionKind::RectHollow:
    case SectionKind::CircHollow:
    case SectionKind::RectSolid:
    case SectionKind::CircSolid:
    case SectionKind::FlatBar: return true;
    default: return false;
    }
}

int customFieldCount(SectionKind kind)
{
    switch (kind) {
    case SectionKind::RectHollow: return 3;
    case SectionKind::CircHollow: return 2;
    case SectionKind::RectSolid: return 2;
    case SectionKind::CircSolid: return 1;
    case SectionKind::FlatBar: return 2;
    case SectionKind::L: return 3;
    case SectionKind::T:
    case SectionKind::U:
    case SectionKind::I: return 4;
    case SectionKind::Plate: return 2;
    }
    return 0;
}

std::optional<TabResult> computeEntry(SectionKind kind, const QString& entry, const ComputeContext& ctx)
{
    switch (kind) {
    case SectionKind::RectHollow: return rectHollowEntry(entry, ctx);
    case SectionKind::CircHollow: return pipeEntry(entry, ctx);
    case SectionKind::RectSolid: return rectSolidEntry(entry, ctx);
    case SectionKind::CircSolid: return circSolidEntry(entry, ctx);
    case SectionKind::FlatBar: return flatBarEntry(entry, ctx);
    default: return std::nullopt;
    }
}

std::optional<TabResult> computeCustom(SectionKind kind, const QStringList& f, int changedField,
                                       const ComputeContext& ctx)
{
    if (f.size() < customFieldCount(kind))
        return std::nullopt;
    switch (kind) {
    case SectionKind::RectHollow: return rectHollowCustom(f[0], f[1], f[2], ctx);
    case SectionKind::CircHollow: return pipeCustom(f[0], f[1], changedField == 0, ctx);
    case SectionKind::RectSolid: return rectSolidCustom(f[0], f[1], ctx);
    case SectionKind::CircSolid: return circSolidCustom(f[0], ctx);
    case SectionKind::FlatBar: return flatBarCustom(f[0], f[1], ctx);
    default: return std::nullopt;
    }
}
