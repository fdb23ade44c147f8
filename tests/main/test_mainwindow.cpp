#include "helpwindow.h"
#include "main_window_helpers.h"
#include "itemgriddelegate.h"
#include "materialbar.h"
#include "sectionpage.h"
#include "mainwindow.h"
#include "printpreviewwindow.h"
#include "reportwindow.h"
#include "requirementwindow.h"
#include "settingswindow.h"
#include "resultspanelview.h"
#include "translationwindow.h"
#include "unitswindow.h"

#include "settings/desktop_shell.h"
#include "itemlist/item_list.h"
#include "output/report_page.h"
#include "catalogue/profile_catalogue.h"
#include "sections/tab_computations.h"
#include "settings/message_table.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {
struct RecordingShell : DesktopShell {
    QStringList opened;
    bool opens = false; // whether a launcher takes the page
    bool open(const QString& path) override
    {
        opened << path;
        return opens;
    }
};
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> m_window;
    QStringList m_messages;
    int m_questions = 0;

    MainWindow& window() { return *m_window; }

    QString panelValue(SectionKind kind, int y)
    {
        for (const PanelLine& line : window().resultsPanel(kind)->panel().lines())
            if (line.y == y)
                return line.value;
        return {};
    }
    PanelColour colourAt(SectionKind kind, int y)
    {
        for (const PanelLine& line : window().resultsPanel(kind)->panel().lines())
            if (line.y == y)
                return line.colour;
        return PanelColour::Grey;
    }
    void clickToList(SectionKind kind) { QTest::mouseClick(window().toListButton(kind), Qt::LeftButton); }
    void listPlate(const QString& entry = QStringLiteral("1 mm steel plate"))
    {
        selectEntry(window(), SectionKind::Plate, entry);
        window().field(SectionKind::Plate, 0)->setText("1000");
        window().field(SectionKind::Plate, 1)->setText("2000");
        clickToList(SectionKind::Plate);
    }
    void answerYes() { window().askYesNo = [](const QString&) { return true; }; }
    QString cell(int row, int column) { return window().itemList().row(row).cells[std::size_t(column)]; }

