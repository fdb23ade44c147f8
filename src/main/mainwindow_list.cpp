// The main window: the item list and its commands (To List, delete, correction,
// private items, the list editor, requirement limits).
#include "mainwindow.h"

#include "builtupwindow.h"
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
#include "itemlist/list_table.h"
#include "itemlist/private_item.h"
#include "sections/material.h"
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
#include <QClipboard>
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

void MainWindow::rebuildGrid()
{
    m_grid->rebuild(m_state.selectedRow);
    const bool hasItems = !m_job.itemList().isEmpty();
    action(Command::DeleteItems)->setEnabled(hasItems);
    action(Command::Copy)->setEnabled(hasItems);
    action(Command::CorrectItem)->setEnabled(hasItems);
    action(Command::Print)->setEnabled(hasItems);
    action(Command::EditList)->setEnabled(hasItems);
    showTotals();
}

void MainWindow::showTotals()
{
    // The totals of the plate rows the list holds now; none, no totals.
    const ListTotals totals = showListTotals(m_job.itemList(), messages());
    m_status[1]->setText(totals.plateRows > 0 ? totals.weight : QString());
    m_status[2]->setText(totals.plateRows > 0 ? totals.outside : QString());
}

void MainWindow::userSelectedRow(int row)
{
    endCorrection();
    m_state.selectedRow = row;
}

void MainWindow::toList(SectionKind kind)
{
    SectionPage* p = page(kind);
    const MessageTable& m = messages();
    ItemList& list = m_job.itemList();
    const bool correcting = m_state.rowBlinkEnabled && !list.isEmpty();
    const int target = listTargetRow(list, correcting, m_state.selectedRow);

    if (kind == SectionKind::Plate) {
        // Plate rows are always appended.
        if (m_state.plateRecord < 0)
            return;
        const PlateRowOutcome out = listPlate(list, m_state.plateRecord, p->selectedEntry(), p->field(0)->text(),
                                              p->field(1)->text(), ProfileTable::builtIn(), m);
        for (const QString& message : out.messages)
            showMessage(message);
        if (!out.written) {
            showMessage(out.refusal);
            return;
        }
        const int r = list.nextListRow();
        list.put(r, out.row);
        m_job.listEdited();
        if (showListTotals(list, m).unreadable)
            showMessage(m(Msg::WrongData));
        m_state.selectedRow = r;
        m_grid->selectListRow(r);
        return;
    }

    recompute(kind);
    // Only a computation that stored values may be listed; otherwise the
    // row would carry the previous section's values.
    if (!p->toListButton()->isEnabled())
        return;
    SectionListing listing;
    listing.kind = kind;
    listing.fields = p->fieldTexts();
    listing.dataCaption = p->dataBox()->title();
    listing.angle = p->angle();
    listing.properties = m_state.properties;
    listing.overlay = m_state.overlay;
    listing.units = m_job.units();
    listing.material = m_materialBar->texts();

    putWrittenRow(target, listSection(target, listing, m), m_materialBar,
                  [this](const WriteOutcome& out) {
                      m_materialBar->addListItems(out.eItems, out.densityItems, out.poissonItems);
                  });
}

// A written row goes on the list after the form that wrote it has taken its
// material texts into its lists; a refused one leaves the list as it was (no
// half-written row), says why and puts the focus on the field at fault.
template <typename Form, typename KeepMaterials>
void MainWindow::putWrittenRow(int target, const WriteOutcome& out, Form* form, KeepMaterials keepMaterials)
{
    if (!out.written) {
        if (out.refusal.isEmpty())
            return;
        showMessage(out.refusal);
        form->focusField(out.focus);
        return;
    }
    for (const QString& message : out.messages)
        showMessage(message);
    keepMaterials(out);
    putListedRow(target, out.row);
}

