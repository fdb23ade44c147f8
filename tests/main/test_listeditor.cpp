#include "listeditorwindow.h"
#include "main_window_helpers.h"
#include "privatedatawindow.h"
#include "progresswindow.h"

#include "itemlist/list_sort.h"
#include "settings/message_table.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

namespace {
ListRow item(const QString& description, const QString& e, const QString& inertias)
{
    ListRow row;
    row.cells[1] = "00";
    row.cells[2] = description;
    row.cells[3] = e;
    row.cells[4] = "7850";
    row.cells[5] = "3.240000";
    row.cells[6] = inertias;
    row.cells[7] = "1.00&2.00";
    row.cells[8] = "3.00&4.00";
    row.cells[9] = "5.00&6.00";
    row.cells[10] = " 0.29";
    row.cells[11] = "300&-300";
    row.ItemValues[0] = e.toDouble();
    row.ItemValues[1] = 7850;
    row.ItemValues[2] = 324;
    row.RowPicture = QImage(2, 2, QImage::Format_RGB32);
    row.RowPicture.fill(QColor::fromHsv(int(qHash(description) % 360), 255, 200));
    return row;
}

ItemList sample()
{
    ItemList list;
    list.put(1, item("gamma", "70000000", "5.00&  1.00"));
    list.put(2, item("Alpha", "210000000", "3.00&  9.00"));
    list.put(3, item("beta", "120000000", "40.00&  2.00"));
    list.put(4, item("delta", "9000000", "4.00&  3.00"));
    return list;
}

QStringList column(QTreeWidget* view, int c)
{
    QStringList texts;
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        texts << view->topLevelItem(i)->text(c);
    return texts;
}
} // namespace

class ListEditorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ListEditorWindow> m_window;
    ItemList m_list;
    QStringList m_questions;
    bool m_answer = true;

    ListEditorWindow& window() { return *m_window; }

    void clickHeader(int c)
    {
        QHeaderView* header = window().listView()->header();
        const QPoint at(header->sectionViewportPosition(c) + header->sectionSize(c) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }

    std::unique_ptr<MainWindow> startedMain(const QStringList& tubes)
    {
        // The window of the other tests would block the main window's windows.
        m_window->hide();
        auto w = quietMainWindow(&m_questions);
        w->askYesNo = [](const QString&) { return true; };
        w->show();
        w->start();
        listTubes(*w, tubes);
        w->listEditor()->askYesNo = [](const QString&) { return true; };
        w->privateDataWindow()->askYesNo = [](const QString&) { return true; };
        return w;
    }

    // Opens the list editor, runs `inside` while it is open, then closes it.
    void withEditor(MainWindow& w, const std::function<void(ListEditorWindow*)>& inside)
    {
        bool ran = false;
        QTimer::singleShot(0, &w, [&] {
            ListEditorWindow* e = w.listEditor();
            if (e->isVisible()) {
                inside(e);
                ran = true;
            }
            e->close();
        });
        w.action(Command::EditList)->trigger();
        QVERIFY(ran);
    }

    // A click that goes the way of the window system, so that a window a
    // modal one blocks does not get it.
    static void systemClick(QWidget* widget)
    {
        QWidget* top = widget->window();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, widget->rect().center()));
    }

