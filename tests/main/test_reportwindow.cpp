#include "progresswindow.h"
#include "reportwindow.h"

#include "itemlist/item_list.h"
#include "output/report_generator.h"
#include "settings/desktop_shell.h"
#include "settings/message_table.h"
#include "settings/temporary_folder.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
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

ItemList listOf(int count)
{
    ItemList list;
    for (int r = 1; r <= count; ++r) {
        ListRow row;
        row.cells[2] = QStringLiteral("Section %1").arg(r);
        row.cells[5] = QStringLiteral("3.240000");
        row.cells[6] = QStringLiteral("1.89&0.62");
        row.ItemValues[1] = 7850;
        row.ItemValues[2] = 324;
        row.RowPicture = QImage(240, 160, QImage::Format_RGB32);
        row.RowPicture.fill(Qt::white);
        list.put(r, row);
    }
    return list;
}

ReportLayout layout()
{
    ReportLayout l;
    l.headerCaptions = QStringList(ListColumns, QStringLiteral("Head"));
    l.columnWidths = {20, 0, 137, 60, 40, 60, 80, 80, 80, 70, 40, 70};
    l.gridWidth = 780;
    return l;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT

    ReportOptions m_options;
    std::unique_ptr<ReportWindow> m_window;
    std::unique_ptr<ProgressWindow> m_progress;
    RecordingShell m_shell;
    QStringList m_warnings;
    ItemList m_list;
    std::unique_ptr<QTemporaryDir> m_tempDir;

    ReportWindow& window() { return *m_window; }
    QTemporaryDir& dir() { return *m_tempDir; }

private slots:
    void init()
    {
        m_tempDir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tempDir->isValid());
        m_options = ReportOptions{};
        m_window = std::make_unique<ReportWindow>(m_options, MessageTable::english());
        m_progress = std::make_unique<ProgressWindow>();
        m_progress->setWindowTitle(QStringLiteral("Save to file"));
        m_shell.opened.clear();
        m_warnings.clear();
        m_window->showWarning = [this](const QString& text) { m_warnings << text; };
        m_window->setShell(&m_shell);
        m_window->setProgressWindow(m_progress.get());
        m_window->setTemporaryFolder(dir().path());
        m_list = listOf(3);
        m_window->setReport(&m_list, layout(), QStringLiteral("*** Computation of geometric properties ***"));
        m_window->show();
    }
    void cleanup()
    {
        m_window.reset();
        m_progress.reset();
        m_tempDir.reset();
    }

    void captionsAndDefaults()
    {
        QCOMPARE(window().windowTitle(), QStringLiteral("Report generator"));
        QVERIFY(window().isModal());
        QVERIFY(!(window().windowFlags() & Qt::WindowStaysOnTopHint)); // modal over its parent only
        QVERIFY(window().picturesBox()->isChecked());
        QCOMPARE(window().findChild<QLabel*>("DataFontCaption")->text(), QStringLiteral("Font size /data/ : "));
        QCOMPARE(window().imageSizeLabel()->text(), QStringLiteral("40 %"));
        QCOMPARE(window().imageSizeBar()->minimum(), 25);
        // The ampersand is shown, not taken as a shortcut mark.
        QCOMPARE(window().printButton()->text(), QStringLiteral("Print && Print preview"));
        QVERIFY(!window().printButton()->isEnabled());
        QCOMPARE(window().visibleList()->count(), 9);
        QCOMPARE(window().visibleList()->item(8)->text(), QStringLiteral("Max. Tensil / Min. Pressure"));
        for (int k = 0; k < 9; ++k)
            QCOMPARE(window().visibleList()->item(k)->checkState(), Qt::Checked);
    }

    void retranslateSetsEveryText()
    {
        MessageTable table = MessageTable::english();
        table.set(109, QStringLiteral("Szelvénykép"));
        table.set(184, QStringLiteral("Html jelentés"));
        table.set(118, QStringLiteral("Mégse"));
        table.set(90, QStringLiteral("Poisson-tényező"));
        table.set(171, QStringLiteral("* Csak HTML"));
        window().retranslate(table);
        QCOMPARE(window().picturesBox()->text(), QStringLiteral("Szelvénykép"));
        QCOMPARE(window().htmlButton()->text(), QStringLiteral("Html jelentés"));
        QCOMPARE(window().cancelButton()->text(), QStringLiteral("Mégse"));
        QCOMPARE(window().visibleList()->item(7)->text(), QStringLiteral("Poisson-tényező"));
        QCOMPARE(window().findChild<QLabel*>("HtmlOnlyNote")->text(), QStringLiteral("* Csak HTML"));
        // Renaming the items does not touch their states.
        QVERIFY(m_options.visibleColumns[7]);
        table.set(118, QStringLiteral("Save & close"));
        window().retranslate(table);
        QCOMPARE(window().cancelButton()->text(), QStringLiteral("Save && close"));
        window().setCommandTexts(QStringLiteral("Jelentés"), QStringLiteral("Nyomtatás"));
        QCOMPARE(window().windowTitle(), QStringLiteral("Jelentés"));
        QCOMPARE(window().printButton()->text(), QStringLiteral("Nyomtatás"));
    }

    void optionChangesReachTheSharedOptionsAtOnce()
    {
        QSignalSpy changed(&window(), &ReportWindow::optionsChanged);
        window().imageSizeBar()->setValue(25);
        QCOMPARE(m_options.imageSizePercent, 25);
        QCOMPARE(window().imageSizeLabel()->text(), QStringLiteral("25 %"));
        QCOMPARE(changed.count(), 1);
        window().dataFontBar()->setValue(12);
        window().measureFontBar()->setValue(6);
        QCOMPARE(m_options.dataFontSize, 12);
        QCOMPARE(m_options.measureFontSize, 6);
        QCOMPARE(window().dataFontLabel()->text(), QStringLiteral("12"));
        QCOMPARE(window().measureFontLabel()->text(), QStringLiteral("6"));
        window().picturesBox()->click();
        QVERIFY(!m_options.pictures);
        window().visibleList()->item(4)->setCheckState(Qt::Unchecked);
        QVERIFY(!m_options.visibleColumns[4]);
        QVERIFY(m_options.visibleColumns[3]);
        QCOMPARE(changed.count(), 5);

        // Another window changed the options: shown again, not announced again.
        m_options.imageSizePercent = 100;
        m_options.visibleColumns[0] = false;
        window().showOptions();
        QCOMPARE(window().imageSizeBar()->value(), 100);
        QCOMPARE(window().imageSizeLabel()->text(), QStringLiteral("100 %"));
        QCOMPARE(window().visibleList()->item(0)->checkState(), Qt::Unchecked);
        QCOMPARE(changed.count(), 5);
    }

    void htmlReportWritesOpensAndCloses()
    {
        m_options.imageSizePercent = 25;
        window().showOptions();
        auto* bar = m_progress->findChild<QProgressBar*>();
        QVERIFY(bar);
        QList<int> values;
        connect(bar, &QProgressBar::valueChanged, this, [&values](int v) { values << v; });
        QTest::mouseClick(window().htmlButton(), Qt::LeftButton);

        const QString page = dir().path() + QStringLiteral("/morvane_report.html");
        QCOMPARE(m_shell.opened, QStringList{page});
        QVERIFY(m_warnings.isEmpty());
        QCOMPARE(window().result(), int(QDialog::Accepted));
        QVERIFY(!window().isVisible());
        QVERIFY(window().isEnabled());
        for (int r = 1; r <= 3; ++r)
            QVERIFY(QFile::exists(dir().filePath(QStringLiteral("kep%1.jpg").arg(r))));
        QVERIFY(readAll(dir().filePath(QStringLiteral("info.txt"))).startsWith("Morvane *** Computation"));
        const QByteArray html = readAll(page);
        QVERIFY(html.contains("<td align=\"center\" width=\"18%\"><H1>Head</H1></td>"));
        QVERIFY(html.contains("<img src=\"kep3.jpg\" width=\"60\" height=\"40\">")); // at 25 %

        QVERIFY(!m_progress->isVisible());
        QCOMPARE(m_progress->windowTitle(), QStringLiteral("Save to file"));
        QCOMPARE(m_progress->statusText(), QStringLiteral("Create html file(s). Please wait...."));
        QCOMPARE(m_progress->fileText(), page);
        QCOMPARE(m_progress->maximum(), 3);
        QCOMPARE(values, (QList<int>{0, 1, 2, 3}));
    }

    // A folder that cannot be made, or a page that cannot be written: one
    // warning, the settings are asked for, nothing is opened and the window
    // stays for another try.
    void unusableFolderOrPageWarnsAndAsksForSettings()
    {
        for (const bool folder : {true, false}) {
            m_warnings.clear();
            if (folder)
                window().setTemporaryFolder(dir().filePath(QStringLiteral("no/such")));
            else
                QVERIFY(QDir(dir().path()).mkdir(QStringLiteral("morvane_report.html")));
            QSignalSpy settings(&window(), &ReportWindow::settingsRequested);
            QTest::mouseClick(window().htmlButton(), Qt::LeftButton);
            QCOMPARE(m_warnings.size(), 1);
            if (folder) {
                QCOMPARE(m_warnings.first(), QStringLiteral("Error.Cannot Create temporary Directory!\n"
                                                            "Please remove the write protection !\n"
                                                            "Select new temporary folder !"));
                QVERIFY(!QFileInfo::exists(dir().filePath(QStringLiteral("no"))));
                window().setTemporaryFolder(dir().path());
            }
            QCOMPARE(settings.count(), 1);
            QVERIFY(m_shell.opened.isEmpty());
            QVERIFY(window().isVisible());
            QVERIFY(window().isEnabled());
            QVERIFY(!m_progress->isVisible());
        }
    }

    void emptyListClosesWithoutWriting()
    {
        ItemList empty;
        const QString fresh = dir().filePath(QStringLiteral("fresh"));
        window().setTemporaryFolder(fresh);
        window().setReport(&empty, layout(), QString());
        QTest::mouseClick(window().htmlButton(), Qt::LeftButton);
        QVERIFY(!window().isVisible());
        QVERIFY(!QFileInfo::exists(fresh));
        QVERIFY(m_shell.opened.isEmpty());
        QVERIFY(m_warnings.isEmpty());
    }

    void printAndCancelButtons()
    {
        QSignalSpy print(&window(), &ReportWindow::printRequested);
        window().setPrintEnabled(true);
        QTest::mouseClick(window().printButton(), Qt::LeftButton);
        QCOMPARE(print.count(), 1);
        QTest::mouseClick(window().cancelButton(), Qt::LeftButton);
        QVERIFY(!window().isVisible());
        QCOMPARE(window().result(), int(QDialog::Rejected));
        QVERIFY(m_shell.opened.isEmpty());
        QVERIFY(!QFile::exists(dir().filePath(QStringLiteral("kep1.jpg"))));
    }

    void defaultFolderIsTheSettingsDefault()
    {
        QCOMPARE(ReportWindow(m_options, MessageTable::english()).temporaryFolder(), TemporaryFolder::defaultPath());
    }
};

QTEST_MAIN(ReportWindowTest)
#include "test_reportwindow.moc"
