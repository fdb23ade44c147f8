#include "printpreviewwindow.h"
#include "printrangedialog.h"

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
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

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
    return !QStandardPaths::findExecutable("pdfinfo").isEmpty()
           && !QStandardPaths::findExecutable("pdftotext").isEmpty();
}
} // namespace

class PrintPreviewTest : public QObject {
    Q_OBJECT

    ReportOptions m_options;
    ItemList m_list;
    std::unique_ptr<PrintPreviewWindow> m_window;
    QStringList m_messages;
    QStringList m_asked;
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
    void activate()
    {
        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
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
        m_window = std::make_unique<PrintPreviewWindow>(m_options, MessageTable::english());
        w().useSystemPrinter(false);
        w().printer().setPageSize(QPageSize(QPageSize::A4));
        w().printer().setPageOrientation(QPageLayout::Portrait);
        m_messages.clear();
        m_asked.clear();
        w().showMessage = [this](const QString& text) { m_messages << text; };
        w().askPdfFileName = [this](const QString& proposed) {
            m_asked << proposed;
            return m_dir.filePath("out.pdf");
        };
        w().runSetupDialog = [](QPrinter& printer) {
            printer.setPageSize(QPageSize(QPageSize::A3));
            return true;
        };
        QFile::remove(m_dir.filePath("out.pdf"));
    }
    void cleanup() { m_window.reset(); }

    void captionsAndOneItem()
    {
        QCOMPARE(w().windowTitle(), QStringLiteral("Printer and Page settings"));
        showItems(1);
        QVERIFY(w().isVisible());
        QCOMPARE(w().layout()->pageCount, 1);
        QCOMPARE(child<QLabel>("PageCount")->text(), QStringLiteral("/ 1"));
        QVERIFY(!child<QPushButton>("PreviousPage")->isEnabled());
        QVERIFY(!child<QPushButton>("NextPage")->isEnabled());
        const int size = w().layout()->maximumFontSize;
        QCOMPARE(child<QLabel>("FontSizeLabel")->text(), QStringLiteral("Font size :%1/%1").arg(size));
        QCOMPARE(child<QSpinBox>("FontSize")->maximum(), size);
        QCOMPARE(child<QLabel>("PaperSize")->text(), QStringLiteral("Page Size : 210x297 mm"));
        QCOMPARE(child<QLabel>("PaperOrientation")->text(), QStringLiteral("Page Orientation  : Portrait"));
        QCOMPARE(child<QLineEdit>("LeftMargin")->text(), QStringLiteral("10.0")); // a PDF page keeps off the edge
        QCOMPARE(w().pageView()->page().size(), QSize(794, 1123));
    }

    void navigationAndPageField()
    {
        const int k = rowsPerPage();
        showItems(2 * k + 1);
        QCOMPARE(w().layout()->pageCount, 3);
        QCOMPARE(child<QLabel>("PageCount")->text(), QStringLiteral("/ 3"));
        QVERIFY(!child<QPushButton>("PreviousPage")->isEnabled());
        QVERIFY(child<QPushButton>("NextPage")->isEnabled());
        QTest::mouseClick(child<QPushButton>("NextPage"), Qt::LeftButton);
        QCOMPARE(w().currentPage(), 2);
        QCOMPARE(child<QLineEdit>("PageField")->text(), QStringLiteral("2"));
        QVERIFY(child<QPushButton>("PreviousPage")->isEnabled());
        QLineEdit* field = child<QLineEdit>("PageField");
        setField(field, "9");
        QCOMPARE(field->text(), QStringLiteral("3"));
        QCOMPARE(w().currentPage(), 3);
        QVERIFY(!child<QPushButton>("NextPage")->isEnabled());
        setField(field, "x");
        QCOMPARE(field->text(), QStringLiteral("1"));
        QCOMPARE(w().currentPage(), 1);
    }

    void lowerFontSizeFitsMoreRows()
    {
        showItems(40);
        const int size = w().layout()->maximumFontSize;
        const int rows = w().layout()->rowsPerPage;
        const int pages = w().layout()->pageCount;
        QVERIFY(size > 3);
        child<QSpinBox>("FontSize")->setValue(size - 3);
        QCOMPARE(child<QLabel>("FontSizeLabel")->text(), QStringLiteral("Font size :%1/%2").arg(size - 3).arg(size));
        QVERIFY(w().layout()->rowsPerPage > rows);
        QVERIFY(w().layout()->pageCount <= pages);
        QCOMPARE(child<QLabel>("PageCount")->text(), QStringLiteral("/ %1").arg(w().layout()->pageCount));
    }

