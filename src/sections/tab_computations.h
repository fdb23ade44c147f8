#pragma once

#include "base/section_kind.h"
#include "sections/tab_result.h"

#include <QStringList>
#include <optional>

// One place that knows which computation serves which tab, for the window
// and the command line alike.

// Whether this build computes the kind.
bool kindComputes(SectionKind kind);
// Number of dimension fields a custom section of the kind takes.
int customFieldCount(SectionKind kind);

class ProfileTable;

// A selection in the kind's tree (a catalogue row, a group row or the custom
// entry). The I, T, U and L tabs compute their custom entry from the field
// texts; the U also from the ticked arrangement (0 single, 1 "2xU []", 2 "2xU ][").
std::optional<TabResult> computeEntry(SectionKind kind, const QString& entry, const ComputeContext& ctx,
                                      const QStringList& fields = {}, int arrangement = 0,
                                      const ProfileTable* table = nullptr);
// Typed dimensions, after one field changed (changedField; the pipe's two
// fields check slightly differently).
std::optional<TabResult> computeCustom(SectionKind kind, const QStringList& fields, int changedField,
                                       const ComputeContext& ctx);