private slots:
    void init()
    {
        m_window = std::make_unique<ListEditorWindow>(MessageTable::english());
        m_questions.clear();
        m_answer = true;
        m_window->askYesNo = [this](const QString& text) {
            m_questions << text;
            return m_answer;
        };
        m_list = sample();
        m_window->setList(m_list);
        m_window->setHeaderCaptions({"Item", "Designation", "Material", "E modulus\n[KN/m2]"});
        m_window->show();
    }
    void cleanup() { m_window.reset(); }

    void linesAndCaptions()
    {
        QTreeWidget* view = window().listView();
        QCOMPARE(window().windowTitle(), QStringLiteral("Edit...."));
        QCOMPARE(view->columnCount(), 12);
        QCOMPARE(column(view, 0), (QStringList{"1", "2", "3", "4"}));
        QCOMPARE(view->topLevelItem(1)->text(6), QStringLiteral("Ix:3.00 Iy:9.00"));
        QCOMPARE(window().columnCaption(6), QStringLiteral("Mom. of inertia"));
        QCOMPARE(view->header()->sectionSize(1), 1);
        QCOMPARE(view->header()->sectionSize(6), 81);
        QCOMPARE(view->header()->sectionResizeMode(6), QHeaderView::Fixed);
        QCOMPARE(window().headerStripLabel(3)->text(), QStringLiteral("E modulus\n[KN/m2]"));
        // Striped lines in navy.
        QCOMPARE(view->topLevelItem(0)->background(3).color(), QColor(224, 228, 243));
        QCOMPARE(view->topLevelItem(1)->background(3).color(), QColor(240, 242, 249));
        QCOMPARE(view->topLevelItem(1)->foreground(2).color(), QColor(0, 0, 128));
        QCOMPARE(window().sortColumn(), 0);
    }

    void sortingByEModulusShowsTheProgress()
    {
        clickHeader(3);
        QCOMPARE(column(window().listView(), 3), (QStringList{"9000000", "70000000", "120000000", "210000000"}));
        QCOMPARE(window().order(), (QList<int>{4, 1, 3, 2}));
        QCOMPARE(window().sortColumn(), 3);
        QCOMPARE(window().listView()->header()->sortIndicatorSection(), 3);
        ProgressWindow* progress = window().progressWindow();
        QCOMPARE(progress->maximum(), 7);
        QCOMPARE(progress->value(), 7);
        QCOMPARE(progress->windowTitle(), QStringLiteral("Sorts the strings...."));
        QVERIFY(!progress->isVisible());
    }

    // A pair column sorts by its first value, then its second; the toggle
    // is kept per column.
    void twoClicksOnTheInertiaColumn()
    {
        clickHeader(6);
        QCOMPARE(window().columnCaption(6), QStringLiteral("Ix sort..."));
        QCOMPARE(window().order(), (QList<int>{2, 4, 1, 3}));
        clickHeader(6);
        QCOMPARE(window().columnCaption(6), QStringLiteral("Iy sort..."));
        QCOMPARE(window().order(), (QList<int>{1, 3, 4, 2}));
        clickHeader(9);
        QCOMPARE(window().columnCaption(9), QStringLiteral("Ixx sort..."));
        QCOMPARE(window().columnCaption(6), QStringLiteral("Mom. of inertia"));
        clickHeader(6);
        QCOMPARE(window().columnCaption(6), QStringLiteral("Ix sort..."));
    }

    // The sort column, its mark and its key stay from one showing to the next.
    void sortColumnKeepsItsStateForTheRun()
    {
        clickHeader(6);
        clickHeader(6);
        m_window->hide();
        window().setList(m_list);
        m_window->show();
        QCOMPARE(window().columnCaption(6), QStringLiteral("Iy sort..."));
        QCOMPARE(window().listView()->header()->sortIndicatorSection(), 6);
        QVERIFY(window().listView()->header()->isSortIndicatorShown());
        clickHeader(6);
        QCOMPARE(window().columnCaption(6), QStringLiteral("Ix sort..."));
    }

    void draggingLinesAndClosingAppliesTheOrder()
    {
        QTreeWidget* view = window().listView();
        clickHeader(3);
        view->topLevelItem(0)->setSelected(true); // item 4
        view->topLevelItem(2)->setSelected(true); // item 3
        window().dropAt(view->visualItemRect(view->topLevelItem(0)).center() + QPoint(0, 0));
        // Dropped on a moved line: both go before the next line that stays.
        QCOMPARE(window().order(), (QList<int>{4, 3, 1, 2}));
        view->clearSelection();
        view->topLevelItem(0)->setSelected(true);
        window().dropAt(QPoint(10, view->viewport()->height() - 2)); // below the last line
        QCOMPARE(window().order(), (QList<int>{3, 1, 2, 4}));
        QVERIFY(view->topLevelItem(3)->isSelected());
        QVERIFY(!view->header()->isSortIndicatorShown());
        QCOMPARE(window().columnCaption(3), QStringLiteral("E modulus"));
        QCOMPARE(view->topLevelItem(0)->background(0).color(), QColor(224, 228, 243));
        QCOMPARE(view->topLevelItem(1)->background(0).color(), QColor(240, 242, 249));

        QSignalSpy applied(&window(), &ListEditorWindow::orderApplied);
        QTest::mouseClick(window().applyButton(), Qt::LeftButton);
        QVERIFY(!window().isVisible());
        QCOMPARE(applied.count(), 1);
        QCOMPARE(applied.first().first().value<QList<int>>(), (QList<int>{3, 1, 2, 4}));
    }

    void closingWithoutChangesKeepsTheOrder()
    {
        QSignalSpy applied(&window(), &ListEditorWindow::orderApplied);
        window().close();
        QCOMPARE(applied.count(), 1);
        QCOMPARE(applied.first().first().value<QList<int>>(), (QList<int>{1, 2, 3, 4}));
    }

    void deleteAsksAndNamesTheSelectedRows()
    {
        QTreeWidget* view = window().listView();
        clickHeader(3); // 4, 1, 3, 2
        view->topLevelItem(1)->setSelected(true);
        view->topLevelItem(3)->setSelected(true);
        QSignalSpy deleted(&window(), &ListEditorWindow::deleteRequested);
        m_answer = false;
        QTest::mouseClick(window().deleteButton(), Qt::LeftButton);
        QCOMPARE(m_questions, QStringList{"Delete selected item(s)"});
        QCOMPARE(deleted.count(), 0);
        m_answer = true;
        QTest::mouseClick(window().deleteButton(), Qt::LeftButton);
        QCOMPARE(deleted.count(), 1);
        QCOMPARE(deleted.first().first().value<QList<int>>(), (QList<int>{1, 2}));
        // The Delete key of the list does the same.
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(deleted.count(), 2);
        QCOMPARE(m_questions.size(), 3);
        // The owner removes them and rebuilds the window in list order.
        removeItems(m_list, {1, 2});
        window().setList(m_list);
        QCOMPARE(column(view, 2), (QStringList{"beta", "delta"}));
        QCOMPARE(window().columnCaption(3), QStringLiteral("E modulus"));
    }

    void doubleClickAsksForACorrection()
    {
        QTreeWidget* view = window().listView();
        clickHeader(3); // 4, 1, 3, 2
        QSignalSpy correction(&window(), &ListEditorWindow::correctionRequested);
        const QRect line = view->visualItemRect(view->topLevelItem(2));
        // A double click follows the press of its first click.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, line.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, line.center());
        QCOMPARE(correction.count(), 1);
        QCOMPARE(correction.first().first().toInt(), 3);
        view->setCurrentItem(view->topLevelItem(0));
        QTest::mouseClick(window().correctButton(), Qt::LeftButton);
        QCOMPARE(correction.count(), 2);
        QCOMPARE(correction.last().first().toInt(), 4);
    }

    void otherWindowsAreAskedFor()
    {
        QSignalSpy privateData(&window(), &ListEditorWindow::privateDataRequested);
        QSignalSpy units(&window(), &ListEditorWindow::unitsRequested);
        QTest::mouseClick(window().privateButton(), Qt::LeftButton);
        QTest::mouseClick(window().unitsButton(), Qt::LeftButton);
        QCOMPARE(privateData.count(), 1);
        QCOMPARE(units.count(), 1);
        QCOMPARE(window().privateButton()->text(), QStringLiteral("Private data editing ...."));
    }

    void editorOrderReachesTheMainList();
    void privateDataWindowTakesInputWhileTheEditorIsOpen();
    void editorCorrectionAndDelete();
    void reorderKeepsThePendingCorrectionOnItsItem();

    void retranslateSetsTheCaptions()
    {
        MessageTable other = MessageTable::english();
        other.set(128, "Alkalmaz");
        other.set(79, "Rugalmassag");
        other.set(129, "Ix rendez...");
        window().retranslate(other);
        QCOMPARE(window().applyButton()->text(), QStringLiteral("Alkalmaz"));
        QCOMPARE(window().columnCaption(3), QStringLiteral("Rugalmassag"));
        clickHeader(6);
        QCOMPARE(window().columnCaption(6), QStringLiteral("Ix rendez..."));
        QCOMPARE(window().listView()->topLevelItemCount(), 4);
    }
};

