#include "sections/solid.h"

#include "sections/compute_helpers.h"
#include "sections/material.h"
#include "base/number_format.h"
#include "settings/message_table.h"

#include <algorithm>
#include <cmath>

namespace {


void writeRectangle(TabResult& result, long double a, long double b, const QString& title, const ComputeContext& ctx)
{
    const SectionProperties p = rectangleProperties(a, b, ctx.rotationAngle());
    const long double weight = weightOrReport(p.area, result, ctx);
    if (!allShowable(p))
        return; // a failed computation ends silently
    result.properties = p;
    result.title = title;
    writeStandardResults(result.panel, title, weightText(weight, QStringLiteral(" Kg/m")), p, ctx);
}

std::vector<DimensionLabel> rectSolidLabels(const QString& a, const QString& b)
{
    return {{192, 82, b}, {121, 15, a}};
}

std::vector<DimensionLabel> flatBarLabels(const QString& a, const QString& b)
{
    // The thickness beside its dimension line (x = 212), under the "RIGHT" caption.
    return {{226, 104, b}, {121, 35, a}};
}

// Shared custom computation of the two full-rectangle tabs.
TabResult rectangleCustom(const QString& aText, const QString& bText, const QString& caption,
                          const QString& title, std::vector<DimensionLabel> labels, const ComputeContext& ctx)
{
    const MessageTable& m = ctx.msg();
    TabResult result;
    const long double a = readDecimalOrReport(aText, result, ctx);
    const long double b = readDecimalOrReport(bText, result, ctx);
    if (a <= 0 || b <= 0) {
        result.panel.write(5, 9, title);
        result.panel.write(5, 22, m(Msg::WrongData));
        result.labels = std::move(labels);
        return result;
    }
    result.dataCaption = caption;
    result.labels = std::move(labels);
    result.toListEnabled = true;
    writeRectangle(result, a, b, title, ctx);
    return result;
}

// A custom entry's result: computed from the fields' starting texts, the
// fields open and the section listable.
TabResult openCustomFields(TabResult result, const QStringList& texts)
{
    result.fieldTexts = texts;
    result.fieldsEnabled = true;
    result.toListEnabled = true;
    return result;
}
} // namespace

RectangleTorsion rectangleTorsion(long double a, long double b)
{
    const long double h = std::max(a, b);
    const long double t = std::min(a, b);
    const long double n = h / t;
    RectangleTorsion r;
    if (n > 4) {
        r.ixx = (n - 0.63L) * t * t * t * t / 3;
        r.kxx = r.ixx / t;
        return r;
    }
    const long double divisor = n <= 1.5L ? 6.7L : n <= 2 ? 5.0L : n <= 3 ? 4.4L : 3.8L;
    r.ixx = h * t * t * t / divisor;
    r.kxx = h * t * t / 3.6L;
    return r;
}

SectionProperties rectangleProperties(long double a, long double b, long double angle)
{
    SectionProperties p;
    p.area = a * b;
    const RectangleTorsion torsion = rectangleTorsion(a, b);

    const long double r = std::sqrt((a / 2) * (a / 2) + (b / 2) * (b / 2));
    const long double beta = std::atan((b / 2) / (a / 2));
    const long double thetas[4] = {beta, Pi - beta, Pi + beta, 2 * Pi - beta};
    TurnedExtremes ex;
    for (long double theta : thetas) {
        const long double x = r * std::sin(theta + degreesToRadians(angle + 90));
        const long double y = r * std::sin(theta + degreesToRadians(angle));
        ex.xMax = std::max(ex.xMax, x);
        ex.xMin = std::min(ex.xMin, x);
        ex.yMax = std::max(ex.yMax, y);
        ex.yMin = std::min(ex.yMin, y);
    }
    const long double ix0 = a * b * b * b / 12 / Mm4PerCm4;
    const long double iy0 = b * a * a * a / 12 / Mm4PerCm4;
    setTurnedBending(p, ix0, iy0, angle, ex);
    p.ixx = torsion.ixx / Mm4PerCm4;
    p.kxx = torsion.kxx / Mm3PerCm3;
    return p;
}

SectionProperties circularBarProperties(long double d)
{
    SectionProperties p;
    const long double d2 = d * d;
    p.area = Pi * d2 / 4;
    p.ix = p.iy = Pi * d2 * d2 / 64 / Mm4PerCm4;
    p.kxAbove = p.kxUnder = p.kyLeft = p.kyRight = Pi * d2 * d / 32 / Mm3PerCm3;
    p.ixx = Pi * d2 * d2 / 32 / Mm4PerCm4;
    p.kxx = Pi * d2 * d / 16 / Mm3PerCm3;
    return p;
}

