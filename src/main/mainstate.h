#pragma once

#include "itemlist/item_list.h"
#include "output/report_options.h"
#include "sections/section_properties.h"
#include "sections/tab_result.h"

#include <QImage>
#include <QString>
#include <vector>

// The main window's own working state: flags, the one SectionProperties
// record and the current picture. The job itself is a JobState.
struct MainState {
    bool SectionsEnabled = false;
    bool SkipJobNamePrompt = false;
    bool TreeUpdateEnabled = true;
    int VisibleListRows = 2;
    bool RowBlinkEnabled = false;
    // The grid row (1-based) the user selected last; a correction overwrites it.
    int SelectedRow = 1;
    bool ExitConfirmed = false;
    bool CloseAllowed = false;
    SectionProperties properties;
    // The options the report and print windows share.
    ReportOptions reportOptions;
    // The current tab's dimension labels and the picture they are written on;
    // "To List" copies the picture.
    std::vector<DimensionLabel> labels;
    QImage overlay;
    int plateRecord = -1; // the selected plate's record in the profile table
};
