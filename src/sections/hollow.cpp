#include "sections/hollow.h"

#include "sections/compute_helpers.h"
#include "sections/material.h"
#include "settings/message_table.h"

#include <algorithm>
#include <cmath>

namespace {
long double cube(long double x)
{
    return x * x * x;
}


std::vector<DimensionLabel> rectHollowLabels(const QString& a, const QString& b, const QString& v)
{
    return {{190, 105, b}, {120, 20, a}, {85, 129, v}};
}

std::vector<DimensionLabel> pipeLabels(const QString& d, const QString& v)
{
    return {{55, 119, v}, {140, 7, d}};
}

// Writes the results of a computed section; a computation whose arithmetic
// failed (a value that is not finite) ends silently with the panel as it is.
void finish(TabResult& result, const SectionProperties& p, const QString& title, const QString& weight,
            const ComputeContext& ctx)
{
    if (!allShowable(p))
        return;
    result.properties = p;
    result.title = title;
    writeStandardResults(result.panel, title, weight, p, ctx);
}

void computeRect(TabResult& result, long double a, long double b, long double v, const QString& title,
                 const ComputeContext& ctx)
{
    const SectionProperties p = rectHollowProperties(a, b, v, ctx.rotationAngle());
    const long double weight = weightOrReport(p.area, result, ctx);
    finish(result, p, title, weightText(weight, QStringLiteral(" [Kg/m]")), ctx);
}

void computePipe(TabResult& result, long double d, long double v, const QString& title, const ComputeContext& ctx)
{
    const SectionProperties p = pipeProperties(d, v);
    const long double weight = weightOrReport(p.area, result, ctx);
    finish(result, p, title, weightText6(weight), ctx);
}

} // namespace

SectionProperties rectHollowProperties(long double a, long double b, long double v, long double angle)
{
    SectionProperties p;
    p.area = a * b - (a - 2 * v) * (b - 2 * v);
    const long double ixxMm = 2 * v * (a - v) * (a - v) * (b - v) * (b - v) / ((a - v) + (b - v));
    const long double kxxMm = 2 * (a - v) * (b - v) * v;

    // The outline corners about the centroid.
    const long double r = std::sqrt((a / 2) * (a / 2) + (b / 2) * (b / 2));
    const long double beta = radiansToDegrees(std::atan((b / 2) / (a / 2)));
    const PolarCorner corners[4] = {{r, beta}, {r, 180 - beta}, {r, 180 + beta}, {r, 360 - beta}};
    const TurnedExtremes extremes = turnedExtremes(corners, angle);

    const long double ai = (a - 2 * v) / MmPerCm, bi = (b - 2 * v) / MmPerCm;
    const long double ix0 = (a * b * b * b - (a - 2 * v) * cube(b - 2 * v)) / 12 / Mm4PerCm4;
    const long double iy0 = ((b / MmPerCm) * cube(a / MmPerCm) - bi * cube(ai)) / 12;
    setTurnedBending(p, ix0, iy0, angle, extremes);
    p.ixx = ixxMm / Mm4PerCm4;
    p.kxx = kxxMm / Mm3PerCm3;
    return p;
}

SectionProperties pipeProperties(long double d, long double v)
{
    SectionProperties p;
    const long double inner = d - 2 * v;
    p.area = Pi * d * d / 4 - Pi * inner * inner / 4;
    const long double q = (d * d) * (d * d) - (inner * inner) * (inner * inner);
    p.ix = p.iy = Pi * q / 64 / Mm4PerCm4;
    p.kxAbove = p.kxUnder = p.kyLeft = p.kyRight = Pi * q / 32 / d / Mm3PerCm3;
    p.ixx = Pi * q / 32 / Mm4PerCm4;
    p.kxx = Pi * q / (16 * d) / Mm3PerCm3;
    return p;
}

