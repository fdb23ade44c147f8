#include "materialbar.h"

#include "fieldtexts.h"

#include "itemlist/units_apply.h"
#include "sections/material.h"
#include "sections/material_filters.h"
#include "settings/message_table.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
// A filtered text back in its field; a stand-in for an emptied text stays
// selected, so that the next keystroke replaces it.
template <typename Field>
void putBack(Field* field, const FilterOutcome& out)
{
    putBack(field, out.text, out.standIn);
}

void addItems(QComboBox* box, const QStringList& items)
{
    const QSignalBlocker block(box);
    const QString text = box->currentText();
    for (const QString& item : items)
        if (box->findText(item) < 0)
            box->addItem(item);
    box->setEditText(text);
}
} // namespace

MaterialBar::MaterialBar(const MessageTable& messages, QWidget* parent) : QWidget(parent), m_messages(&messages)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // Five captions and the rotation box share the design width.
    layout->setSpacing(2);
    int captionIndex = 0;
    const auto addPair = [&](const char* caption, const char* key, QWidget* input) {
        auto* column = new QVBoxLayout;
        auto* label = new QLabel(QString::fromLatin1(caption), this);
        m_captions[std::size_t(captionIndex++)] = label;
        label->setObjectName(QString::fromLatin1(key));
        column->addWidget(label);
        column->addWidget(input);
        layout->addLayout(column);
    };
    const auto comboBox = [&](const QStringList& items, int longest) {
        auto* box = new QComboBox(this);
        box->setEditable(true);
        box->addItems(items);
        box->setCurrentIndex(0);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMinimumContentsLength(longest);
        // The drop-down shows whole item texts, however narrow the box.
        int widest = 0;
        for (const QString& item : items)
            widest = std::max(widest, box->view()->fontMetrics().horizontalAdvance(item));
        box->view()->setMinimumWidth(widest + 2 * box->view()->frameWidth() +
                                     box->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
        return box;
    };
    m_eBox = comboBox(eModulusItems(), 15);
    m_densityBox = comboBox(densityItems(), 6);
    m_poissonBox = comboBox(poissonItems(), 15);
    m_tensile = new QLineEdit(QStringLiteral("300"), this);
    m_pressure = new QLineEdit(QStringLiteral("-300"), this);
    m_pressure->installEventFilter(this);
    addPair("E modulus [KN/m2]:", "Panel53", m_eBox);
    addPair("Density [Kg/m3]:", "Panel56", m_densityBox);
    addPair("Poisson :", "Panel58", m_poissonBox);
    addPair("Max.Tensil[N/mm2]:", "Panel70", m_tensile);
    addPair("Min.Pressure[N/mm2]:", "Panel71", m_pressure);
    connect(m_eBox, &QComboBox::editTextChanged, this, &MaterialBar::onEModulusEdited);
    connect(m_densityBox, &QComboBox::editTextChanged, this, &MaterialBar::onDensityEdited);
    connect(m_poissonBox, &QComboBox::editTextChanged, this, &MaterialBar::onPoissonEdited);
    connect(m_tensile, &QLineEdit::textChanged, this, &MaterialBar::onTensileEdited);
    connect(m_pressure, &QLineEdit::textChanged, this, &MaterialBar::onPressureEdited);

    auto* rotation = new QVBoxLayout;
    m_rotateButton = new QPushButton(QStringLiteral("Rotate section:"), this);
    m_rotateButton->setObjectName(QStringLiteral("BitBtn2"));
    m_rotateButton->setEnabled(false);
    m_rotationCaption = new QLabel(QStringLiteral("0  /degrees/"), this);
    m_rotationCaption->setObjectName(QStringLiteral("Label71"));
    rotation->addWidget(m_rotateButton);
    rotation->addWidget(m_rotationCaption);
    layout->addLayout(rotation);
}

