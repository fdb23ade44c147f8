#include "sections/dimension_filter.h"

namespace {
// Position of the first offending character, or -1 for a clean text.
int errorPosition(const QString& text)
{
    int points = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('.')) {
            if (++points > 1)
                return i;
        } else if (!c.isDigit() || c.unicode() > 127) {
            return i;
        }
    }
    const int point = text.indexOf(QLatin1Char('.'));
    // Positions count from 1 as the field reports them: a point at position 5
    // or later means four digits before it.
    if (point >= 0 && point + 1 >= 5)
        return 3;
    if (point >= 0 && text.size() - point - 1 > 2)
        return text.size() - 1;
    if (point < 0 && text.size() > 3)
        return text.size() - 1;
    return -1;
}
} // namespace

QString filterDimensionText(const QString& input)
{
    QString text = input.left(DimensionFieldMaxLength);
    if (text.isEmpty())
        text = QStringLiteral("1");
    for (int pos = errorPosition(text); pos >= 0; pos = errorPosition(text)) {
        text.remove(pos, 1);
        if (text.isEmpty())
            text = QStringLiteral("1");
    }
    return text;
}

bool dimensionStandIn(const QString& input)
{
    QString text = input.left(DimensionFieldMaxLength);
    for (int pos = errorPosition(text); pos >= 0 && !text.isEmpty(); pos = errorPosition(text))
        text.remove(pos, 1);
    return text.isEmpty();
}
