// The section commands: computed values, pictures, profile records and menus.
#include "cli_common.h"
#include "exact_output.h"

#include "catalogue/menu_language.h"
#include "catalogue/profile_catalogue.h"
#include "drawing/overlay.h"
#include "itemlist/requirement_limits.h"
#include "drawing/section_pictures.h"
#include "settings/message_table.h"
#include "sections/dimension_filter.h"
#include "sections/profiles.h"
#include "sections/tab_computations.h"
#include "sections/material.h"
#include "base/number_format.h"
#include "base/save_file.h"
#include "base/section_kind.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <charconv>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string_view>

namespace {

// The section the options describe, its density filtered as the window's
// field filters it; an exit status when the input is bad.
std::optional<int> computeSection(const Options& o, SectionKind& kind, ComputeContext& ctx, TabResult& result)
{
    Options options = o;
    filterMaterialOption(options, QStringLiteral("--density"), densityItems());
    return computeFromOptions(options, kind, ctx, result);
}

QJsonArray panelJson(const std::vector<PanelLine>& lines)
{
    QJsonArray panel;
    for (const PanelLine& line : lines)
        panel.append(QJsonObject{{"label", line.label}, {"value", line.value},
                                 {"colour", panelColourName(line.colour)}});
    return panel;
}

// A plate is not computed: its entry gives the weight per square metre.
int printPlate(const Options& o, const ComputeContext& ctx, const std::vector<PanelLine>& lines)
{
    if (o.has("--exact")) {
        printLine(stderr, QStringLiteral("morvane-cli: no exact properties: a plate has no cross-section"));
        return ExitRejected;
    }
    const QString weight = plateEntry(*o.get("--entry"), ctx, ProfileTable::builtIn()).weightText;
    if (o.has("--json")) {
        const QJsonObject object{{"weightPerSquareMetre", double(readNumber(weight).value_or(0))},
                                 {"panel", panelJson(lines)}};
        printLine(stdout, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)).trimmed());
    } else {
        printLine(stdout, QStringLiteral("weightPerSquareMetre: ") + weight);
        printLine(stdout, QString());
        printPanel(lines, o.get("--limits").has_value());
    }
    return 0;
}

// The computed properties, the panel, the messages and, with --exact, the
// exact properties.
int printSection(const Options& o, SectionKind kind, const ComputeContext& ctx, const TabResult& result,
                 const std::vector<PanelLine>& lines)
{
    const SectionProperties& p = *result.properties;
    std::optional<ExactReport> exact;
    if (o.has("--exact")) {
        exact = exactReport(o, kind, ctx, p);
        if (!exact->error.isEmpty()) {
            printLine(stderr, QStringLiteral("morvane-cli: no exact properties: ") + exact->error);
            return ExitRejected;
        }
    }
    const std::vector<std::pair<QString, long double>> values{
        {"Area", p.area},       {"weight", result.weight}, {"Ix", p.ix},         {"Iy", p.iy},
        {"KxAbove", p.kxAbove}, {"KxUnder", p.kxUnder},    {"KyLeft", p.kyLeft}, {"KyRight", p.kyRight},
        {"Ixx", p.ixx},         {"Kxx", p.kxx}};
    if (o.has("--json")) {
        QJsonObject object;
        for (const auto& [name, value] : values)
            object.insert(name, double(value));
        object.insert("panel", panelJson(lines));
        object.insert("messages", QJsonArray::fromStringList(result.messages));
        if (exact)
            object.insert("exact", exact->json);
        printLine(stdout, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)).trimmed());
    } else {
        for (const auto& [name, value] : values)
            printLine(stdout, name + QStringLiteral(": ") + fullPrecision(value));
        printLine(stdout, QString());
        printPanel(lines, o.get("--limits").has_value());
        if (exact) {
            printLine(stdout, QString());
            for (const QString& line : exact->lines)
                printLine(stdout, line);
        }
    }
    for (const QString& message : result.messages)
        printLine(stderr, message);
    return 0;
}

int sectionCommand(const QStringList& args)
{
    QString error;
    const auto o = parseOptions(args,
                                {"--kind", "--entry", "--dims", "--angle", "--density", "--units", "--arrangement", "--limits",
                                 "--language"},
                                {"--json", "--exact"}, error);
    if (!o)
        return fail(error);
    SectionKind kind{};
    ComputeContext ctx;
    TabResult result;
    if (auto status = computeSection(*o, kind, ctx, result))
        return *status;
    const std::vector<PanelLine> lines = result.panel.lines();
    if (kind == SectionKind::Plate)
        return printPlate(*o, ctx, lines);
    if (!result.properties) {
        for (const PanelLine& line : lines)
            printLine(stdout, line.label + line.value);
        return ExitRejected;
    }
    return printSection(*o, kind, ctx, result, lines);
}

