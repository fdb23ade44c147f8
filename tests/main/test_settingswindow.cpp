// The settings window announces the chosen language and folder; the main
// window reads them from the settings at start and writes them at closing.
// The note file and the store's format are the settings tests'.
#include "main_window_helpers.h"

#include "settings/message_table.h"
#include "settings/settings_store.h"

#include <QFile>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>

class SettingsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void choosingALanguageAnnouncesIt()
    {
        ScriptedPrompter user;
        SettingsWindow window(MessageTable::english(), user);
        window.show();
        QSignalSpy chosen(&window, &SettingsWindow::languageChosen);
        QListWidget* list = window.languageList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(window.language(), 1);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(window.language(), 2);
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(chosen.at(1).at(0).toInt(), 2);
    }

    void browseWritesTheNoteAtOnceAndTakesTheFolder()
    {
        QTemporaryDir dir;
        ScriptedPrompter user;
        user.folder = dir.path();
        SettingsWindow window(MessageTable::english(), user);
        window.setTemporaryFolder("/old/temp");
        window.show();
        QSignalSpy changed(&window, &SettingsWindow::temporaryFolderChanged);
        QTest::mouseClick(window.browseButton(), Qt::LeftButton);
        QVERIFY(user.shown.isEmpty());
        QCOMPARE(window.folderLabel()->text(), dir.path());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toString(), dir.path());
        QFile note(dir.filePath("info.txt"));
        QVERIFY(note.open(QIODevice::ReadOnly));
        QCOMPARE(note.readAll(),
                 ("Morvane / Written by the Morvane developers\r\nTemporary folder :" + dir.path() + "\r\n").toUtf8());
    }

    // The stored language and folder reach the settings window at start;
    // what the user chose is written when the main window closes.
    void settingsAreReadAtStartAndWrittenAtClosing()
    {
        QTemporaryDir dir;
        QSettingsStore store(dir.filePath("Morvane.conf"));
        QVERIFY(store.WriteSetting("SOFTWARE/Morvane", "Lang", "1"));
        QVERIFY(store.WriteSetting("SOFTWARE/Morvane", "Temp", "/srv/reports"));
        auto main = quietMainWindow();
        main->setSettingsStore(&store);
        main->readSettings();
        SettingsWindow* settings = MainWindowProbe(*main).settingsWindow();
        QCOMPARE(settings->language(), 1);
        QCOMPARE(settings->temporaryFolder().path(), QStringLiteral("/srv/reports"));
        main->prompter.folder = dir.path();
        settings->browse();
        settings->languageList()->setCurrentRow(2);
        main->show();
        main->close();
        QCOMPARE(store.ReadSetting("SOFTWARE/Morvane", "Lang"), std::optional<QString>("2"));
        QCOMPARE(store.ReadSetting("SOFTWARE/Morvane", "Temp"), std::optional<QString>(dir.path()));
        QVERIFY(main->prompter.shown.isEmpty());
    }
};

QTEST_MAIN(SettingsWindowTest)
#include "test_settingswindow.moc"
