#include "output/print_fields.h"

#include "settings/message_table.h"

#include <algorithm>

namespace {
QString digitsOnly(const QString& text)
{
    QString digits;
    for (QChar ch : text)
        if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
            digits += ch;
    return digits;
}

// A digit text held between low and high; long texts are high.
int clampedValue(const QString& digits, int low, int high)
{
    bool ok = false;
    const long long value = digits.toLongLong(&ok);
    if (!ok)
        return high;
    return int(std::clamp<long long>(value, low, std::max(low, high)));
}
} // namespace

QString filterPageField(const QString& text, int pageCount)
{
    const QString digits = digitsOnly(text).left(PageFieldLength);
    if (digits.isEmpty())
        return QStringLiteral("1");
    return QString::number(clampedValue(digits, 1, pageCount));
}

QString filterMarginField(const QString& text)
{
    QString kept;
    int point = -1;
    for (QChar ch : text) {
        if (kept.size() >= 10)
            break;
        if (ch == QLatin1Char('.')) {
            if (point >= 0 || kept.size() >= 4)
                continue;
            point = int(kept.size());
            kept += ch;
        } else if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) {
            if (point >= 0 ? kept.size() - point > 2 : kept.size() >= 3)
                continue;
            kept += ch;
        }
    }
    return kept.isEmpty() ? QStringLiteral("1") : kept;
}

std::optional<QString> checkMargin(MarginSide side, const PrintMargins& margins, const PrintMargins& minimum,
                                   double areaWidthMm, double areaHeightMm, const MessageTable& m)
{
    double value = 0, least = 0;
    int caption = 0;
    switch (side) {
    case MarginSide::Left: value = margins.left; least = minimum.left; caption = 178; break;
    case MarginSide::Right: value = margins.right; least = minimum.right; caption = 179; break;
    case MarginSide::Top: value = margins.top; least = minimum.top; caption = 180; break;
    case MarginSide::Bottom: value = margins.bottom; least = minimum.bottom; caption = 181; break;
    }
    if (value < least)
        return QStringLiteral("Min. ") + m(caption) + QStringLiteral(" /mm/ : ") + marginText(least);
    const bool horizontal = side == MarginSide::Left || side == MarginSide::Right;
    if (horizontal && margins.left + margins.right > areaWidthMm)
        return QStringLiteral("Max. ") + m(Msg::LeftMargin) + QLatin1Char('+') + m(Msg::RightMargin) + QLatin1Char('=')
               + marginText(areaWidthMm) + QStringLiteral(" /mm/ !!!");
    if (!horizontal && margins.top + margins.bottom > areaHeightMm)
        return QStringLiteral("Max. ") + m(Msg::TopMargin) + QLatin1Char('+') + m(Msg::BottomMargin) + QLatin1Char('=')
               + marginText(areaHeightMm) + QStringLiteral(" /mm/ !!!");
    return std::nullopt;
}

RangeField filterRangeField(const QString& text, int pageCount)
{
    const QString digits = digitsOnly(text);
    if (digits.isEmpty())
        return {QStringLiteral("1"), true};
    return {QString::number(clampedValue(digits, 1, pageCount)), false};
}

QString filterCopiesField(const QString& text)
{
    const QString digits = digitsOnly(text);
    if (digits.isEmpty())
        return QStringLiteral("1");
    bool ok = false;
    const long long copies = digits.toLongLong(&ok);
    // A copies count beyond reason is a typing slip, not a print order.
    return QString::number(ok ? std::clamp<long long>(copies, 1, 999) : 999);
}
