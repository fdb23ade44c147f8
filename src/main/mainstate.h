#pragma once

#include "itemlist/item_list.h"
#include "itemlist/requirement_limits.h"
#include "sections/section_properties.h"
#include "sections/tab_result.h"
#include "sections/units.h"

#include <QImage>
#include <QString>
#include <vector>

// The working state the windows share; the one SectionProperties record lives here.
struct MainState {
    bool SectionsEnabled = false;
    bool SkipJobNamePrompt = false;
    bool TreeUpdateEnabled = true;
    int NextListRow = 1;
    int VisibleListRows = 2;
    bool RowBlinkEnabled = false;
    // The grid row (1-based) the user selected last; a correction overwrites it.
    int SelectedRow = 1;
    // Set once "Units for listing" has re-expressed the list.
    bool UnitsApplied = false;
    bool ExitConfirmed = false;
    bool CloseAllowed = false;
    SectionProperties properties;
    UnitSettings units;
    QString jobName = QStringLiteral("Noname");
    QString jobFileName;
    ItemList itemList;
    RequirementLimits limits;
    // The current tab's dimension labels and the picture they are written on;
    // "To List" copies the picture.
    std::vector<DimensionLabel> labels;
    QImage overlay;
    int plateRecord = -1; // the selected plate's record in the profile table
};
