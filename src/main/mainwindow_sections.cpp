// The main window: what each tab's tree, fields and rotation start, and how a
// computation pass is shown.
#include "mainwindow.h"

#include "exactpropertieswindow.h"
#include "helpwindow.h"
#include "itemgrid.h"
#include "languageswitch.h"
#include "materialbar.h"
#include "printpreviewwindow.h"
#include "reportwindow.h"
#include "progresswindow.h"
#include "listeditorwindow.h"
#include "privatedatawindow.h"
#include "requirementwindow.h"
#include "resultspanelview.h"
#include "sectionpage.h"
#include "settingswindow.h"
#include "startpanel.h"
#include "translationwindow.h"
#include "unitswindow.h"

#include "itemlist/list_commands.h"
#include "itemlist/list_section.h"
#include "itemlist/list_sort.h"
#include "itemlist/private_item.h"
#include "itemlist/units_apply.h"

#include "base/number_format.h"
#include "catalogue/profile_catalogue.h"
#include "drawing/overlay.h"
#include "drawing/section_pictures.h"
#include "output/print_page.h"
#include "sections/profiles.h"
#include "sections/tab_computations.h"
#include "settings/desktop_shell.h"
#include "settings/message_table.h"
#include "settings/settings_store.h"
#include "settings/temporary_folder.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// Tabs whose field changes rerun the tree change (which reads the fields).
bool fieldsDriveTree(SectionKind kind)
{
    return kind == SectionKind::I || kind == SectionKind::T || kind == SectionKind::U || kind == SectionKind::L;
}

// Trees whose key-down holds the computation off until the key-up.
bool holdsOffKeys(SectionKind kind)
{
    return kind != SectionKind::CircHollow && kind != SectionKind::CircSolid && kind != SectionKind::Plate;
}

} // namespace

void MainWindow::treeChanged(SectionKind kind)
{
    if (m_state.sectionsEnabled && kind == SectionKind::Plate) {
        plateChanged();
        return;
    }
    if (!m_state.sectionsEnabled || !kindComputes(kind))
        return;
    if (holdsOffKeys(kind) && !m_state.treeUpdateEnabled)
        return;
    SectionPage* p = page(kind);
    p->setCustomAllowed(false);
    const QString entry = p->selectedEntry();
    const auto result = computeEntry(kind, entry, context(kind), p->fieldTexts(), p->arrangementChoice());
    p->setCustomAllowed(entry == messages()(Msg::CustomSection));
    if (result)
        apply(kind, *result);
}

void MainWindow::fieldChanged(SectionKind kind, int index)
{
    if (kind == SectionKind::Plate) {
        redrawPlate();
        return;
    }
    if (!kindComputes(kind))
        return;
    if (fieldsDriveTree(kind)) {
        // The I, T, U and L tabs check the fields and rerun their tree change.
        if (page(kind)->selectedEntry() == messages()(Msg::CustomSection))
            treeChanged(kind);
        return;
    }
    if (page(kind)->customAllowed())
        runCustom(kind, index);
}

void MainWindow::runCustom(SectionKind kind, int changedField)
{
    if (const auto result = computeCustom(kind, page(kind)->fieldTexts(), changedField, context(kind)))
        apply(kind, *result);
}

void MainWindow::apply(SectionKind kind, const TabResult& result)
{
    page(kind)->render(result);
    m_state.labels = result.labels;
    if (result.properties)
        m_state.properties = *result.properties;
    redrawOverlay();
    forwardToExactWindow(kind, result.properties);
    for (const QString& message : result.messages)
        showMessage(message);
}

void MainWindow::forwardToExactWindow(SectionKind kind, const std::optional<SectionProperties>& panel)
{
    if (kind != currentKind())
        return;
    const SectionPage* p = page(kind);
    ExactRequest request;
    request.kind = kind;
    request.entry = p->selectedEntry();
    request.fields = p->fieldTexts();
    request.arrangement = std::max(0, p->arrangementChoice());
    request.angle = p->angle();
    m_exactWindow->setSection(request, panel);
}

void MainWindow::showExactPropertiesWindow()
{
    m_exactWindow->show();
    m_exactWindow->raise();
    m_exactWindow->activateWindow();
}

void MainWindow::redrawOverlay()
{
    const SectionKind kind = currentKind();
    if (kind == SectionKind::Plate)
        return; // the plate picture is written on directly, never turned
    SectionPage* p = page(kind);
    DimensionLabelTable table;
    table.setLabels(m_state.labels);
    m_state.overlay = ::redrawOverlay(
        sectionPicture(pictureFor(kind, static_cast<UArrangement>(p->pictureVariant()))), p->angle(), table, messages());
    p->setPicture(m_state.overlay);
}

void MainWindow::rotateSection()
{
    const SectionKind kind = currentKind();
    if (!isRotatable(kind))
        return;
    // A cancelled dialog answers its default, so it turns the section back to 0.
    const QString answer = askText(messages()(Msg::RotateCaption), messages()(Msg::RotatePrompt), QStringLiteral("0"));
    const auto value = readInteger(answer);
    if (!value || *value < 0 || *value > 359) {
        showMessage(messages()(Msg::WrongData));
        return;
    }
    page(kind)->setAngle(int(*value));
    m_materialBar->showRotation(true, int(*value));
    redrawOverlay();
    if (kindComputes(kind))
        recompute(kind);
}

// ---------------------------------------------------------------------------
// The item list
