#include "sectionpage.h"

#include "languageswitch.h"

#include "resultspanelview.h"

#include "catalogue/profile_catalogue.h"
#include "drawing/section_pictures.h"
#include "sections/dimension_filter.h"

#include <QHelpEvent>
#include <QStyleOptionTab>
#include <QToolTip>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
struct FieldLayout {
    const char* caption;
    const char* objectName;
};

// Dimension fields of each tab, in the order the computations take them.
std::vector<FieldLayout> fieldLayouts(SectionKind kind)
{
    switch (kind) {
    case SectionKind::RectHollow:
        return {{"  a /length [mm] / :", "Panel48"}, {"  b /length [mm] / :", "Panel49"},
                {"  v / Thickness [mm] / :", "Panel23"}};
    case SectionKind::CircHollow:
        return {{"  d /diameter [mm] / :", "Panel24"}, {"  v / Thickness [mm] / :", "Panel6"}};
    case SectionKind::RectSolid:
        return {{"  a  / length [mm] / :", "Panel7"}, {"  b  / length [mm] / :", "Panel8"}};
    case SectionKind::CircSolid: return {{"  Diameter [mm] :", "Panel14"}};
    case SectionKind::FlatBar:
        return {{"  a / Length [mm] / :", "Panel15"}, {"  b /Length [mm] / :", "Panel30"}};
    case SectionKind::L:
        return {{QT_TRANSLATE_NOOP("SectionPage", " A length / mm / :"), "LFieldA"},
                {QT_TRANSLATE_NOOP("SectionPage", " B length / mm / :"), "LFieldB"},
                {QT_TRANSLATE_NOOP("SectionPage", " V thickness / mm / :"), "LFieldV"}};
    case SectionKind::Plate:
        return {{"  Length [mm] / :", "Panel19"}, {"  Length [mm] / :", "Panel45"}};
    case SectionKind::T:
    case SectionKind::U:
    case SectionKind::I:
        return {{QT_TRANSLATE_NOOP("SectionPage", " A length / mm / :"), nullptr},
                {QT_TRANSLATE_NOOP("SectionPage", " B length / mm / :"), nullptr},
                {QT_TRANSLATE_NOOP("SectionPage", " V thickness / mm / :"), nullptr},
                {QT_TRANSLATE_NOOP("SectionPage", " V thickness / mm / :"), nullptr}};
    }
    return {};
}

// Menu box, features box and To List keys of each tab.
struct TabKeys {
    const char* menuBox;
    const char* featuresBox;
    const char* toList;
    const char* typical;
    const char* all;
};
TabKeys tabKeys(SectionKind kind)
{
    switch (kind) {
    case SectionKind::RectHollow: return {"GroupBox23", "GroupBox15", "BitBtn10", "SpeedButton12", "SpeedButton13"};
    case SectionKind::CircHollow: return {"GroupBox22", "GroupBox7", "BitBtn11", nullptr, nullptr};
    case SectionKind::RectSolid: return {"GroupBox39", "GroupBox9", "BitBtn9", nullptr, nullptr};
    case SectionKind::CircSolid: return {"GroupBox37", "GroupBox11", "BitBtn8", nullptr, nullptr};
    case SectionKind::FlatBar: return {"GroupBox35", "GroupBox17", "BitBtn7", "SpeedButton10", "SpeedButton11"};
    case SectionKind::L: return {"GroupBox33", "GroupBox19", "BitBtn1", "SpeedButton22", "SpeedButton23"};
    case SectionKind::T: return {"GroupBox31", "GroupBox14", "BitBtn6", nullptr, nullptr};
    case SectionKind::Plate: return {"GroupBox29", "GroupBox5", nullptr, "SpeedButton20", "SpeedButton21"};
    case SectionKind::U: return {"GroupBox27", "GroupBox1", "BitBtn5", "SpeedButton18", "SpeedButton19"};
    case SectionKind::I: return {"GroupBox16", "GroupBox3", "BitBtn4", "SpeedButton16", "SpeedButton17"};
    }
    return {};
}

const char* const MenuBoxCaptions[SectionKindCount] = {
    "Rectangular hollow section menu :", "Circular hollow section menu :", "Rectangular solid section menu :",
    "Circular Solid Section menu :",     "Ribbon section menu :",          "L section menu :",
    "T section menu :",                  "Plate menu :",                   "U section menu :",
    "I section menu :"};
const char* const FeaturesBoxCaptions[SectionKindCount] = {
    "Rectangular hollow section features  :   ", "  Circular hollow section features  :   ",
    "  Rectangular solid section features  :   ", " Circular Solid section features :   ",
    "Ribbon section features  :   ",              "  L section features  :   ",
    "  T section features  :   ",                 "Plate features  :   ",
    "  U section features  :   ",                 "  I section features  :   "};

