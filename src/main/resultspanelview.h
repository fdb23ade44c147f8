#pragma once

#include "sections/results_panel.h"

#include <QFont>
#include <QList>
#include <QRect>
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

    // Each text where it is painted: a label that would run into the value
    // beside it (a longer language) is written in a smaller font, down to
    // 8 pixels, so that label and value stay apart.
    struct PlacedText {
        QRect box;
        QFont font;
        QString text;
        PanelColour colour = PanelColour::Neutral;
    };
    QList<PlacedText> placedTexts() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ResultsPanel m_panel;
};
