#include "languageswitch.h"
#include "listeditorwindow.h"
#include "printpreviewwindow.h"
#include "mainwindow.h"
#include "progresswindow.h"
#include "reportwindow.h"
#include "resultspanelview.h"
#include "settingswindow.h"
#include "requirementwindow.h"
#include "translationwindow.h"
#include "unitswindow.h"

#include "catalogue/menu_language.h"
#include "catalogue/profile_catalogue.h"
#include "settings/message_table.h"
#include "settings/settings_store.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QLineEdit>
#include <QHeaderView>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

namespace {
QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}

QTreeWidgetItem* itemAt(QTreeWidget* tree, int index)
{
    int i = 0;
    QTreeWidgetItem* found = nullptr;
    std::function<void(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* item) {
        if (i++ == index)
            found = item;
        for (int c = 0; c < item->childCount() && !found; ++c)
            walk(item->child(c));
    };
    for (int t = 0; t < tree->topLevelItemCount() && !found; ++t)
        walk(tree->topLevelItem(t));
    return found;
}

// Controls whose text does not fit, as "name: text" lines.
QStringList overflowing(QWidget* root)
{
    QStringList found;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(root) || w->width() <= 0)
            continue;
        const QFontMetrics fm(w->font());
        int room = 0;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->wordWrap() || label->text().isEmpty() || !label->pixmap().isNull())
                continue;
            text = label->text();
            room = label->contentsRect().width() - 2 * label->margin();
        } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
            text = check->text();
            room = check->width() - 20;
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            text = button->text();
            room = button->width() - 6;
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            text = box->title();
            room = box->width() - 12;
        } else {
            continue;
        }
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            if (fm.horizontalAdvance(line) > room)
                found << QStringLiteral("%1 (%2 > %3): %4")
                             .arg(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                            : w->objectName())
                             .arg(fm.horizontalAdvance(line))
                             .arg(room)
                             .arg(line);
        }
    }
    return found;
}
} // namespace

class TranslationTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> m_main;
    ProgressWindow* m_progress = nullptr;
    TranslationWindow* m_window = nullptr;
    LanguageSwitch* m_switch = nullptr;
    QStringList m_shown;
    QString m_answer;
    QString m_saveTo;
    QString m_openFrom;

    void build()
    {
        m_main = std::make_unique<MainWindow>();
        m_main->askYesNo = [](const QString&) { return false; };
        m_progress = m_main->progressWindow();
        m_window = m_main->translationWindow();
        m_switch = m_main->languageSwitch();
        QVERIFY(m_progress && m_window && m_switch);
        m_window->showMessage = [this](const QString& text) { m_shown << text; };
        m_window->askText = [this](const QString&, const QString&) { return m_answer; };
        m_window->askYesNo = [](const QString&) { return true; };
        m_window->askSaveFile = [this](const QString& proposed) {
            return m_saveTo.isEmpty() ? QString() : QDir(m_saveTo).filePath(proposed);
        };
        m_window->askOpenFile = [this] { return m_openFrom; };
    }

