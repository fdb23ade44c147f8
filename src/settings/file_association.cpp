#include "settings/file_association.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <vector>

#include "base/save_file.h"

namespace {
QByteArray readResource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeWhole(const QString& path, const QByteArray& bytes, QString& error)
{
    return saveWholeFile(path, bytes, &error);
}

AssociationResult failure(const QString& step, const QString& detail)
{
    return AssociationResult{false, step, detail};
}

// The entry the program wrote before it had an application id.
const QString EarlierDesktopEntryName = QStringLiteral("morvane.desktop");

// The icon's drawing and pictures into the user's hicolor theme.
AssociationResult writeIcons(const QString& dataHome)
{
    const QString theme = dataHome + QStringLiteral("/icons/hicolor/");
    std::vector<int> sizes(ApplicationIconSizes.begin(), ApplicationIconSizes.end());
    sizes.push_back(0);
    for (const int size : sizes) {
        const QString folder = theme + (size == 0 ? QStringLiteral("scalable") : QStringLiteral("%1x%1").arg(size)) +
                               QStringLiteral("/apps");
        const QString resource = applicationIconResource(size);
        const QString icon = folder + QLatin1Char('/') + ApplicationId + resource.mid(resource.lastIndexOf(u'.'));
        QString error;
        if (!QDir().mkpath(folder))
            return failure(icon, QStringLiteral("cannot create ") + folder);
        if (!writeWhole(icon, readResource(resource), error))
            return failure(icon, error);
    }
    return {};
}
} // namespace

QString desktopExecArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = argument.isEmpty();
    for (const QChar c : argument)
        quote = quote || reserved.contains(c);
    QString out;
    if (quote)
        out += QLatin1Char('"');
    for (const QChar c : argument) {
        if (c == QLatin1Char('%'))
            out += QStringLiteral("%%");
        else if (quote && (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                           c == QLatin1Char('\\')))
            out += QLatin1Char('\\') + c;
        else
            out += c;
    }
    if (quote)
        out += QLatin1Char('"');
    return out;
}

QString desktopStringValue(const QString& value)
{
    QString out;
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else
            out += c;
    }
    if (out.startsWith(QLatin1Char(' ')))
        out.replace(0, 1, QStringLiteral("\\s"));
    return out;
}

QString desktopEntryText(const QString& programPath)
{
    QStringList lines = QString::fromUtf8(readResource(QStringLiteral(":/settings/data/") + DesktopEntryName))
                            .split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.startsWith(QLatin1String("Exec=")))
            line = QStringLiteral("Exec=") + desktopStringValue(desktopExecArgument(programPath)) +
                   QStringLiteral(" %f");
    return lines.join(QLatin1Char('\n'));
}

QByteArray mimePackageText()
{
    return readResource(QStringLiteral(":/settings/data/morvane.xml"));
}

XdgFileAssociation::XdgFileAssociation(const QProcessEnvironment& environment) : m_environment(environment) {}

QString XdgFileAssociation::dataHome() const
{
    const QString home = m_environment.value(QStringLiteral("XDG_DATA_HOME"));
    if (!home.isEmpty() && QDir::isAbsolutePath(home))
        return home;
    return m_environment.value(QStringLiteral("HOME"), QDir::homePath()) + QStringLiteral("/.local/share");
}

AssociationResult XdgFileAssociation::run(const QString& program, const QStringList& arguments) const
{
    const QString step = program + QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
    QProcess process;
    process.setProcessEnvironment(m_environment);
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start();
    if (!process.waitForStarted(10000))
        return failure(step, process.errorString());
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(1000);
        return failure(step, QStringLiteral("did not finish"));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return failure(step, QString::fromLocal8Bit(process.readAll()).trimmed());
    return {};
}

AssociationResult XdgFileAssociation::assign(const QString& programPath)
{
    const QString mimeFolder = dataHome() + QStringLiteral("/mime");
    const QString packageFolder = mimeFolder + QStringLiteral("/packages");
    const QString applications = dataHome() + QStringLiteral("/applications");
    QString error;

    const QString package = packageFolder + QLatin1Char('/') + MimePackageName;
    if (!QDir().mkpath(packageFolder))
        return failure(package, QStringLiteral("cannot create ") + packageFolder);
    if (!writeWhole(package, mimePackageText(), error))
        return failure(package, error);
    if (AssociationResult r = run(QStringLiteral("update-mime-database"), {mimeFolder}); !r.ok)
        return r;

    if (AssociationResult r = writeIcons(dataHome()); !r.ok)
        return r;

    const QString entry = applications + QLatin1Char('/') + DesktopEntryName;
    if (!QDir().mkpath(applications))
        return failure(entry, QStringLiteral("cannot create ") + applications);
    if (!writeWhole(entry, desktopEntryText(programPath).toUtf8(), error))
        return failure(entry, error);
    QFile::remove(applications + QLatin1Char('/') + EarlierDesktopEntryName);
    if (AssociationResult r = run(QStringLiteral("update-desktop-database"), {applications}); !r.ok)
        return r;

    return run(QStringLiteral("xdg-mime"), {QStringLiteral("default"), DesktopEntryName, JobMimeType});
}

QString associationFailureText(const AssociationResult& result)
{
    QString text = QStringLiteral("Associate application with *.mvn failed at:\n") + result.failedStep;
    if (!result.detail.isEmpty())
        text += QLatin1Char('\n') + result.detail;
    return text;
}
