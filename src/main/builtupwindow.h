#pragma once

#include "prompter.h"
#include "builtup/builtup.h"
#include "itemlist/private_item.h"
#include "sections/units.h"
#include "settings/message_table.h"

#include <QDialog>
#include <QImage>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QVBoxLayout;

// "Built-up section ....": a section composed of up to 20 parts (catalogue
// entries, typed sections, plates), each placed, turned and mirrored. Every
// change recomputes the section on a worker thread (a newer change cancels
// the older computation); the window shows the last values it has meanwhile.
class BuiltUpWindow : public QDialog {
    Q_OBJECT
public:
    // Asks its questions through `prompter`, which outlives the window.
    BuiltUpWindow(const MessageTable& messages, Prompter& prompter, QWidget* parent = nullptr);
    ~BuiltUpWindow() override;

    // The window's fixed texts in the language of the program's translator;
    // the messages are the plausibility check's.
    void retranslate(const MessageTable& messages);

    // The listing units and the density (kg/m3) the values are shown in.
    void setUnits(const UnitSettings& units);
    void setDensity(double density);

    void setComposition(const BuiltUpComposition& composition);
    const BuiltUpComposition& composition() const { return m_composition; }
    // The result shown (values, or the reason there are none).
    const std::optional<BuiltUpResult>& shownResult() const { return m_shown; }
    bool isComputing() const { return bool(m_running); }

    // Moves the selected part by (dx, dy) mm; "Snap" moves it along the side
    // chosen until it touches another part.
    void nudge(double dx, double dy);
    void snapTowards(double dx, double dy);
    int selectedPart() const;
    void selectPart(int index);

    QListWidget* partsList() const { return m_parts; }
    QTableWidget* valuesTable() const { return m_values; }
    QLabel* statusLabel() const { return m_status; }
    QLabel* pictureLabel() const { return m_picture; }
    QPushButton* toListButton() const { return m_toList; }
    QLineEdit* nameField() const { return m_name; }
    // The shown text of a named value ("A", "It"), empty when none.
    QString valueText(const QString& name) const;

    // Save and Open of *.mvb files through the file dialogs.
    void saveComposition();
    void openComposition();

signals:
    // The values or the reason for the latest composition are shown.
    void resultShown();
    // "To List", after the plausibility check: the private data window's
    // texts (material left to the main window) and the row's picture.
    void listRequested(const PrivateItemTexts& texts, const QImage& picture);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Prompter& m_prompter;
    static QString fileFilter();
    struct Job;
    void buildForm();
    QVBoxLayout* buildPartList();
    QFormLayout* buildPartFields();
    QVBoxLayout* buildResultColumn();
    void addPart();
    void duplicatePart();
    void removePart();
    void movePart(int step);
    void partSelected();
    void partEdited();
    void kindChosen();
    void fillEntries(SectionKind kind);
    void showPart(int index);
    void refreshPartsList();
    void changed();
    void finished(const std::shared_ptr<Job>& job, BuiltUpResult result);
    void showResult();
    void showPicture();
    void snap();
    void toList();
    // A reason the computation gives (morvane-cli writes them in English), in
    // the language shown.
    static QString reasonText(const QString& reason);

    MessageTable m_messages;
    UnitSettings m_units;
    double m_density = 7850;
    BuiltUpComposition m_composition;
    std::optional<BuiltUpResult> m_shown;
    std::shared_ptr<Job> m_running;
    QThreadPool m_pool;
    bool m_filling = false; // the part fields are being filled from the composition

    QListWidget* m_parts = nullptr;
    QComboBox* m_kind = nullptr;
    QComboBox* m_entry = nullptr;
    QLineEdit* m_dims = nullptr;
    QDoubleSpinBox* m_x = nullptr;
    QDoubleSpinBox* m_y = nullptr;
    QSpinBox* m_angle = nullptr;
    QCheckBox* m_mirror = nullptr;
    QComboBox* m_snapSide = nullptr;
    QFormLayout* m_form = nullptr;
    QLabel* m_partsLabel = nullptr;
    // Each button with its English text.
    std::vector<std::pair<QPushButton*, const char*>> m_buttons;
    QLineEdit* m_name = nullptr;
    QLabel* m_picture = nullptr;
    QTableWidget* m_values = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_toList = nullptr;
};
