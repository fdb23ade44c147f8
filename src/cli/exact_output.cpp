#include "exact_output.h"

#include "exact/exact_properties.h"
#include "exact/exact_values.h"
#include "settings/message_table.h"

#include <QJsonArray>
#include <QJsonValue>

#include <cmath>

ExactReport exactReport(const Options& o, SectionKind kind, const ComputeContext& ctx, const SectionProperties& panel)
{
    ExactRequest request;
    request.kind = kind;
    request.angle = ctx.angle;
    request.entry = o.get(QStringLiteral("--entry")).value_or(MessageTable::english()(Msg::CustomSection));
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
        // A value the section does not have is null, and its note says why.
        const bool defined = std::isfinite(v.value);
        report.json.insert(v.name, defined ? QJsonValue(v.value) : QJsonValue(QJsonValue::Null));
        report.lines << QStringLiteral("exact %1: %2").arg(v.name, defined ? fullPrecision(v.value)
                                                                             : QStringLiteral("not defined"));
    }
    report.json.insert(QStringLiteral("triangles"), out.properties->triangles);
    const QStringList notes = exactNotes(*out.properties);
    report.json.insert(QStringLiteral("notes"), QJsonArray::fromStringList(notes));
    for (const QString& note : notes)
        report.lines << QStringLiteral("exact note: ") + note;
    return report;
}
