#include "exact_output.h"

#include "exact/exact_properties.h"
#include "exact/exact_values.h"
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
    for (const ExactValue& v : exactValues(*out.properties, panel)) {
        report.json.insert(v.name, v.value);
        report.lines << QStringLiteral("exact %1: %2").arg(v.name, fullPrecision(v.value));
    }
    report.json.insert(QStringLiteral("triangles"), out.properties->triangles);
    return report;
}
