#include "progresswindow.h"
#include "reportwindow.h"
#include "scripted_prompter.h"

#include "itemlist/item_list.h"
#include "output/report_generator.h"
#include "settings/desktop_shell.h"
#include "settings/message_table.h"
#include "settings/temporary_folder.h"

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

ItemList listOf(int count)
{
    ItemList list;
    for (int r = 1; r <= count; ++r) {
        ListRow row;
        row.cells[2] = QStringLiteral("Section %1").arg(r);
        row.cells[5] = QStringLiteral("3.240000");
        row.cells[6] = QStringLiteral("1.89&0.62");
        row.itemValues[1] = 7850;
        row.itemValues[2] = 324;
        row.rowPicture = QImage(240, 160, QImage::Format_RGB32);
        row.rowPicture.fill(Qt::white);
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
    std::unique_ptr<ScriptedPrompter> m_user;
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
        m_user = std::make_unique<ScriptedPrompter>();
        m_window = std::make_unique<ReportWindow>(m_options, MessageTable::english(), *m_user);
        m_progress = std::make_unique<ProgressWindow>();
        m_progress->setWindowTitle(QStringLiteral("Save to file"));
        m_shell.opened.clear();
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

    // The report's files are written to the temporary folder, the page is
    // handed to the desktop, the window closes; progress per item.
    void htmlReportWritesOpensAndCloses()
    {
        m_options.imageSizePercent = 25;
        window().showOptions();
        QList<int> values;
        connect(m_progress->findChild<QProgressBar*>(), &QProgressBar::valueChanged, this,
                [&values](int v) { values << v; });
        QTest::mouseClick(window().htmlButton(), Qt::LeftButton);
        const QString page = dir().path() + QStringLiteral("/morvane_report.html");
        QCOMPARE(m_shell.opened, QStringList{page});
        QVERIFY(m_user->shown.isEmpty());
        QVERIFY(!window().isVisible());
        QVERIFY(QFile::exists(dir().filePath(QStringLiteral("kep3.jpg"))));
        QVERIFY(readAll(page).contains("<img src=\"kep3.jpg\" width=\"60\" height=\"40\">")); // at 25 %
        QVERIFY(!m_progress->isVisible());
        QCOMPARE(values, (QList<int>{0, 1, 2, 3}));
    }

};

QTEST_MAIN(ReportWindowTest)
#include "test_reportwindow.moc"
