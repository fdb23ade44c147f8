#include "translationwindow.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include "base/save_file.h"
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString FileFilter = QStringLiteral("Translation *.lng (*.lng)");
const QString UnlockKey = QStringLiteral("kovu");
} // namespace

// The table as the grid shows it: row 0 of the table is the header.
class TranslationGridModel : public QAbstractTableModel {
public:
    TranslationGridModel(TranslationTable& table, const bool& programmer, QObject* parent)
        : QAbstractTableModel(parent), m_table(table), m_programmer(programmer)
    {
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : std::max(0, m_table.rowCount() - 1);
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : m_table.columnCount();
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        return m_table.cell(index.row() + 1, index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Horizontal)
            return m_table.cell(0, section);
        return section + 1;
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        Qt::ItemFlags f = QAbstractTableModel::flags(index);
        if (m_programmer || index.column() == m_table.userColumn())
            f |= Qt::ItemIsEditable;
        return f;
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
            return false;
        // A cell is one line of the files.
        QString text = value.toString();
        text.remove(QLatin1Char('\r'));
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        m_table.setCell(index.row() + 1, index.column(), text);
        emit dataChanged(index, index);
        return true;
    }
    void reset()
    {
        beginResetModel();
        endResetModel();
    }

private:
    TranslationTable& m_table;
    const bool& m_programmer;
};

