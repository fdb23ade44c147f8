#pragma once

#include "itemlist/requirement_limits.h"

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTimer;
class MessageTable;

// "Requirement": minimum and maximum limits of seven properties. Not modal,
// always on top; once a second it checks whether the limits changed and, if
// so, has the main window recompute its section.
class RequirementWindow : public QDialog {
    Q_OBJECT
public:
    RequirementWindow(RequirementLimits& limits, const MessageTable& messages, QWidget* parent = nullptr);

    std::function<void()> recompute;

    // Recomputes when the limits' signature changed since the last check.
    void recheck();
    // Forgets the last signature, so that the next check recomputes.
    void forget() { m_signature.clear(); }
    // Shows the limits again after they were re-expressed or loaded.
    void refresh();
    // The check-box captions with the unit texts of their groups.
    void setUnits(const UnitSettings& units);
    // The column headings and the colour explanations from the messages.
    void retranslate(const MessageTable& messages);

    QCheckBox* box(int row) const { return m_boxes[std::size_t(row)]; }
    QLineEdit* minField(int row) const { return m_min[std::size_t(row)]; }
    QLineEdit* maxField(int row) const { return m_max[std::size_t(row)]; }

signals:
    // The user typed a limit or ticked a row.
    void limitsEdited();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fieldChanged(int row);
    // The check box caption of a row in the language shown.
    static QString boxCaption(int row, const UnitSettings& units);
    UnitSettings m_units;

    RequirementLimits& m_limits;
    const MessageTable& m_messages;
    QString m_signature;
    QTimer* m_timer = nullptr;
    std::array<QCheckBox*, RequirementLimits::Rows> m_boxes{};
    std::array<QLineEdit*, RequirementLimits::Rows> m_min{};
    std::array<QLineEdit*, RequirementLimits::Rows> m_max{};
    // Min. value, Max. value, below, between, above.
    std::array<QLabel*, 5> m_captions{};
};
