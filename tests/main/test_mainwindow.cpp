// The main window is wired to the core: a selection computes the tab, the
// commands (by button, key or list editor) change the job's list, units and
// languages reach the list and the panel, private items are listed and
// corrected, Save and Load input reach the job files (a changed job is asked
// about before it is replaced), and the other windows open from it. Formats,
// checks, the job file, sort keys, the clipboard text and the panel's figures
// are the core's tests.
#include "main_window_helpers.h"

#include "catalogue/menu_language.h"
#include "catalogue/profile_catalogue.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace {
using Values = const char* const[PrivatePropertyCount];
Values BoxValues = {"10", "10", "4", "4", "4", "4", "5", "3", "20"};

void typeInto(PrivateDataWindow* p, Values values, const QString& description)
{
    p->descriptionField()->setText(description);
    for (int k = 0; k < PrivatePropertyCount; ++k)
        p->propertyField(static_cast<PrivateProperty>(k))->setText(QString::fromLatin1(values[k]));
}
// What the window shows of a job, for comparing before and after.
QStringList shown(MainWindow& w)
{
    const MainWindowProbe ui(w);
    QStringList s{ui.job().name(), ui.statusPanel(0)->text(), ui.tensileField()->text(),
                  ui.job().units().digits(), ui.requirementLimits().signature(), ui.eModulusBox()->itemText(0)};
    for (int r = 1; r <= ui.itemList().count(); ++r)
        s << ui.itemList().row(r).cells[2];
    return s;
}
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedMainWindow> m_window;
    QTemporaryDir m_dir;

    MainWindow& window() { return *m_window; }
    MainWindowProbe ui() { return MainWindowProbe(*m_window); }
    ScriptedPrompter& user() { return m_window->prompter; }
    // A cell of the job's list (rows from 1).
    QString cell(int row, int column) { return ui().itemList().row(row).cells[std::size_t(column)]; }
    QString panelValue(SectionKind kind, int y)
    {
        for (const PanelLine& line : ui().resultsPanel(kind)->panel().lines())
            if (line.y == y)
                return line.value;
        return {};
    }
    void activate()
    {
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }
    // Opens the list editor, runs `inside` while it is open, then closes it.
    void withEditor(const std::function<void(ListEditorWindow*)>& inside)
    {
        bool ran = false;
        QTimer::singleShot(0, &window(), [&] {
            ListEditorWindow* e = ui().listEditor();
            if (e->isVisible()) {
                inside(e);
                ran = true;
            }
            e->close();
        });
        ui().action(Command::EditList)->trigger();
        QVERIFY(ran);
    }

    // A job of a tube and a plate, named "Hall roof", with a limit and a
    // tensile stress of its own, saved from a window of its own.
    QString savedJob(QStringList* shownWhenSaved = nullptr)
    {
        auto w = std::make_unique<ScriptedMainWindow>();
        w->show();
        w->start();
        w->prompter.text = QStringLiteral("Hall roof");
        w->changeJobName();
        listTubes(*w, {"40x20x3"});
        listPlate(*w);
        const MainWindowProbe ui(*w);
        ui.requirementLimits().setMin(0, "1");
        ui.requirementLimits().setMax(0, "20");
        ui.requirementLimits().setTicked(0, true);
        ui.tensileField()->setText("250");
        w->prompter.fileName = m_dir.filePath("hall.mvn");
        w->saveInput();
        if (shownWhenSaved)
            *shownWhenSaved = shown(*w);
        return w->prompter.fileName;
    }

