#include "privatedatawindow.h"
#include "enterkey.h"

#include "fieldtexts.h"

#include "drawing/section_picture_size.h"
#include "itemlist/units_apply.h"
#include "sections/material.h"
#include "sections/material_filters.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
// A typed text that is no list item is at most this long; the items
// themselves ("Steel : 210000000") may be longer.
QString typedAtMost(const QComboBox* box, const QString& text, int length)
{
    return text.size() > length && box->findText(text) < 0 ? text.left(length) : text;
}

void setItems(QComboBox* box, const QStringList& items, const QString& text)
{
    const QSignalBlocker block(box);
    box->clear();
    box->addItems(items);
    box->setEditText(text);
}

const char* const PropertyLabels[PrivatePropertyCount] = {
    QT_TRANSLATE_NOOP("PrivateDataWindow", "Ix :"),       QT_TRANSLATE_NOOP("PrivateDataWindow", "Iy :"),
    QT_TRANSLATE_NOOP("PrivateDataWindow", "Kx above :"), QT_TRANSLATE_NOOP("PrivateDataWindow", "Kx under :"),
    QT_TRANSLATE_NOOP("PrivateDataWindow", "Kx left :"),  QT_TRANSLATE_NOOP("PrivateDataWindow", "Kx right :"),
    QT_TRANSLATE_NOOP("PrivateDataWindow", "Ixx :"),      QT_TRANSLATE_NOOP("PrivateDataWindow", "Kxx :"),
    ""};
const char* const PropertyKeys[PrivatePropertyCount] = {"EditIx", "EditIy", "EditKxAbove", "EditKxUnder",
                                                        "EditKyLeft", "EditKyRight", "EditIxx", "EditKxx", "EditArea"};
} // namespace

// The material: three editable lists and the two stress fields.
QGridLayout* PrivateDataWindow::buildMaterialRow()
{
    auto* material = new QGridLayout;
    const auto comboBox = [&](const QStringList& items, int longest, const char* key) {
        auto* box = new QComboBox(this);
        box->setObjectName(QString::fromLatin1(key));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(items);
        box->setCurrentIndex(0);
        box->setMinimumContentsLength(longest);
        return box;
    };
    m_eBox = comboBox(eModulusItems(), 15, "ComboBoxE");
    m_densityBox = comboBox(densityItems(), 6, "ComboBoxDensity");
    m_poissonBox = comboBox(poissonItems(), 15, "ComboBoxPoisson");
    m_tensile = new QLineEdit(QStringLiteral("300"), this);
    m_tensile->setObjectName(QStringLiteral("EditTensile"));
    m_pressure = new QLineEdit(QStringLiteral("-300"), this);
    m_pressure->setObjectName(QStringLiteral("EditPressure"));
    m_pressure->installEventFilter(this);
    QWidget* inputs[5] = {m_eBox, m_densityBox, m_poissonBox, m_tensile, m_pressure};
    for (int i = 0; i < 5; ++i) {
        m_materialCaptions[std::size_t(i)] = new QLabel(this);
        material->addWidget(m_materialCaptions[std::size_t(i)], 0, i);
        material->addWidget(inputs[i], 1, i);
    }
    return material;
}

// The description and the colour private rows are written in.
QHBoxLayout* PrivateDataWindow::buildDescriptionRow()
{
    auto* description = new QHBoxLayout;
    m_colourCaption = new QLabel(this);
    m_colourCaption->setObjectName(QStringLiteral("LabelMaterial"));
    m_description = new QLineEdit(this);
    m_description->setObjectName(QStringLiteral("EditDescription"));
    m_description->setMaxLength(PrivateDescriptionMaxLength);
    m_privateColour = new QLabel(this);
    m_privateColour->setObjectName(QStringLiteral("LabelPrivateColour"));
    // The colour the grid writes private rows in.
    m_privateColour->setStyleSheet(QStringLiteral("QLabel { color: rgb(27, 15, 240); font-weight: bold; }"));
    description->addWidget(m_colourCaption);
    description->addWidget(m_description, 1);
    description->addWidget(m_privateColour);
    return description;
}

