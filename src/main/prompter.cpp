#include "prompter.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
Answer answerOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

QMessageBox::StandardButton buttonOf(std::optional<Answer> answer)
{
    if (!answer)
        return QMessageBox::NoButton;
    switch (*answer) {
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    case Answer::Cancel: break;
    }
    return QMessageBox::Cancel;
}

QString chosenFile(QFileDialog& dialog)
{
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
} // namespace

void DialogPrompter::showWarning(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::warning(parent, title, text);
}

void DialogPrompter::showInformation(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::information(parent, title, text);
}

Answer DialogPrompter::askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes
               ? Answer::Yes
               : Answer::No;
}

Answer DialogPrompter::askYesNoCancel(QWidget* parent, const QString& title, const QString& text,
                                      std::optional<Answer> preset)
{
    return answerOf(QMessageBox::question(parent, title, text,
                                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                          buttonOf(preset)));
}

std::optional<QString> DialogPrompter::askText(QWidget* parent, const TextQuestion& question)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(question.title);
    dialog.setLabelText(question.prompt);
    dialog.setTextValue(question.initial);
    dialog.setTextEchoMode(question.echo);
    if (auto* edit = dialog.findChild<QLineEdit*>())
        edit->setMaxLength(question.maxLength);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QString DialogPrompter::askOpenFileName(QWidget* parent, const FileQuestion& question)
{
    QFileDialog dialog(parent, question.title, question.proposed, question.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(question.defaultSuffix);
    return chosenFile(dialog);
}

QString DialogPrompter::askSaveFileName(QWidget* parent, const FileQuestion& question)
{
    QFileDialog dialog(parent, question.title, question.proposed, question.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(question.defaultSuffix);
    dialog.selectFile(question.proposed); // an empty name selects nothing
    return chosenFile(dialog);
}

QString DialogPrompter::askFolder(QWidget* parent, const QString& title)
{
    return QFileDialog::getExistingDirectory(parent, title, QString(), QFileDialog::ShowDirsOnly);
}
