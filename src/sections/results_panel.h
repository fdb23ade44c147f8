#pragma once

#include "sections/section_properties.h"
#include "sections/units.h"

#include <QString>
#include <functional>
#include <vector>

class MessageTable;

// Colours of panel texts. Neutral is the system's dark-shadow colour, Grey is
// RGB(128, 128, 128), the rest are the requirement colours.
enum class PanelColour { Neutral, Grey, Red, Green, Yellow };

QString panelColourName(PanelColour colour); // "neutral", "grey", "red", ...

// Colour of a property line, from its key ("area", "ix", ...) and the value
// as displayed; an empty query colours everything neutral.
using ColourQuery = std::function<PanelColour(const QString& key, long double displayedValue)>;

// One text written on the panel, its top-left corner in panel pixels.
struct PanelText {
    int x = 0;
    int y = 0;
    QString text;
    PanelColour colour = PanelColour::Neutral;
};

// A label at the left with its value at x 150, as users read one panel line.
struct PanelLine {
    int y = 0;
    QString label;
    QString value;
    PanelColour colour = PanelColour::Neutral;
};

// Line tops of the panel.
namespace PanelRow {
inline constexpr int Title = 5;
inline constexpr int Weight = 22;
inline constexpr int Area = 35;
inline constexpr int Ix = 48;
inline constexpr int Iy = 61;
inline constexpr int KxAbove = 74;
inline constexpr int KxUnder = 87;
inline constexpr int Ixx = 100;
inline constexpr int Kxx = 113;
inline constexpr int Extra = 126; // centroid line below Kxx
inline constexpr int LabelX = 5;
inline constexpr int ValueX = 150;
} // namespace PanelRow

// What a computation writes on the results panel, in writing order.
class ResultsPanel {
public:
    // Clearing starts in the neutral colour.
    void clear();
    ResultsPanel() { m_texts.reserve(20); }
    void write(int x, int y, const QString& text);
    // A property line: requirement colour for its label and value, grey after it.
    void writeProperty(int y, const QString& label, const QString& key, long double storedValue,
                       UnitGroup group, const UnitSettings& units, const ColourQuery& colour);

    const std::vector<PanelText>& texts() const { return m_texts; }
    std::vector<PanelLine> lines() const;
    bool isEmpty() const { return m_texts.empty(); }
    PanelColour currentColour() const { return m_colour; }

private:
    std::vector<PanelText> m_texts;
    PanelColour m_colour = PanelColour::Neutral;
};

// The inputs every computation shares besides its own dimensions.
struct ComputeContext {
    const MessageTable* messages = nullptr; // null: English
    QString densityText = QStringLiteral("Steel : 7850");
    UnitSettings units;
    ColourQuery colour;
    int angle = 0; // RotationAngle of the tab's picture, degrees

    const MessageTable& msg() const;
    // The angle the formulas use: the RotationAngle reduced to 0..359
    // degrees, whatever a caller stored, so that no formula can overflow it.
    int rotationAngle() const { return (angle % 360 + 360) % 360; }
};

// Writes title, weight line and the seven property lines in the order
// weight, area, Ix, Iy, Ixx, Kx above, Kx under, Kxx.
void writeStandardResults(ResultsPanel& panel, const QString& title, const QString& weightText,
                          const SectionProperties& p, const ComputeContext& ctx);