TranslationWindow::TranslationWindow(const MessageTable& messages, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_table(TranslationTable::builtInGrid()), m_messages(messages)
{
    setObjectName(QStringLiteral("TranslationWindow"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    m_languages = new QComboBox(this);
    m_languages->setObjectName(QStringLiteral("LanguageList"));
    m_languages->addItems(languageListNames());
    top->addWidget(m_languages);
    const auto addButton = [&](QHBoxLayout* row, const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        row->addWidget(b);
        return b;
    };
    m_test = addButton(top, "TestButton", QString());
    m_loadMine = addButton(top, "LoadMine", QString());
    m_saveMine = addButton(top, "SaveMine", QString());
    m_programmerButton = addButton(top, "ProgrammerButton", QString());
    top->addStretch();
    layout->addLayout(top);

    m_model = new TranslationGridModel(m_table, m_programmer, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("TranslationGrid"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    m_grid->verticalHeader()->hide();
    layout->addWidget(m_grid, 1);

    auto* programmerRow = new QHBoxLayout;
    for (const auto& [name, text] : {std::pair{"LoadTable", "Load"}, std::pair{"SaveTable", "Save"},
                                     std::pair{"DeleteRow", "Delete"}, std::pair{"InsertRow", "Insert"},
                                     std::pair{"AppendRow", "+ Row"}, std::pair{"ChangeColumns", "+/- Col"}}) {
        QPushButton* b = addButton(programmerRow, name, QString::fromLatin1(text));
        b->setEnabled(false);
        m_programmerButtons.push_back(b);
    }
    programmerRow->addStretch();
    layout->addLayout(programmerRow);
    m_request = new QLabel(this);
    m_request->setObjectName(QStringLiteral("RequestLine"));
    m_request->setWordWrap(true);
    layout->addWidget(m_request);

    connect(m_languages, &QComboBox::activated, this, &TranslationWindow::chooseLanguage);
    connect(m_test, &QPushButton::clicked, this, &TranslationWindow::test);
    connect(m_loadMine, &QPushButton::clicked, this, &TranslationWindow::loadUserColumn);
    connect(m_saveMine, &QPushButton::clicked, this, &TranslationWindow::saveUserColumn);
    connect(m_programmerButton, &QPushButton::clicked, this, &TranslationWindow::unlock);
    connect(button(QStringLiteral("LoadTable")), &QPushButton::clicked, this, &TranslationWindow::loadTable);
    connect(button(QStringLiteral("SaveTable")), &QPushButton::clicked, this, &TranslationWindow::saveTable);
    connect(button(QStringLiteral("DeleteRow")), &QPushButton::clicked, this, &TranslationWindow::deleteSelectedRow);
    connect(button(QStringLiteral("InsertRow")), &QPushButton::clicked, this,
            &TranslationWindow::insertRowAtSelection);
    connect(button(QStringLiteral("AppendRow")), &QPushButton::clicked, this, &TranslationWindow::appendRow);
    connect(button(QStringLiteral("ChangeColumns")), &QPushButton::clicked, this,
            &TranslationWindow::changeColumnCount);

    setFileHints(QStringLiteral("Load input"), QStringLiteral("Save input"));
    gridChanged();
    retranslate(messages);
    resize(760, 480);
}

TranslationWindow::~TranslationWindow() = default;

QPushButton* TranslationWindow::button(const QString& objectName) const
{
    return findChild<QPushButton*>(objectName);
}

void TranslationWindow::retranslate(const MessageTable& m)
{
    m_messages = m;
    setWindowTitle(m(Msg::Translation));
    m_test->setText(m(Msg::Test));
    m_programmerButton->setText(m(Msg::Programmer));
    m_request->setText(m(Msg::SendTranslation));
    m_loadMine->setText(tr("Load..."));
    m_saveMine->setText(tr("Save..."));
}

void TranslationWindow::setFileHints(const QString& load, const QString& save)
{
    m_loadMine->setToolTip(load);
    m_saveMine->setToolTip(save);
    button(QStringLiteral("LoadTable"))->setToolTip(load);
    button(QStringLiteral("SaveTable"))->setToolTip(save);
}

void TranslationWindow::gridChanged()
{
    m_model->reset();
    // Widths 30 and 100, then 150 for the language columns; the scratch
    // column is there but takes no room.
    for (int c = 0; c < m_table.columnCount(); ++c) {
        const int width = c == 0 ? 30 : c == 1 ? 100 : 150;
        m_grid->setColumnHidden(c, false);
        m_grid->setColumnWidth(c, width);
    }
    if (m_table.columnCount() > 2)
        m_grid->setColumnHidden(m_table.scratchColumn(), true);
}

int TranslationWindow::languagePosition() const
{
    return m_languages->currentIndex();
}

void TranslationWindow::chooseLanguage(int position)
{
    if (position == int(Language::MyTranslate)) {
        test();
        return;
    }
    position = std::clamp(position, 0, BuiltInLanguageCount - 1);
    {
        const QSignalBlocker block(m_languages);
        m_languages->setCurrentIndex(position);
    }
    m_activeColumn = languageColumn(position);
    if (applyLanguage)
        applyLanguage(position, languageTexts(m_table, m_activeColumn));
}

void TranslationWindow::test()
{
    m_activeColumn = m_table.fillScratchColumn();
    {
        const QSignalBlocker block(m_languages);
        m_languages->setCurrentIndex(int(Language::MyTranslate));
    }
    if (applyLanguage)
        applyLanguage(int(Language::MyTranslate), languageTexts(m_table, m_activeColumn));
}

QString TranslationWindow::failedSaveText(const QString& path) const
{
    return m_messages(Msg::WriteError) + path + QLatin1Char('\n') + m_messages(Msg::RemoveWriteProtection);
}

bool TranslationWindow::writeFile(const QString& path, const QByteArray& bytes)
{
    return saveWholeFile(path, bytes);
}

void TranslationWindow::showMessage(const QString& text)
{
    m_prompter.showWarning(this, windowTitle(), text);
}

QString TranslationWindow::askSaveFile(const QString& proposed)
{
    return m_prompter.askSaveFileName(this, {windowTitle(), proposed, FileFilter, QStringLiteral("lng")});
}

QString TranslationWindow::askOpenFile()
{
    return m_prompter.askOpenFileName(this, {windowTitle(), QString(), FileFilter, QString()});
}

bool TranslationWindow::saveAs(const QString& proposed, const QByteArray& bytes)
{
    const QString path = askSaveFile(proposed);
    if (path.isEmpty())
        return false;
    if (!writeFile(path, bytes)) {
        showMessage(failedSaveText(path));
        return false;
    }
    return true;
}

bool TranslationWindow::saveUserColumn()
{
    return saveAs(QStringLiteral("mytranslate.lng"), writeUserColumn(m_table));
}

bool TranslationWindow::loadUserColumn()
{
    const QString path = askOpenFile();
    if (path.isEmpty())
        return false;
    const auto bytes = readWholeFile(path, TranslationFileMaxBytes);
    if (!bytes) {
        showMessage(m_messages(Msg::WrongData));
        return false;
    }
    const UserColumnRead read = readUserColumn(*bytes);
    if (!read.error.isEmpty()) {
        showMessage(m_messages(Msg::WrongData));
        return false;
    }
    applyUserColumn(m_table, read);
    gridChanged();
    return true;
}

void TranslationWindow::unlock()
{
    if (m_programmer)
        return;
    const TextQuestion question{QStringLiteral("Input Box"), QStringLiteral("Unlock key :"), QString(),
                                QLineEdit::Password};
    if (m_prompter.askText(this, question).value_or(QString()) != UnlockKey)
        return;
    m_programmer = true;
    for (QPushButton* b : m_programmerButtons)
        b->setEnabled(true);
    m_grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
}

bool TranslationWindow::saveTable()
{
    return m_programmer && saveAs(QStringLiteral("translate.lng"), writeWholeTable(m_table));
}

bool TranslationWindow::loadTable()
{
    if (!m_programmer)
        return false;
    const QString path = askOpenFile();
    if (path.isEmpty())
        return false;
    QString error;
    const auto bytes = readWholeFile(path, TranslationFileMaxBytes, &error);
    if (!bytes) {
        showMessage(error);
        return false;
    }
    const WholeTableRead read = readWholeTable(*bytes);
    if (read.table) {
        m_table = *read.table;
        gridChanged();
    }
    if (!read.error.isEmpty())
        showMessage(read.error);
    return read.error.isEmpty();
}

int TranslationWindow::selectedRow() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void TranslationWindow::selectRow(int row)
{
    m_grid->setCurrentIndex(m_model->index(row - 1, 0));
}

void TranslationWindow::deleteSelectedRow()
{
    const int row = selectedRow();
    if (!m_programmer || row <= 0)
        return;
    m_table.deleteRow(row);
    m_table.renumber();
    gridChanged();
    selectRow(std::min(row, m_table.rowCount() - 1));
}

void TranslationWindow::insertRowAtSelection()
{
    const int row = selectedRow();
    if (!m_programmer || row <= 0)
        return;
    if (m_prompter.askYesNo(this, windowTitle(), QStringLiteral("Insert (%1) selected row ?").arg(row)) != Answer::Yes)
        return;
    m_table.insertRow(row);
    m_table.renumber();
    gridChanged();
    selectRow(row);
}

void TranslationWindow::appendRow()
{
    if (!m_programmer)
        return;
    m_table.setRowCount(m_table.rowCount() + 1);
    gridChanged();
}

void TranslationWindow::changeColumnCount()
{
    if (!m_programmer)
        return;
    const Answer answer = m_prompter.askYesNoCancel(
        this, windowTitle(), QString::fromUtf8("N\xc3\xb6veljem az oszlopok sz\xc3\xa1m\xc3\xa1t ?"), std::nullopt);
    if (answer == Answer::Cancel)
        return;
    m_table.setColumnCount(m_table.columnCount() + (answer == Answer::Yes ? 1 : -1));
    gridChanged();
}