    void rangeDialogFieldRules()
    {
        const int k = rowsPerPage();
        showItems(4 * k + 1);
        QTest::mouseClick(child<QPushButton>("PrintButton"), Qt::LeftButton);
        QVERIFY(range().isVisible());
        QCOMPARE(range().windowTitle(), QStringLiteral("Print"));
        QVERIFY(rangeChild<QCheckBox>("AllPages")->isChecked());
        QCOMPARE(rangeChild<QLineEdit>("FromPage")->text(), QStringLiteral("1"));
        QCOMPARE(rangeChild<QLineEdit>("ToPage")->text(), QStringLiteral("5"));
        QCOMPARE(rangeChild<QLineEdit>("Copies")->text(), QStringLiteral("1"));

        QTest::mouseClick(rangeChild<QCheckBox>("CurrentPage"), Qt::LeftButton);
        QVERIFY(!rangeChild<QCheckBox>("AllPages")->isChecked());
        QTest::mouseClick(rangeChild<QCheckBox>("CurrentPage"), Qt::LeftButton);
        QVERIFY(rangeChild<QCheckBox>("CurrentPage")->isChecked()); // the one that is on stays on
        QTest::mouseClick(rangeChild<QCheckBox>("PagesFromTo"), Qt::LeftButton);
        QVERIFY(!rangeChild<QCheckBox>("CurrentPage")->isChecked());

        QLineEdit* from = rangeChild<QLineEdit>("FromPage");
        QLineEdit* to = rangeChild<QLineEdit>("ToPage");
        setField(to, "2");
        setField(from, "4"); // from beyond to takes the value of to
        QCOMPARE(from->text(), QStringLiteral("2"));
        setField(to, "77");
        QCOMPARE(to->text(), QStringLiteral("5"));
        setField(from, "1");
        setField(rangeChild<QLineEdit>("Copies"), "3a");
        QCOMPARE(rangeChild<QLineEdit>("Copies")->text(), QStringLiteral("3"));
        const PrintRange r = range().range();
        QCOMPARE(r.from, 1);
        QCOMPARE(r.to, 5);
        QCOMPARE(r.copies, 3);
        QTest::mouseClick(rangeChild<QPushButton>("CancelButton"), Qt::LeftButton);
        QVERIFY(!range().isVisible());
        QVERIFY(!QFile::exists(m_dir.filePath("out.pdf")));
    }

    // The range dialog's choice reaches the file: the current page alone,
    // then every page twice.
    void printCurrentPageThenTwoCopies()
    {
        const int k = rowsPerPage();
        showItems(4 * k + 1);
        setField(child<QLineEdit>("PageField"), "3");
        QTest::mouseClick(child<QPushButton>("PrintButton"), Qt::LeftButton);
        QTest::mouseClick(rangeChild<QCheckBox>("CurrentPage"), Qt::LeftButton);
        QTest::mouseClick(rangeChild<QPushButton>("PrintButton"), Qt::LeftButton);
        QVERIFY(!range().isVisible());
        QCOMPARE(m_asked, QStringList{QDir(QDir::tempPath()).filePath("beams.pdf")});
        const QString pdf = m_dir.filePath("out.pdf");
        QVERIFY(QFile::exists(pdf));
        if (!havePoppler())
            QSKIP("pdfinfo and pdftotext are not installed");
        QCOMPARE(pdfPages(pdf), 1);
        QVERIFY(run("pdftotext", {pdf, "-"}).contains("Page number :3/5"));

        QFile::remove(pdf);
        QTest::mouseClick(child<QPushButton>("PrintButton"), Qt::LeftButton);
        QTest::mouseClick(rangeChild<QCheckBox>("AllPages"), Qt::LeftButton);
        setField(rangeChild<QLineEdit>("Copies"), "2");
        QTest::mouseClick(rangeChild<QPushButton>("PrintButton"), Qt::LeftButton);
        QCOMPARE(pdfPages(pdf), 10);
    }

