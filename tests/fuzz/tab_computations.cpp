// The tab computations fed arbitrary fields, entries, angles, densities,
// units and limits: nothing that is not finite, and no impossible section,
// reaches a panel line or SectionProperties. A computation that ends because
// its area cannot be shown carries no values, and its weight is never shown.
#include "fuzz_input.h"

#include "catalogue/profile_catalogue.h"
#include "itemlist/requirement_limits.h"
#include "sections/compute_helpers.h"
#include "sections/tab_computations.h"
#include "settings/message_table.h"

#include <QRegularExpression>

namespace {
// A value text on the panel: a plain decimal number, then its unit.
bool plainNumberFirst(const QString& value)
{
    static const QRegularExpression number(QStringLiteral("^ *-?[0-9]+(\\.[0-9]+)?( |$)"));
    return number.match(value).hasMatch();
}

void checkResult(const TabResult& r)
{
    if (r.properties) {
        const SectionProperties& p = *r.properties;
        FUZZ_CHECK(showable(r.weight));
        FUZZ_CHECK(allShowable(p));
        FUZZ_CHECK(p.area > 0);
        for (long double v : {p.ix, p.iy, p.ixx, p.kxAbove, p.kxUnder, p.kyLeft, p.kyRight, p.kxx})
            FUZZ_CHECK(v >= 0);
        FUZZ_CHECK(r.toListEnabled);
    }
    for (const PanelLine& line : r.panel.lines()) {
        // Property and weight lines write their value at the value column.
        if (!line.value.isEmpty() && line.y >= PanelRow::Weight && line.y <= PanelRow::Kxx)
            FUZZ_CHECK(plainNumberFirst(line.value));
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
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
    QStringList fields;
    for (int i = 0; i < 4; ++i)
        fields << in.text();
    QString entry = in.text();
    const std::vector<MenuEntry>& menu = builtInMenu(kind);
    if (how & 1 && !menu.empty())
        entry = menu[std::size_t(in.raw<std::uint16_t>()) % menu.size()].text;
    if (how & 2)
        entry = ctx.msg()(Msg::CustomSection);

    if (how & 4) {
        if (const auto r = computeCustom(kind, fields, (how >> 3) % 2, ctx))
            checkResult(*r);
    } else {
        if (const auto r = computeEntry(kind, entry, ctx, fields, (how >> 3) % 3))
            checkResult(*r);
    }
    return 0;
}
