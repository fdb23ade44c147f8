// The user of the window tests: records what the windows show and ask, and
// answers from a script.
#pragma once

#include "prompter.h"

#include <QStringList>

class ScriptedPrompter final : public Prompter {
public:
    QStringList shown;     // warnings and informations, in order
    QStringList questions; // Yes/No and Yes/No/Cancel questions, in order
    Answer answer = Answer::No; // to every question
    // What the input boxes take: nothing means the user cancelled.
    std::optional<QString> text;
    // The file or folder the dialogs give: empty means cancelled.
    QString fileName;
    QString folder;
    FileQuestion lastFileQuestion;

    void showWarning(QWidget*, const QString& title, const QString& message) override { show(title, message); }
    void showInformation(QWidget*, const QString& title, const QString& message) override { show(title, message); }
    Answer askYesNo(QWidget*, const QString& title, const QString& question) override
    {
        const Answer given = next(title, question);
        return given == Answer::Cancel ? Answer::No : given;
    }
    Answer askYesNoCancel(QWidget*, const QString& title, const QString& question, std::optional<Answer>) override
    {
        return next(title, question);
    }
    std::optional<QString> askText(QWidget*, const TextQuestion&) override { return text; }
    QString askOpenFileName(QWidget*, const FileQuestion& question) override { return file(question); }
    QString askSaveFileName(QWidget*, const FileQuestion& question) override { return file(question); }
    QString askFolder(QWidget*, const QString&) override { return folder; }

private:
    void show(const QString&, const QString& message) { shown << message; }
    Answer next(const QString&, const QString& question)
    {
        questions << question;
        return answer;
    }
    QString file(const FileQuestion& question)
    {
        lastFileQuestion = question;
        return fileName;
    }
};