    void noFileNameNoOutput()
    {
        showItems(2);
        w().askPdfFileName = [](const QString&) { return QString(); };
        QVERIFY(!w().printRange({1, 1, 1}));
        QVERIFY(!QFile::exists(m_dir.filePath("out.pdf")));
        QVERIFY(m_messages.isEmpty());
    }

    void marginTypingAndChecks()
    {
        showItems(1);
        openPanel();
        activate();
        QLineEdit* left = child<QLineEdit>("LeftMargin");
        setField(left, "12.345");
        QCOMPARE(left->text(), QStringLiteral("12.34"));

        // 150 + 10 lies within the 190 mm of the last layout: no message.
        setField(left, "150");
        child<QLineEdit>("RightMargin")->setFocus();
        QVERIFY(m_messages.isEmpty());
        setField(child<QLineEdit>("RightMargin"), "70");
        left->setFocus(); // leaving the right margin field checks L + R against W
        QCOMPARE(m_messages, QStringList{"Max. Left margin+Right margin=190.0 /mm/ !!!"});
        QCOMPARE(child<QLineEdit>("RightMargin")->text(), QStringLiteral("0.0"));
    }

    // A5: a left margin of 200 is refused with its message before "Accept"
    // and after it alike.
    void marginChecksHoldAfterAccept()
    {
        w().printer().setPageSize(QPageSize(QPageSize::A5));
        showItems(1);
        for (const char* pass : {"before Accept", "after Accept"}) {
            if (child<QWidget>("SidePanel")->height() == 0)
                openPanel();
            activate();
            m_messages.clear();
            QLineEdit* left = child<QLineEdit>("LeftMargin");
            QTest::mouseClick(left, Qt::LeftButton);
            setField(left, "200");
            QTest::mouseClick(child<QLineEdit>("RightMargin"), Qt::LeftButton);
            QVERIFY2(m_messages.size() == 1 && m_messages[0].startsWith("Max. Left margin+Right margin="), pass);
            QVERIFY2(left->text() == QStringLiteral("0.0"), pass);
            setField(left, "10");
            QTest::mouseClick(child<QPushButton>("AcceptButton"), Qt::LeftButton);
            QVERIFY2(w().isVisible(), pass);
        }
    }

    void paperTooSmallResetsTheMargins()
    {
        showItems(1);
        openPanel();
        setField(child<QLineEdit>("LeftMargin"), "100");
        setField(child<QLineEdit>("RightMargin"), "105");
        m_window->hide();
        QVERIFY(!w().startLayout());
        QCOMPARE(m_messages.last(), QStringLiteral("Error ! Current paper size is insufficient !"));
        QCOMPARE(child<QLineEdit>("LeftMargin")->text(), QStringLiteral("0.0"));
        QCOMPARE(child<QLineEdit>("RightMargin")->text(), QStringLiteral("0.0"));
        QVERIFY(!w().isVisible());
    }

    void acceptLaysOutAgainWithNewMargins()
    {
        showItems(1);
        openPanel();
        const double before = w().layout()->areaWidthMm;
        setField(child<QLineEdit>("LeftMargin"), "30");
        QTest::mouseClick(child<QPushButton>("AcceptButton"), Qt::LeftButton);
        QVERIFY(w().isVisible());
        QCOMPARE(w().layout()->areaWidthMm, before - 20); // from 10 to 30 mm
    }

