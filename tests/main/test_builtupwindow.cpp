#include "builtupwindow.h"
#include "main_window_helpers.h"
#include "mainwindow.h"

#include "builtup/builtup_listing.h"
#include "itemlist/job_file.h"
#include "itemlist/job_state.h"
#include "sections/material.h"
#include "settings/message_table.h"

#include <QLabel>
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

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
        QVERIFY(w.toListButton()->isEnabled());
        bool asked = false;
        w.askYesNo = [&asked](const QString&) { return asked = true, false; };

        QSignalSpy listed(&w, &BuiltUpWindow::listRequested);
        QTest::mouseClick(w.toListButton(), Qt::LeftButton);
        QVERIFY(!asked); // a computed section fits its bounding rectangle
        QCOMPARE(listed.count(), 1);
        PrivateItemTexts texts = listed.at(0).at(0).value<PrivateItemTexts>();
        const QImage picture = listed.at(0).at(1).value<QImage>();
        QCOMPARE(texts.description, QStringLiteral("IPE 300x150 + PL 200x10"));

        texts.material = defaultMaterialTexts();
        const WriteOutcome out = writePrivateRow(1, texts, listing, picture, MessageTable::english());
        QVERIFY2(out.written, qPrintable(out.refusal));
        QCOMPARE(out.row.cells[1], QStringLiteral("10"));
        QCOMPARE(out.row.cells[2], QStringLiteral("IPE 300x150 + PL 200x10"));
        // Shown in the listing units, stored in base units: mm2, cm4, cm3.
        const ExactProperties& e = *expected.properties;
        const double shownArea = out.row.cells[5].toDouble();
        QCOMPARE_LT(std::abs(shownArea - e.area / areaDivisor), 0.006 * std::max(1.0, e.area / areaDivisor) / 100);
        QCOMPARE_LT(std::abs(double(out.row.ItemValues[2]) - e.area), 1e-6 * e.area);
        QCOMPARE_LT(std::abs(double(out.row.ItemValues[3]) - e.ix / 1e4), 1e-9 * e.ix);
        QCOMPARE_LT(std::abs(double(out.row.ItemValues[5]) - e.welXAbove / 1e3), 1e-9 * e.welXAbove);
        QCOMPARE_LT(std::abs(double(out.row.ItemValues[9]) - e.it / 1e4), 1e-9 * e.it);
        QCOMPARE(out.row.RowPicture.size(), SectionPictureSize);
    }

    void toolsMenuOpensItAndToListAppendsTheRow()
    {
        auto main = quietMainWindow();
        main->show();
        main->start();
        QAction* command = main->action(Command::BuiltUpSection);
        QCOMPARE(command->text(), QStringLiteral("Built-up section ...."));
        command->trigger();
        BuiltUpWindow* w = main->builtUpWindow();
        QVERIFY(w && w->isVisible() && !w->isModal());
        compute(*w, strengthenedBeam());
        QTest::mouseClick(w->toListButton(), Qt::LeftButton);
        QCOMPARE(main->itemList().count(), 1);
        const ListRow& row = main->itemList().row(1);
        QCOMPARE(row.cells[1], QStringLiteral("10"));
        QCOMPARE(row.cells[2], QStringLiteral("IPE 300x150 + PL 200x10"));
        QCOMPARE(row.cells[4], QStringLiteral("7850")); // the material bar's density
        QVERIFY(!row.RowPicture.isNull());
    }

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
        QCOMPARE(w.composition().parts[1].y, -200.0);
        QSignalSpy shown(&w, &BuiltUpWindow::resultShown);
        QVERIFY(shown.wait(30000));
        QVERIFY(w.shownResult()->separatePieces);
        QVERIFY(w.statusLabel()->text().contains(QStringLiteral("act together only if")));
        w.snapTowards(-1, 0); // nothing lies to the left
        QCOMPARE(w.composition().parts[1].x, -9.0);
        w.snapTowards(0, 1); // up until the plate touches the bottom flange
        QCOMPARE_LT(std::abs(w.composition().parts[1].y + 155), 1e-6);
        QVERIFY(shown.wait(30000));
        QVERIFY(!w.shownResult()->separatePieces);
    }
};

QTEST_MAIN(BuiltUpWindowTest)
#include "test_builtupwindow.moc"
