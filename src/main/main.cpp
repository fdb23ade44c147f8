#include "mainwindow.h"

#include "settings/settings_store.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    QSettingsStore settings;
    MainWindow window;
    window.setSettingsStore(&settings);
    window.startUp(QApplication::arguments());
    window.show();
    return QApplication::exec();
}