// The properties in four groups of two and the area.
QGridLayout* PrivateDataWindow::buildPropertyGroups()
{
    auto* groups = new QGridLayout;
    for (int g = 0; g < 5; ++g) {
        m_groups[std::size_t(g)] = new QGroupBox(this);
        m_groups[std::size_t(g)]->setObjectName(QStringLiteral("GroupBox%1").arg(g + 1));
        auto* inside = new QGridLayout(m_groups[std::size_t(g)]);
        const int first = 2 * g, last = g == 4 ? 8 : 2 * g + 1;
        for (int k = first; k <= last; ++k) {
            auto* label = new QLabel(QString::fromLatin1(PropertyLabels[k]), m_groups[std::size_t(g)]);
            auto* edit = new QLineEdit(m_groups[std::size_t(g)]);
            edit->setObjectName(QString::fromLatin1(PropertyKeys[k]));
            m_propertyLabels[std::size_t(k)] = label;
            m_properties[std::size_t(k)] = edit;
            inside->addWidget(label, k - first, 0);
            inside->addWidget(edit, k - first, 1);
        }
        groups->addWidget(m_groups[std::size_t(g)], g / 2, g % 2);
    }
    return groups;
}

// The preview and the To List, Units and Close buttons.
QVBoxLayout* PrivateDataWindow::buildSideColumn()
{
    auto* right = new QVBoxLayout;
    m_previewLabel = new QLabel(this);
    m_previewLabel->setObjectName(QStringLiteral("ImagePreview"));
    m_previewLabel->setFixedSize(SectionPictureSize);
    m_previewLabel->setFrameShape(QFrame::Box);
    right->addWidget(m_previewLabel);
    m_toList = new QPushButton(this);
    m_toList->setObjectName(QStringLiteral("ButtonToList"));
    m_unitsButton = new QPushButton(this);
    m_unitsButton->setObjectName(QStringLiteral("ButtonUnits"));
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("ButtonClose"));
    right->addWidget(m_toList);
    right->addWidget(m_unitsButton);
    right->addStretch();
    right->addWidget(m_close);
    return right;
}

void PrivateDataWindow::connectFields()
{
    for (QLineEdit* edit : m_properties)
        connect(edit, &QLineEdit::textChanged, this, [this, edit](const QString& text) {
            putBack(edit, filterPropertyText(text));
            fieldsChanged();
        });
    connect(m_description, &QLineEdit::textChanged, this, &PrivateDataWindow::fieldsChanged);
    connect(m_tensile, &QLineEdit::textChanged, this, [this](const QString& text) {
        putBack(m_tensile, filterTensile(text).text);
        fieldsChanged();
    });
    connect(m_pressure, &QLineEdit::textChanged, this, [this](const QString& text) {
        putBack(m_pressure, filterPressure(text).text);
        fieldsChanged();
    });
    connect(m_eBox, &QComboBox::editTextChanged, this, [this](const QString& text) {
        const FilterOutcome out = filterEModulus(typedAtMost(m_eBox, text, 15), itemsOf(m_eBox));
        putBack(m_eBox, out.text);
        for (int i = 0; i < out.beeps; ++i)
            QApplication::beep();
        if (out.refocus)
            m_eBox->setFocus();
    });
    connect(m_densityBox, &QComboBox::editTextChanged, this,
            [this](const QString& text) { putBack(m_densityBox, filterDensity(typedAtMost(m_densityBox, text, 6), itemsOf(m_densityBox)).text); });
    connect(m_poissonBox, &QComboBox::editTextChanged, this,
            [this](const QString& text) { putBack(m_poissonBox, filterPoisson(typedAtMost(m_poissonBox, text, 15), itemsOf(m_poissonBox)).text); });
    connect(m_toList, &QPushButton::clicked, this, &PrivateDataWindow::toList);
    connect(m_unitsButton, &QPushButton::clicked, this, &PrivateDataWindow::unitsRequested);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
}

