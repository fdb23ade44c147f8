#pragma once

#include <QStringList>

class QComboBox;
class QLineEdit;

// Text helpers for the editable material fields the main window and the
// private data window share.

// The box's list items as they stand now (units re-express them).
QStringList itemsOf(const QComboBox* box);

// Puts a filtered text back into a field without a new change signal;
// `select` leaves the whole text selected (a stand-in for an emptied text,
// which the next keystroke replaces).
void putBack(QLineEdit* edit, const QString& text, bool select = false);
void putBack(QComboBox* box, const QString& text, bool select = false);
