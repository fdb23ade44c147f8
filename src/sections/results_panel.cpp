#include "sections/results_panel.h"

#include "base/number_format.h"
#include "settings/message_table.h"

QString panelColourName(PanelColour colour)
{
    switch (colour) {
    case PanelColour::Neutral: return QStringLiteral("neutral");
    case PanelColour::Grey: return QStringLiteral("grey");
    case PanelColour::Red: return QStringLiteral("red");
    case PanelColour::Green: return QStringLiteral("green");
    case PanelColour::Yellow: return QStringLiteral("yellow");
    }
    return QStringLiteral("neutral");
}

void ResultsPanel::clear()
{
    m_texts.clear();
    m_colour = PanelColour::Neutral;
}

void ResultsPanel::write(int x, int y, const QString& text)
{
    m_texts.push_back(PanelText{x, y, text, m_colour});
}

void ResultsPanel::writeProperty(int y, const QString& label, const QString& key, long double storedValue,
                                 UnitGroup group, const UnitSettings& units, const ColourQuery& colour)
{
    const long double shown = storedValue / unitDivisor(units, group);
    m_colour = colour ? colour(key, shown) : PanelColour::Neutral;
    write(PanelRow::LabelX, y, label);
    QString value = formatPanelValue(shown, group == UnitGroup::Area);
    value.reserve(value.size() + 8);
    value += QLatin1Char(' ');
    value += unitText(units, group);
    write(PanelRow::ValueX, y, value);
    m_colour = PanelColour::Grey;
}

std::vector<PanelLine> ResultsPanel::lines() const
{
    std::vector<PanelLine> result;
    for (const PanelText& t : m_texts) {
        if (t.x >= PanelRow::ValueX && !result.empty() && result.back().y == t.y && result.back().value.isEmpty()) {
            result.back().value = t.text;
            result.back().colour = t.colour;
            continue;
        }
        PanelLine line;
        line.y = t.y;
        line.colour = t.colour;
        if (t.x >= PanelRow::ValueX)
            line.value = t.text;
        else
            line.label = t.text;
        result.push_back(line);
    }
    return result;
}

const MessageTable& ComputeContext::msg() const
{
    return messages ? *messages : MessageTable::english();
}

void writeStandardResults(ResultsPanel& panel, const QString& title, const QString& weightText,
                          const SectionProperties& p, const ComputeContext& ctx)
{
    const MessageTable& m = ctx.msg();
    panel.write(PanelRow::LabelX, PanelRow::Title, title);
    panel.write(PanelRow::LabelX, PanelRow::Weight, m(Msg::WeightFormula));
    panel.write(PanelRow::ValueX, PanelRow::Weight, weightText);
    const auto prop = [&](int y, int label, int key, long double v, UnitGroup g) {
        panel.writeProperty(y, m(label), m(key), v, g, ctx.units, ctx.colour);
    };
    prop(PanelRow::Area, 22, 2, p.area, UnitGroup::Area);
    prop(PanelRow::Ix, 23, 3, p.ix, UnitGroup::Inertia);
    prop(PanelRow::Iy, 24, 4, p.iy, UnitGroup::Inertia);
    prop(PanelRow::Ixx, 25, 5, p.ixx, UnitGroup::Inertia);
    prop(PanelRow::KxAbove, 26, 6, p.kxAbove, UnitGroup::Modulus);
    prop(PanelRow::KxUnder, 27, 7, p.kxUnder, UnitGroup::Modulus);
    prop(PanelRow::Kxx, 28, 8, p.kxx, UnitGroup::Modulus);
}
