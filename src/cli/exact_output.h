#pragma once

#include "cli_common.h"

#include <QJsonObject>

// The exact properties of the section the options name, for `section --exact`:
// a JSON object and the text lines, in the panel's base units (mm2, cm4, cm3,
// cm, cm6, degrees, mm), or the reason there are none. A value the section does
// not have (Kt at sharp inner corners) is null in JSON and "not defined" in
// the text, and the "notes" say why.
struct ExactReport {
    QJsonObject json;
    QStringList lines;
    QString error;
};
ExactReport exactReport(const Options& options, SectionKind kind, const ComputeContext& ctx,
                        const SectionProperties& panel);
