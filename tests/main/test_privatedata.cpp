#include "main_window_helpers.h"
#include "privatedatawindow.h"
#include "unitswindow.h"

#include "itemlist/job_file.h"
#include "sections/material.h"
#include "settings/message_table.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSaveFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {
const char* const BoxValues[PrivatePropertyCount] = {"10", "10", "4", "4", "4", "4", "5", "3", "20"};
} // namespace

class PrivateDataTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PrivateDataWindow> m_window;
    QStringList m_questions;
    bool m_answer = false;

    PrivateDataWindow& window() { return *m_window; }

    void typeItem(const char* const values[PrivatePropertyCount], const QString& description = "Box 50")
    {
        QTest::keyClicks(window().descriptionField(), description);
        for (int k = 0; k < PrivatePropertyCount; ++k)
            QTest::keyClicks(window().propertyField(static_cast<PrivateProperty>(k)), QString::fromLatin1(values[k]));
    }

    // A started main window whose questions and messages are recorded here.
    std::unique_ptr<MainWindow> startedMain()
    {
        auto w = std::make_unique<MainWindow>();
        w->showMessage = [this](const QString& text) { m_questions << text; };
        w->askYesNo = [this](const QString& text) {
            m_questions << text;
            return m_answer;
        };
        w->askText = [](const QString&, const QString&, const QString&) { return QString(); };
        w->askSaveChanges = [this](const QString& text) {
            m_questions << text;
            return SaveAnswer::No;
        };
        w->show();
        w->start();
        PrivateDataWindow* p = w->privateDataWindow();
        p->askYesNo = m_window->askYesNo;
        p->showMessage = m_window->showMessage;
        return w;
    }

    void typeInto(PrivateDataWindow* p, const char* const values[PrivatePropertyCount], const QString& description)
    {
        p->descriptionField()->setText(description);
        for (int k = 0; k < PrivatePropertyCount; ++k)
            p->propertyField(static_cast<PrivateProperty>(k))->setText(QString::fromLatin1(values[k]));
    }