int pictureCommand(const QStringList& args)
{
    QString error;
    const auto o = parseOptions(args, {"--kind", "--entry", "--dims", "--angle", "--density", "--units", "--arrangement", "-o"}, {},
                                error);
    if (!o)
        return fail(error);
    const auto path = o->get("-o");
    if (!path)
        return fail(QStringLiteral("-o FILE.png is required"));
    SectionKind kind{};
    ComputeContext ctx;
    TabResult result;
    if (auto status = computeSection(*o, kind, ctx, result))
        return *status;
    if (kind != SectionKind::Plate && !result.properties) {
        // What "section" refuses has no picture either.
        for (const PanelLine& line : result.panel.lines())
            printLine(stdout, line.label + line.value);
        return ExitRejected;
    }
    DimensionLabelTable labels;
    labels.setLabels(result.labels);
    const QImage image = redrawOverlay(sectionPicture(pictureFor(kind, static_cast<UArrangement>(result.pictureVariant))), ctx.angle, labels, MessageTable::english());
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG") || !saveWholeNativeFile(fileNameOption(*o, "-o"), png))
        return fail(QStringLiteral("cannot write %1").arg(*path));
    return 0;
}

// Names and units of the values of each record layout.
struct ValueName {
    const char* name;
    const char* unit;
};

std::vector<ValueName> layoutOf(const QString& name, int valueLines)
{
    if (valueLines == 1)
        return {{"weight", "kg/m2"}};
    if (name.startsWith(QLatin1String("L section")) || name.startsWith(QLatin1String("CR L section")))
        return {{"weight", "kg/m"}, {"area", "cm2"}, {"Ix", "cm4"}, {"Iy", "cm4"}, {"Kx", "cm3"}, {"Ky", "cm3"}};
    std::vector<ValueName> v{{"weight", "kg/m"}, {"area", "cm2"}, {"Ix", "cm4"}, {"Kx", "cm3"},
                             {"Iy", "cm4"},      {"Ky", "cm3"},   {"surface", "cm2/m"}};
    if (valueLines >= 9) {
        v.push_back({"tw", "mm"});
        v.push_back({"tf", "mm"});
    }
    return v;
}

int profileCommand(const QStringList& args)
{
    QString error;
    const auto o = parseOptions(args, {}, {"--json"}, error);
    if (!o)
        return fail(error);
    if (o->positional.size() != 1)
        return fail(QStringLiteral("profile takes one entry name, such as \"HR I80x42\""));
    const QString name = o->positional.first();
    const ProfileTable& table = ProfileTable::builtIn();
    const auto record = table.find(name, 0, table.lineCount() - 1);
    if (!record)
        return fail(QStringLiteral("no profile '%1' in the table").arg(name));
    int count = 0;
    while (readNumber(table.line(*record + count + 1)))
        ++count;
    const std::vector<ValueName> names = layoutOf(name, count);
    if (o->has("--json")) {
        QJsonObject object{{"name", name}};
        for (std::size_t k = 0; k < names.size() && int(k) < count; ++k)
            object.insert(QString::fromLatin1(names[k].name),
                          QJsonObject{{"value", double(*table.value(*record, int(k) + 1))},
                                      {"unit", QString::fromLatin1(names[k].unit)}});
        printLine(stdout, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)).trimmed());
        return 0;
    }
    printLine(stdout, name);
    for (std::size_t k = 0; k < names.size() && int(k) < count; ++k)
        printLine(stdout, QStringLiteral("%1: %2 %3")
                              .arg(QString::fromLatin1(names[k].name), table.valueText(*record, int(k) + 1),
                                   QString::fromLatin1(names[k].unit)));
    return 0;
}

int catalogueCommand(const QStringList& args)
{
    QString error;
    const auto o = parseOptions(args, {"--kind", "--language"}, {}, error);
    if (!o)
        return fail(error);
    const auto kind = kindOption(*o, error);
    if (!kind)
        return fail(error);
    const MessageTable* messages = languageOption(*o, error);
    if (!messages)
        return fail(error);
    const std::vector<MenuEntry>& menu = builtInMenu(*kind);
    // Without --language the menu as stored; with it, as the tree shows it.
    const QStringList shown = o->get("--language") ? translatedMenu(*kind, menu, *messages) : QStringList();
    for (std::size_t i = 0; i < menu.size(); ++i)
        printLine(stdout, QString(menu[i].depth, QLatin1Char('\t')) +
                              (shown.isEmpty() ? menu[i].text : shown[qsizetype(i)]));
    return 0;
}

const CliCommandRegistration sectionRegistration({"section",
    "  morvane-cli section --kind KIND (--entry TEXT | --dims A,B,...) [--angle N]\n"
    "                      [--density TEXT] [--units DIGITS] [--limits MIN:MAX,...] [--language en|hu|nl]\n"
    "                      [--json] [--exact]",
    false, sectionCommand});
const CliCommandRegistration pictureRegistration({"picture",
    "  morvane-cli picture --kind KIND (--entry TEXT | --dims A,B,...) [--angle N] -o FILE.png",
    true, pictureCommand});
const CliCommandRegistration catalogueRegistration({"catalogue", "  morvane-cli catalogue --kind KIND [--language en|hu|nl]", false,
                                                    catalogueCommand});
const CliCommandRegistration profileRegistration({"profile", "  morvane-cli profile NAME [--json]", false,
                                                  profileCommand});

} // namespace
