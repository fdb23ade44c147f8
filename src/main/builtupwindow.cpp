#include "builtupwindow.h"

#include "base/number_format.h"
#include "base/save_file.h"
#include "builtup/builtup_file.h"
#include "builtup/builtup_listing.h"
#include "catalogue/profile_catalogue.h"
#include "itemlist/plausibility.h"
#include "itemlist/job_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaObject>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

struct BuiltUpWindow::Job {
    BuiltUpComposition composition;
    std::atomic<bool> cancel{false};
};

namespace {

// The kinds a part can be, in the tabs' order; the plate tab's plates have no
// section, so a plate is a rectangular solid.
struct KindChoice {
    SectionKind kind;
    const char* label;
};
constexpr KindChoice KindChoices[] = {
    {SectionKind::RectSolid, QT_TRANSLATE_NOOP("BuiltUpWindow", "Plate / rectangular solid")},
    {SectionKind::I, QT_TRANSLATE_NOOP("BuiltUpWindow", "I section")},
    {SectionKind::U, QT_TRANSLATE_NOOP("BuiltUpWindow", "U section")},
    {SectionKind::L, QT_TRANSLATE_NOOP("BuiltUpWindow", "L section")},
    {SectionKind::T, QT_TRANSLATE_NOOP("BuiltUpWindow", "T section")},
    {SectionKind::RectHollow, QT_TRANSLATE_NOOP("BuiltUpWindow", "Rectangular hollow")},
    {SectionKind::CircHollow, QT_TRANSLATE_NOOP("BuiltUpWindow", "Circular hollow")},
    {SectionKind::CircSolid, QT_TRANSLATE_NOOP("BuiltUpWindow", "Circular solid")},
    {SectionKind::FlatBar, QT_TRANSLATE_NOOP("BuiltUpWindow", "Flat bar")},
};

const char* const SnapSides[] = {QT_TRANSLATE_NOOP("BuiltUpWindow", "Left"), QT_TRANSLATE_NOOP("BuiltUpWindow", "Right"),
                                 QT_TRANSLATE_NOOP("BuiltUpWindow", "Up"), QT_TRANSLATE_NOOP("BuiltUpWindow", "Down")};
// The form's rows by the field they label.
const char* const FormLabels[] = {QT_TRANSLATE_NOOP("BuiltUpWindow", "Kind :"),
                                  QT_TRANSLATE_NOOP("BuiltUpWindow", "Entry :"),
                                  QT_TRANSLATE_NOOP("BuiltUpWindow", "Dimensions :"),
                                  QT_TRANSLATE_NOOP("BuiltUpWindow", "x of centroid :"),
                                  QT_TRANSLATE_NOOP("BuiltUpWindow", "y of centroid :"),
                                  QT_TRANSLATE_NOOP("BuiltUpWindow", "Angle :"),
                                  nullptr,
                                  QT_TRANSLATE_NOOP("BuiltUpWindow", "Move until it touches :"),
                                  QT_TRANSLATE_NOOP("BuiltUpWindow", "Name :")};
constexpr double SnapDirections[][2] = {{-1, 0}, {1, 0}, {0, 1}, {0, -1}};
constexpr QSize PictureSize(360, 300);

QString dimsText(const QStringList& dims)
{
    return dims.join(QStringLiteral(", "));
}

QStringList dimsFromText(const QString& text)
{
    QStringList dims;
    for (const QString& d : text.split(QRegularExpression(QStringLiteral("[,x ]+")), Qt::SkipEmptyParts))
        dims << d;
    return dims;
}

} // namespace

