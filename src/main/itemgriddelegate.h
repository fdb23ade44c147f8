#pragma once

#include <QStyledItemDelegate>

// Paints the item grid's cells: two-line values split at "&", the wrapped
// designation, the private-row colour and the selection band.
class ItemGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The designation cut into lines that fit the column: each line is the
    // longest prefix not wider than 0.96 of the width, cut back to a blank.
    // A text that fits the width stays one line.
    static QStringList wrapDesignation(const QString& text, const QFontMetrics& metrics, int width);
    // The height a selected row needs for its designation: lines x line
    // height when that reaches 33 pixels, else 32.
    static int designationHeight(const QString& text, const QFontMetrics& metrics, int width);
    // Arial 8, bold on selected rows.
    static QFont cellFont(bool bold);
    // The font, made smaller where needed (not below 6 points), in which the
    // text fits the width.
    static QFont fittingFont(QFont font, const QString& text, int width);

    // The row under correction blinks: its cells' top and bottom edges in
    // red and navy, swapping with each phase.
    void setBlinkRow(int row) { m_blinkRow = row; }
    void toggleBlinkPhase() { m_phase = !m_phase; }
    int blinkRow() const { return m_blinkRow; }

private:
    int m_blinkRow = -1;
    bool m_phase = false;
};
