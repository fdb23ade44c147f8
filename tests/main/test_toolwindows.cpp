// The windows the main window opens besides its own: the report window, the
// print preview's range dialog, the settings window with the stored settings,
// the exact properties and built-up section windows. The report's pages, the
// page layout, the note file, the store's format, the exact figures and the
// built-up values are the core's tests.
#include "main_window_helpers.h"
#include "printrangedialog.h"

#include "../output/pdf_tools.h"
#include "exact/exact_values.h"
#include "../output/print_fixture.h"
#include "output/report_page.h"
#include "settings/settings_store.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <thread>

namespace {
ExactRequest rectangle(const QString& width, const QString& height)
{
    ExactRequest r;
    r.kind = SectionKind::RectSolid;
    r.entry = MessageTable::english()(Msg::CustomSection); // the typed section
    r.fields = {width, height};
    return r;
}

BuiltUpComposition strengthenedBeam()
{
    return {{},
            {{SectionKind::I, QStringLiteral("IPE 300x150"), {}, 0, 0, 0, false},
             {SectionKind::RectSolid, {}, {QStringLiteral("200"), QStringLiteral("10")}, 0, -155, 0, false}}};
}

// Shows the composition and waits for its values.
void compute(BuiltUpWindow& w, const BuiltUpComposition& c)
{
    QSignalSpy shown(&w, &BuiltUpWindow::resultShown);
    w.setComposition(c);
    QVERIFY(shown.wait(30000));
    QVERIFY(!w.isComputing());
}
} // namespace

class ToolWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void htmlReportWritesOpensAndCloses()
    {
        QTemporaryDir dir;
        ReportOptions options;
        ScriptedPrompter user;
        RecordingShell shell;
        ProgressWindow progress;
        ReportWindow window(options, MessageTable::english(), user);
        const ItemList list = printList(3);
        window.setShell(&shell);
        window.setProgressWindow(&progress);
        window.setTemporaryFolder(dir.path());
        window.setReport(&list, designReportLayout(QStringList(ListColumns, "Head")), "*** Report ***");
        window.show();
        QList<int> values;
        connect(progress.findChild<QProgressBar*>(), &QProgressBar::valueChanged, this,
                [&values](int v) { values << v; });
        QTest::mouseClick(window.htmlButton(), Qt::LeftButton);
        const QString page = dir.filePath("morvane_report.html");
        QCOMPARE(shell.opened, QStringList{page});
        QVERIFY(user.shown.isEmpty());
        QVERIFY(!window.isVisible());
        QVERIFY(QFile::exists(dir.filePath("kep3.jpg")));
        QVERIFY(!progress.isVisible());
        QCOMPARE(values, (QList<int>{0, 1, 2, 3}));
    }

    // The range dialog's choice reaches the file: the current page alone.
    void printsTheCurrentPageToAFile()
    {
        QTemporaryDir dir;
        ReportOptions options;
        ScriptedPrompter user;
        user.fileName = dir.filePath("out.pdf");
        PrintPreviewWindow w(options, MessageTable::english(), user);
        w.useSystemPrinter(false);
        w.printer().setPageSize(QPageSize(QPageSize::A4));
        w.printer().setPageOrientation(QPageLayout::Portrait);
        const ItemList list = printList(200, "HR I80x42");
        w.setJob(&list, headerCaptions(UnitSettings{}, MessageTable::english()),
                 {QString(), "07.12.2026", "Morvane footer"}, "beams");
        QVERIFY(w.startLayout());
        const int pages = (200 + w.layout()->rowsPerPage - 1) / w.layout()->rowsPerPage;
        QVERIFY(pages >= 3);
        QLineEdit* pageField = w.findChild<QLineEdit*>("PageField");
        pageField->selectAll();
        QTest::keyClicks(pageField, "3");
        QTest::mouseClick(w.findChild<QPushButton*>("PrintButton"), Qt::LeftButton);
        PrintRangeDialog& range = *w.rangeDialog();
        QTest::mouseClick(range.findChild<QCheckBox*>("CurrentPage"), Qt::LeftButton);
        QTest::mouseClick(range.findChild<QPushButton*>("PrintButton"), Qt::LeftButton);
        QVERIFY(!range.isVisible());
        QCOMPARE(user.lastFileQuestion.proposed, QDir(QDir::tempPath()).filePath("beams.pdf"));
        QVERIFY(QFile::exists(user.fileName));
        if (!havePoppler())
            QSKIP("pdfinfo and pdftotext are not installed");
        QCOMPARE(pdfPages(user.fileName), 1);
        QVERIFY(pdfText(user.fileName, 0, false).contains(QString("Page number :3/%1").arg(pages)));
    }

    // The stored language and folder reach the settings window at start;
    // Browse writes the note at once; what the user chose is written when the
    // main window closes.
    void settingsAreReadAtStartAndWrittenAtClosing()
    {
        QTemporaryDir dir;
        QSettingsStore store(dir.filePath("Morvane.conf"));
        QVERIFY(store.writeSetting("SOFTWARE/Morvane", "Lang", "1"));
        QVERIFY(store.writeSetting("SOFTWARE/Morvane", "Temp", "/srv/reports"));
        auto main = quietMainWindow();
        main->setSettingsStore(&store);
        main->readSettings();
        SettingsWindow* settings = MainWindowProbe(*main).settingsWindow();
        QCOMPARE(settings->language(), 1);
        QCOMPARE(settings->temporaryFolder().path(), QStringLiteral("/srv/reports"));
        main->prompter.folder = dir.path();
        settings->browse();
        QCOMPARE(settings->folderLabel()->text(), dir.path());
        QVERIFY(QFile::exists(dir.filePath("info.txt")));
        settings->languageList()->setCurrentRow(2);
        main->show();
        main->close();
        QCOMPARE(store.readSetting("SOFTWARE/Morvane", "Lang"), std::optional<QString>("2"));
        QCOMPARE(store.readSetting("SOFTWARE/Morvane", "Temp"), std::optional<QString>(dir.path()));
        QVERIFY(main->prompter.shown.isEmpty());
    }

    void anOutdatedResultIsDropped()
    {
        // The computation ignores the cancel flag: the older result still
        // arrives, after the newer pass was given, and must not be shown.
        ExactPropertiesWindow w(MessageTable::english());
        std::atomic<bool> release{false};
        std::atomic<int> runs{0};
        w.setCompute([&](const ExactRequest& request, const std::atomic<bool>*) {
            ++runs;
            while (request.fields.first() == "10" && !release.load())
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            return exactForTab(request, nullptr);
        });
        w.show();
        QSignalSpy shownSpy(&w, &ExactPropertiesWindow::resultShown);
        w.setSection(rectangle("10", "10"), std::nullopt);
        QTRY_COMPARE_WITH_TIMEOUT(runs.load(), 1, 5000);
        w.setSection(rectangle("30", "10"), std::nullopt);
        release = true;
        QTRY_VERIFY_WITH_TIMEOUT(!w.isComputing(), 10000);
        QTest::qWait(100);
        QCOMPARE(w.valueText("A"), QStringLiteral("3.00"));
        QCOMPARE(shownSpy.count(), 1);
    }

    // The window follows the main window's selection, tab and rotation, and
    // its names and values the units for listing.
    void followsTheMainWindowsPassesAndTabs()
    {
        auto mainWindow = quietMainWindow();
        MainWindow& main = *mainWindow;
        const MainWindowProbe ui(main);
        main.show();
        main.start();
        ui.action(Command::ExactProperties)->trigger();
        ExactPropertiesWindow* w = ui.exactPropertiesWindow();
        QVERIFY(w->isVisible());
        selectEntry(main, SectionKind::I, "IPE 300x150");
        QTRY_COMPARE_WITH_TIMEOUT(w->captionLabel()->text(), QStringLiteral("IPE 300x150, turned by 0 degrees"), 10000);
        mainWindow->prompter.text = QStringLiteral("90");
        main.rotateSection();
        QTRY_COMPARE_WITH_TIMEOUT(w->captionLabel()->text(), QStringLiteral("IPE 300x150, turned by 90 degrees"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!w->isComputing(), 10000);
        QVERIFY(w->valueText("WplY").toDouble() > 5 * w->valueText("WplX").toDouble());
        UnitSettings units;
        units.setChoice(UnitGroup::Inertia, 3); // mm4
        w->setUnits(units);
        QVERIFY(!w->table()->findItems("Ix [mm4]", Qt::MatchExactly).isEmpty());
        ui.tabBar()->setCurrentIndex(int(SectionKind::Plate));
        QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), QStringLiteral("A plate has no cross-section properties."),
                                  10000);
    }

    void toolsMenuOpensItAndToListAppendsTheRow()
    {
        auto main = quietMainWindow();
        const MainWindowProbe ui(*main);
        main->show();
        main->start();
        ui.action(Command::BuiltUpSection)->trigger();
        BuiltUpWindow* w = ui.builtUpWindow();
        QVERIFY(w && w->isVisible());
        compute(*w, strengthenedBeam());
        QTest::mouseClick(w->toListButton(), Qt::LeftButton);
        QCOMPARE(ui.itemList().count(), 1);
        const ListRow& row = ui.itemList().row(1);
        QCOMPARE(row.cells[1], QStringLiteral("10"));
        QCOMPARE(row.cells[2], QStringLiteral("IPE 300x150 + PL 200x10"));
        QCOMPARE(row.cells[4], QStringLiteral("7850")); // the material bar's density
    }

    // Keys move the selected part and the values follow.
    void keysAndSnapMoveTheSelectedPart()
    {
        ScriptedPrompter user;
        BuiltUpWindow w(MessageTable::english(), user);
        BuiltUpComposition c = strengthenedBeam();
        c.parts[1].y = -200;
        compute(w, c);
        w.selectPart(1);
        QTest::keyClick(w.partsList(), Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(w.partsList(), Qt::Key_Right);
        QCOMPARE(w.composition().parts[1].x, -9.0);
        QSignalSpy shown(&w, &BuiltUpWindow::resultShown);
        QVERIFY(shown.wait(30000));
        QVERIFY(w.shownResult()->separatePieces);
    }
};

QTEST_MAIN(ToolWindowsTest)
#include "test_toolwindows.moc"
