// morvane-cli: the headless face of the section core, for scripts and checks.
#include "catalogue/profile_catalogue.h"
#include "drawing/overlay.h"
#include "itemlist/requirement_limits.h"
#include "drawing/section_pictures.h"
#include "settings/message_table.h"
#include "sections/dimension_filter.h"
#include "sections/profiles.h"
#include "sections/tab_computations.h"
#include "sections/material.h"
#include "sections/number_format.h"
#include "sections/section_kind.h"

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

constexpr int ExitRejected = 1;
constexpr int ExitBadInput = 2;

void printLine(FILE* out, const QString& text)
{
    std::fputs(text.toUtf8().constData(), out);
    std::fputc('\n', out);
}

int fail(const QString& message)
{
    printLine(stderr, QStringLiteral("morvane-cli: ") + message);
    return ExitBadInput;
}

QString fullPrecision(long double value)
{
    char buffer[64];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, int(r.ptr - buffer));
}

// Options of the form --name value, plus lone flags.
struct Options {
    std::map<QString, QString> values;
    QStringList flags;
    QStringList positional;

    std::optional<QString> get(const QString& name) const
    {
        auto it = values.find(name);
        return it == values.end() ? std::nullopt : std::optional<QString>(it->second);
    }
    bool has(const QString& flag) const { return flags.contains(flag); }
};

std::optional<Options> parseOptions(const QStringList& args, const QStringList& valued, const QStringList& flags,
                                    QString& error)
{
    Options o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (valued.contains(a)) {
            if (i + 1 >= args.size()) {
                error = QStringLiteral("%1 needs a value").arg(a);
                return std::nullopt;
            }
            o.values[a] = args[++i];
        } else if (flags.contains(a)) {
            o.flags << a;
        } else if (a.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option %1").arg(a);
            return std::nullopt;
        } else {
            o.positional << a;
        }
    }
    return o;
}

bool menuHasEntry(SectionKind kind, const QString& entry, bool& isGroup)
{
    const std::vector<MenuEntry>& menu = builtInMenu(kind);
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].text == entry) {
            isGroup = i + 1 < menu.size() && menu[i + 1].depth > menu[i].depth;
            return true;
        }
    }
    return false;
}

QString usage()
{
    return QStringLiteral(
        "usage:\n"
        "  morvane-cli section --kind KIND (--entry TEXT | --dims A,B,...) [--angle N]\n"
        "                      [--density TEXT] [--units DIGITS] [--limits MIN:MAX,...] [--json]\n"
        "  morvane-cli picture --kind KIND (--entry TEXT | --dims A,B,...) [--angle N] -o FILE.png\n"
        "  morvane-cli catalogue --kind KIND\n"
        "  morvane-cli profile NAME [--json]\n"
        "kinds: rh ch rs cs flat l t plate u i");
}

std::optional<SectionKind> kindOption(const Options& o, QString& error)
{
    const auto code = o.get(QStringLiteral("--kind"));
    if (!code) {
        error = QStringLiteral("--kind is required");
        return std::nullopt;
    }
    auto kind = kindFromCode(*code);
    if (!kind)
        error = QStringLiteral("unknown kind '%1' (use rh, ch, rs, cs, flat, l, t, plate, u or i)").arg(*code);
    return kind;
}

