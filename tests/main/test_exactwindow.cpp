// The exact properties window shows the pass it was given last, in the
// listing units, and follows the main window; the figures are the exact
// tests'.
#include "main_window_helpers.h"

#include "exact/exact_values.h"
#include "settings/message_table.h"

#include <QSignalSpy>
#include <QTableWidget>

#include <atomic>
#include <chrono>
#include <thread>

namespace {
ExactRequest rectangle(const QString& width, const QString& height)
{
    ExactRequest r;
    r.kind = SectionKind::RectSolid;
    r.entry = MessageTable::english()(96); // the typed section
    r.fields = {width, height};
    return r;
}
} // namespace

class ExactWindowTest : public QObject {
    Q_OBJECT

private slots:
    // A new selection replaces the values; area, second moments and moduli
    // follow the units for listing, names and values alike.
    void valuesFollowTheSelectionAndTheUnits()
    {
        ExactPropertiesWindow w(MessageTable::english());
        w.show();
        w.setSection(rectangle("60", "60"), std::nullopt);
        QTRY_COMPARE_WITH_TIMEOUT(w.valueText("Ix"), QStringLiteral("108.00"), 10000); // 60^4 / 12 mm4
        w.setSection(rectangle("100", "50"), std::nullopt);
        QTRY_COMPARE_WITH_TIMEOUT(w.valueText("A"), QStringLiteral("50.00"), 10000);
        QCOMPARE(w.captionLabel()->text(), QStringLiteral("Custom-designed section 100 x 50, turned by 0 degrees"));
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
            {"WelXAbove", "WelXAbove [m3]", "0.0000416667"}, // 100 x 50^2 / 6 mm3
        };
        for (const auto& row : rows) {
            int r = 0;
            while (r < w.table()->rowCount() && w.table()->item(r, 0)->data(Qt::UserRole).toString() != row.name)
                ++r;
            QVERIFY2(r < w.table()->rowCount(), row.name);
            QCOMPARE(w.table()->item(r, 0)->text(), QString(row.caption));
            QCOMPARE(w.valueText(row.name), QString(row.value));
        }
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

    // A window closed while its worker runs cancels it and waits.
    void destroyedWhileComputingWaitsForTheWorker()
    {
        std::atomic<int> runs{0};
        std::atomic<bool> cancelled{false};
        {
            ExactPropertiesWindow w(MessageTable::english());
            w.setCompute([&](const ExactRequest& request, const std::atomic<bool>* cancel) {
                ++runs;
                while (!cancel->load())
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
                cancelled = true;
                return exactForTab(request, nullptr);
            });
            w.show();
            w.setSection(rectangle("10", "10"), std::nullopt);
            QTRY_COMPARE_WITH_TIMEOUT(runs.load(), 1, 5000);
        }
        QVERIFY(cancelled.load());
        QTest::qWait(50); // a posted result of the deleted window would crash here
    }

    // The window follows the main window's selection, tab and rotation.
    void followsTheMainWindowsPassesAndTabs()
    {
        auto mainWindow = quietMainWindow();
        MainWindow& main = *mainWindow;
        const MainWindowProbe ui(main);
        main.show();
        main.start();
        ui.action(Command::ExactProperties)->trigger();
        ExactPropertiesWindow* w = ui.exactPropertiesWindow();
        QVERIFY(w->isVisible());
        QTreeWidget* tree = selectEntry(main, SectionKind::I, "IPE 200x100");
        QTRY_COMPARE_WITH_TIMEOUT(w->captionLabel()->text(), QStringLiteral("IPE 200x100, turned by 0 degrees"), 10000);
        tree->setCurrentItem(findItem(tree, "IPE 300x150"));
        QTRY_COMPARE_WITH_TIMEOUT(w->captionLabel()->text(), QStringLiteral("IPE 300x150, turned by 0 degrees"), 10000);
        ui.tabBar()->setCurrentIndex(int(SectionKind::RectSolid)); // typed 5 x 5 mm
        QTRY_COMPARE_WITH_TIMEOUT(w->valueText("A"), QStringLiteral("0.25"), 10000);
        ui.tabBar()->setCurrentIndex(int(SectionKind::I));
        mainWindow->prompter.text = QStringLiteral("90");
        main.rotateSection();
        QTRY_COMPARE_WITH_TIMEOUT(w->captionLabel()->text(), QStringLiteral("IPE 300x150, turned by 90 degrees"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!w->isComputing(), 10000);
        QVERIFY(w->valueText("WplY").toDouble() > 5 * w->valueText("WplX").toDouble());
        ui.tabBar()->setCurrentIndex(int(SectionKind::Plate));
        QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), QStringLiteral("A plate has no cross-section properties."),
                                  10000);
        for (int r = 0; r < w->table()->rowCount(); ++r)
            QVERIFY(w->table()->item(r, 1)->text().isEmpty());
    }
};

QTEST_MAIN(ExactWindowTest)
#include "test_exactwindow.moc"
