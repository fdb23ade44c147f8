// The main window is wired to the core: a selection computes the tab, the
// commands change the job's list, units and limits reach the list and the
// panel, and the other windows open from it. Formats, checks and the panel's
// figures are the core's tests.
#include "main_window_helpers.h"

#include "helpwindow.h"
#include "printpreviewwindow.h"
#include "resultspanelview.h"

#include "settings/desktop_shell.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

namespace {
struct RecordingShell : DesktopShell {
    QStringList opened;
    bool open(const QString& path) override
    {
        opened << path;
        return false; // no launcher
    }
};
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedMainWindow> m_window;

    MainWindow& window() { return *m_window; }
    MainWindowProbe ui() { return MainWindowProbe(*m_window); }
    QString cell(int row, int column) { return listCell(window(), row, column); }
    const PanelLine* panelLine(SectionKind kind, int y)
    {
        for (const PanelLine& line : ui().resultsPanel(kind)->panel().lines())
            if (line.y == y)
                return &line;
        return nullptr;
    }
    QString panelValue(SectionKind kind, int y)
    {
        const PanelLine* line = panelLine(kind, y);
        return line ? line->value : QString();
    }

private slots:
    void init()
    {
        m_window = quietMainWindow();
        m_window->show();
    }
    void cleanup() { m_window.reset(); }

    void startShowsTheRectangularTab()
    {
        QVERIFY(!ui().sectionPanel(SectionKind::RectHollow)->isVisible());
        QTest::mouseClick(ui().startButton(), Qt::LeftButton);
        QVERIFY(ui().sectionPanel(SectionKind::RectHollow)->isVisible());
        QVERIFY(ui().itemGrid()->isEnabled());
        QCOMPARE(ui().statusPanel(0)->text(), QStringLiteral("Name of job - Noname -"));
        QVERIFY(!ui().toListButton(SectionKind::RectHollow)->isEnabled()); // a group row is selected
    }

    // A typed size recomputes the panel; one the check refuses turns To List off.
    void aTypedSizeRecomputesTheTab()
    {
        window().start();
        selectEntry(window(), SectionKind::RectHollow);
        QLineEdit* a = ui().field(SectionKind::RectHollow, 0);
        a->selectAll();
        QTest::keyClicks(a, "123");
        QCOMPARE(ui().dataBox(SectionKind::RectHollow)->title(), QStringLiteral("123x20x1 Rectangular hollow section"));
        QVERIFY(ui().toListButton(SectionKind::RectHollow)->isEnabled());
        ui().field(SectionKind::RectHollow, 2)->setText("11");
        QVERIFY(!ui().toListButton(SectionKind::RectHollow)->isEnabled());
        QCOMPARE(ui().resultsPanel(SectionKind::RectHollow)->panel().texts().at(0).text,
                 QStringLiteral("Error wrong data !"));
    }

    // A held key computes once at its release, wherever the release lands.
    void holdingAKeyComputesOnceAtRelease()
    {
        window().start();
        QTreeWidget* tree = selectEntry(window(), SectionKind::RectHollow, "40x20x3");
        tree->expandAll();
        const QString before = ui().dataBox(SectionKind::RectHollow)->title();
        QTest::keyPress(tree, Qt::Key_Down);
        tree->setCurrentItem(tree->itemBelow(tree->currentItem()));
        QCOMPARE(ui().dataBox(SectionKind::RectHollow)->title(), before); // held off
        QTest::keyRelease(ui().eModulusBox(), Qt::Key_Down);
        QCOMPARE(ui().dataBox(SectionKind::RectHollow)->title(),
                 tree->currentItem()->text(0) + " Rectangular hollow section");
    }

    // Rotation: asked for in 0..359 degrees, kept per tab, swaps Ix and Iy at 90.
    void rotationIsAskedForAndKeptPerTab()
    {
        window().start();
        selectEntry(window(), SectionKind::RectHollow, "40x20x3");
        const QString ix = panelValue(SectionKind::RectHollow, 48), iy = panelValue(SectionKind::RectHollow, 61);
        m_window->prompter.text = "90";
        QTest::mouseClick(ui().rotateButton(), Qt::LeftButton);
        QCOMPARE(panelValue(SectionKind::RectHollow, 48), iy);
        QCOMPARE(panelValue(SectionKind::RectHollow, 61), ix);
        ui().tabBar()->setCurrentIndex(int(SectionKind::CircHollow));
        QCOMPARE(ui().rotationCaption()->text(), QStringLiteral("0 degrees"));
        ui().tabBar()->setCurrentIndex(int(SectionKind::RectHollow));
        QCOMPARE(ui().rotationCaption()->text(), QStringLiteral("90 degrees"));
        m_window->prompter.text = "360";
        window().rotateSection();
        QCOMPARE(m_window->prompter.shown, QStringList{"Error wrong data !"});
        QCOMPARE(ui().angle(SectionKind::RectHollow), 90);
    }

