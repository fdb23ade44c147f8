// morvane-cli: the headless face of the section core, for scripts and checks.
#include "cli_common.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstring>
#include <memory>
#include <vector>

namespace {

QString usage()
{
    QString text = QStringLiteral("Usage: morvane-cli COMMAND [OPTION]...\n"
                                  "Computes the geometric properties of beam cross-sections, keeps them in job\n"
                                  "files and writes reports and printed pages, without a window.\n\n"
                                  "Commands:\n");
    for (const CliCommand& c : cliCommands())
        text += QString::fromUtf8(c.usage) + QLatin1Char('\n');
    return text + QStringLiteral("Kinds: rh ch rs cs flat l t plate u i\n\n"
                                 "  -h, --help     display this help and exit\n"
                                 "  -V, --version  output version information and exit\n\n"
                                 "An option's value follows it as the next argument or after '=' (--kind=rh);\n"
                                 "one dash or two spell the same option (-o, --o).\n\n"
                                 "Exit status: 0 when done, 1 when a section, an item or a file is refused,\n"
                                 "2 for bad input.\n\n"
                                 "The manual page morvane-cli(1) tells more.");
}

QString version()
{
    return QStringLiteral("morvane-cli (Morvane) " MORVANE_VERSION "\n"
                          "Written by the Morvane developers.");
}

// What a GNU tool says about a command line it cannot read.
int badCommandLine(const QString& problem)
{
    return fail(problem + QStringLiteral("\nTry 'morvane-cli --help' for more information."));
}

const CliCommand* commandNamed(const char* name)
{
    for (const CliCommand& c : cliCommands())
        if (std::strcmp(c.name, name) == 0)
            return &c;
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    const CliCommand* command = argc > 1 ? commandNamed(argv[1]) : nullptr;
    // Pictures and pages need fonts, so those commands run a GUI application
    // without a display.
    const bool gui = command && command->needsGui;
    if (gui && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app = gui ? std::make_unique<QGuiApplication>(argc, argv)
                                                : std::make_unique<QCoreApplication>(argc, argv);
    // The application has taken its own options out of argv by now, so the
    // bytes left match the decoded arguments one for one.
    std::vector<QByteArray> raw;
    for (int i = 2; i < argc; ++i)
        raw.emplace_back(argv[i]);
    setRawArguments(std::move(raw));
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return badCommandLine(QStringLiteral("missing command"));
    // --help and --version as the first argument, or right after the command.
    const QString first = args.size() > 1 && command ? args[1] : args[0];
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        printLine(stdout, usage());
        return 0;
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-V")) {
        printLine(stdout, version());
        return 0;
    }
    const QString name = args.takeFirst();
    if (!command)
        return badCommandLine(QStringLiteral("unknown command '%1'").arg(name));
    return command->run(args);
}