// Trees whose key-down holds the computation off until the key-up.
bool holdsOffKeys(SectionKind kind)
{
    return kind != SectionKind::CircHollow && kind != SectionKind::CircSolid && kind != SectionKind::Plate;
}

// Field texts a tab starts with.
QStringList startTexts(SectionKind kind)
{
    switch (kind) {
    case SectionKind::U: return {"40", "10", "3", "3"};
    case SectionKind::L: return {"40", "10", "3"};
    case SectionKind::I:
    case SectionKind::T: return {"50", "100", "3", "3"};
    case SectionKind::Plate: return {"0", "0"};
    default: return {};
    }
}
} // namespace

SectionTabBar::SectionTabBar(const QStringList& shortCaptions, QWidget* parent) : QTabBar(parent)
{
    setElideMode(Qt::ElideRight);
    setExpanding(true);
    m_designFont = font();
    for (const QString& caption : shortCaptions)
        addTab(caption);
    setShortCaptions(shortCaptions);
}

void SectionTabBar::setShortCaptions(const QStringList& captions)
{
    m_shortCaptions = captions;
    updateGeometry();
}

void SectionTabBar::fitTo(int width)
{
    const auto total = [this] {
        int sum = 0;
        for (int i = 0; i < count(); ++i)
            sum += tabSizeHint(i).width();
        return sum;
    };
    QFont f = m_designFont;
    setFont(f);
    while (total() > width && f.pointSizeF() > 7) {
        f.setPointSizeF(f.pointSizeF() - 0.5);
        setFont(f);
    }
}

QString SectionTabBar::shownText(int index) const
{
    QStyleOptionTab option;
    initStyleOption(&option, index);
    return option.text;
}

bool SectionTabBar::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int index = tabAt(help->pos());
        if (index >= 0)
            QToolTip::showText(help->globalPos(), tabText(index), this, tabRect(index));
        else
            QToolTip::hideText();
        return true;
    }
    return QTabBar::event(event);
}

QSize SectionTabBar::tabSizeHint(int index) const
{
    // The style's hint for the text shown, with the short caption's width in
    // place of the text's.
    QSize size = QTabBar::tabSizeHint(index);
    const QFontMetrics metrics = fontMetrics();
    const auto textWidth = [&](const QString& text) { return metrics.size(Qt::TextShowMnemonic, text).width(); };
    size.setWidth(size.width() - textWidth(tabText(index)) + textWidth(shortCaption(index)));
    return size;
}

// A group box of the page with its design caption and translation key; returns its layout.
QVBoxLayout* SectionPage::captionedBox(QGroupBox*& box, const char* caption, const char* key)
{
    box = new QGroupBox(QString::fromLatin1(caption), this);
    box->setObjectName(QString::fromLatin1(key));
    return new QVBoxLayout(box);
}

// The menu box: the catalogue tree and, where the kind has them, the Typical and All buttons.
void SectionPage::buildMenuBox(SectionKind kind)
{
    const int index = static_cast<int>(kind);
    const TabKeys keys = tabKeys(kind);
    auto* menuLayout = captionedBox(m_menuBox, MenuBoxCaptions[index], keys.menuBox);
    m_tree = new QTreeWidget(m_menuBox);
    m_tree->setHeaderHidden(true);
    m_tree->setObjectName(QStringLiteral("Tree%1").arg(index));
    std::vector<QTreeWidgetItem*> parents;
    for (const MenuEntry& e : builtInMenu(kind)) {
        parents.resize(std::size_t(e.depth));
        auto* item = parents.empty() ? new QTreeWidgetItem(m_tree) : new QTreeWidgetItem(parents.back());
        item->setText(0, e.text);
        parents.push_back(item);
    }
    menuLayout->addWidget(m_tree);
    const bool hasFilterButtons =
        kind != SectionKind::RectSolid && kind != SectionKind::CircSolid && kind != SectionKind::T;
    if (hasFilterButtons) {
        auto* buttons = new QHBoxLayout;
        m_typical = new QPushButton(m_menuBox);
        m_all = new QPushButton(m_menuBox);
        if (keys.typical) {
            m_typical->setToolTip(QStringLiteral("Typical type"));
            m_all->setToolTip(QStringLiteral("All type"));
            m_typical->setObjectName(QString::fromLatin1(keys.typical));
            m_all->setObjectName(QString::fromLatin1(keys.all));
        }
        buttons->addWidget(m_typical);
        buttons->addWidget(m_all);
        menuLayout->addLayout(buttons);
        connect(m_typical, &QPushButton::clicked, this, &SectionPage::typicalType);
        connect(m_all, &QPushButton::clicked, this, &SectionPage::allType);
    }
    m_menuBox->setFixedWidth(MenuBoxWidth);
}

