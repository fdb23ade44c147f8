// Desktop habits of the main window: standard keys, Enter on buttons, copying
// the list to the clipboard.
#include "main_window_helpers.h"

#include "builtupwindow.h"
#include "commands.h"
#include "exactpropertieswindow.h"
#include "printpreviewwindow.h"
#include "privatedatawindow.h"
#include "requirementwindow.h"
#include "sectionpage.h"
#include "translationwindow.h"

#include "settings/settings_store.h"
#include "settings/translation_table.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTableWidget>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace {
// The messages of a .ts file: source and translation.
QList<std::pair<QString, QString>> tsMessages(const QString& language)
{
    QFile file(QStringLiteral(MORVANE_SOURCE_DIR "/src/main/translations/morvane_%1.ts").arg(language));
    QList<std::pair<QString, QString>> messages;
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == QLatin1String("translation"))
            messages.append({source, xml.readElementText()});
    }
    return messages;
}

// Every text a widget shows: labels, buttons, group boxes, tabs, menu
// entries and window captions.
QStringList shownTexts(QWidget* w)
{
    QStringList texts;
    if (w->isWindow())
        texts << w->windowTitle();
    if (auto* label = qobject_cast<QLabel*>(w))
        texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        texts << button->text();
    if (auto* box = qobject_cast<QGroupBox*>(w))
        texts << box->title();
    if (auto* tabs = qobject_cast<QTabBar*>(w))
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    if (auto* menu = qobject_cast<QMenu*>(w)) {
        texts << menu->title();
        for (QAction* a : menu->actions())
            texts << a->text();
    }
    return texts;
}

// The built-up section window's own texts in a fixed order: its labels,
// buttons, kinds and sides to choose, field hints and suffixes, the table's
// header and the status; the catalogue entries are left out (names).
QStringList builtUpTexts(BuiltUpWindow* w)
{
    QStringList texts{w->windowTitle()};
    for (QWidget* child : w->findChildren<QWidget*>()) {
        if (child->isWindow()) // popups made when first needed
            continue;
        if (child->objectName() == QLatin1String("BuiltUpEntry"))
            texts << qobject_cast<QComboBox*>(child)->itemText(0);
        else if (auto* box = qobject_cast<QComboBox*>(child))
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
        else if (auto* field = qobject_cast<QLineEdit*>(child); field && !field->placeholderText().isEmpty())
            texts << field->placeholderText();
        else if (auto* spin = qobject_cast<QAbstractSpinBox*>(child))
            texts << spin->property("suffix").toString();
        else if (!qobject_cast<QTableWidget*>(child))
            texts << shownTexts(child);
    }
    for (int c = 0; c < w->valuesTable()->columnCount(); ++c)
        texts << w->valuesTable()->horizontalHeaderItem(c)->text();
    return texts;
}
} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> m_window;
    QStringList m_questions;

    MainWindow& window() { return *m_window; }
    void activate()
    {
        window().show();
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }
    void listPlate()
    {
        selectEntry(window(), SectionKind::Plate, QStringLiteral("1 mm steel plate"));
        window().field(SectionKind::Plate, 0)->setText("1000");
        window().field(SectionKind::Plate, 1)->setText("2000");
        QTest::mouseClick(window().toListButton(SectionKind::Plate), Qt::LeftButton);
    }

