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
    std::optional<QString> readSetting(const QString& key, const QString& name) override
    {
        if (keyFails)
            return std::nullopt;
        const auto found = values.find(key + "|" + name);
        return found == values.end() ? QString() : found->second;
    }
    bool writeSetting(const QString& key, const QString& name, const QString& text) override
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

    std::unique_ptr<ScriptedPrompter> m_user;
    std::unique_ptr<SettingsWindow> m_window;
    FakeAssociation m_association;

    SettingsWindow& window() { return *m_window; }

private slots:
    void init()
    {
        m_user = std::make_unique<ScriptedPrompter>();
        m_window = std::make_unique<SettingsWindow>(MessageTable::english(), *m_user);
        m_association = FakeAssociation{};
        m_window->setFileAssociation(&m_association);
        m_window->setProgramPath("/opt/morvane/bin/morvane");
        m_window->setTemporaryFolder("/old/temp");
        m_window->show();
    }
    void cleanup() { m_window.reset(); }

    void choosingALanguageStoresAndAnnouncesIt()
    {
        QSignalSpy chosen(&window(), &SettingsWindow::languageChosen);
        QListWidget* list = window().languageList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(window().language(), 1);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(window().language(), 2);
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(chosen.at(1).at(0).toInt(), 2);
    }

    void browseWritesTheNoteAtOnceAndTakesTheFolder()
    {
        QTemporaryDir dir;
        m_user->folder = dir.path();
        QSignalSpy changed(&window(), &SettingsWindow::temporaryFolderChanged);
        QTest::mouseClick(window().browseButton(), Qt::LeftButton);
        QVERIFY(m_user->shown.isEmpty());
        QCOMPARE(window().folderLabel()->text(), dir.path());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toString(), dir.path());
        QCOMPARE(readAll(dir.filePath("info.txt")),
                 ("Morvane / Written by the Morvane developers\r\nTemporary folder :" + dir.path() + "\r\n").toUtf8());
    }

    // The stored language and folder reach the settings window at start;
    // what the user chose is written when the main window closes.
    void settingsAreReadAtStartAndWrittenAtClosing()
    {
        MemoryStore store;
        store.values["SOFTWARE/Morvane|Lang"] = "1";
        store.values["SOFTWARE/Morvane|Temp"] = "/srv/reports";
        auto main = quietMainWindow();
        main->setSettingsStore(&store);
        main->readSettings();
        SettingsWindow* settings = MainWindowProbe(*main).settingsWindow();
        QCOMPARE(settings->language(), 1);
        QCOMPARE(settings->temporaryFolder().path(), QStringLiteral("/srv/reports"));
        QTemporaryDir dir;
        main->prompter.folder = dir.path();
        settings->browse();
        settings->languageList()->setCurrentRow(2);
        main->show();
        main->close();
        QCOMPARE(store.values["SOFTWARE/Morvane|Lang"], QStringLiteral("2"));
        QCOMPARE(store.values["SOFTWARE/Morvane|Temp"], dir.path());
        QVERIFY(main->prompter.shown.isEmpty());
    }

};

QTEST_MAIN(SettingsWindowTest)
#include "test_settingswindow.moc"
