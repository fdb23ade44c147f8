// Desktop habits of the main window: standard keys on the commands, Delete
// and Ctrl+C on the list, recent jobs in the File menu. The clipboard text
// and the recent jobs' order are the core's tests (list_table, recent_jobs).
#include "main_window_helpers.h"

#include "settings/settings_store.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QMenu>
#include <QTemporaryDir>

class DesktopTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedMainWindow> m_window;

    MainWindow& window() { return *m_window; }
    MainWindowProbe ui() { return MainWindowProbe(*m_window); }
    void activate()
    {
        window().show();
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }

private slots:
    void init()
    {
        m_window = quietMainWindow();
        window().start();
    }
    void cleanup() { m_window.reset(); }

    void standardKeysAreOnTheCommands_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("key");
        QTest::newRow("New job") << int(Command::NewJob) << int(QKeySequence::New);
        QTest::newRow("Load input") << int(Command::LoadInput) << int(QKeySequence::Open);
        QTest::newRow("Save input") << int(Command::SaveInput) << int(QKeySequence::Save);
        QTest::newRow("Print") << int(Command::Print) << int(QKeySequence::Print);
        QTest::newRow("Help") << int(Command::Help) << int(QKeySequence::HelpContents);
        QTest::newRow("Delete") << int(Command::DeleteItems) << int(QKeySequence::Delete);
        QTest::newRow("Copy") << int(Command::Copy) << int(QKeySequence::Copy);
    }
    void standardKeysAreOnTheCommands()
    {
        QFETCH(int, command);
        QFETCH(int, key);
        const QList<QKeySequence> expected = QKeySequence::keyBindings(QKeySequence::StandardKey(key));
        QVERIFY(!expected.isEmpty());
        QCOMPARE(ui().action(Command(command))->shortcuts(), expected);
    }

    // Delete asks about the items only while the list has the focus.
    void deleteKeyWorksOnTheList()
    {
        activate();
        listTubes(window(), {"20x20x2"});
        ui().tree(SectionKind::RectHollow)->setFocus();
        QTest::keyClick(ui().tree(SectionKind::RectHollow), Qt::Key_Delete);
        QVERIFY(m_window->prompter.questions.isEmpty());
        ui().itemGrid()->setFocus();
        QTest::keyClick(ui().itemGrid(), Qt::Key_Delete);
        QCOMPARE(m_window->prompter.questions, QStringList{ui().messages()(Msg::DeleteSelected)});
    }

    // Ctrl+C on the selected rows: a header line, then one line per row.
    void copyPutsTheSelectedRowsOnTheClipboard()
    {
        activate();
        listEntries(window(), SectionKind::I, {"HR I80x42"});
        listPlate(window());
        ui().itemGrid()->selectAll();
        ui().itemGrid()->setFocus();
        QApplication::clipboard()->clear();
        QTest::keyClick(ui().itemGrid(), Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 4); // header, two rows, the empty rest after the last line break
        QVERIFY(lines[0].startsWith("Item\tMaterial\tE modulus [KN/m2]\t"));
        QVERIFY(lines[1].startsWith("1\tHR I80x42\t210000000\t7850\t"));
        QVERIFY(lines[2].startsWith("2\t1 mm steel plate\t1000x2000\t"));
    }

    // Saved and loaded jobs come first in the File menu and in the settings;
    // an entry of the next run's menu loads its job.
    void recentJobsFollowLoadAndSave()
    {
        QTemporaryDir dir;
        QSettingsStore store(dir.filePath("Morvane.conf"));
        window().setSettingsStore(&store);
        listTubes(window(), {"20x20x2"});
        for (const char* name : {"a.mvn", "b.mvn"}) {
            const QString path = dir.filePath(name);
            m_window->prompter.fileName = path;
            QVERIFY(window().saveJob());
        }
        QVERIFY(window().loadJob(dir.filePath("a.mvn")));
        QCOMPARE(ui().recentJobs(), QStringList({dir.filePath("a.mvn"), dir.filePath("b.mvn")}));
        QCOMPARE(store.readSetting("RecentJobs", "File1"), std::optional<QString>(dir.filePath("a.mvn")));
        QMenu* menu = ui().recentJobsMenu();
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().at(1)->text(), "&2 " + dir.filePath("b.mvn"));

        auto next = quietMainWindow();
        next->setSettingsStore(&store);
        next->readSettings();
        MainWindowProbe(*next).recentJobsMenu()->actions().at(1)->trigger();
        QCOMPARE(MainWindowProbe(*next).itemList().count(), 1);
        QCOMPARE(MainWindowProbe(*next).recentJobs().first(), dir.filePath("b.mvn"));
        window().setSettingsStore(nullptr);
    }
};

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
