#pragma once

// The built-up section file (*.mvb): a small JSON document that keeps a
// composition so that it can be reopened and changed.
//
//   {"format": "morvane-builtup", "version": 1, "name": "Beam B3",
//    "parts": [{"kind": "i", "entry": "IPE 300x150", "x": 0, "y": 0, "angle": 0, "mirror": false},
//              {"kind": "rs", "dims": [200, 10], "x": 0, "y": -155}]}
//
// Kinds and dimensions are those `morvane-cli section` takes; "angle" (whole
// degrees 0..359) and "mirror" may be left out; "name" may be empty.

#include "builtup/builtup.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

inline constexpr int BuiltUpFileVersion = 1;
inline constexpr int BuiltUpNameMaxLength = 40;
// A composition of 20 parts takes a few kilobytes; anything much larger is
// not one of ours.
inline constexpr qsizetype BuiltUpFileMaxBytes = 256 * 1024;

struct BuiltUpReading {
    std::optional<BuiltUpComposition> composition;
    QString reason; // why the bytes are not a composition
};

// All or nothing: the whole file is checked (format, version, every part's
// kind, entry or dimensions, position, angle and mirror, and that an entry is
// a section of its kind's menu) before a composition is returned.
BuiltUpReading readBuiltUp(const QByteArray& bytes);
QByteArray writeBuiltUp(const BuiltUpComposition& composition);
// One part as the file writes it: kind, place, angle, mirror, and its entry
// or its dimensions as numbers.
QJsonObject builtUpPartJson(const BuiltUpPart& part);
