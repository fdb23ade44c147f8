#pragma once

#include "prompter.h"
#include "settings/message_table.h"
#include "settings/temporary_folder.h"

#include <QDialog>
#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class FileAssociation;

// "Settings....": the job-file association, the temporary folder and the
// language. The window owns the TemporaryFolder; the language it only
// stores and announces.
class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    // Asks its questions through `prompter`, which outlives the window.
    SettingsWindow(const MessageTable& messages, Prompter& prompter, QWidget* parent = nullptr);
    ~SettingsWindow() override;

    // All fixed texts: the labels, the buttons and the message boxes.
    void retranslate(const MessageTable& messages);
    // The caption is the main menu's "Settings...." entry, the exit button
    // the main window's exit hint; both follow the language too.
    void setCaptions(const QString& caption, const QString& exitText);

    // The language list position (0 English, 1 Hungarian, 2 Dutch). Setting
    // it does not announce it.
    void setLanguage(int language);
    int language() const;
    void setTemporaryFolder(const QString& path);
    const TemporaryFolder& temporaryFolder() const { return m_folder; }

    // The association "Assign" writes (not owned; the desktop's by default)
    // and the program it names.
    void setFileAssociation(FileAssociation* association) { m_association = association; }
    void setProgramPath(const QString& path) { m_programPath = path; }


    // "Assign" and "Browse...".
    void assign();
    void browse();

    QLabel* associationLabel() const { return m_associationLabel; }
    QPushButton* assignButton() const { return m_assign; }
    QLabel* folderCaption() const { return m_folderCaption; }
    QLabel* folderLabel() const { return m_folderLabel; }
    QPushButton* browseButton() const { return m_browse; }
    QLabel* languageCaption() const { return m_languageCaption; }
    QListWidget* languageList() const { return m_languages; }
    QPushButton* exitButton() const { return m_exit; }

signals:
    // The user chose a language in the list.
    void languageChosen(int language);
    // "Browse..." took a new folder.
    void temporaryFolderChanged(const QString& path);

private:
    Prompter& m_prompter;
    MessageTable m_messages;
    TemporaryFolder m_folder;
    std::unique_ptr<FileAssociation> m_desktopAssociation;
    FileAssociation* m_association = nullptr;
    QString m_programPath;
    bool m_settingLanguage = false;

    QLabel* m_associationLabel = nullptr;
    QPushButton* m_assign = nullptr;
    QLabel* m_folderCaption = nullptr;
    QLabel* m_folderLabel = nullptr;
    QPushButton* m_browse = nullptr;
    QLabel* m_languageCaption = nullptr;
    QListWidget* m_languages = nullptr;
    QPushButton* m_exit = nullptr;
};
