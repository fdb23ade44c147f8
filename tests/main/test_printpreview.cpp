// The print preview lays the list out, prints the range chosen to a file
// and shares its options with the report window. Page layout, margins and
// the page field are the output tests'.
#include "printpreviewwindow.h"
#include "printrangedialog.h"
#include "scripted_prompter.h"

#include "../output/print_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& file)
{
    for (const QString& line : run("pdfinfo", {file}).split('\n'))
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    return -1;
}

bool havePoppler()
{
    return !QStandardPaths::findExecutable("pdfinfo").isEmpty() && !QStandardPaths::findExecutable("pdftotext").isEmpty();
}
} // namespace

class PrintPreviewTest : public QObject {
    Q_OBJECT

    ReportOptions m_options;
    ItemList m_list;
    std::unique_ptr<ScriptedPrompter> m_user;
    std::unique_ptr<PrintPreviewWindow> m_window;
    QTemporaryDir m_dir;

    PrintPreviewWindow& w() { return *m_window; }
    template <class T> T* child(const char* name) { return w().findChild<T*>(QString::fromLatin1(name)); }
    PrintRangeDialog& range() { return *w().rangeDialog(); }
    template <class T> T* rangeChild(const char* name) { return range().findChild<T*>(QString::fromLatin1(name)); }

    void showItems(int count)
    {
        m_list = printList(count, "HR I80x42");
        w().setJob(&m_list, headerCaptions(UnitSettings{}, MessageTable::english()),
                   {QString(), "07.12.2026", "Morvane footer"}, "beams");
        QVERIFY(w().startLayout());
    }
    int rowsPerPage()
    {
        showItems(1);
        return w().layout()->rowsPerPage;
    }
    void openPanel()
    {
        QTest::mouseClick(child<QPushButton>("SettingsButton"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(child<QWidget>("SidePanel")->height(), 400, 5000);
    }
    void setField(QLineEdit* field, const QString& text)
    {
        field->selectAll();
        QTest::keyClicks(field, text);
    }

private slots:
    void init()
    {
        m_options = ReportOptions{};
        m_user = std::make_unique<ScriptedPrompter>();
        m_user->fileName = m_dir.filePath("out.pdf");
        m_window = std::make_unique<PrintPreviewWindow>(m_options, MessageTable::english(), *m_user);
        w().useSystemPrinter(false);
        w().printer().setPageSize(QPageSize(QPageSize::A4));
        w().printer().setPageOrientation(QPageLayout::Portrait);
        w().runSetupDialog = [](QPrinter& printer) {
            printer.setPageSize(QPageSize(QPageSize::A3));
            return true;
        };
        QFile::remove(m_dir.filePath("out.pdf"));
    }
    void cleanup() { m_window.reset(); }

    // The range dialog's choice reaches the file: the current page alone.
    void printCurrentPageThenTwoCopies()
    {
        const int k = rowsPerPage();
        showItems(4 * k + 1);
        setField(child<QLineEdit>("PageField"), "3");
        QTest::mouseClick(child<QPushButton>("PrintButton"), Qt::LeftButton);
        QTest::mouseClick(rangeChild<QCheckBox>("CurrentPage"), Qt::LeftButton);
        QTest::mouseClick(rangeChild<QPushButton>("PrintButton"), Qt::LeftButton);
        QVERIFY(!range().isVisible());
        QCOMPARE(m_user->fileTitles.size(), 1);
        QCOMPARE(m_user->lastFileQuestion.proposed, QDir(QDir::tempPath()).filePath("beams.pdf"));
        const QString pdf = m_dir.filePath("out.pdf");
        QVERIFY(QFile::exists(pdf));
        if (!havePoppler())
            QSKIP("pdfinfo and pdftotext are not installed");
        QCOMPARE(pdfPages(pdf), 1);
        QVERIFY(run("pdftotext", {pdf, "-"}).contains("Page number :3/5"));

    }

};

QTEST_MAIN(PrintPreviewTest)
#include "test_printpreview.moc"