BuiltUpWindow::BuiltUpWindow(const MessageTable& messages, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_messages(messages)
{
    setObjectName(QStringLiteral("BuiltUpWindow"));
    setModal(false);
    m_pool.setMaxThreadCount(1);
    buildForm();
    m_composition.parts.push_back({SectionKind::I, QStringLiteral("IPE 300x150"), {}, 0, 0, 0, false});
    retranslate(messages);
    selectPart(0);
    changed();
}

void BuiltUpWindow::retranslate(const MessageTable& messages)
{
    m_messages = messages;
    setWindowTitle(tr("Built-up section ...."));
    m_partsLabel->setText(tr("Parts (arrow keys move the part, Shift 10 mm):"));
    for (const auto& [button, text] : m_buttons)
        button->setText(tr(text));
    for (int k = 0; k < m_kind->count(); ++k)
        m_kind->setItemText(k, tr(KindChoices[k].label));
    for (int k = 0; k < m_snapSide->count(); ++k)
        m_snapSide->setItemText(k, tr(SnapSides[k]));
    for (int row = 0; row < m_form->rowCount(); ++row)
        if (QLayoutItem* item = m_form->itemAt(row, QFormLayout::LabelRole); item && FormLabels[row])
            static_cast<QLabel*>(item->widget())->setText(tr(FormLabels[row]));
    if (m_entry->count() > 0)
        m_entry->setItemText(0, tr("Typed dimensions"));
    m_dims->setPlaceholderText(tr("dimensions in mm, as the tab's fields: 200, 10"));
    m_angle->setSuffix(tr(" deg."));
    m_mirror->setText(tr("mirrored about its vertical axis"));
    m_values->setHorizontalHeaderLabels({tr("Property"), tr("Value"), tr("Unit")});
    refreshPartsList();
    if (m_running)
        m_status->setText(tr("Computing\u2026"));
    else
        showResult();
}

BuiltUpWindow::~BuiltUpWindow()
{
    // The worker posts its result to this window: let it end first.
    if (m_running)
        m_running->cancel = true;
    m_pool.clear();
    m_pool.waitForDone();
}

// The list of parts with its Add, Duplicate, Remove, Up and Down buttons.
QVBoxLayout* BuiltUpWindow::buildPartList()
{
    auto* left = new QVBoxLayout;
    m_parts = new QListWidget(this);
    m_parts->setObjectName(QStringLiteral("BuiltUpParts"));
    m_parts->installEventFilter(this);
    m_partsLabel = new QLabel(this);
    left->addWidget(m_partsLabel);
    left->addWidget(m_parts, 1);
    auto* partButtons = new QHBoxLayout;
    const std::pair<const char*, void (BuiltUpWindow::*)()> buttons[] = {
        {QT_TR_NOOP("Add"), &BuiltUpWindow::addPart},
        {QT_TR_NOOP("Duplicate"), &BuiltUpWindow::duplicatePart},
        {QT_TR_NOOP("Remove"), &BuiltUpWindow::removePart}};
    for (const auto& [text, slot] : buttons) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("BuiltUp") + QString::fromLatin1(text));
        connect(b, &QPushButton::clicked, this, slot);
        partButtons->addWidget(b);
        m_buttons.emplace_back(b, text);
    }
    for (const auto& [text, step] : {std::pair{QT_TR_NOOP("Up"), -1}, std::pair{QT_TR_NOOP("Down"), 1}}) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("BuiltUpMove") + QString::fromLatin1(text));
        connect(b, &QPushButton::clicked, this, [this, s = step] { movePart(s); });
        partButtons->addWidget(b);
        m_buttons.emplace_back(b, text);
    }
    left->addLayout(partButtons);
    return left;

}

