#include "mainwindow.h"

#include "settings/application_identity.h"
#include "settings/settings_store.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    // The desktop matches the windows to the installed entry and icon by the id.
    QApplication::setDesktopFileName(ApplicationId);
    QApplication::setWindowIcon(applicationIcon());
    QSettingsStore settings;
    MainWindow window;
    window.setSettingsStore(&settings);
    window.startUp(QApplication::arguments());
    window.show();
    return QApplication::exec();
}
