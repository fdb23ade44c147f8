#include "itemlist/plausibility.h"

#include "base/number_format.h"
#include "settings/message_table.h"

#include <algorithm>
#include <cmath>

namespace {
long double typedValue(const PrivatePropertyTexts& typed, PrivateProperty p)
{
    return readNumber(typed[std::size_t(p)]).value_or(0);
}

// A typed value in cm4 (inertias) or cm3 (moduli), the units the distances use.
long double inBaseUnit(const PrivatePropertyTexts& typed, PrivateProperty p, const UnitSettings& units)
{
    return typedValue(typed, p) * unitDivisor(units, propertyGroup(p));
}

// The divisor from mm-based values to the chosen unit of a group.
long double fromMillimetres(UnitGroup group, const UnitSettings& units)
{
    // cm4 = 10 000 mm4, cm3 = 1 000 mm3, mm2 = 1 mm2.
    switch (group) {
    case UnitGroup::Inertia: return 10000.0L * unitDivisor(units, group);
    case UnitGroup::Modulus: return 1000.0L * unitDivisor(units, group);
    default: return unitDivisor(units, group);
    }
}

QString maximumText(long double value)
{
    return formatFixed(value, value < 0.1L ? 10 : 2);
}
} // namespace

UnitGroup propertyGroup(PrivateProperty property)
{
    switch (property) {
    case PrivateProperty::Ix:
    case PrivateProperty::Iy:
    case PrivateProperty::Ixx: return UnitGroup::Inertia;
    case PrivateProperty::Area: return UnitGroup::Area;
    default: return UnitGroup::Modulus;
    }
}

ExtremeFibreDistances extremeFibreDistances(const PrivatePropertyTexts& typed, const UnitSettings& units)
{
    ExtremeFibreDistances d;
    const long double ix = inBaseUnit(typed, PrivateProperty::Ix, units);
    const long double iy = inBaseUnit(typed, PrivateProperty::Iy, units);
    const auto distance = [&](long double inertia, PrivateProperty modulus, long double& e, bool& known) {
        const long double k = inBaseUnit(typed, modulus, units);
        known = k > 0;
        e = known ? inertia / k * 10 : 0;
    };
    distance(ix, PrivateProperty::KxAbove, d.above, d.aboveKnown);
    distance(ix, PrivateProperty::KxUnder, d.under, d.underKnown);
    distance(iy, PrivateProperty::KyLeft, d.left, d.leftKnown);
    distance(iy, PrivateProperty::KyRight, d.right, d.rightKnown);
    return d;
}

RectangleMaxima rectangleMaxima(long double w, long double h, const UnitSettings& units)
{
    RectangleMaxima mm;
    mm.ix = w * h * h * h / 12;
    mm.iy = h * w * w * w / 12;
    const long double a = std::max(h, w);
    long double b = std::min(h, w);
    // A tiny side, not the smallest number: a / b must stay finite.
    if (b <= 0)
        b = 1e-12L;
    const long double r = a / b;
    if (r > 4) {
        mm.ixx = (a / b - 0.63L) * b * b * b * b / 3;
        mm.kxx = mm.ixx / b;
    } else {
        const long double c = r <= 1.5L ? 6.7L : r <= 2 ? 5.0L : r <= 3 ? 4.4L : 3.8L;
        mm.ixx = a * b * b * b / c;
        mm.kxx = a * b * b / 3.6L;
    }
    mm.area = h * w;

    RectangleMaxima shown;
    shown.ix = mm.ix / fromMillimetres(UnitGroup::Inertia, units);
    shown.iy = mm.iy / fromMillimetres(UnitGroup::Inertia, units);
    shown.ixx = mm.ixx / fromMillimetres(UnitGroup::Inertia, units);
    shown.kxx = mm.kxx / fromMillimetres(UnitGroup::Modulus, units);
    shown.area = mm.area / fromMillimetres(UnitGroup::Area, units);
    return shown;
}

PlausibilityResult checkPlausibility(const PrivatePropertyTexts& typed, const UnitSettings& units,
                                     const MessageTable& m)
{
    PlausibilityResult result;
    result.distances = extremeFibreDistances(typed, units);
    if (!(typedValue(typed, PrivateProperty::Ix) > 0 && typedValue(typed, PrivateProperty::Iy) > 0))
        return result;
    result.compared = true;
    const ExtremeFibreDistances& d = result.distances;
    result.maxima = rectangleMaxima(d.width(), d.height(), units);

    const QString cr = QStringLiteral("\n");
    QString lines;
    const auto line = [&](const QString& head, const QString& name, long double maximum, PrivateProperty p,
                          bool error) {
        const QString unit = QLatin1Char(' ') + unitText(units, propertyGroup(p));
        const QString& text = typed[std::size_t(p)];
        lines += head + maximumText(maximum) + unit;
        if (error) {
            lines += QStringLiteral(" < ") + name + QStringLiteral(" : ") + text + unit + QStringLiteral(" ----> Error");
            result.plausible = false;
        } else {
            lines += QStringLiteral(" > ") + name + QStringLiteral(" : ") + text + unit + QStringLiteral(" ----> OK");
        }
        lines += cr;
    };
    // A quantity is an error when its maximum is not above the typed value;
    // the area only when the typed area exceeds the maximum.
    const auto quantity = [&](const char* name, long double maximum, PrivateProperty p) {
        const QString n = QString::fromLatin1(name);
        line(n + QStringLiteral(" max : "), n, maximum, p, !(maximum > typedValue(typed, p)));
    };
    const RectangleMaxima& mx = result.maxima;
    quantity("Ix", mx.ix, PrivateProperty::Ix);
    quantity("Iy", mx.iy, PrivateProperty::Iy);
    quantity("Ixx", mx.ixx, PrivateProperty::Ixx);
    quantity("Kxx", mx.kxx, PrivateProperty::Kxx);
    line(QStringLiteral("Max. Area : "), QStringLiteral("Area"), mx.area, PrivateProperty::Area,
         typedValue(typed, PrivateProperty::Area) > mx.area);

    result.report = result.plausible ? lines : m(Msg::ImpossibleData) + cr + cr + lines;
    return result;
}