// Reads the options shared by "section" and "picture" and runs the tab's
// computation; returns an exit status when the input is bad.
std::optional<int> computeFromOptions(const Options& options, SectionKind& kindOut, ComputeContext& ctx,
                                      TabResult& result)
{
    const Options* o = &options;
    QString error;
    const auto kind = kindOption(*o, error);
    if (!kind)
        return fail(error);
    kindOut = *kind;
    if (!kindComputes(*kind) && *kind != SectionKind::Plate)
        return fail(QStringLiteral("the %1 kind is not available in this version").arg(kindCode(*kind)));

    if (auto density = o->get("--density"))
        ctx.densityText = *density;
    if (auto digits = o->get("--units")) {
        auto units = UnitSettings::fromDigits(*digits);
        if (!units)
            return fail(QStringLiteral("--units takes seven digits 1 to 3, such as 1122233"));
        ctx.units = *units;
    }
    if (auto limitsText = o->get("--limits")) {
        static RequirementLimits limits; // lives as long as the query that reads it
        QString why;
        if (!limits.parse(*limitsText, why))
            return fail(QStringLiteral("--limits: ") + why);
        ctx.colour = limits.query(MessageTable::english());
    }
    if (auto angle = o->get("--angle")) {
        auto value = readInteger(*angle);
        if (!value || *value < 0 || *value > 359)
            return fail(QStringLiteral("--angle takes a whole number of degrees from 0 to 359"));
        if (!isRotatable(*kind) && *value != 0)
            return fail(QStringLiteral("the %1 kind does not rotate").arg(kindCode(*kind)));
        ctx.angle = int(*value);
    }

    const auto entry = o->get("--entry");
    const auto dims = o->get("--dims");
    if (entry.has_value() == dims.has_value())
        return fail(QStringLiteral("give either --entry or --dims"));

    if (*kind == SectionKind::Plate && !entry)
        return fail(QStringLiteral("a plate is chosen with --entry, such as \"0.5 mm steel plate\""));
    if (entry) {
        bool isGroup = false;
        if (!menuHasEntry(*kind, *entry, isGroup))
            return fail(QStringLiteral("no entry '%1' in the %2 menu").arg(*entry, kindCode(*kind)));
        if (isGroup)
            return fail(QStringLiteral("'%1' is a group heading, not a section").arg(*entry));
        if (*kind == SectionKind::Plate)
            result = plateEntry(*entry, ctx, ProfileTable::builtIn()).tab;
        else
            result = *computeEntry(*kind, *entry, ctx);
    } else {
        const QStringList parts = dims->split(QLatin1Char(','));
        if (parts.size() != customFieldCount(*kind))
            return fail(QStringLiteral("--dims takes %1 comma-separated values for the %2 kind")
                            .arg(customFieldCount(*kind))
                            .arg(kindCode(*kind)));
        for (const QString& p : parts)
            if (!readNumber(p) || FilterDimensionText(p) != p)
                return fail(QStringLiteral("'%1' is not a dimension (0 to 999.99 mm, at most two decimals)").arg(p));
        if (*kind == SectionKind::U) {
            const QString arrangement = o->get("--arrangement").value_or(QStringLiteral("u"));
            const QStringList names{"u", "box", "pair"};
            if (!names.contains(arrangement))
                return fail(QStringLiteral("--arrangement takes u, box or pair"));
            result = *computeEntry(*kind, MessageTable::english()(96), ctx, parts, int(names.indexOf(arrangement)));
        } else {
            result = *computeCustom(*kind, parts, 0, ctx);
        }
    }
    return std::nullopt;
}

// The panel lines as label, value and, with limits, the line's colour.
void printPanel(const std::vector<PanelLine>& lines, bool withColours)
{
    for (const PanelLine& line : lines) {
        QString text = line.value.isEmpty() ? line.label : line.label + QLatin1Char('\t') + line.value;
        if (withColours)
            text += QStringLiteral("\t") + panelColourName(line.colour);
        printLine(stdout, text);
    }
}

