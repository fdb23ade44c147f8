// The print preview lays the list out and prints the range chosen in its
// dialog to a file. Page layout, margins and the page field are the output
// tests'.
#include "printpreviewwindow.h"
#include "printrangedialog.h"
#include "scripted_prompter.h"

#include "../output/pdf_tools.h"
#include "../output/print_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class PrintPreviewTest : public QObject {
    Q_OBJECT

private slots:
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
};

QTEST_MAIN(PrintPreviewTest)
#include "test_printpreview.moc"
