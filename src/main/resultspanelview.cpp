#include "resultspanelview.h"

#include <QPainter>

ResultsPanelView::ResultsPanelView(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(253, 140);
}

void ResultsPanelView::setPanel(const ResultsPanel& panel)
{
    m_panel = panel;
    update();
}

QColor ResultsPanelView::colourOf(PanelColour colour, const QPalette& palette)
{
    switch (colour) {
    case PanelColour::Neutral: return palette.color(QPalette::Shadow);
    case PanelColour::Grey: return QColor(128, 128, 128);
    case PanelColour::Red: return QColor(255, 0, 0);
    case PanelColour::Green: return QColor(0, 128, 0);
    case PanelColour::Yellow: return QColor(255, 255, 0);
    }
    return palette.color(QPalette::Shadow);
}

void ResultsPanelView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    font.setBold(true);
    font.setUnderline(true);
    p.setFont(font);
    const int ascent = p.fontMetrics().ascent();
    for (const PanelText& t : m_panel.texts()) {
        p.setPen(colourOf(t.colour, palette()));
        p.drawText(t.x, t.y + ascent, t.text);
    }
}
