// A language switch reaches the main window: its texts, the current tab's
// computation and tree, and the material captions in the chosen units. The
// table's texts and the menu translations are the core's tests.
#include "main_window_helpers.h"

#include "catalogue/menu_language.h"
#include "catalogue/profile_catalogue.h"
#include "settings/message_table.h"

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    // After a switch the current tab shows what it showed before, in the new
    // language, and the material captions keep the chosen units.
    void switchRetitlesAndRecomputesTheWindow()
    {
        auto main = quietMainWindow();
        const MainWindowProbe ui(*main);
        main->show();
        main->start();
        main->applyUnits(*UnitSettings::fromDigits("3122213"));
        QTreeWidget* tree = selectEntry(*main, SectionKind::I, "HR I80x42");
        const std::size_t lines = ui.resultsPanel(SectionKind::I)->panel().lines().size();
        QVERIFY(lines > 0);
        tree->expandAll();
        int row = 0; // in the menu's order
        for (QTreeWidgetItem* it = tree->topLevelItem(0); it != tree->currentItem(); it = tree->itemBelow(it))
            ++row;
        QAction* exit = main->findChild<QAction*>("Kilps1");
        const QString english = exit->text();
        ui.translationWindow()->chooseLanguage(1);
        QCOMPARE(exit->text(), QString::fromUtf8("Kil\xc3\xa9p\xc3\xa9s"));
        QCOMPARE(ui.toListButton(SectionKind::I)->text(), QString::fromUtf8("List\xc3\xa1""ba"));
        QCOMPARE(ui.resultsPanel(SectionKind::I)->panel().lines().size(), lines);
        QVERIFY(ui.toListButton(SectionKind::I)->isEnabled());
        const MessageTable& m = ui.languageSwitch()->messages();
        QCOMPARE(tree->currentItem()->text(0), translatedMenu(SectionKind::I, builtInMenu(SectionKind::I), m).value(row));
        QCOMPARE(main->findChild<QLabel*>("Panel53")->text(), m(79) + " [N/mm2]");
        QCOMPARE(ui.tensileField()->text(), QStringLiteral("300000.00"));
        ui.translationWindow()->chooseLanguage(0);
        QCOMPARE(exit->text(), english);
    }
};

QTEST_MAIN(TranslationTest)
#include "test_translation.moc"
