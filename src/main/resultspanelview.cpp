#include "resultspanelview.h"

#include "fittedfont.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

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

QList<ResultsPanelView::PlacedText> ResultsPanelView::placedTexts() const
{
    QFont base(QStringLiteral("Arial"));
    base.setPixelSize(11);
    base.setBold(true);
    base.setUnderline(true);
    const std::vector<PanelText>& texts = m_panel.texts();
    QList<PlacedText> placed;
    for (const PanelText& t : texts) {
        // Room up to the next text on the same line, or to the panel's edge.
        int next = width();
        for (const PanelText& other : texts)
            if (other.y == t.y && other.x > t.x)
                next = std::min(next, other.x - 4);
        const QFont font = fittedFont(base, {t.text}, next - t.x, 8);
        const QFontMetrics metrics(font);
        placed.append({QRect(t.x, t.y, metrics.horizontalAdvance(t.text), metrics.height()), font, t.text, t.colour});
    }
    return placed;
}

void ResultsPanelView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    for (const PlacedText& t : placedTexts()) {
        p.setFont(t.font);
        p.setPen(colourOf(t.colour, palette()));
        p.drawText(t.box.left(), t.box.top() + QFontMetrics(t.font).ascent(), t.text);
    }
}
