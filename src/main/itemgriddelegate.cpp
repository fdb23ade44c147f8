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

void ItemGridDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    font.setBold(selected);
    p->save();
    p->setFont(font);
    p->fillRect(option.rect, selected ? SelectedBack : (index.row() % 2 == 0 ? EvenBack : OddBack));
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
        const QStringList lines = wrapDesignation(text, p->fontMetrics(), r.width());
        p->drawText(r.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, lines.join(QLatin1Char('\n')));
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
