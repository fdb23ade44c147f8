#pragma once

#include "prompter.h"
#include "settings/language_texts.h"
#include "settings/translation_table.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class TranslationGridModel;

// "Translation....": the translation table as a grid, the language list with
// "My Translate", "Test", load and save of the user column, and the
// programmer mode (after the unlock key) that edits, loads and saves the whole
// table. Not modal. Only the "My Translate" column is editable outside
// programmer mode.
class TranslationWindow : public QDialog {
    Q_OBJECT
public:
    // Asks its questions through `prompter`, which outlives the window.
    TranslationWindow(const MessageTable& messages, Prompter& prompter, QWidget* parent = nullptr);
    ~TranslationWindow() override;


    // Called with the texts of the chosen language (position in the list,
    // 3 for "My Translate") to apply them to the program.
    std::function<void(int position, const LanguageTexts& texts)> applyLanguage;

    const TranslationTable& table() const { return m_table; }
    TranslationTable& table() { return m_table; }
    bool programmerMode() const { return m_programmer; }
    int languagePosition() const;
    // The column the last Apply took its texts from.
    int activeColumn() const { return m_activeColumn; }

    // Selects the language in the list and applies it: English, Hungarian and
    // Dutch from their columns, "My Translate" as "Test" does.
    void chooseLanguage(int position);
    // "Test": the scratch column gets "My Translate", English where that is
    // empty, and is applied.
    void test();
    bool saveUserColumn();
    bool loadUserColumn();
    // "Programmer": asks for the unlock key.
    void unlock();
    bool saveTable();
    bool loadTable();
    void deleteSelectedRow();
    void insertRowAtSelection();
    void appendRow();
    void changeColumnCount();
    // The grid's selected table row (1..), or 0.
    int selectedRow() const;
    void selectRow(int row);

    void retranslate(const MessageTable& messages);
    // The hints of the two file buttons, from the main menu's texts.
    void setFileHints(const QString& load, const QString& save);

    QTableView* grid() const { return m_grid; }
    QComboBox* languageList() const { return m_languages; }
    QPushButton* button(const QString& objectName) const;

private:
    Prompter& m_prompter;
    void showMessage(const QString& text);
    QString askSaveFile(const QString& proposed);
    bool saveAs(const QString& proposed, const QByteArray& bytes);
    QString askOpenFile();
    void gridChanged();
    QString failedSaveText(const QString& path) const;
    static bool writeFile(const QString& path, const QByteArray& bytes);

    TranslationTable m_table;
    MessageTable m_messages;
    TranslationGridModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    QComboBox* m_languages = nullptr;
    QLabel* m_request = nullptr;
    QPushButton* m_test = nullptr;
    QPushButton* m_loadMine = nullptr;
    QPushButton* m_saveMine = nullptr;
    QPushButton* m_programmerButton = nullptr;
    std::vector<QPushButton*> m_programmerButtons;
    bool m_programmer = false;
    int m_activeColumn = TranslationTable::EnglishColumn;
};
