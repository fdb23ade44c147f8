#include "cli_common.h"

#include "catalogue/menu_language.h"
#include "catalogue/profile_catalogue.h"
#include "drawing/overlay.h"
#include "itemlist/requirement_limits.h"
#include "drawing/section_pictures.h"
#include "settings/language_texts.h"
#include "settings/message_table.h"
#include "sections/dimension_filter.h"
#include "sections/profiles.h"
#include "sections/tab_computations.h"
#include "sections/material.h"
#include "sections/material_filters.h"
#include "base/number_format.h"
#include "base/section_kind.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <charconv>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string_view>


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

namespace {
std::vector<QByteArray>& rawArgumentList()
{
    static std::vector<QByteArray> raw;
    return raw;
}
} // namespace

void setRawArguments(std::vector<QByteArray> raw)
{
    rawArgumentList() = std::move(raw);
}

QByteArray nativeFileName(const QString& name)
{
    const QByteArray encoded = QFile::encodeName(name);
    if (!name.contains(QChar::ReplacementCharacter))
        return encoded;
    // The name lost bytes when it was decoded: take the argument it came
    // from, when exactly one spelling decodes to it.
    QByteArray found;
    for (const QByteArray& bytes : rawArgumentList()) {
        if (QFile::decodeName(bytes) != name || bytes == found)
            continue;
        if (!found.isEmpty())
            return {}; // two different names read the same: neither is safe to use
        found = bytes;
    }
    return found.isEmpty() ? encoded : found;
}

QByteArray fileNameOption(const Options& o, const QString& name)
{
    const auto value = o.get(name);
    return value ? nativeFileName(*value) : QByteArray();
}

void filterMaterialOption(Options& o, const QString& name, const QStringList& items)
{
    const auto text = o.get(name);
    if (!text)
        return;
    FilterOutcome filtered;
    if (name == QLatin1String("--emodulus"))
        filtered = filterEModulus(*text, items);
    else if (name == QLatin1String("--density"))
        filtered = filterDensity(*text, items);
    else if (name == QLatin1String("--poisson"))
        filtered = filterPoisson(*text, items);
    else if (name == QLatin1String("--tensile"))
        filtered = filterTensile(*text);
    else
        filtered = filterPressure(*text);
    o.values[name] = filtered.text;
}

std::optional<int> wholeNumber(const QString& text, int low, int high)
{
    const auto value = readInteger(text);
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return int(*value);
}

namespace {
// An option's name without its dashes, as QCommandLineParser knows it.
QString optionWord(const QString& name)
{
    return name.mid(name.startsWith(QLatin1String("--")) ? 2 : 1);
}

bool namesOneOf(const QString& word, const QStringList& names)
{
    return std::any_of(names.begin(), names.end(),
                       [&](const QString& name) { return optionWord(name) == optionWord(word); });
}

// The first word that names an option the command does not take, as the
// user wrote it (without a value given with '=').
QString unknownWord(const QStringList& args, const QStringList& unknown, const QStringList& valued)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString word = args[i].section(QLatin1Char('='), 0, 0);
        if (word.startsWith(QLatin1Char('-')) && unknown.contains(optionWord(word)))
            return word;
        if (valued.contains(args[i]))
            ++i; // its value is no option, whatever it looks like
    }
    return unknown.value(0);
}

// The first flag given a value with '=', as the user wrote its name.
QString flagWithValue(const QStringList& args, const QStringList& flags)
{
    for (const QString& arg : args) {
        const QString word = arg.section(QLatin1Char('='), 0, 0);
        if (arg.contains(QLatin1Char('=')) && word.startsWith(QLatin1Char('-')) && namesOneOf(word, flags))
            return word;
    }
    return flags.value(0);
}
} // namespace

std::optional<Options> parseOptions(const QStringList& args, const QStringList& valued, const QStringList& flags,
                                    QString& error)
{
    // A bare "--" is an option name like any other here, not the end of the
    // options: the commands take no file names that start with a dash.
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--")) {
            error = QStringLiteral("unknown option --");
            return std::nullopt;
        }
        if (valued.contains(args[i]))
            ++i;
    }
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QString& name : valued)
        parser.addOption(QCommandLineOption(optionWord(name), QString(), QStringLiteral("value")));
    for (const QString& name : flags)
        parser.addOption(QCommandLineOption(optionWord(name)));
    if (!parser.parse(QStringList{QStringLiteral("morvane-cli")} + args)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            error = QStringLiteral("unknown option %1").arg(unknownWord(args, unknown, valued));
        else if (!args.isEmpty() && args.last().startsWith(QLatin1Char('-')) && namesOneOf(args.last(), valued))
            error = QStringLiteral("%1 needs a value").arg(args.last());
        else
            error = QStringLiteral("%1 takes no value").arg(flagWithValue(args, flags));
        return std::nullopt;
    }
    Options o;
    for (const QString& name : valued)
        if (parser.isSet(optionWord(name)))
            o.values[name] = parser.value(optionWord(name));
    for (const QString& name : flags)
        if (parser.isSet(optionWord(name)))
            o.flags << name;
    o.positional = parser.positionalArguments();
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

