#include "drawing/private_preview.h"

#include "base/number_format.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

QString distanceText(long double millimetres)
{
    return formatFixed(millimetres, 2) + QStringLiteral(" mm");
}

QImage drawPrivatePreview(const PreviewDistances& d, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    font.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int line = metrics.height();
    const int w = size.width(), h = size.height();

    // The sketch keeps its own proportions between the four texts; it shows
    // where each distance is measured, not the section's true shape.
    const QRect box(w / 2 - w / 6, line + 6, 2 * (w / 6), h - 2 * line - 12);
    painter.setPen(QPen(QColor(0, 0, 128), 2));
    painter.setBrush(QColor(192, 192, 192));
    painter.drawRect(box);
    const QPoint centre = box.center();
    painter.setPen(QPen(QColor(255, 0, 0), 1, Qt::DashDotLine));
    painter.drawLine(box.left() - 8, centre.y(), box.right() + 8, centre.y());
    painter.drawLine(centre.x(), box.top() - 4, centre.x(), box.bottom() + 4);

    painter.setPen(QColor(0, 0, 128));
    const auto write = [&](const std::optional<long double>& value, const QRect& area, int flags) {
        if (value)
            painter.drawText(area, flags, distanceText(*value));
    };
    write(d.above, QRect(0, 2, w, line), Qt::AlignHCenter | Qt::AlignTop);
    write(d.under, QRect(0, h - line - 2, w, line), Qt::AlignHCenter | Qt::AlignBottom);
    write(d.left, QRect(2, centre.y() - line - 2, box.left() - 4, line), Qt::AlignLeft | Qt::AlignBottom);
    write(d.right, QRect(box.right() + 4, centre.y() - line - 2, w - box.right() - 6, line),
          Qt::AlignRight | Qt::AlignBottom);
    return image;
}
