// The windows the main window opens for output and settings: the report
// window, the print preview's range dialog, the settings window with the
// stored settings. The report's pages, the page layout, the note file and the
// store's format are the output and settings tests'.
#include "main_window_helpers.h"
#include "printrangedialog.h"

#include "../output/pdf_tools.h"
#include "../output/print_fixture.h"
#include "output/report_page.h"
#include "settings/desktop_shell.h"
#include "settings/settings_store.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QTemporaryDir>

namespace {
struct RecordingShell : DesktopShell {
    QStringList opened;
    bool open(const QString& path) override
    {
        opened << path;
        return false; // the answer must not matter
    }
};
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
        options.imageSizePercent = 25;
        window.showOptions();
        QList<int> values;
        connect(progress.findChild<QProgressBar*>(), &QProgressBar::valueChanged, this,
                [&values](int v) { values << v; });
        QTest::mouseClick(window.htmlButton(), Qt::LeftButton);
        const QString page = dir.filePath("morvane_report.html");
        QCOMPARE(shell.opened, QStringList{page});
        QVERIFY(user.shown.isEmpty());
        QVERIFY(!window.isVisible());
        QVERIFY(QFile::exists(dir.filePath("kep3.jpg")));
        QFile html(page);
        QVERIFY(html.open(QIODevice::ReadOnly));
        QVERIFY(html.readAll().contains("<img src=\"kep3.jpg\" width=\"60\" height=\"40\">")); // at 25 %
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
        const auto show = [&w](const ItemList& list) {
            w.setJob(&list, headerCaptions(UnitSettings{}, MessageTable::english()),
                     {QString(), "07.12.2026", "Morvane footer"}, "beams");
            return w.startLayout();
        };
        const ItemList one = printList(1, "HR I80x42");
        QVERIFY(show(one));
        const ItemList list = printList(4 * w.layout()->rowsPerPage + 1, "HR I80x42");
        QVERIFY(show(list));
        QLineEdit* pageField = w.findChild<QLineEdit*>("PageField");
        pageField->selectAll();
        QTest::keyClicks(pageField, "3");
        QTest::mouseClick(w.findChild<QPushButton*>("PrintButton"), Qt::LeftButton);
        PrintRangeDialog& range = *w.rangeDialog();
        QTest::mouseClick(range.findChild<QCheckBox*>("CurrentPage"), Qt::LeftButton);
        QTest::mouseClick(range.findChild<QPushButton*>("PrintButton"), Qt::LeftButton);
        QVERIFY(!range.isVisible());
        QCOMPARE(user.fileTitles.size(), 1);
        QCOMPARE(user.lastFileQuestion.proposed, QDir(QDir::tempPath()).filePath("beams.pdf"));
        QVERIFY(QFile::exists(user.fileName));
        if (!havePoppler())
            QSKIP("pdfinfo and pdftotext are not installed");
        QCOMPARE(pdfPages(user.fileName), 1);
        QVERIFY(pdfText(user.fileName, 0, false).contains("Page number :3/5"));
    }

    // The stored language and folder reach the settings window at start;
    // Browse writes the note at once; what the user chose is written when the
    // main window closes.
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
        QCOMPARE(settings->folderLabel()->text(), dir.path());
        QVERIFY(QFile::exists(dir.filePath("info.txt")));
        settings->languageList()->setCurrentRow(2);
        main->show();
        main->close();
        QCOMPARE(store.ReadSetting("SOFTWARE/Morvane", "Lang"), std::optional<QString>("2"));
        QCOMPARE(store.ReadSetting("SOFTWARE/Morvane", "Temp"), std::optional<QString>(dir.path()));
        QVERIFY(main->prompter.shown.isEmpty());
    }
};

QTEST_MAIN(ToolWindowsTest)
#include "test_toolwindows.moc"
