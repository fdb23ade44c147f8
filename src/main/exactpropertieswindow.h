#pragma once

#include "exact/exact_properties.h"
#include "sections/section_properties.h"
#include "sections/units.h"
#include "settings/message_table.h"

#include <QDialog>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QTableWidget;

// "Exact properties": the values computed from the true outline for the
// section of the current tab, beside the panel's table values. It follows
// every computation pass it is given; the computation runs on a worker
// thread, a newer pass cancels an older one, and a hidden window computes
// nothing until it is shown again.
class ExactPropertiesWindow : public QDialog {
    Q_OBJECT
public:
    using Compute = std::function<ExactOutcome(const ExactRequest&, const std::atomic<bool>* cancel)>;

    explicit ExactPropertiesWindow(const MessageTable& messages, QWidget* parent = nullptr);
    ~ExactPropertiesWindow() override;

    // The caption, the column titles and the status texts. The table's custom
    // entry text ("Custom-designed section" in the active language) is how
    // the window recognises a typed section.
    void retranslate(const MessageTable& messages);

    // One computation pass of the current tab: its inputs and the panel's
    // values when the pass computed a section (for the Ixx and Kxx
    // differences). Returns at once; the values follow.
    void setSection(const ExactRequest& request, const std::optional<SectionProperties>& panel);
    // The units for listing: area, second moments and moduli are shown in
    // them, as on the results panel.
    void setUnits(const UnitSettings& units);

    // What runs on the worker thread; exactForTab unless a test replaces it.
    // Set it while nothing is computing.
    void setCompute(Compute compute) { m_compute = std::move(compute); }

    bool isComputing() const { return bool(m_running); }
    QLabel* captionLabel() const { return m_caption; }
    QLabel* statusLabel() const { return m_status; }
    QTableWidget* table() const { return m_table; }
    // The shown value text of a named value ("It", "WplX"), empty when none.
    QString valueText(const QString& name) const;

signals:
    // The values or the reason for the latest pass are shown.
    void resultShown();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Job;
    struct Pass {
        ExactRequest request;
        std::optional<SectionProperties> panel;
    };
    void startLatest();
    void cancelRunning();
    void finished(const std::shared_ptr<Job>& job, const ExactOutcome& outcome);
    void showValues(const ExactOutcome& outcome);
    QString sectionCaption(const Pass& pass) const;
    static QString reasonText(const QString& reason);

    QString m_customEntry;     // the custom entry in the active language
    QString m_computingText, m_noSectionText, m_meshText, m_noPlateText, m_angleText;
    Compute m_compute;
    std::optional<Pass> m_latest; // the newest pass given
    bool m_latestShown = false;   // its values are shown or being computed
    std::shared_ptr<Job> m_running;
    std::optional<ExactOutcome> m_shown; // the values or reason on show
    std::optional<SectionProperties> m_shownPanel; // the panel values they are compared with
    QThreadPool m_pool;
    UnitSettings m_units;

    QLabel* m_caption = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_status = nullptr;
};
