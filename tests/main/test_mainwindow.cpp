#include "mainwindow.h"
#include "requirementwindow.h"
#include "resultspanelview.h"
#include "unitswindow.h"

#include "settings/desktop_shell.h"
#include "itemlist/item_list.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTest>
#include <QTreeWidget>

namespace {
QTreeWidgetItem* findItem(QTreeWidget* tree, const QString& text)
{
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

QString panelValue(MainWindow& w, SectionKind kind, int y)
{
    for (const PanelLine& line : w.resultsPanel(kind)->panel().lines())
        if (line.y == y)
            return line.value;
    return {};
}

struct RecordingShell : DesktopShell {
    QStringList opened;
    bool open(const QString& path) override
    {
        opened << path;
        return false;
    }
};
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> m_window;
    QStringList m_messages;
    int m_questions = 0;

    MainWindow& window() { return *m_window; }

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
        m_window->show();
    }
    void cleanup() { m_window.reset(); }

    void captionAndStartPanel()
    {
        QCOMPARE(window().windowTitle(), QStringLiteral("Morvane *** Computation of geometric properties ***"));
        QVERIFY(window().startButton()->isVisible());
        QCOMPARE(window().startButton()->text(), QStringLiteral("Click to Start"));
        QVERIFY(window().findChild<QLabel*>("Label69"));
        QCOMPARE(window().findChild<QLabel*>("Label69")->text(), QStringLiteral("Version : 3.1 /  17. 04. 2004 "));
        QCOMPARE(window().tabBar()->count(), 10);
        QCOMPARE(window().tabBar()->tabText(4), QStringLiteral("Ribbon Section"));
        QCOMPARE(window().itemGrid()->model()->columnCount(), 12);
        QCOMPARE(window().itemGrid()->model()->rowCount(), 1);
        QCOMPARE(window().itemGrid()->model()->headerData(6, Qt::Horizontal).toString(),
                 QStringLiteral("Mom. of inertia\nIx [cm4]\nIy [cm4]"));
        QCOMPARE(window().itemGrid()->columnWidth(2), 137);
        QVERIFY(!window().itemGrid()->isEnabled());
    }