PrivateDataWindow::PrivateDataWindow(const MessageTable& messages, Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window), m_prompter(prompter)
{
    setObjectName(QStringLiteral("PrivateDataWindow"));

    auto* outer = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addLayout(buildMaterialRow());
    left->addLayout(buildDescriptionRow());
    left->addLayout(buildPropertyGroups());
    m_filled = new QProgressBar(this);
    m_filled->setObjectName(QStringLiteral("ProgressBarFilled"));
    m_filled->setRange(0, PrivateTextFieldCount);
    m_filled->setFormat(QStringLiteral("%v / %m"));
    left->addWidget(m_filled);

    outer->addLayout(left, 1);
    outer->addLayout(buildSideColumn(), 0);
    enterPressesFocusedButton(this);
    connectFields();

    retranslate(messages);
    fieldsChanged();
}

void PrivateDataWindow::retranslate(const MessageTable& messages)
{
    m_messages = messages;
    setCaption();
    m_toList->setText(tr("To List"));
    m_unitsButton->setText(tr("Units for listing"));
    m_close->setText(tr("Close"));
    m_colourCaption->setText(tr(" Material :"));
    m_privateColour->setText(tr(" Private data color "));
    for (int k = 0; k < PrivatePropertyCount; ++k)
        m_propertyLabels[std::size_t(k)]->setText(tr(PropertyLabels[k]));
    updateCaptions();
}

void PrivateDataWindow::setCaption()
{
    setWindowTitle(m_correcting ? tr("Correction selected item...") : tr("Private data editing ...."));
}

void PrivateDataWindow::updateCaptions()
{
    const MessageTable& m = m_messages;
    const auto unit = [&](UnitGroup g) { return unitText(m_units, g); };
    const QString blank = QStringLiteral(" ");
    if (m_unitsApplied) {
        m_materialCaptions[0]->setText(m(Msg::EModulus) + blank + unit(UnitGroup::EModulus));
        m_materialCaptions[1]->setText(m(Msg::Density) + blank + unit(UnitGroup::Density));
        m_materialCaptions[3]->setText(m(Msg::MaxTensile) + blank + unit(UnitGroup::Stress));
        m_materialCaptions[4]->setText(m(Msg::MinPressure) + blank + unit(UnitGroup::Stress));
    } else {
        m_materialCaptions[0]->setText(tr("E modulus [KN/m2]:"));
        m_materialCaptions[1]->setText(tr("Density [Kg/m3]:"));
        m_materialCaptions[3]->setText(tr("Max.Tensil[N/mm2]:"));
        m_materialCaptions[4]->setText(tr("Min.Pressure[N/mm2]:"));
    }
    m_materialCaptions[2]->setText(m(Msg::Poisson) + QStringLiteral(" :"));
    const QString inertia = unit(UnitGroup::Inertia), modulus = unit(UnitGroup::Modulus);
    m_groups[0]->setTitle(tr(" Moment of inertia Ix, Iy %1").arg(inertia));
    m_groups[1]->setTitle(tr(" Moment of resist. Kx, Ky %1").arg(modulus));
    m_groups[2]->setTitle(tr(" Moment of resist. Kx, Ky %1").arg(modulus));
    m_groups[3]->setTitle(tr(" Torsion inertia Ixx %1, Kxx %2").arg(inertia, modulus));
    m_groups[4]->setTitle(tr(" Area %1").arg(unit(UnitGroup::Area)));
}

void PrivateDataWindow::setUnits(const UnitSettings& units, bool applied)
{
    m_units = units;
    m_unitsApplied = applied;
    updateCaptions();
    reset();
}

void PrivateDataWindow::reexpressMaterial(const UnitSettings& from, const UnitSettings& to)
{
    const auto factor = [&](UnitGroup g) { return unitFactor(g, from.choice(g), to.choice(g)); };
    const auto reexpress = [](QComboBox* box, long double f, ListNumberStyle style) {
        if (f == 1)
            return;
        QStringList items = itemsOf(box);
        for (QString& item : items)
            item = reexpressListText(item, f, style);
        setItems(box, items, reexpressListText(box->currentText(), f, style));
    };
    reexpress(m_eBox, factor(UnitGroup::EModulus), ListNumberStyle::Whole);
    reexpress(m_densityBox, factor(UnitGroup::Density), ListNumberStyle::Density);
    const long double stress = factor(UnitGroup::Stress);
    if (stress != 1) {
        putBack(m_tensile, reexpressStress(m_tensile->text(), stress, false));
        putBack(m_pressure, reexpressStress(m_pressure->text(), stress, true));
    }
}