void ListEditorTest::editorOrderReachesTheMainList()
{
    auto w = startedMain({"40x20x2", "30x30x2", "20x20x2"});
    QVERIFY(w->action(Command::EditList)->isEnabled());
    const ListRow third = w->itemList().row(3);
    withEditor(*w, [&](ListEditorWindow* e) {
        QCOMPARE(e->windowModality(), Qt::WindowModal);
        QCOMPARE(e->headerStripLabel(6)->text(), QStringLiteral("Mom. of inertia\nIx [cm4]\nIy [cm4]"));
        e->sortByColumn(2);
        QCOMPARE(e->order(), (QList<int>{3, 2, 1}));
    });
    const ItemList& list = w->itemList();
    QCOMPARE(list.row(1).cells[2], QStringLiteral("20x20x2 RH Section"));
    QCOMPARE(list.row(1).cells[0], QStringLiteral("1"));
    QCOMPARE(list.row(1).RowPicture, third.RowPicture);
    QCOMPARE(double(list.row(1).ItemValues[3]), double(third.ItemValues[3]));
    QCOMPARE(list.row(3).cells[2], QStringLiteral("40x20x2 RH Section"));
    QCOMPARE(w->itemGrid()->model()->index(0, 2).data().toString(), QStringLiteral("20x20x2 RH Section"));

    // Opening and closing without changes leaves everything in place.
    const ItemList before = w->itemList();
    withEditor(*w, [](ListEditorWindow*) {});
    for (int r = 1; r <= 3; ++r) {
        QCOMPARE(w->itemList().row(r).cells, before.row(r).cells);
        QCOMPARE(w->itemList().row(r).RowPicture, before.row(r).RowPicture);
    }
}

