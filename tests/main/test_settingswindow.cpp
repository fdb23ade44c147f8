#include "main_window_helpers.h"
#include "settingswindow.h"

#include "settings/file_association.h"
#include "settings/message_table.h"
#include "settings/settings_store.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QTimer>
#include <QToolButton>
#include <map>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct FakeAssociation : FileAssociation {
    AssociationResult answer;
    QStringList programs;
    AssociationResult assign(const QString& programPath) override
    {
        programs << programPath;
        return answer;
    }
};

struct MemoryStore : SettingsStore {
    std::map<QString, QString> values;
    bool keyFails = false;
    int writes = 0;
    std::optional<QString> ReadSetting(const QString& key, const QString& name) override
    {
        if (keyFails)
            return std::nullopt;
        const auto found = values.find(key + "|" + name);
        return found == values.end() ? QString() : found->second;
    }
    bool WriteSetting(const QString& key, const QString& name, const QString& text) override
    {
        ++writes;
        if (keyFails)
            return false;
        values[key + "|" + name] = text;
        return true;
    }
};

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<SettingsWindow> m_window;
    FakeAssociation m_association;
    QStringList m_warnings, m_informations;
    QString m_chosen;
    int m_dialogs = 0;

    SettingsWindow& window() { return *m_window; }