private slots:
    void init()
    {
        m_shown.clear();
        m_answer.clear();
        m_saveTo.clear();
        m_openFrom.clear();
        build();
    }

    void hungarianRetitlesTheMainWindow()
    {
        m_window->chooseLanguage(1);
        QCOMPARE(m_window->languageList()->currentText(), QStringLiteral("Hungarian"));
        QCOMPARE(m_window->activeColumn(), 3);
        QCOMPARE(m_main->tabBar()->tabText(0), utf8("Z\xc3\xa1rtszelv\xc3\xa9ny"));
        QCOMPARE(m_main->findChild<QLabel*>("Panel53")->text(), QStringLiteral("E-modulus [KN/m2]:"));
        QCOMPARE(m_main->toListButton(SectionKind::T)->text(), utf8("List\xc3\xa1""ba"));
        QCOMPARE(m_main->findChild<QGroupBox*>("GroupBox23")->title(), utf8("Z\xc3\xa1rtszelv\xc3\xa9nyek :"));
        // Speed buttons take the text as their hint; menu items as their caption.
        auto* typical = m_main->findChild<QPushButton*>("SpeedButton16");
        QVERIFY(typical);
        QCOMPARE(typical->toolTip(), utf8("Jellemz\xc5\x91 t\xc3\xadpusok"));
        QCOMPARE(typical->text(), utf8("Jellemz\xc5\x91")); // the program's own text, from its .ts file
        QCOMPARE(m_main->findChild<QAction*>("Kilps1")->text(), utf8("Kil\xc3\xa9p\xc3\xa9s"));
        QCOMPARE(m_main->findChild<QAction*>("Lez1")->text(), utf8("Eszk\xc3\xb6z\xc3\xb6k"));
        // Other windows re-read their texts.
        QCOMPARE(m_window->windowTitle(), utf8("Ford\xc3\xadt\xc3\xa1s...."));
        QCOMPARE(m_window->button("TestButton")->text(), utf8("Pr\xc3\xb3""ba"));
        QCOMPARE(m_main->unitsWindow()->defaultBox()->text(), utf8("Alap\xc3\xa9rtelmez\xc3\xa9s"));
    }

    void reportColumnItemsChangeLanguageAndKeepTheirStates()
    {
        ReportWindow* report = m_main->reportWindow();
        QListWidget* visible = report->visibleList();
        visible->item(2)->setCheckState(Qt::Unchecked);
        QVERIFY(!m_main->reportOptions().visibleColumns[2]);
        m_window->chooseLanguage(1);
        // Item 0 is message 79, item 6 message 89, in the new language.
        QCOMPARE(visible->item(0)->text(), m_switch->messages()(79));
        QVERIFY(visible->item(0)->text() != QStringLiteral("E modulus"));
        QCOMPARE(visible->item(2)->checkState(), Qt::Unchecked);
        QCOMPARE(visible->item(3)->checkState(), Qt::Checked);
        QVERIFY(!m_main->reportOptions().visibleColumns[2]);
        m_window->chooseLanguage(0);
        QCOMPARE(visible->item(0)->text(), QStringLiteral("E modulus"));
        QCOMPARE(visible->item(2)->checkState(), Qt::Unchecked);
        visible->item(2)->setCheckState(Qt::Checked);
    }

    void materialsAndMenusFollowTheLanguage()
    {
        m_main->densityBox()->setCurrentIndex(3);
        m_window->chooseLanguage(2);
        QCOMPARE(m_main->densityBox()->itemText(0), QStringLiteral("Staal : 7850"));
        QCOMPARE(m_main->densityBox()->currentIndex(), 0);
        QCOMPARE(m_main->densityBox()->currentText(), QStringLiteral("Staal : 7850"));
        QVERIFY(m_main->poissonBox()->itemText(7).startsWith("Grenenhout :"));
        // The trees show the language's entries and look them up by the English ones.
        QTreeWidget* u = m_main->tree(SectionKind::U);
        QCOMPARE(itemAt(u, 2)->text(0), QStringLiteral("Warmgewalst U50x38"));
        QCOMPARE(menuLookupText(itemAt(u, 2)), QStringLiteral("HR U50x38"));

        // The progress window showed the new language's caption and closed.
        QCOMPARE(m_progress->windowTitle(), QStringLiteral("Laden..... / Taal /"));
        QCOMPARE(m_progress->statusText(), QStringLiteral("Even geduld ..."));
        QCOMPARE(m_progress->value(), m_progress->maximum());
        QVERIFY(!m_progress->isVisible());
    }

    // Back in English after Hungarian and Dutch, every tree shows the English
    // entries again and looks each up by the entry's own text.
    void everyMenuEntryComesBackThroughEnHuNlEn()
    {
        std::vector<QStringList> before;
        for (SectionKind kind : AllSectionKinds) {
            QStringList lookups;
            for (int i = 0; QTreeWidgetItem* item = itemAt(m_main->tree(kind), i); ++i)
                lookups << menuLookupText(item);
            before.push_back(lookups);
        }
        for (int position : {0, 1, 2, 0})
            m_window->chooseLanguage(position);
        for (SectionKind kind : AllSectionKinds) {
            const QStringList english = translatedMenu(kind, builtInMenu(kind), MessageTable::english());
            const QStringList& lookups = before[std::size_t(kind)];
            QCOMPARE(english.size(), lookups.size());
            for (int i = 0; i < lookups.size(); ++i) {
                QTreeWidgetItem* item = itemAt(m_main->tree(kind), i);
                QVERIFY(item);
                QCOMPARE(item->text(0), english[i]);
                QCOMPARE(menuLookupText(item), lookups[i]);
            }
        }
    }

    void testWithEmptyMyTranslateShowsEnglish()
    {
        m_window->chooseLanguage(1);
        m_window->test();
        QCOMPARE(m_window->languageList()->currentText(), QStringLiteral("My Translate"));
        QCOMPARE(m_window->activeColumn(), 6);
        QCOMPARE(m_main->tabBar()->tabText(0), QStringLiteral("Rectangular Hollow Section"));
        QCOMPARE(m_switch->messages()(1), QStringLiteral("Error wrong data !"));
        // A cell of my own is used where it is filled.
        m_window->table().setCell(104, 5, QStringLiteral("Oops !"));
        m_window->chooseLanguage(3);
        QCOMPARE(m_switch->messages()(1), QStringLiteral("Oops !"));
        QCOMPARE(m_switch->messages()(2), QStringLiteral("area"));
    }

    void onlyMyTranslateIsEditableUntilUnlocked()
    {
        QAbstractItemModel* model = m_window->grid()->model();
        QCOMPARE(model->columnCount(), 7);
        QCOMPARE(model->headerData(5, Qt::Horizontal).toString(), QStringLiteral("My Translate"));
        QVERIFY(m_window->grid()->isColumnHidden(6));
        QVERIFY(model->flags(model->index(0, 5)) & Qt::ItemIsEditable);
        QVERIFY(!(model->flags(model->index(0, 2)) & Qt::ItemIsEditable));
        QVERIFY(!model->setData(model->index(0, 2), "changed"));
        QVERIFY(model->setData(model->index(0, 5), "Mine"));
        QCOMPARE(m_window->table().cell(1, 5), QStringLiteral("Mine"));
        QVERIFY(!m_window->button("SaveTable")->isEnabled());
        // Row editing does nothing before the unlock.
        m_window->selectRow(2);
        m_window->deleteSelectedRow();
        QCOMPARE(m_window->table().rowCount(), 317);

        m_answer = QStringLiteral("KOVU");
        m_window->unlock();
        QVERIFY(!m_window->programmerMode());
        QVERIFY(!m_window->button("DeleteRow")->isEnabled());
        QVERIFY(m_shown.isEmpty());
        m_answer = QStringLiteral("kovu");
        m_window->unlock();
        QVERIFY(m_window->programmerMode());
        QVERIFY(m_window->button("DeleteRow")->isEnabled());
        QVERIFY(model->setData(model->index(0, 2), "changed"));
        QCOMPARE(m_window->table().cell(1, 2), QStringLiteral("changed"));

        m_window->selectRow(2);
        m_window->insertRowAtSelection();
        QCOMPARE(m_window->table().rowCount(), 318);
        QCOMPARE(m_window->table().cell(3, 1), QStringLiteral("form1.Panel56"));
        m_window->deleteSelectedRow();
        QCOMPARE(m_window->table().rowCount(), 317);
        m_window->appendRow();
        QCOMPARE(model->rowCount(), 317);
    }

    void userColumnSavesAndLoads()
    {
        QTemporaryDir dir;
        m_saveTo = dir.path();
        m_window->table().setCell(104, 5, utf8("Hiba \xc5\x91"));
        QVERIFY(m_window->saveUserColumn());
        build();
        m_openFrom = dir.filePath("mytranslate.lng");
        QVERIFY(m_window->loadUserColumn());
        QCOMPARE(m_window->table().cell(104, 5), utf8("Hiba \xc5\x91"));
        m_window->chooseLanguage(3);
        QCOMPARE(m_switch->messages()(1), utf8("Hiba \xc5\x91"));
    }

    void failedUserColumnFilesReportAndKeepTheGrid()
    {
        QTemporaryDir dir;
        m_saveTo = dir.filePath("no/such/folder");
        QVERIFY(!m_window->saveUserColumn());
        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(m_shown[0], QStringLiteral("Error writing/closing file ") + QDir(m_saveTo).filePath("mytranslate.lng") +
                                 QStringLiteral("\nPlease remove the write protection !"));

        m_window->table().setCell(1, 5, QStringLiteral("kept"));
        const QString bad = dir.filePath("bad.lng");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a count\r\nx\r\n");
        file.close();
        m_openFrom = bad;
        QVERIFY(!m_window->loadUserColumn());
        QCOMPARE(m_shown.last(), QStringLiteral("Error wrong data !"));
        QCOMPARE(m_window->table().cell(1, 5), QStringLiteral("kept"));
        m_openFrom = dir.filePath("missing.lng");
        QVERIFY(!m_window->loadUserColumn());
        QCOMPARE(m_shown.size(), 3);
    }

    void wholeTableSavesAndLoadsBackInProgrammerModeOnly()
    {
        QTemporaryDir dir;
        m_saveTo = dir.path();
        m_openFrom = dir.filePath("translate.lng");
        QVERIFY(!m_window->saveTable());
        QVERIFY(!QFile::exists(m_openFrom));
        m_answer = QStringLiteral("kovu");
        m_window->unlock();
        m_window->table().setCell(94, 4, QStringLiteral("Koker!"));
        QVERIFY(m_window->saveTable());

        build();
        QVERIFY(!m_window->loadTable());
        m_answer = QStringLiteral("kovu");
        m_window->unlock();
        QVERIFY(m_window->loadTable());
        QCOMPARE(m_window->table().columnCount(), 7);
        QCOMPARE(m_window->table().cell(94, 4), QStringLiteral("Koker!"));
        m_window->chooseLanguage(2);
        QCOMPARE(m_main->tabBar()->tabText(0), QStringLiteral("Koker!"));
    }

    void toolsMenuOpensTheWindowNotModal()
    {
        QAction* translation = m_main->findChild<QAction*>("Translation1");
        QVERIFY(translation);
        QVERIFY(translation->isEnabled());
        translation->trigger();
        QVERIFY(m_window->isVisible());
        QVERIFY(!m_window->isModal());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Translation...."));
    }

    void settingsWindowChoiceAndStoredLanguageApplyAtOnce()
    {
        emit m_main->settingsWindow()->languageChosen(1);
        QCOMPARE(m_main->messages()(1), QStringLiteral("Hiba. Rossz adatok !"));
        QCOMPARE(m_window->languageList()->currentIndex(), 1);
        // The settings window's own texts and captions follow.
        QCOMPARE(m_main->settingsWindow()->windowTitle(), utf8("Be\xc3\xa1ll\xc3\xadt\xc3\xa1sok...."));

        QTemporaryDir dir;
        QSettingsStore store(dir.filePath("settings.ini"));
        QVERIFY(store.WriteSetting(ProgramSettingsKey, LanguageValue, QStringLiteral("2")));
        build();
        m_main->setSettingsStore(&store);
        m_main->readSettings();
        QCOMPARE(m_main->tabBar()->tabText(0), QStringLiteral("Kokerprofiel"));
        QCOMPARE(m_main->messages()(187), QStringLiteral("Staal"));
        QCOMPARE(m_window->languageList()->currentText(), QStringLiteral("Dutch"));
        // Chosen in the translation window: the settings window stores it.
        m_window->chooseLanguage(1);
        QCOMPARE(m_main->settingsWindow()->language(), 1);
        m_window->test();
        QCOMPARE(m_main->settingsWindow()->language(), 1);
        m_main->setSettingsStore(nullptr);
    }

    void toolBarHintsSurviveEnablingTheirCommands()
    {
        m_window->chooseLanguage(1);
        auto* exit = m_main->findChild<QToolButton*>("SpeedButton27");
        QVERIFY(exit);
        QCOMPARE(exit->toolTip(), utf8("Kil\xc3\xa9p\xc3\xa9s"));
        auto* units = m_main->findChild<QToolButton*>("SpeedButton29");
        QVERIFY(units);
        QCOMPARE(units->toolTip(), utf8("List\xc3\xa1z\xc3\xa1si m\xc3\xa9rt\xc3\xa9kegys\xc3\xa9gek..."));
        exit->defaultAction()->setEnabled(false);
        exit->defaultAction()->setEnabled(true);
        QCOMPARE(exit->toolTip(), utf8("Kil\xc3\xa9p\xc3\xa9s"));
        // Push buttons that stand for a command follow its text.
        QCOMPARE(m_main->deleteButton()->text(), utf8("Kijel\xc3\xb6lt t\xc3\xa9tel(ek) t\xc3\xb6rl\xc3\xa9se"));
    }

    void sectionsComputeFromTranslatedTrees()
    {
        m_main->show();
        m_main->start();
        m_window->chooseLanguage(1);
        QTreeWidget* u = m_main->tree(SectionKind::U);
        m_main->tabBar()->setCurrentIndex(int(SectionKind::U));
        u->setCurrentItem(itemAt(u, 2));
        QCOMPARE(u->currentItem()->text(0), QStringLiteral("Melegen hengerelt U50x38"));
        bool found = false;
        for (const PanelLine& line : m_main->resultsPanel(SectionKind::U)->panel().lines()) {
            if (line.label.startsWith(utf8("Ix /Inercianyomat\xc3\xa9k/"))) {
                QCOMPARE(line.value.trimmed(), QStringLiteral("26.40 [cm4]"));
                found = true;
            }
        }
        QVERIFY(found);
        QVERIFY(m_main->toListButton(SectionKind::U)->isEnabled());
        // The custom entry, shown in Hungarian, still opens the fields.
        u->setCurrentItem(itemAt(u, 0));
        QVERIFY(m_main->field(SectionKind::U, 0)->isEnabled());
        // The switched tab keeps the language's long caption.
        QCOMPARE(m_main->tabBar()->tabText(0), utf8("Z\xc3\xa1rtszelv."));
    }

    // E modulus in N/mm2 and stresses in KN/m2: after every language the
    // captions read the language's word and the chosen unit, over values in
    // that unit.
    void materialCaptionsKeepTheChosenUnits_data()
    {
        QTest::addColumn<QList<int>>("languages");
        QTest::newRow("Hungarian") << QList<int>{1};
        QTest::newRow("Dutch") << QList<int>{2};
        QTest::newRow("user column") << QList<int>{3};
        QTest::newRow("Hungarian, back to English") << QList<int>{1, 0};
    }
    void materialCaptionsKeepTheChosenUnits()
    {
        QFETCH(QList<int>, languages);
        m_main->show();
        m_main->start();
        UnitSettings units;
        units.setChoice(UnitGroup::EModulus, 3);
        units.setChoice(UnitGroup::Stress, 1);
        m_main->applyUnits(units);
        for (int position : languages)
            m_window->chooseLanguage(position);
        const MessageTable& m = m_switch->messages();
        QCOMPARE(m_main->findChild<QLabel*>("Panel53")->text(), m(79) + " [N/mm2]");
        QCOMPARE(m_main->findChild<QLabel*>("Panel56")->text(), m(80) + " [Kg/m3]");
        QCOMPARE(m_main->findChild<QLabel*>("Panel70")->text(), m(91) + " [KN/m2]");
        QCOMPARE(m_main->findChild<QLabel*>("Panel71")->text(), m(92) + " [KN/m2]");
        QVERIFY2(m_main->eModulusBox()->currentText().endsWith(" : 210000"),
                 qPrintable(m_main->eModulusBox()->currentText()));
        QCOMPARE(m_main->tensileField()->text(), QStringLiteral("300000.00"));
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
        QTest::newRow("RS custom, Dutch then English") << int(SectionKind::RectSolid) << 0 << QList<int>{2, 0};
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
        m_main->tabBar()->setCurrentIndex(kind);
        QTreeWidget* tree = m_main->tree(k);
        tree->setCurrentItem(itemAt(tree, row));
        const int lines = int(m_main->resultsPanel(k)->panel().lines().size());
        QVERIFY(lines > 0);
        QVERIFY(m_main->toListButton(k)->isEnabled());
        const bool fields = m_main->field(k, 0)->isEnabled();
        for (int position : languages)
            m_window->chooseLanguage(position);
        QCOMPARE(int(m_main->resultsPanel(k)->panel().lines().size()), lines);
        QVERIFY(m_main->toListButton(k)->isEnabled());
        QCOMPARE(m_main->field(k, 0)->isEnabled(), fields);
        QCOMPARE(tree->currentItem()->text(0),
                 translatedMenu(k, builtInMenu(k), m_switch->messages()).value(row));
    }

    // Windows whose captions are the main window's command texts follow each
    // language: the report window (caption: the report button's hint; print
    // button: the print menu entry), the print preview's settings button (the
    // settings menu entry) and the list editor's delete question (the delete
    // button's hint).
    void commandCaptionsOfOtherWindowsFollowTheLanguage_data()
    {
        QTest::addColumn<QList<int>>("languages");
        QTest::newRow("Hungarian") << QList<int>{1};
        QTest::newRow("Dutch") << QList<int>{2};
        QTest::newRow("Hungarian, back to English") << QList<int>{1, 0};
    }
    void commandCaptionsOfOtherWindowsFollowTheLanguage()
    {
        QFETCH(QList<int>, languages);
        for (int position : languages)
            m_window->chooseLanguage(position);
        const LanguageTexts& texts = builtInLanguage(languages.last());
        const auto text = [&](const char* key) { return texts.component(QString::fromLatin1(key)).value_or("?"); };
        ReportWindow* report = m_main->reportWindow();
        QCOMPARE(report->windowTitle(), text("SpeedButton1"));
        QCOMPARE(report->printButton()->text(), QString(text("Nyomtats1")).replace("&", "&&"));
        QCOMPARE(m_main->printPreview()->findChild<QPushButton*>("SettingsButton")->text(), text("Settings1"));
        m_main->show();
        m_main->start();
        QStringList asked;
        ListEditorWindow* editor = m_main->listEditor();
        editor->askYesNo = [&](const QString& question) {
            asked << question;
            return false;
        };
        m_main->tabBar()->setCurrentIndex(int(SectionKind::I));
        m_main->tree(SectionKind::I)->setCurrentItem(itemAt(m_main->tree(SectionKind::I), 2));
        QTest::mouseClick(m_main->toListButton(SectionKind::I), Qt::LeftButton);
        editor->setList(m_main->itemList());
        QTest::mouseClick(editor->deleteButton(), Qt::LeftButton);
        QCOMPARE(asked, QStringList{text("SpeedButton6")});
    }

    void textsFitTheirControlsInEveryLanguage()
    {
        m_main->resize(780, 700);
        m_main->show();
        m_main->start();
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
        QWidget* windows[] = {m_main->unitsWindow(), m_main->requirementWindow(), m_window, m_progress,
                             m_main->settingsWindow()};
        for (QWidget* w : windows)
            w->show();
        // The check sees a text that cannot fit the fixed-size requirement window.
        m_main->requirementWindow()->retranslate([] {
            MessageTable m = MessageTable::english();
            m.set(102, QString(60, QLatin1Char('W')));
            return m;
        }());
        QApplication::processEvents();
        QVERIFY(!overflowing(m_main->requirementWindow()).isEmpty());
        for (int position : {0, 1, 2}) {
            m_window->chooseLanguage(position);
            m_progress->start(m_switch->messages()(158), m_switch->messages()(141), QString(), 1);
            QApplication::processEvents();
            QStringList bad = overflowing(m_main.get());
            for (QWidget* w : windows)
                bad += overflowing(w);
            QVERIFY2(bad.isEmpty(), qPrintable(QStringLiteral("language %1:\n").arg(position) + bad.join('\n')));
        }
    }
};

QTEST_MAIN(TranslationTest)
#include "test_translation.moc"