void PrivateDataWindow::setMaterialLists(const QStringList& eItems, const QStringList& densityItems)
{
    setItems(m_eBox, eItems, eItems.value(0));
    setItems(m_densityBox, densityItems, densityItems.value(0));
}

void PrivateDataWindow::updateMaterialLists(const QStringList& eItems, const QStringList& densityItems,
                                            const QStringList& poissonItems)
{
    setItems(m_eBox, eItems, m_eBox->currentText());
    setItems(m_densityBox, densityItems, m_densityBox->currentText());
    setItems(m_poissonBox, poissonItems, m_poissonBox->currentText());
}

PrivateItemTexts PrivateDataWindow::texts() const
{
    PrivateItemTexts t;
    t.description = m_description->text();
    t.material.eModulus = m_eBox->currentText();
    t.material.density = m_densityBox->currentText();
    t.material.poisson = m_poissonBox->currentText();
    t.material.tensile = m_tensile->text();
    t.material.pressure = m_pressure->text();
    t.material.eItems = itemsOf(m_eBox);
    t.material.densityItems = itemsOf(m_densityBox);
    t.material.poissonItems = itemsOf(m_poissonBox);
    for (int k = 0; k < PrivatePropertyCount; ++k)
        t.properties[std::size_t(k)] = m_properties[std::size_t(k)]->text();
    return t;
}

void PrivateDataWindow::setTexts(const PrivateItemTexts& t)
{
    // Each field takes its text through its own filter, as typing would.
    m_description->setText(t.description.left(PrivateDescriptionMaxLength));
    m_eBox->setEditText(t.material.eModulus);
    m_densityBox->setEditText(t.material.density);
    m_poissonBox->setEditText(t.material.poisson);
    m_tensile->setText(t.material.tensile);
    m_pressure->setText(t.material.pressure);
    for (int k = 0; k < PrivatePropertyCount; ++k)
        m_properties[std::size_t(k)]->setText(t.properties[std::size_t(k)]);
    fieldsChanged();
}

void PrivateDataWindow::startCorrection(const PrivateItemTexts& texts, const QString& startValues)
{
    m_correcting = true;
    m_startValues = startValues;
    setCaption();
    setTexts(texts);
}

void PrivateDataWindow::endCorrection()
{
    m_correcting = false;
    m_startValues.clear();
    setCaption();
    reset();
}

bool PrivateDataWindow::showsCorrectionStart() const
{
    return m_correcting && currentValues() == m_startValues;
}

QString PrivateDataWindow::currentValues() const
{
    return texts().currentValues();
}

void PrivateDataWindow::reset()
{
    m_preview = privatePreview(texts().properties, m_units);
    m_previewLabel->setPixmap(QPixmap::fromImage(m_preview));
}

void PrivateDataWindow::fieldsChanged()
{
    const PrivateItemTexts t = texts();
    const int filled = t.filledFields();
    m_filled->setValue(filled);
    m_toList->setEnabled(filled == PrivateTextFieldCount);
    reset();
}

void PrivateDataWindow::focusField(MaterialField field)
{
    switch (field) {
    case MaterialField::EModulus: m_eBox->setFocus(); break;
    case MaterialField::Density: m_densityBox->setFocus(); break;
    case MaterialField::Poisson: m_poissonBox->setFocus(); break;
    case MaterialField::Tensile: m_tensile->setFocus(); break;
    case MaterialField::Pressure: m_pressure->setFocus(); break;
    case MaterialField::None: break;
    }
}

void PrivateDataWindow::toList()
{
    if (!texts().complete())
        return;
    const PlausibilityResult check = checkPlausibility(texts().properties, m_units, m_messages);
    if (!check.plausible && m_prompter.askYesNo(this, windowTitle(), check.report) != Answer::Yes)
        return;
    emit listRequested();
}

void PrivateDataWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    reset();
}

void PrivateDataWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

bool PrivateDataWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pressure && event->type() == QEvent::FocusOut && m_pressure->text() == QLatin1String("-")) {
        m_prompter.showWarning(this, windowTitle(), m_messages(Msg::WrongData));
        m_pressure->setFocus();
    }
    return QWidget::eventFilter(watched, event);
}
