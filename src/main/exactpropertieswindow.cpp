#include "exactpropertieswindow.h"

#include "base/number_format.h"
#include "exact/exact_values.h"
#include "itemlist/exact_listing.h"

#include <QHeaderView>
#include <QLabel>
#include <QMetaObject>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <exception>

struct ExactPropertiesWindow::Job {
    ExactRequest request;
    std::optional<SectionProperties> panel;
    std::atomic<bool> cancel{false};
};

namespace {
bool samePass(const ExactRequest& a, const ExactRequest& b)
{
    return a.kind == b.kind && a.entry == b.entry && a.fields == b.fields && a.arrangement == b.arrangement &&
           a.angle == b.angle;
}

bool samePanel(const std::optional<SectionProperties>& a, const std::optional<SectionProperties>& b)
{
    if (a.has_value() != b.has_value())
        return false;
    return !a || (a->ixx == b->ixx && a->kxx == b->kxx);
}

// The rows of the table: every exact value, the two differences last.
std::vector<ExactValue> rowTemplate()
{
    return exactValues(ExactProperties{}, SectionProperties{});
}

// Two decimals from 0.01 on, else ten, judged by size. Angles, shear-centre
// distances and percentages always have two. Zero shows as "0.00".
QString valueDisplay(const ExactValue& v)
{
    if (!std::isfinite(v.value))
        return QStringLiteral("-");
    const bool twoDecimals = v.unit == QLatin1String("degrees") || v.unit == QLatin1String("mm") ||
                             v.unit == QLatin1String("%");
    QString text = twoDecimals || v.value == 0 ? formatFixed(v.value, 2) : formatTwoOrTen(v.value);
    if (text.startsWith(QLatin1Char('-')) && !text.contains(QRegularExpression(QStringLiteral("[1-9]"))))
        text.remove(0, 1);
    return text;
}

// A message as a sentence: its first letter a capital.
QString sentence(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// The product moment of a symmetric section comes out as rounding noise
// (1e-13 cm4 beside 1944 cm4); it is shown as zero.
void dropNoise(std::vector<ExactValue>& values)
{
    double i1 = 0;
    for (const ExactValue& v : values)
        if (v.name == QLatin1String("I1"))
            i1 = std::fabs(v.value);
    for (ExactValue& v : values)
        if (v.name == QLatin1String("Ixy") && std::fabs(v.value) <= 1e-9 * i1)
            v.value = 0;
}
} // namespace

ExactPropertiesWindow::ExactPropertiesWindow(const MessageTable& messages, QWidget* parent)
    : QDialog(parent), m_compute(&exactForTab)
{
    setObjectName(QStringLiteral("ExactPropertiesWindow"));
    setModal(false);
    // One section at a time is computed; a newer pass waits only for the
    // older one to notice its cancel flag.
    m_pool.setMaxThreadCount(1);

    auto* layout = new QVBoxLayout(this);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("ExactCaption"));
    m_caption->setWordWrap(true);
    layout->addWidget(m_caption);

