#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include "settings/application_identity.h"

inline const QString JobMimeType = QStringLiteral("application/x-morvane-job");
inline const QString DesktopEntryName = ApplicationId + QStringLiteral(".desktop");
inline const QString MimePackageName = QStringLiteral("morvane.xml");

// How an association ended: the step that failed and why, or success.
struct AssociationResult {
    bool ok = true;
    QString failedStep;
    QString detail;
};

// "Assign": makes the desktop open job files ("*.mvn") with this program and
// show them with its icon.
class FileAssociation {
public:
    virtual ~FileAssociation() = default;
    virtual AssociationResult assign(const QString& programPath) = 0;
};

// The freedesktop.org way: a shared-MIME-info package, the icon in the hicolor
// theme and a desktop entry in the user's data folder, the two caches brought
// up to date, and the entry made the default application of the job type.
class XdgFileAssociation final : public FileAssociation {
public:
    explicit XdgFileAssociation(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

    // $XDG_DATA_HOME, or ~/.local/share when it is unset or not absolute.
    QString dataHome() const;
    AssociationResult assign(const QString& programPath) override;

private:
    AssociationResult run(const QString& program, const QStringList& arguments) const;

    QProcessEnvironment m_environment;
};

// One argument of a desktop entry's Exec key, quoted when it holds a reserved
// character: inside double quotes '"', '`', '$' and '\' take a backslash.
// A '%' is doubled everywhere.
QString desktopExecArgument(const QString& argument);
// A string value of a desktop entry: '\' doubled, line breaks and tabs as
// escapes.
QString desktopStringValue(const QString& value);
// The desktop entry that starts this program with one file.
QString desktopEntryText(const QString& programPath);
// The shared-MIME-info package of the job type.
QByteArray mimePackageText();

// The warning shown when a step failed: the step on its own line, then why.
QString associationFailureText(const AssociationResult& result);
