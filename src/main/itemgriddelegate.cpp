#include "itemgriddelegate.h"

#include "itemlist/item_list_model.h"

#include <QPainter>

namespace {
const QColor Navy(0, 0, 128);
const QColor PrivateText(27, 15, 240);
const QColor SelectedBack(250, 255, 234);
const QColor EvenBack(224, 228, 243);
const QColor OddBack(240, 242, 249);

bool isTwoLine(int column)
{
    return column == 5 || column == 6 || column == 7 || column == 8 || column == 9 || column == 11;
}
} // namespace

QStringList ItemGridDelegate::wrapDesignation(const QString& text, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    if (metrics.horizontalAdvance(text) <= width)
        return {text};
    QString rest = text;
    while (!rest.isEmpty() && metrics.horizontalAdvance(rest) > 0.9 * width) {
        int n = rest.size();
        while (n > 1 && metrics.horizontalAdvance(rest.left(n)) > 0.96 * width)
            --n;
        const int blank = rest.left(n).lastIndexOf(QLatin1Char(' '));
        if (blank > 0)
            n = blank;
        lines << rest.left(n);
        rest = rest.mid(n).trimmed();
    }
    if (!rest.isEmpty())
        lines << rest;
    return lines;
}

int ItemGridDelegate::designationHeight(const QString& text, const QFontMetrics& metrics, int width)
{
    const int needed = int(wrapDesignation(text, metrics, width).size()) * metrics.height();
    return needed < 33 ? 32 : needed;
}

QFont ItemGridDelegate::cellFont(bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}

QFont ItemGridDelegate::fittingFont(QFont font, const QString& text, int width)
{
    while (font.pointSize() > 6 && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPointSize(font.pointSize() - 1);
    return font;
}

void ItemGridDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    p->save();
    p->setFont(cellFont(selected));
    // Item rows are numbered from 1 under the header: item 1 is an odd row.
    const int gridRow = index.row() + 1;
    p->fillRect(option.rect, selected ? SelectedBack : (gridRow % 2 == 0 ? EvenBack : OddBack));
    p->setPen(index.data(ItemListModel::PrivateRowRole).toBool() ? PrivateText : Navy);
    const QString text = index.data(Qt::DisplayRole).toString();
    const QRect r = option.rect.adjusted(1, 0, -1, 0);
    if (isTwoLine(index.column()) && text.contains(QLatin1Char('&'))) {
        const int amp = text.indexOf(QLatin1Char('&'));
        QString upper = text.left(amp), lower = text.mid(amp + 1);
        upper.remove(QLatin1Char(' '));
        lower.remove(QLatin1Char(' '));
        const QRect top(r.left(), r.top(), r.width(), r.height() / 2);
        const QRect bottom(r.left(), r.top() + r.height() / 2, r.width(), r.height() - r.height() / 2);
        p->drawText(top, Qt::AlignCenter, upper);
        p->drawText(bottom, Qt::AlignCenter, lower);
    } else if (index.column() == 2) {
        const QRect area = r.adjusted(2, 0, 0, 0);
        const QStringList lines = wrapDesignation(text, p->fontMetrics(), area.width());
        // Lines that fit the cell are centred; more lines start at the top
        // and the ones below the cell are cut off.
        const bool fits = int(lines.size()) * p->fontMetrics().height() < 33;
        p->setClipRect(option.rect);
        p->drawText(area, Qt::AlignLeft | (fits ? Qt::AlignVCenter : Qt::AlignTop), lines.join(QLatin1Char('\n')));
        p->setClipping(false);
    } else if (index.column() == 0) {
        // The item number fills its narrow column: no leading blank, and a
        // smaller font where "250" would not fit.
        p->setFont(fittingFont(p->font(), text, r.width()));
        p->drawText(r, Qt::AlignCenter, text);
    } else {
        p->drawText(r, Qt::AlignCenter, QLatin1Char(' ') + text);
    }
    if (index.row() == m_blinkRow) {
        const bool even = index.column() % 2 == 0;
        p->setPen(QPen((even == m_phase) ? QColor(255, 0, 0) : Navy, 2));
        p->drawLine(option.rect.topLeft(), option.rect.topRight());
        p->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    }
    p->restore();
}

QSize ItemGridDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(32);
    return size;
}
