#pragma once

#include <QList>
#include <QHeaderView>
#include <QTableView>
#include <utility>

// The header strip: each caption centred in its cell, its lines in the
// header font or, where a line would not fit the cell, a smaller one.
class ItemGridHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit ItemGridHeader(QWidget* parent = nullptr);
    // The largest font, not above `base` and not below 6 pixels, in which
    // every line of the caption fits `width` pixels.
    static QFont captionFont(const QFont& base, const QString& caption, int width);

    // How a caption is written in a cell of that size: in the largest font
    // captionFont allows, or, when that is smaller than 7 pixels and the
    // cell has room for one more line, with its widest line broken before
    // its unit ("Oppervlak" over "[cm2]") in a larger font. Only the line
    // breaks change, never the words.
    struct CaptionLayout {
        QFont font;
        QString text;
    };
    static CaptionLayout captionLayout(const QFont& base, const QString& caption, QSize cell);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

class ItemList;
class ItemListModel;
class ItemGridDelegate;
class QAction;
class QMenu;
class QTimer;

// The item grid: a view over the item list with its header strip, its cell
// painter, the blinking row of a correction, the pop-up menu, the selection
// rules and the row heights. Rows are 1-based in its interface, as in the list.
class ItemGrid : public QTableView {
    Q_OBJECT
public:
    explicit ItemGrid(ItemList& list, QWidget* parent = nullptr);

    ItemListModel* listModel() const { return m_model; }
    ItemGridDelegate* delegate() const { return m_delegate; }
    void setHeaderCaptions(const QStringList& captions);
    // The pop-up menu's commands.
    void setContextActions(const QList<QAction*>& actions);

    // Shows the list as it is now, keeping row `selectedRow` (clamped to the
    // list) selected.
    void rebuild(int selectedRow);
    // Selects row r and scrolls to it; not a user selection.
    void selectListRow(int r);
    // First and last selected row, or (fallback, fallback) when none is.
    std::pair<int, int> selectedRange(int fallback) const;

    // The row under correction blinks until stopBlinking.
    void startBlinking();
    void stopBlinking();
    bool isBlinking() const { return m_blinking; }

signals:
    // The user selected a row by mouse or keyboard.
    void rowChosen(int row);
    void correctionRequested();

private:
    // Selected rows as high as their wrapped designation, the others 32.
    void updateRowHeights();

    ItemListModel* m_model = nullptr;
    ItemGridDelegate* m_delegate = nullptr;
    QMenu* m_popup = nullptr;
    QTimer* m_blinkTimer = nullptr;
    bool m_blinking = false;
    bool m_selectingRow = false; // the program, not the user, moves the current row
};
