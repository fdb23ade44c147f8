#pragma once

#include "base/section_kind.h"
#include "sections/tab_result.h"

#include <QImage>
#include <QStringList>
#include <QTabBar>
#include <QWidget>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QVBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class ResultsPanelView;

// The ten tabs of the section area. Each tab is as wide as its short caption
// needs, whatever it shows, so the tabs stay put when the selected tab takes
// its long caption (elided into that width); the bar shares out what is left.
// The short captions are those of the language shown, so no tab is cut but
// the selected one's long caption; a tab's tool tip is its whole text.
class SectionTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit SectionTabBar(const QStringList& shortCaptions, QWidget* parent = nullptr);
    void setShortCaptions(const QStringList& captions);
    // Takes the largest font, not above the bar's first one and not below 7
    // points, in which all ten tabs fit `width` side by side.
    void fitTo(int width);
    QString shortCaption(int index) const { return m_shortCaptions.value(index); }
    // The text the tab shows: its caption, elided into the tab when too long.
    QString shownText(int index) const;

protected:
    bool event(QEvent* event) override;
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

private:
    QStringList m_shortCaptions;
    QFont m_designFont;
};

// One tab of the section area: the menu box with its tree and the "Typical
// type" / "All type" buttons, the data box with the dimension fields (and the
// U arrangement boxes) and "To List", the features box with the picture and
// the results panel. It turns its widgets' events into signals and renders a
// TabResult; it knows nothing of the item list.
class SectionPage : public QWidget {
    Q_OBJECT
public:
    // The texts the program adds beyond the translation table, in the
    // language shown ("Typical", "All", the captions of the L, T, U, I fields).
    void retranslate();
    explicit SectionPage(SectionKind kind, QWidget* parent = nullptr);

    // Widths of the menu, data and features boxes; they do not follow the
    // captions, so a longer data caption moves nothing.
    static constexpr int MenuBoxWidth = 250;
    static constexpr int DataBoxWidth = 230;
    static constexpr int FeaturesBoxWidth = 276;

    SectionKind kind() const { return m_kind; }
    QTreeWidget* tree() const { return m_tree; }
    QLineEdit* field(int index) const { return m_fields.at(std::size_t(index)); }
    int fieldCount() const { return int(m_fields.size()); }
    QStringList fieldTexts() const;
    QPushButton* toListButton() const { return m_toList; }
    ResultsPanelView* resultsPanel() const { return m_results; }
    QGroupBox* menuBox() const { return m_menuBox; }
    QGroupBox* dataBox() const { return m_dataBox; }
    QGroupBox* featuresBox() const { return m_featuresBox; }
    QLabel* picture() const { return m_picture; }
    // The U tab's arrangement boxes (null on the other tabs).
    QButtonGroup* arrangement() const { return m_arrangement; }
    int arrangementChoice() const;

    // The text of the selected tree row, or an empty text.
    QString selectedEntry() const;
    // Selects the row when none is selected, without a tree change.
    void selectDefaultRow(int row);
    // Scrolls to the selected row and gives the tree the focus.
    void showSelection();

    // RotationAngle of the tab's picture.
    int angle() const { return m_angle; }
    void setAngle(int degrees) { m_angle = degrees; }
    int pictureVariant() const { return m_pictureVariant; }
    // Whether the tree's custom entry is selected, so that typing computes.
    bool customAllowed() const { return m_customAllowed; }
    void setCustomAllowed(bool allowed) { m_customAllowed = allowed; }

    // Shows what a computation pass decided; field texts it sets do not
    // signal fieldChanged.
    void render(const TabResult& result);
    void setPicture(const QImage& image);

    void typicalType();
    void allType();

signals:
    void treeChanged();
    // A dimension field changed by the user; its text is already filtered.
    void fieldChanged(int index);
    void arrangementChanged();
    void toListClicked();
    void entryActivated(); // a double-click on a tree row
    // A key went down on the tree (auto-repeat left out): the computation
    // holds off until the key comes up.
    void holdOffStarted();
    // The hold-off ends: the key came up on the tree, the tree lost the
    // focus, or the mouse was pressed on it.
    void holdOffEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QVBoxLayout* captionedBox(QGroupBox*& box, const char* caption, const char* key);
    void buildMenuBox(SectionKind kind);
    void buildDataBox(SectionKind kind);
    void buildFeaturesBox(SectionKind kind);
    void onFieldEdited(int index);

    SectionKind m_kind;
    QTreeWidget* m_tree = nullptr;
    QGroupBox* m_menuBox = nullptr;
    QGroupBox* m_dataBox = nullptr;
    QGroupBox* m_featuresBox = nullptr;
    QPushButton* m_typical = nullptr;
    std::vector<std::pair<QLabel*, const char*>> m_ownCaptions; // captions without a table row
    QPushButton* m_all = nullptr;
    std::vector<QLineEdit*> m_fields;
    QPushButton* m_toList = nullptr;
    QLabel* m_picture = nullptr;
    ResultsPanelView* m_results = nullptr;
    QButtonGroup* m_arrangement = nullptr;
    int m_angle = 0;
    int m_pictureVariant = 0;
    bool m_customAllowed = false;
    int m_rendering = 0; // field texts set by a computation do not signal
};
