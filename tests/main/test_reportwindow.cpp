// The report window writes the report to the temporary folder, hands the page
// to the desktop and closes, reporting progress per item; the report's pages
// and pictures are the output tests'.
#include "progresswindow.h"
#include "reportwindow.h"
#include "scripted_prompter.h"

#include "../output/print_fixture.h"
#include "output/report_page.h"
#include "settings/desktop_shell.h"

#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

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

class ReportWindowTest : public QObject {
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
};

QTEST_MAIN(ReportWindowTest)
#include "test_reportwindow.moc"
