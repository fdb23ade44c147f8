#pragma once

// What every morvane-cli command shares: output, option parsing, the section
// options, and the table of commands. Each command lives in a file of its own
// and registers itself with a static CliCommandRegistration.

#include "base/section_kind.h"
#include "sections/tab_computations.h"
#include "sections/tab_result.h"

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
                                    QString& error);
bool menuHasEntry(SectionKind kind, const QString& entry, bool& isGroup);
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
