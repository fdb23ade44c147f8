#include "exact/exact_values.h"

#include <limits>

std::vector<ExactValue> exactValues(const ExactProperties& e, const std::optional<SectionProperties>& panel)
{
    const double cm4 = 1e4, cm3 = 1e3, cm6 = 1e6;
    const QString mm2 = QStringLiteral("mm2"), cm4Unit = QStringLiteral("cm4"), cm3Unit = QStringLiteral("cm3");
    const double it = e.it / cm4;
    const double kt = e.ktDefined ? e.kt / cm3 : std::numeric_limits<double>::quiet_NaN();
    std::vector<ExactValue> values{
        {QStringLiteral("A"), mm2, e.area},
        {QStringLiteral("Ix"), cm4Unit, e.ix / cm4},
        {QStringLiteral("Iy"), cm4Unit, e.iy / cm4},
        {QStringLiteral("Ixy"), cm4Unit, e.ixy / cm4},
        {QStringLiteral("I1"), cm4Unit, e.i1 / cm4},
        {QStringLiteral("I2"), cm4Unit, e.i2 / cm4},
        {QStringLiteral("alpha"), QStringLiteral("degrees"), e.alpha},
        {QStringLiteral("ix"), QStringLiteral("cm"), e.rx / 10},
        {QStringLiteral("iy"), QStringLiteral("cm"), e.ry / 10},
        {QStringLiteral("WelXAbove"), cm3Unit, e.welXAbove / cm3},
        {QStringLiteral("WelXUnder"), cm3Unit, e.welXUnder / cm3},
        {QStringLiteral("WelYLeft"), cm3Unit, e.welYLeft / cm3},
        {QStringLiteral("WelYRight"), cm3Unit, e.welYRight / cm3},
        {QStringLiteral("WplX"), cm3Unit, e.wplX / cm3},
        {QStringLiteral("WplY"), cm3Unit, e.wplY / cm3},
        {QStringLiteral("It"), cm4Unit, it},
        {QStringLiteral("Iw"), QStringLiteral("cm6"), e.iw / cm6},
        {QStringLiteral("Kt"), cm3Unit, kt},
        {QStringLiteral("xs"), QStringLiteral("mm"), e.xs},
        {QStringLiteral("ys"), QStringLiteral("mm"), e.ys},
    };
    if (panel) {
        values.push_back({QStringLiteral("IxxDifference"), QStringLiteral("%"), 100 * (double(panel->ixx) - it) / it});
        values.push_back({QStringLiteral("KxxDifference"), QStringLiteral("%"), 100 * (double(panel->kxx) - kt) / kt});
    }
    return values;
}

QStringList exactNotes(const ExactProperties& e)
{
    QStringList notes;
    if (!e.ktDefined)
        notes << QStringLiteral("Kt is not defined for sharp inner corners.");
    return notes;
}