void ListEditorTest::privateDataWindowTakesInputWhileTheEditorIsOpen()
{
    auto w = startedMain({"40x20x2"});
    PrivateDataWindow* p = w->privateDataWindow();
    const char* const values[PrivatePropertyCount] = {"10", "10", "4", "4", "4", "4", "5", "3", "20"};
    p->descriptionField()->setText("Box 50");
    for (int k = 0; k < PrivatePropertyCount; ++k)
        p->propertyField(static_cast<PrivateProperty>(k))->setText(values[k]);
    p->show();
    QVERIFY(QTest::qWaitForWindowExposed(p));
    // Not blocked by anything while the editor is closed.
    QSignalSpy pressed(p->toListButton(), &QPushButton::pressed);
    systemClick(p->toListButton());
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(w->itemList().count(), 2);
    systemClick(w->toListButton(SectionKind::RectHollow));
    QCOMPARE(w->itemList().count(), 3);
    withEditor(*w, [&](ListEditorWindow* e) {
        // The main window is blocked: its To List does nothing.
        systemClick(w->toListButton(SectionKind::RectHollow));
        QCOMPARE(w->itemList().count(), 3);
        QTest::mouseClick(e->privateButton(), Qt::LeftButton);
        QVERIFY(p->isVisible());
        p->descriptionField()->setText("Box 50 b");
        systemClick(p->toListButton());
        QCOMPARE(pressed.count(), 2);
        QCOMPARE(w->itemList().count(), 4);
        // The open editor shows the new item at once.
        QCOMPARE(e->listView()->topLevelItemCount(), 4);
        QCOMPARE(e->listView()->topLevelItem(3)->text(2), QStringLiteral("Box 50 b"));
    });
    QCOMPARE(w->itemList().row(4).cells[1], QStringLiteral("10"));
}

void ListEditorTest::editorCorrectionAndDelete()
{
    auto w = startedMain({"20x20x2", "30x30x2", "40x20x2"});
    withEditor(*w, [&](ListEditorWindow* e) {
        QTreeWidget* view = e->listView();
        const QPoint at = view->visualItemRect(view->topLevelItem(1)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(w->state().SelectedRow, 2);
        QVERIFY(w->state().RowBlinkEnabled);
        QCOMPARE(w->privateDataWindow()->windowTitle(), QStringLiteral("Correction selected item..."));
        QCOMPARE(w->privateDataWindow()->descriptionField()->text(), QStringLiteral("30x30x2 RH Section"));
    });
    QVERIFY(w->state().RowBlinkEnabled);

    withEditor(*w, [&](ListEditorWindow* e) {
        // Opening the editor ended the correction.
        QVERIFY(!w->state().RowBlinkEnabled);
        QTreeWidget* view = e->listView();
        view->topLevelItem(0)->setSelected(true);
        view->topLevelItem(2)->setSelected(true);
        QTest::mouseClick(e->deleteButton(), Qt::LeftButton);
        QCOMPARE(w->itemList().count(), 1);
        QCOMPARE(view->topLevelItemCount(), 1);
        QCOMPARE(view->topLevelItem(0)->text(2), QStringLiteral("30x30x2 RH Section"));
        QCOMPARE(view->topLevelItem(0)->text(0), QStringLiteral("1"));
    });
    QCOMPARE(w->itemList().row(1).cells[2], QStringLiteral("30x30x2 RH Section"));
}

void ListEditorTest::reorderKeepsThePendingCorrectionOnItsItem()
{
    auto w = startedMain({"40x20x2", "30x30x2", "20x20x2"});
    withEditor(*w, [&](ListEditorWindow* e) {
        QTreeWidget* view = e->listView();
        const QPoint at = view->visualItemRect(view->topLevelItem(0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        e->sortByColumn(2); // 40x20x2 moves to the end
    });
    QVERIFY(w->state().RowBlinkEnabled);
    QCOMPARE(w->state().SelectedRow, 3);
    PrivateDataWindow* p = w->privateDataWindow();
    p->descriptionField()->setText("40x20x2 corrected");
    QTest::mouseClick(p->toListButton(), Qt::LeftButton);
    QCOMPARE(w->itemList().count(), 3);
    QCOMPARE(w->itemList().row(3).cells[2], QStringLiteral("40x20x2 corrected"));
    QCOMPARE(w->itemList().row(1).cells[2], QStringLiteral("20x20x2 RH Section"));
}

QTEST_MAIN(ListEditorTest)
#include "test_listeditor.moc"
