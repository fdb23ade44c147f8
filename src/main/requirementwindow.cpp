#include "requirementwindow.h"
#include "enterkey.h"

#include "sections/units.h"
#include "settings/message_table.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace {
QLabel* swatch(const QColor& colour, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFixedSize(40, 16);
    label->setStyleSheet(QStringLiteral("background: %1; border: 1px solid gray;").arg(colour.name()));
    return label;
}
} // namespace

RequirementWindow::RequirementWindow(RequirementLimits& limits, const MessageTable& m, QWidget* parent)
    : QDialog(parent), m_limits(limits), m_messages(m)
{
    setWindowTitle(QStringLiteral("Requirement"));
    // A window of the main window: above it, not above other programs or a
    // modal dialog such as the print preview.
    setModal(false);
    // The window keeps its 368 x 404 size; its small font lets the captions fit.
    QFont small(QStringLiteral("Arial"));
    small.setPointSize(8);
    setFont(small);
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(4);
    for (QLabel*& caption : m_captions)
        caption = new QLabel(this);
    grid->addWidget(m_captions[0], 0, 1);
    grid->addWidget(m_captions[1], 0, 2);
    for (int r = 0; r < RequirementLimits::Rows; ++r) {
        m_boxes[std::size_t(r)] = new QCheckBox(boxCaption(r, UnitSettings()), this);
        m_boxes[std::size_t(r)]->setEnabled(false);
        m_min[std::size_t(r)] = new QLineEdit(this);
        m_max[std::size_t(r)] = new QLineEdit(this);
        m_min[std::size_t(r)]->setFixedWidth(62);
        m_max[std::size_t(r)]->setFixedWidth(62);
        grid->addWidget(m_boxes[std::size_t(r)], r + 1, 0);
        grid->addWidget(m_min[std::size_t(r)], r + 1, 1);
        grid->addWidget(m_max[std::size_t(r)], r + 1, 2);
        connect(m_min[std::size_t(r)], &QLineEdit::textChanged, this, [this, r] { fieldChanged(r); });
        connect(m_max[std::size_t(r)], &QLineEdit::textChanged, this, [this, r] { fieldChanged(r); });
        connect(m_boxes[std::size_t(r)], &QCheckBox::toggled, this,
                [this, r](bool ticked) {
                    m_limits.setTicked(r, ticked);
                    emit limitsEdited();
                });
    }
    int row = RequirementLimits::Rows + 1;
    grid->addWidget(m_captions[2], row, 0, 1, 2);
    grid->addWidget(swatch(QColor(255, 0, 0), this), row++, 2);
    grid->addWidget(m_captions[3], row, 0, 1, 2);
    grid->addWidget(swatch(QColor(0, 255, 0), this), row++, 2);
    grid->addWidget(m_captions[4], row, 0, 1, 2);
    grid->addWidget(swatch(QColor(255, 255, 0), this), row++, 2);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    grid->addWidget(ok, row, 2);
    makeDefaultButton(ok);
    connect(ok, &QPushButton::clicked, this, [this] {
        m_timer->stop();
        recheck();
        close();
    });
    // Escape closes the window as OK does.
    connect(this, &QDialog::rejected, this, [this] {
        m_timer->stop();
        recheck();
    });
    m_timer = new QTimer(this);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &RequirementWindow::recheck);
    m_timer->start();
    setFixedSize(368, 404);
    retranslate(m);
}

QString RequirementWindow::boxCaption(int row, const UnitSettings& units)
{
    // RequirementLimits::caption in the language shown.
    static const char* const captions[RequirementLimits::Rows] = {
        QT_TR_NOOP("A /Area/ %1"),
        QT_TR_NOOP("Ix /Moment of inertia / %1 :"),
        QT_TR_NOOP("Iy /Moment of inertia / %1 :"),
        QT_TR_NOOP("Kx above /Mom. of resist. / %1 :"),
        QT_TR_NOOP("Kx under /Mom. of resist. / %1 :"),
        QT_TR_NOOP("Ixx /Torsion inertia / %1 :"),
        QT_TR_NOOP("Kxx /Torsion resistance / %1 :")};
    return tr(captions[row]).arg(unitText(units, UnitGroup(RequirementLimits::unitGroupOf(row))));
}

void RequirementWindow::retranslate(const MessageTable& m)
{
    setWindowTitle(tr("Requirement"));
    for (int r = 0; r < RequirementLimits::Rows; ++r)
        m_boxes[std::size_t(r)]->setText(boxCaption(r, m_units));
    m_captions[0]->setText(m(Msg::MinValue));
    m_captions[1]->setText(m(Msg::MaxValue));
    m_captions[2]->setText(m(Msg::BelowMinColour));
    m_captions[3]->setText(m(Msg::BetweenLimits) + QLatin1Char('\n') + m(Msg::BetweenLimitsColour));
    m_captions[4]->setText(m(Msg::AboveMaxColour));
}

void RequirementWindow::fieldChanged(int r)
{
    QLineEdit* fields[2] = {m_min[std::size_t(r)], m_max[std::size_t(r)]};
    for (QLineEdit* f : fields) {
        const QString clean = RequirementLimits::filterLimitText(f->text());
        if (clean != f->text()) {
            const QSignalBlocker block(f);
            f->setText(clean);
        }
    }
    m_limits.setMin(r, fields[0]->text());
    m_limits.setMax(r, fields[1]->text());
    m_boxes[std::size_t(r)]->setEnabled(m_limits.enabled(r));
    emit limitsEdited();
}

void RequirementWindow::recheck()
{
    const QString signature = m_limits.signature();
    if (signature == m_signature)
        return;
    m_signature = signature;
    if (recompute)
        recompute();
}

void RequirementWindow::refresh()
{
    for (int r = 0; r < RequirementLimits::Rows; ++r) {
        const QSignalBlocker b1(m_min[std::size_t(r)]), b2(m_max[std::size_t(r)]), b3(m_boxes[std::size_t(r)]);
        m_min[std::size_t(r)]->setText(m_limits.row(r).min);
        m_max[std::size_t(r)]->setText(m_limits.row(r).max);
        m_boxes[std::size_t(r)]->setChecked(m_limits.row(r).ticked);
        m_boxes[std::size_t(r)]->setEnabled(m_limits.enabled(r));
    }
}

void RequirementWindow::setUnits(const UnitSettings& units)
{
    m_units = units;
    for (int r = 0; r < RequirementLimits::Rows; ++r)
        m_boxes[std::size_t(r)]->setText(boxCaption(r, units));
}

void RequirementWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_timer->start();
}
