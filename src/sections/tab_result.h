#pragma once

#include "sections/results_panel.h"
#include "sections/section_properties.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// A dimension value laid over the section picture, centred on (x, y).
struct DimensionLabel {
    int x = 0;
    int y = 0;
    QString text;
};

// Everything one computation pass of a tab decides; the window renders it.
struct TabResult {
    ResultsPanel panel;
    std::vector<DimensionLabel> labels;    // the labels in force after the pass
    std::optional<QString> dataCaption;    // data box caption, when the pass sets it
    bool toListEnabled = false;
    std::optional<SectionProperties> properties; // set when the pass computed a section
    QStringList messages;                  // message boxes, in order
    // Dimension field texts, when the pass sets them; a null text leaves that
    // field as it is.
    std::optional<QStringList> fieldTexts;
    std::optional<bool> fieldsEnabled;
    QString title;          // title line, also the listing name where a tab uses it
    int pictureVariant = 0; // the U tab's arrangement: 0 single, 1 closed box, 2 back to back
    long double weight = 0; // kg/m as the weight line shows it (0 when the density was refused)
};
