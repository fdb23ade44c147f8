// The tab computations fed any fields, entries, angles, densities, units and limits: nothing that is not
// finite, and no impossible section, reaches a panel line or SectionProperties.
#include "fuzz_input.h"

#include "catalogue/profile_catalogue.h"
#include "itemlist/requirement_limits.h"
#include "sections/compute_helpers.h"
#include "sections/tab_computations.h"
#include "settings/message_table.h"

#include <QRegularExpression>

static void checkResult(const std::optional<TabResult>& r)
{
    if (!r)
        return;
    if (const auto& p = r->properties) {
        FUZZ_CHECK(showable(r->weight) && allShowable(*p) && p->area > 0 && r->toListEnabled);
        for (long double v : {p->ix, p->iy, p->ixx, p->kxAbove, p->kxUnder, p->kyLeft, p->kyRight, p->kxx})
            FUZZ_CHECK(v >= 0);
    }
    // Property and weight lines start with a plain decimal number, then the unit.
    static const QRegularExpression number(QStringLiteral("^ *-?[0-9]+(\\.[0-9]+)?( |$)"));
    for (const PanelLine& line : r->panel.lines())
        if (!line.value.isEmpty() && line.y >= PanelRow::Weight && line.y <= PanelRow::Kxx)
            FUZZ_CHECK(number.match(line.value).hasMatch());
}

FUZZ_TARGET(in)
{
    const auto kind = static_cast<SectionKind>(in.byte() % SectionKindCount);
    const std::uint8_t how = in.byte();
    ComputeContext ctx;
    ctx.angle = in.raw<std::int32_t>();
    QString digits;
    for (int i = 0; i < 7; ++i)
        digits += QChar(u'1' + in.byte() % 3);
    ctx.units = *UnitSettings::fromDigits(digits);
    ctx.densityText = in.text();
    RequirementLimits limits;
    QString error;
    if (limits.parse(in.text(), error))
        ctx.colour = limits.query(MessageTable::english());
    const QStringList fields{in.text(), in.text(), in.text(), in.text()};
    QString entry = in.text();
    const std::vector<MenuEntry>& menu = builtInMenu(kind);
    if (how & 1 && !menu.empty())
        entry = menu[std::size_t(in.raw<std::uint16_t>()) % menu.size()].text;
    if (how & 2)
        entry = ctx.msg()(Msg::CustomSection);
    checkResult(how & 4 ? computeCustom(kind, fields, (how >> 3) % 2, ctx)
                        : computeEntry(kind, entry, ctx, fields, (how >> 3) % 3));
}
