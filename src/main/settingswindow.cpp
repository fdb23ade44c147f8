#include "settingswindow.h"
#include "enterkey.h"

#include "settings/file_association.h"
#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

SettingsWindow::SettingsWindow(const MessageTable& messages, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_desktopAssociation(std::make_unique<XdgFileAssociation>())
{
    m_association = m_desktopAssociation.get();
    m_programPath = QCoreApplication::applicationFilePath();
    setModal(true);
    setObjectName(QStringLiteral("SettingsWindow"));


    auto* layout = new QGridLayout(this);
    m_associationLabel = new QLabel(this);
    m_associationLabel->setObjectName(QStringLiteral("associationLabel"));
    m_assign = new QPushButton(this);
    m_assign->setObjectName(QStringLiteral("assignButton"));
    layout->addWidget(m_associationLabel, 0, 0, 1, 2);
    layout->addWidget(m_assign, 0, 2);

    m_folderCaption = new QLabel(this);
    m_folderCaption->setObjectName(QStringLiteral("folderCaption"));
    m_folderLabel = new QLabel(this);
    m_folderLabel->setObjectName(QStringLiteral("folderLabel"));
    m_folderLabel->setFrameShape(QFrame::StyledPanel);
    m_folderLabel->setFrameShadow(QFrame::Sunken);
    m_folderLabel->setMinimumWidth(260);
    m_folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_browse = new QPushButton(this);
    m_browse->setObjectName(QStringLiteral("browseButton"));
    layout->addWidget(m_folderCaption, 1, 0);
    layout->addWidget(m_folderLabel, 1, 1);
    layout->addWidget(m_browse, 1, 2);

    m_languageCaption = new QLabel(this);
    m_languageCaption->setObjectName(QStringLiteral("languageCaption"));
    m_languages = new QListWidget(this);
    m_languages->setObjectName(QStringLiteral("languageList"));
    m_languages->addItems(LanguageNames);
    m_languages->setFixedHeight(m_languages->sizeHintForRow(0) * LanguageNames.size() + 2 * m_languages->frameWidth());
    layout->addWidget(m_languageCaption, 2, 0, Qt::AlignTop);
    layout->addWidget(m_languages, 2, 1);

    m_exit = new QPushButton(this);
    m_exit->setObjectName(QStringLiteral("exitButton"));
    layout->addWidget(m_exit, 3, 2);
    makeDefaultButton(m_exit);

    connect(m_assign, &QPushButton::clicked, this, &SettingsWindow::assign);
    connect(m_browse, &QPushButton::clicked, this, &SettingsWindow::browse);
    connect(m_exit, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_languages, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_settingLanguage && row >= 0)
            emit languageChosen(row);
    });

    setLanguage(0);
    setCaptions(QStringLiteral("Settings...."), QStringLiteral("Exit"));
    retranslate(messages);
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::retranslate(const MessageTable& messages)
{
    m_messages = messages;
    m_associationLabel->setText(messages(Msg::AssociateApplication) + QLatin1Char('\n') + messages(Msg::AssociateExtension));
    m_assign->setText(messages(Msg::Assign));
    m_folderCaption->setText(messages(Msg::TemporaryFiles));
    m_browse->setText(messages(Msg::Browse));
    m_languageCaption->setText(messages(Msg::Language));
}

void SettingsWindow::setCaptions(const QString& caption, const QString& exitText)
{
    setWindowTitle(caption);
    m_exit->setText(exitText);
}

void SettingsWindow::setLanguage(int language)
{
    m_settingLanguage = true;
    m_languages->setCurrentRow(language >= 0 && language < m_languages->count() ? language : 0);
    m_settingLanguage = false;
}

int SettingsWindow::language() const
{
    return m_languages->currentRow();
}

void SettingsWindow::setTemporaryFolder(const QString& path)
{
    m_folder.setPath(path);
    m_folderLabel->setText(path);
}

void SettingsWindow::assign()
{
    const AssociationResult result = m_association->assign(m_programPath);
    if (result.ok)
        m_prompter.showInformation(this, windowTitle(), m_messages(Msg::AssociationReady));
    else
        m_prompter.showWarning(this, windowTitle(), associationFailureText(result));
}

void SettingsWindow::browse()
{
    const QString chosen = m_prompter.askFolder(this, m_messages(Msg::TemporaryFiles));
    if (chosen.isEmpty())
        return;
    if (!m_folder.take(chosen, m_messages)) {
        m_prompter.showWarning(this, windowTitle(), temporaryFolderWarning(m_messages));
        return;
    }
    m_folderLabel->setText(m_folder.path());
    emit temporaryFolderChanged(m_folder.path());
}
