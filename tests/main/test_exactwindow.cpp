#include "exactpropertieswindow.h"
#include "main_window_helpers.h"

#include "exact/exact_values.h"
#include "settings/message_table.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QThread>
#include <QTreeWidget>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace {
QString customEntry()
{
    return MessageTable::english()(96);
}

ExactRequest catalogueRequest(SectionKind kind, const QString& entry, int angle = 0)
{
    ExactRequest r;
    r.kind = kind;
    r.entry = entry;
    r.angle = angle;
    return r;
}

ExactRequest rectangle(const QString& width, const QString& height, int angle = 0)
{
    ExactRequest r;
    r.kind = SectionKind::RectSolid;
    r.entry = customEntry();
    r.fields = {width, height};
    r.angle = angle;
    return r;
}

double shown(const ExactPropertiesWindow& w, const QString& name)
{
    bool ok = false;
    const double value = w.valueText(name).toDouble(&ok);
    return ok ? value : std::nan("");
}

// Every value cell of the table is empty.
bool noValues(const ExactPropertiesWindow& w)
{
    for (int r = 0; r < w.table()->rowCount(); ++r)
        if (!w.table()->item(r, 1)->text().isEmpty())
            return false;
    return true;
}

// A computation the test controls: it counts its runs, records which
// sections it saw cancelled, and holds each run until released or cancelled.
struct GatedCompute {
    std::atomic<int> runs{0};
    std::atomic<bool> open{true};
    std::mutex mutex;
    QStringList cancelled;

    ExactPropertiesWindow::Compute function()
    {
        return [this](const ExactRequest& request, const std::atomic<bool>* cancel) {
            ++runs;
            while (!open.load() && !cancel->load())
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            if (cancel->load()) {
                const std::lock_guard lock(mutex);
                cancelled << request.fields.join('x');
            }
            return exactForTab(request, nullptr);
        };
    }
    QStringList cancelledSections()
    {
        const std::lock_guard lock(mutex);
        return cancelled;
    }
};
} // namespace

class ExactWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheValuesWithNamesAndUnits()
    {
        ExactPropertiesWindow w(MessageTable::english());
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Exact properties"));
        QVERIFY(!w.isModal());
        QCOMPARE(w.statusLabel()->text(), QStringLiteral("No section computed yet."));
        QVERIFY(noValues(w));

        SectionProperties panel;
        panel.Ixx = 6.7667L;
        panel.Kxx = 8.0375L;
        w.setSection(catalogueRequest(SectionKind::I, "IPE 200x100"), panel);
        QCOMPARE(w.statusLabel()->text(), QString::fromUtf8("Computing\u2026"));
        QTRY_VERIFY_WITH_TIMEOUT(!w.isComputing(), 10000);
        QCOMPARE(w.captionLabel()->text(), QStringLiteral("IPE 200x100, turned by 0 degrees"));
        QVERIFY2(w.statusLabel()->text().contains(QRegularExpression("mesh of [1-9][0-9]* quadratic triangles")),
                 qPrintable(w.statusLabel()->text()));
        // The figures themselves are the exact tests' (published iy 8.26 cm);
        // here: two decimals, and the rows name their units.
        QCOMPARE(w.table()->item(0, 0)->text(), QStringLiteral("A [cm2]")); // the listing's area unit
        QCOMPARE(w.valueText("ix"), QStringLiteral("8.26"));
        // Symmetric: no product moment, no principal angle, the shear centre
        // on the centroid (rounding noise shows as zero); small values keep
        // ten decimals.
        QCOMPARE(w.valueText("Ixy"), QStringLiteral("0.00"));
        QCOMPARE(w.valueText("alpha"), QStringLiteral("0.00"));
        QCOMPARE(w.valueText("xs"), QStringLiteral("0.00"));
        QCOMPARE(w.valueText("ys"), QStringLiteral("0.00"));
        // The panel's 6.77 cm4 lies a little under It.
        QVERIFY(shown(w, "IxxDifference") < 0 && shown(w, "IxxDifference") > -3);
        QVERIFY(shown(w, "KxxDifference") > 10);
        // Units in the row names, as morvane-cli writes them.
        for (int r = 0; r < w.table()->rowCount(); ++r) {
            const QString name = w.table()->item(r, 0)->text();
            QVERIFY2(name.contains(QRegularExpression(R"(^\w+ \[(cm2|cm4|cm3|cm6|cm|mm|degrees|%)\]$)")),
                     qPrintable(name));
        }

        // Without the panel's values there are no differences to show.
        w.setSection(catalogueRequest(SectionKind::I, "IPE 200x100", 90), std::nullopt);
        QTRY_VERIFY_WITH_TIMEOUT(!w.isComputing(), 10000);
        QVERIFY(w.valueText("IxxDifference").isEmpty());
        QVERIFY(!w.valueText("It").isEmpty());
        QCOMPARE(w.captionLabel()->text(), QStringLiteral("IPE 200x100, turned by 90 degrees"));
    }

    void aNewSelectionReplacesTheValues()
    {
        ExactPropertiesWindow w(MessageTable::english());
        w.show();
        w.setSection(rectangle("100", "50"), std::nullopt);
        QTRY_COMPARE_WITH_TIMEOUT(w.valueText("A"), QStringLiteral("50.00"), 10000);
        QCOMPARE(w.captionLabel()->text(), QStringLiteral("Custom-designed section 100 x 50, turned by 0 degrees"));
        QCOMPARE(w.valueText("Ix"), QStringLiteral("104.17")); // 100 * 50^3 / 12 mm4
        w.setSection(rectangle("60", "60"), std::nullopt);
        QTRY_COMPARE_WITH_TIMEOUT(w.valueText("A"), QStringLiteral("36.00"), 10000);
        QCOMPARE(w.valueText("Ix"), QStringLiteral("108.00"));
    }

    // Area, second moments and moduli follow the units for listing, names and
    // values alike; the others keep theirs.
    void valuesFollowTheUnitsForListing()
    {
        ExactPropertiesWindow w(MessageTable::english());
        w.show();
        w.setSection(rectangle("100", "50"), std::nullopt);
        QTRY_COMPARE_WITH_TIMEOUT(w.valueText("A"), QStringLiteral("50.00"), 10000);
        UnitSettings units;
        units.setChoice(UnitGroup::Area, 3);    // mm2
        units.setChoice(UnitGroup::Inertia, 3); // mm4
        units.setChoice(UnitGroup::Modulus, 1); // m3
        w.setUnits(units);
        const struct {
            const char* name;
            const char* caption;
            const char* value;
        } rows[] = {
            {"A", "A [mm2]", "5000.00"},
            {"Ix", "Ix [mm4]", "1041666.67"},  // 100 x 50^3 / 12
            {"It", "It [mm4]", nullptr},
            {"WelXAbove", "WelXAbove [m3]", "0.0000416667"}, // 100 x 50^2 / 6 mm3
            {"ix", "ix [cm]", "1.44"},
        };
        for (const auto& row : rows) {
            int r = 0;
            while (r < w.table()->rowCount() && w.table()->item(r, 0)->data(Qt::UserRole).toString() != row.name)
                ++r;
            QVERIFY2(r < w.table()->rowCount(), row.name);
            QCOMPARE(w.table()->item(r, 0)->text(), QString(row.caption));
            if (row.value)
                QCOMPARE(w.valueText(row.name), QString(row.value));
        }
    }

    void ktOfSharpInnerCornersIsNotShownAsAValue()
    {
        ExactPropertiesWindow w(MessageTable::english());
        w.show();
        SectionProperties panel;
        panel.Ixx = 1;
        panel.Kxx = 1;
        ExactRequest typed;
        typed.kind = SectionKind::I;
        typed.entry = customEntry();
        typed.fields = {"150", "300", "7.1", "10.7"};
        w.setSection(typed, panel);
        QTRY_VERIFY_WITH_TIMEOUT(!w.isComputing(), 10000);
        QCOMPARE(w.valueText("Kt"), QStringLiteral("-"));
        QCOMPARE(w.valueText("KxxDifference"), QStringLiteral("-"));
        QVERIFY(shown(w, "It") > 0);
        QVERIFY2(w.statusLabel()->text().endsWith("triangles.\nKt is not defined for sharp inner corners."),
                 qPrintable(w.statusLabel()->text()));
        // The catalogue twin's inner corners are rounded.
        w.setSection(catalogueRequest(SectionKind::I, "IPE 300x150"), panel);
        QTRY_VERIFY_WITH_TIMEOUT(!w.isComputing(), 10000);
        QVERIFY(shown(w, "Kt") > 0);
        QVERIFY2(w.statusLabel()->text().endsWith("triangles."), qPrintable(w.statusLabel()->text()));
    }

    void aRefusedSectionShowsTheReasonAndNoValues()
    {
        ExactPropertiesWindow w(MessageTable::english());
        w.show();
        w.setSection(rectangle("100", "50"), std::nullopt);
        QTRY_COMPARE_WITH_TIMEOUT(w.valueText("A"), QStringLiteral("50.00"), 10000);
        ExactRequest web;
        web.kind = SectionKind::I;
        web.entry = customEntry();
        web.fields = {"50", "100", "50", "3"}; // a web as wide as the flange
        w.setSection(web, std::nullopt);
        QTRY_VERIFY_WITH_TIMEOUT(!w.isComputing(), 10000);
        QCOMPARE(w.statusLabel()->text(), QStringLiteral("The section is refused (Error wrong data !)"));
        QVERIFY(noValues(w));
        QVERIFY(w.table()->isEnabled());

        // A group heading of the tree is no section.
        w.setSection(catalogueRequest(SectionKind::I, "Hot rolled I section"), std::nullopt);
        QTRY_VERIFY_WITH_TIMEOUT(!w.isComputing(), 10000);
        QCOMPARE(w.statusLabel()->text(), QStringLiteral("No section is selected"));
        QVERIFY(noValues(w));

        // Plates have a tab but no cross-section.
        w.setSection(catalogueRequest(SectionKind::Plate, "0.5 mm steel plate"), std::nullopt);
        QTRY_VERIFY_WITH_TIMEOUT(!w.isComputing(), 10000);
        QCOMPARE(w.statusLabel()->text(), QStringLiteral("A plate has no cross-section properties."));
        QCOMPARE(w.captionLabel()->text(), QStringLiteral("0.5 mm steel plate"));
        QVERIFY(noValues(w));
    }

    void aQuickSequenceEndsWithTheLastPass()
    {
        ExactPropertiesWindow w(MessageTable::english());
        GatedCompute gate;
        gate.open = false;
        w.setCompute(gate.function());
        w.show();
        QSignalSpy shownSpy(&w, &ExactPropertiesWindow::resultShown);
        const QStringList widths{"10", "20", "30", "40", "50", "60", "70", "80"};
        w.setSection(rectangle(widths.first(), "10"), std::nullopt);
        // The first pass is held on the worker until the next one cancels it.
        QTRY_COMPARE_WITH_TIMEOUT(gate.runs.load(), 1, 5000);
        for (const QString& width : widths.mid(1))
            w.setSection(rectangle(width, "10"), std::nullopt);
        gate.open = true;
        QTRY_VERIFY_WITH_TIMEOUT(!w.isComputing(), 10000);
        QCOMPARE(w.valueText("A"), QStringLiteral("8.00"));
        QCOMPARE(w.captionLabel()->text(), QStringLiteral("Custom-designed section 80 x 10, turned by 0 degrees"));
        // Only the last pass reached the table, and the running one saw its
        // cancel flag; passes overtaken before they began never ran.
        QTest::qWait(100);
        QCOMPARE(shownSpy.count(), 1);
        QVERIFY(gate.cancelledSections().contains("10x10"));
        QVERIFY(gate.runs.load() < widths.size());
    }

    void anOutdatedResultIsDropped()
    {
        // The computation ignores the cancel flag: the older result still
        // arrives, after the newer pass was given, and must not be shown.
        ExactPropertiesWindow w(MessageTable::english());
        std::atomic<bool> release{false};
        std::atomic<int> runs{0};
        w.setCompute([&](const ExactRequest& request, const std::atomic<bool>*) {
            ++runs;
            while (request.fields.first() == "10" && !release.load())
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            return exactForTab(request, nullptr);
        });
        w.show();
        QSignalSpy shownSpy(&w, &ExactPropertiesWindow::resultShown);
        w.setSection(rectangle("10", "10"), std::nullopt);
        QTRY_COMPARE_WITH_TIMEOUT(runs.load(), 1, 5000);
        w.setSection(rectangle("30", "10"), std::nullopt);
        release = true;
        QTRY_VERIFY_WITH_TIMEOUT(!w.isComputing(), 10000);
        QTest::qWait(100);
        QCOMPARE(w.valueText("A"), QStringLiteral("3.00"));
        QCOMPARE(shownSpy.count(), 1);
    }

    void aHiddenWindowComputesNothing()
    {
        ExactPropertiesWindow w(MessageTable::english());
        GatedCompute gate;
        w.setCompute(gate.function());
        w.setSection(rectangle("100", "50"), std::nullopt);
        w.setSection(rectangle("60", "60"), std::nullopt);
        QTest::qWait(200);
        QCOMPARE(gate.runs.load(), 0);
        QVERIFY(!w.isComputing());
        QVERIFY(noValues(w));
        // Shown, it computes the newest pass only.
        w.show();
        QTRY_COMPARE_WITH_TIMEOUT(w.valueText("A"), QStringLiteral("36.00"), 10000);
        QCOMPARE(gate.runs.load(), 1);
        // The same pass again computes nothing more.
        w.setSection(rectangle("60", "60"), std::nullopt);
        QTest::qWait(100);
        QCOMPARE(gate.runs.load(), 1);

        // Hiding cancels a running pass; showing again computes it anew.
        gate.open = false;
        w.setSection(rectangle("20", "10"), std::nullopt);
        QTRY_COMPARE_WITH_TIMEOUT(gate.runs.load(), 2, 5000);
        w.hide();
        QTRY_COMPARE_WITH_TIMEOUT(gate.cancelledSections(), QStringList{"20x10"}, 5000);
        gate.open = true;
        QTest::qWait(100);
        QCOMPARE(w.valueText("A"), QStringLiteral("36.00"));
        w.show();
        QTRY_COMPARE_WITH_TIMEOUT(w.valueText("A"), QStringLiteral("2.00"), 10000);
        QCOMPARE(gate.runs.load(), 3);
    }

    void theCustomEntryFollowsTheLanguage()
    {
        MessageTable other = MessageTable::english();
        other.set(96, QStringLiteral("Eigen doorsnede"));
        ExactPropertiesWindow w(other);
        w.show();
        ExactRequest r = rectangle("40", "20");
        r.entry = QStringLiteral("Eigen doorsnede");
        w.setSection(r, std::nullopt);
        QTRY_COMPARE_WITH_TIMEOUT(w.valueText("A"), QStringLiteral("8.00"), 10000);
        QCOMPARE(w.captionLabel()->text(), QStringLiteral("Eigen doorsnede 40 x 20, turned by 0 degrees"));
        // Retranslating keeps the values shown and resets the fixed texts.
        w.setWindowTitle("x");
        w.retranslate(MessageTable::english());
        QCOMPARE(w.windowTitle(), QStringLiteral("Exact properties"));
        QCOMPARE(w.table()->horizontalHeaderItem(1)->text(), QStringLiteral("Value"));
        QCOMPARE(w.valueText("A"), QStringLiteral("8.00"));
    }

    void destroyedWhileComputingWaitsForTheWorker()
    {
        GatedCompute gate;
        gate.open = false;
        {
            ExactPropertiesWindow w(MessageTable::english());
            w.setCompute(gate.function());
            w.show();
            w.setSection(rectangle("10", "10"), std::nullopt);
            QTRY_COMPARE_WITH_TIMEOUT(gate.runs.load(), 1, 5000);
        }
        QCOMPARE(gate.cancelledSections(), QStringList{"10x10"});
        QTest::qWait(50); // a posted result of the deleted window would crash here
    }

    void followsTheMainWindowsPassesAndTabs()
    {
        auto mainWindow = quietMainWindow();
        MainWindow& main = *mainWindow;
        main.show();
        QAction* command = main.action(Command::ExactProperties);
        QCOMPARE(command->text(), QStringLiteral("Exact properties"));
        QVERIFY(command->isEnabled());
        QMenu* tools = nullptr;
        for (QAction* menu : main.menuBar()->actions())
            if (menu->text() == QLatin1String("Tools"))
                tools = menu->menu();
        QVERIFY(tools && tools->actions().contains(command));

        ExactPropertiesWindow* w = main.exactPropertiesWindow();
        QVERIFY(!w->isVisible());
        main.start();
        command->trigger();
        QVERIFY(w->isVisible());
        QVERIFY(!w->isModal());

        // The I tab, "IPE 200x100": the window follows the tab and the selection.
        QTreeWidget* tree = selectEntry(main, SectionKind::I, "IPE 200x100");
        QTRY_COMPARE_WITH_TIMEOUT(w->captionLabel()->text(), QStringLiteral("IPE 200x100, turned by 0 degrees"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!w->isComputing(), 10000);
        // The panel's table values of this pass against It and Kt, as
        // morvane-cli section --kind i --entry "IPE 200x100" --exact gives them.
        QCOMPARE(w->valueText("IxxDifference"), QStringLiteral("-1.17"));
        QCOMPARE(w->valueText("KxxDifference"), QStringLiteral("64.15"));

        tree->setCurrentItem(findItem(tree, "IPE 300x150"));
        QTRY_COMPARE_WITH_TIMEOUT(w->captionLabel()->text(), QStringLiteral("IPE 300x150, turned by 0 degrees"), 10000);

        // A tab change: the solid rectangle's typed section.
        main.tabBar()->setCurrentIndex(int(SectionKind::RectSolid));
        QTRY_COMPARE_WITH_TIMEOUT(w->captionLabel()->text(), QStringLiteral("R.S. section :5x5, turned by 0 degrees"),
                                  10000);
        QTRY_VERIFY_WITH_TIMEOUT(!w->isComputing(), 10000);
        QCOMPARE(w->valueText("A"), QStringLiteral("0.25"));
        QVERIFY2(w->valueText("Ix").startsWith("0.00520833"), qPrintable(w->valueText("Ix"))); // 5^4 / 12 mm4: ten decimals

        // Back to the I tab, turned: the window shows the angle.
        main.tabBar()->setCurrentIndex(int(SectionKind::I));
        QTRY_COMPARE_WITH_TIMEOUT(w->captionLabel()->text(), QStringLiteral("IPE 300x150, turned by 0 degrees"), 10000);
        main.askText = [](const QString&, const QString&, const QString&) { return QStringLiteral("90"); };
        main.rotateSection();
        QTRY_COMPARE_WITH_TIMEOUT(w->captionLabel()->text(), QStringLiteral("IPE 300x150, turned by 90 degrees"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!w->isComputing(), 10000);
        QVERIFY(shown(*w, "WplY") > 5 * shown(*w, "WplX"));

        // The plate tab has no cross-section.
        main.tabBar()->setCurrentIndex(int(SectionKind::Plate));
        QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), QStringLiteral("A plate has no cross-section properties."),
                                  10000);
        QVERIFY(noValues(*w));
    }
};

QTEST_MAIN(ExactWindowTest)
#include "test_exactwindow.moc"
