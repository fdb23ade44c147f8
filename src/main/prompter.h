// How a window asks the user something: one interface for every window, so
// that the program shows Qt's dialogs and the window tests answer in script.
#pragma once

#include <QLineEdit>
#include <QString>

#include <optional>

class QWidget;

// The answer to a Yes/No or Yes/No/Cancel question (a Yes/No question never
// answers Cancel).
enum class Answer { Yes, No, Cancel };

struct TextQuestion {
    QString title;
    QString prompt;
    QString initial;
    QLineEdit::EchoMode echo = QLineEdit::Normal;
    int maxLength = 32767; // QLineEdit's own limit
};

struct FileQuestion {
    QString title;
    QString proposed; // a file name or path, or empty for the last folder
    QString filter;
    QString defaultSuffix; // added to a name typed without one; empty for none
};

class Prompter {
public:
    virtual ~Prompter() = default;

    virtual void showWarning(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual void showInformation(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual Answer askYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
    // `preset` is the button that Enter presses; none leaves it to the style.
    // Escape and the close box answer Cancel.
    virtual Answer askYesNoCancel(QWidget* parent, const QString& title, const QString& text,
                                  std::optional<Answer> preset) = 0;
    // The text typed, or nothing when the user cancelled.
    virtual std::optional<QString> askText(QWidget* parent, const TextQuestion& question) = 0;
    // The chosen file, or an empty text when the user cancelled.
    virtual QString askOpenFileName(QWidget* parent, const FileQuestion& question) = 0;
    virtual QString askSaveFileName(QWidget* parent, const FileQuestion& question) = 0;
    virtual QString askFolder(QWidget* parent, const QString& title) = 0;
};

// Qt's message boxes, input dialog and file dialogs.
class DialogPrompter final : public Prompter {
public:
    void showWarning(QWidget* parent, const QString& title, const QString& text) override;
    void showInformation(QWidget* parent, const QString& title, const QString& text) override;
    Answer askYesNo(QWidget* parent, const QString& title, const QString& text) override;
    Answer askYesNoCancel(QWidget* parent, const QString& title, const QString& text,
                          std::optional<Answer> preset) override;
    std::optional<QString> askText(QWidget* parent, const TextQuestion& question) override;
    QString askOpenFileName(QWidget* parent, const FileQuestion& question) override;
    QString askSaveFileName(QWidget* parent, const FileQuestion& question) override;
    QString askFolder(QWidget* parent, const QString& title) override;
};
