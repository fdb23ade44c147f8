#include "drawing/overlay.h"

#include "settings/message_table.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
// Nearest whole number, halves to the even neighbour.
int nearest(long double v)
{
    return int(std::nearbyint(v));
}

const QColor Navy(0, 0, 128);
const QColor Silver(192, 192, 192);
} // namespace

QFont labelFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    font.setBold(true);
    return font;
}

QImage rotatePicture(const QImage& source, int cx, int cy, long double angleRadians)
{
    const QImage src = source.convertToFormat(QImage::Format_RGB32);
    QImage out(src.size(), QImage::Format_RGB888);
    const long double s = std::sin(angleRadians);
    const long double c = std::cos(angleRadians);
    const int w = src.width();
    const int h = src.height();
    for (int y = h - 1; y >= 0; --y) {
        uchar* line = out.scanLine(y);
        for (int x = w - 1; x >= 0; --x) {
            const long double dx = x - cx;
            const long double dy = y - cy;
            const int xs = nearest(dx * c - dy * s) + cx;
            const int ys = nearest(dx * s + dy * c) + cy;
            QRgb pixel = qRgb(255, 255, 255);
            if (xs >= 0 && xs < w && ys >= 0 && ys < h)
                pixel = src.pixel(xs, ys);
            line[3 * x] = uchar(qRed(pixel));
            line[3 * x + 1] = uchar(qGreen(pixel));
            line[3 * x + 2] = uchar(qBlue(pixel));
        }
    }
    return out;
}

QRect rotatedLabelBox(const QFontMetrics& metrics, int cx, int cy, long double angleDegrees, int x, int y,
                      const QString& text)
{
    const long double dx = x - cx;
    const long double t = cy - y;
    const long double d = std::sqrt(dx * dx + t * t);
    if (d == 0)
        return {};
    const long double toDegrees = 180.0L / std::numbers::pi_v<long double>;
    long double alpha = std::fabs(std::asin(t / d)) * toDegrees;
    // The direction of the label from the centre, counter-clockwise from +x;
    // each test looks at the unchanged dx and t.
    if (dx > 0 && t >= 0) {
    }
    if (dx <= 0 && t > 0)
        alpha = 180 - alpha;
    if (dx < 0 && t <= 0)
        alpha = alpha + 180;
    if (dx >= 0 && t < 0)
        alpha = 360 - alpha;
    const long double beta = (angleDegrees + alpha) / toDegrees;
    const int w = metrics.horizontalAdvance(text);
    const int h = metrics.height();
    const int left = cx + nearest(d * std::cos(beta)) - nearest(w / 2.0L);
    const int top = cy - nearest(d * std::sin(beta)) - nearest(h / 2.0L);
    return {left, top, w, h};
}

void drawRotatedLabel(QPainter& painter, int cx, int cy, long double angleDegrees, int x, int y, const QString& text)
{
    const QRect box = rotatedLabelBox(QFontMetrics(painter.font()), cx, cy, angleDegrees, x, y, text);
    if (box.isNull())
        return;
    painter.fillRect(box, painter.background());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
}

namespace {
struct Caption {
    QPoint topLeft;
    QString text;
};

// The axis names (when turned), then the four edge captions and the
// rotation caption, each with its top-left corner.
QList<Caption> captions(const MessageTable& messages, int angle, QSize frameSize)
{
    const int W = frameSize.width();
    const int H = frameSize.height();
    QList<Caption> list;
    if (angle != 0) {
        list.append({{20, nearest(H / 2.0L) - 15}, QStringLiteral("X")});
        list.append({{W - 20, nearest(H / 2.0L) - 15}, QStringLiteral("X")});
        list.append({{nearest(W / 2.0L) - 15, 5}, QStringLiteral("Y")});
        list.append({{nearest(W / 2.0L) - 15, H - 17}, QStringLiteral("Y")});
    }
    list.append({{6, 5}, messages(Msg::Above)});
    list.append({{6, H - 17}, messages(Msg::Under)});
    list.append({{6, 82}, messages(Msg::Left)});
    // "RIGHT" at 35 pixels from the right edge, or further left when longer.
    const QFontMetrics metrics(labelFont());
    list.append({{std::max(0, std::min(W - 35, W - 1 - metrics.horizontalAdvance(messages(Msg::Right)))), 82}, messages(Msg::Right)});
    // The rotation caption 75 pixels from the right edge, or further left
    // when longer (three-digit angles, longer languages).
    const QString rotation = messages(Msg::Rotate) + QString::number(angle) + messages(Msg::DegreeSuffix);
    const int rotationWidth = metrics.horizontalAdvance(rotation);
    list.append({{std::max(0, std::min(W - 75, W - 1 - rotationWidth)), nearest(H * 0.91L)}, rotation});
    return list;
}

QRect captionBox(const QFontMetrics& metrics, const Caption& c)
{
    return {c.topLeft, QSize(metrics.horizontalAdvance(c.text), metrics.height())};
}
} // namespace

QList<QRect> overlayCaptionBoxes(const MessageTable& messages, int angle, QSize frameSize)
{
    const QFontMetrics metrics(labelFont());
    QList<QRect> boxes;
    for (const Caption& c : captions(messages, angle, frameSize))
        boxes.append(captionBox(metrics, c));
    return boxes;
}

QImage redrawOverlay(const QImage& picture, int angle, const DimensionLabelTable& labels,
                     const MessageTable& messages, QSize frameSize)
{
    QImage overlay(frameSize, QImage::Format_RGB32);
    overlay.fill(Qt::white);
    const int cx = picture.width() / 2;
    const int cy = picture.height() / 2;
    QPainter p(&overlay);
    if (angle != 0)
        p.drawImage(0, 0, rotatePicture(picture, cx, cy, angle * std::numbers::pi_v<long double> / 180.0L));
    else
        p.drawImage(0, 0, picture);

    const int W = overlay.width();
    const int H = overlay.height();
    p.setPen(QPen(Navy, 2));
    if (angle != 0) {
        p.drawLine(15, nearest(H / 2.0L), W - 15, nearest(H / 2.0L));
        p.drawLine(nearest(W / 2.0L), 15, nearest(W / 2.0L), H - 15);
    }
    p.setFont(labelFont());
    p.setBackground(Silver);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setPen(Navy);
    const int count = labels.count();
    if (count > 0 && !labels.entry(1).x.isEmpty()) {
        for (int k = 1; k <= count; ++k) {
            const auto& e = labels.entry(k);
            bool okX = false, okY = false;
            const int x = e.x.toInt(&okX);
            const int y = e.y.toInt(&okY);
            if (okX && okY)
                drawRotatedLabel(p, cx, cy, angle, x, y, e.text);
        }
    }
    const QFontMetrics metrics(p.font());
    for (const Caption& c : captions(messages, angle, frameSize)) {
        const QRect box = captionBox(metrics, c);
        p.fillRect(box, p.background());
        p.drawText(box, Qt::AlignLeft | Qt::AlignTop, c.text);
    }
    return overlay;
}

QImage toSixteenColours(const QImage& image)
{
    // The sixteen colours of the classic palette: the pictures use white,
    // navy, silver and a few line colours, which all map exactly.
    static const QList<QRgb> palette{
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
        qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    return image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither);
}