    void toListAppendsTheRowWithItsPicture()
    {
        window().start();
        listTubes(window(), {"40x20x3"});
        QCOMPARE(ui().itemList().count(), 1);
        QCOMPARE(cell(1, 2), QStringLiteral("40x20x3 RH Section"));
        QVERIFY(!ui().itemList().row(1).rowPicture.isNull());
        QAbstractItemModel* model = ui().itemGrid()->model();
        QCOMPARE(model->data(model->index(0, 2)).toString(), QStringLiteral("40x20x3 RH Section"));
        // A refused listing shows why and changes nothing.
        ui().tensileField()->setText("0");
        QTest::mouseClick(ui().toListButton(SectionKind::RectHollow), Qt::LeftButton);
        QCOMPARE(m_window->prompter.shown, QStringList{"Error. Max.Tensil<=0 !"});
        QCOMPARE(ui().itemList().count(), 1);
    }

    // Delete asks; No keeps the list, Yes removes exactly the selected row.
    void deleteAsksThenRemovesTheSelectedRow()
    {
        window().start();
        listTubes(window(), {"20x20x2", "30x30x2", "40x20x2"});
        clickCell(window(), 1, 3);
        window().deleteSelectedItems();
        QCOMPARE(m_window->prompter.questions.size(), 1);
        QCOMPARE(m_window->prompter.titles, QStringList{"Morvane"});
        QCOMPARE(ui().itemList().count(), 3);
        m_window->prompter.answer = Answer::Yes;
        QTest::mouseClick(ui().deleteButton(), Qt::LeftButton);
        QCOMPARE(ui().itemList().count(), 2);
        QCOMPARE(cell(1, 2), QStringLiteral("20x20x2 RH Section"));
        QCOMPARE(cell(2, 2), QStringLiteral("40x20x2 RH Section"));
    }

    // OK re-expresses the list, the material bar and the panel; Cancel
    // leaves the units as they were.
    void unitsReachTheListAndCancelChangesNothing()
    {
        window().start();
        listTubes(window(), {"40x20x3"});
        UnitsWindow* units = ui().unitsWindow();
        QTimer::singleShot(0, units, [units] {
            units->choose(3, 1);
            units->reject();
        });
        window().showUnitsWindow();
        QCOMPARE(ui().job().units().digits(), QStringLiteral("1122233"));
        QCOMPARE(cell(1, 5), QStringLiteral("3.240000"));

        applyUnitChoices(window(), {{1, 2}, {3, 1}, {6, 1}}); // N/cm2, m2, KN/m2
        QCOMPARE(ui().eModulusBox()->currentText(), QStringLiteral("Steel : 21000000"));
        QCOMPARE(cell(1, 3), QStringLiteral("21000000"));
        QCOMPARE(ui().tensileField()->text(), QStringLiteral("300000.00"));
        QCOMPARE(panelValue(SectionKind::RectHollow, 35), QStringLiteral("0.000324 [m2]"));
        QAbstractItemModel* model = ui().itemGrid()->model();
        QCOMPARE(model->data(model->index(0, 5)).toString(), QStringLiteral("0.000324&2.54"));
    }

    // "Save changes to job ?": Cancel keeps the list and the program, Yes
    // saves before closing, a list without items asks nothing.
    void saveQuestionAtNewJobAndClosing()
    {
        auto empty = quietMainWindow();
        empty->prompter.answer = Answer::Cancel;
        empty->show();
        empty->start();
        empty->close();
        QVERIFY(empty->prompter.questions.isEmpty());
        QVERIFY(!empty->isVisible());
        window().start();
        listTubes(window(), {"40x20x3"});
        m_window->prompter.answer = Answer::Cancel;
        window().newJob();
        window().close();
        QVERIFY(window().isVisible());
        QCOMPARE(ui().itemList().count(), 1);
        m_window->prompter.answer = Answer::Yes;
        QTemporaryDir folder;
        m_window->prompter.fileName = folder.filePath(QStringLiteral("job.mvn"));
        window().close();
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("job.mvn"))));
        QVERIFY(!window().isVisible());
    }

    // Print opens the preview only with items; help falls back to the
    // program's own window when no launcher takes the page.
    void printAndHelpOpenTheirWindows()
    {
        window().start();
        QAction* print = ui().action(Command::Print);
        ui().printPreview()->useSystemPrinter(false);
        QVERIFY(!print->isEnabled());
        listTubes(window(), {"40x20x3"});
        print->trigger();
        QVERIFY(ui().printPreview()->isVisible());
        QCOMPARE(ui().printPreview()->layout()->itemCount, 1);
        ui().printPreview()->hide();

        RecordingShell shell;
        window().setShell(&shell);
        QTemporaryDir dir;
        const QString page = dir.filePath("help.html");
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><body><p>Click to Start opens the sections.</p></body></html>");
        file.close();
        window().setHelpPage(page);
        window().showHelp();
        QCOMPARE(shell.opened, QStringList{page});
        QVERIFY(ui().helpWindow()->browser()->toPlainText().contains("Click to Start opens the sections."));
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