// The chosen part's fields: kind, entry, dimensions, place, angle, mirror, snap and the name.
QFormLayout* BuiltUpWindow::buildPartFields()
{
    auto* form = m_form = new QFormLayout;
    m_kind = new QComboBox(this);
    m_kind->setSizeAdjustPolicy(QComboBox::AdjustToContents); // its texts follow the language
    for (const KindChoice& k : KindChoices)
        m_kind->addItem(QString::fromLatin1(k.label), int(k.kind));
    m_entry = new QComboBox(this);
    m_entry->setObjectName(QStringLiteral("BuiltUpEntry"));
    m_dims = new QLineEdit(this);
    m_dims->setObjectName(QStringLiteral("BuiltUpDims"));
    m_x = new QDoubleSpinBox(this);
    m_y = new QDoubleSpinBox(this);
    for (QDoubleSpinBox* s : {m_x, m_y}) {
        s->setRange(-10000, 10000);
        s->setDecimals(2);
        s->setSuffix(QStringLiteral(" mm"));
    }
    m_angle = new QSpinBox(this);
    m_angle->setRange(0, 359);
    m_angle->setWrapping(true);
    m_mirror = new QCheckBox(this);
    // The labels' texts are set with the language, row by row from FormLabels.
    for (QWidget* field : std::initializer_list<QWidget*>{m_kind, m_entry, m_dims, m_x, m_y, m_angle})
        form->addRow(QStringLiteral("-"), field);
    form->addRow(QString(), m_mirror);
    auto* snapRow = new QHBoxLayout;
    m_snapSide = new QComboBox(this);
    m_snapSide->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const char* side : SnapSides)
        m_snapSide->addItem(QString::fromLatin1(side));
    auto* snapButton = new QPushButton(this);
    snapButton->setObjectName(QStringLiteral("BuiltUpSnap"));
    m_buttons.emplace_back(snapButton, QT_TR_NOOP("Snap"));
    snapRow->addWidget(m_snapSide);
    snapRow->addWidget(snapButton);
    form->addRow(QStringLiteral("-"), snapRow);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("BuiltUpName"));
    m_name->setMaxLength(BuiltUpNameMaxLength);
    form->addRow(QStringLiteral("-"), m_name);

    connect(m_parts, &QListWidget::currentRowChanged, this, &BuiltUpWindow::partSelected);
    connect(m_kind, &QComboBox::currentIndexChanged, this, &BuiltUpWindow::kindChosen);
    connect(m_entry, &QComboBox::currentIndexChanged, this, &BuiltUpWindow::partEdited);
    connect(m_dims, &QLineEdit::textEdited, this, &BuiltUpWindow::partEdited);
    connect(m_x, &QDoubleSpinBox::valueChanged, this, &BuiltUpWindow::partEdited);
    connect(m_y, &QDoubleSpinBox::valueChanged, this, &BuiltUpWindow::partEdited);
    connect(m_angle, &QSpinBox::valueChanged, this, &BuiltUpWindow::partEdited);
    connect(m_mirror, &QCheckBox::toggled, this, &BuiltUpWindow::partEdited);
    connect(snapButton, &QPushButton::clicked, this, &BuiltUpWindow::snap);
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_composition.name = text;
        m_name->setPlaceholderText(compositionName({QString(), m_composition.parts}));
    });
    return form;
}

// The picture, the values, the status line and the file buttons.
QVBoxLayout* BuiltUpWindow::buildResultColumn()
{
    auto* right = new QVBoxLayout;
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("BuiltUpPicture"));
    m_picture->setFixedSize(PictureSize);
    m_picture->setFocusPolicy(Qt::StrongFocus);
    m_picture->installEventFilter(this);
    right->addWidget(m_picture);
    m_values = new QTableWidget(0, 3, this);
    m_values->setObjectName(QStringLiteral("BuiltUpValues"));
    m_values->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_values->setSelectionMode(QAbstractItemView::NoSelection);
    m_values->verticalHeader()->hide();
    m_values->horizontalHeader()->setStretchLastSection(true);
    m_values->verticalHeader()->setDefaultSectionSize(m_values->fontMetrics().height() + 4);
    right->addWidget(m_values, 1);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("BuiltUpStatus"));
    m_status->setWordWrap(true);
    right->addWidget(m_status);
    auto* fileButtons = new QHBoxLayout;
    auto* open = new QPushButton(this);
    auto* save = new QPushButton(this);
    m_toList = new QPushButton(this);
    m_toList->setObjectName(QStringLiteral("BuiltUpToList"));
    auto* close = new QPushButton(this);
    for (QPushButton* b : {open, save, m_toList, close})
        fileButtons->addWidget(b);
    m_buttons.insert(m_buttons.end(), {{open, QT_TR_NOOP("Open...")},
                                       {save, QT_TR_NOOP("Save...")},
                                       {m_toList, QT_TR_NOOP("To List")},
                                       {close, QT_TR_NOOP("Close")}});
    connect(open, &QPushButton::clicked, this, &BuiltUpWindow::openComposition);
    connect(save, &QPushButton::clicked, this, &BuiltUpWindow::saveComposition);
    connect(m_toList, &QPushButton::clicked, this, &BuiltUpWindow::toList);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    right->addLayout(fileButtons);
    return right;
}

void BuiltUpWindow::buildForm()
{
    auto* layout = new QHBoxLayout(this);
    QVBoxLayout* left = buildPartList();
    left->addLayout(buildPartFields());
    layout->addLayout(left);
    layout->addLayout(buildResultColumn(), 1);
}

void BuiltUpWindow::setUnits(const UnitSettings& units)
{
    m_units = units;
    showResult();
}

void BuiltUpWindow::setDensity(double density)
{
    m_density = density;
    showResult();
}

void BuiltUpWindow::setComposition(const BuiltUpComposition& composition)
{
    m_composition = composition;
    m_name->setText(composition.name);
    refreshPartsList();
    selectPart(0);
    changed();
}