private slots:
    // The tests start from a started window.
    void init()
    {
        m_window = quietMainWindow();
        m_window->show();
        m_window->start();
    }
    void cleanup() { m_window.reset(); }

    void startShowsTheRectangularTab()
    {
        auto fresh = quietMainWindow();
        fresh->show();
        const MainWindowProbe ui(*fresh);
        QVERIFY(!ui.sectionPanel(SectionKind::RectHollow)->isVisible());
        QTest::mouseClick(ui.startButton(), Qt::LeftButton);
        QVERIFY(ui.sectionPanel(SectionKind::RectHollow)->isVisible());
        QVERIFY(ui.itemGrid()->isEnabled());
        QCOMPARE(ui.statusPanel(0)->text(), QStringLiteral("Name of job - Noname -"));
        QVERIFY(!ui.toListButton(SectionKind::RectHollow)->isEnabled()); // a group row is selected
    }

    // A typed size recomputes the panel; one the check refuses turns To List off.
    void aTypedSizeRecomputesTheTab()
    {
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

    // Rotation: asked for, kept per tab, swaps Ix and Iy at 90.
    void rotationIsAskedForAndKeptPerTab()
    {
        selectEntry(window(), SectionKind::RectHollow, "40x20x3");
        const QString ix = panelValue(SectionKind::RectHollow, 48), iy = panelValue(SectionKind::RectHollow, 61);
        user().text = "90";
        QTest::mouseClick(ui().rotateButton(), Qt::LeftButton);
        QCOMPARE(panelValue(SectionKind::RectHollow, 48), iy);
        QCOMPARE(panelValue(SectionKind::RectHollow, 61), ix);
        ui().tabBar()->setCurrentIndex(int(SectionKind::CircHollow));
        QCOMPARE(ui().rotationCaption()->text(), QStringLiteral("0 degrees"));
        ui().tabBar()->setCurrentIndex(int(SectionKind::RectHollow));
        QCOMPARE(ui().rotationCaption()->text(), QStringLiteral("90 degrees"));
    }

    void toListAppendsTheRowWithItsPicture()
    {
        listTubes(window(), {"40x20x3"});
        QCOMPARE(ui().itemList().count(), 1);
        QCOMPARE(cell(1, 2), QStringLiteral("40x20x3 RH Section"));
        QVERIFY(!ui().itemList().row(1).rowPicture.isNull());
        // A refused listing shows why and changes nothing.
        ui().tensileField()->setText("0");
        QTest::mouseClick(ui().toListButton(SectionKind::RectHollow), Qt::LeftButton);
        QCOMPARE(user().shown, QStringList{"Error. Max.Tensil<=0 !"});
        QCOMPARE(ui().itemList().count(), 1);
    }

    // The Delete key asks only while the list has the focus; No keeps the
    // list, Yes removes exactly the selected row.
    void deleteAsksThenRemovesTheSelectedRow()
    {
        activate();
        listTubes(window(), {"20x20x2", "30x30x2", "40x20x2"});
        clickCell(window(), 1, 3);
        ui().tree(SectionKind::RectHollow)->setFocus();
        QTest::keyClick(ui().tree(SectionKind::RectHollow), Qt::Key_Delete);
        QVERIFY(user().questions.isEmpty());
        ui().itemGrid()->setFocus();
        QTest::keyClick(ui().itemGrid(), Qt::Key_Delete);
        QCOMPARE(user().questions, QStringList{ui().messages()(Msg::DeleteSelected)});
        QCOMPARE(ui().itemList().count(), 3);
        user().answer = Answer::Yes;
        QTest::mouseClick(ui().deleteButton(), Qt::LeftButton);
        QCOMPARE(ui().itemList().count(), 2);
        QCOMPARE(cell(1, 2), QStringLiteral("20x20x2 RH Section"));
        QCOMPARE(cell(2, 2), QStringLiteral("40x20x2 RH Section"));
    }

    // OK re-expresses the list, the grid and the panel; Cancel
    // leaves the units as they were.
    void unitsReachTheListAndCancelChangesNothing()
    {
        listTubes(window(), {"40x20x3"});
        UnitsWindow* units = ui().unitsWindow();
        QTimer::singleShot(0, units, [units] {
            units->choose(3, 1);
            units->reject();
        });
        window().showUnitsWindow();
        QCOMPARE(ui().job().units().digits(), QStringLiteral("1122233"));
        QCOMPARE(cell(1, 5), QStringLiteral("3.240000"));
        units->choose(1, 2); // N/cm2
        units->choose(3, 1); // m2
        units->choose(6, 1); // KN/m2
        window().applyUnits(units->units());
        QCOMPARE(cell(1, 3), QStringLiteral("21000000"));
        QCOMPARE(panelValue(SectionKind::RectHollow, 35), QStringLiteral("0.000324 [m2]"));
        QCOMPARE(ui().itemGrid()->model()->index(0, 5).data().toString(), QStringLiteral("0.000324&2.54"));
    }

    // Print opens the preview only with items; help falls back to the
    // program's own window when no launcher takes the page.
    void printAndHelpOpenTheirWindows()
    {
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
        const QString page = QStringLiteral(MORVANE_SOURCE_DIR "/doc/help.html");
        window().setHelpPage(page);
        window().showHelp();
        QCOMPARE(shell.opened, QStringList{page});
        QVERIFY(ui().helpWindow()->browser()->toPlainText().contains("Morvane: computation of geometric properties"));
    }

    // Ctrl+C on the selected rows: a header line, then one line per row.
    void copyPutsTheSelectedRowsOnTheClipboard()
    {
        activate();
        listEntries(window(), SectionKind::I, {"HR I80x42"});
        listPlate(window());
        ui().itemGrid()->selectAll();
        ui().itemGrid()->setFocus();
        QApplication::clipboard()->clear();
        QTest::keyClick(ui().itemGrid(), Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 4); // header, two rows, the empty rest after the last line break
        QVERIFY(lines[1].startsWith("1\tHR I80x42\t210000000\t7850\t"));
        QVERIFY(lines[2].startsWith("2\t1 mm steel plate\t1000x2000\t"));
    }

    // A saved job comes first in the File menu of the next run; its entry
    // loads it (the menu's order is the core's test).
    void recentJobsFollowLoadAndSave()
    {
        QSettingsStore store(m_dir.filePath("Morvane.conf"));
        window().setSettingsStore(&store);
        listTubes(window(), {"20x20x2"});
        user().fileName = m_dir.filePath("a.mvn");
        QVERIFY(window().saveJob());
        auto next = quietMainWindow();
        next->setSettingsStore(&store);
        next->readSettings();
        QMenu* menu = MainWindowProbe(*next).recentJobsMenu();
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().at(0)->text(), "&1 " + user().fileName);
        menu->actions().at(0)->trigger();
        QCOMPARE(MainWindowProbe(*next).itemList().count(), 1);
        window().setSettingsStore(nullptr);
    }

    // The window-modal list editor: its order reaches the job's list with the
    // pictures, a double click opens the row's correction, reopening the
    // editor ends it, its Delete removes the selected rows from the job.
    void listEditorSortsCorrectsAndDeletes()
    {
        user().answer = Answer::Yes;
        listTubes(window(), {"40x20x2", "30x30x2", "20x20x2"});
        const ListRow first = ui().itemList().row(3);
        withEditor([&](ListEditorWindow* e) {
            QCOMPARE(e->windowModality(), Qt::WindowModal);
            e->sortByColumn(2);
            QCOMPARE(e->order(), (QList<int>{3, 2, 1}));
        });
        QCOMPARE(cell(1, 2), QStringLiteral("20x20x2 RH Section"));
        QCOMPARE(ui().itemList().row(1).rowPicture, first.rowPicture);
        withEditor([&](ListEditorWindow* e) {
            QTreeWidget* view = e->listView();
            const QPoint at = view->visualItemRect(view->topLevelItem(1)).center();
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
            QCOMPARE(ui().state().selectedRow, 2);
            QCOMPARE(ui().privateDataWindow()->descriptionField()->text(), QStringLiteral("30x30x2 RH Section"));
        });
        QVERIFY(ui().state().rowBlinkEnabled);
        withEditor([&](ListEditorWindow* e) {
            QVERIFY(!ui().state().rowBlinkEnabled);
            QTreeWidget* view = e->listView();
            view->topLevelItem(0)->setSelected(true);
            view->topLevelItem(2)->setSelected(true);
            QTest::mouseClick(e->deleteButton(), Qt::LeftButton);
            QCOMPARE(user().questions.size(), 1);
            QCOMPARE(view->topLevelItemCount(), 1);
            QCOMPARE(view->topLevelItem(0)->text(0), QStringLiteral("1"));
        });
        QCOMPARE(ui().itemList().count(), 1);
        QCOMPARE(cell(1, 2), QStringLiteral("30x30x2 RH Section"));
    }

    // The main window's button opens the window; its To List appends a
    // private row, an implausible one only after Yes.
    void mainWindowListsPrivateItems()
    {
        QTest::mouseClick(window().findChild<QPushButton*>("Button2"), Qt::LeftButton);
        PrivateDataWindow* p = ui().privateDataWindow();
        QVERIFY(p->isVisible());
        typeInto(p, BoxValues, "Box 50");
        QTest::mouseClick(p->toListButton(), Qt::LeftButton);
        QCOMPARE(ui().itemList().count(), 1);
        QCOMPARE(cell(1, 1), QStringLiteral("10"));
        QCOMPARE(ui().itemGrid()->model()->index(0, 2).data().toString(), QStringLiteral("Box 50"));
        Values tooStiff = {"10", "10", "40", "40", "4", "4", "0.1", "0.2", "2"};
        typeInto(p, tooStiff, "Too stiff");
        QTest::mouseClick(p->toListButton(), Qt::LeftButton);
        QCOMPARE(user().questions.size(), 1);
        QVERIFY(user().questions[0].startsWith("Impossible data ! Do you want to approved ? "));
        QCOMPARE(ui().itemList().count(), 1);
        user().answer = Answer::Yes;
        QTest::mouseClick(p->toListButton(), Qt::LeftButton);
        QCOMPARE(ui().itemList().count(), 2);
    }

    // The window stays above the window that opens it: the main window, or the
    // window-modal list editor, whose modality would otherwise block it.
    void belongsToTheWindowThatOpensIt()
    {
        QTest::mouseClick(window().findChild<QPushButton*>("Button2"), Qt::LeftButton);
        PrivateDataWindow* p = ui().privateDataWindow();
        QCOMPARE(p->parentWidget(), &window());
        QVERIFY(p->isWindow());
        p->close();
        ui().listEditor()->show();
        emit ui().listEditor()->privateDataRequested();
        QCOMPARE(p->parentWidget(), ui().listEditor());
        QVERIFY(p->isVisible() && p->isWindow());
        QCOMPARE(p->windowHandle()->transientParent(), ui().listEditor()->windowHandle());
    }

    // A correction shows the selected row; unchanged values keep its mark,
    // changed ones make it a private row, in place.
    void correctionOverwritesTheRow()
    {
        listTubes(window(), {"20x20x2", "30x30x2", "40x20x2"});
        clickCell(window(), 1, 2);
        ui().action(Command::CorrectItem)->trigger();
        PrivateDataWindow* p = ui().privateDataWindow();
        QVERIFY(p->isVisible());
        QCOMPARE(p->descriptionField()->text(), QStringLiteral("30x30x2 RH Section"));
        p->descriptionField()->setText("30x30x2 renamed");
        QTest::mouseClick(p->toListButton(), Qt::LeftButton);
        QCOMPARE(ui().itemList().count(), 3);
        QCOMPARE(cell(2, 2), QStringLiteral("30x30x2 renamed"));
        QCOMPARE(cell(2, 1), QStringLiteral("00"));
        p->propertyField(PrivateProperty::Area)->setText("2.5");
        QTest::mouseClick(p->toListButton(), Qt::LeftButton);
        QCOMPARE(ui().itemList().count(), 3);
        QCOMPARE(cell(2, 1), QStringLiteral("10"));
        QCOMPARE(cell(2, 5), QStringLiteral("2.500000"));
    }

    // The window's stresses were typed in N/mm2; after a job in KN/m2 is
    // loaded they read the same stresses in KN/m2.
    void loadedJobInOtherStressUnitsReexpressesTheTypedStresses()
    {
        PrivateDataWindow* p = ui().privateDataWindow();
        typeInto(p, BoxValues, "Box 50");
        QTest::mouseClick(p->toListButton(), Qt::LeftButton);
        QTemporaryDir dir;
        user().fileName = dir.filePath("kn_m2.mvn");
        window().applyUnits(*UnitSettings::fromDigits("1122213"));
        QVERIFY(window().saveJob());
        window().applyUnits(UnitSettings{});
        QVERIFY(window().loadJob(user().fileName));
        QCOMPARE(p->tensileField()->text(), QStringLiteral("300000.00"));
        QTest::mouseClick(p->toListButton(), Qt::LeftButton);
        QCOMPARE(ui().itemList().count(), 2);
        QCOMPARE(double(ui().itemList().row(2).itemValues[11]), 300.0);
    }

    // After a switch the current tab shows what it showed before, in the new
    // language, and the material captions keep the chosen units.
    void switchRetitlesAndRecomputesTheWindow()
    {
        const MainWindowProbe ui(window());
        window().applyUnits(*UnitSettings::fromDigits("3122213"));
        QTreeWidget* tree = selectEntry(window(), SectionKind::I, "HR I80x42");
        const std::size_t lines = ui.resultsPanel(SectionKind::I)->panel().lines().size();
        QVERIFY(lines > 0);
        tree->expandAll();
        int row = 0; // in the menu's order
        for (QTreeWidgetItem* it = tree->topLevelItem(0); it != tree->currentItem(); it = tree->itemBelow(it))
            ++row;
        QAction* exit = window().findChild<QAction*>("Kilps1");
        const QString english = exit->text();
        ui.translationWindow()->chooseLanguage(1);
        QCOMPARE(exit->text(), QString::fromUtf8("Kil\xc3\xa9p\xc3\xa9s"));
        QCOMPARE(ui.toListButton(SectionKind::I)->text(), QString::fromUtf8("List\xc3\xa1""ba"));
        QCOMPARE(ui.resultsPanel(SectionKind::I)->panel().lines().size(), lines);
        QVERIFY(ui.toListButton(SectionKind::I)->isEnabled());
        const MessageTable& m = ui.languageSwitch()->messages();
        QCOMPARE(tree->currentItem()->text(0), translatedMenu(SectionKind::I, builtInMenu(SectionKind::I), m).value(row));
        QCOMPARE(window().findChild<QLabel*>("Panel53")->text(), m(Msg::EModulus) + " [N/mm2]");
        QCOMPARE(ui.tensileField()->text(), QStringLiteral("300000.00"));
        ui.translationWindow()->chooseLanguage(0);
        QCOMPARE(exit->text(), english);
    }

    void loadShowsTheSavedJob()
    {
        QStringList saved;
        user().fileName = savedJob(&saved);
        window().loadInput();
        QVERIFY2(user().shown.isEmpty(), qPrintable(user().shown.join("; ")));
        QCOMPARE(shown(window()), saved);
        QCOMPARE(ui().statusPanel(1)->text(), QStringLiteral("Total weight:    15.7 Kg"));
        QVERIFY(ui().requirementWindow()->box(0)->isChecked());
        QVERIFY(!ui().progressWindow()->isVisible());
        QVERIFY(!window().isWindowModified());
    }

    // Each change marks the job; the next load asks "Save changes to job ?"
    // once, and the loaded job is unchanged again.
    void eachChangeMarksTheJob_data()
    {
        QTest::addColumn<QString>("change");
        for (const char* change : {"list", "units", "limit"})
            QTest::newRow(change) << QString::fromLatin1(change);
    }
    void eachChangeMarksTheJob()
    {
        QFETCH(QString, change);
        const QString path = savedJob();
        QVERIFY(window().loadJob(path));
        QVERIFY(!window().isWindowModified());
        if (change == "list") {
            listTubes(window(), {"40x20x3"});
        } else if (change == "units") {
            window().applyUnits(*UnitSettings::fromDigits("3122213"));
        } else {
            ui().requirementWindow()->minField(3)->setText("2");
        }
        QVERIFY(window().isWindowModified());
        user().fileName = path;
        window().loadInput();
        QCOMPARE(user().questions, QStringList{"Save changes to job ?"});
        QVERIFY(!window().isWindowModified());
        window().exitCommand();
        QCOMPARE(user().questions.size(), 1);
    }

    // The first argument loads when it names a ".mvn" file, in any case.
    void startArgumentLoadsMvnInAnyCase()
    {
        const QString path = savedJob();
        QVERIFY(QFile::copy(path, m_dir.filePath("HALL.MVN")));
        QVERIFY(QFile::copy(path, m_dir.filePath("hall.txt")));
        QVERIFY(!window().loadAtStart(m_dir.filePath("hall.txt")));
        QCOMPARE(ui().itemList().count(), 0);
        QVERIFY(window().loadAtStart(m_dir.filePath("HALL.MVN")));
        QCOMPARE(ui().itemList().count(), 2);
    }

    // "Save changes to job ?" at New job and at closing: an empty list asks
    // nothing; Cancel, or Yes with a cancelled file dialog, keeps the list
    // and the program; Yes with a file writes it before the list is emptied.
    void saveQuestionAtNewJobAndClosing()
    {
        auto empty = std::make_unique<ScriptedMainWindow>();
        empty->prompter.answer = Answer::Cancel;
        empty->show();
        empty->start();
        empty->close();
        QVERIFY(empty->prompter.questions.isEmpty());
        QVERIFY(!empty->isVisible());

        listTubes(window(), {"40x20x3"});
        user().answer = Answer::Cancel;
        window().newJob();
        window().close();
        QVERIFY(window().isVisible());
        user().answer = Answer::Yes;
        window().newJob();
        window().exitCommand();
        QVERIFY(window().isVisible());
        QCOMPARE(ui().itemList().count(), 1);
        user().fileName = m_dir.filePath("new.mvn");
        window().newJob();
        QCOMPARE(ui().itemList().count(), 0);
        // The save dialog offers job files and adds their suffix.
        QCOMPARE(user().lastFileQuestion.filter, QStringLiteral("Beam sections *.mvn (*.mvn)"));
        QCOMPARE(user().lastFileQuestion.defaultSuffix, QStringLiteral("mvn"));
        QVERIFY(window().loadJob(user().fileName));
        QCOMPARE(ui().itemList().count(), 1);
        window().newJob();

        listTubes(window(), {"40x20x3"});
        user().fileName = m_dir.filePath("closing.mvn");
        window().close();
        QVERIFY(QFile::exists(user().fileName));
        QVERIFY(!window().isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
