#include "privatedatawindow.h"

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
#include <QTest>

namespace {
const char* const BoxValues[PrivatePropertyCount] = {"10", "10", "4", "4", "4", "4", "5", "3", "20"};
} // namespace

class PrivateDataTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PrivateDataWindow> m_window;
    QStringList m_questions;
    bool m_answer = false;

    PrivateDataWindow& window() { return *m_window; }

    void typeItem(const char* const values[PrivatePropertyCount], const QString& description = "Box 50")
    {
        QTest::keyClicks(window().descriptionField(), description);
        for (int k = 0; k < PrivatePropertyCount; ++k)
            QTest::keyClicks(window().propertyField(static_cast<PrivateProperty>(k)), QString::fromLatin1(values[k]));
    }

private slots:
    void init()
    {
        m_window = std::make_unique<PrivateDataWindow>(MessageTable::english());
        m_questions.clear();
        m_answer = false;
        m_window->askYesNo = [this](const QString& text) {
            m_questions << text;
            return m_answer;
        };
        m_window->showMessage = [this](const QString& text) { m_questions << text; };
        m_window->show();
    }
    void cleanup() { m_window.reset(); }

    void captionsInTheChosenUnits()
    {
        QCOMPARE(window().windowTitle(), QStringLiteral("Private data editing ...."));
        QCOMPARE(window().materialCaption(0)->text(), QStringLiteral("E modulus [KN/m2]:"));
        QCOMPARE(window().materialCaption(3)->text(), QStringLiteral("Max.Tensil[N/mm2]:"));
        QCOMPARE(window().group(0)->title(), QStringLiteral(" Moment of inertia Ix, Iy [cm4]"));
        QCOMPARE(window().group(3)->title(), QStringLiteral(" Torsion inertia Ixx [cm4], Kxx [cm3]"));
        QCOMPARE(window().group(4)->title(), QStringLiteral(" Area [cm2]"));
        QCOMPARE(window().tensileField()->text(), QStringLiteral("300"));
        QCOMPARE(window().pressureField()->text(), QStringLiteral("-300"));
        QCOMPARE(window().eModulusBox()->count(), eModulusItems().size());
        QCOMPARE(window().privateColourCaption()->text(), QStringLiteral(" Private data color "));

        window().setUnits(*UnitSettings::fromDigits("3133313"), true);
        QCOMPARE(window().materialCaption(0)->text(), QStringLiteral("E modulus [N/mm2]"));
        QCOMPARE(window().materialCaption(3)->text(), QStringLiteral("Max.Tensile [KN/m2]"));
        QCOMPARE(window().materialCaption(4)->text(), QStringLiteral("Min.Pressure [KN/m2]"));
        QCOMPARE(window().group(0)->title(), QStringLiteral(" Moment of inertia Ix, Iy [mm4]"));
        QCOMPARE(window().group(1)->title(), QStringLiteral(" Moment of resist. Kx, Ky [mm3]"));
        QCOMPARE(window().group(4)->title(), QStringLiteral(" Area [mm2]"));

        MessageTable other = MessageTable::english();
        other.set(79, "Rugalmassagi modulus");
        window().retranslate(other);
        QCOMPARE(window().materialCaption(0)->text(), QStringLiteral("Rugalmassagi modulus [N/mm2]"));
    }

    void toListNeedsAllTwelveFields()
    {
        QCOMPARE(window().filledBar()->maximum(), 12);
        // The two stress fields are filled from the start.
        QCOMPARE(window().filledBar()->value(), 2);
        QVERIFY(!window().toListButton()->isEnabled());
        typeItem(BoxValues);
        QCOMPARE(window().filledBar()->value(), 12);
        QVERIFY(window().toListButton()->isEnabled());
        window().propertyField(PrivateProperty::Kxx)->clear();
        QCOMPARE(window().filledBar()->value(), 11);
        QVERIFY(!window().toListButton()->isEnabled());
        window().descriptionField()->clear();
        QCOMPARE(window().filledBar()->value(), 10);
        QSignalSpy listed(&window(), &PrivateDataWindow::listRequested);
        window().toList();
        QCOMPARE(listed.count(), 0);
    }

    void propertyFieldsTakeDigitsAndOnePoint()
    {
        QLineEdit* ix = window().propertyField(PrivateProperty::Ix);
        QTest::keyClicks(ix, "1a2.3.4-");
        QCOMPARE(ix->text(), QStringLiteral("12.34"));
        QTest::keyClicks(window().descriptionField(), QString(50, 'x'));
        QCOMPARE(window().descriptionField()->text().size(), 40);
        window().tensileField()->clear();
        QCOMPARE(window().tensileField()->text(), QStringLiteral("120"));
        window().pressureField()->setText("55");
        QCOMPARE(window().pressureField()->text(), QStringLiteral("-55"));
    }

    void plausibleItemIsListedWithoutQuestion()
    {
        QSignalSpy listed(&window(), &PrivateDataWindow::listRequested);
        typeItem(BoxValues);
        QTest::mouseClick(window().toListButton(), Qt::LeftButton);
        QVERIFY(m_questions.isEmpty());
        QCOMPARE(listed.count(), 1);
        const PrivateItemTexts t = window().texts();
        QCOMPARE(t.description, QStringLiteral("Box 50"));
        QCOMPARE(t.properties[std::size_t(PrivateProperty::Area)], QStringLiteral("20"));
        QCOMPARE(t.material.eModulus, eModulusItems().first());
    }

    void implausibleItemAsksAndNoListsNothing()
    {
        const char* const tooMuch[PrivatePropertyCount] = {"10", "10", "40", "40", "4", "4", "0.1", "0.2", "2"};
        QSignalSpy listed(&window(), &PrivateDataWindow::listRequested);
        typeItem(tooMuch);
        QTest::mouseClick(window().toListButton(), Qt::LeftButton);
        QCOMPARE(m_questions.size(), 1);
        QVERIFY(m_questions[0].startsWith("Impossible data ! Do you want to approved ? "));
        QVERIFY(m_questions[0].contains(" < Ix : 10 [cm4] ----> Error"));
        QCOMPARE(listed.count(), 0);
        m_answer = true;
        QTest::mouseClick(window().toListButton(), Qt::LeftButton);
        QCOMPARE(listed.count(), 1);
    }

    void zeroInertiaIsNotCompared()
    {
        const char* const zero[PrivatePropertyCount] = {"0", "10", "40", "40", "4", "4", "0.1", "0.2", "2"};
        QSignalSpy listed(&window(), &PrivateDataWindow::listRequested);
        typeItem(zero);
        QTest::mouseClick(window().toListButton(), Qt::LeftButton);
        QVERIFY(m_questions.isEmpty());
        QCOMPARE(listed.count(), 1);
    }

    void previewFollowsTheModuli()
    {
        const QImage empty = window().preview();
        QCOMPARE(empty.size(), QSize(240, 160));
        typeItem(BoxValues);
        const QImage full = window().preview();
        QVERIFY(full != empty);
        QVERIFY(!window().previewLabel()->pixmap().isNull());
        window().propertyField(PrivateProperty::KxAbove)->setText("8");
        QVERIFY(window().preview() != full); // 12.50 mm above
        window().propertyField(PrivateProperty::KxAbove)->setText("4");
        QCOMPARE(window().preview(), full);
    }

    void correctionCaptionAndStartValues()
    {
        PrivateItemTexts t;
        t.description = "40x20x3 RH Section";
        t.material.eModulus = "210000000";
        t.material.density = "7850";
        t.material.poisson = "0.29";
        t.material.tensile = "300.00";
        t.material.pressure = "-300.00";
        t.properties = {"1.89", "6.08", "1.89", "1.89", "6.08", "6.08", "4.41", "2.60", "3.240000"};
        window().startCorrection(t, t.currentValues());
        QCOMPARE(window().windowTitle(), QStringLiteral("Correction selected item..."));
        QCOMPARE(window().propertyField(PrivateProperty::Iy)->text(), QStringLiteral("6.08"));
        QCOMPARE(window().eModulusBox()->currentText(), QStringLiteral("210000000"));
        QCOMPARE(window().pressureField()->text(), QStringLiteral("-300.00"));
        QVERIFY(window().toListButton()->isEnabled());
        QVERIFY(window().showsCorrectionStart());
        // A changed description is no change of the values.
        window().descriptionField()->setText("renamed");
        QVERIFY(window().showsCorrectionStart());
        window().propertyField(PrivateProperty::Area)->setText("3.25");
        QVERIFY(!window().showsCorrectionStart());
        window().endCorrection();
        QCOMPARE(window().windowTitle(), QStringLiteral("Private data editing ...."));
        QVERIFY(!window().showsCorrectionStart());
        QCOMPARE(window().propertyField(PrivateProperty::Area)->text(), QStringLiteral("3.25"));
    }

    void materialListsAndUnitChange()
    {
        window().setMaterialLists({"Steel : 210000000", "Wood : 10000000"}, {"Steel : 7850", "Water : 1000"});
        QCOMPARE(window().eModulusBox()->currentText(), QStringLiteral("Steel : 210000000"));
        QCOMPARE(window().densityBox()->count(), 2);
        // Typed texts are held to the lengths of the fields.
        window().densityBox()->setEditText("12345678");
        QCOMPARE(window().densityBox()->currentText(), QStringLiteral("123456"));
        window().densityBox()->setCurrentIndex(0);
        window().reexpressMaterial(UnitSettings{}, *UnitSettings::fromDigits("2122213"));
        QCOMPARE(window().eModulusBox()->itemText(0), QStringLiteral("Steel : 21000000"));
        QCOMPARE(window().eModulusBox()->currentText(), QStringLiteral("Steel : 21000000"));
        QCOMPARE(window().densityBox()->itemText(1), QStringLiteral("Water : 1000"));
        QCOMPARE(window().tensileField()->text(), QStringLiteral("300000.00"));
        QCOMPARE(window().pressureField()->text(), QStringLiteral("-300000.00"));
    }

    void unitsButtonAndPressureLeftAlone()
    {
        QSignalSpy units(&window(), &PrivateDataWindow::unitsRequested);
        QTest::mouseClick(window().unitsButton(), Qt::LeftButton);
        QCOMPARE(units.count(), 1);
        window().pressureField()->setText("-");
        QFocusEvent leave(QEvent::FocusOut);
        QApplication::sendEvent(window().pressureField(), &leave);
        QCOMPARE(m_questions, QStringList{"Error wrong data !"});
        window().pressureField()->setText("-3");
        QApplication::sendEvent(window().pressureField(), &leave);
        QCOMPARE(m_questions.size(), 1);
    }

    void closeHidesTheWindow()
    {
        QVERIFY(window().isVisible());
        QTest::mouseClick(window().closeButton(), Qt::LeftButton);
        QVERIFY(!window().isVisible());
    }
};

QTEST_MAIN(PrivateDataTest)
#include "test_privatedata.moc"