int BuiltUpWindow::selectedPart() const
{
    return m_parts->currentRow();
}

void BuiltUpWindow::selectPart(int index)
{
    m_parts->setCurrentRow(index);
    showPart(index);
}

void BuiltUpWindow::refreshPartsList()
{
    const int current = m_parts->currentRow();
    const QSignalBlocker block(m_parts);
    m_parts->clear();
    for (std::size_t i = 0; i < m_composition.parts.size(); ++i) {
        const BuiltUpPart& p = m_composition.parts[i];
        auto* item = new QListWidgetItem(QStringLiteral("%1. %2  (%3, %4)%5%6")
                                             .arg(i + 1)
                                             .arg(partName(p), formatFixed(p.x, 2), formatFixed(p.y, 2))
                                             .arg(p.angle ? QStringLiteral("  %1%2").arg(p.angle).arg(tr(" deg.")) : QString(),
                                                  p.mirror ? QStringLiteral("  ") + tr("mirrored") : QString()));
        item->setForeground(partColour(int(i)));
        m_parts->addItem(item);
    }
    m_parts->setCurrentRow(std::min(current, m_parts->count() - 1));
    m_name->setPlaceholderText(compositionName({QString(), m_composition.parts}));
}

void BuiltUpWindow::fillEntries(SectionKind kind)
{
    const QSignalBlocker block(m_entry);
    m_entry->clear();
    m_entry->addItem(tr("Typed dimensions"), QString());
    const std::vector<MenuEntry>& menu = builtInMenu(kind);
    for (std::size_t i = 1; i < menu.size(); ++i)
        if (i + 1 == menu.size() || menu[i + 1].depth <= menu[i].depth)
            m_entry->addItem(menu[i].text, menu[i].text);
}

void BuiltUpWindow::showPart(int index)
{
    const bool valid = index >= 0 && index < int(m_composition.parts.size());
    for (QWidget* w : std::initializer_list<QWidget*>{m_kind, m_entry, m_dims, m_x, m_y, m_angle, m_mirror})
        w->setEnabled(valid);
    if (!valid)
        return;
    const BuiltUpPart& p = m_composition.parts[std::size_t(index)];
    m_filling = true;
    for (int k = 0; k < m_kind->count(); ++k)
        if (m_kind->itemData(k).toInt() == int(p.kind))
            m_kind->setCurrentIndex(k);
    fillEntries(p.kind);
    m_entry->setCurrentIndex(std::max(0, m_entry->findData(p.entry)));
    m_dims->setText(dimsText(p.dims));
    m_dims->setEnabled(p.entry.isEmpty());
    m_x->setValue(p.x);
    m_y->setValue(p.y);
    m_angle->setValue(p.angle);
    m_mirror->setChecked(p.mirror);
    m_filling = false;
}

void BuiltUpWindow::partSelected()
{
    showPart(selectedPart());
    showPicture();
}

void BuiltUpWindow::kindChosen()
{
    if (m_filling)
        return;
    const auto kind = static_cast<SectionKind>(m_kind->currentData().toInt());
    m_filling = true;
    fillEntries(kind);
    m_entry->setCurrentIndex(0);
    m_dims->setText(QString());
    m_filling = false;
    partEdited();
}

void BuiltUpWindow::partEdited()
{
    const int i = selectedPart();
    if (m_filling || i < 0 || i >= int(m_composition.parts.size()))
        return;
    BuiltUpPart& p = m_composition.parts[std::size_t(i)];
    p.kind = static_cast<SectionKind>(m_kind->currentData().toInt());
    p.entry = m_entry->currentData().toString();
    p.dims = p.entry.isEmpty() ? dimsFromText(m_dims->text()) : QStringList{};
    m_dims->setEnabled(p.entry.isEmpty());
    // The boxes show two decimals: a position they did not change keeps all of
    // its digits (a part turned with its neighbours must still touch them).
    for (auto [box, value] : {std::pair{m_x, &p.x}, std::pair{m_y, &p.y}})
        if (std::abs(box->value() - *value) >= 0.005)
            *value = box->value();
    p.angle = m_angle->value();
    p.mirror = m_mirror->isChecked();
    refreshPartsList();
    changed();
}