private slots:
    void init()
    {
        m_window = std::make_unique<MainWindow>();
        m_messages.clear();
        m_questions = 0;
        m_window->showMessage = [this](const QString& text) { m_messages << text; };
        m_window->askYesNo = [this](const QString&) {
            ++m_questions;
            return false;
        };
        m_window->askSaveChanges = [this](const QString&) {
            ++m_questions;
            return SaveAnswer::No;
        };
        // No test may wait on a real input box.
        m_window->askText = [](const QString&, const QString&, const QString&) { return QString(); };
        m_window->show();
    }
    void cleanup() { m_window.reset(); }

    void captionAndStartPanel()
    {
        QCOMPARE(window().windowTitle(), QStringLiteral("Morvane *** Computation of geometric properties ***"));
        QVERIFY(window().startButton()->isVisible());
        QCOMPARE(window().startButton()->text(), QStringLiteral("Click to Start"));
        auto* version = window().findChild<QLabel*>("Label69");
        QVERIFY(version && version->isVisible());
        QCOMPARE(window().tabBar()->count(), 10);
        QCOMPARE(window().itemGrid()->model()->rowCount(), 1);
        QCOMPARE(window().itemGrid()->columnWidth(2), 137);
        QVERIFY(!window().itemGrid()->isEnabled());
        // Before the start no tab shows its section.
        window().tabBar()->setCurrentIndex(3);
        window().tabBar()->setCurrentIndex(0);
        for (SectionKind kind : AllSectionKinds)
            QVERIFY(!window().sectionPanel(kind)->isVisible());
        QVERIFY(!window().state().SectionsEnabled);
    }

    void startShowsTheRectangularTab()
    {
        QTest::mouseClick(window().startButton(), Qt::LeftButton);
        QVERIFY(window().state().SectionsEnabled);
        QVERIFY(window().sectionPanel(SectionKind::RectHollow)->isVisible());
        QVERIFY(window().itemGrid()->isEnabled());
        QCOMPARE(window().tabBar()->tabText(0), QStringLiteral("Rectangular hollow section"));
        QVERIFY(window().statusBar()->findChildren<QLabel*>().first()->text().contains("Name of job - Noname -"));
        // Row 1 is a group row: nothing computed.
        QVERIFY(!window().toListButton(SectionKind::RectHollow)->isEnabled());
    }

    // A catalogue entry of each kind shows its panel and can be listed; the
    // group heading above it clears the panel and the button.
    void catalogueEntriesComputeAndHeadingsClear()
    {
        window().start();
        const struct {
            SectionKind kind;
            const char* entry;
            int y;
            const char* value;
            const char* heading;
        } cases[] = {
            {SectionKind::RectHollow, "40x20x3", 48, "1.89 [cm4]", nullptr},
            {SectionKind::FlatBar, "R. section 10x3", 35, "0.30 [cm2]", "Ribbon section 20x..."},
            {SectionKind::I, "HR I80x42", 74, "19.45 [cm3]", "Hot rolled I section"},
            {SectionKind::Plate, "0.5 mm steel plate", 22, "3.925 Kg/m2", "Steel plates"},
        };
        for (const auto& c : cases) {
            selectEntry(window(), c.kind, c.entry);
            QVERIFY2(window().sectionPanel(c.kind)->isVisible(), c.entry);
            const QString shown = panelValue(c.kind, c.y);
            QVERIFY2(shown == QLatin1String(c.value), qPrintable(QString(c.entry) + ": " + shown));
            QVERIFY2(window().toListButton(c.kind)->isEnabled() || c.kind == SectionKind::Plate, c.entry);
            if (!c.heading)
                continue;
            selectEntry(window(), c.kind, c.heading);
            QVERIFY2(!window().toListButton(c.kind)->isEnabled(), c.heading);
            QVERIFY2(window().resultsPanel(c.kind)->panel().isEmpty(), c.heading);
        }
        selectEntry(window(), SectionKind::FlatBar, "R. section 10x3");
        QCOMPARE(window().dataBox(SectionKind::FlatBar)->title(), QStringLiteral("R. section 10x3"));
        // A catalogue tube shows its sizes in locked fields, its title and labels.
        selectEntry(window(), SectionKind::RectHollow, "40x20x3");
        QCOMPARE(panelValue(SectionKind::RectHollow, 22), QStringLiteral("2.54 [Kg/m]"));
        QCOMPARE(window().dataBox(SectionKind::RectHollow)->title(), QStringLiteral("40x20x3 Rectangular hollow section"));
        QCOMPARE(window().field(SectionKind::RectHollow, 0)->text(), QStringLiteral("40"));
        QVERIFY(!window().field(SectionKind::RectHollow, 0)->isEnabled());
        QCOMPARE(window().labels().size(), std::size_t(3));
        selectEntry(window(), SectionKind::L, "L section 30x45x5");
        QCOMPARE(window().resultsPanel(SectionKind::L)->panel().lines().back().label,
                 QStringLiteral("e /Centroid/: e1=29.7 e2=22.3 mm"));
        // The plate has no rotation; its length fields open with an entry.
        selectEntry(window(), SectionKind::Plate, "0.5 mm steel plate");
        QCOMPARE(window().rotationCaption()->text(), QStringLiteral("0 degrees"));
        QVERIFY(!window().rotateButton()->isEnabled());
        QVERIFY(window().field(SectionKind::Plate, 0)->isEnabled());
        QVERIFY(window().plateRecord() >= 0);
        selectEntry(window(), SectionKind::Plate, "Steel plates");
        QVERIFY(!window().field(SectionKind::Plate, 0)->isEnabled());
    }

    void customTubeFiltersAndRecomputes()
    {
        window().start();
        selectEntry(window(), SectionKind::RectHollow);
        QLineEdit* a = window().field(SectionKind::RectHollow, 0);
        QVERIFY(a->isEnabled());
        QCOMPARE(a->text(), QStringLiteral("20"));
        a->selectAll();
        QTest::keyClicks(a, "1234");
        QCOMPARE(a->text(), QStringLiteral("123"));
        QCOMPARE(window().dataBox(SectionKind::RectHollow)->title(), QStringLiteral("123x20x1 Rectangular hollow section"));
        window().field(SectionKind::RectHollow, 2)->setText("11");
        QVERIFY(!window().toListButton(SectionKind::RectHollow)->isEnabled());
        QCOMPARE(window().resultsPanel(SectionKind::RectHollow)->panel().texts().at(0).text,
                 QStringLiteral("Error wrong data !"));
        QVERIFY(m_messages.isEmpty());
    }

    // A held key computes once at its release, wherever the release lands.
    void holdingAKeyComputesOnceAtRelease()
    {
        window().start();
        QTreeWidget* tree = selectEntry(window(), SectionKind::RectHollow, "40x20x3");
        tree->expandAll();
        const QString before = panelValue(SectionKind::RectHollow, 48);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(tree, &press);
        QVERIFY(!window().state().TreeUpdateEnabled);
        tree->setCurrentItem(tree->itemBelow(tree->currentItem()));
        QCOMPARE(panelValue(SectionKind::RectHollow, 48), before); // held off
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(tree, &release);
        QVERIFY(window().state().TreeUpdateEnabled);
        QCOMPARE(window().dataBox(SectionKind::RectHollow)->title(),
                 tree->currentItem()->text(0) + " Rectangular hollow section");

        QTest::keyPress(tree, Qt::Key_Tab);
        QVERIFY(!window().state().TreeUpdateEnabled);
        // Tab moved the focus: the key comes up on the E modulus box.
        QTest::keyRelease(window().eModulusBox(), Qt::Key_Tab);
        QVERIFY(window().state().TreeUpdateEnabled);
        selectEntry(window(), SectionKind::RectHollow, "60x60x5");
        QCOMPARE(window().dataBox(SectionKind::RectHollow)->title(),
                 QStringLiteral("60x60x5 Rectangular hollow section"));
        clickToList(SectionKind::RectHollow);
        QCOMPARE(cell(1, 2), QStringLiteral("60x60x5 RH Section"));
    }

    void mouseSelectionInATreeAlwaysComputes()
    {
        window().start();
        window().tabBar()->setCurrentIndex(int(SectionKind::L));
        QTreeWidget* tree = window().tree(SectionKind::L);
        tree->expandAll();
        QTest::keyPress(tree, Qt::Key_Down); // its release never comes
        QVERIFY(!window().state().TreeUpdateEnabled);
        QTreeWidgetItem* item = nullptr;
        for (QTreeWidgetItemIterator it(tree); *it && !item; ++it)
            if ((*it)->childCount() == 0 && (*it)->text(0) != QStringLiteral("Custom-designed section"))
                item = *it;
        QVERIFY(item);
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
        QCOMPARE(tree->currentItem(), item);
        QVERIFY(window().state().TreeUpdateEnabled);
        QCOMPARE(window().dataBox(SectionKind::L)->title(), item->text(0));
    }

    void pipeTabRecomputesCustomWithoutChangingText()
    {
        window().start();
        selectEntry(window(), SectionKind::CircHollow);
        QLineEdit* d = window().field(SectionKind::CircHollow, 0);
        QCOMPARE(d->text(), QStringLiteral("22"));
        window().tabBar()->setCurrentIndex(0);
        window().tabBar()->setCurrentIndex(1);
        QCOMPARE(d->text(), QStringLiteral("22"));
        QCOMPARE(window().dataBox(SectionKind::CircHollow)->title(), QStringLiteral("Pipe 22x2"));
        QVERIFY(window().toListButton(SectionKind::CircHollow)->isEnabled());
        QCOMPARE(window().rotationCaption()->text(), QStringLiteral("0 degrees"));
        QCOMPARE(window().tabBar()->tabText(1), QStringLiteral("Circular Hollow Section"));
    }

    void eachTabKeepsItsOwnAngle()
    {
        window().start();
        selectEntry(window(), SectionKind::RectHollow, "40x20x3");
        const QString ix0 = panelValue(SectionKind::RectHollow, 48);
        const QString iy0 = panelValue(SectionKind::RectHollow, 61);
        QString answer = "90";
        QStringList asked;
        window().askText = [&](const QString& caption, const QString& prompt, const QString& initial) {
            asked << caption << prompt << initial;
            return answer;
        };
        QVERIFY(window().rotateButton()->isEnabled());
        QTest::mouseClick(window().rotateButton(), Qt::LeftButton);
        QCOMPARE(asked, (QStringList{"Rotate section", "Rotate section : 0..359 degrees", "0"}));
        QCOMPARE(window().rotationCaption()->text(), QStringLiteral("90 degrees"));
        QCOMPARE(panelValue(SectionKind::RectHollow, 48), iy0);
        QCOMPARE(panelValue(SectionKind::RectHollow, 61), ix0);

        window().tabBar()->setCurrentIndex(1);
        QCOMPARE(window().rotationCaption()->text(), QStringLiteral("0 degrees"));
        QVERIFY(!window().rotateButton()->isEnabled());
        window().tabBar()->setCurrentIndex(0);
        QCOMPARE(window().rotationCaption()->text(), QStringLiteral("90 degrees"));
        QCOMPARE(window().angle(SectionKind::RectHollow), 90);

        answer = "360";
        window().rotateSection();
        QCOMPARE(m_messages, QStringList{"Error wrong data !"});
        QCOMPARE(window().angle(SectionKind::RectHollow), 90);
        answer = "359";
        window().rotateSection();
        QCOMPARE(window().angle(SectionKind::RectHollow), 359);
        answer = "0";
        window().rotateSection();
        QCOMPARE(panelValue(SectionKind::RectHollow, 48), ix0);
    }

    void uArrangementBoxesActAsOneChoice()
    {
        window().start();
        selectEntry(window(), SectionKind::U);
        QCOMPARE(window().dataBox(SectionKind::U)->title(), QStringLiteral("U 40x10x(3x3) section"));
        QButtonGroup* boxes = window().uArrangement();
        QVERIFY(boxes->button(0)->isEnabled());
        QTest::mouseClick(boxes->button(0), Qt::LeftButton, {}, QPoint(6, 6)); // a ticked box stays ticked
        QVERIFY(boxes->button(0)->isChecked());
        QTest::mouseClick(boxes->button(2), Qt::LeftButton, {}, QPoint(6, 6));
        QVERIFY(boxes->button(2)->isChecked());
        QVERIFY(!boxes->button(0)->isChecked());
        QCOMPARE(window().dataBox(SectionKind::U)->title(), QStringLiteral("2xU ][ 40x10x(3x3) section"));
        QVERIFY(window().toListButton(SectionKind::U)->isEnabled());
        // A field the check refuses: tw equal to B.
        window().field(SectionKind::U, 2)->setText("40");
        QVERIFY(!window().toListButton(SectionKind::U)->isEnabled());
    }

    void toListWritesTheRowWithItsPicture()
    {
        window().start();
        listTubes(window(), {"40x20x3"});
        QCOMPARE(window().itemList().count(), 1);
        const ListRow& row = window().itemList().row(1);
        QCOMPARE(row.cells[0], QStringLiteral("1"));
        QCOMPARE(row.cells[2], QStringLiteral("40x20x3 RH Section"));
        QCOMPARE(row.cells[11], QStringLiteral("300&-300"));
        QVERIFY(!row.RowPicture.isNull());
        QVERIFY(row.RowPicture.colorCount() <= 16);
        QCOMPARE(window().state().NextListRow, 2);
        QAbstractItemModel* model = window().itemGrid()->model();
        QCOMPARE(model->data(model->index(0, 5)).toString(), QStringLiteral("3.240000&2.54"));
        QVERIFY(window().itemGrid()->selectionModel()->isRowSelected(0, {}));

        // A refused listing shows why and changes nothing.
        window().tensileField()->setText("0");
        clickToList(SectionKind::RectHollow);
        QCOMPARE(m_messages, QStringList{"Error. Max.Tensil<=0 !"});
        QCOMPARE(window().itemList().count(), 1);
    }

    void refusedSectionsAreNotListed()
    {
        window().start();
        // A square tube with a wall of half its width is solid: the button
        // is on, the listing refuses it.
        selectEntry(window(), SectionKind::RectHollow);
        window().field(SectionKind::RectHollow, 2)->setText("10");
        QVERIFY(window().toListButton(SectionKind::RectHollow)->isEnabled());
        clickToList(SectionKind::RectHollow);
        QCOMPARE(m_messages, QStringList{"Error wrong data !"});
        QVERIFY(window().itemList().isEmpty());
        // A pipe of zero size: the button goes off and a direct call lists nothing.
        selectEntry(window(), SectionKind::CircHollow);
        QVERIFY(window().toListButton(SectionKind::CircHollow)->isEnabled());
        window().field(SectionKind::CircHollow, 1)->setText("0.0");
        window().field(SectionKind::CircHollow, 0)->setText("0.0");
        QVERIFY(!window().toListButton(SectionKind::CircHollow)->isEnabled());
        window().toList(SectionKind::CircHollow);
        QVERIFY(window().itemList().isEmpty());
    }

    void deleteAsksThenRemovesExactlyTheSelectedRows()
    {
        window().start();
        listTubes(window(), {"20x20x2", "30x30x2", "40x20x2", "40x40x2"});
        clickCell(window(), 0, 3);
        clickCell(window(), 2, 3, Qt::ControlModifier);
        QStringList unselected;
        for (int r = 0; r < 4; ++r)
            if (!window().itemGrid()->selectionModel()->isRowSelected(r, {}))
                unselected << cell(r + 1, 2);
        QVERIFY(unselected.size() < 4);
        window().deleteSelectedItems();
        QCOMPARE(m_questions, 1);
        QCOMPARE(window().itemList().count(), 4); // answered No
        answerYes();
        QTest::mouseClick(window().deleteButton(), Qt::LeftButton);
        QStringList left;
        for (int r = 1; r <= window().itemList().count(); ++r)
            left << cell(r, 2);
        QCOMPARE(left, unselected);
    }

    void correctionOverwritesTheSelectedRowAfterDeleteAndUnits()
    {
        window().start();
        listTubes(window(), {"20x20x2", "30x30x2", "40x20x2"});
        answerYes();
        clickCell(window(), 2, 2);
        window().deleteSelectedItems();
        QCOMPARE(window().itemList().count(), 2);

        // The selection survives the rebuilt grid; the correction overwrites it.
        clickCell(window(), 0, 2);
        window().correctSelectedItem();
        applyUnitChoices(window(), {{4, 3}}); // inertias in mm4
        QVERIFY(window().state().RowBlinkEnabled);
        listTubes(window(), {"60x60x5"});
        QCOMPARE(window().itemList().count(), 2);
        QCOMPARE(cell(1, 2), QStringLiteral("60x60x5 RH Section"));
        QCOMPARE(cell(2, 2), QStringLiteral("30x30x2 RH Section"));
        QVERIFY(window().state().RowBlinkEnabled);
        // A click on a cell ends the correction.
        clickCell(window(), 1, 2);
        QVERIFY(!window().state().RowBlinkEnabled);
    }

    void keyboardSelectionEndsACorrection()
    {
        window().start();
        listTubes(window(), {"20x20x2", "30x30x2"});
        clickCell(window(), 0, 2);
        window().correctSelectedItem();
        QVERIFY(window().state().RowBlinkEnabled);
        window().itemGrid()->setFocus();
        QTest::keyClick(window().itemGrid(), Qt::Key_Down);
        QVERIFY(!window().state().RowBlinkEnabled);
        QCOMPARE(window().state().SelectedRow, 2);
        // The next To List appends again.
        listTubes(window(), {"40x40x2"});
        QCOMPARE(window().itemList().count(), 3);
    }

    void contextMenuOffersDeleteAndCorrection()
    {
        window().start();
        listTubes(window(), {"20x20x2", "30x30x2"});
        QTableView* grid = window().itemGrid();
        const QPoint at = grid->visualRect(grid->model()->index(1, 3)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        emit grid->customContextMenuRequested(at);
        QMenu* popup = nullptr;
        for (QMenu* menu : window().findChildren<QMenu*>())
            if (menu->isVisible())
                popup = menu;
        QVERIFY(popup);
        const QList<QAction*> actions = popup->actions();
        QCOMPARE(actions.size(), 2);
        QCOMPARE(actions[0]->text(), QStringLiteral("Delete selected item(s)"));
        QCOMPARE(actions[1]->text(), QStringLiteral("Correction selected item..."));
        popup->hide();
        actions[1]->trigger();
        QVERIFY(window().state().RowBlinkEnabled);
        answerYes();
        actions[0]->trigger();
        QVERIFY(!window().state().RowBlinkEnabled);
        QCOMPARE(window().itemList().count(), 1);
        QCOMPARE(cell(1, 2), QStringLiteral("20x20x2 RH Section"));
    }

    void rowsAlternateFromTheOddFirstItem()
    {
        window().start();
        listTubes(window(), {"20x20x2", "30x30x2", "40x20x2"});
        QTableView* grid = window().itemGrid();
        clickCell(window(), 2, 2);
        const QImage image = grid->viewport()->grab().toImage();
        const auto background = [&](int row) {
            const QRect rect = grid->visualRect(grid->model()->index(row, 0));
            return image.pixelColor(rect.left() + 2, rect.top() + 2);
        };
        QCOMPARE(background(0), QColor(240, 242, 249));
        QCOMPARE(background(1), QColor(224, 228, 243));
        QCOMPARE(background(2), QColor(250, 255, 234)); // selected
    }

    void aSelectedRowGrowsForItsWrappedDesignation()
    {
        window().start();
        selectEntry(window(), SectionKind::RectHollow, "40x20x3");
        window().askText = [](const QString&, const QString&, const QString&) { return QStringLiteral("30"); };
        window().rotateSection();
        listTubes(window(), {"40x20x3"});
        QCOMPARE(cell(1, 2), QStringLiteral("40x20x3 RH Section Rotate :30 deg."));

        ListRow typed;
        typed.cells[1] = QStringLiteral("10");
        typed.cells[2] = QStringLiteral("Welded box girder of the crane runway, east bay, with stiffeners");
        window().itemList().put(2, typed);
        listTubes(window(), {"20x20x2"});
        QTableView* grid = window().itemGrid();
        clickCell(window(), 1, 3);
        const QFontMetrics bold(ItemGridDelegate::cellFont(true));
        const int width = grid->columnWidth(2) - 4;
        const int lines = int(ItemGridDelegate::wrapDesignation(typed.cells[2], bold, width).size());
        QVERIFY(lines * bold.height() >= 33);
        QCOMPARE(grid->rowHeight(1), lines * bold.height());
        QCOMPARE(grid->rowHeight(0), 32);
        clickCell(window(), 0, 3);
        QCOMPARE(grid->rowHeight(1), 32);
        QCOMPARE(grid->rowHeight(0), ItemGridDelegate::designationHeight(cell(1, 2), bold, width));
    }

    void designationWrapsOnlyWhenTooWide()
    {
        const QFontMetrics metrics(ItemGridDelegate::cellFont(false));
        const QString shortText = QStringLiteral("HR I80x42");
        QCOMPARE(ItemGridDelegate::wrapDesignation(shortText, metrics, metrics.horizontalAdvance(shortText)),
                 QStringList{shortText});
        const QStringList lines =
            ItemGridDelegate::wrapDesignation(QStringLiteral("40x20x3 RH Section Rotate :30 deg."), metrics, 80);
        QVERIFY(lines.size() >= 2);
        for (const QString& line : lines)
            QVERIFY(!line.startsWith(QLatin1Char(' ')));
        QCOMPARE(lines.join(QLatin1Char(' ')), QStringLiteral("40x20x3 RH Section Rotate :30 deg."));
        QCOMPARE(ItemGridDelegate::designationHeight(shortText, metrics, 200), 32);
    }

    void newJobSelectsTheFirstRowAndAsksToSave()
    {
        window().start();
        listTubes(window(), {"20x20x2", "30x30x2"});
        window().newJob();
        QCOMPARE(m_questions, 1);
        QVERIFY(window().itemList().isEmpty());
        QCOMPARE(window().itemGrid()->model()->rowCount(), 1);
        QCOMPARE(window().itemGrid()->currentIndex().row(), 0);
        QVERIFY(window().itemGrid()->selectionModel()->isRowSelected(0, {}));
    }

    // The status panels total the plate rows as the list changes.
    void plateTotalsFollowTheList()
    {
        window().start();
        listTubes(window(), {"40x20x3"});
        selectEntry(window(), SectionKind::Plate, "1 mm steel plate");
        QVERIFY(!window().toListButton(SectionKind::Plate)->isEnabled()); // lengths still zero
        listPlate();
        QCOMPARE(window().statusPanel(1)->text(), QStringLiteral("Total weight:    15.7 Kg"));
        QCOMPARE(window().statusPanel(2)->text(), QStringLiteral("Total outside:    4.00 m2"));
        // Deleting the plate row empties both panels.
        answerYes();
        clickCell(window(), 1, 3);
        window().deleteSelectedItems();
        QCOMPARE(window().itemList().count(), 1);
        QCOMPARE(window().statusPanel(1)->text(), QString());
        QCOMPARE(window().statusPanel(2)->text(), QString());
        listPlate();
        listPlate();
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(window().statusPanel(1)->text(), QStringLiteral("Total weight:    31.4 Kg"));
        QCOMPARE(window().statusPanel(2)->text(), QStringLiteral("Total outside:    8.00 m2"));
        // A zero length disables the button.
        window().field(SectionKind::Plate, 0)->setText("0");
        QVERIFY(!window().toListButton(SectionKind::Plate)->isEnabled());
        // Plate rows keep their texts through a change of units.
        applyUnitChoices(window(), {{3, 1}});
        QCOMPARE(cell(2, 6), QStringLiteral(" 15.70"));
        window().newJob();
        QCOMPARE(window().statusPanel(1)->text(), QString());
        QCOMPARE(window().statusPanel(2)->text(), QString());
    }

    void plateLengthsSurviveUnitsAndLimits()
    {
        window().start();
        selectEntry(window(), SectionKind::Plate, "1 mm steel plate");
        window().field(SectionKind::Plate, 0)->setText("1000");
        window().field(SectionKind::Plate, 1)->setText("2000");
        applyUnitChoices(window(), {{3, 1}});
        QCOMPARE(window().field(SectionKind::Plate, 0)->text(), QStringLiteral("1000"));
        QCOMPARE(window().field(SectionKind::Plate, 1)->text(), QStringLiteral("2000"));
        RequirementWindow* req = window().requirementWindow();
        req->minField(0)->setText("0");
        req->maxField(0)->setText("100");
        req->box(0)->setChecked(true);
        req->recheck();
        window().recomputeCurrent();
        QCOMPARE(window().field(SectionKind::Plate, 0)->text(), QStringLiteral("1000"));
        QVERIFY(window().toListButton(SectionKind::Plate)->isEnabled());
        // Another plate starts from zero lengths.
        selectEntry(window(), SectionKind::Plate, "2 mm steel plate");
        QCOMPARE(window().field(SectionKind::Plate, 0)->text(), QStringLiteral("0"));
    }

    void unitsWindowWithoutOkChangesNothing()
    {
        window().start();
        listTubes(window(), {"40x20x3"});
        const QString header = window().itemGrid()->model()->headerData(5, Qt::Horizontal).toString();
        QCOMPARE(header, QStringLiteral("Area[cm2]\nweightKg/m"));
        applyUnitChoices(window(), {}); // OK without a change
        QCOMPARE(window().itemGrid()->model()->headerData(5, Qt::Horizontal).toString(), header);
        QCOMPARE(cell(1, 5), QStringLiteral("3.240000"));

        UnitsWindow* units = window().unitsWindow();
        QTimer::singleShot(0, units, [units] {
            units->choose(3, 1);
            units->reject();
        });
        window().showUnitsWindow();
        QCOMPARE(window().job().units().digits(), QStringLiteral("1122233"));
        QCOMPARE(cell(1, 5), QStringLiteral("3.240000"));
    }

    void unitsReexpressListFieldsAndPanel()
    {
        window().start();
        listTubes(window(), {"40x20x3"});
        UnitsWindow* units = window().unitsWindow();
        units->setUnits(window().job().units());
        units->choose(1, 2); // E modulus in N/cm2
        QVERIFY(!units->defaultBox()->isChecked());
        window().applyUnits(units->units());
        QCOMPARE(window().eModulusBox()->currentText(), QStringLiteral("Steel : 21000000"));
        QCOMPARE(cell(1, 3), QStringLiteral("21000000"));
        // Picking a re-expressed item keeps it whole; listing stores base units.
        window().eModulusBox()->setCurrentIndex(1);
        QCOMPARE(window().eModulusBox()->currentText(), QStringLiteral("Aluminium : 7000000"));
        clickToList(SectionKind::RectHollow);
        QCOMPARE(double(window().itemList().row(2).ItemValues[0]), 70000000.0);
        window().eModulusBox()->setCurrentIndex(0);
        units->choose(1, 1);
        QVERIFY(units->defaultBox()->isChecked());
        window().applyUnits(units->units());
        QCOMPARE(window().eModulusBox()->currentText(), QStringLiteral("Steel : 210000000"));
        QCOMPARE(cell(1, 3), QStringLiteral("210000000"));

        units->choose(6, 1); // stresses in KN/m2
        units->choose(3, 1); // areas in m2
        window().applyUnits(units->units());
        QCOMPARE(window().tensileField()->text(), QStringLiteral("300000.00"));
        QCOMPARE(window().pressureField()->text(), QStringLiteral("-300000.00"));
        QCOMPARE(window().itemGrid()->model()->headerData(5, Qt::Horizontal).toString(),
                 QStringLiteral("Area[m2]\nWeight[Kg/m]"));
        QCOMPARE(panelValue(SectionKind::RectHollow, 35), QStringLiteral("0.000324 [m2]"));
        QAbstractItemModel* model = window().itemGrid()->model();
        QCOMPARE(model->data(model->index(0, 5)).toString(), QStringLiteral("0.000324&2.54"));

        for (int row = 1; row <= 6; ++row)
            units->choose(row, 2);
        QVERIFY(!units->defaultBox()->isChecked());
        units->defaultBox()->click();
        QCOMPARE(units->units().digits(), QStringLiteral("1122233"));
    }

    // The unit choice reaches the requirement window: captions and typed
    // limits are re-expressed, and a usable pair stays usable.
    void requirementCaptionsAndLimitsFollowTheUnits()
    {
        window().start();
        RequirementWindow* req = window().requirementWindow();
        QCOMPARE(req->size(), QSize(368, 404));
        QCOMPARE(req->box(1)->text(), QStringLiteral("Ix /Moment of inertia / [cm4] :"));
        req->minField(1)->setText("0.001");
        req->maxField(1)->setText("0.002");
        QVERIFY(req->box(1)->isEnabled());
        applyUnitChoices(window(), {{4, 1}, {5, 3}}); // m4, mm3
        QCOMPARE(req->box(1)->text(), QStringLiteral("Ix /Moment of inertia / [m4] :"));
        QCOMPARE(req->box(6)->text(), QStringLiteral("Kxx /Torsion resistance / [mm3] :"));
        QCOMPARE(req->minField(1)->text(), QStringLiteral("0.00000000001"));
        QCOMPARE(req->maxField(1)->text(), QStringLiteral("0.00000000002"));
        QVERIFY(req->box(1)->isEnabled());
    }

    void requirementLimitsColourThePanel()
    {
        window().start();
        selectEntry(window(), SectionKind::RectHollow, "40x20x3"); // area 3.24 cm2
        RequirementWindow* req = window().requirementWindow();
        window().showRequirementWindow();
        QVERIFY(req->isVisible());
        QVERIFY(!(req->windowFlags() & Qt::WindowStaysOnTopHint)); // above the main window only
        QCOMPARE(req->parentWidget(), &window());
        QVERIFY(!req->isModal());
        req->minField(0)->setText("10");
        req->maxField(0)->setText("5");
        QVERIFY(!req->box(0)->isEnabled());
        req->minField(0)->setText("1.2.3");
        QCOMPARE(req->minField(0)->text(), QStringLiteral("1.23"));
        req->minField(0)->setText("0");
        req->maxField(0)->setText("100");
        QVERIFY(req->box(0)->isEnabled());
        req->box(0)->setChecked(true);
        // Nobody calls recheck: the window's own once-a-second check does.
        QTRY_COMPARE_WITH_TIMEOUT(colourAt(SectionKind::RectHollow, 35), PanelColour::Green, 3000);
        req->maxField(0)->setText("3");
        req->recheck();
        QCOMPARE(colourAt(SectionKind::RectHollow, 35), PanelColour::Yellow);
        req->box(0)->setChecked(false);
        req->recheck();
        QCOMPARE(colourAt(SectionKind::RectHollow, 35), PanelColour::Neutral);
        // A new density recomputes the panel.
        const QString weight = panelValue(SectionKind::RectHollow, 22);
        window().densityBox()->setCurrentIndex(1);
        QTRY_VERIFY_WITH_TIMEOUT(panelValue(SectionKind::RectHollow, 22) != weight, 3000);
    }

    // Typing into the material and dimension fields: filters, and the
    // stand-in an emptied field shows, selected so that typing replaces it.
    void fieldsFilterTypingAndShowStandIns()
    {
        window().start();
        selectEntry(window(), SectionKind::RectHollow); // typed dimensions: 20 x 20 x 1
        QLineEdit* b = window().field(SectionKind::RectHollow, 1);
        const struct {
            QLineEdit* edit;
            bool keys; // typed key by key, else set as one text
            const char* typed;
            const char* shown;
        } filters[] = {
            {window().eModulusBox()->lineEdit(), false, "21a0", "210"},
            {window().eModulusBox()->lineEdit(), true, "abc210000", "210000"},
            {window().densityBox()->lineEdit(), false, "78.5.", "78.5"},
            {window().densityBox()->lineEdit(), false, "Steel : 7850", "Steel : 7850"},
            {window().pressureField(), false, "5", "-5"},
            {b, true, "15", "15"}, // a "1" typed is kept and extended
        };
        for (const auto& f : filters) {
            if (f.keys) {
                f.edit->selectAll();
                QTest::keyClicks(f.edit, f.typed);
            } else {
                f.edit->setText(f.typed);
            }
            QVERIFY2(f.edit->text() == QLatin1String(f.shown), f.typed);
        }
        const auto standIn = [](QLineEdit* edit, const char* shown, const char* typed) {
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
            QVERIFY2(edit->text() == QLatin1String(shown), qPrintable(edit->text()));
            QTest::keyClicks(edit, typed);
            QVERIFY2(edit->text() == QLatin1String(typed), qPrintable(edit->text()));
        };
        b->setFocus();
        standIn(b, "1", "20");
        standIn(window().tensileField(), "120", "250");
        standIn(window().pressureField(), "-120", "-80");
        standIn(window().poissonBox()->lineEdit(), "0.3", "0.25");
        window().poissonBox()->setEditText("");
        QCOMPARE(window().poissonBox()->currentText(), QStringLiteral("0.3"));

        selectEntry(window(), SectionKind::Plate, "1 mm steel plate");
        QLineEdit* length = window().field(SectionKind::Plate, 0);
        QVERIFY(length->isEnabled());
        length->setText("12a");
        QCOMPARE(length->text(), QStringLiteral("12"));
        standIn(length, "0", "750");
        length->setText("");
        QCOMPARE(length->text(), QStringLiteral("0"));
    }

    void jobNameIsCutTo24Characters()
    {
        window().askText = [](const QString&, const QString& prompt, const QString&) {
            return prompt == QStringLiteral("Name of job /max.24 characters/ :") ? QString(30, 'j') : QString();
        };
        window().start();
        window().newJob();
        QCOMPARE(window().job().name(), QString(24, 'j'));
        QCOMPARE(window().statusPanel(0)->text(), QStringLiteral("Name of job - ") + QString(24, 'j') + " -");
        window().askText = [](const QString&, const QString&, const QString&) { return QString(); };
        window().changeJobName();
        QCOMPARE(window().job().name(), QStringLiteral("Noname"));

        // The real input box takes no more than 24 characters.
        MainWindow fresh;
        fresh.show();
        fresh.start();
        QString typed;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto* edit = dialog->findChild<QLineEdit*>();
            edit->selectAll();
            QTest::keyClicks(edit, QString(30, QLatin1Char('k')));
            typed = edit->text();
            dialog->accept();
        });
        fresh.changeJobName();
        QCOMPARE(typed, QString(24, QLatin1Char('k')));
        QCOMPARE(fresh.job().name(), QString(24, QLatin1Char('k')));
    }

    void visibleRowsFollowTheWindowSize()
    {
        QCOMPARE(MainWindow::visibleListRowsFor(760, 800), 2);
        QCOMPARE(MainWindow::visibleListRowsFor(780, 1000), 12);
        QCOMPARE(MainWindow::visibleListRowsFor(780, 574), 2);
        QCOMPARE(MainWindow::visibleListRowsFor(780, 686), 2); // 16/32 = 0.5 rounds to 0
        QCOMPARE(MainWindow::visibleListRowsFor(780, 718), 4); // 1.5 rounds to 2
        QCOMPARE(window().maximumWidth(), 780);
        QCOMPARE(window().minimumWidth(), 350);
        QCOMPARE(window().minimumHeight(), 300);
    }

    void closingAsksOnlyWithItems()
    {
        window().start();
        listTubes(window(), {"40x20x3"});
        window().close();
        QCOMPARE(m_questions, 1);
        QVERIFY(!window().isVisible());
    }

    void closingAnEmptyListAsksNothing()
    {
        window().start();
        window().close();
        QCOMPARE(m_questions, 0);
    }

    void saveQuestionOffersCancel()
    {
        window().start();
        listTubes(window(), {"40x20x3"});
        SaveAnswer answer = SaveAnswer::Cancel;
        QStringList asked;
        window().askSaveChanges = [&](const QString& text) {
            asked << text;
            return answer;
        };
        // Cancel keeps the list and the program.
        window().newJob();
        QCOMPARE(window().itemList().count(), 1);
        window().close();
        QVERIFY(window().isVisible());
        QCOMPARE(window().itemList().count(), 1);
        QVERIFY(!window().state().CloseAllowed);
        QCOMPARE(asked, QStringList(2, QStringLiteral("Save changes to job ?")));
        // Yes at closing saves, then closes.
        answer = SaveAnswer::Yes;
        QTemporaryDir folder;
        int saves = 0;
        window().askSaveFileName = [&](const QString&) {
            ++saves;
            return folder.filePath(QStringLiteral("job.mvn"));
        };
        window().close();
        QCOMPARE(saves, 1);
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("job.mvn"))));
        QVERIFY(!window().isVisible());
    }

    void escapeOnTheSaveQuestionCancels()
    {
        MainWindow fresh; // its own message box, not the tests' answers
        fresh.askText = [](const QString&, const QString&, const QString&) { return QString(); };
        fresh.show();
        fresh.start();
        QTreeWidget* tree = fresh.tree(SectionKind::RectHollow);
        tree->setCurrentItem(findItem(tree, "40x20x3"));
        fresh.toList(SectionKind::RectHollow);
        QCOMPARE(fresh.itemList().count(), 1);
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = box->text() == QStringLiteral("Save changes to job ?") &&
                   box->button(QMessageBox::Cancel) && box->button(QMessageBox::Yes) &&
                   box->button(QMessageBox::No);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        fresh.close();
        QVERIFY(seen);
        QVERIFY(fresh.isVisible());
        QCOMPARE(fresh.itemList().count(), 1);
        fresh.askSaveChanges = [](const QString&) { return SaveAnswer::No; };
    }

    void eachCommandHasOneEnabledState()
    {
        const auto enabled = [&](const char* key) {
            auto* button = window().findChild<QToolButton*>(QString::fromLatin1(key));
            return button && button->isEnabled();
        };
        QVERIFY(window().findChild<QToolButton*>("SpeedButton28"));
        QVERIFY(!window().action(Command::Requirement)->isEnabled());
        QVERIFY(!enabled("SpeedButton28")); // the tool-bar "Requirement"
        QVERIFY(!enabled("SpeedButton6"));
        QVERIFY(!enabled("SpeedButton7"));
        QVERIFY(!window().deleteButton()->isEnabled());
        window().start();
        QVERIFY(enabled("SpeedButton28"));
        QVERIFY(!enabled("SpeedButton6"));
        listTubes(window(), {"40x20x3"});
        QVERIFY(enabled("SpeedButton6"));
        QVERIFY(enabled("SpeedButton7"));
        QVERIFY(window().correctButton()->isEnabled());
        answerYes();
        window().findChild<QToolButton*>("SpeedButton6")->click();
        QVERIFY(window().itemList().isEmpty());
        QVERIFY(!enabled("SpeedButton6"));
        QVERIFY(!enabled("SpeedButton7"));
        QVERIFY(!window().deleteButton()->isEnabled());
        QVERIFY(!window().correctButton()->isEnabled());
        // The rotation button follows the tab.
        window().tabBar()->setCurrentIndex(int(SectionKind::CircSolid));
        QVERIFY(!window().rotateButton()->isEnabled());
        window().tabBar()->setCurrentIndex(int(SectionKind::FlatBar));
        QVERIFY(window().rotateButton()->isEnabled());
    }

    // Print and the report window's print button both lay out in the
    // preview, with the one set of options the windows share.
    void printGoesThroughThePreviewOnlyWithItems()
    {
        window().start();
        QAction* print = window().action(Command::Print);
        PrintPreviewWindow* preview = window().printPreview();
        preview->useSystemPrinter(false);
        QVERIFY(!print->isEnabled());
        window().printList();
        QVERIFY(!preview->isVisible());
        listTubes(window(), {"40x20x3"});
        QVERIFY(print->isEnabled());
        print->trigger();
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->layout()->pageCount, 1);
        QCOMPARE(preview->layout()->itemCount, 1);
        QCOMPARE(preview->findChild<QPushButton*>("SettingsButton")->text(), QStringLiteral("Settings...."));
        preview->hide();

        window().action(Command::ReportGenerator)->trigger();
        ReportWindow* report = window().reportWindow();
        QVERIFY(report->isVisible());
        QVERIFY(report->printButton()->isEnabled());
        QCOMPARE(&report->options(), &window().reportOptions());
        report->visibleList()->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(!window().reportOptions().visibleColumns[0]);
        QTest::mouseClick(report->printButton(), Qt::LeftButton);
        QVERIFY(preview->isVisible());
        QVERIFY(!report->isVisible());
        QCOMPARE(preview->layout()->itemCount, 1);
        int printed = 0;
        for (int width : preview->layout()->columnWidth)
            printed += width > 0;
        report->visibleList()->item(0)->setCheckState(Qt::Checked);
        preview->hide();
        print->trigger();
        int all = 0;
        for (int width : preview->layout()->columnWidth)
            all += width > 0;
        QCOMPARE(printed, all - 1); // the E modulus column was left out
        preview->hide();
    }

    void reportGeneratorOpensOnlyWithItemsAndEndsACorrection()
    {
        window().start();
        QAction* report = window().action(Command::ReportGenerator);
        QVERIFY(report->isEnabled());
        report->trigger();
        QVERIFY(!window().reportWindow()->isVisible());

        listTubes(window(), {"20x20x2", "30x30x2"});
        clickCell(window(), 0, 2);
        window().correctSelectedItem();
        QVERIFY(window().state().RowBlinkEnabled);
        // Both tool buttons stand for the command.
        for (const char* key : {"SpeedButton1", "SpeedButton2"}) {
            auto* button = window().findChild<QToolButton*>(key);
            QVERIFY(button);
            QCOMPARE(button->defaultAction(), report);
        }
        QTest::mouseClick(window().findChild<QToolButton*>("SpeedButton2"), Qt::LeftButton);
        QVERIFY(!window().state().RowBlinkEnabled);
        ReportWindow* reportWindow = window().reportWindow();
        QVERIFY(reportWindow->isVisible());
        QCOMPARE(reportWindow->windowTitle(), QStringLiteral("Report generator"));

        // The report shows the grid as it is on screen.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        RecordingShell shell;
        window().setShell(&shell);
        reportWindow->setShell(&shell);
        reportWindow->setTemporaryFolder(dir.path());
        reportWindow->showWarning = [this](const QString& text) { m_messages << text; };
        reportWindow->generate();
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(shell.opened.size(), 1);
        QFile page(shell.opened.first());
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QByteArray html = page.readAll();
        const int percent = headerPercent(137, window().itemGrid()->width());
        QVERIFY(html.contains(QStringLiteral("<td align=\"center\" width=\"%1%\"><H1>Material</H1></td>").arg(percent).toLatin1()));
        QVERIFY(html.contains("<H1>30x30x2 RH Section<br><img src=\"kep2.jpg\""));
        QVERIFY(!reportWindow->isVisible());

        // A folder that cannot be made: the warning, then the settings window.
        report->trigger();
        QVERIFY(reportWindow->isVisible());
        reportWindow->setTemporaryFolder(dir.filePath(QStringLiteral("no/such")));
        bool settingsShown = false;
        QTimer::singleShot(0, this, [&] {
            settingsShown = window().settingsWindow()->isVisible();
            window().settingsWindow()->reject();
        });
        reportWindow->generate();
        QVERIFY(settingsShown);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages.first().startsWith(QStringLiteral("Error.Cannot Create temporary Directory!\n")));
        QCOMPARE(shell.opened.size(), 1);
        QVERIFY(reportWindow->isVisible());
        // The next report uses the settings' folder again.
        QCOMPARE(reportWindow->temporaryFolder(), window().settingsWindow()->temporaryFolder().path());
        reportWindow->reject();
    }

    void helpOpensThroughTheDesktopOrTheProgramsOwnWindow()
    {
        RecordingShell shell;
        window().setShell(&shell);
        // The default page, missing here: handed to the desktop, no message.
        window().showHelp();
        QCOMPARE(shell.opened.size(), 1);
        QVERIFY(shell.opened.first().endsWith("help.html"));
        QVERIFY(m_messages.isEmpty());

        QTemporaryDir dir;
        const QString page = dir.filePath("help.html");
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><body><h1>Morvane help</h1><p>Click to Start opens the sections.</p></body></html>");
        file.close();
        window().setHelpPage(page);
        // A desktop that opens the page: nothing of our own.
        shell.opened.clear();
        shell.opens = true;
        window().showHelp();
        QCOMPARE(shell.opened, QStringList{page});
        QVERIFY(!window().helpWindow() || !window().helpWindow()->isVisible());
        // No launcher: the help window shows the page.
        shell.opens = false;
        window().showHelp();
        QVERIFY(window().helpWindow());
        QVERIFY(window().helpWindow()->isVisible());
        QVERIFY(window().helpWindow()->browser()->toPlainText().contains("Click to Start opens the sections."));
        QVERIFY(m_messages.isEmpty());
        window().helpWindow()->close();
        // A missing page is still not reported, and no empty window appears.
        window().setHelpPage(dir.filePath("missing.html"));
        window().showHelp();
        QVERIFY(!window().helpWindow()->isVisible());
        QVERIFY(m_messages.isEmpty());
    }

    void tabCaptionsFitWithoutScrolling()
    {
        window().resize(780, 575);
        window().start();
        auto* bar = qobject_cast<SectionTabBar*>(window().tabBar());
        QVERIFY(bar);
        QTRY_VERIFY(bar->width() >= MainWindow::DesignWidth - 4);
        const int padding = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
        const QFontMetrics metrics(bar->font());
        QVector<QRect> rects;
        for (int i = 0; i < bar->count(); ++i) {
            const QRect rect = bar->tabRect(i);
            QVERIFY2(metrics.horizontalAdvance(bar->shortCaption(i)) + padding <= rect.width(),
                     qPrintable(bar->shortCaption(i)));
            rects << rect;
        }
        QVERIFY(rects.last().right() < bar->width()); // no tab behind scroll arrows
        QVERIFY(bar->font().pointSizeF() >= 7);
        // The selected tab's long caption moves no tab.
        bar->setCurrentIndex(3);
        QCOMPARE(bar->tabText(3), QStringLiteral("Circular Solid Section"));
        for (int i = 0; i < bar->count(); ++i)
            QCOMPARE(bar->tabRect(i), rects[i]);
    }

    void headerCaptionsAndItemNumbersFitTheirColumnsInEveryLanguage()
    {
        QTableView* grid = window().itemGrid();
        QHeaderView* header = grid->horizontalHeader();
        window().translationWindow()->showMessage = [this](const QString& text) { m_messages << text; };
        for (int language : {1, 2, 0}) {
            window().translationWindow()->chooseLanguage(language);
            for (int c = 0; c < grid->model()->columnCount(); ++c) {
                if (grid->isColumnHidden(c) || grid->columnWidth(c) <= 0)
                    continue;
                const int width = grid->columnWidth(c) - 1;
                const QString caption = grid->model()->headerData(c, Qt::Horizontal).toString();
                const QString where = QStringLiteral("language %1, column %2: ").arg(language).arg(c);
                const auto layout = ItemGridHeader::captionLayout(header->font(), caption,
                                                                  QSize(width, header->height()));
                QCOMPARE(QString(layout.text).remove('\n').remove(' '), QString(caption).remove('\n').remove(' '));
                const QFontMetrics metrics(layout.font);
                for (const QString& line : layout.text.split('\n'))
                    QVERIFY2(metrics.horizontalAdvance(line) <= width, qPrintable(where + line));
                QVERIFY2(layout.font.pixelSize() >= 7, qPrintable(where + caption));
                QVERIFY2(layout.text.count('\n') * metrics.lineSpacing() + metrics.height() <= header->height(),
                         qPrintable(where + caption));
            }
        }
        QVERIFY(m_messages.isEmpty());
        // Item numbers up to 250, bold as on a selected row, in column 0.
        for (const char* number : {"1", "99", "100", "250"}) {
            const QFont font = ItemGridDelegate::fittingFont(ItemGridDelegate::cellFont(true), number,
                                                             grid->columnWidth(0) - 2);
            QVERIFY(font.pointSize() >= 6);
            QVERIFY(QFontMetrics(font).horizontalAdvance(number) <= grid->columnWidth(0) - 2);
        }
    }

    void resultsPanelLabelsStayClearOfTheirValuesInEveryLanguage()
    {
        ResultsPanelView view;
        view.resize(view.sizeHint());
        for (int language : {0, 1, 2}) {
            ComputeContext ctx;
            ctx.messages = &MessageTable::forLanguage(language);
            for (SectionKind kind : AllSectionKinds) {
                // The custom section with its default sizes and the first rows of the catalogue.
                int tried = 0;
                for (const MenuEntry& e : builtInMenu(kind)) {
                    const auto r = computeEntry(kind, e.text, ctx);
                    if (!r || r->panel.isEmpty() || ++tried > 4)
                        continue;
                    view.setPanel(r->panel);
                    const QList<ResultsPanelView::PlacedText> placed = view.placedTexts();
                    for (qsizetype i = 0; i < placed.size(); ++i) {
                        const QString where = QStringLiteral("language %1, %2: %3")
                                                  .arg(language).arg(e.text, placed[i].text);
                        QVERIFY2(placed[i].box.right() < view.width(), qPrintable(where));
                        for (qsizetype j = i + 1; j < placed.size(); ++j)
                            QVERIFY2(placed[i].box.top() != placed[j].box.top() ||
                                         !placed[i].box.intersects(placed[j].box),
                                     qPrintable(where + QStringLiteral(" / ") + placed[j].text));
                    }
                }
            }
        }
        // A label that fits keeps the panel's 11-pixel font.
        ResultsPanel panel;
        panel.write(PanelRow::LabelX, PanelRow::Area, QStringLiteral("A /Area/    : "));
        panel.write(PanelRow::ValueX, PanelRow::Area, QStringLiteral("1.12 [cm2]"));
        view.setPanel(panel);
        QCOMPARE(view.placedTexts().at(0).font.pixelSize(), 11);
    }

    void materialBarAndRotationFitTheWindow()
    {
        window().resize(780, 575);
        window().start();
        QTRY_VERIFY(window().rotateButton()->isVisible());
        QPushButton* rotate = window().rotateButton();
        QVERIFY(rotate->width() >= rotate->sizeHint().width());
        const int right = rotate->mapTo(&window(), QPoint(rotate->width(), 0)).x();
        QVERIFY2(right <= window().width(), qPrintable(QString::number(right)));
        for (int i = 0; i < 5; ++i) {
            QLabel* caption = window().materialBar()->caption(i);
            QVERIFY2(caption->width() >= caption->fontMetrics().horizontalAdvance(caption->text()),
                     qPrintable(caption->text()));
        }
        QComboBox* density = window().densityBox();
        density->showPopup();
        int widest = 0;
        for (int i = 0; i < density->count(); ++i)
            widest = std::max(widest, density->view()->fontMetrics().horizontalAdvance(density->itemText(i)));
        QTRY_VERIFY(density->view()->isVisible());
        QVERIFY(density->view()->viewport()->width() >= widest);
        density->hidePopup();
    }

    void smallWindowScrollsInsteadOfSqueezing()
    {
        window().start();
        window().setMinimumSize(350, 300);
        window().resize(600, 450);
        QTRY_COMPARE(window().width(), 600);
        SectionPage* page = window().page(SectionKind::RectHollow);
        QTRY_VERIFY(page->isVisible());
        QVERIFY(page->resultsPanel()->height() >= page->resultsPanel()->sizeHint().height());
        QVERIFY(page->resultsPanel()->width() >= page->resultsPanel()->sizeHint().width());
        auto* body = window().findChild<QWidget*>(QStringLiteral("Body"));
        QVERIFY(body);
        QVERIFY(body->width() >= MainWindow::DesignWidth);
        QVERIFY(body->height() >= MainWindow::DesignHeight);
        QCOMPARE(window().itemGrid()->height(), 100);
    }

    void groupBoxesKeepTheirWidthsWhenTheCaptionChanges()
    {
        window().start();
        SectionPage* page = window().page(SectionKind::RectHollow);
        QTRY_VERIFY(page->isVisible());
        const int menu = page->menuBox()->width(), data = page->dataBox()->width(),
                  features = page->featuresBox()->width();
        selectEntry(window(), SectionKind::RectHollow, "40x20x3");
        QVERIFY(page->dataBox()->title().size() > 20);
        QApplication::processEvents();
        QCOMPARE(page->menuBox()->width(), menu);
        QCOMPARE(page->dataBox()->width(), data);
        QCOMPARE(page->featuresBox()->width(), features);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
