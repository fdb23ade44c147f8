#include "sections/compute_helpers.h"

#include "sections/material.h"
#include "base/number_format.h"
#include "settings/message_table.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

long double readDecimalOrReport(const QString& text, TabResult& result, const ComputeContext& ctx)
{
    if (auto v = readNumber(text))
        return *v;
    result.messages << ctx.msg()(Msg::WrongData);
    return 0;
}

long double readWholeOrReport(const QString& text, TabResult& result, const ComputeContext& ctx)
{
    if (auto v = readInteger(text))
        return static_cast<long double>(*v);
    result.messages << ctx.msg()(Msg::WrongData);
    return 0;
}

long double weightOrReport(long double areaMm2, TabResult& result, const ComputeContext& ctx)
{
    const DensityReading density = readDensity(ctx.densityText, ctx.units);
    long double weight = weightPerMetre(density.value, areaMm2);
    // An area that cannot be shown ends the computation anyway; only the
    // density is at fault here.
    if (!density.ok || (showable(areaMm2) && !showable(weight))) {
        result.messages << ctx.msg()(Msg::WrongData);
        weight = 0;
    }
    result.weight = weight;
    return weight;
}

QStringList splitAllPieces(const QString& text)
{
    return text.split(QLatin1Char('x'));
}

QStringList splitEntry(const QString& entry)
{
    QStringList pieces = splitAllPieces(entry);
    while (pieces.size() < 3)
        pieces << QString();
    return pieces.mid(0, 3);
}

RotatedInertia rotateInertia(long double ix0, long double iy0, long double phiDegrees)
{
    const long double c = std::cos(2.0L * degreesToRadians(phiDegrees));
    const long double mean = (ix0 + iy0) / 2.0L;
    const long double half = (ix0 - iy0) / 2.0L;
    return {mean + half * c, mean - half * c};
}

void setTurnedBending(SectionProperties& p, long double ix0, long double iy0, long double angleDegrees,
                      const TurnedExtremes& ex)
{
    const long double iyTurned =
        (ix0 + iy0) / 2 + (ix0 - iy0) / 2 * std::cos(2 * degreesToRadians(angleDegrees + 90));
    p.kyLeft = std::fabs(iyTurned / (ex.xMin / MmPerCm));
    p.kyRight = std::fabs(iyTurned / (ex.xMax / MmPerCm));
    const RotatedInertia turned = rotateInertia(ix0, iy0, angleDegrees);
    p.ix = turned.ix;
    p.iy = turned.iy;
    p.kxAbove = std::fabs(p.ix / (ex.yMax / MmPerCm));
    p.kxUnder = std::fabs(p.ix / (ex.yMin / MmPerCm));
}

TurnedExtremes turnedExtremes(std::span<const PolarCorner> corners, long double angleDegrees)
{
    TurnedExtremes ex;
    for (const PolarCorner& corner : corners) {
        const long double a = degreesToRadians(corner.angleDegrees + angleDegrees);
        const long double y = corner.radius * std::sin(a), x = corner.radius * std::cos(a);
        ex.yMax = std::max(ex.yMax, y);
        ex.yMin = std::min(ex.yMin, y);
        ex.xMax = std::max(ex.xMax, x);
        ex.xMin = std::min(ex.xMin, x);
    }
    return ex;
}

QString weightText6(long double weight)
{
    return formatFixed(weight, 2, 6) + QStringLiteral(" Kg/m");
}

QString weightText(long double weight, const QString& unit)
{
    return formatFixed(weight, 2) + unit;
}

bool isCustomEntry(const QString& entry, const ComputeContext& ctx)
{
    return entry == ctx.msg()(Msg::CustomSection);
}

bool showable(long double value)
{
    return std::isfinite(value) && std::fabs(value) <= DBL_MAX;
}

bool allShowable(const SectionProperties& p)
{
    for (long double v : {p.area, p.ix, p.iy, p.kxAbove, p.kxUnder, p.kyLeft, p.kyRight, p.ixx, p.kxx})
        if (!showable(v))
            return false;
    return true;
}

QString afterFirstColon(const QString& text)
{
    return text.mid(text.indexOf(QLatin1Char(':')) + 1);
}