void BuiltUpWindow::addPart()
{
    if (m_composition.parts.size() >= std::size_t(BuiltUpMaxParts))
        return;
    // A plate under what is there.
    double bottom = 0;
    if (m_shown && !m_shown->parts.empty())
        for (const Outline& o : m_shown->parts)
            for (const OutlineRing& r : o.rings)
                for (const OutlinePoint& q : r.points)
                    bottom = std::min(bottom, q.y);
    m_composition.parts.push_back({SectionKind::RectSolid, {}, {QStringLiteral("200"), QStringLiteral("10")}, 0,
                                   bottom - 5, 0, false});
    refreshPartsList();
    selectPart(int(m_composition.parts.size()) - 1);
    changed();
}

void BuiltUpWindow::duplicatePart()
{
    const int i = selectedPart();
    if (i < 0 || m_composition.parts.size() >= std::size_t(BuiltUpMaxParts))
        return;
    m_composition.parts.insert(m_composition.parts.begin() + i + 1, m_composition.parts[std::size_t(i)]);
    refreshPartsList();
    selectPart(i + 1);
    changed();
}

void BuiltUpWindow::removePart()
{
    const int i = selectedPart();
    if (i < 0 || m_composition.parts.size() <= 1)
        return;
    m_composition.parts.erase(m_composition.parts.begin() + i);
    refreshPartsList();
    selectPart(std::min(i, int(m_composition.parts.size()) - 1));
    changed();
}

void BuiltUpWindow::movePart(int step)
{
    const int i = selectedPart(), j = i + step;
    if (i < 0 || j < 0 || j >= int(m_composition.parts.size()))
        return;
    std::swap(m_composition.parts[std::size_t(i)], m_composition.parts[std::size_t(j)]);
    refreshPartsList();
    selectPart(j);
    changed();
}

void BuiltUpWindow::nudge(double dx, double dy)
{
    const int i = selectedPart();
    if (i < 0)
        return;
    m_composition.parts[std::size_t(i)].x += dx;
    m_composition.parts[std::size_t(i)].y += dy;
    showPart(i);
    refreshPartsList();
    changed();
}

void BuiltUpWindow::snap()
{
    const int side = m_snapSide->currentIndex();
    snapTowards(SnapDirections[side][0], SnapDirections[side][1]);
}

void BuiltUpWindow::snapTowards(double dx, double dy)
{
    const auto d = snapDistance(m_composition, selectedPart(), dx, dy);
    if (!d) {
        m_status->setText(tr("No part lies in that direction of the selected part."));
        return;
    }
    nudge(*d * dx, *d * dy);
}

