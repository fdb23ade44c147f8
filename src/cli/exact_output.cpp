#include "exact_output.h"

#include "exact/exact_properties.h"
#include "settings/message_table.h"

#include <QJsonValue>

ExactReport exactReport(const Options& o, SectionKind kind, const ComputeContext& ctx, const SectionProperties& panel)
{
    ExactRequest request;
    request.kind = kind;
    request.angle = ctx.angle;
    request.entry = o.get(QStringLiteral("--entry")).value_or(MessageTable::english()(96));
    if (auto dims = o.get(QStringLiteral("--dims")))
        request.fields = dims->split(QLatin1Char(','));
    const QStringList arrangements{QStringLiteral("u"), QStringLiteral("box"), QStringLiteral("pair")};
    request.arrangement = int(std::max<qsizetype>(0, arrangements.indexOf(o.get(QStringLiteral("--arrangement")).value_or(QStringLiteral("u")))));

    ExactReport report;
    const ExactOutcome out = exactForTab(request);
    if (!out.properties) {
        report.error = out.error;
        return report;
    }
    const ExactProperties& e = *out.properties;
    const double cm4 = 1e4, cm3 = 1e3, cm6 = 1e6;
    const double it = e.it / cm4, kt = e.kt / cm3;
    const std::vector<std::pair<QString, double>> values{
        {"A", e.area},
        {"Ix", e.ix / cm4},
        {"Iy", e.iy / cm4},
        {"Ixy", e.ixy / cm4},
        {"I1", e.i1 / cm4},
        {"I2", e.i2 / cm4},
        {"alpha", e.alpha},
        {"ix", e.rx / 10},
        {"iy", e.ry / 10},
        {"WelXAbove", e.welXAbove / cm3},
        {"WelXUnder", e.welXUnder / cm3},
        {"WelYLeft", e.welYLeft / cm3},
        {"WelYRight", e.welYRight / cm3},
        {"WplX", e.wplX / cm3},
        {"WplY", e.wplY / cm3},
        {"It", it},
        {"Iw", e.iw / cm6},
        {"Kt", kt},
        {"xs", e.xs},
        {"ys", e.ys},
        {"IxxDifference", 100 * (double(panel.Ixx) - it) / it},
        {"KxxDifference", 100 * (double(panel.Kxx) - kt) / kt},
    };
    for (const auto& [name, value] : values) {
        report.json.insert(name, value);
        report.lines << QStringLiteral("exact %1: %2").arg(name, fullPrecision(value));
    }
    report.json.insert(QStringLiteral("triangles"), e.triangles);
    return report;
}
