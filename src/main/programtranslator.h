#pragma once

#include <QObject>
#include <QTranslator>

// The translations of the program's own texts (those the translation table
// does not hold: embedded .qm files built from the .ts files of the
// repository) and of Qt's standard buttons and dialogs (the system's qtbase
// translations, when installed), for a language of the settings list.
// English and the user column use neither.
class ProgramTranslator : public QObject {
    Q_OBJECT
public:
    explicit ProgramTranslator(QObject* parent = nullptr);
    ~ProgramTranslator() override;

    // Installs the translators of language `position` (0 English, 1
    // Hungarian, 2 Dutch, anything else none) in place of the present ones;
    // the application then sends every widget a LanguageChange event.
    void use(int position);
    // The language code in use ("hu", "nl"), empty for none.
    QString code() const { return m_code; }
    // Whether Qt's own texts are translated too (qtbase found).
    bool translatesQt() const { return m_qtLoaded; }

private:
    void removeAll();

    QTranslator m_program;
    QTranslator m_qt;
    bool m_programLoaded = false;
    bool m_qtLoaded = false;
    QString m_code;
};
