#include "main_window_helpers.h"
#include "privatedatawindow.h"
#include "unitswindow.h"

#include "itemlist/job_file.h"
#include "sections/material.h"
#include "settings/message_table.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSaveFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

namespace {
const char* const BoxValues[PrivatePropertyCount] = {"10", "10", "4", "4", "4", "4", "5", "3", "20"};
} // namespace

class PrivateDataTest : public QObject {
    Q_OBJECT

    // The user of every window of a test: answers No, types nothing.
    std::unique_ptr<ScriptedPrompter> m_user;
    std::unique_ptr<PrivateDataWindow> m_window;

    PrivateDataWindow& window() { return *m_window; }

    // A started main window whose questions and messages are recorded here.
    std::unique_ptr<MainWindow> startedMain()
    {
        auto w = std::make_unique<MainWindow>(*m_user);
        w->show();
        w->start();
        return w;
    }

    void typeInto(PrivateDataWindow* p, const char* const values[PrivatePropertyCount], const QString& description)
    {
        p->descriptionField()->setText(description);
        for (int k = 0; k < PrivatePropertyCount; ++k)
            p->propertyField(static_cast<PrivateProperty>(k))->setText(QString::fromLatin1(values[k]));
    }

private slots:
    void init()
    {
        m_user = std::make_unique<ScriptedPrompter>();
        m_user->text = QString();
        m_window = std::make_unique<PrivateDataWindow>(MessageTable::english(), *m_user);
        m_window->show();
    }
    void cleanup() { m_window.reset(); }

    // A plausible item is listed at once; an implausible one only after Yes.
    void implausibleItemsAreListedOnlyWhenApproved()
    {
        QSignalSpy listed(&window(), &PrivateDataWindow::listRequested);
        typeInto(&window(), BoxValues, "Box 50");
        QTest::mouseClick(window().toListButton(), Qt::LeftButton);
        QVERIFY(m_user->questions.isEmpty());
        QVERIFY(m_user->shown.isEmpty());
        QCOMPARE(listed.count(), 1);
        QCOMPARE(window().texts().properties[std::size_t(PrivateProperty::Area)], QStringLiteral("20"));
        const char* const tooMuch[PrivatePropertyCount] = {"10", "10", "40", "40", "4", "4", "0.1", "0.2", "2"};
        typeInto(&window(), tooMuch, "Too stiff");
        QTest::mouseClick(window().toListButton(), Qt::LeftButton);
        QCOMPARE(m_user->questions.size(), 1);
        QVERIFY(m_user->questions[0].startsWith("Impossible data ! Do you want to approved ? "));
        QCOMPARE(listed.count(), 1);
        m_user->answer = Answer::Yes;
        QTest::mouseClick(window().toListButton(), Qt::LeftButton);
        QCOMPARE(listed.count(), 2);
    }

    void mainWindowListsPrivateItems();
    void belongsToTheWindowThatOpensIt();
    void correctionOverwritesTheRow();
    void loadedJobInOtherStressUnitsReexpressesTheTypedStresses();
};

// The main window's button opens the window; its To List appends a private
// row, or says why the material is refused.
void PrivateDataTest::mainWindowListsPrivateItems()
{
    auto w = startedMain();
    const MainWindowProbe ui(*w);
    QTest::mouseClick(w->findChild<QPushButton*>("Button2"), Qt::LeftButton);
    PrivateDataWindow* p = ui.privateDataWindow();
    QVERIFY(p->isVisible());
    typeInto(p, BoxValues, "Box 50");
    QTest::mouseClick(p->toListButton(), Qt::LeftButton);
    QCOMPARE(ui.itemList().count(), 1);
    QCOMPARE(listCell(*w, 1, 1), QStringLiteral("10"));
    QCOMPARE(listCell(*w, 1, 2), QStringLiteral("Box 50"));
    QCOMPARE(ui.itemGrid()->model()->index(0, 2).data().toString(), QStringLiteral("Box 50"));
    p->tensileField()->setText("0");
    QTest::mouseClick(p->toListButton(), Qt::LeftButton);
    QCOMPARE(ui.itemList().count(), 1);
    QCOMPARE(m_user->shown.last(), QStringLiteral("Error. Max.Tensil<=0 !"));
}