// A written row goes on the list (appended or over the corrected row), and
// the grid shows it selected.
void MainWindow::putListedRow(int target, const ListRow& row)
{
    m_job.itemList().put(target, row);
    m_job.listEdited();
    m_state.selectedRow = target;
    m_grid->selectListRow(target);
}

void MainWindow::deleteSelectedItems()
{
    endCorrection();
    if (m_job.itemList().isEmpty() || !askYesNo(messages()(Msg::DeleteSelected)))
        return;
    const auto [first, last] = m_grid->selectedRange(m_state.selectedRow);
    m_job.itemList().removeRows(first, last);
    m_job.listEdited();
}

void MainWindow::copySelectedRows()
{
    if (m_job.itemList().isEmpty())
        return;
    const auto [first, last] = m_grid->selectedRange(m_state.selectedRow);
    QStringList captions;
    for (int c = 0; c < ListColumns; ++c)
        captions << m_grid->model()->headerData(c, Qt::Horizontal).toString();
    QGuiApplication::clipboard()->setText(tabSeparatedText(listTable(m_job.itemList(), first, last, captions)));
}

void MainWindow::correctSelectedItem()
{
    if (m_job.itemList().isEmpty())
        return;
    m_state.rowBlinkEnabled = true;
    m_grid->startBlinking();
    const int r = listTargetRow(m_job.itemList(), true, m_state.selectedRow);
    const ListRow& row = m_job.itemList().row(r);
    // A plate row has no properties to type over; the plate tab lists plates.
    if (row.isPlate)
        return;
    m_privateWindow->startCorrection(correctionTexts(row), correctionStartValues(row));
    showPrivateDataWindowOver(this);
}

void MainWindow::endCorrection()
{
    if (!m_grid->isBlinking() && !m_state.rowBlinkEnabled && !m_privateWindow->correcting())
        return;
    m_state.rowBlinkEnabled = false;
    m_grid->stopBlinking();
    m_privateWindow->endCorrection();
}

// ---------------------------------------------------------------------------
// Private data and the list editor

void MainWindow::showPrivateDataWindow()
{
    endCorrection();
    showPrivateDataWindowOver(this);
}

// The private data window belongs to the window that opens it: it stays above
// the main window, and above the list editor when the editor opens it, whose
// window modality would otherwise block it.
void MainWindow::showPrivateDataWindowOver(QWidget* owner)
{
    if (m_privateWindow->parentWidget() != owner) {
        const QPoint at = m_privateWindow->pos();
        m_privateWindow->setParent(owner, m_privateWindow->windowFlags());
        m_privateWindow->move(at);
    }
    m_privateWindow->show();
    m_privateWindow->raise();
    m_privateWindow->activateWindow();
}

void MainWindow::listPrivateItem()
{
    ItemList& list = m_job.itemList();
    const bool correcting = m_state.rowBlinkEnabled && !list.isEmpty();
    const int target = listTargetRow(list, correcting, m_state.selectedRow);
    // An unchanged correction keeps the row's origin mark.
    const QString kept =
        correcting && m_privateWindow->showsCorrectionStart() ? list.row(target).cells[1] : QString();
    const WriteOutcome out = writePrivateRow(target, m_privateWindow->texts(), m_job.units(),
                                             m_privateWindow->preview(), messages(), kept);
    putWrittenRow(target, out, m_privateWindow.get(), [this](const WriteOutcome& written) {
        m_privateWindow->updateMaterialLists(written.eItems, written.densityItems, written.poissonItems);
    });
    if (out.written)
        rebuildListEditor();
}

void MainWindow::editList()
{
    endCorrection();
    if (m_job.itemList().isEmpty())
        return;
    std::array<int, ListColumns> widths{};
    for (int c = 0; c < ListColumns; ++c)
        widths[std::size_t(c)] = c == 1 ? 0 : m_grid->columnWidth(c);
    m_listEditor->setColumnWidths(widths);
    m_listEditor->setHeaderCaptions(headerCaptions(m_job.units(), messages(), m_job.unitsApplied()));
    m_listEditor->setList(m_job.itemList());
    m_listEditor->exec();
}

