#include "fittedfont.h"

#include <QFontInfo>
#include <QFontMetrics>

QFont fittedFont(const QFont& base, const QStringList& lines, int width, int minPixels)
{
    QFont font = base;
    if (font.pixelSize() < 0)
        font.setPixelSize(QFontInfo(base).pixelSize());
    const auto fits = [&] {
        const QFontMetrics metrics(font);
        for (const QString& line : lines)
            if (metrics.horizontalAdvance(line) > width)
                return false;
        return true;
    };
    while (font.pixelSize() > minPixels && !fits())
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}
