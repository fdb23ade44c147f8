// The private data window lists a typed section through the main window,
// corrects a listed row and asks before listing an implausible one; the
// plausibility figures and the row's values are the core's tests
// (plausibility, private_item).
#include "main_window_helpers.h"

#include <QTemporaryDir>
#include <QWindow>

namespace {
using Values = const char* const[PrivatePropertyCount];
Values BoxValues = {"10", "10", "4", "4", "4", "4", "5", "3", "20"};

void typeInto(PrivateDataWindow* p, Values values, const QString& description)
{
    p->descriptionField()->setText(description);
    for (int k = 0; k < PrivatePropertyCount; ++k)
        p->propertyField(static_cast<PrivateProperty>(k))->setText(QString::fromLatin1(values[k]));
}
} // namespace

class PrivateDataTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedMainWindow> m_main;

    MainWindow& main() { return *m_main; }
    MainWindowProbe ui() { return MainWindowProbe(*m_main); }
    ScriptedPrompter& user() { return m_main->prompter; }

private slots:
    void init()
    {
        m_main = quietMainWindow();
        m_main->show();
        m_main->start();
    }
    void cleanup() { m_main.reset(); }

    // The main window's button opens the window; its To List appends a
    // private row, an implausible one only after Yes, or says why the
    // material is refused.
    void mainWindowListsPrivateItems()
    {
        QTest::mouseClick(main().findChild<QPushButton*>("Button2"), Qt::LeftButton);
        PrivateDataWindow* p = ui().privateDataWindow();
        QVERIFY(p->isVisible());
        typeInto(p, BoxValues, "Box 50");
        QTest::mouseClick(p->toListButton(), Qt::LeftButton);
        QCOMPARE(ui().itemList().count(), 1);
        QCOMPARE(listCell(main(), 1, 1), QStringLiteral("10"));
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
        p->tensileField()->setText("0");
        QTest::mouseClick(p->toListButton(), Qt::LeftButton);
        QCOMPARE(ui().itemList().count(), 2);
        QCOMPARE(user().shown.last(), QStringLiteral("Error. Max.Tensil<=0 !"));
    }

    // The window stays above the window that opens it: the main window, or the
    // window-modal list editor, whose modality would otherwise block it.
    void belongsToTheWindowThatOpensIt()
    {
        QTest::mouseClick(main().findChild<QPushButton*>("Button2"), Qt::LeftButton);
        PrivateDataWindow* p = ui().privateDataWindow();
        QCOMPARE(p->parentWidget(), &main());
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
        listTubes(main(), {"20x20x2", "30x30x2", "40x20x2"});
        clickCell(main(), 1, 2);
        ui().action(Command::CorrectItem)->trigger();
        PrivateDataWindow* p = ui().privateDataWindow();
        QVERIFY(p->isVisible());
        QCOMPARE(p->descriptionField()->text(), QStringLiteral("30x30x2 RH Section"));
        p->descriptionField()->setText("30x30x2 renamed");
        QTest::mouseClick(p->toListButton(), Qt::LeftButton);
        QCOMPARE(ui().itemList().count(), 3);
        QCOMPARE(listCell(main(), 2, 2), QStringLiteral("30x30x2 renamed"));
        QCOMPARE(listCell(main(), 2, 1), QStringLiteral("00"));
        p->propertyField(PrivateProperty::Area)->setText("2.5");
        QTest::mouseClick(p->toListButton(), Qt::LeftButton);
        QCOMPARE(ui().itemList().count(), 3);
        QCOMPARE(listCell(main(), 2, 1), QStringLiteral("10"));
        QCOMPARE(listCell(main(), 2, 5), QStringLiteral("2.500000"));
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
        main().applyUnits(*UnitSettings::fromDigits("1122213"));
        QVERIFY(main().saveJob());
        main().applyUnits(UnitSettings{});
        QVERIFY(main().loadJob(user().fileName));
        QCOMPARE(p->tensileField()->text(), QStringLiteral("300000.00"));
        QTest::mouseClick(p->toListButton(), Qt::LeftButton);
        QCOMPARE(ui().itemList().count(), 2);
        QCOMPARE(double(ui().itemList().row(2).ItemValues[11]), 300.0);
    }
};

QTEST_MAIN(PrivateDataTest)
#include "test_privatedata.moc"
