// A language switch reaches the main window: its texts, the current tab's
// computation and tree, and the material captions in the chosen units. The
// table's texts and the menu translations are the core's tests.
#include "main_window_helpers.h"

#include "catalogue/menu_language.h"
#include "catalogue/profile_catalogue.h"
#include "settings/message_table.h"

namespace {
QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}
} // namespace

class TranslationTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedMainWindow> m_main;
    TranslationWindow* m_window = nullptr;

    MainWindowProbe ui() { return MainWindowProbe(*m_main); }
    const MessageTable& messages() { return ui().languageSwitch()->messages(); }

private slots:
    void init()
    {
        m_main = std::make_unique<ScriptedMainWindow>();
        m_main->prompter.answer = Answer::Yes; // "Insert selected row ?"
        m_window = ui().translationWindow();
    }

    void hungarianRetitlesTheMainWindow()
    {
        m_window->chooseLanguage(1);
        QCOMPARE(ui().tabBar()->tabText(0), utf8("Z\xc3\xa1rtszelv\xc3\xa9ny"));
        QCOMPARE(ui().toListButton(SectionKind::T)->text(), utf8("List\xc3\xa1""ba"));
        QCOMPARE(m_main->findChild<QAction*>("Kilps1")->text(), utf8("Kil\xc3\xa9p\xc3\xa9s"));
        QCOMPARE(m_window->windowTitle(), utf8("Ford\xc3\xadt\xc3\xa1s...."));
        QCOMPARE(ui().unitsWindow()->defaultBox()->text(), utf8("Alap\xc3\xa9rtelmez\xc3\xa9s"));
        m_window->chooseLanguage(0);
        QCOMPARE(ui().tabBar()->tabText(0), QStringLiteral("Rectangular Hollow Section")); // the table's English
    }

    // E modulus in N/mm2 and stresses in KN/m2: after every language the
    // captions read the language's word and the chosen unit, over values in
    // that unit.
    void materialCaptionsKeepTheChosenUnits_data()
    {
        QTest::addColumn<QList<int>>("languages");
        QTest::newRow("Hungarian") << QList<int>{1};
        QTest::newRow("Hungarian, back to English") << QList<int>{1, 0};
    }
    void materialCaptionsKeepTheChosenUnits()
    {
        QFETCH(QList<int>, languages);
        m_main->show();
        m_main->start();
        m_main->applyUnits(*UnitSettings::fromDigits("3122213"));
        for (int position : languages)
            m_window->chooseLanguage(position);
        const MessageTable& m = messages();
        QCOMPARE(m_main->findChild<QLabel*>("Panel53")->text(), m(79) + " [N/mm2]");
        QCOMPARE(m_main->findChild<QLabel*>("Panel70")->text(), m(91) + " [KN/m2]");
        QVERIFY2(ui().eModulusBox()->currentText().endsWith(" : 210000"), qPrintable(ui().eModulusBox()->currentText()));
        QCOMPARE(ui().tensileField()->text(), QStringLiteral("300000.00"));
    }

    // After a switch the current tab shows what it showed before, in the new
    // language: results, "To List", the fields of a custom section and the
    // tree's entry.
    void switchedTabIsComputedAgain_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<int>>("languages");
        QTest::newRow("RH custom, Hungarian") << int(SectionKind::RectHollow) << 0 << QList<int>{1};
        QTest::newRow("I profile, Hungarian then Dutch") << int(SectionKind::I) << 2 << QList<int>{1, 2};
        QTest::newRow("RH profile, user column") << int(SectionKind::RectHollow) << 3 << QList<int>{3};
    }
    void switchedTabIsComputedAgain()
    {
        QFETCH(int, kind);
        QFETCH(int, row);
        QFETCH(QList<int>, languages);
        const auto k = SectionKind(kind);
        m_main->show();
        m_main->start();
        ui().tabBar()->setCurrentIndex(kind);
        QTreeWidget* tree = ui().tree(k);
        tree->expandAll();
        QTreeWidgetItem* item = tree->topLevelItem(0);
        for (int i = 0; i < row; ++i)
            item = tree->itemBelow(item);
        tree->setCurrentItem(item);
        const std::size_t lines = ui().resultsPanel(k)->panel().lines().size();
        QVERIFY(lines > 0);
        const bool fields = ui().field(k, 0)->isEnabled();
        for (int position : languages)
            m_window->chooseLanguage(position);
        QCOMPARE(ui().resultsPanel(k)->panel().lines().size(), lines);
        QVERIFY(ui().toListButton(k)->isEnabled());
        QCOMPARE(ui().field(k, 0)->isEnabled(), fields);
        QCOMPARE(tree->currentItem()->text(0), translatedMenu(k, builtInMenu(k), messages()).value(row));
    }
};

QTEST_MAIN(TranslationTest)
#include "test_translation.moc"