private slots:
    void init()
    {
        m_window = std::make_unique<SettingsWindow>(MessageTable::english());
        m_association = FakeAssociation{};
        m_warnings.clear();
        m_informations.clear();
        m_chosen.clear();
        m_dialogs = 0;
        m_window->setFileAssociation(&m_association);
        m_window->setProgramPath("/opt/morvane/bin/morvane");
        m_window->showWarning = [this](const QString& text) { m_warnings << text; };
        m_window->showInformation = [this](const QString& text) { m_informations << text; };
        m_window->chooseFolder = [this] {
            ++m_dialogs;
            return m_chosen;
        };
        m_window->setTemporaryFolder("/old/temp");
        m_window->show();
    }
    void cleanup() { m_window.reset(); }

    // The fixed texts come from the message table (see the retranslation
    // test); here what is not a fixed text.
    void languagesAndFolderShown()
    {
        QVERIFY(window().isModal());
        QCOMPARE(window().windowTitle(), QStringLiteral("Settings...."));
        QCOMPARE(window().folderLabel()->text(), QStringLiteral("/old/temp"));
        QCOMPARE(window().languageList()->count(), 3);
        QCOMPARE(window().languageList()->item(1)->text(), QStringLiteral("Hungarian"));
        QCOMPARE(window().language(), 0);
        // All three languages are visible without scrolling.
        const QRect last = window().languageList()->visualItemRect(window().languageList()->item(2));
        QVERIFY(window().languageList()->viewport()->rect().contains(last));
    }

    void retranslateSetsEveryFixedText()
    {
        // A language of its own, so that every text differs from English.
        MessageTable hungarian = MessageTable::english();
        for (int n : {142, 143, 144, 146, 147, 148, 149, 150, 152, 185})
            hungarian.set(n, QStringLiteral("hu %1").arg(n));
        window().retranslate(hungarian);
        window().setCaptions("Beállítások....", "Kilépés");
        QCOMPARE(window().assignButton()->text(), hungarian(185));
        QCOMPARE(window().associationLabel()->text(), hungarian(146) + "\n" + hungarian(147));
        QCOMPARE(window().folderCaption()->text(), hungarian(149));
        QCOMPARE(window().browseButton()->text(), hungarian(150));
        QCOMPARE(window().languageCaption()->text(), hungarian(152));
        QCOMPARE(window().windowTitle(), QStringLiteral("Beállítások...."));
        QCOMPARE(window().exitButton()->text(), QStringLiteral("Kilépés"));
        // The boxes speak the new language too.
        m_association.answer = AssociationResult{};
        window().assign();
        QCOMPARE(m_informations, QStringList{"hu 148"});
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("info.txt")));
        m_chosen = dir.path();
        window().browse();
        QCOMPARE(m_warnings, QStringList{"hu 142\nhu 143\nhu 144"});
    }

    void choosingALanguageStoresAndAnnouncesIt()
    {
        QSignalSpy chosen(&window(), &SettingsWindow::languageChosen);
        QListWidget* list = window().languageList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(window().language(), 1);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).toInt(), 1);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(window().language(), 2);
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(chosen.at(1).at(0).toInt(), 2);
    }

    void settingTheLanguageFromStartUpIsSilent()
    {
        QSignalSpy chosen(&window(), &SettingsWindow::languageChosen);
        window().setLanguage(1);
        QCOMPARE(window().language(), 1);
        QCOMPARE(window().languageList()->currentItem()->text(), QStringLiteral("Hungarian"));
        window().setLanguage(7);
        QCOMPARE(window().language(), 0);
        QCOMPARE(chosen.count(), 0);
    }

    void browseWritesTheNoteAtOnceAndTakesTheFolder()
    {
        QTemporaryDir dir;
        m_chosen = dir.path();
        QSignalSpy changed(&window(), &SettingsWindow::temporaryFolderChanged);
        QTest::mouseClick(window().browseButton(), Qt::LeftButton);
        QCOMPARE(m_dialogs, 1);
        QVERIFY(m_warnings.isEmpty());
        QCOMPARE(window().folderLabel()->text(), dir.path());
        QCOMPARE(window().temporaryFolder().path(), dir.path());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toString(), dir.path());
        QCOMPARE(readAll(dir.filePath("info.txt")),
                 ("Morvane / Written by the Morvane developers\r\nTemporary folder :" + dir.path() + "\r\n").toUtf8());
    }

    void browseToAFolderThatCannotBeWrittenKeepsTheOldOne()
    {
        QSignalSpy changed(&window(), &SettingsWindow::temporaryFolderChanged);
        // A cancelled dialog changes nothing, silently.
        QTest::mouseClick(window().browseButton(), Qt::LeftButton);
        QCOMPARE(m_dialogs, 1);
        QVERIFY(m_warnings.isEmpty());
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("info.txt")));
        m_chosen = dir.path();
        QTest::mouseClick(window().browseButton(), Qt::LeftButton);
        QCOMPARE(m_warnings, QStringList{"Error.Cannot Create temporary Directory!\nPlease remove the write protection !\n"
                                         "Select new temporary folder !"});
        QCOMPARE(window().folderLabel()->text(), QStringLiteral("/old/temp"));
        QCOMPARE(window().temporaryFolder().path(), QStringLiteral("/old/temp"));
        QCOMPARE(changed.count(), 0);
    }

    // Assign hands the program's path to the association; success is an
    // information, a failure one warning naming the step and the reason.
    void assignReportsTheOutcome()
    {
        QTest::mouseClick(window().assignButton(), Qt::LeftButton);
        QCOMPARE(m_association.programs, QStringList{"/opt/morvane/bin/morvane"});
        QCOMPARE(m_informations, QStringList{"Associate application with *.mvn ready."});
        QVERIFY(m_warnings.isEmpty());

        m_association.answer = AssociationResult{false, "update-mime-database /home/ann/.local/share/mime",
                                                 "permission denied"};
        QTest::mouseClick(window().assignButton(), Qt::LeftButton);
        QCOMPARE(m_informations.size(), 1);
        QCOMPARE(m_warnings.size(), 1);
        QVERIFY(m_warnings.first().contains("update-mime-database /home/ann/.local/share/mime"));
        QVERIFY(m_warnings.first().contains("permission denied"));
    }

    void exitButtonClosesTheWindow()
    {
        QVERIFY(window().isVisible());
        QTest::mouseClick(window().exitButton(), Qt::LeftButton);
        QVERIFY(!window().isVisible());
        QCOMPARE(window().result(), int(QDialog::Accepted));
    }

    void assignByDefaultUsesTheDesktopInTheUsersDataFolder()
    {
        // Without an injected association the window writes below
        // $XDG_DATA_HOME; point it at a temporary folder.
        QTemporaryDir dir;
        qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
        qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
        SettingsWindow own(MessageTable::english());
        QStringList warnings, infos;
        own.showWarning = [&](const QString& t) { warnings << t; };
        own.showInformation = [&](const QString& t) { infos << t; };
        own.setProgramPath("/usr/bin/morvane");
        own.assign();
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY(QFileInfo::exists(dir.filePath("data/applications/org.morvane.Morvane.desktop")));
        QVERIFY(QFileInfo::exists(dir.filePath("data/mime/packages/morvane.xml")));
        // Where the desktop tools are missing the warning names the step instead.
        QCOMPARE(infos.size() + warnings.size(), 1);
    }

    // The main window's side: the menu entry, start-up and closing.
    void settingsEntryOpensTheWindowModally()
    {
        MainWindow main;
        main.show();
        QAction* entry = main.action(Command::Settings);
        QCOMPARE(entry->text(), QStringLiteral("Settings...."));
        QVERIFY(entry->isEnabled());
        auto* button = main.findChild<QToolButton*>("SpeedButton5");
        QVERIFY(button);
        QCOMPARE(button->defaultAction(), entry);
        bool wasModal = false;
        QTimer::singleShot(0, this, [&] {
            auto* open = qobject_cast<SettingsWindow*>(QApplication::activeModalWidget());
            wasModal = open == main.settingsWindow();
            if (open)
                open->exitButton()->click();
        });
        entry->trigger();
        QVERIFY(wasModal);
        QCOMPARE(main.settingsWindow()->windowTitle(), entry->text());
        QCOMPARE(main.settingsWindow()->exitButton()->text(), main.action(Command::Exit)->text());
    }

    // Start-up gives the settings window the stored language and folder, or
    // English and the folder beside the program on a first run.
    void startUpReadsTheStoredLanguageAndFolder()
    {
        const QString besideTheProgram = QCoreApplication::applicationDirPath() + "/temp";
        for (const bool firstRun : {false, true}) {
            MemoryStore store;
            if (!firstRun) {
                store.values["SOFTWARE/Morvane|Lang"] = "1";
                store.values["SOFTWARE/Morvane|Temp"] = "/srv/reports";
            }
            auto main = quietMainWindow();
            QStringList messages;
            main->showMessage = [&](const QString& t) { messages << t; };
            main->setSettingsStore(&store);
            main->readSettings();
            QCOMPARE(main->settingsWindow()->language(), firstRun ? 0 : 1);
            const QString folder = firstRun ? besideTheProgram : QStringLiteral("/srv/reports");
            QCOMPARE(main->settingsWindow()->temporaryFolder().path(), folder);
            QCOMPARE(main->settingsWindow()->folderLabel()->text(), folder);
            QVERIFY(messages.isEmpty());
        }
    }

    // A job named on the command line is loaded before the stored language
    // is applied, so that its material lists are in that language too.
    void jobOnTheCommandLineTakesTheStoredLanguage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("hall.mvn");
        {
            auto saving = quietMainWindow();
            saving->start();
            listTubes(*saving, {"40x20x3"});
            saving->askSaveFileName = [&](const QString&) { return path; };
            QVERIFY(saving->saveJob());
        }
        MemoryStore store;
        store.values["SOFTWARE/Morvane|Lang"] = "1";
        auto main = quietMainWindow();
        main->setSettingsStore(&store);
        main->startUp({QStringLiteral("morvane"), path});
        QCOMPARE(main->itemList().count(), 1);
        const QString steel = QString::fromUtf8("Ac\xc3\xa9l : ");
        QCOMPARE(main->eModulusBox()->itemText(0), steel + "210000000");
        QCOMPARE(main->densityBox()->currentText(), steel + "7850");
        QCOMPARE(main->poissonBox()->itemText(0), steel + "0.29");
    }

    void closingAndExitWriteLanguageAndFolderOnce()
    {
        MemoryStore store;
        QTemporaryDir dir;
        auto main = quietMainWindow();
        main->setSettingsStore(&store);
        main->readSettings();
        main->show();
        main->settingsWindow()->chooseFolder = [&] { return dir.path(); };
        main->settingsWindow()->browse();
        main->settingsWindow()->languageList()->setCurrentRow(2);
        main->close();
        QCOMPARE(store.values["SOFTWARE/Morvane|Lang"], QStringLiteral("2"));
        QCOMPARE(store.values["SOFTWARE/Morvane|Temp"], dir.path());

        MemoryStore atExit;
        auto other = quietMainWindow();
        other->setSettingsStore(&atExit);
        other->show();
        other->settingsWindow()->setLanguage(1);
        other->exitCommand();
        QVERIFY(!other->isVisible());
        QCOMPARE(atExit.writes, 2);
        QCOMPARE(atExit.values["SOFTWARE/Morvane|Lang"], QStringLiteral("1"));
    }

    void storeThatCannotBeOpenedIsReportedBothWays()
    {
        MemoryStore store;
        store.keyFails = true;
        QStringList messages;
        auto main = quietMainWindow(&messages);
        main->setSettingsStore(&store);
        main->readSettings();
        QCOMPARE(messages, QStringList{"Error opening/creating key : SOFTWARE/Morvane"});
        QCOMPARE(main->settingsWindow()->language(), 0);
        main->show();
        main->close();
        QCOMPARE(messages, QStringList(2, "Error opening/creating key : SOFTWARE/Morvane"));
        QVERIFY(!main->isVisible());
    }
};

QTEST_MAIN(SettingsWindowTest)
#include "test_settingswindow.moc"
