// The list editor, opened from the main window: its order, corrections and
// deletions reach the job's list. The sort keys are the core's tests
// (list_sort).
#include "listeditorwindow.h"
#include "main_window_helpers.h"
#include "privatedatawindow.h"

#include <QTimer>

#include <functional>

class ListEditorTest : public QObject {
    Q_OBJECT

    // A started main window listing `tubes`, whose user answers Yes.
    static std::unique_ptr<ScriptedMainWindow> startedMain(const QStringList& tubes)
    {
        auto w = quietMainWindow();
        w->prompter.answer = Answer::Yes;
        w->show();
        w->start();
        listTubes(*w, tubes);
        return w;
    }

    // Opens the list editor, runs `inside` while it is open, then closes it.
    void withEditor(MainWindow& w, const std::function<void(ListEditorWindow*)>& inside)
    {
        bool ran = false;
        QTimer::singleShot(0, &w, [&] {
            ListEditorWindow* e = MainWindowProbe(w).listEditor();
            if (e->isVisible()) {
                inside(e);
                ran = true;
            }
            e->close();
        });
        MainWindowProbe(w).action(Command::EditList)->trigger();
        QVERIFY(ran);
    }

private slots:
    void editorOrderReachesTheMainList();
    void editorCorrectionAndDelete();
};

void ListEditorTest::editorOrderReachesTheMainList()
{
    auto w = startedMain({"40x20x2", "30x30x2", "20x20x2"});
    const MainWindowProbe ui(*w);
    QVERIFY(ui.action(Command::EditList)->isEnabled());
    const ListRow third = ui.itemList().row(3);
    withEditor(*w, [&](ListEditorWindow* e) {
        QCOMPARE(e->windowModality(), Qt::WindowModal);
        e->sortByColumn(2);
        QCOMPARE(e->order(), (QList<int>{3, 2, 1}));
    });
    const ItemList& list = ui.itemList();
    QCOMPARE(list.row(1).cells[2], QStringLiteral("20x20x2 RH Section"));
    QCOMPARE(list.row(1).rowPicture, third.rowPicture);
    QCOMPARE(list.row(3).cells[2], QStringLiteral("40x20x2 RH Section"));
    QCOMPARE(ui.itemGrid()->model()->index(0, 2).data().toString(), QStringLiteral("20x20x2 RH Section"));
}

void ListEditorTest::editorCorrectionAndDelete()
{
    auto w = startedMain({"20x20x2", "30x30x2", "40x20x2"});
    const MainWindowProbe ui(*w);
    withEditor(*w, [&](ListEditorWindow* e) {
        QTreeWidget* view = e->listView();
        const QPoint at = view->visualItemRect(view->topLevelItem(1)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(ui.state().selectedRow, 2);
        QVERIFY(ui.state().rowBlinkEnabled);
        QCOMPARE(ui.privateDataWindow()->windowTitle(), QStringLiteral("Correction selected item..."));
        QCOMPARE(ui.privateDataWindow()->descriptionField()->text(), QStringLiteral("30x30x2 RH Section"));
    });
    QVERIFY(ui.state().rowBlinkEnabled);

    withEditor(*w, [&](ListEditorWindow* e) {
        // Opening the editor ended the correction.
        QVERIFY(!ui.state().rowBlinkEnabled);
        QTreeWidget* view = e->listView();
        view->topLevelItem(0)->setSelected(true);
        view->topLevelItem(2)->setSelected(true);
        QTest::mouseClick(e->deleteButton(), Qt::LeftButton);
        QCOMPARE(w->prompter.questions.size(), 1);
        QCOMPARE(ui.itemList().count(), 1);
        QCOMPARE(view->topLevelItemCount(), 1);
        QCOMPARE(view->topLevelItem(0)->text(2), QStringLiteral("30x30x2 RH Section"));
        QCOMPARE(view->topLevelItem(0)->text(0), QStringLiteral("1"));
    });
    QCOMPARE(ui.itemList().row(1).cells[2], QStringLiteral("30x30x2 RH Section"));
}

QTEST_MAIN(ListEditorTest)
#include "test_listeditor.moc"