private slots:
    void init()
    {
        m_window = std::make_unique<PrivateDataWindow>(MessageTable::english());
        m_questions.clear();
        m_answer = false;
        m_window->askYesNo = [this](const QString& text) {
            m_questions << text;
            return m_answer;
        };
        m_window->showMessage = [this](const QString& text) { m_questions << text; };
        m_window->show();
    }
    void cleanup() { m_window.reset(); }

    void captionsInTheChosenUnits()
    {
        QCOMPARE(window().windowTitle(), QStringLiteral("Private data editing ...."));
        QCOMPARE(window().materialCaption(0)->text(), QStringLiteral("E modulus [KN/m2]:"));
        QCOMPARE(window().materialCaption(3)->text(), QStringLiteral("Max.Tensil[N/mm2]:"));
        QCOMPARE(window().group(0)->title(), QStringLiteral(" Moment of inertia Ix, Iy [cm4]"));
        QCOMPARE(window().group(3)->title(), QStringLiteral(" Torsion inertia Ixx [cm4], Kxx [cm3]"));
        QCOMPARE(window().eModulusBox()->count(), eModulusItems().size());

        window().setUnits(*UnitSettings::fromDigits("3133313"), true);
        QCOMPARE(window().materialCaption(0)->text(), QStringLiteral("E modulus [N/mm2]"));
        QCOMPARE(window().materialCaption(3)->text(), QStringLiteral("Max.Tensile [KN/m2]"));
        QCOMPARE(window().group(0)->title(), QStringLiteral(" Moment of inertia Ix, Iy [mm4]"));
        QCOMPARE(window().group(4)->title(), QStringLiteral(" Area [mm2]"));

        MessageTable other = MessageTable::english();
        other.set(79, "Rugalmassagi modulus");
        window().retranslate(other);
        QCOMPARE(window().materialCaption(0)->text(), QStringLiteral("Rugalmassagi modulus [N/mm2]"));
    }

    void toListNeedsAllTwelveFields()
    {
        QCOMPARE(window().filledBar()->maximum(), 12);
        // The two stress fields are filled from the start.
        QCOMPARE(window().filledBar()->value(), 2);
        QVERIFY(!window().toListButton()->isEnabled());
        typeItem(BoxValues);
        QCOMPARE(window().filledBar()->value(), 12);
        QVERIFY(window().toListButton()->isEnabled());
        window().propertyField(PrivateProperty::Kxx)->clear();
        QCOMPARE(window().filledBar()->value(), 11);
        QVERIFY(!window().toListButton()->isEnabled());
        QSignalSpy listed(&window(), &PrivateDataWindow::listRequested);
        window().toList();
        QCOMPARE(listed.count(), 0);
    }

    void fieldsFilterTyping()
    {
        QLineEdit* ix = window().propertyField(PrivateProperty::Ix);
        QTest::keyClicks(ix, "1a2.3.4-");
        QCOMPARE(ix->text(), QStringLiteral("12.34"));
        QTest::keyClicks(window().descriptionField(), QString(50, 'x'));
        QCOMPARE(window().descriptionField()->text().size(), 40);
        window().tensileField()->clear();
        QCOMPARE(window().tensileField()->text(), QStringLiteral("120"));
        window().pressureField()->setText("55");
        QCOMPARE(window().pressureField()->text(), QStringLiteral("-55"));
    }

    // A plausible item is listed at once; an implausible one only after Yes.
    void implausibleItemsAreListedOnlyWhenApproved()
    {
        QSignalSpy listed(&window(), &PrivateDataWindow::listRequested);
        typeItem(BoxValues);
        QTest::mouseClick(window().toListButton(), Qt::LeftButton);
        QVERIFY(m_questions.isEmpty());
        QCOMPARE(listed.count(), 1);
        const PrivateItemTexts t = window().texts();
        QCOMPARE(t.description, QStringLiteral("Box 50"));
        QCOMPARE(t.properties[std::size_t(PrivateProperty::Area)], QStringLiteral("20"));
        QCOMPARE(t.material.eModulus, eModulusItems().first());

        const char* const tooMuch[PrivatePropertyCount] = {"10", "10", "40", "40", "4", "4", "0.1", "0.2", "2"};
        typeInto(&window(), tooMuch, "Too stiff");
        QTest::mouseClick(window().toListButton(), Qt::LeftButton);
        QCOMPARE(m_questions.size(), 1);
        QVERIFY(m_questions[0].startsWith("Impossible data ! Do you want to approved ? "));
        QVERIFY(m_questions[0].contains(" < Ix : 10 [cm4] ----> Error"));
        QCOMPARE(listed.count(), 1);
        m_answer = true;
        QTest::mouseClick(window().toListButton(), Qt::LeftButton);
        QCOMPARE(m_questions.size(), 2);
        QCOMPARE(listed.count(), 2);
    }

    void previewFollowsTheModuli()
    {
        const QImage empty = window().preview();
        QCOMPARE(empty.size(), QSize(240, 160));
        typeItem(BoxValues);
        const QImage full = window().preview();
        QVERIFY(full != empty);
        QVERIFY(!window().previewLabel()->pixmap().isNull());
        window().propertyField(PrivateProperty::KxAbove)->setText("8");
        QVERIFY(window().preview() != full); // 12.50 mm above
        window().propertyField(PrivateProperty::KxAbove)->setText("4");
        QCOMPARE(window().preview(), full);
    }

    void correctionCaptionAndStartValues()
    {
        PrivateItemTexts t;
        t.description = "40x20x3 RH Section";
        t.material.eModulus = "210000000";
        t.material.density = "7850";
        t.material.poisson = "0.29";
        t.material.tensile = "300.00";
        t.material.pressure = "-300.00";
        t.properties = {"1.89", "6.08", "1.89", "1.89", "6.08", "6.08", "4.41", "2.60", "3.240000"};
        window().startCorrection(t, t.currentValues());
        QCOMPARE(window().windowTitle(), QStringLiteral("Correction selected item..."));
        QCOMPARE(window().propertyField(PrivateProperty::Iy)->text(), QStringLiteral("6.08"));
        QCOMPARE(window().eModulusBox()->currentText(), QStringLiteral("210000000"));
        QCOMPARE(window().pressureField()->text(), QStringLiteral("-300.00"));
        QVERIFY(window().toListButton()->isEnabled());
        QVERIFY(window().showsCorrectionStart());
        // A changed description is no change of the values.
        window().descriptionField()->setText("renamed");
        QVERIFY(window().showsCorrectionStart());
        window().propertyField(PrivateProperty::Area)->setText("3.25");
        QVERIFY(!window().showsCorrectionStart());
        window().endCorrection();
        QCOMPARE(window().windowTitle(), QStringLiteral("Private data editing ...."));
        QVERIFY(!window().showsCorrectionStart());
        QCOMPARE(window().propertyField(PrivateProperty::Area)->text(), QStringLiteral("3.25"));
    }

    void materialListsAndUnitChange()
    {
        window().setMaterialLists({"Steel : 210000000", "Wood : 10000000"}, {"Steel : 7850", "Water : 1000"});
        QCOMPARE(window().eModulusBox()->currentText(), QStringLiteral("Steel : 210000000"));
        QCOMPARE(window().densityBox()->count(), 2);
        // Typed texts are held to the lengths of the fields.
        window().densityBox()->setEditText("12345678");
        QCOMPARE(window().densityBox()->currentText(), QStringLiteral("123456"));
        window().densityBox()->setCurrentIndex(0);
        window().reexpressMaterial(UnitSettings{}, *UnitSettings::fromDigits("2122213"));
        QCOMPARE(window().eModulusBox()->itemText(0), QStringLiteral("Steel : 21000000"));
        QCOMPARE(window().eModulusBox()->currentText(), QStringLiteral("Steel : 21000000"));
        QCOMPARE(window().tensileField()->text(), QStringLiteral("300000.00"));
    }

    void buttonsAndPressureLeftAlone()
    {
        QSignalSpy units(&window(), &PrivateDataWindow::unitsRequested);
        QTest::mouseClick(window().unitsButton(), Qt::LeftButton);
        QCOMPARE(units.count(), 1);
        window().pressureField()->setText("-");
        QFocusEvent leave(QEvent::FocusOut);
        QApplication::sendEvent(window().pressureField(), &leave);
        QCOMPARE(m_questions, QStringList{"Error wrong data !"});
        window().pressureField()->setText("-3");
        QApplication::sendEvent(window().pressureField(), &leave);
        QCOMPARE(m_questions.size(), 1);
        QTest::mouseClick(window().closeButton(), Qt::LeftButton);
        QVERIFY(!window().isVisible());
    }

    void mainWindowListsPrivateItems();
    void correctionOpensTheWindowAndOverwritesTheRow();
    void doubleClickAndPrivateButtonEndOrStartCorrections();
    void unitChangeRestartsAnUnchangedCorrection();
    void loadedJobGivesItsListsToTheWindow();
    void loadedJobInOtherStressUnitsReexpressesTheTypedStresses();

};

