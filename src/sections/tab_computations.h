#pragma once

#include "sections/section_kind.h"
#include "sections/tab_result.h"

#include <QStringList>
#include <optional>

// One place that knows which computation serves which tab, for the window
// and the command line alike.

// Whether this build computes the kind.
bool kindComputes(SectionKind kind);
// Number of dimension fields a custom section of the kind takes.
int customFieldCount(SectionKind kind);

// A selection in the kind's tree (a catalogue row, a group row or the custom entry).
std::optional<TabResult> computeEntry(SectionKind kind, const QString& entry, const ComputeContext& ctx);
// Typed dimensions, after one field changed (changedField; the pipe's two
// fields check slightly differently).
std::optional<TabResult> computeCustom(SectionKind kind, const QStringList& fields, int changedField,
                                       const ComputeContext& ctx);
