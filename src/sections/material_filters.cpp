#include "sections/material_filters.h"

QString keepDecimal(QStringView text)
{
    QString kept;
    kept.reserve(text.size());
    bool point = false;
    for (QChar c : text) {
        if (c == QLatin1Char('.') && !point) {
            point = true;
            kept += c;
        } else if (c.unicode() >= '0' && c.unicode() <= '9') {
            kept += c;
        }
    }
    return kept;
}

namespace {
FilterOutcome filterDecimal(const QString& text, const QString& emptyText)
{
    FilterOutcome out;
    out.text = keepDecimal(text);
    if (out.text.isEmpty()) {
        // The stand-in text stays selected, so the next key replaces it.
        out.text = emptyText;
        out.standIn = true;
    }
    return out;
}
} // namespace

FilterOutcome filterEModulus(const QString& input, const QStringList& items)
{
    FilterOutcome out;
    out.text = input;
    if (items.contains(input))
        return out;
    QString text;
    text.reserve(input.size());
    for (QChar c : input) {
        if (c.unicode() >= '0' && c.unicode() <= '9')
            text += c;
        else
            ++out.beeps; // one beep per removed character
    }
    out.refocus = out.beeps > 0;
    if (text.isEmpty()) {
        text = QStringLiteral("1");
        out.refocus = true;
        out.standIn = true;
    }
    out.text = text;
    out.typedClean = true;
    return out;
}

FilterOutcome filterDensity(const QString& text, const QStringList& items)
{
    if (items.contains(text))
        return FilterOutcome{text, 0, false, false};
    FilterOutcome out = filterDecimal(text, QStringLiteral("1"));
    out.typedClean = true;
    return out;
}

FilterOutcome filterPoisson(const QString& text, const QStringList& items)
{
    if (items.contains(text))
        return FilterOutcome{text, 0, false, false};
    return filterDecimal(text, QStringLiteral("0.3"));
}

FilterOutcome filterTensile(const QString& text)
{
    return filterDecimal(text, QStringLiteral("120"));
}

FilterOutcome filterPressure(const QString& input)
{
    // The field puts a minus in front of whatever it holds and keeps digits
    // and one point after it.
    FilterOutcome out;
    if (input.isEmpty()) {
        out.text = QStringLiteral("-120");
        out.standIn = true;
        return out;
    }
    const QStringView rest = input.startsWith(QLatin1Char('-')) ? QStringView(input).mid(1) : QStringView(input);
    out.text = QLatin1Char('-') + keepDecimal(rest);
    return out;
}