void PrivateDataTest::mainWindowListsPrivateItems()
{
    auto w = startedMain();
    QPushButton* button = w->findChild<QPushButton*>("Button2");
    QVERIFY(button && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    PrivateDataWindow* p = w->privateDataWindow();
    QVERIFY(p->isVisible());
    typeInto(p, BoxValues, "Box 50");
    QTest::mouseClick(p->toListButton(), Qt::LeftButton);
    QCOMPARE(w->itemList().count(), 1);
    const ListRow& row = w->itemList().row(1);
    QCOMPARE(row.cells[0], QStringLiteral("1"));
    QCOMPARE(row.cells[1], QStringLiteral("10"));
    QCOMPARE(row.cells[2], QStringLiteral("Box 50"));
    QCOMPARE(row.RowPicture.size(), QSize(240, 160));
    QCOMPARE(w->itemGrid()->model()->index(0, 2).data().toString(), QStringLiteral("Box 50"));
    QVERIFY(w->findChild<QPushButton*>("Button1")->isEnabled()); // the list editor has items now

    // A refused material leaves the list alone and says why.
    p->tensileField()->setText("0");
    QTest::mouseClick(p->toListButton(), Qt::LeftButton);
    QCOMPARE(w->itemList().count(), 1);
    QCOMPARE(m_questions.last(), QStringLiteral("Error. Max.Tensil<=0 !"));
}

void PrivateDataTest::correctionOpensTheWindowAndOverwritesTheRow()
{
    auto w = startedMain();
    listTubes(*w, {"20x20x2", "30x30x2", "40x20x2"});
    const ListRow second = w->itemList().row(2);
    clickCell(*w, 1, 2);
    w->action(Command::CorrectItem)->trigger();
    PrivateDataWindow* p = w->privateDataWindow();
    QVERIFY(p->isVisible());
    QCOMPARE(p->windowTitle(), QStringLiteral("Correction selected item..."));
    QCOMPARE(p->descriptionField()->text(), QStringLiteral("30x30x2 RH Section"));
    QCOMPARE(p->propertyField(PrivateProperty::Ix)->text(), splitPairCell(second.cells[6]).first);
    QCOMPARE(p->propertyField(PrivateProperty::Area)->text(), second.cells[5]);
    QCOMPARE(p->eModulusBox()->currentText(), QStringLiteral("210000000"));

    // Unchanged values keep the row's mark; the row is overwritten in place.
    p->descriptionField()->setText("30x30x2 renamed");
    QTest::mouseClick(p->toListButton(), Qt::LeftButton);
    QCOMPARE(w->itemList().count(), 3);
    QCOMPARE(w->itemList().row(2).cells[2], QStringLiteral("30x30x2 renamed"));
    QCOMPARE(w->itemList().row(2).cells[1], QStringLiteral("00"));
    QCOMPARE(w->itemList().row(2).cells[6], second.cells[6]);
    QCOMPARE(w->itemList().row(3).cells[2], QStringLiteral("40x20x2 RH Section"));

    // Changed values make it a private row.
    p->propertyField(PrivateProperty::Area)->setText("2.5");
    QTest::mouseClick(p->toListButton(), Qt::LeftButton);
    QCOMPARE(w->itemList().count(), 3);
    QCOMPARE(w->itemList().row(2).cells[1], QStringLiteral("10"));
    QCOMPARE(w->itemList().row(2).cells[5], QStringLiteral("2.500000"));

    // Any cell selection ends it and gives the window its caption back.
    clickCell(*w, 0, 2);
    QVERIFY(!w->state().RowBlinkEnabled);
    QCOMPARE(p->windowTitle(), QStringLiteral("Private data editing ...."));
    QTest::mouseClick(p->toListButton(), Qt::LeftButton);
    QCOMPARE(w->itemList().count(), 4);
    QCOMPARE(w->itemList().row(4).cells[1], QStringLiteral("10"));
}

void PrivateDataTest::doubleClickAndPrivateButtonEndOrStartCorrections()
{
    auto w = startedMain();
    listTubes(*w, {"20x20x2"});
    QTableView* grid = w->itemGrid();
    const QPoint at = grid->visualRect(grid->model()->index(0, 2)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    PrivateDataWindow* p = w->privateDataWindow();
    QVERIFY(w->state().RowBlinkEnabled);
    auto* timer = w->findChild<QTimer*>(QStringLiteral("RowBlinkTimer"));
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 250);
    QCOMPARE(p->windowTitle(), QStringLiteral("Correction selected item..."));
    w->action(Command::PrivateData)->trigger();
    QVERIFY(!w->state().RowBlinkEnabled);
    QCOMPARE(p->windowTitle(), QStringLiteral("Private data editing ...."));
    // New job ends a correction as well.
    w->correctSelectedItem();
    QCOMPARE(p->windowTitle(), QStringLiteral("Correction selected item..."));
    w->newJob();
    QVERIFY(!w->state().RowBlinkEnabled);
    QVERIFY(!w->itemGrid()->isBlinking());
    QCOMPARE(p->windowTitle(), QStringLiteral("Private data editing ...."));
}

void PrivateDataTest::unitChangeRestartsAnUnchangedCorrection()
{
    auto w = startedMain();
    PrivateDataWindow* p = w->privateDataWindow();
    typeInto(p, BoxValues, "Box 50");
    QTest::mouseClick(p->toListButton(), Qt::LeftButton);
    typeInto(p, BoxValues, "Box 50 again");
    QTest::mouseClick(p->toListButton(), Qt::LeftButton);
    clickCell(*w, 0, 2);
    w->correctSelectedItem();
    QCOMPARE(p->propertyField(PrivateProperty::Ix)->text(), QStringLiteral("10.00"));

    UnitSettings mm = w->units();
    mm.setChoice(UnitGroup::Inertia, 3);
    mm.setChoice(UnitGroup::Area, 3);
    w->applyUnits(mm);
    QVERIFY(w->state().RowBlinkEnabled);
    QCOMPARE(p->windowTitle(), QStringLiteral("Correction selected item..."));
    QCOMPARE(p->propertyField(PrivateProperty::Ix)->text(), QStringLiteral("100000.00"));
    QCOMPARE(p->propertyField(PrivateProperty::Area)->text(), QStringLiteral("2000.00"));
    QCOMPARE(p->group(0)->title(), QStringLiteral(" Moment of inertia Ix, Iy [mm4]"));
    QVERIFY(p->showsCorrectionStart());
    // Listing the converted values stores what was stored before.
    QTest::mouseClick(p->toListButton(), Qt::LeftButton);
    QCOMPARE(w->itemList().count(), 2);
    QVERIFY(qAbs(double(w->itemList().row(1).ItemValues[3]) - 10.0) < 1e-9);
    QVERIFY(qAbs(double(w->itemList().row(1).ItemValues[2]) - 2000.0) < 1e-9);

    // Typed-over values are left as typed when the units change again.
    p->propertyField(PrivateProperty::Ix)->setText("123");
    w->applyUnits(UnitSettings{});
    QCOMPARE(p->propertyField(PrivateProperty::Ix)->text(), QStringLiteral("123"));
    QCOMPARE(p->group(0)->title(), QStringLiteral(" Moment of inertia Ix, Iy [cm4]"));
}

void PrivateDataTest::loadedJobGivesItsListsToTheWindow()
{
    auto w = startedMain();
    PrivateDataWindow* p = w->privateDataWindow();
    typeInto(p, BoxValues, "Box 50");
    QTest::mouseClick(p->toListButton(), Qt::LeftButton);
    JobFile job;
    job.rows.push_back(w->itemList().row(1));
    job.units = *UnitSettings::fromDigits("3122233");
    job.eItems = QStringList{"Steel : 210000", "Oak : 12000"};
    job.densityItems = QStringList{"Steel : 7850"};
    job.tensile = "300";
    job.pressure = "-300";
    QTemporaryDir dir;
    const QString path = dir.filePath("n_mm2.mvn");
    QSaveFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(writeJob(job));
    QVERIFY(file.commit());
    QVERIFY(w->loadAtStart(path));
    QCOMPARE(p->eModulusBox()->count(), 2);
    QCOMPARE(p->eModulusBox()->currentText(), QStringLiteral("Steel : 210000"));
    QCOMPARE(p->densityBox()->itemText(0), QStringLiteral("Steel : 7850"));
    QCOMPARE(p->materialCaption(0)->text(), QStringLiteral("E modulus [N/mm2]"));
}

// The window's stresses were typed in N/mm2; after a job in KN/m2 is loaded
// they read the same stresses in KN/m2, and an item listed from them carries
// what the other rows carry.
void PrivateDataTest::loadedJobInOtherStressUnitsReexpressesTheTypedStresses()
{
    auto w = startedMain();
    PrivateDataWindow* p = w->privateDataWindow();
    typeInto(p, BoxValues, "Box 50");
    QTest::mouseClick(p->toListButton(), Qt::LeftButton);
    JobFile job;
    job.rows.push_back(w->itemList().row(1));
    job.units = *UnitSettings::fromDigits("1122213");
    job.eItems = eModulusItems();
    job.densityItems = densityItems();
    job.tensile = "300000.00";
    job.pressure = "-300000.00";
    QTemporaryDir dir;
    const QString path = dir.filePath("kn_m2.mvn");
    QSaveFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(writeJob(job));
    QVERIFY(file.commit());
    QVERIFY(w->loadJob(path));
    QCOMPARE(p->materialCaption(3)->text(), QStringLiteral("Max.Tensile [KN/m2]"));
    QCOMPARE(p->tensileField()->text(), QStringLiteral("300000.00"));
    QCOMPARE(p->pressureField()->text(), QStringLiteral("-300000.00"));
    QCOMPARE(w->itemList().row(1).cells[11], QStringLiteral("300000.00&  -300000.00"));
    QTest::mouseClick(p->toListButton(), Qt::LeftButton);
    QCOMPARE(w->itemList().count(), 2);
    QCOMPARE(w->itemList().row(2).cells[11], QStringLiteral("300000.00&-300000.00"));
    QCOMPARE(double(w->itemList().row(2).ItemValues[11]), 300.0);
    QCOMPARE(double(w->itemList().row(2).ItemValues[12]), -300.0);
}

QTEST_MAIN(PrivateDataTest)
#include "test_privatedata.moc"
