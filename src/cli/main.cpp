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
    QString text = QStringLiteral("usage:\n");
    for (const CliCommand& c : cliCommands())
        text += QString::fromUtf8(c.usage) + QLatin1Char('\n');
    return text + QStringLiteral("kinds: rh ch rs cs flat l t plate u i");
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
    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        printLine(args.isEmpty() ? stderr : stdout, usage());
        return args.isEmpty() ? ExitBadInput : 0;
    }
    const QString name = args.takeFirst();
    if (!command)
        return fail(QStringLiteral("unknown command '%1'\n").arg(name) + usage());
    return command->run(args);
}
