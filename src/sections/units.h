#pragma once

#include <QString>
#include <array>
#include <optional>

// The unit groups of "Units for listing", in the window's row order.
enum class UnitGroup { EModulus = 0, Density = 1, Area = 2, Inertia = 3, Modulus = 4, Stress = 5 };

inline constexpr int UnitGroupCount = 6;

// Seven choices of 1..3; the seventh belongs to no row and only travels in
// the digit string.
class UnitSettings {
public:
    static constexpr const char* DefaultDigits = "1122233";

    UnitSettings();
    static std::optional<UnitSettings> fromDigits(const QString& digits);

    QString digits() const;
    int choice(UnitGroup group) const { return m_choices[static_cast<int>(group)]; }
    void setChoice(UnitGroup group, int column);
    int seventh() const { return m_choices[6]; }
    bool isDefault() const { return digits() == QLatin1String(DefaultDigits); }

    bool operator==(const UnitSettings&) const = default;

private:
    std::array<int, 7> m_choices;
};

// Displayed value = stored value / divisor, for a group and column 1..3.
long double unitDivisor(UnitGroup group, int column);
long double unitDivisor(const UnitSettings& units, UnitGroup group);

// "[cm2]" and so on.
QString unitText(UnitGroup group, int column);
QString unitText(const UnitSettings& units, UnitGroup group);

// Factor that re-expresses a number from one column of a group to another.
long double unitFactor(UnitGroup group, int fromColumn, int toColumn);