// The data box: a caption and a field per dimension, the U arrangement and To List.
void SectionPage::buildDataBox(SectionKind kind)
{
    const int index = static_cast<int>(kind);
    const TabKeys keys = tabKeys(kind);
    m_dataBox = new QGroupBox(this);
    auto* dataLayout = new QVBoxLayout(m_dataBox);
    int fieldIndex = 0;
    for (const FieldLayout& layout : fieldLayouts(kind)) {
        auto* caption = new QLabel(QString::fromLatin1(layout.caption), m_dataBox);
        if (layout.objectName)
            caption->setObjectName(QString::fromLatin1(layout.objectName));
        // The captions the translation table has no row for are the program's own.
        if (!layout.objectName || QByteArray(layout.objectName).startsWith("LField"))
            m_ownCaptions.emplace_back(caption, layout.caption);
        auto* edit = new QLineEdit(m_dataBox);
        edit->setMaxLength(DimensionFieldMaxLength);
        edit->setObjectName(QStringLiteral("Field%1_%2").arg(index).arg(fieldIndex));
        dataLayout->addWidget(caption);
        dataLayout->addWidget(edit);
        m_fields.push_back(edit);
        const int i = fieldIndex++;
        connect(edit, &QLineEdit::textChanged, this, [this, i] { onFieldEdited(i); });
    }
    const QStringList texts = startTexts(kind);
    for (int i = 0; i < texts.size() && i < fieldCount(); ++i) {
        const QSignalBlocker block(m_fields[std::size_t(i)]);
        m_fields[std::size_t(i)]->setText(texts[i]);
    }
    if (kind == SectionKind::U) {
        // The arrangement boxes behave as one choice; a ticked box stays ticked.
        m_arrangement = new QButtonGroup(m_dataBox);
        m_arrangement->setExclusive(true);
        const char* captions[3] = {"U", "2 x U []", "2 x U ]["};
        for (int i = 0; i < 3; ++i) {
            auto* box = new QCheckBox(QString::fromLatin1(captions[i]), m_dataBox);
            box->setObjectName(QStringLiteral("UArrangement%1").arg(i));
            box->setEnabled(false);
            m_arrangement->addButton(box, i);
            dataLayout->addWidget(box);
        }
        m_arrangement->button(0)->setChecked(true);
        connect(m_arrangement, &QButtonGroup::idClicked, this, &SectionPage::arrangementChanged);
    }
    dataLayout->addStretch();
    m_toList = new QPushButton(QStringLiteral("To List"), m_dataBox);
    if (keys.toList)
        m_toList->setObjectName(QString::fromLatin1(keys.toList));
    m_toList->setEnabled(false);
    connect(m_toList, &QPushButton::clicked, this, &SectionPage::toListClicked);
    retranslate();
    dataLayout->addWidget(m_toList);
    m_dataBox->setFixedWidth(DataBoxWidth);
}

// The features box: the picture and the results panel.
void SectionPage::buildFeaturesBox(SectionKind kind)
{
    auto* featuresLayout =
        captionedBox(m_featuresBox, FeaturesBoxCaptions[static_cast<int>(kind)], tabKeys(kind).featuresBox);
    featuresLayout->setContentsMargins(4, 2, 4, 4);
    featuresLayout->setSpacing(2);
    auto* frame = new QFrame(m_featuresBox);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(1);
    frame->setFixedSize(242, 162);
    m_picture = new QLabel(frame);
    m_picture->setGeometry(QRect(QPoint(1, 1), SectionPictureSize));
    m_picture->setPixmap(QPixmap::fromImage(sectionPicture(pictureFor(kind))));
    featuresLayout->addWidget(frame, 0, Qt::AlignHCenter);
    m_results = new ResultsPanelView(m_featuresBox);
    // The picture and the panel keep their size; a small window scrolls.
    m_results->setMinimumSize(m_results->sizeHint());
    featuresLayout->addWidget(m_results);
    m_featuresBox->setFixedWidth(FeaturesBoxWidth);
}

SectionPage::SectionPage(SectionKind kind, QWidget* parent) : QWidget(parent), m_kind(kind)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 2, 0, 2);
    buildMenuBox(kind);
    row->addWidget(m_menuBox);
    buildDataBox(kind);
    row->addWidget(m_dataBox);
    buildFeaturesBox(kind);
    row->addWidget(m_featuresBox);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, &SectionPage::treeChanged);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &SectionPage::entryActivated);
    if (holdsOffKeys(kind)) {
        m_tree->installEventFilter(this);
        m_tree->viewport()->installEventFilter(this);
    }
}