void MainWindow::rebuildListEditor()
{
    if (!m_listEditor->isVisible())
        return;
    m_listEditor->setHeaderCaptions(headerCaptions(m_job.units(), messages(), m_job.unitsApplied()));
    m_listEditor->setList(m_job.itemList());
}

void MainWindow::applyEditorOrder(const QList<int>& order)
{
    std::vector<int> rows(order.begin(), order.end());
    bool unchanged = true;
    for (std::size_t i = 0; i < rows.size(); ++i)
        unchanged = unchanged && rows[i] == int(i) + 1;
    if (unchanged || !applyItemOrder(m_job.itemList(), rows))
        return;
    // The selected item, and with it a pending correction, moves along.
    const auto at = std::find(rows.begin(), rows.end(), m_state.selectedRow);
    if (at != rows.end())
        m_state.selectedRow = int(at - rows.begin()) + 1;
    m_job.listEdited();
    m_grid->selectListRow(m_state.selectedRow);
}

void MainWindow::deleteEditorItems(const QList<int>& rows)
{
    endCorrection();
    removeItems(m_job.itemList(), std::vector<int>(rows.begin(), rows.end()));
    m_state.selectedRow = std::clamp(m_state.selectedRow, 1, std::max(1, m_job.itemList().count()));
    m_job.listEdited();
    m_listEditor->setHeaderCaptions(headerCaptions(m_job.units(), messages(), m_job.unitsApplied()));
    m_listEditor->setList(m_job.itemList());
}

void MainWindow::correctEditorItem(int row)
{
    if (row < 1 || row > m_job.itemList().count())
        return;
    endCorrection();
    m_state.selectedRow = row;
    m_grid->selectListRow(row);
    correctSelectedItem();
}

// ---------------------------------------------------------------------------
// Units and requirements

void MainWindow::showUnitsWindow()
{
    m_unitsWindow->setUnits(m_job.units());
    if (m_unitsWindow->exec() == QDialog::Accepted)
        applyUnits(m_unitsWindow->units());
}

void MainWindow::showRequirementWindow()
{
    m_requirementWindow->refresh();
    m_requirementWindow->show();
    m_requirementWindow->raise();
}

// ---------------------------------------------------------------------------
// Built-up sections

void MainWindow::showBuiltUpWindow()
{
    if (!m_builtUpWindow) {
        m_builtUpWindow = new BuiltUpWindow(messages(), m_prompter, this);
        connect(m_builtUpWindow, &BuiltUpWindow::listRequested, this, &MainWindow::listBuiltUpSection);
        // The weight follows the density box.
        connect(m_materialBar->densityBox(), &QComboBox::currentTextChanged, m_builtUpWindow, [this](const QString& text) {
            m_builtUpWindow->setDensity(double(readDensity(text, m_job.units()).value));
        });
    }
    m_builtUpWindow->setUnits(m_job.units());
    m_builtUpWindow->setDensity(double(readDensity(m_materialBar->densityBox()->currentText(), m_job.units()).value));
    m_builtUpWindow->show();
    m_builtUpWindow->raise();
    m_builtUpWindow->activateWindow();
}

void MainWindow::listBuiltUpSection(const PrivateItemTexts& computed, const QImage& picture)
{
    // A built-up section is always a new row; a pending correction ends.
    endCorrection();
    PrivateItemTexts texts = computed;
    texts.material = m_materialBar->texts();
    const int target = listTargetRow(m_job.itemList(), false, m_state.selectedRow);
    const WriteOutcome out = writePrivateRow(target, texts, m_job.units(), picture, messages());
    putWrittenRow(target, out, m_materialBar, [this](const WriteOutcome& written) {
        m_materialBar->addListItems(written.eItems, written.densityItems, written.poissonItems);
    });
    if (out.written)
        rebuildListEditor();
}
