// The built-up section window lists its section in the listing units and
// through the main window; the values themselves are the builtup tests'.
#include "builtupwindow.h"
#include "main_window_helpers.h"

#include "builtup/builtup_listing.h"
#include "itemlist/job_file.h"
#include "itemlist/job_state.h"
#include "sections/material.h"
#include "settings/message_table.h"

#include <QAction>
#include <QLabel>
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

Q_DECLARE_METATYPE(UnitSettings)

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
    void toListWritesThePrivateRow_data()
    {
        QTest::addColumn<QString>("units");
        QTest::addColumn<double>("areaDivisor");
        QTest::newRow("cm") << QStringLiteral("1122233") << 100.0;
        QTest::newRow("mm") << QStringLiteral("1133333") << 1.0;
        QTest::newRow("m") << QStringLiteral("1111133") << 1e6;
    }

    void toListWritesThePrivateRow()
    {
        QFETCH(QString, units);
        QFETCH(double, areaDivisor);
        const UnitSettings listing = *UnitSettings::fromDigits(units);
        BuiltUpWindow w(MessageTable::english());
        w.setUnits(listing);
        compute(w, strengthenedBeam());
        const BuiltUpResult expected = computeBuiltUp(strengthenedBeam());
        QVERIFY(expected.properties);
        w.askYesNo = [](const QString&) { return false; }; // a computed section needs no approval
        QSignalSpy listed(&w, &BuiltUpWindow::listRequested);
        QTest::mouseClick(w.toListButton(), Qt::LeftButton);
        QCOMPARE(listed.count(), 1);
        PrivateItemTexts texts = listed.at(0).at(0).value<PrivateItemTexts>();
        const QImage picture = listed.at(0).at(1).value<QImage>();
        texts.material = defaultMaterialTexts();
        const WriteOutcome out = writePrivateRow(1, texts, listing, picture, MessageTable::english());
        QVERIFY2(out.written, qPrintable(out.refusal));
        // Shown in the listing units, stored in base units: mm2, cm4, cm3.
        const ExactProperties& e = *expected.properties;
        const double shownArea = out.row.cells[5].toDouble();
        QCOMPARE_LT(std::abs(shownArea - e.area / areaDivisor), 0.006 * std::max(1.0, e.area / areaDivisor) / 100);
        QCOMPARE_LT(std::abs(double(out.row.ItemValues[2]) - e.area), 1e-6 * e.area);
        QCOMPARE_LT(std::abs(double(out.row.ItemValues[3]) - e.ix / 1e4), 1e-9 * e.ix);
        QCOMPARE_LT(std::abs(double(out.row.ItemValues[9]) - e.it / 1e4), 1e-9 * e.it);
    }

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
        BuiltUpWindow w(MessageTable::english());
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
