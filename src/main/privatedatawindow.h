#pragma once

#include "prompter.h"
#include "itemlist/item_list.h"
#include "itemlist/private_item.h"
#include "settings/message_table.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

// "Private data editing ....": an item typed in rather than computed. The
// window filters its fields, counts the filled ones, draws the preview and
// runs the plausibility check; writing the row is the list owner's, told by
// listRequested(). The same window serves the correction of a listed item.
class PrivateDataWindow : public QWidget {
    Q_OBJECT
public:
    // Asks its questions through `prompter`, which outlives the window.
    PrivateDataWindow(const MessageTable& messages, Prompter& prompter, QWidget* parent = nullptr);

    void retranslate(const MessageTable& messages);
    // The units the typed numbers are in; once units were applied the material
    // captions read message + unit, as the main window's do.
    void setUnits(const UnitSettings& units, bool applied);
    const UnitSettings& units() const { return m_units; }
    // Re-expresses the E and density lists and texts and the stress fields
    // from the applied units to the new ones.
    void reexpressMaterial(const UnitSettings& from, const UnitSettings& to);
    // The material lists, the first item of each chosen.
    void setMaterialLists(const QStringList& eItems, const QStringList& densityItems);
    // The lists after a listing added typed texts to them; the texts stay.
    void updateMaterialLists(const QStringList& eItems, const QStringList& densityItems,
                             const QStringList& poissonItems);

    // What the fields hold, with the lists of the material boxes.
    PrivateItemTexts texts() const;
    void setTexts(const PrivateItemTexts& texts);
    QImage preview() const { return m_preview; }

    // "Correction selected item...": the fields from the listed row and the
    // caption of the correction.
    void startCorrection(const PrivateItemTexts& texts, const QString& startValues);
    // Back to "Private data editing ...."; the fields keep their texts.
    void endCorrection();
    bool correcting() const { return m_correcting; }
    // A correction still shows the values it started from.
    bool showsCorrectionStart() const;
    QString currentValues() const;
    // Recomputes the preview from the fields.
    void reset();
    // Focuses the field a refused listing points at.
    void focusField(MaterialField field);

    // Widgets by role, for the window tests.
    QLineEdit* propertyField(PrivateProperty property) const { return m_properties[std::size_t(property)]; }
    QLineEdit* descriptionField() const { return m_description; }
    QLineEdit* tensileField() const { return m_tensile; }
    QLineEdit* pressureField() const { return m_pressure; }
    QComboBox* eModulusBox() const { return m_eBox; }
    QComboBox* densityBox() const { return m_densityBox; }
    QComboBox* poissonBox() const { return m_poissonBox; }
    QProgressBar* filledBar() const { return m_filled; }
    QPushButton* toListButton() const { return m_toList; }
    QPushButton* unitsButton() const { return m_unitsButton; }
    QPushButton* closeButton() const { return m_close; }
    QLabel* previewLabel() const { return m_previewLabel; }
    QLabel* materialCaption(int index) const { return m_materialCaptions[std::size_t(index)]; }
    QGroupBox* group(int index) const { return m_groups[std::size_t(index)]; }
    QLabel* privateColourCaption() const { return m_privateColour; }

    // "To List": the plausibility check, the question for an implausible
    // item, then listRequested() unless the user said No.
    void toList();

signals:
    void listRequested();
    void unitsRequested();

protected:
    void showEvent(QShowEvent* event) override;
    // Escape closes the window, as it closes a dialog.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Prompter& m_prompter;
    QGridLayout* buildMaterialRow();
    QHBoxLayout* buildDescriptionRow();
    QGridLayout* buildPropertyGroups();
    QVBoxLayout* buildSideColumn();
    void connectFields();
    void fieldsChanged();
    void updateCaptions();
    void setCaption();

    MessageTable m_messages;
    UnitSettings m_units;
    bool m_unitsApplied = false;
    bool m_correcting = false;
    QString m_startValues;
    QImage m_preview;
    std::array<QLineEdit*, PrivatePropertyCount> m_properties{};
    std::array<QLabel*, PrivatePropertyCount> m_propertyLabels{};
    std::array<QLabel*, 5> m_materialCaptions{};
    std::array<QGroupBox*, 5> m_groups{};
    QLineEdit* m_description = nullptr;
    QLineEdit* m_tensile = nullptr;
    QLineEdit* m_pressure = nullptr;
    QComboBox* m_eBox = nullptr;
    QComboBox* m_densityBox = nullptr;
    QComboBox* m_poissonBox = nullptr;
    QProgressBar* m_filled = nullptr;
    QPushButton* m_toList = nullptr;
    QPushButton* m_unitsButton = nullptr;
    QPushButton* m_close = nullptr;
    QLabel* m_previewLabel = nullptr;
    QLabel* m_colourCaption = nullptr;
    QLabel* m_privateColour = nullptr;
};
