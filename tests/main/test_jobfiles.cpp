#include "main_window_helpers.h"
#include "progresswindow.h"
#include "requirementwindow.h"

#include "itemlist/job_file.h"

#include "../common/full_disk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <unistd.h>

namespace {
QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList boxItems(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// Everything a failed load must leave alone.
struct Snapshot {
    QList<std::array<QString, ListColumns>> cells;
    QString job;
    QStringList eItems, densityItems;
    QString tensile, pressure, units, limits, status0;
    bool operator==(const Snapshot&) const = default;
};
} // namespace

class JobFilesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> m_window;
    QStringList m_messages;
    QStringList m_proposed;
    QString m_saveAs;
    QString m_openName;
    bool m_answerYes = false;
    QTemporaryDir m_dir;

    MainWindow& window() { return *m_window; }

    std::unique_ptr<MainWindow> makeWindow()
    {
        auto w = std::make_unique<MainWindow>();
        w->showMessage = [this](const QString& text) { m_messages << text; };
        w->askYesNo = [this](const QString&) { return m_answerYes; };
        w->askSaveChanges = [this](const QString&) { return m_answerYes ? SaveAnswer::Yes : SaveAnswer::No; };
        w->askText = [](const QString&, const QString&, const QString& initial) { return initial; };
        w->askSaveFileName = [this](const QString& proposed) {
            m_proposed << proposed;
            return m_saveAs;
        };
        w->askOpenFileName = [this] { return m_openName; };
        w->show();
        return w;
    }

    Snapshot snapshot(MainWindow& w)
    {
        Snapshot s;
        for (int r = 1; r <= w.itemList().count(); ++r)
            s.cells << w.itemList().row(r).cells;
        s.job = w.job().name();
        s.eItems = boxItems(w.eModulusBox());
        s.densityItems = boxItems(w.densityBox());
        s.tensile = w.tensileField()->text();
        s.pressure = w.pressureField()->text();
        s.units = w.job().units().digits();
        s.limits = w.requirementLimits().signature();
        s.status0 = w.statusPanel(0)->text();
        return s;
    }

    // A job of two sections and a plate, named "Hall roof", with a limit.
    QString savedJob()
    {
        auto w = makeWindow();
        w->start();
        w->askText = [](const QString&, const QString&, const QString&) { return QStringLiteral("Hall roof"); };
        w->changeJobName();
        listTubes(*w, {"40x20x3"});
        listEntries(*w, SectionKind::I, {"HR I80x42"});
        selectEntry(*w, SectionKind::Plate, "1 mm steel plate");
        w->field(SectionKind::Plate, 0)->setText("1000");
        w->field(SectionKind::Plate, 1)->setText("2000");
        QTest::mouseClick(w->toListButton(SectionKind::Plate), Qt::LeftButton);
        w->requirementLimits().setMin(0, "1");
        w->requirementLimits().setMax(0, "20");
        w->requirementLimits().setTicked(0, true);
        w->tensileField()->setText("250");
        const QString path = m_dir.filePath("hall.mvn");
        m_saveAs = path;
        // Runs among the events let through between items.
        m_enabledDuringSave = true;
        QTimer::singleShot(0, w.get(), [this, &w] { m_enabledDuringSave = w->isEnabled(); });
        w->saveInput();
        ProgressWindow* progress = w->progressWindow();
        m_saveProgress = {progress->windowTitle(), progress->statusText(), progress->fileText(),
                          QString::number(progress->value()) + "/" + QString::number(progress->maximum()),
                          progress->isVisible() ? "visible" : "hidden"};
        m_savedWindow = snapshot(*w);
        m_savedPictures.clear();
        for (int r = 1; r <= w->itemList().count(); ++r)
            m_savedPictures << w->itemList().row(r).RowPicture;
        return path;
    }
    Snapshot m_savedWindow;
    QStringList m_saveProgress;
    bool m_enabledDuringSave = true;
    QList<QImage> m_savedPictures;

private slots:
    void init()
    {
        m_messages.clear();
        m_proposed.clear();
        m_saveAs.clear();
        m_openName.clear();
        m_answerYes = false;
        m_window = makeWindow();
    }
    void cleanup() { m_window.reset(); }