const MessageTable* languageOption(const Options& o, QString& error)
{
    const auto code = o.get(QStringLiteral("--language"));
    if (!code)
        return &MessageTable::english();
    const auto position = languagePositionOfCode(*code);
    if (!position) {
        error = QStringLiteral("--language takes en, hu or nl");
        return nullptr;
    }
    return &MessageTable::forLanguage(*position);
}

std::optional<QString> entryLookup(SectionKind kind, const QString& entry, const MessageTable& messages,
                                   bool& isGroup, QString& error)
{
    const std::vector<MenuEntry>& menu = builtInMenu(kind);
    const auto groupAt = [&](int i) {
        return std::size_t(i) + 1 < menu.size() && menu[std::size_t(i) + 1].depth > menu[std::size_t(i)].depth;
    };
    // The entry's own text first: it names one entry in any language.
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].text == entry) {
            isGroup = groupAt(int(i));
            return entryLookupText(kind, menu, int(i), messages);
        }
    }
    const std::vector<int> shown = entriesShowing(kind, menu, entry, messages);
    if (!shown.empty()) {
        const QString lookup = entryLookupText(kind, menu, shown.front(), messages);
        for (int i : shown) {
            if (entryLookupText(kind, menu, i, messages) != lookup) {
                QStringList own;
                for (int j : shown)
                    own << QLatin1Char('"') + menu[std::size_t(j)].text + QLatin1Char('"');
                error = QStringLiteral("'%1' is shown for more than one entry; give the entry's own text: %2")
                            .arg(entry, own.join(QStringLiteral(" or ")));
                return std::nullopt;
            }
        }
        isGroup = groupAt(shown.front());
        return lookup;
    }
    error = QStringLiteral("no entry '%1' in the %2 menu").arg(entry, kindCode(kind));
    return std::nullopt;
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
    const MessageTable* messages = languageOption(*o, error);
    if (!messages)
        return fail(error);
    ctx.messages = messages;

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
        ctx.colour = limits.query(*messages);
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
        const auto lookup = entryLookup(*kind, *entry, *messages, isGroup, error);
        if (!lookup)
            return fail(error);
        if (isGroup)
            return fail(QStringLiteral("'%1' is a group heading, not a section").arg(*entry));
        if (*kind == SectionKind::Plate)
            result = plateEntry(*lookup, ctx, ProfileTable::builtIn()).tab;
        else
            result = *computeEntry(*kind, *lookup, ctx);
    } else {
        const QStringList parts = dims->split(QLatin1Char(','));
        if (parts.size() != customFieldCount(*kind))
            return fail(QStringLiteral("--dims takes %1 comma-separated values for the %2 kind")
                            .arg(customFieldCount(*kind))
                            .arg(kindCode(*kind)));
        for (const QString& p : parts)
            if (!readNumber(p) || filterDimensionText(p) != p)
                return fail(QStringLiteral("'%1' is not a dimension (0 to 999.99 mm, at most two decimals)").arg(p));
        if (*kind == SectionKind::U) {
            const QString arrangement = o->get("--arrangement").value_or(QStringLiteral("u"));
            const QStringList names{"u", "box", "pair"};
            if (!names.contains(arrangement))
                return fail(QStringLiteral("--arrangement takes u, box or pair"));
            result = *computeEntry(*kind, (*messages)(96), ctx, parts, int(names.indexOf(arrangement)));
        } else {
            result = *computeCustom(*kind, parts, 0, ctx);
        }
    }
    return std::nullopt;
}

void printPanel(const std::vector<PanelLine>& lines, bool withColours)
{
    for (const PanelLine& line : lines) {
        QString text = line.value.isEmpty() ? line.label : line.label + QLatin1Char('\t') + line.value;
        if (withColours)
            text += QStringLiteral("\t") + panelColourName(line.colour);
        printLine(stdout, text);
    }
}

namespace {
std::vector<CliCommand>& commandTable()
{
    static std::vector<CliCommand> table;
    return table;
}
} // namespace

const std::vector<CliCommand>& cliCommands()
{
    return commandTable();
}

CliCommandRegistration::CliCommandRegistration(const CliCommand& command)
{
    commandTable().push_back(command);
}