QStringList SectionPage::fieldTexts() const
{
    QStringList texts;
    for (const QLineEdit* f : m_fields)
        texts << f->text();
    return texts;
}

int SectionPage::arrangementChoice() const
{
    return m_arrangement ? m_arrangement->checkedId() : 0;
}

QString SectionPage::selectedEntry() const
{
    // The entry's own text, whatever language the tree shows.
    return menuLookupText(m_tree->currentItem());
}

void SectionPage::selectDefaultRow(int row)
{
    if (m_tree->currentItem() || m_tree->topLevelItemCount() <= row)
        return;
    const QSignalBlocker block(m_tree);
    m_tree->setCurrentItem(m_tree->topLevelItem(row));
}

void SectionPage::showSelection()
{
    if (QTreeWidgetItem* item = m_tree->currentItem())
        m_tree->scrollToItem(item);
    m_tree->setFocus();
}

void SectionPage::onFieldEdited(int index)
{
    if (m_rendering > 0)
        return;
    QLineEdit* edit = m_fields[std::size_t(index)];
    if (m_kind == SectionKind::Plate) {
        // Plate lengths are whole millimetres; an empty field reads "0".
        QString text = edit->text();
        for (int i = 0; i < text.size(); ++i)
            if (!text[i].isDigit() || text[i].unicode() > 127) {
                text.remove(i, 1);
                QApplication::beep();
                break;
            }
        const bool standIn = text.isEmpty();
        if (standIn)
            text = QStringLiteral("0");
        if (text != edit->text()) {
            edit->setText(text); // runs this change again with the clean text
            // The stand-in stays selected: the next digit replaces it.
            if (standIn)
                edit->selectAll();
            return;
        }
        emit fieldChanged(index);
        return;
    }
    const QString filtered = filterDimensionText(edit->text());
    if (filtered != edit->text()) {
        const bool standIn = dimensionStandIn(edit->text());
        edit->setText(filtered);
        if (standIn)
            edit->selectAll();
        return;
    }
    emit fieldChanged(index);
}

void SectionPage::render(const TabResult& result)
{
    m_results->setPanel(result.panel);
    if (result.dataCaption)
        m_dataBox->setTitle(*result.dataCaption);
    if (result.fieldTexts) {
        ++m_rendering;
        for (int i = 0; i < result.fieldTexts->size() && i < fieldCount(); ++i)
            if (!result.fieldTexts->at(i).isNull())
                m_fields[std::size_t(i)]->setText(result.fieldTexts->at(i));
        --m_rendering;
    }
    if (result.fieldsEnabled) {
        for (QLineEdit* f : m_fields)
            f->setEnabled(*result.fieldsEnabled);
        if (m_arrangement)
            for (QAbstractButton* b : m_arrangement->buttons())
                b->setEnabled(*result.fieldsEnabled);
    }
    m_pictureVariant = result.pictureVariant;
    m_toList->setEnabled(result.toListEnabled);
}

void SectionPage::setPicture(const QImage& image)
{
    m_picture->setPixmap(QPixmap::fromImage(image));
}

void SectionPage::typicalType()
{
    m_tree->collapseAll();
    if (m_tree->topLevelItemCount() == 0)
        return;
    {
        const QSignalBlocker block(m_tree);
        m_tree->setCurrentItem(m_tree->topLevelItem(0));
    }
    m_tree->scrollToItem(m_tree->topLevelItem(0));
    emit treeChanged();
    m_tree->setFocus();
}

void SectionPage::allType()
{
    m_tree->expandAll();
    if (m_tree->topLevelItemCount() == 0)
        return;
    m_tree->setCurrentItem(m_tree->topLevelItem(0));
    m_tree->scrollToItem(m_tree->topLevelItem(0));
    m_tree->setFocus();
}

bool SectionPage::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == m_tree && (type == QEvent::KeyPress || type == QEvent::KeyRelease)) {
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
            if (type == QEvent::KeyPress)
                emit holdOffStarted();
            else
                emit holdOffEnded();
        }
    } else if (watched == m_tree && type == QEvent::FocusOut) {
        emit holdOffEnded();
    } else if (watched == m_tree->viewport() && type == QEvent::MouseButtonPress) {
        // A selection made with the mouse always computes.
        emit holdOffEnded();
    }
    return QWidget::eventFilter(watched, event);
}

void SectionPage::retranslate()
{
    if (m_typical) {
        m_typical->setText(tr("Typical"));
        m_all->setText(tr("All"));
    }
    for (const auto& [label, caption] : m_ownCaptions)
        label->setText(tr(caption));
    // The plate tab's button has no row of the table.
    if (m_toList->objectName().isEmpty())
        m_toList->setText(tr("To List"));
}
