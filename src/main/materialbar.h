#pragma once

#include "itemlist/item_list.h"
#include "sections/units.h"

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class MessageTable;

// The material bar: the E modulus, density and Poisson list boxes, the two
// stress fields, their captions and input filters, and the rotation box.
class MaterialBar : public QWidget {
    Q_OBJECT
public:
    explicit MaterialBar(const MessageTable& messages, QWidget* parent = nullptr);

    QComboBox* eModulusBox() const { return m_eBox; }
    QComboBox* densityBox() const { return m_densityBox; }
    QComboBox* poissonBox() const { return m_poissonBox; }
    QLineEdit* tensileField() const { return m_tensile; }
    QLineEdit* pressureField() const { return m_pressure; }
    // Captions 0..4: E modulus, density, Poisson, tensile, pressure.
    QLabel* caption(int index) const { return m_captions.at(std::size_t(index)); }
    QPushButton* rotateButton() const { return m_rotateButton; }
    QLabel* rotationCaption() const { return m_rotationCaption; }

    // The bar as a listing reads it, list items included.
    MaterialTexts texts() const;
    // Adds the items a listing put on the lists (typed texts that were new).
    void addListItems(const QStringList& eItems, const QStringList& densityItems, const QStringList& poissonItems);
    // Shows the job's material lists and texts (the filters do not run again).
    void showMaterials(const MaterialTexts& materials);
    // Once units were applied, the E, density and stress captions read the
    // language's word and the unit; before, they keep the language's texts.
    void showCaptions(const UnitSettings& units, bool unitsApplied);
    // The rotation box for a tab: its angle, or the text of a tab that does not turn.
    void showRotation(bool rotatable, int angle);
    void focusField(MaterialField field);

signals:
    // The user changed a list or text (after its filter), or a listing
    // added items: texts() holds the new state.
    void materialsEdited();
    // The density text changed: the weight follows it.
    void densityChanged();
    void messageRequested(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onEModulusEdited(const QString& text);
    void onDensityEdited(const QString& text);
    void onPoissonEdited(const QString& text);
    void onTensileEdited(const QString& text);
    void onPressureEdited(const QString& text);

    const MessageTable* m_messages;
    QComboBox* m_eBox = nullptr;
    QComboBox* m_densityBox = nullptr;
    QComboBox* m_poissonBox = nullptr;
    QLineEdit* m_tensile = nullptr;
    QLineEdit* m_pressure = nullptr;
    std::array<QLabel*, 5> m_captions{};
    QPushButton* m_rotateButton = nullptr;
    QLabel* m_rotationCaption = nullptr;
};
