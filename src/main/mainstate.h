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
    bool sectionsEnabled = false;
    bool skipJobNamePrompt = false;
    bool treeUpdateEnabled = true;
    int visibleListRows = 2;
    bool rowBlinkEnabled = false;
    // The grid row (1-based) the user selected last; a correction overwrites it.
    int selectedRow = 1;
    bool exitConfirmed = false;
    bool closeAllowed = false;
    SectionProperties properties;
    // The options the report and print windows share.
    ReportOptions reportOptions;
    // The current tab's dimension labels and the picture they are written on;
    // "To List" copies the picture.
    std::vector<DimensionLabel> labels;
    QImage overlay;
    int plateRecord = -1; // the selected plate's record in the profile table
};