    void saveWithEmptyListShowsNoDialog()
    {
        window().start();
        m_saveAs = m_dir.filePath("empty.mvn");
        window().saveInput();
        QVERIFY(m_proposed.isEmpty());
        QVERIFY(!QFile::exists(m_saveAs));
        QVERIFY(m_messages.isEmpty());
    }

    void saveProposesTheJobNameAndShowsProgress()
    {
        const QString path = savedJob();
        QCOMPARE(m_proposed, QStringList{"Hall roof.mvn"});
        QVERIFY(!m_enabledDuringSave);
        QCOMPARE(m_saveProgress, (QStringList{"Save to file", "Pack file to the archive. Please wait....", path,
                                              "3/3", "hidden"}));
        QVERIFY(m_messages.isEmpty());
        const JobReading read = readJob(bytesOf(path));
        QVERIFY(read.job);
        QCOMPARE(int(read.job->rows.size()), 3);
        QCOMPARE(read.job->name, QStringLiteral("Hall roof"));
        QCOMPARE(read.job->tensile, QStringLiteral("250"));
    }

    void loadRestoresTheJob()
    {
        const QString path = savedJob();
        m_openName = path;
        window().loadInput();
        QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join("; ")));
        ProgressWindow* progress = window().progressWindow();
        QCOMPARE(progress->windowTitle(), QStringLiteral("Loading...."));
        QCOMPARE(progress->statusText(), QStringLiteral("Unpack file from archive. Please wait...."));
        QCOMPARE(progress->fileText(), path);
        QCOMPARE(progress->maximum(), 3);
        QCOMPARE(progress->value(), 3);
        QVERIFY(!progress->isVisible());
        QVERIFY(window().isEnabled());

        const Snapshot now = snapshot(window());
        QCOMPARE(now.job, QStringLiteral("Hall roof"));
        QCOMPARE(now.status0, QStringLiteral("Name of job - Hall roof -"));
        QCOMPARE(now.eItems, m_savedWindow.eItems);
        QCOMPARE(now.densityItems, m_savedWindow.densityItems);
        QCOMPARE(now.tensile, QStringLiteral("250"));
        QCOMPARE(now.pressure, QStringLiteral("-300"));
        QCOMPARE(now.limits, m_savedWindow.limits);
        QCOMPARE(now.units, QStringLiteral("1122233"));
        QCOMPARE(now.cells.size(), 3);
        // Applying the loaded units rebuilds the two-line cells of section
        // rows from the stored values, with two blanks after the "&".
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < ListColumns; ++c) {
                QString saved = m_savedWindow.cells[r][std::size_t(c)];
                if (r < 2 && ((c >= 6 && c <= 9) || c == 11))
                    saved = c == 11 ? QStringLiteral("300.00&  -300.00") : saved.replace("&", "&  ");
                QCOMPARE(now.cells[r][std::size_t(c)], saved);
            }
        }
        for (int r = 1; r <= 2; ++r)
            QCOMPARE(window().itemList().row(r).RowPicture.convertToFormat(QImage::Format_RGB32),
                     m_savedPictures[r - 1].convertToFormat(QImage::Format_RGB32));
        QVERIFY(window().itemList().row(3).isPlate);
        QCOMPARE(window().statusPanel(1)->text(), QStringLiteral("Total weight:    15.7 Kg"));
        QVERIFY(window().statusPanel(1)->isVisible());
        QVERIFY(window().state().SectionsEnabled);
        QVERIFY(window().itemGrid()->isEnabled());
        QVERIFY(window().unitsWindow()->defaultBox()->isChecked());
        QVERIFY(window().requirementLimits().row(0).ticked);
        QVERIFY(window().requirementLimits().enabled(0));
        QCOMPARE(window().state().SelectedRow, 1);
    }

    void jobInOtherUnitsLoadsInThem()
    {
        auto w = makeWindow();
        w->start();
        w->applyUnits(*UnitSettings::fromDigits("3122213"));
        listTubes(*w, {"40x20x3"});
        const QString eCell = w->itemList().row(1).cells[3];
        QCOMPARE(eCell, QStringLiteral("210000"));
        m_saveAs = m_dir.filePath("units.mvn");
        w->saveInput();
        const QString tensile = w->tensileField()->text();

        QVERIFY(window().loadJob(m_saveAs));
        QCOMPARE(window().job().units().digits(), QStringLiteral("3122213"));
        QVERIFY(!window().unitsWindow()->defaultBox()->isChecked());
        QCOMPARE(window().itemList().row(1).cells[3], eCell);
        QCOMPARE(window().eModulusBox()->itemText(0), QStringLiteral("Steel : 210000"));
        QCOMPARE(window().tensileField()->text(), tensile);
    }

    void damagedFilesChangeNothing()
    {
        const QString path = savedJob();
        const QByteArray good = bytesOf(path);
        window().start();
        window().askText = [](const QString&, const QString&, const QString&) { return QStringLiteral("Mine"); };
        window().changeJobName();
        listTubes(window(), {"40x20x3"});
        window().requirementLimits().setMin(2, "3");
        const Snapshot before = snapshot(window());
        QList<QByteArray> damaged;
        for (qsizetype cut : {qsizetype(0), qsizetype(10), good.size() / 3, good.size() / 2, good.size() - 23,
                              good.size() - 1})
            damaged << good.left(cut);
        for (qsizetype at = 5; at < good.size(); at += good.size() / 7) {
            damaged << good;
            damaged.last()[at] = char(good[at] ^ 0x10);
        }
        damaged << QByteArray(good).replace(good.size() - 22, 20, QByteArray(20, 'X')); // a tail that is no number
        const QString damagedPath = m_dir.filePath("damaged.mvn");
        for (qsizetype i = 0; i < damaged.size(); ++i) {
            const QByteArray name = "damaged file " + QByteArray::number(i);
            writeBytes(damagedPath, damaged[i]);
            m_messages.clear();
            QVERIFY2(!window().loadJob(damagedPath), name.constData());
            // Message 1, then the file and the reader's reason on a line of its own.
            const QString reason = readJob(damaged[i]).reason;
            QVERIFY2(!reason.isEmpty(), name.constData());
            QCOMPARE(m_messages, QStringList{"Error wrong data !\n" + damagedPath + ": " + reason});
            QVERIFY2(snapshot(window()) == before, name.constData());
        }
    }

    // A job loaded before anything was started (start argument, start panel)
    // enables every command New job does.
    void loadedJobEnablesWhatNewJobEnables_data()
    {
        QTest::addColumn<bool>("atStart");
        QTest::newRow("start argument") << true;
        QTest::newRow("Load input from the start panel") << false;
    }
    void loadedJobEnablesWhatNewJobEnables()
    {
        QFETCH(bool, atStart);
        const QString path = savedJob();
        if (atStart) {
            QVERIFY(window().loadAtStart(path));
        } else {
            m_openName = path;
            window().loadInput();
        }
        auto started = makeWindow();
        started->start();
        QVERIFY(started->loadJob(path));
        for (int c = 0; c < CommandCount; ++c)
            QVERIFY2(window().action(Command(c))->isEnabled() == started->action(Command(c))->isEnabled(),
                     qPrintable(window().action(Command(c))->text()));
        QVERIFY(window().action(Command::PrivateData)->isEnabled());
        QVERIFY(window().tabBar()->isEnabled());
    }

    // The save dialog proposes a name that can stand as a file name, and
    // after a load the file that was loaded.
    void saveProposesASafeNameThenTheLoadedFile()
    {
        window().start();
        window().askText = [](const QString&, const QString&, const QString&) { return QStringLiteral("Bay 3/4"); };
        window().changeJobName();
        listTubes(window(), {"40x20x3"});
        window().saveInput();
        QCOMPARE(m_proposed, QStringList{"Bay 3_4.mvn"});
        const QString path = savedJob();
        QVERIFY(window().loadJob(path));
        m_proposed.clear();
        window().saveInput();
        QCOMPARE(m_proposed, QStringList{path});
    }

    // The title names the job and its file and marks a changed job; New job,
    // Load and Exit ask "Save changes to job ?" only then.
    void titleMarksChangesAndOnlyChangesAreAskedAbout()
    {
        QStringList asked;
        window().askSaveChanges = [&](const QString& text) {
            asked << text;
            return SaveAnswer::No;
        };
        const QString program = " - Morvane *** Computation of geometric properties ***";
        QCOMPARE(window().windowTitle(), QStringLiteral("Morvane *** Computation of geometric properties ***"));
        window().start();
        QCOMPARE(window().windowTitle(), "Noname[*]" + program);
        QVERIFY(!window().isWindowModified());
        listTubes(window(), {"40x20x3"});
        QVERIFY(window().isWindowModified());
        m_saveAs = m_dir.filePath("hall.mvn");
        QVERIFY(window().saveJob());
        QCOMPARE(window().windowTitle(), "Noname (hall.mvn)[*]" + program);
        QVERIFY(!window().isWindowModified());
        m_openName = m_saveAs;
        window().loadInput();
        window().newJob();
        QCOMPARE(asked, QStringList{});
        QCOMPARE(window().windowTitle(), "Noname[*]" + program);
    }

    void eachChangeMarksTheJob_data()
    {
        QTest::addColumn<QString>("change");
        for (const char* change : {"list", "name", "units", "limit", "stress"})
            QTest::newRow(change) << QString::fromLatin1(change);
    }
    void eachChangeMarksTheJob()
    {
        QFETCH(QString, change);
        QStringList asked;
        window().askSaveChanges = [&](const QString& text) {
            asked << text;
            return SaveAnswer::No;
        };
        const QString path = savedJob();
        QVERIFY(window().loadJob(path));
        QVERIFY(!window().isWindowModified());
        if (change == "list")
            listTubes(window(), {"40x20x3"});
        else if (change == "name") {
            window().askText = [](const QString&, const QString&, const QString&) { return QStringLiteral("Bay 4"); };
            window().changeJobName();
        }
        else if (change == "units")
            window().applyUnits(*UnitSettings::fromDigits("3122213"));
        else if (change == "limit")
            window().requirementWindow()->minField(3)->setText("2");
        else
            window().tensileField()->setText("260");
        QVERIFY(window().isWindowModified());
        m_openName = path;
        window().loadInput();
        QCOMPARE(asked, QStringList{"Save changes to job ?"});
        QVERIFY(!window().isWindowModified());
        window().exitCommand();
        QCOMPARE(asked.size(), 1);
    }

    void startArgumentLoadsMvnInAnyCase()
    {
        const QString path = savedJob();
        const QString upper = m_dir.filePath("HALL.MVN");
        const QString text = m_dir.filePath("hall.txt");
        QVERIFY(QFile::copy(path, upper));
        QVERIFY(QFile::copy(path, text));
        QVERIFY(!window().loadAtStart(text));
        QCOMPARE(window().itemList().count(), 0);
        QVERIFY(m_messages.isEmpty());
        QVERIFY(window().loadAtStart(upper));
        QCOMPARE(window().itemList().count(), 3);
        QCOMPARE(window().job().name(), QStringLiteral("Hall roof"));
    }

    // New job and Exit answered Yes: a cancelled file dialog keeps the list
    // and the program; a chosen file is written before the command goes on.
    void yesSavesAndACancelledDialogKeepsTheList()
    {
        window().start();
        listTubes(window(), {"40x20x3"});
        m_answerYes = true;
        m_saveAs.clear();
        window().newJob();
        window().exitCommand();
        QCOMPARE(m_proposed.size(), 2);
        QCOMPARE(window().itemList().count(), 1);
        QVERIFY(window().isVisible());
        QVERIFY(!window().state().CloseAllowed);

        m_saveAs = m_dir.filePath("new.mvn");
        window().newJob();
        QCOMPARE(window().itemList().count(), 0);
        const JobReading read = readJob(bytesOf(m_saveAs));
        QVERIFY(read.job);
        QCOMPARE(int(read.job->rows.size()), 1);

        listTubes(window(), {"40x20x3", "60x60x5"});
        m_saveAs = m_dir.filePath("exit.mvn");
        window().exitCommand();
        QVERIFY(!window().isVisible());
        const JobReading atExit = readJob(bytesOf(m_saveAs));
        QVERIFY(atExit.job);
        QCOMPARE(int(atExit.job->rows.size()), 2);
    }

    void failedSaveKeepsTheOldFile()
    {
        const QString folder = m_dir.filePath("locked");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + "/old.mvn";
        writeBytes(path, "the old job");
        // Root writes into read-only folders; an immutable folder stops it.
        const bool root = geteuid() == 0;
        if (root) {
            if (QProcess::execute("chattr", {"+i", folder}) != 0)
                QSKIP("chattr is not available to make the folder unwritable");
        } else {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        }
        window().start();
        listTubes(window(), {"40x20x3"});
        m_saveAs = path;
        const bool saved = window().saveJob();
        if (root)
            QProcess::execute("chattr", {"-i", folder});
        else
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!saved);
        QCOMPARE(m_messages, QStringList{"Error writing/closing file " + path + "\nPlease remove the write protection !"});
        QCOMPARE(bytesOf(path), QByteArray("the old job"));
        QVERIFY(window().isEnabled());
        QVERIFY(!window().progressWindow()->isVisible());
        // A failed save at New job keeps the list as well.
        m_answerYes = true;
        m_saveAs = m_dir.filePath("missing-folder/x.mvn");
        window().newJob();
        QCOMPARE(window().itemList().count(), 1);
    }

    // A disk that fills up part way: the old job stays byte for byte and the
    // save says so, whether nothing, a little or all but the end fitted.
    void saveOnAFullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::newRow("no room") << qint64(0);
        QTest::newRow("less than a file buffer") << qint64(100);
        QTest::newRow("all but the last bytes") << qint64(-20); // counted from the job's size
    }
    void saveOnAFullDiskKeepsTheOldFile()
    {
        QFETCH(qint64, room);
        const QString path = m_dir.filePath("full.mvn");
        writeBytes(path, "the old job");
        window().start();
        listTubes(window(), {"40x20x3", "50x30x4"});
        m_saveAs = path;
        if (room < 0) {
            QVERIFY(window().saveJob());
            room += QFileInfo(path).size();
            writeBytes(path, "the old job");
        }
        bool saved = true;
        {
            FailingDisk disk(room);
            saved = window().saveJob();
        }
        QVERIFY(!saved);
        QCOMPARE(m_messages, QStringList{"Error writing/closing file " + path + "\nPlease remove the write protection !"});
        QCOMPARE(bytesOf(path), QByteArray("the old job"));
        QCOMPARE(QDir(m_dir.path()).entryList({"full.mvn*"}, QDir::Files), QStringList{"full.mvn"});
        QVERIFY(window().isEnabled());
    }
};

QTEST_MAIN(JobFilesTest)
#include "test_jobfiles.moc"