int sectionCommand(const QStringList& args)
{
    QString error;
    const auto o = parseOptions(args,
                                {"--kind", "--entry", "--dims", "--angle", "--density", "--units", "--arrangement", "--limits"},
                                {"--json"}, error);
    if (!o)
        return fail(error);
    SectionKind kind{};
    ComputeContext ctx;
    TabResult result;
    if (auto status = computeFromOptions(*o, kind, ctx, result))
        return *status;

    const bool json = o->has("--json");
    const std::vector<PanelLine> lines = result.panel.lines();
    if (kind == SectionKind::Plate) {
        // A plate is not computed: its entry gives the weight per square metre.
        const QString weight = plateEntry(*o->get("--entry"), ctx, ProfileTable::builtIn()).weightText;
        if (json) {
            QJsonArray panel;
            for (const PanelLine& line : lines)
                panel.append(QJsonObject{{"label", line.label}, {"value", line.value},
                                         {"colour", panelColourName(line.colour)}});
            const QJsonObject object{{"weightPerSquareMetre", double(readNumber(weight).value_or(0))},
                                     {"panel", panel}};
            printLine(stdout, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)).trimmed());
        } else {
            printLine(stdout, QStringLiteral("weightPerSquareMetre: ") + weight);
            printLine(stdout, QString());
            printPanel(lines, o->get("--limits").has_value());
        }
        return 0;
    }
    if (!result.properties) {
        for (const PanelLine& line : lines)
            printLine(stdout, line.label + line.value);
        return ExitRejected;
    }
    const SectionProperties& p = *result.properties;
    const long double weight = weightPerMetre(ReadDensity(ctx.densityText, ctx.units).value, p.Area);
    const std::vector<std::pair<QString, long double>> values{
        {"Area", p.Area},       {"weight", weight},     {"Ix", p.Ix},         {"Iy", p.Iy},
        {"KxAbove", p.KxAbove}, {"KxUnder", p.KxUnder}, {"KyLeft", p.KyLeft}, {"KyRight", p.KyRight},
        {"Ixx", p.Ixx},         {"Kxx", p.Kxx}};
    if (json) {
        QJsonObject object;
        for (const auto& [name, value] : values)
            object.insert(name, double(value));
        QJsonArray panel;
        for (const PanelLine& line : lines)
            panel.append(QJsonObject{{"label", line.label}, {"value", line.value},
                                     {"colour", panelColourName(line.colour)}});
        object.insert("panel", panel);
        object.insert("messages", QJsonArray::fromStringList(result.messages));
        printLine(stdout, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)).trimmed());
    } else {
        for (const auto& [name, value] : values)
            printLine(stdout, name + QStringLiteral(": ") + fullPrecision(value));
        printLine(stdout, QString());
        printPanel(lines, o->get("--limits").has_value());
    }
    for (const QString& message : result.messages)
        printLine(stderr, message);
    return 0;
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
    if (auto status = computeFromOptions(*o, kind, ctx, result))
        return *status;
    DimensionLabelTable labels;
    labels.setLabels(result.labels);
    const QImage image = RedrawOverlay(sectionPicture(pictureFor(kind, static_cast<UArrangement>(result.pictureVariant))), ctx.angle, labels, MessageTable::english());
    if (!image.save(*path, "PNG"))
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
    const auto o = parseOptions(args, {"--kind"}, {}, error);
    if (!o)
        return fail(error);
    const auto kind = kindOption(*o, error);
    if (!kind)
        return fail(error);
    for (const MenuEntry& e : builtInMenu(*kind))
        printLine(stdout, QString(e.depth, QLatin1Char('\t')) + e.text);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Pictures need fonts, so the picture command runs a GUI application
    // without a display.
    const bool picture = argc > 1 && std::string_view(argv[1]) == "picture";
    if (picture && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app = picture ? std::make_unique<QGuiApplication>(argc, argv)
                                                    : std::make_unique<QCoreApplication>(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        printLine(args.isEmpty() ? stderr : stdout, usage());
        return args.isEmpty() ? ExitBadInput : 0;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("section"))
        return sectionCommand(args);
    if (command == QLatin1String("picture"))
        return pictureCommand(args);
    if (command == QLatin1String("profile"))
        return profileCommand(args);
    if (command == QLatin1String("catalogue"))
        return catalogueCommand(args);
    return fail(QStringLiteral("unknown command '%1'\n").arg(command) + usage());
}
