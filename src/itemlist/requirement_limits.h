#pragma once

#include "sections/results_panel.h"

#include <QString>
#include <array>

// Minimum and maximum requirements of seven properties, in the units chosen
// for listing. A row takes effect when its pair is valid and it is ticked.
class RequirementLimits {
public:
    static constexpr int Rows = 7;

    struct Row {
        bool ticked = false;
        QString min;
        QString max;
    };

    // The rows' keys in their fixed order: area, ix, iy, kxab, kxund, ics, kcs.
    static QString key(int row, const class MessageTable& messages);
    // A row's check-box caption with the unit text of its group
    // ("Ix /Moment of inertia / [m4] :").
    static QString caption(int row, const class UnitSettings& units);

    const Row& row(int i) const { return m_rows[std::size_t(i)]; }
    void setTicked(int i, bool ticked) { m_rows[std::size_t(i)].ticked = ticked; }
    // Sets a limit text after the field's filter (digits, one point).
    void setMin(int i, const QString& text) { m_rows[std::size_t(i)].min = filterLimitText(text); }
    void setMax(int i, const QString& text) { m_rows[std::size_t(i)].max = filterLimitText(text); }

    // Re-expresses the limits of every row after a change of units.
    void reexpress(const class UnitSettings& from, const class UnitSettings& to);
    // The unit group of a row's property.
    static int unitGroupOf(int row);

    // A pair enables its row's check box: both read, both >= 0, min < max.
    bool enabled(int i) const;

    // Red below the minimum, green from the minimum to the maximum, yellow
    // above; neutral for a key without an enabled, ticked row.
    PanelColour requirementColour(const QString& key, long double value, const MessageTable& messages) const;
    ColourQuery query(const MessageTable& messages) const;

    // Ticked, enabled, min and max of every row, in order.
    QString signature() const;

    // Digits and at most one decimal point; offending characters are removed
    // one at a time ("1.2.3" leaves "1.23").
    static QString filterLimitText(const QString& text);

    // "min:max,min:max,..." (seven pairs, an empty pair for a row that is
    // off); rows with a pair are ticked. Returns false with the reason.
    bool parse(const QString& text, QString& error);

private:
    std::array<Row, Rows> m_rows;
};
