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
    // A new selection replaces the values; names and values follow the
    // units for listing.
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
        units.setChoice(UnitGroup::Inertia, 3); // mm4
        w.setUnits(units);
        QCOMPARE(w.valueText("Ix"), QStringLiteral("1041666.67")); // 100 x 50^3 / 12
        QVERIFY(!w.table()->findItems("Ix [mm4]", Qt::MatchExactly).isEmpty());
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
        selectEntry(main, SectionKind::I, "IPE 300x150");
        QTRY_COMPARE_WITH_TIMEOUT(w->captionLabel()->text(), QStringLiteral("IPE 300x150, turned by 0 degrees"), 10000);
        mainWindow->prompter.text = QStringLiteral("90");
        main.rotateSection();
        QTRY_COMPARE_WITH_TIMEOUT(w->captionLabel()->text(), QStringLiteral("IPE 300x150, turned by 90 degrees"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!w->isComputing(), 10000);
        QVERIFY(w->valueText("WplY").toDouble() > 5 * w->valueText("WplX").toDouble());
        ui.tabBar()->setCurrentIndex(int(SectionKind::Plate));
        QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), QStringLiteral("A plate has no cross-section properties."),
                                  10000);
    }
};

QTEST_MAIN(ExactWindowTest)
#include "test_exactwindow.moc"