TabResult rectHollowEntry(const QString& entry, const ComputeContext& ctx)
{
    const MessageTable& m = ctx.msg();
    if (isCustomEntry(entry, ctx)) {
        TabResult result = rectHollowCustom(QStringLiteral("20"), QStringLiteral("20"), QStringLiteral("1"), ctx);
        result.fieldTexts = QStringList{QStringLiteral("20"), QStringLiteral("20"), QStringLiteral("1")};
        result.fieldsEnabled = true;
        return result;
    }

    TabResult result;
    result.labels = {{120, 150, QString()}};
    result.fieldsEnabled = false;
    result.fieldTexts = QStringList{QStringLiteral("0"), QStringLiteral("0"), QString()};
    result.dataCaption = m(Msg::RectangularHollowName);

    const QStringList parts = splitAllPieces(entry);
    if (parts.size() != 3)
        return result; // a group row such as "40x20"

    result.labels = rectHollowLabels(parts[0], parts[1], parts[2]);
    const long double a = readWholeOrReport(parts[0], result, ctx);
    const long double b = readWholeOrReport(parts[1], result, ctx);
    const long double v = readWholeOrReport(parts[2], result, ctx);
    result.fieldTexts = parts;
    result.toListEnabled = true;
    result.dataCaption = entry + m(Msg::RectangularHollowCaption);
    computeRect(result, a, b, v, entry + m(Msg::RectangularHollowFeatures), ctx);
    return result;
}

TabResult rectHollowCustom(const QString& aText, const QString& bText, const QString& vText,
                           const ComputeContext& ctx)
{
    const MessageTable& m = ctx.msg();
    TabResult result;
    const long double a = readDecimalOrReport(aText, result, ctx);
    const long double b = readDecimalOrReport(bText, result, ctx);
    const long double v = readDecimalOrReport(vText, result, ctx);
    result.dataCaption = aText + QLatin1Char('x') + bText + QLatin1Char('x') + vText + m(Msg::RectangularHollowCaption);
    const bool valid = a >= 2 * v && b >= 2 * v && v > 0;
    if (!valid)
        result.panel.write(5, 5, m(Msg::WrongData));
    result.labels = rectHollowLabels(aText, bText, vText);
    if (!valid)
        return result;
    result.toListEnabled = true;
    computeRect(result, a, b, v, m(Msg::RectangularHollowFeatures), ctx);
    return result;
}

TabResult pipeEntry(const QString& entry, const ComputeContext& ctx)
{
    const MessageTable& m = ctx.msg();
    if (isCustomEntry(entry, ctx)) {
        TabResult result = pipeCustom(QStringLiteral("22"), QStringLiteral("2"), false, ctx);
        result.fieldTexts = QStringList{QStringLiteral("22"), QStringLiteral("2")};
        result.fieldsEnabled = true;
        result.toListEnabled = true;
        result.labels = pipeLabels(QStringLiteral("22"), QStringLiteral("2"));
        return result;
    }

    TabResult result;
    result.labels = {{120, 150, QString()}};
    result.fieldsEnabled = false;
    result.dataCaption = m(Msg::CircularHollowSection);
    result.fieldTexts = QStringList{QStringLiteral("0"), QStringLiteral("0")};

    const QStringList parts = splitAllPieces(afterFirstColon(entry));
    if (parts.size() != 2)
        return result; // a group row: no "x" after the colon

    result.labels = pipeLabels(parts[0], parts[1]);
    QString dText = parts[0];
    QString vText = parts[1];
    dText.replace(QLatin1Char(','), QLatin1Char('.'));
    vText.replace(QLatin1Char(','), QLatin1Char('.'));
    const long double d = readDecimalOrReport(dText, result, ctx);
    const long double v = readDecimalOrReport(vText, result, ctx);
    result.fieldTexts = QStringList{dText, vText};
    result.toListEnabled = true;
    result.dataCaption = entry;
    computePipe(result, d, v, entry + m(Msg::Features), ctx);
    return result;
}

TabResult pipeCustom(const QString& dText, const QString& vText, bool diameterChanged, const ComputeContext& ctx)
{
    const MessageTable& m = ctx.msg();
    TabResult result;
    result.dataCaption = m(Msg::Pipe) + dText + QLatin1Char('x') + vText;
    result.labels = pipeLabels(dText, vText);
    const long double d = readDecimalOrReport(dText, result, ctx);
    const long double v = readDecimalOrReport(vText, result, ctx);
    const QString zero = QStringLiteral("0");
    const bool valid = d >= 2 * v && vText != zero && (!diameterChanged || dText != zero);
    if (!valid) {
        result.panel.write(5, 5, m(Msg::WrongData));
        return result;
    }
    result.toListEnabled = true;
    computePipe(result, d, v, m(Msg::CustomSection) + m(Msg::Features), ctx);
    return result;
}
