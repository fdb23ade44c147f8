#include "sections/tab_computations.h"

#include "sections/hollow.h"
#include "settings/message_table.h"
#include "sections/profiles.h"
#include "sections/solid.h"

#include "catalogue/profile_catalogue.h"
#include "sections/compute_helpers.h"

namespace {
// No section has an area that is not positive, a negative second moment or
// modulus, or a value that cannot be shown.
bool possible(const SectionProperties& p)
{
    if (!allShowable(p) || p.area <= 0)
        return false;
    for (long double v : {p.ix, p.iy, p.ixx, p.kxAbove, p.kxUnder, p.kyLeft, p.kyRight, p.kxx})
        if (v < 0)
            return false;
    return true;
}

// A pass that set out to compute a section (its dimensions passed the kind's
// checks) but ended without one, or with one that no section can have, is
// refused like any invalid section: "Error wrong data !" on the panel, the
// kind's invalid layout, nothing stored, "To List" disabled.
void refuseImpossible(SectionKind kind, const QString& entry, TabResult& r, const ComputeContext& ctx)
{
    if (!r.toListEnabled || (r.properties && possible(*r.properties)))
        return;
    const MessageTable& m = ctx.msg();
    r.properties.reset();
    r.toListEnabled = false;
    r.panel.clear();
    switch (kind) {
    case SectionKind::RectSolid:
        r.panel.write(PanelRow::LabelX, 9, r.title.isEmpty() ? r.dataCaption.value_or(QString()) : r.title);
        r.panel.write(PanelRow::LabelX, PanelRow::Weight, m(Msg::WrongData));
        break;
    case SectionKind::FlatBar:
        r.panel.write(PanelRow::LabelX, 9, r.dataCaption.value_or(QString()));
        r.panel.write(PanelRow::LabelX, PanelRow::Weight, m(Msg::WrongData));
        break;
    case SectionKind::I:
    case SectionKind::T:
    case SectionKind::U:
    case SectionKind::L:
        r.panel.write(PanelRow::LabelX, PanelRow::Title, entry + m(Msg::Features));
        r.panel.write(PanelRow::LabelX, PanelRow::Weight, m(Msg::WrongData));
        break;
    default:
        r.panel.write(PanelRow::LabelX, PanelRow::Title, m(Msg::WrongData));
        break;
    }
    r.title.clear();
}

// Every pass starts from the angle reduced to 0..359 degrees.
ComputeContext reduced(const ComputeContext& ctx)
{
    ComputeContext c = ctx;
    c.angle = ctx.rotationAngle();
    return c;
}
} // namespace

bool kindComputes(SectionKind kind)
{
    switch (kind) {
    case SectionKind::RectHollow:
    case SectionKind::CircHollow:
    case SectionKind::RectSolid:
    case SectionKind::CircSolid:
    case SectionKind::FlatBar:
    case SectionKind::L:
    case SectionKind::T:
    case SectionKind::U:
    case SectionKind::I: return true;
    case SectionKind::Plate: return false;
    }
    return false;
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

namespace {
// "To List" is offered only for a pass that stored section values: a pass
// that ends without them (a zero-sized section, a group row) must not let the
// previous section be listed under the new name.
std::optional<TabResult> offerListing(std::optional<TabResult> result)
{
    if (result && !result->properties)
        result->toListEnabled = false;
    return result;
}

std::optional<TabResult> entryPass(SectionKind kind, const QString& entry, const ComputeContext& ctx,
                                   const QStringList& fields, int arrangement, const ProfileTable* table)
{
    const ProfileTable& profiles = table ? *table : ProfileTable::builtIn();
    QStringList f = fields;
    while (f.size() < 4)
        f << QString();
    switch (kind) {
    case SectionKind::I: return iBeamEntry(entry, {f[0], f[1], f[2], f[3]}, ctx, profiles);
    case SectionKind::T: return teeEntry(entry, {f[0], f[1], f[2], f[3]}, ctx, profiles);
    case SectionKind::L: return angleEntry(entry, {f[0], f[1], f[2]}, ctx, profiles);
    case SectionKind::U: {
        ChannelResult r = channelEntry(entry, {f[0], f[1], f[2], f[3]}, static_cast<ChannelArrangement>(arrangement),
                                       ctx, profiles);
        r.tab.pictureVariant = static_cast<int>(r.arrangement);
        return r.tab;
    }
    case SectionKind::RectHollow: return rectHollowEntry(entry, ctx);
    case SectionKind::CircHollow: return pipeEntry(entry, ctx);
    case SectionKind::RectSolid: return rectSolidEntry(entry, ctx);
    case SectionKind::CircSolid: return circSolidEntry(entry, ctx);
    case SectionKind::FlatBar: return flatBarEntry(entry, ctx);
    default: return std::nullopt;
    }
}

std::optional<TabResult> customPass(SectionKind kind, const QStringList& f, int changedField,
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
    case SectionKind::I:
    case SectionKind::T:
    case SectionKind::U:
    case SectionKind::L: return entryPass(kind, ctx.msg()(Msg::CustomSection), ctx, f, 0, nullptr);
    default: return std::nullopt;
    }
}
} // namespace

std::optional<TabResult> computeEntry(SectionKind kind, const QString& entry, const ComputeContext& ctx,
                                      const QStringList& fields, int arrangement, const ProfileTable* table)
{
    const ComputeContext c = reduced(ctx);
    std::optional<TabResult> result = entryPass(kind, entry, c, fields, arrangement, table);
    if (result)
        refuseImpossible(kind, entry, *result, c);
    return offerListing(std::move(result));
}

std::optional<TabResult> computeCustom(SectionKind kind, const QStringList& fields, int changedField,
                                       const ComputeContext& ctx)
{
    const ComputeContext c = reduced(ctx);
    std::optional<TabResult> result = customPass(kind, fields, changedField, c);
    if (result)
        refuseImpossible(kind, c.msg()(96), *result, c);
    return offerListing(std::move(result));
}
