// The built-up section window lists its section in the listing units and
// through the main window; the values themselves are the builtup tests'.
#include "main_window_helpers.h"

#include "settings/message_table.h"

#include <QListWidget>
#include <QSignalSpy>

namespace {
BuiltUpComposition strengthenedBeam()
{
    return {{},
            {{SectionKind::I, QStringLiteral("IPE 300x150"), {}, 0, 0, 0, false},
             {SectionKind::RectSolid, {}, {QStringLiteral("200"), QStringLiteral("10")}, 0, -155, 0, false}}};
}
} // namespace

class BuiltUpWindowTest : public QObject {
    Q_OBJECT

    // Shows the composition and waits for its values.
    static void compute(BuiltUpWindow& w, const BuiltUpComposition& c)
    {
        QSignalSpy shown(&w, &BuiltUpWindow::resultShown);
        w.setComposition(c);
        QVERIFY(shown.wait(30000));
        QVERIFY(!w.isComputing());
    }

private slots:
    void toolsMenuOpensItAndToListAppendsTheRow()
    {
        auto main = quietMainWindow();
        const MainWindowProbe ui(*main);
        main->show();
        main->start();
        ui.action(Command::BuiltUpSection)->trigger();
        BuiltUpWindow* w = ui.builtUpWindow();
        QVERIFY(w && w->isVisible());
        compute(*w, strengthenedBeam());
        QTest::mouseClick(w->toListButton(), Qt::LeftButton);
        QCOMPARE(ui.itemList().count(), 1);
        const ListRow& row = ui.itemList().row(1);
        QCOMPARE(row.cells[1], QStringLiteral("10"));
        QCOMPARE(row.cells[2], QStringLiteral("IPE 300x150 + PL 200x10"));
        QCOMPARE(row.cells[4], QStringLiteral("7850")); // the material bar's density
    }

    // Keys move the selected part; the snap (the builtup tests') is reached
    // from the window and the values follow.
    void keysAndSnapMoveTheSelectedPart()
    {
        ScriptedPrompter user;
        BuiltUpWindow w(MessageTable::english(), user);
        BuiltUpComposition c = strengthenedBeam();
        c.parts[1].y = -200;
        compute(w, c);
        w.selectPart(1);
        QTest::keyClick(w.partsList(), Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(w.partsList(), Qt::Key_Right);
        QCOMPARE(w.composition().parts[1].x, -9.0);
        QSignalSpy shown(&w, &BuiltUpWindow::resultShown);
        QVERIFY(shown.wait(30000));
        QVERIFY(w.shownResult()->separatePieces);
        w.snapTowards(0, 1); // up until the plate touches the bottom flange
        QCOMPARE_LT(std::abs(w.composition().parts[1].y + 155), 1e-6);
        QVERIFY(shown.wait(30000));
        QVERIFY(!w.shownResult()->separatePieces);
    }
};

QTEST_MAIN(BuiltUpWindowTest)
#include "test_builtupwindow.moc"
