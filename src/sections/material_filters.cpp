#include "sections/material_filters.h"

namespace {
// First character that is not a digit or is a second point; -1 if none.
int firstBadDecimal(const QString& text, int from)
{
    bool point = false;
    for (int i = from; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('.') && !point) {
            point = true;
            continue;
        }
        if (c.unicode() < '0' || c.unicode() > '9')
            return i;
    }
    return -1;
}

FilterOutcome filterDecimal(QString text, const QString& emptyText)
{
    FilterOutcome out;
    if (text.isEmpty()) {
        text = emptyText;
        out.standIn = true;
    }
    for (int bad = firstBadDecimal(text, 0); bad >= 0; bad = firstBadDecimal(text, 0)) {
        text.remove(bad, 1);
        if (text.isEmpty()) {
            text = emptyText;
            out.standIn = true;
        }
    }
    out.text = text;
    return out;
}
} // namespace

FilterOutcome filterEModulus(const QString& input, const QStringList& items)
{
    FilterOutcome out;
    out.text = input;
    if (items.contains(input))
        return out;
    QString text = input;
    for (;;) {
        int bad = -1;
        for (int i = 0; i < text.size() && bad < 0; ++i)
            if (text[i].unicode() < '0' || text[i].unicode() > '9')
                bad = i;
        if (bad < 0)
            break;
        text.remove(bad, 1);
        if (text.isEmpty()) {
            text = QStringLiteral("1");
            out.standIn = true;
        }
        ++out.beeps;
        out.refocus = true;
    }
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
    FilterOutcome out;
    QString text = input;
    for (;;) {
        if (text.isEmpty()) {
            text = QStringLiteral("-120");
            out.standIn = true;
        }
        if (!text.startsWith(QLatin1Char('-'))) {
            text.prepend(QLatin1Char('-'));
            continue;
        }
        const int bad = firstBadDecimal(text, 1);
        if (bad < 0)
            break;
        text.remove(bad, 1);
    }
    out.text = text;
    return out;
}
