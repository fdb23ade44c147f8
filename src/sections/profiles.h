#pragma once

#include "sections/tab_result.h"

#include <QStringList>

class ProfileTable;

// Dimension field texts of the I, T and U tabs: " A length", " B length",
// " V1 thickness", " V2 thickness".
struct FourFields {
    QString a, b, v1, v2;
};

// I tab: "HR I80x42", "IPE 80x46", "IPB;HE-B 100x100", "I PBI;(HE-A) 100 96x100",
// a group heading, or the custom entry computed from the fields.
TabResult iBeamEntry(const QString& entry, const FourFields& fields, const ComputeContext& ctx,
                     const ProfileTable& table);
// Custom I: invalid when tw >= B, H <= 2 tf, tw <= 0 or tf <= 0.
bool iBeamCustomValid(const FourFields& fields);

// T tab.
TabResult teeEntry(const QString& entry, const FourFields& fields, const ComputeContext& ctx,
                   const ProfileTable& table);
bool teeCustomValid(const FourFields& fields);

// U tab: single channels, closed boxes "2xU []" and back-to-back pairs "2xU ][".
enum class ChannelArrangement { Single, Box, Pair };
struct ChannelResult {
    TabResult tab;
    ChannelArrangement arrangement = ChannelArrangement::Single; // the picture to show
};
ChannelResult channelEntry(const QString& entry, const FourFields& fields, ChannelArrangement ticked,
                           const ComputeContext& ctx, const ProfileTable& table);
bool channelCustomValid(const FourFields& fields);
// "HR 2xU [] U50x38" looks up "HR U50x38".
QString channelLookupName(const QString& entry);

// L tab: fields " A length" (leg Q, level), " B length" (leg P, upright), " V thickness".
struct AngleFields {
    QString a, b, t;
};
TabResult angleEntry(const QString& entry, const AngleFields& fields, const ComputeContext& ctx,
                     const ProfileTable& table);
// The thickness check of the L fields: the message to show for a thickness
// that does not read (the text itself), and whether the angle is valid.
struct AngleCheck {
    bool valid = true;
    QString message;
};
AngleCheck angleCustomCheck(const AngleFields& fields);

// Plate tab: the selected plate's weight per square metre.
struct PlateResult {
    TabResult tab;
    int record = -1; // name line of the plate in the profile table, -1 if none
    QString weightText;
};
PlateResult plateEntry(const QString& entry, const ComputeContext& ctx, const ProfileTable& table);