private slots:
    void init()
    {
        m_window = quietMainWindow();
        m_questions.clear();
        window().askYesNo = [this](const QString& text) {
            m_questions << text;
            return false;
        };
        window().start();
    }
    void cleanup() { m_window.reset(); }

    void standardKeysAreOnTheCommands_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("key");
        QTest::newRow("New job") << int(Command::NewJob) << int(QKeySequence::New);
        QTest::newRow("Load input") << int(Command::LoadInput) << int(QKeySequence::Open);
        QTest::newRow("Save input") << int(Command::SaveInput) << int(QKeySequence::Save);
        QTest::newRow("Print") << int(Command::Print) << int(QKeySequence::Print);
        QTest::newRow("Help") << int(Command::Help) << int(QKeySequence::HelpContents);
        QTest::newRow("Delete") << int(Command::DeleteItems) << int(QKeySequence::Delete);
        QTest::newRow("Copy") << int(Command::Copy) << int(QKeySequence::Copy);
    }
    void standardKeysAreOnTheCommands()
    {
        QFETCH(int, command);
        QFETCH(int, key);
        const QList<QKeySequence> expected = QKeySequence::keyBindings(QKeySequence::StandardKey(key));
        QVERIFY(!expected.isEmpty());
        QCOMPARE(window().action(Command(command))->shortcuts(), expected);
    }

    void exitHasCtrlQWhereThePlatformHasNoQuitKey()
    {
        const QList<QKeySequence> keys = window().action(Command::Exit)->shortcuts();
        QVERIFY(!keys.isEmpty());
        if (QKeySequence::keyBindings(QKeySequence::Quit).isEmpty())
            QCOMPARE(keys.first(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    }

    // The menus show the keys: the shared actions sit in the File and Edit menus.
    void menusHoldTheKeyedActions()
    {
        QStringList titles;
        for (QAction* menu : window().menuBar()->actions())
            titles << menu->text();
        QCOMPARE(titles, QStringList({"File", "Edit", "Tools", "Help"}));
        QMenu* file = window().menuBar()->actions().at(0)->menu();
        for (Command c : {Command::NewJob, Command::LoadInput, Command::SaveInput, Command::Print, Command::Exit})
            QVERIFY(file->actions().contains(window().action(c)));
        QVERIFY(window().menuBar()->actions().at(1)->menu()->actions().contains(window().action(Command::Copy)));
    }

    // Delete asks about the items only while the list has the focus.
    void deleteKeyWorksOnTheList()
    {
        activate();
        listTubes(window(), {"20x20x2"});
        window().tree(SectionKind::RectHollow)->setFocus();
        QTest::keyClick(window().tree(SectionKind::RectHollow), Qt::Key_Delete);
        QVERIFY(m_questions.isEmpty());
        window().itemGrid()->setFocus();
        QTest::keyClick(window().itemGrid(), Qt::Key_Delete);
        QCOMPARE(m_questions, QStringList{window().messages()(59)});
    }

    // Enter presses the focused button of the main window and of the private
    // data window, which are no dialogs.
    void enterPressesTheFocusedButton()
    {
        activate();
        selectEntry(window(), SectionKind::RectHollow, "20x20x2");
        QPushButton* toList = window().toListButton(SectionKind::RectHollow);
        toList->setFocus();
        QTest::keyClick(toList, Qt::Key_Return);
        QCOMPARE(window().itemList().count(), 1);
        QTest::keyClick(toList, Qt::Key_Enter);
        QCOMPARE(window().itemList().count(), 2);
        for (QPushButton* button : window().privateDataWindow()->findChildren<QPushButton*>())
            QVERIFY2(button->autoDefault(), qPrintable(button->objectName()));
    }

    // Ctrl+C on two selected rows, one of them a plate: a header line and one
    // value per cell, the two-line cells in two columns.
    void copyPutsTheSelectedRowsOnTheClipboard()
    {
        activate();
        listEntries(window(), SectionKind::I, {"HR I80x42"});
        listPlate();
        QCOMPARE(window().itemList().count(), 2);
        window().itemGrid()->selectAll();
        window().itemGrid()->setFocus();
        QApplication::clipboard()->clear();
        QTest::keyClick(window().itemGrid(), Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 4); // header, two rows, the empty rest after the last line break
        QCOMPARE(lines[0], QString("Item\tMaterial\tE modulus [KN/m2]\tDensity [Kg/m3]\tArea[cm2]\tweightKg/m\t"
                                   "Mom. of inertia Ix [cm4]\tMom. of inertia Iy [cm4]\t"
                                   "Sect. modulus Kx Above [cm3]\tSect. modulus Kx Under [cm3]\t"
                                   "Sect. modulus Ky Left [cm3]\tSect. modulus Ky Right [cm3]\t"
                                   "Torsion inertia Ixx [cm4]\tTorsion inertia Kxx [cm3]\tPoisson\t"
                                   "Max.Tensile [N/mm2]\tMin.Pressure [N/mm2]"));
        const QStringList section = lines[1].split('\t');
        QCOMPARE(section.size(), 17);
        QCOMPARE(section.mid(0, 4), QStringList({"1", "HR I80x42", "210000000", "7850"}));
        QCOMPARE(section[4], QString("7.580000"));
        QCOMPARE(section[5], QString("5.95"));
        QCOMPARE(section.mid(14), QStringList({"0.29", "300", "-300"}));
        QCOMPARE(lines[2], QString("2\t1 mm steel plate\t1000x2000\t1\t15.70\t\t15.70\t\t4.000\t\t\t\t\t\t\t\t"));
        QCOMPARE(lines[3], QString());
    }

    // The tool windows stay with the main window, never above other programs
    // or the modal print preview, and close with Escape.
    void toolWindowsBelongToTheMainWindow()
    {
        activate();
        const struct {
            const char* name;
            Command command;
            QWidget* window;
            bool child; // the private data window takes input while the list editor blocks the main window
        } tools[] = {
            {"Requirement", Command::Requirement, window().requirementWindow(), true},
            {"Exact properties", Command::ExactProperties, window().exactPropertiesWindow(), true},
            {"Translation", Command::Translation, window().translationWindow(), true},
            {"Private data", Command::PrivateData, window().privateDataWindow(), false},
        };
        for (const auto& tool : tools) {
            window().action(tool.command)->trigger();
            QVERIFY2(tool.window->isVisible(), tool.name);
            QVERIFY2(!(tool.window->windowFlags() & Qt::WindowStaysOnTopHint), tool.name);
            QVERIFY2((tool.window->parentWidget() == &window()) == tool.child, tool.name);
            tool.window->activateWindow();
            QVERIFY2(QTest::qWaitForWindowActive(tool.window), tool.name);
            QTest::keyClick(tool.window, Qt::Key_Escape);
            QVERIFY2(!tool.window->isVisible(), tool.name);
        }
        // Open beside the print preview, the requirement window stays below it.
        listTubes(window(), {"20x20x2"});
        window().action(Command::Requirement)->trigger();
        window().printList();
        PrintPreviewWindow* preview = window().printPreview();
        QVERIFY(preview->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), preview);
        QVERIFY(!(window().requirementWindow()->windowFlags() & Qt::WindowStaysOnTopHint));
        preview->close();
    }

    // In every built-in language, whichever tab is selected, no two tabs show
    // the same text and only the selected tab's long caption may be cut.
    void tabCaptionsStayDistinguishable_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Hungarian") << 1;
        QTest::newRow("Dutch") << 2;
    }
    void tabCaptionsStayDistinguishable()
    {
        QFETCH(int, language);
        window().resize(780, 575);
        window().show();
        window().translationWindow()->chooseLanguage(language);
        auto* bar = qobject_cast<SectionTabBar*>(window().tabBar());
        QTRY_VERIFY(bar->width() >= MainWindow::DesignWidth - 4);
        for (int selected = 0; selected < bar->count(); ++selected) {
            bar->setCurrentIndex(selected);
            QStringList shown;
            for (int i = 0; i < bar->count(); ++i) {
                shown << bar->shownText(i);
                if (i != selected)
                    QCOMPARE(shown.last(), bar->tabText(i));
            }
            QCOMPARE(QSet<QString>(shown.begin(), shown.end()).size(), bar->count());
        }
        QVERIFY(bar->font().pointSizeF() >= 7);
    }

    // After a switch to Hungarian no widget of any window shows an English
    // text that the Hungarian column or the Hungarian .ts file translates.
    void hungarianLeavesNoEnglishText()
    {
        const TranslationTable& table = TranslationTable::builtIn();
        QHash<QString, QString> english; // English text -> its Hungarian
        QSet<QString> hungarian;           // a text that is Hungarian somewhere is no leftover
        for (int r = 1; r < table.rowCount(); ++r) {
            const QString en = table.cell(r, TranslationTable::EnglishColumn);
            const QString hu = table.cell(r, TranslationTable::HungarianColumn);
            hungarian.insert(hu);
            if (!en.trimmed().isEmpty() && !hu.isEmpty() && hu != en)
                english.insert(en, hu);
        }
        const auto ts = tsMessages("hu");
        QVERIFY(ts.size() > 50);
        for (const auto& [source, translation] : ts) {
            QVERIFY2(!translation.isEmpty(), qPrintable(source));
            if (translation != source && !source.contains('%'))
                english.insert(source, translation);
        }
        window().show();
        window().showRequirementWindow();
        window().showExactPropertiesWindow();
        window().showPrivateDataWindow();
        window().showBuiltUpWindow();
        window().translationWindow()->chooseLanguage(1);
        QStringList left;
        for (QWidget* w : QApplication::allWidgets())
            for (const QString& text : shownTexts(w))
                // A caption made of a message and " :" is the table's text too.
                if (english.contains(text) && !hungarian.contains(text) &&
                    !(text.endsWith(" :") && hungarian.contains(text.chopped(2))))
                    left << QStringLiteral("%1 in %2 (%3)").arg(text, w->metaObject()->className(), w->objectName());
        left.removeDuplicates();
        QVERIFY2(left.isEmpty(), qPrintable(left.join("; ")));
        // Qt's own buttons follow where the system has the qtbase translations.
        if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_hu.qm"))
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Igen"));
        window().translationWindow()->chooseLanguage(0);
        QCOMPARE(window().action(Command::Copy)->text(), QString("Copy"));
    }

    // The built-up section window follows a switch of language, starts in the
    // language chosen when made later, and every caption keeps room for its text.
    void builtUpWindowFollowsTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Hungarian") << 1;
        QTest::newRow("Dutch") << 2;
    }
    void builtUpWindowFollowsTheLanguage()
    {
        QFETCH(int, language);
        window().show();
        window().showBuiltUpWindow();
        BuiltUpWindow* w = window().builtUpWindow();
        QTRY_VERIFY(!w->isComputing() && w->shownResult());
        const QStringList english = builtUpTexts(w);
        window().translationWindow()->chooseLanguage(language);
        const QStringList shown = builtUpTexts(w);
        QCOMPARE(shown.size(), english.size());
        QStringList left; // a text with an English word that the switch did not change
        for (qsizetype i = 0; i < shown.size(); ++i)
            if (shown[i] == english[i] && shown[i].contains(QRegularExpression(QStringLiteral("[a-z]{3}"))))
                left << shown[i];
        QVERIFY2(left.isEmpty(), qPrintable(left.join("; ")));
        QCOMPARE(window().action(Command::BuiltUpSection)->text(), w->windowTitle());
        BuiltUpWindow later(window().messages());
        QTRY_VERIFY(!later.isComputing() && later.shownResult());
        QCOMPARE(builtUpTexts(&later), shown);

        w->layout()->activate();
        QStringList cut;
        for (QWidget* child : w->findChildren<QWidget*>())
            if ((qobject_cast<QAbstractButton*>(child) || qobject_cast<QComboBox*>(child) ||
                 (qobject_cast<QLabel*>(child) && !qobject_cast<QLabel*>(child)->wordWrap())) &&
                child->width() < child->sizeHint().width())
                cut << shownTexts(child).value(0, child->objectName());
        for (QLineEdit* field : w->findChildren<QLineEdit*>()) // the hint in its frame
            if (field->width() < field->fontMetrics().horizontalAdvance(field->placeholderText()) + 12)
                cut << field->placeholderText();
        QHeaderView* header = w->valuesTable()->horizontalHeader();
        for (int c = 0; c < header->count(); ++c)
            if (header->sectionSize(c) < header->fontMetrics().horizontalAdvance(shown[shown.size() - 3 + c]))
                cut << shown[shown.size() - 3 + c];
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));
        QVERIFY(w->width() <= 1000);
        window().translationWindow()->chooseLanguage(0);
        QCOMPARE(w->windowTitle(), QString("Built-up section ...."));
    }

    // The .ts files never give a table text another wording: a text that the
    // translation table holds translates to that table's cell.
    void translationFilesKeepTheTableTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("column");
        QTest::newRow("Hungarian") << "hu" << int(TranslationTable::HungarianColumn);
        QTest::newRow("Dutch") << "nl" << int(TranslationTable::DutchColumn);
    }
    void translationFilesKeepTheTableTexts()
    {
        QFETCH(QString, language);
        QFETCH(int, column);
        const TranslationTable& table = TranslationTable::builtIn();
        QCOMPARE(table.rowCount(), 317);
        int held = 0;
        for (const auto& [source, translation] : tsMessages(language)) {
            QStringList cells; // a text the table holds in several rows may read differently in each
            for (int r = 1; r < table.rowCount(); ++r)
                if (table.cell(r, TranslationTable::EnglishColumn) == source && !table.cell(r, column).isEmpty())
                    cells << table.cell(r, column);
            held += cells.isEmpty() ? 0 : 1;
            QVERIFY2(cells.isEmpty() || cells.contains(translation), qPrintable(source + " -> " + translation));
        }
        QVERIFY(held >= 10);
    }

    // Saved and loaded jobs: most recent first, eight at most, one entry per
    // file, kept in the settings file's own group; files that are gone are
    // dropped when the menu is shown.
    void recentJobsFollowLoadAndSave()
    {
        QTemporaryDir dir;
        QSettingsStore store(dir.filePath("Morvane.conf"));
        window().setSettingsStore(&store);
        listTubes(window(), {"20x20x2"});
        QStringList saved;
        for (int i = 1; i <= 9; ++i) {
            const QString path = dir.filePath(QStringLiteral("job%1.mvn").arg(i));
            window().askSaveFileName = [path](const QString&) { return path; };
            QVERIFY(window().saveJob());
            saved.prepend(path);
        }
        QCOMPARE(window().recentJobs(), saved.mid(0, 8));
        QVERIFY(window().loadJob(dir.filePath("job4.mvn")));
        const QStringList expected = {dir.filePath("job4.mvn"), dir.filePath("job9.mvn"), dir.filePath("job8.mvn"),
                                      dir.filePath("job7.mvn"), dir.filePath("job6.mvn"), dir.filePath("job5.mvn"),
                                      dir.filePath("job3.mvn"), dir.filePath("job2.mvn")};
        QCOMPARE(window().recentJobs(), expected);
        QCOMPARE(store.ReadSetting("RecentJobs", "File1"), std::optional<QString>(dir.filePath("job4.mvn")));

        QVERIFY(QFile::remove(dir.filePath("job8.mvn")));
        QMenu* menu = window().recentJobsMenu();
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), 7);
        QCOMPARE(menu->actions().at(1)->text(), "&2 " + dir.filePath("job9.mvn"));
        QCOMPARE(store.ReadSetting("RecentJobs", "File3"), std::optional<QString>(dir.filePath("job7.mvn")));

        // A new run reads the list; an entry loads its job.
        auto next = quietMainWindow();
        next->setSettingsStore(&store);
        next->readSettings();
        QCOMPARE(next->recentJobs().size(), 7);
        next->recentJobsMenu()->actions().at(2)->trigger();
        QCOMPARE(next->itemList().count(), 1);
        QCOMPARE(next->recentJobs().first(), dir.filePath("job7.mvn"));
        window().setSettingsStore(nullptr);
    }
};

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
