// Built-up sections: "builtup FILE.mvb" computes a saved composition and
// "job add FILE.mvn --builtup FILE.mvb" lists it as the window's "To List" does.
#include "cli_common.h"
#include "job_cli.h"

#include "base/number_format.h"
#include "base/save_file.h"
#include "builtup/builtup_file.h"
#include "builtup/builtup_listing.h"
#include "exact/exact_values.h"
#include "itemlist/job_file.h"
#include "itemlist/plausibility.h"
#include "settings/message_table.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The composition a file holds, computed; the reason on stderr otherwise.
std::optional<std::pair<BuiltUpComposition, BuiltUpResult>> computeFile(const QString& argument)
{
    // A regular file of a built-up section's size, named as the system spells it.
    QString error;
    const auto bytes = readWholeNativeFile(nativeFileName(argument), BuiltUpFileMaxBytes, &error);
    if (!bytes) {
        printLine(stderr, QStringLiteral("morvane-cli: cannot read %1: %2").arg(argument, error));
        return std::nullopt;
    }
    const BuiltUpReading read = readBuiltUp(*bytes);
    if (!read.composition) {
        printLine(stderr, QStringLiteral("morvane-cli: %1: %2").arg(argument, read.reason));
        return std::nullopt;
    }
    BuiltUpResult result = computeBuiltUp(*read.composition);
    if (!result.properties) {
        printLine(stderr, QStringLiteral("morvane-cli: %1: %2").arg(argument, result.error));
        return std::nullopt;
    }
    return std::pair{*read.composition, std::move(result)};
}

QJsonObject partJson(const BuiltUpPart& p, const PartShare& share)
{
    QJsonObject o = builtUpPartJson(p);
    o.insert(QStringLiteral("area"), share.area);
    o.insert(QStringLiteral("areaShare"), share.areaShare);
    o.insert(QStringLiteral("ixShare"), share.ixShare);
    return o;
}

int builtupCommand(const QStringList& args)
{
    QString error;
    const auto o = parseOptions(args, {"--density"}, {"--json"}, error);
    if (!o)
        return fail(error);
    if (o->positional.size() != 1)
        return fail(QStringLiteral("builtup takes one built-up section file"));
    const auto density = readNameStripped(o->get("--density").value_or(QStringLiteral("Steel : 7850")));
    if (!density)
        return fail(QStringLiteral("--density does not read as a number"));
    const auto computed = computeFile(o->positional.first());
    if (!computed)
        return ExitRejected;
    const auto& [composition, result] = *computed;
    const ExactProperties& e = *result.properties;
    const double weight = double(density->value) * e.area / 1e6;

    if (o->has("--json")) {
        QJsonObject object;
        for (const ExactValue& v : exactValues(e))
            object.insert(v.name, v.value);
        object.insert(QStringLiteral("triangles"), e.triangles);
        object.insert(QStringLiteral("name"), compositionName(composition));
        object.insert(QStringLiteral("G"), weight);
        QJsonArray parts;
        for (std::size_t i = 0; i < composition.parts.size(); ++i)
            parts.append(partJson(composition.parts[i], result.shares[i]));
        object.insert(QStringLiteral("parts"), parts);
        object.insert(QStringLiteral("centroid"), QJsonObject{{"x", e.xc}, {"y", e.yc}});
        object.insert(QStringLiteral("separatePieces"), result.separatePieces);
        if (result.separatePieces)
            object.insert(QStringLiteral("note"), separatePiecesNote());
        printLine(stdout, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)).trimmed());
        return 0;
    }
    printLine(stdout, QStringLiteral("name: ") + compositionName(composition));
    for (std::size_t i = 0; i < composition.parts.size(); ++i) {
        const BuiltUpPart& p = composition.parts[i];
        const PartShare& s = result.shares[i];
        printLine(stdout, QStringLiteral("part %1: %2 at %3, %4 angle %5%6: area %7 mm2, %8 % of A, %9 % of Ix")
                              .arg(i + 1)
                              .arg(partName(p), fullPrecision(p.x), fullPrecision(p.y))
                              .arg(p.angle)
                              .arg(p.mirror ? QStringLiteral(" mirrored") : QString(), formatFixed(s.area, 2),
                                   formatFixed(s.areaShare, 2), formatFixed(s.ixShare, 2)));
    }
    printLine(stdout, QStringLiteral("centroid: %1, %2 mm").arg(fullPrecision(e.xc), fullPrecision(e.yc)));
    if (result.separatePieces)
        printLine(stdout, QStringLiteral("note: ") + separatePiecesNote());
    printLine(stdout, QStringLiteral("G: %1 kg/m").arg(fullPrecision(weight)));
    for (const ExactValue& v : exactValues(e))
        printLine(stdout, QStringLiteral("%1: %2 %3").arg(v.name, fullPrecision(v.value), v.unit));
    return 0;
}

const CliCommandRegistration builtupRegistration(
    {"builtup", "  morvane-cli builtup FILE.mvb [--json] [--density TEXT]", false, builtupCommand});

} // namespace

int jobAddBuiltUpCommand(const QStringList& args)
{
    Options o;
    QByteArray path;
    if (const auto status = readJobAddOptions(args, QStringLiteral("job add"), {"--builtup"}, {"--accept"}, o, path))
        return *status;
    const auto computed = computeFile(*o.get("--builtup"));
    if (!computed)
        return ExitRejected;
    const auto& [composition, result] = *computed;
    // The same check as typed private data: a computed section passes it,
    // so a refusal there would mean the values went wrong.
    return addPrivateItem(o, path, [&](const MaterialTexts& material, const UnitSettings& units) {
        return builtUpItemTexts(compositionName(composition), *result.properties, material, units);
    }, [&](const PrivateItemTexts&, const UnitSettings&) {
        return builtUpPicture(result, SectionPictureSize);
    });
}
