#pragma once

// What every morvane-cli command shares: output, option parsing, the section
// options, and the table of commands. Each command lives in a file of its own
// and registers itself with a static CliCommandRegistration.

#include "base/section_kind.h"
#include "sections/tab_computations.h"
#include "sections/tab_result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <map>
#include <optional>
#include <vector>

constexpr int ExitRejected = 1;
constexpr int ExitBadInput = 2;

void printLine(FILE* out, const QString& text);
// Prints "morvane-cli: " + message on stderr and returns ExitBadInput.
int fail(const QString& message);
QString fullPrecision(long double value);

// Options of the form --name value (or --name=value), plus lone flags.
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

// The command's arguments as the system gave them, byte for byte, parallel to
// the decoded arguments a command receives (main sets them).
void setRawArguments(std::vector<QByteArray> raw);
// A file name from the command line as the system spells it, so that a name
// that is not UTF-8 reaches the same file (the decoded text cannot hold its
// bytes); empty when two different arguments decode to the same text.
QByteArray nativeFileName(const QString& name);
// The same for the value of an option; empty when the option is absent.
QByteArray fileNameOption(const Options& o, const QString& name);

// A material option (--emodulus, --density, --poisson, --tensile,
// --pressure), when given, replaced by what its field's filter leaves of it,
// as typing it into the window would: list items stay, bad characters go.
void filterMaterialOption(Options& o, const QString& name, const QStringList& items);

// A whole number as a user types it (readInteger), from low to high.
std::optional<int> wholeNumber(const QString& text, int low, int high);

// The command's arguments read by QCommandLineParser: the options it takes
// with a value ("--kind", "-o") and without; a single dash spells a whole
// name, never letters packed together. A word naming another option, a
// missing value or a value given to a flag leaves an error and nothing.
std::optional<Options> parseOptions(const QStringList& args, const QStringList& valued, const QStringList& flags,
                                    QString& error);
class MessageTable;

bool menuHasEntry(SectionKind kind, const QString& entry, bool& isGroup);
// The messages of --language en|hu|nl (English without the option); nothing
// with an error for another code.
const MessageTable* languageOption(const Options& o, QString& error);
// The text the catalogue looks an --entry up by: the entry's own text, or the
// text of the entry the menu shows so in the language. Nothing with an error
// when no entry or more than one different entry shows it.
std::optional<QString> entryLookup(SectionKind kind, const QString& entry, const MessageTable& messages,
                                   bool& isGroup, QString& error);
std::optional<SectionKind> kindOption(const Options& o, QString& error);
// Reads the options shared by "section" and "picture" and runs the tab's
// computation; returns an exit status when the input is bad.
std::optional<int> computeFromOptions(const Options& options, SectionKind& kindOut, ComputeContext& ctx,
                                      TabResult& result);
// The panel lines as label, value and, with limits, the line's colour.
void printPanel(const std::vector<PanelLine>& lines, bool withColours);

struct CliCommand {
    const char* name;
    const char* usage;     // lines for the usage text, each starting "  morvane-cli "
    bool needsGui;         // pictures and pages need fonts: run a GUI application offscreen
    int (*run)(const QStringList& args);
};

const std::vector<CliCommand>& cliCommands();

struct CliCommandRegistration {
    explicit CliCommandRegistration(const CliCommand& command);
};
