// Save input and Load input are wired to the job file reader and writer: a
// load shows the saved state, a changed job is asked about before it is
// replaced or the program closes. The file format, its damaged forms and safe
// saving are the core's tests (tests/itemlist, tests/base).
#include "main_window_helpers.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
// What the window shows of a job, for comparing before and after.
QStringList shown(MainWindow& w)
{
    const MainWindowProbe ui(w);
    QStringList s{ui.job().name(), ui.statusPanel(0)->text(), ui.tensileField()->text(),
                  ui.job().units().digits(), ui.requirementLimits().signature(), ui.eModulusBox()->itemText(0)};
    for (int r = 1; r <= ui.itemList().count(); ++r)
        s << ui.itemList().row(r).cells[2];
    return s;
}
} // namespace

class JobFilesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedMainWindow> m_window;
    QTemporaryDir m_dir;

    MainWindow& window() { return *m_window; }
    MainWindowProbe ui() { return MainWindowProbe(*m_window); }
    ScriptedPrompter& user() { return m_window->prompter; }

    // A job of a tube and a plate, named "Hall roof", with a limit and a
    // tensile stress of its own, saved from a window of its own.
    QString savedJob(QStringList* shownWhenSaved = nullptr)
    {
        auto w = std::make_unique<ScriptedMainWindow>();
        w->show();
        w->start();
        w->prompter.text = QStringLiteral("Hall roof");
        w->changeJobName();
        listTubes(*w, {"40x20x3"});
        listPlate(*w);
        const MainWindowProbe ui(*w);
        ui.requirementLimits().setMin(0, "1");
        ui.requirementLimits().setMax(0, "20");
        ui.requirementLimits().setTicked(0, true);
        ui.tensileField()->setText("250");
        w->prompter.fileName = m_dir.filePath("hall.mvn");
        w->saveInput();
        if (shownWhenSaved)
            *shownWhenSaved = shown(*w);
        return w->prompter.fileName;
    }

private slots:
    void init()
    {
        m_window = std::make_unique<ScriptedMainWindow>();
        m_window->show();
    }
    void cleanup() { m_window.reset(); }

    void loadShowsTheSavedJob()
    {
        QStringList saved;
        user().fileName = savedJob(&saved);
        window().loadInput();
        QVERIFY2(user().shown.isEmpty(), qPrintable(user().shown.join("; ")));
        QCOMPARE(shown(window()), saved);
        QCOMPARE(ui().statusPanel(0)->text(), QStringLiteral("Name of job - Hall roof -"));
        QCOMPARE(ui().statusPanel(1)->text(), QStringLiteral("Total weight:    15.7 Kg"));
        QVERIFY(ui().requirementWindow()->box(0)->isChecked());
        QCOMPARE(ui().progressWindow()->value(), ui().progressWindow()->maximum());
        QVERIFY(!ui().progressWindow()->isVisible());
        QVERIFY(!window().isWindowModified());
    }

    // Each change marks the job; the next load asks "Save changes to job ?"
    // once, and the loaded job is unchanged again.
    void eachChangeMarksTheJob_data()
    {
        QTest::addColumn<QString>("change");
        for (const char* change : {"list", "units", "limit"})
            QTest::newRow(change) << QString::fromLatin1(change);
    }
    void eachChangeMarksTheJob()
    {
        QFETCH(QString, change);
        const QString path = savedJob();
        QVERIFY(window().loadJob(path));
        QVERIFY(!window().isWindowModified());
        if (change == "list") {
            listTubes(window(), {"40x20x3"});
        } else if (change == "units") {
            window().applyUnits(*UnitSettings::fromDigits("3122213"));
        } else {
            ui().requirementWindow()->minField(3)->setText("2");
        }
        QVERIFY(window().isWindowModified());
        user().fileName = path;
        window().loadInput();
        QCOMPARE(user().questions, QStringList{"Save changes to job ?"});
        QVERIFY(!window().isWindowModified());
        window().exitCommand();
        QCOMPARE(user().questions.size(), 1);
    }

    // The first argument loads when it names a ".mvn" file, in any case.
    void startArgumentLoadsMvnInAnyCase()
    {
        const QString path = savedJob();
        QVERIFY(QFile::copy(path, m_dir.filePath("HALL.MVN")));
        QVERIFY(QFile::copy(path, m_dir.filePath("hall.txt")));
        QVERIFY(!window().loadAtStart(m_dir.filePath("hall.txt")));
        QCOMPARE(ui().itemList().count(), 0);
        QVERIFY(window().loadAtStart(m_dir.filePath("HALL.MVN")));
        QCOMPARE(ui().itemList().count(), 2);
    }

    // "Save changes to job ?" at New job and at closing: an empty list asks
    // nothing; Cancel, or Yes with a cancelled file dialog, keeps the list
    // and the program; Yes with a file writes it before the list is emptied.
    void saveQuestionAtNewJobAndClosing()
    {
        auto empty = std::make_unique<ScriptedMainWindow>();
        empty->prompter.answer = Answer::Cancel;
        empty->show();
        empty->start();
        empty->close();
        QVERIFY(empty->prompter.questions.isEmpty());
        QVERIFY(!empty->isVisible());

        window().start();
        listTubes(window(), {"40x20x3"});
        user().answer = Answer::Cancel;
        window().newJob();
        window().close();
        QVERIFY(window().isVisible());
        user().answer = Answer::Yes;
        window().newJob();
        window().exitCommand();
        QVERIFY(window().isVisible());
        QCOMPARE(ui().itemList().count(), 1);
        user().fileName = m_dir.filePath("new.mvn");
        window().newJob();
        QCOMPARE(ui().itemList().count(), 0);
        // The save dialog offers job files and adds their suffix.
        QCOMPARE(user().lastFileQuestion.filter, QStringLiteral("Beam sections *.mvn (*.mvn)"));
        QCOMPARE(user().lastFileQuestion.defaultSuffix, QStringLiteral("mvn"));
        QVERIFY(window().loadJob(user().fileName));
        QCOMPARE(ui().itemList().count(), 1);
        window().newJob();

        listTubes(window(), {"40x20x3"});
        user().fileName = m_dir.filePath("closing.mvn");
        window().close();
        QVERIFY(QFile::exists(user().fileName));
        QVERIFY(!window().isVisible());
    }
};

QTEST_MAIN(JobFilesTest)
#include "test_jobfiles.moc"