    void settingsPanelSlides()
    {
        showItems(1);
        QWidget* panel = child<QWidget>("SidePanel");
        QCOMPARE(panel->height(), 0);
        QTest::mouseClick(child<QPushButton>("SettingsButton"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(panel->height(), 400, 5000);
        QTest::mouseClick(child<QPushButton>("SettingsButton"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(panel->height(), 0, 5000);
        w().setSettingsCaption("Settings....");
        QCOMPARE(child<QPushButton>("SettingsButton")->text(), QStringLiteral("Settings...."));
    }

    void orientationAndSetupRefreshPaper()
    {
        showItems(1);
        openPanel();
        setField(child<QLineEdit>("TopMargin"), "25");
        QTest::mouseClick(child<QPushButton>("TurnPaper"), Qt::LeftButton);
        QCOMPARE(child<QLabel>("PaperOrientation")->text(), QStringLiteral("Page Orientation  : Landscape"));
        QCOMPARE(child<QLabel>("PaperSize")->text(), QStringLiteral("Page Size : 297x210 mm"));
        QCOMPARE(child<QLineEdit>("TopMargin")->text(), QStringLiteral("10.0"));
        QTest::mouseClick(child<QPushButton>("PrinterSetup"), Qt::LeftButton);
        QCOMPARE(child<QLabel>("PaperSize")->text(), QStringLiteral("Page Size : 420x297 mm"));
        // The new paper takes effect at the next layout.
        QCOMPARE(w().pageView()->page().size(), QSize(794, 1123));
        QTest::mouseClick(child<QPushButton>("AcceptButton"), Qt::LeftButton);
        QCOMPARE(w().pageView()->page().size(), QSize(1588, 1123)); // 420 x 297 mm at 96 dpi, rounded up
    }

    void sharedOptionsChangeAtOnce()
    {
        showItems(1);
        openPanel();
        QSignalSpy changed(&w(), &PrintPreviewWindow::optionsChanged);
        child<QCheckBox>("PlotPictures")->click();
        QCOMPARE(m_options.pictures, false);
        child<QListWidget>("VisibleColumns")->item(3)->setCheckState(Qt::Unchecked);
        QCOMPARE(m_options.visibleColumns[3], false);
        child<QScrollBar>("ImageSize")->setValue(25);
        QCOMPARE(m_options.imageSizePercent, 25);
        QCOMPARE(child<QLabel>("ImageSizePercent")->text(), QStringLiteral("25 %"));
        QCOMPARE(changed.count(), 3);

        // A change made elsewhere is shown without being echoed back.
        m_options.visibleColumns.fill(false);
        m_options.imageSizePercent = 60;
        w().refreshOptions();
        QCOMPARE(child<QListWidget>("VisibleColumns")->item(0)->checkState(), Qt::Unchecked);
        QCOMPARE(child<QLabel>("ImageSizePercent")->text(), QStringLiteral("60 %"));
        QCOMPARE(changed.count(), 3);

        // The options take effect at the next layout: two columns.
        QTest::mouseClick(child<QPushButton>("AcceptButton"), Qt::LeftButton);
        int printed = 0;
        for (int width : w().layout()->columnWidth)
            printed += width > 0;
        QCOMPARE(printed, 2);
    }

    void scrollBarsAndWheel()
    {
        showItems(1);
        w().resize(700, 500);
        QApplication::processEvents();
        PreviewPageView* view = w().pageView();
        QVERIFY(view->height() - 20 < 1123);
        QVERIFY(view->verticalBar()->isVisible());
        QCOMPARE(view->verticalBar()->minimum(), -1);
        QCOMPARE(view->verticalBar()->maximum(), 21);
        QCOMPARE(view->horizontalBar()->isVisible(), view->width() - 20 < 794);
        view->verticalBar()->setValue(20);
        QCOMPARE(view->pageOrigin().y(), -(1123 - view->height() + 20));
        QWheelEvent down(QPointF(50, 50), view->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &down);
        QCOMPARE(view->verticalBar()->value(), 21);
        QCOMPARE(PreviewPageView::scrolledOffset(10, 1123, 603), 270);

        w().resize(1400, 1300);
        QApplication::processEvents();
        if (view->height() > 1143) { // the screen may not grant the size
            QVERIFY(!view->verticalBar()->isVisible());
            QCOMPARE(view->pageOrigin().y(), (view->height() - 1123) / 2);
        }
    }

    void retranslateSetsEveryText()
    {
        MessageTable other = MessageTable::english();
        other.set(172, "Nyomtatas");
        other.set(174, "Nyomtato");
        other.set(173, "Elfogad");
        other.set(196, "Minden oldal");
        w().retranslate(other);
        QCOMPARE(w().windowTitle(), QStringLiteral("Nyomtato"));
        QCOMPARE(child<QPushButton>("PrintButton")->text(), QStringLiteral("Nyomtatas"));
        QCOMPARE(child<QPushButton>("AcceptButton")->text(), QStringLiteral("Elfogad"));
        QCOMPARE(range().windowTitle(), QStringLiteral("Nyomtatas"));
        QCOMPARE(rangeChild<QCheckBox>("AllPages")->text(), QStringLiteral("Minden oldal"));
        w().retranslate(MessageTable::english());
    }
};

QTEST_MAIN(PrintPreviewTest)
#include "test_printpreview.moc"
