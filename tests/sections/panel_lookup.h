#pragma once

// A steel section turned by an angle, and finding what a tab's panel shows,
// by the line's height on the panel.
#include "sections/tab_result.h"

inline ComputeContext turnedBy(int angle)
{
    ComputeContext ctx;
    ctx.angle = angle;
    return ctx;
}

// The value on the line at y, "<none>" when no line is there.
inline QString valueAt(const TabResult& r, int y)
{
    for (const PanelLine& line : r.panel.lines())
        if (line.y == y)
            return line.value;
    return QStringLiteral("<none>");
}

// The label and value of the line at y.
inline QString lineAt(const TabResult& r, int y)
{
    for (const PanelLine& line : r.panel.lines())
        if (line.y == y)
            return line.label + line.value;
    return QStringLiteral("<none>");
}