bool BuiltUpWindow::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_parts || watched == m_picture) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const double step = key->modifiers() & Qt::ShiftModifier ? 10 : 1;
        switch (key->key()) {
        case Qt::Key_Left: nudge(-step, 0); return true;
        case Qt::Key_Right: nudge(step, 0); return true;
        case Qt::Key_Up: nudge(0, step); return true;
        case Qt::Key_Down: nudge(0, -step); return true;
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void BuiltUpWindow::changed()
{
    if (m_running)
        m_running->cancel = true;
    auto job = std::make_shared<Job>();
    job->composition = m_composition;
    m_running = job;
    m_toList->setEnabled(false);
    m_status->setText(tr("Computing\u2026"));
    m_pool.start([this, job] {
        BuiltUpResult result = computeBuiltUp(job->composition, &job->cancel);
        QMetaObject::invokeMethod(
            this, [this, job, r = std::move(result)]() mutable { finished(job, std::move(r)); }, Qt::QueuedConnection);
    });
}

void BuiltUpWindow::finished(const std::shared_ptr<Job>& job, BuiltUpResult result)
{
    if (job != m_running)
        return; // a newer change is computing
    m_running.reset();
    m_shown = std::move(result);
    showResult();
    emit resultShown();
}

void BuiltUpWindow::showResult()
{
    showPicture();
    if (!m_shown || m_running)
        return;
    const BuiltUpResult& r = *m_shown;
    m_values->setRowCount(0);
    m_toList->setEnabled(bool(r.properties));
    if (!r.properties) {
        m_status->setText(reasonText(r.error));
        return;
    }
    const auto addRow = [this](const QString& label, const QString& value, const QString& unit) {
        const int row = m_values->rowCount();
        m_values->insertRow(row);
        m_values->setItem(row, 0, new QTableWidgetItem(label));
        auto* v = new QTableWidgetItem(value);
        v->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_values->setItem(row, 1, v);
        m_values->setItem(row, 2, new QTableWidgetItem(unit));
    };
    for (const BuiltUpValue& v : builtUpValues(*r.properties, m_units, m_density))
        addRow(v.label, builtUpValueText(v.value), v.unit);
    for (std::size_t i = 0; i < r.shares.size(); ++i)
        addRow(tr("Part %1 share of A, Ix").arg(i + 1),
               QStringLiteral("%1, %2").arg(formatFixed(r.shares[i].areaShare, 2), formatFixed(r.shares[i].ixShare, 2)),
               QStringLiteral("[%]"));
    m_values->resizeColumnToContents(0);
    QString status = r.separatePieces ? tr("Note: %1.").arg(reasonText(separatePiecesNote()))
                                      : tr("Torsion and warping from a mesh of %1 quadratic triangles.")
                                            .arg(r.properties->triangles);
    if (!r.properties->ktDefined)
        status += QLatin1Char('\n') + tr("Kt is not defined for sharp inner corners.");
    m_status->setText(status);
}

void BuiltUpWindow::showPicture()
{
    if (m_shown)
        m_picture->setPixmap(QPixmap::fromImage(builtUpPicture(*m_shown, PictureSize, selectedPart())));
}

QString BuiltUpWindow::valueText(const QString& name) const
{
    for (int r = 0; r < m_values->rowCount(); ++r)
        if (m_values->item(r, 0)->text() == name)
            return m_values->item(r, 1)->text();
    return {};
}

void BuiltUpWindow::toList()
{
    if (m_running || !m_shown || !m_shown->properties)
        return;
    const PrivateItemTexts texts =
        builtUpItemTexts(compositionName(m_composition), *m_shown->properties, MaterialTexts{}, m_units);
    const PlausibilityResult check = checkPlausibility(texts.properties, m_units, m_messages);
    if (!check.plausible && m_prompter.askYesNo(this, windowTitle(), check.report) != Answer::Yes)
        return;
    emit listRequested(texts, builtUpPicture(*m_shown, SectionPictureSize));
}

QString BuiltUpWindow::fileFilter()
{
    return tr("Built-up sections (*.mvb)");
}

void BuiltUpWindow::saveComposition()
{
    QString path = m_prompter.askSaveFileName(this, {tr("Save built-up section"), QString(), fileFilter(), QString()});
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".mvb"), Qt::CaseInsensitive))
        path += QStringLiteral(".mvb");
    // The old file stays as it was unless every byte of the new one reached the disk.
    if (!saveWholeFile(path, writeBuiltUp(m_composition)))
        m_prompter.showWarning(this, windowTitle(), tr("The built-up section could not be saved to %1.").arg(path));
}

void BuiltUpWindow::openComposition()
{
    const QString path =
        m_prompter.askOpenFileName(this, {tr("Open built-up section"), QString(), fileFilter(), QString()});
    if (path.isEmpty())
        return;
    const auto bytes = readWholeFile(path, BuiltUpFileMaxBytes);
    if (!bytes) {
        m_prompter.showWarning(this, windowTitle(), tr("%1 cannot be read.").arg(path));
        return;
    }
    const BuiltUpReading read = readBuiltUp(*bytes);
    if (!read.composition) {
        m_prompter.showWarning(this, windowTitle(), tr("%1 is not a built-up section: %2.").arg(path, read.reason));
        return;
    }
    setComposition(*read.composition);
}

QString BuiltUpWindow::reasonText(const QString& reason)
{
    static const char* const reasons[] = {
        QT_TR_NOOP("the parts do not all touch: they act together only if they are connected"),
        QT_TR_NOOP("the section has no parts"),
        QT_TR_NOOP("the outline has no area"),
        QT_TR_NOOP("the torsion solution did not converge"),
        QT_TR_NOOP("the section is refused (Error wrong data !)"),
        QT_TR_NOOP("the section has no area"),
    };
    for (const char* known : reasons)
        if (reason == QLatin1String(known))
            return tr(known);
    static const QRegularExpression part(QStringLiteral("^part (\\d+) \\((.*)\\): (.*)$"));
    static const QRegularExpression count(QStringLiteral("^the \\w+ kind takes (\\d+) dimensions$"));
    if (const auto m = part.match(reason); m.hasMatch())
        return tr("part %1 (%2): %3").arg(m.captured(1), m.captured(2), reasonText(m.captured(3)));
    if (const auto m = count.match(reason); m.hasMatch())
        return tr("this kind takes %1 dimensions").arg(m.captured(1));
    return reason;
}