MaterialTexts MaterialBar::texts() const
{
    MaterialTexts material;
    material.eModulus = m_eBox->currentText();
    material.density = m_densityBox->currentText();
    material.poisson = m_poissonBox->currentText();
    material.tensile = m_tensile->text();
    material.pressure = m_pressure->text();
    material.eItems = itemsOf(m_eBox);
    material.densityItems = itemsOf(m_densityBox);
    material.poissonItems = itemsOf(m_poissonBox);
    return material;
}

void MaterialBar::addListItems(const QStringList& eItems, const QStringList& densityItems,
                               const QStringList& poissonItems)
{
    addItems(m_eBox, eItems);
    addItems(m_densityBox, densityItems);
    addItems(m_poissonBox, poissonItems);
    emit materialsEdited();
}

void MaterialBar::showMaterials(const MaterialTexts& materials)
{
    const auto show = [](QComboBox* box, const QStringList& items, const QString& text) {
        const QSignalBlocker block(box);
        if (itemsOf(box) != items) {
            box->clear();
            box->addItems(items);
        }
        if (box->currentText() != text)
            box->setEditText(text);
    };
    show(m_eBox, materials.eItems, materials.eModulus);
    show(m_densityBox, materials.densityItems, materials.density);
    show(m_poissonBox, materials.poissonItems, materials.poisson);
    const QSignalBlocker b1(m_tensile), b2(m_pressure);
    if (m_tensile->text() != materials.tensile)
        m_tensile->setText(materials.tensile);
    if (m_pressure->text() != materials.pressure)
        m_pressure->setText(materials.pressure);
}

void MaterialBar::showCaptions(const UnitSettings& units, bool unitsApplied)
{
    if (!unitsApplied)
        return;
    const MessageTable& m = *m_messages;
    m_captions[0]->setText(m(Msg::EModulus) + QLatin1Char(' ') + unitText(units, UnitGroup::EModulus));
    m_captions[1]->setText(m(Msg::Density) + QLatin1Char(' ') + unitText(units, UnitGroup::Density));
    m_captions[3]->setText(m(Msg::MaxTensile) + QLatin1Char(' ') + unitText(units, UnitGroup::Stress));
    m_captions[4]->setText(m(Msg::MinPressure) + QLatin1Char(' ') + unitText(units, UnitGroup::Stress));
}

void MaterialBar::showRotation(bool rotatable, int angle)
{
    const MessageTable& m = *m_messages;
    m_rotationCaption->setText(rotatable ? QString::number(angle) + m(Msg::Degrees) : m(Msg::ZeroDegrees));
}

void MaterialBar::focusField(MaterialField field)
{
    switch (field) {
    case MaterialField::Poisson: m_poissonBox->setFocus(); break;
    case MaterialField::Tensile: m_tensile->setFocus(); break;
    case MaterialField::Pressure: m_pressure->setFocus(); break;
    default: break; // the E modulus and density texts are checked where they are typed
    }
}

bool MaterialBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pressure && event->type() == QEvent::FocusOut && m_pressure->text() == QLatin1String("-")) {
        emit messageRequested((*m_messages)(1));
        m_pressure->setFocus();
    }
    return QWidget::eventFilter(watched, event);
}

void MaterialBar::onEModulusEdited(const QString& text)
{
    const FilterOutcome out = filterEModulus(text, itemsOf(m_eBox));
    putBack(m_eBox, out);
    emit materialsEdited();
    for (int i = 0; i < out.beeps; ++i)
        QApplication::beep();
    if (out.refocus)
        m_eBox->setFocus();
}

void MaterialBar::onDensityEdited(const QString& text)
{
    putBack(m_densityBox, filterDensity(text, itemsOf(m_densityBox)));
    emit materialsEdited();
    emit densityChanged();
}

void MaterialBar::onPoissonEdited(const QString& text)
{
    putBack(m_poissonBox, filterPoisson(text, itemsOf(m_poissonBox)));
    emit materialsEdited();
}

void MaterialBar::onTensileEdited(const QString& text)
{
    putBack(m_tensile, filterTensile(text));
    emit materialsEdited();
}

void MaterialBar::onPressureEdited(const QString& text)
{
    putBack(m_pressure, filterPressure(text));
    emit materialsEdited();
}