// The window stays above the window that opens it: the main window, or the
// window-modal list editor, whose modality would otherwise block it.
void PrivateDataTest::belongsToTheWindowThatOpensIt()
{
    auto w = startedMain();
    const MainWindowProbe ui(*w);
    QTest::mouseClick(w->findChild<QPushButton*>("Button2"), Qt::LeftButton);
    PrivateDataWindow* p = ui.privateDataWindow();
    QCOMPARE(p->parentWidget(), w.get());
    QVERIFY(p->isWindow());
    p->close();
    ui.listEditor()->show();
    emit ui.listEditor()->privateDataRequested();
    QCOMPARE(p->parentWidget(), ui.listEditor());
    QVERIFY(p->isVisible() && p->isWindow());
    QCOMPARE(p->windowHandle()->transientParent(), ui.listEditor()->windowHandle());
}

// A correction shows the selected row; unchanged values keep its mark,
// changed ones make it a private row, in place.
void PrivateDataTest::correctionOverwritesTheRow()
{
    auto w = startedMain();
    const MainWindowProbe ui(*w);
    listTubes(*w, {"20x20x2", "30x30x2", "40x20x2"});
    const ListRow second = ui.itemList().row(2);
    clickCell(*w, 1, 2);
    ui.action(Command::CorrectItem)->trigger();
    PrivateDataWindow* p = ui.privateDataWindow();
    QVERIFY(p->isVisible());
    QCOMPARE(p->descriptionField()->text(), QStringLiteral("30x30x2 RH Section"));
    QCOMPARE(p->propertyField(PrivateProperty::Area)->text(), second.cells[5]);
    p->descriptionField()->setText("30x30x2 renamed");
    QTest::mouseClick(p->toListButton(), Qt::LeftButton);
    QCOMPARE(ui.itemList().count(), 3);
    QCOMPARE(listCell(*w, 2, 2), QStringLiteral("30x30x2 renamed"));
    QCOMPARE(listCell(*w, 2, 1), QStringLiteral("00"));
    p->propertyField(PrivateProperty::Area)->setText("2.5");
    QTest::mouseClick(p->toListButton(), Qt::LeftButton);
    QCOMPARE(ui.itemList().count(), 3);
    QCOMPARE(listCell(*w, 2, 1), QStringLiteral("10"));
    QCOMPARE(listCell(*w, 2, 5), QStringLiteral("2.500000"));
}

// The window's stresses were typed in N/mm2; after a job in KN/m2 is loaded
// they read the same stresses in KN/m2.
void PrivateDataTest::loadedJobInOtherStressUnitsReexpressesTheTypedStresses()
{
    auto w = startedMain();
    const MainWindowProbe ui(*w);
    PrivateDataWindow* p = ui.privateDataWindow();
    typeInto(p, BoxValues, "Box 50");
    QTest::mouseClick(p->toListButton(), Qt::LeftButton);
    JobFile job;
    job.rows.push_back(ui.itemList().row(1));
    job.units = *UnitSettings::fromDigits("1122213");
    job.eItems = eModulusItems();
    job.densityItems = densityItems();
    job.tensile = "300000.00";
    job.pressure = "-300000.00";
    QTemporaryDir dir;
    const QString path = dir.filePath("kn_m2.mvn");
    QSaveFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(writeJob(job));
    QVERIFY(file.commit());
    QVERIFY(w->loadJob(path));
    QCOMPARE(p->tensileField()->text(), QStringLiteral("300000.00"));
    QTest::mouseClick(p->toListButton(), Qt::LeftButton);
    QCOMPARE(ui.itemList().count(), 2);
    QCOMPARE(double(ui.itemList().row(2).itemValues[11]), 300.0);
}

QTEST_MAIN(PrivateDataTest)
#include "test_privatedata.moc"