    const std::vector<ExactValue> rows = rowTemplate();
    m_table = new QTableWidget(int(rows.size()), 2, this);
    m_table->setObjectName(QStringLiteral("ExactTable"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < int(rows.size()); ++r) {
        const ExactValue& v = rows[std::size_t(r)];
        auto* name = new QTableWidgetItem;
        name->setData(Qt::UserRole, v.name);
        m_table->setItem(r, 0, name);
        auto* value = new QTableWidgetItem;
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(r, 1, value);
    }
    // Compact rows, so that every value is in sight without scrolling.
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->setColumnWidth(0, 150);
    layout->addWidget(m_table, 1);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("ExactStatus"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    resize(340, int(rows.size()) * (m_table->fontMetrics().height() + 6) + 100);
    setUnits(m_units);
    retranslate(messages);
}

ExactPropertiesWindow::~ExactPropertiesWindow()
{
    // The worker posts its result to this window: let it end first.
    cancelRunning();
    m_pool.clear();
    m_pool.waitForDone();
}

void ExactPropertiesWindow::retranslate(const MessageTable& messages)
{
    m_customEntry = messages(Msg::CustomSection);
    setWindowTitle(tr("Exact properties"));
    m_table->setHorizontalHeaderLabels({tr("Property"), tr("Value")});
    m_computingText = tr("Computing\u2026");
    m_noSectionText = tr("No section computed yet.");
    m_meshText = tr("Torsion and warping from a mesh of %1 quadratic triangles.");
    m_noPlateText = tr("A plate has no cross-section properties.");
    m_angleText = tr("%1, turned by %2 degrees");

    const std::pair<const char*, const char*> tips[] = {
        {"A", QT_TR_NOOP("area")},
        {"Ix", QT_TR_NOOP("second moment of area about the horizontal axis X through the centroid")},
        {"Iy", QT_TR_NOOP("second moment of area about the vertical axis Y through the centroid")},
        {"Ixy", QT_TR_NOOP("product moment of area")},
        {"I1", QT_TR_NOOP("larger principal second moment of area")},
        {"I2", QT_TR_NOOP("smaller principal second moment of area")},
        {"alpha", QT_TR_NOOP("angle of the I1 axis from X")},
        {"ix", QT_TR_NOOP("radius of gyration about X")},
        {"iy", QT_TR_NOOP("radius of gyration about Y")},
        {"WelXAbove", QT_TR_NOOP("elastic section modulus about X, top fibre")},
        {"WelXUnder", QT_TR_NOOP("elastic section modulus about X, bottom fibre")},
        {"WelYLeft", QT_TR_NOOP("elastic section modulus about Y, left fibre")},
        {"WelYRight", QT_TR_NOOP("elastic section modulus about Y, right fibre")},
        {"WplX", QT_TR_NOOP("plastic section modulus about the equal-area axis parallel to X")},
        {"WplY", QT_TR_NOOP("plastic section modulus about the equal-area axis parallel to Y")},
        {"It", QT_TR_NOOP("St Venant torsion constant")},
        {"Iw", QT_TR_NOOP("warping constant about the shear centre")},
        {"Kt", QT_TR_NOOP("torsion modulus: It over the largest shear-stress lever")},
        {"xs", QT_TR_NOOP("shear centre from the centroid, along X")},
        {"ys", QT_TR_NOOP("shear centre from the centroid, along Y")},
        {"IxxDifference", QT_TR_NOOP("by how much the panel's torsion constant Ixx differs from It")},
        {"KxxDifference", QT_TR_NOOP("by how much the panel's torsion modulus Kxx differs from Kt")},
    };
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const QString name = m_table->item(r, 0)->data(Qt::UserRole).toString();
        for (const auto& [key, tip] : tips)
            if (name == QLatin1String(key))
                m_table->item(r, 0)->setToolTip(tr(tip));
    }
    if (m_shown)
        showValues(*m_shown);
    else
        showValues(ExactOutcome{});
}

void ExactPropertiesWindow::setSection(const ExactRequest& request, const std::optional<SectionProperties>& panel)
{
    if (m_latest && m_latestShown && samePass(m_latest->request, request) && samePanel(m_latest->panel, panel))
        return;
    m_latest = Pass{request, panel};
    m_latestShown = false;
    if (isVisible())
        startLatest();
    else
        cancelRunning();
}

void ExactPropertiesWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_latest && !m_latestShown)
        startLatest();
}

void ExactPropertiesWindow::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (m_running) {
        cancelRunning();
        m_latestShown = false;
    }
}

void ExactPropertiesWindow::cancelRunning()
{
    if (m_running)
        m_running->cancel.store(true);
    m_running.reset();
}

void ExactPropertiesWindow::startLatest()
{
    cancelRunning();
    m_latestShown = true;
    m_caption->setText(sectionCaption(*m_latest));
    ExactRequest request = m_latest->request;
    if (request.kind == SectionKind::Plate) {
        ExactOutcome none;
        none.error = m_noPlateText;
        m_shown = none;
        m_shownPanel.reset();
        showValues(none);
        emit resultShown();
        return;
    }
    // The tree's custom entry follows the language; the computation knows it
    // by its English text.
    if (request.entry == m_customEntry)
        request.entry = MessageTable::english()(Msg::CustomSection);
    auto job = std::make_shared<Job>();
    job->request = request;
    job->panel = m_latest->panel;
    m_running = job;
    showValues(m_shown.value_or(ExactOutcome{}));
    m_pool.start([this, job, compute = m_compute] {
        // A pass overtaken before it began is not computed at all.
        if (job->cancel.load())
            return;
        ExactOutcome outcome;
        // Nothing the mesher or the solver throws may end the program.
        try {
            outcome = compute(job->request, &job->cancel);
        } catch (const std::exception& e) {
            outcome = ExactOutcome{};
            outcome.error = QStringLiteral("The computation failed: ") + QString::fromLocal8Bit(e.what());
        } catch (...) {
            outcome = ExactOutcome{};
            outcome.error = QStringLiteral("The computation failed");
        }
        if (job->cancel.load())
            return;
        QMetaObject::invokeMethod(
            this, [this, job, outcome = std::move(outcome)] { finished(job, outcome); }, Qt::QueuedConnection);
    });
}

