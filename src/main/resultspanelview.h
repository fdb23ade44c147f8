#pragma once

#include "sections/results_panel.h"

#include <QWidget>

// Paints what a computation wrote on the results panel.
class ResultsPanelView : public QWidget {
    Q_OBJECT
public:
    explicit ResultsPanelView(QWidget* parent = nullptr);
    void setPanel(const ResultsPanel& panel);
    const ResultsPanel& panel() const { return m_panel; }
    QSize sizeHint() const override { return {253, 140}; }
    static QColor colourOf(PanelColour colour, const QPalette& palette);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ResultsPanel m_panel;
};