TabResult rectSolidEntry(const QString& entry, const ComputeContext& ctx)
{
    const MessageTable& m = ctx.msg();
    if (isCustomEntry(entry, ctx)) {
        const QStringList start{QStringLiteral("10"), QStringLiteral("10")};
        return openCustomFields(rectSolidCustom(start[0], start[1], ctx), start);
    }
    TabResult result;
    result.fieldsEnabled = false;
    result.dataCaption = m(Msg::RectangularSolidSection);
    const QStringList parts = splitAllPieces(afterFirstColon(entry));
    if (parts.size() != 2)
        return result;
    result.labels = rectSolidLabels(parts[0], parts[1]);
    const long double a = readWholeOrReport(parts[0], result, ctx);
    const long double b = readWholeOrReport(parts[1], result, ctx);
    result.fieldTexts = parts;
    result.toListEnabled = true;
    const QString size = parts[0] + QLatin1Char('x') + parts[1];
    result.dataCaption = m(Msg::RectangularSolidName) + QLatin1Char(' ') + size;
    writeRectangle(result, a, b, m(Msg::RectangularSolidFeatures) + size, ctx);
    return result;
}

TabResult rectSolidCustom(const QString& a, const QString& b, const ComputeContext& ctx)
{
    const MessageTable& m = ctx.msg();
    const QString size = a + QLatin1Char('x') + b;
    return rectangleCustom(a, b, m(Msg::RectangularSolidName) + QLatin1Char(' ') + size, m(Msg::RectangularSolidFeatures) + size, rectSolidLabels(a, b), ctx);
}

TabResult flatBarEntry(const QString& entry, const ComputeContext& ctx)
{
    const MessageTable& m = ctx.msg();
    if (isCustomEntry(entry, ctx)) {
        const QStringList start{QStringLiteral("20"), QStringLiteral("5")};
        return openCustomFields(flatBarCustom(start[0], start[1], ctx), start);
    }
    TabResult result;
    result.labels = flatBarLabels(QString(), QString());
    result.fieldsEnabled = false;
    result.fieldTexts = QStringList{QStringLiteral("0"), QStringLiteral("0")};
    result.dataCaption = m(Msg::RibbonSection) + QLatin1Char(' ');
    if (entry.size() >= 2 && entry[entry.size() - 2] == QLatin1Char('.'))
        return result; // a group row "Ribbon section 10x..."
    QStringList parts = splitAllPieces(entry);
    if (parts.size() != 2)
        return result;
    const QString prefix = QStringLiteral("R. section ");
    if (parts[0].startsWith(prefix))
        parts[0].remove(0, prefix.size());
    result.labels = flatBarLabels(parts[0], parts[1]);
    const long double a = readWholeOrReport(parts[0], result, ctx);
    const long double b = readWholeOrReport(parts[1], result, ctx);
    result.fieldTexts = parts;
    result.toListEnabled = true;
    result.dataCaption = entry;
    writeRectangle(result, a, b, m(Msg::RibbonFeatures) + parts[0] + QLatin1Char('x') + parts[1], ctx);
    return result;
}

TabResult flatBarCustom(const QString& a, const QString& b, const ComputeContext& ctx)
{
    const MessageTable& m = ctx.msg();
    const QString caption = m(Msg::RibbonName) + QLatin1Char(' ') + a + QLatin1Char('x') + b;
    TabResult result = rectangleCustom(a, b, caption, m(Msg::RibbonFeatures) + a + QLatin1Char('x') + b, flatBarLabels(a, b), ctx);
    if (!result.toListEnabled && !result.panel.isEmpty()) {
        // The flat bar's error title is its caption text.
        ResultsPanel panel;
        panel.write(5, 9, caption);
        panel.write(5, 22, m(Msg::WrongData));
        result.panel = panel;
    }
    return result;
}

TabResult circSolidEntry(const QString& entry, const ComputeContext& ctx)
{
    const MessageTable& m = ctx.msg();
    if (isCustomEntry(entry, ctx)) {
        const QStringList start{QStringLiteral("20")};
        return openCustomFields(circSolidCustom(start[0], ctx), start);
    }
    const QString dText = afterFirstColon(entry);
    if (!readNumber(dText)) {
        // Not a number: the field keeps the filter's "1" and nothing is listed.
        TabResult failed;
        failed.fieldsEnabled = false;
        failed.fieldTexts = QStringList{QStringLiteral("1")};
        failed.dataCaption = m(Msg::CircularSolidSection);
        failed.labels = {{128, 8, dText}};
        failed.messages << m(Msg::WrongData);
        return failed;
    }
    TabResult result = circSolidCustom(dText, ctx);
    result.fieldsEnabled = false;
    result.fieldTexts = QStringList{dText};
    result.toListEnabled = true;
    result.dataCaption = entry;
    return result;
}

TabResult circSolidCustom(const QString& dText, const ComputeContext& ctx)
{
    const MessageTable& m = ctx.msg();
    TabResult result;
    const long double d = readNumber(dText).value_or(0);
    result.labels = {{128, 8, dText}};
    result.dataCaption = m(Msg::CircularSolidDiameter) + dText;
    result.toListEnabled = true;
    const SectionProperties p = circularBarProperties(d);
    const long double weight = weightOrReport(p.area, result, ctx);
    const QString title = m(Msg::CircularSolidDiameter) + dText + m(Msg::MillimetreFeatures);
    result.title = title;
    if (!allShowable(p))
        return result; // a failed computation ends silently
    result.properties = p;
    writeStandardResults(result.panel, title, weightText6(weight), p, ctx);
    return result;
}