void ExactPropertiesWindow::finished(const std::shared_ptr<Job>& job, const ExactOutcome& outcome)
{
    // A result of an outdated pass (cancelled too late to stop) is dropped.
    if (job != m_running)
        return;
    m_running.reset();
    m_shown = outcome;
    m_shownPanel = job->panel;
    showValues(outcome);
    emit resultShown();
}

void ExactPropertiesWindow::showValues(const ExactOutcome& outcome)
{
    std::vector<ExactValue> values;
    if (outcome.properties) {
        values = exactValues(*outcome.properties, m_shownPanel);
        dropNoise(values);
        values = inListingUnits(std::move(values), m_units);
    }
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const QString name = m_table->item(r, 0)->data(Qt::UserRole).toString();
        QString text;
        for (const ExactValue& v : values)
            if (v.name == name)
                text = valueDisplay(v);
        m_table->item(r, 1)->setText(text);
    }
    // Values of the previous section stay greyed while the new one computes.
    m_table->setEnabled(!m_running);
    if (m_running) {
        m_status->setText(m_computingText);
    } else if (outcome.properties) {
        QStringList lines{m_meshText.arg(outcome.properties->triangles)};
        for (const QString& note : exactNotes(*outcome.properties))
            lines << reasonText(note);
        m_status->setText(lines.join(QLatin1Char('\n')));
    } else if (!outcome.error.isEmpty()) {
        m_status->setText(sentence(reasonText(outcome.error)));
    } else {
        m_status->setText(m_noSectionText);
    }
    if (!m_latest)
        m_caption->clear();
    else
        m_caption->setText(sectionCaption(*m_latest));
}

QString ExactPropertiesWindow::reasonText(const QString& reason)
{
    // The reasons the computation gives (morvane-cli writes them in English),
    // in the language shown.
    static const char* const reasons[] = {
        QT_TR_NOOP("the outline has no area"),
        QT_TR_NOOP("the torsion solution did not converge"),
        QT_TR_NOOP("no section is selected"),
        QT_TR_NOOP("the section is refused (Error wrong data !)"),
        QT_TR_NOOP("The computation failed"),
        QT_TR_NOOP("Kt is not defined for sharp inner corners."),
    };
    for (const char* known : reasons)
        if (reason == QLatin1String(known))
            return tr(known);
    const QString failed = QStringLiteral("The computation failed: ");
    if (reason.startsWith(failed))
        return tr("The computation failed: %1").arg(reason.mid(failed.size()));
    return reason;
}

QString ExactPropertiesWindow::sectionCaption(const Pass& pass) const
{
    const ExactRequest& r = pass.request;
    QString name = r.entry;
    if (r.entry == m_customEntry || r.entry == MessageTable::english()(Msg::CustomSection)) {
        QStringList sizes;
        for (const QString& f : r.fields)
            if (!f.trimmed().isEmpty())
                sizes << f.trimmed();
        if (!sizes.isEmpty())
            name += QStringLiteral(" ") + sizes.join(QStringLiteral(" x "));
    }
    if (!isRotatable(r.kind))
        return name;
    return m_angleText.arg(name).arg(r.angle);
}

void ExactPropertiesWindow::setUnits(const UnitSettings& units)
{
    m_units = units;
    const std::vector<ExactValue> rows = inListingUnits(rowTemplate(), units);
    for (int r = 0; r < m_table->rowCount() && r < int(rows.size()); ++r)
        m_table->item(r, 0)->setText(QStringLiteral("%1 [%2]").arg(rows[std::size_t(r)].name, rows[std::size_t(r)].unit));
    showValues(m_shown.value_or(ExactOutcome{}));
}

QString ExactPropertiesWindow::valueText(const QString& name) const
{
    for (int r = 0; r < m_table->rowCount(); ++r)
        if (m_table->item(r, 0)->data(Qt::UserRole).toString() == name)
            return m_table->item(r, 1)->text();
    return {};
}
