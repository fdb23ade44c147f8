#pragma once

#include <QString>
#include <QStringList>

// The character filters of the material bar. Each runs to its fixed point
// (one offending character is removed per pass, as the field would do on
// every change) and says what the field does besides setting the text.
struct FilterOutcome {
    QString text;
    int beeps = 0;          // the E modulus box beeps once per removed character
    bool refocus = false;   // the box takes the focus back
    bool typedClean = false; // a typed (non-item) text passed clean: the requirement colours recheck
    // The text was emptied and the stand-in ("1", "0.3", "120", "-120") put
    // in its place: the field leaves it selected, so that the next keystroke
    // replaces it instead of being appended to it.
    bool standIn = false;
};

FilterOutcome filterEModulus(const QString& text, const QStringList& items);
FilterOutcome filterDensity(const QString& text, const QStringList& items);
FilterOutcome filterPoisson(const QString& text, const QStringList& items);
FilterOutcome filterTensile(const QString& text);
FilterOutcome filterPressure(const QString& text);