    void tabsBeforeStartShowNothing()
    {
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

    void catalogueTubeComputes()
    {
        window().start();
        QTreeWidget* tree = window().tree(SectionKind::RectHollow);
        QTreeWidgetItem* item = findItem(tree, "40x20x3");
        QVERIFY(item);
        tree->setCurrentItem(item);
        QCOMPARE(panelValue(window(), SectionKind::RectHollow, 22), QStringLiteral("2.54 [Kg/m]"));
        QCOMPARE(panelValue(window(), SectionKind::RectHollow, 48), QStringLiteral("1.89 [cm4]"));
        QVERIFY(window().toListButton(SectionKind::RectHollow)->isEnabled());
        QCOMPARE(window().dataBox(SectionKind::RectHollow)->title(), QStringLiteral("40x20x3 Rectangular hollow section"));
        QCOMPARE(window().field(SectionKind::RectHollow, 0)->text(), QStringLiteral("40"));
        QVERIFY(!window().field(SectionKind::RectHollow, 0)->isEnabled());
        QCOMPARE(double(window().state().properties.Area), 324.0);
        QCOMPARE(window().labels().size(), std::size_t(3));
    }

    void customTubeFiltersAndRecomputes()
    {
        window().start();
        QTreeWidget* tree = window().tree(SectionKind::RectHollow);
        tree->setCurrentItem(tree->topLevelItem(0));
        QLineEdit* a = window().field(SectionKind::RectHollow, 0);
        QVERIFY(a->isEnabled());
        QCOMPARE(a->text(), QStringLiteral("20"));
        a->selectAll();
        QTest::keyClicks(a, "1234");
        QCOMPARE(a->text(), QStringLiteral("123"));
        QCOMPARE(window().dataBox(SectionKind::RectHollow)->title(), QStringLiteral("123x20x1 Rectangular hollow section"));
        QLineEdit* v = window().field(SectionKind::RectHollow, 2);
        v->setText("11");
        QVERIFY(!window().toListButton(SectionKind::RectHollow)->isEnabled());
        QCOMPARE(window().resultsPanel(SectionKind::RectHollow)->panel().texts().at(0).text,
                 QStringLiteral("Error wrong data !"));
        QVERIFY(m_messages.isEmpty());
    }

    void holdingAKeyComputesOnceAtRelease()
    {
        window().start();
        QTreeWidget* tree = window().tree(SectionKind::RectHollow);
        tree->expandAll();
        tree->setCurrentItem(findItem(tree, "40x20x3"));
        const QString before = panelValue(window(), SectionKind::RectHollow, 48);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(tree, &press);
        QVERIFY(!window().state().TreeUpdateEnabled);
        tree->setCurrentItem(tree->itemBelow(tree->currentItem()));
        QCOMPARE(panelValue(window(), SectionKind::RectHollow, 48), before); // held off
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(tree, &release);
        QVERIFY(window().state().TreeUpdateEnabled);
        QCOMPARE(window().dataBox(SectionKind::RectHollow)->title(),
                 tree->currentItem()->text(0) + " Rectangular hollow section");
    }

    void pipeTabRecomputesCustomWithoutChangingText()
    {
        window().start();
        window().tabBar()->setCurrentIndex(1);
        QTreeWidget* tree = window().tree(SectionKind::CircHollow);
        tree->setCurrentItem(tree->topLevelItem(0));
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
        QTreeWidget* tree = window().tree(SectionKind::RectHollow);
        tree->setCurrentItem(findItem(tree, "40x20x3"));
        const QString ix0 = panelValue(window(), SectionKind::RectHollow, 48);
        const QString iy0 = panelValue(window(), SectionKind::RectHollow, 61);
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
        QCOMPARE(panelValue(window(), SectionKind::RectHollow, 48), iy0);
        QCOMPARE(panelValue(window(), SectionKind::RectHollow, 61), ix0);

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
        QCOMPARE(panelValue(window(), SectionKind::RectHollow, 48), ix0);
    }

    void flatBarTabComputesItsRows()
    {
        window().start();
        window().tabBar()->setCurrentIndex(4);
        QVERIFY(window().sectionPanel(SectionKind::FlatBar)->isVisible());
        QTreeWidget* tree = window().tree(SectionKind::FlatBar);
        tree->setCurrentItem(findItem(tree, "R. section 10x3"));
        QCOMPARE(window().dataBox(SectionKind::FlatBar)->title(), QStringLiteral("R. section 10x3"));
        QVERIFY(window().toListButton(SectionKind::FlatBar)->isEnabled());
        QCOMPARE(panelValue(window(), SectionKind::FlatBar, 35), QStringLiteral("0.30 [cm2]"));
        tree->setCurrentItem(findItem(tree, "Ribbon section 20x..."));
        QVERIFY(!window().toListButton(SectionKind::FlatBar)->isEnabled());
        QVERIFY(window().resultsPanel(SectionKind::FlatBar)->panel().isEmpty());
    }

    void uArrangementBoxesActAsOneChoice()
    {
        window().start();
        window().tabBar()->setCurrentIndex(8);
        QTreeWidget* tree = window().tree(SectionKind::U);
        tree->setCurrentItem(tree->topLevelItem(0));
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

    void customISectionFollowsItsFields()
    {
        window().start();
        window().tabBar()->setCurrentIndex(9);
        QTreeWidget* tree = window().tree(SectionKind::I);
        tree->setCurrentItem(tree->topLevelItem(0));
        QCOMPARE(window().dataBox(SectionKind::I)->title(), QStringLiteral("I 50x100x(3x3) section"));
        QCOMPARE(double(window().state().properties.Area), 582.0);
        window().field(SectionKind::I, 0)->setText("60");
        QCOMPARE(window().dataBox(SectionKind::I)->title(), QStringLiteral("I 60x100x(3x3) section"));
        QCOMPARE(double(window().state().properties.Area), 642.0);
    }

    void catalogueProfilesComputeInTheWindow()
    {
        window().start();
        window().tabBar()->setCurrentIndex(9);
        QTreeWidget* i = window().tree(SectionKind::I);
        i->setCurrentItem(findItem(i, "HR I80x42"));
        QCOMPARE(panelValue(window(), SectionKind::I, 74), QStringLiteral("19.45 [cm3]"));
        QVERIFY(window().toListButton(SectionKind::I)->isEnabled());
        i->setCurrentItem(findItem(i, "Hot rolled I section"));
        QVERIFY(!window().toListButton(SectionKind::I)->isEnabled());
        QVERIFY(window().resultsPanel(SectionKind::I)->panel().isEmpty());

        window().tabBar()->setCurrentIndex(5);
        QTreeWidget* l = window().tree(SectionKind::L);
        l->setCurrentItem(findItem(l, "L section 30x45x5"));
        QCOMPARE(window().resultsPanel(SectionKind::L)->panel().lines().back().label,
                 QStringLiteral("e /Centroid/: e1=29.7 e2=22.3 mm"));
    }

    void plateShowsItsWeightPerSquareMetre()
    {
        window().start();
        window().tabBar()->setCurrentIndex(7);
        QCOMPARE(window().rotationCaption()->text(), QStringLiteral("0 degrees"));
        QVERIFY(!window().rotateButton()->isEnabled());
        QTreeWidget* tree = window().tree(SectionKind::Plate);
        tree->setCurrentItem(findItem(tree, "0.5 mm steel plate"));
        QCOMPARE(panelValue(window(), SectionKind::Plate, 22), QStringLiteral("3.925 Kg/m2"));
        QVERIFY(window().field(SectionKind::Plate, 0)->isEnabled());
        QVERIFY(window().plateRecord() >= 0);
        QLineEdit* length = window().field(SectionKind::Plate, 0);
        length->setText("12a");
        QCOMPARE(length->text(), QStringLiteral("12"));
        length->setText("");
        QCOMPARE(length->text(), QStringLiteral("0"));
        tree->setCurrentItem(findItem(tree, "Steel plates"));
        QVERIFY(!window().field(SectionKind::Plate, 0)->isEnabled());
        QVERIFY(window().resultsPanel(SectionKind::Plate)->panel().isEmpty());
    }

    void toListWritesTheRowWithItsPicture()
    {
        window().start();
        QTreeWidget* tree = window().tree(SectionKind::RectHollow);
        tree->setCurrentItem(findItem(tree, "40x20x3"));
        QTest::mouseClick(window().toListButton(SectionKind::RectHollow), Qt::LeftButton);
        QCOMPARE(window().itemList().count(), 1);
        const ListRow& row = window().itemList().row(1);
        QCOMPARE(row.cells[0], QStringLiteral("1"));
        QCOMPARE(row.cells[2], QStringLiteral("40x20x3 RH Section"));
        QCOMPARE(row.cells[3], QStringLiteral("210000000"));
        QCOMPARE(row.cells[11], QStringLiteral("300&-300"));
        QVERIFY(!row.RowPicture.isNull());
        QVERIFY(row.RowPicture.colorCount() <= 16);
        QCOMPARE(window().state().NextListRow, 2);
        QAbstractItemModel* model = window().itemGrid()->model();
        QCOMPARE(model->data(model->index(0, 5)).toString(), QStringLiteral("3.240000&2.54"));
        QVERIFY(window().itemGrid()->selectionModel()->isRowSelected(0, {}));

        // A refused listing changes nothing.
        window().tensileField()->setText("0");
        QTest::mouseClick(window().toListButton(SectionKind::RectHollow), Qt::LeftButton);
        QCOMPARE(m_messages, QStringList{"Error. Max.Tensil<=0 !"});
        QCOMPARE(window().itemList().count(), 1);
    }

    void solidSquareTubeCannotBeListed()
    {
        window().start();
        QTreeWidget* tree = window().tree(SectionKind::RectHollow);
        tree->setCurrentItem(tree->topLevelItem(0));
        window().field(SectionKind::RectHollow, 2)->setText("10");
        QVERIFY(window().toListButton(SectionKind::RectHollow)->isEnabled());
        QTest::mouseClick(window().toListButton(SectionKind::RectHollow), Qt::LeftButton);
        QCOMPARE(m_messages, QStringList{"Error wrong data !"});
        QVERIFY(window().itemList().isEmpty());
    }

    void theListStopsAt250Items()
    {
        window().start();
        for (int i = 0; i < 249; ++i)
            window().itemList().put(window().itemList().NextListRow(), ListRow{});
        QTreeWidget* tree = window().tree(SectionKind::RectHollow);
        tree->setCurrentItem(findItem(tree, "40x20x3"));
        QTest::mouseClick(window().toListButton(SectionKind::RectHollow), Qt::LeftButton);
        QCOMPARE(window().itemList().count(), 250);
        QVERIFY(m_messages.isEmpty());
        QTest::mouseClick(window().toListButton(SectionKind::RectHollow), Qt::LeftButton);
        QCOMPARE(m_messages, QStringList{"Max. 250 items !!!"});
        QCOMPARE(window().itemList().count(), 250);
    }

    void deletingAndCorrectingRows()
    {
        window().start();
        QTreeWidget* tree = window().tree(SectionKind::RectHollow);
        const char* sizes[5] = {"20x20x2", "30x30x2", "40x20x2", "40x40x2", "50x30x2"};
        for (const char* size : sizes) {
            tree->setCurrentItem(findItem(tree, size));
            QTest::mouseClick(window().toListButton(SectionKind::RectHollow), Qt::LeftButton);
        }
        QCOMPARE(window().itemList().count(), 5);
        auto* selection = window().itemGrid()->selectionModel();
        QAbstractItemModel* model = window().itemGrid()->model();
        selection->select(QItemSelection(model->index(1, 0), model->index(2, 11)),
                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        window().deleteSelectedItems();
        QCOMPARE(m_questions, 1);
        // askYesNo answers No in these tests: nothing removed.
        QCOMPARE(window().itemList().count(), 5);
        window().askYesNo = [](const QString&) { return true; };
        selection->select(QItemSelection(model->index(1, 0), model->index(2, 11)),
                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        window().deleteSelectedItems();
        QCOMPARE(window().itemList().count(), 3);
        QCOMPARE(window().itemList().row(2).cells[2], QStringLiteral("40x40x2 RH Section"));
        QCOMPARE(window().itemList().row(3).cells[0], QStringLiteral("3"));

        // Correction: the next To List overwrites the current row.
        window().itemGrid()->setCurrentIndex(model->index(0, 0));
        window().correctSelectedItem();
        QVERIFY(window().state().RowBlinkEnabled);
        tree->setCurrentItem(findItem(tree, "60x60x5"));
        QTest::mouseClick(window().toListButton(SectionKind::RectHollow), Qt::LeftButton);
        QCOMPARE(window().itemList().count(), 3);
        QCOMPARE(window().itemList().row(1).cells[2], QStringLiteral("60x60x5 RH Section"));
        QTest::mouseClick(window().itemGrid()->viewport(), Qt::LeftButton, {},
                          window().itemGrid()->visualRect(model->index(1, 2)).center());
        QVERIFY(!window().state().RowBlinkEnabled);
    }

    void jobNameIsCutTo24Characters()
    {
        window().askText = [](const QString&, const QString& prompt, const QString&) {
            return prompt == QStringLiteral("Name of job /max.24 characters/ :") ? QString(30, 'j') : QString();
        };
        window().start();
        window().newJob();
        QCOMPARE(window().state().jobName, QString(24, 'j'));
        QCOMPARE(window().statusPanel(0)->text(), QStringLiteral("Name of job - ") + QString(24, 'j') + " -");
        window().askText = [](const QString&, const QString&, const QString&) { return QString(); };
        window().changeJobName();
        QCOMPARE(window().state().jobName, QStringLiteral("Noname"));
    }

    void platesAreListedWithTotals()
    {
        window().start();
        window().tabBar()->setCurrentIndex(7);
        QTreeWidget* tree = window().tree(SectionKind::Plate);
        tree->setCurrentItem(findItem(tree, "1 mm steel plate"));
        QVERIFY(!window().toListButton(SectionKind::Plate)->isEnabled());
        window().field(SectionKind::Plate, 0)->setText("1000");
        window().field(SectionKind::Plate, 1)->setText("2000");
        QVERIFY(window().toListButton(SectionKind::Plate)->isEnabled());
        QTest::mouseClick(window().toListButton(SectionKind::Plate), Qt::LeftButton);
        QCOMPARE(window().itemList().count(), 1);
        QCOMPARE(window().itemList().row(1).cells[6], QStringLiteral(" 15.70"));
        QCOMPARE(window().statusPanel(1)->text(), QStringLiteral("Total weight:    15.7 Kg"));
        QCOMPARE(window().statusPanel(2)->text(), QStringLiteral("Total outside:    4.00 m2"));
    }

    void unitsReexpressListFieldsAndPanel()
    {
        window().start();
        QTreeWidget* tree = window().tree(SectionKind::RectHollow);
        tree->setCurrentItem(findItem(tree, "40x20x3"));
        QTest::mouseClick(window().toListButton(SectionKind::RectHollow), Qt::LeftButton);

        UnitsWindow* units = window().unitsWindow();
        units->setUnits(window().state().units);
        units->choose(1, 2); // E modulus in N/cm2
        QVERIFY(!units->defaultBox()->isChecked());
        window().applyUnits(units->units());
        QCOMPARE(window().eModulusBox()->currentText(), QStringLiteral("Steel : 21000000"));
        QCOMPARE(window().itemList().row(1).cells[3], QStringLiteral("21000000"));
        // Picking a re-expressed item keeps it whole; listing stores base units.
        window().eModulusBox()->setCurrentIndex(1);
        QCOMPARE(window().eModulusBox()->currentText(), QStringLiteral("Aluminium : 7000000"));
        QTest::mouseClick(window().toListButton(SectionKind::RectHollow), Qt::LeftButton);
        QCOMPARE(double(window().itemList().row(2).ItemValues[0]), 70000000.0);
        window().eModulusBox()->setCurrentIndex(0);
        units->choose(1, 1);
        QVERIFY(units->defaultBox()->isChecked());
        window().applyUnits(units->units());
        QCOMPARE(window().eModulusBox()->currentText(), QStringLiteral("Steel : 210000000"));
        QCOMPARE(window().itemList().row(1).cells[3], QStringLiteral("210000000"));

        units->choose(6, 1); // stresses in KN/m2
        units->choose(3, 1); // areas in m2
        window().applyUnits(units->units());
        QCOMPARE(window().tensileField()->text(), QStringLiteral("300000.00"));
        QCOMPARE(window().pressureField()->text(), QStringLiteral("-300000.00"));
        QCOMPARE(window().itemList().row(1).cells[11], QStringLiteral("300000.00&  -300000.00"));
        QCOMPARE(window().itemGrid()->model()->headerData(5, Qt::Horizontal).toString(),
                 QStringLiteral("Area[m2]\nWeight[Kg/m]"));
        QCOMPARE(panelValue(window(), SectionKind::RectHollow, 35), QStringLiteral("0.000324 [m2]"));
        QAbstractItemModel* model = window().itemGrid()->model();
        QCOMPARE(model->data(model->index(0, 5)).toString(), QStringLiteral("0.000324&2.54"));

        for (int row = 1; row <= 6; ++row)
            units->choose(row, 2);
        QVERIFY(!units->defaultBox()->isChecked());
        units->defaultBox()->click();
        QCOMPARE(units->units().digits(), QStringLiteral("1122233"));
    }

    void requirementLimitsColourThePanel()
    {
        window().start();
        QTreeWidget* tree = window().tree(SectionKind::RectHollow);
        tree->setCurrentItem(findItem(tree, "40x20x3")); // area 3.24 cm2
        RequirementWindow* req = window().requirementWindow();
        window().showRequirementWindow();
        QVERIFY(req->isVisible());
        req->minField(0)->setText("10");
        req->maxField(0)->setText("5");
        QVERIFY(!req->box(0)->isEnabled());
        req->minField(0)->setText("1.2.3");
        QCOMPARE(req->minField(0)->text(), QStringLiteral("1.23"));
        req->minField(0)->setText("0");
        req->maxField(0)->setText("100");
        QVERIFY(req->box(0)->isEnabled());
        req->box(0)->setChecked(true);
        req->recheck();
        const auto areaColour = [&] {
            for (const PanelLine& line : window().resultsPanel(SectionKind::RectHollow)->panel().lines())
                if (line.y == 35)
                    return line.colour;
            return PanelColour::Grey;
        };
        QCOMPARE(areaColour(), PanelColour::Green);
        req->maxField(0)->setText("3");
        req->recheck();
        QCOMPARE(areaColour(), PanelColour::Yellow);
        req->box(0)->setChecked(false);
        req->recheck();
        QCOMPARE(areaColour(), PanelColour::Neutral);
        QVERIFY(req->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!req->isModal());
    }

    void materialFiltersCorrectTyping()
    {
        window().start();
        QComboBox* e = window().eModulusBox();
        e->setEditText("21a0");
        QCOMPARE(e->currentText(), QStringLiteral("210"));
        QComboBox* density = window().densityBox();
        density->setEditText("78.5.");
        QCOMPARE(density->currentText(), QStringLiteral("78.5"));
        window().poissonBox()->setEditText("");
        QCOMPARE(window().poissonBox()->currentText(), QStringLiteral("0.3"));
        window().pressureField()->setText("");
        QCOMPARE(window().pressureField()->text(), QStringLiteral("-120"));
        window().pressureField()->setText("5");
        QCOMPARE(window().pressureField()->text(), QStringLiteral("-5"));
        window().tensileField()->setText("");
        QCOMPARE(window().tensileField()->text(), QStringLiteral("120"));
        density->setEditText("Steel : 7850");
        QCOMPARE(density->currentText(), QStringLiteral("Steel : 7850"));
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

    void closingWithItemsAsksOnce()
    {
        window().start();
        QTreeWidget* tree = window().tree(SectionKind::RectHollow);
        tree->setCurrentItem(findItem(tree, "40x20x3"));
        QTest::mouseClick(window().toListButton(SectionKind::RectHollow), Qt::LeftButton);
        QCOMPARE(window().itemList().count(), 1);
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

    void missingHelpIsSilent()
    {
        RecordingShell shell;
        window().setShell(&shell);
        window().showHelp();
        QCOMPARE(shell.opened.size(), 1);
        QVERIFY(shell.opened.first().endsWith("help.html"));
        QVERIFY(m_messages.isEmpty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
