#include "itemlist/requirement_limits.h"

#include "base/number_format.h"
#include "sections/material_filters.h"
#include "sections/units.h"
#include "settings/message_table.h"

#include <QStringList>

QString RequirementLimits::key(int row, const MessageTable& m)
{
    static constexpr int Keys[Rows] = {2, 3, 4, 6, 7, 5, 8};
    return m(Keys[row]);
}

QString RequirementLimits::caption(int row, const UnitSettings& units)
{
    static const char* const Captions[Rows] = {
        "A /Area/ %1",
        "Ix /Moment of inertia / %1 :",
        "Iy /Moment of inertia / %1 :",
        "Kx above /Mom. of resist. / %1 :",
        "Kx under /Mom. of resist. / %1 :",
        "Ixx /Torsion inertia / %1 :",
        "Kxx /Torsion resistance / %1 :"};
    return QString::fromLatin1(Captions[row]).arg(unitText(units, UnitGroup(unitGroupOf(row))));
}

QString RequirementLimits::filterLimitText(const QString& text)
{
    return keepDecimal(text);
}

bool RequirementLimits::enabled(int i) const
{
    const auto min = readNumber(m_rows[std::size_t(i)].min);
    const auto max = readNumber(m_rows[std::size_t(i)].max);
    return min && max && *min >= 0 && *max >= 0 && *min < *max;
}

PanelColour RequirementLimits::requirementColour(const QString& key, long double value, const MessageTable& m) const
{
    for (int i = 0; i < Rows; ++i) {
        if (RequirementLimits::key(i, m) != key)
            continue;
        if (!enabled(i) || !m_rows[std::size_t(i)].ticked)
            return PanelColour::Neutral;
        const long double min = *readNumber(m_rows[std::size_t(i)].min);
        const long double max = *readNumber(m_rows[std::size_t(i)].max);
        if (min > value)
            return PanelColour::Red;
        return max >= value ? PanelColour::Green : PanelColour::Yellow;
    }
    return PanelColour::Neutral;
}

ColourQuery RequirementLimits::query(const MessageTable& m) const
{
    return [limits = *this, &m](const QString& key, long double value) {
        return limits.requirementColour(key, value, m);
    };
}

QString RequirementLimits::signature() const
{
    QString s;
    for (int i = 0; i < Rows; ++i) {
        const Row& r = m_rows[std::size_t(i)];
        s += (r.ticked ? QLatin1Char('1') : QLatin1Char('0'));
        s += (enabled(i) ? QLatin1Char('1') : QLatin1Char('0'));
        s += r.min + QLatin1Char('|') + r.max + QLatin1Char('|');
    }
    return s;
}

bool RequirementLimits::parse(const QString& text, QString& error)
{
    const QStringList pairs = text.split(QLatin1Char(','));
    if (pairs.size() != Rows) {
        error = QStringLiteral("seven min:max pairs are needed, in the order A, Ix, Iy, Kx above, Kx under, Ixx, Kxx");
        return false;
    }
    for (int i = 0; i < Rows; ++i) {
        const QString pair = pairs[i].trimmed();
        Row row;
        if (!pair.isEmpty()) {
            const QStringList parts = pair.split(QLatin1Char(':'));
            if (parts.size() != 2 || filterLimitText(parts[0]) != parts[0] || filterLimitText(parts[1]) != parts[1]) {
                error = QStringLiteral("pair %1 '%2' is not min:max with plain numbers").arg(i + 1).arg(pair);
                return false;
            }
            row = {true, parts[0], parts[1]};
        }
        m_rows[std::size_t(i)] = row;
        if (!pair.isEmpty() && !enabled(i)) {
            error = QStringLiteral("pair %1 '%2' needs 0 <= min < max").arg(i + 1).arg(pair);
            return false;
        }
    }
    return true;
}

int RequirementLimits::unitGroupOf(int row)
{
    static constexpr UnitGroup Groups[Rows] = {UnitGroup::Area,    UnitGroup::Inertia, UnitGroup::Inertia,
                                               UnitGroup::Modulus, UnitGroup::Modulus, UnitGroup::Inertia,
                                               UnitGroup::Modulus};
    return static_cast<int>(Groups[row]);
}

void RequirementLimits::reexpress(const UnitSettings& from, const UnitSettings& to)
{
    for (int i = 0; i < Rows; ++i) {
        const auto group = static_cast<UnitGroup>(unitGroupOf(i));
        const long double factor = unitFactor(group, from.choice(group), to.choice(group));
        Row& r = m_rows[std::size_t(i)];
        for (QString* text : {&r.min, &r.max}) {
            // Plain digits with a point, as the limit fields take them, and
            // every significant digit, so that a pair keeps its order and a
            // way back through the units gives the typed number again.
            if (auto v = readNumber(*text))
                *text = formatSignificant(*v * factor);
        }
    }
}
