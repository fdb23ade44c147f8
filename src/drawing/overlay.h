#pragma once

#include "drawing/dimension_label_table.h"
#include "drawing/section_picture_size.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

class MessageTable;
class QFontMetrics;
class QPainter;

// A copy of the source turned about (cx, cy) by the angle (counter-clockwise
// on screen for a positive angle), sampled nearest-neighbour; pixels that map
// outside the source are white.
QImage rotatePicture(const QImage& source, int cx, int cy, long double angleRadians);

// The box a label whose unrotated centre is (x, y) takes after turning by
// the angle about (cx, cy); a null box for a label exactly at the centre.
QRect rotatedLabelBox(const QFontMetrics& metrics, int cx, int cy, long double angleDegrees, int x, int y,
                      const QString& text);

// Writes a label whose unrotated centre is (x, y) at its place after turning
// by the angle about (cx, cy); a label exactly at the centre is not drawn.
void drawRotatedLabel(QPainter& painter, int cx, int cy, long double angleDegrees, int x, int y,
                      const QString& text);

// The picture the features box shows: the section picture, turned when the
// angle is not 0 (with the axes and their names), the labels of the table and
// the edge and rotation captions. Its size is the frame's client size.
QImage redrawOverlay(const QImage& picture, int angle, const DimensionLabelTable& labels,
                     const MessageTable& messages, QSize frameSize = SectionPictureSize);

// Where redrawOverlay writes its captions on a frame of that size: the axis
// names when turned, the four edge captions and the rotation caption.
QList<QRect> overlayCaptionBoxes(const MessageTable& messages, int angle, QSize frameSize = SectionPictureSize);

// The 16-colour copy kept with a listed item.
QImage toSixteenColours(const QImage& image);

// The label font: Arial, 8 points, bold.
QFont labelFont();
