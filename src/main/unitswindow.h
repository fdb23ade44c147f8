#pragma once

#include "sections/units.h"

#include <QDialog>

class QCheckBox;
class QTableWidget;
class MessageTable;

// "Units for listing": one row per quantity group, a column per unit. The
// choices take effect with OK; closing the window otherwise drops them.
class UnitsWindow : public QDialog {
    Q_OBJECT
public:
    UnitsWindow(const MessageTable& messages, QWidget* parent = nullptr);

    // Shows the applied units before the window opens.
    void setUnits(const UnitSettings& units);
    const UnitSettings& units() const { return m_units; }
    QTableWidget* grid() const { return m_grid; }
    QCheckBox* defaultBox() const { return m_default; }

    // Chooses the unit of a row (1..6) as a cell click does.
    void choose(int row, int column);
    // The row captions and the default box from the messages.
    void retranslate(const MessageTable& messages);

private:
    void repaintGrid();

    UnitSettings m_units;
    QTableWidget* m_grid = nullptr;
    QCheckBox* m_default = nullptr;
};
