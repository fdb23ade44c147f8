#include "programtranslator.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {
QString languageCode(int position)
{
    switch (position) {
    case 1: return QStringLiteral("hu");
    case 2: return QStringLiteral("nl");
    default: return {};
    }
}
} // namespace

ProgramTranslator::ProgramTranslator(QObject* parent) : QObject(parent) {}

ProgramTranslator::~ProgramTranslator()
{
    removeAll();
}

void ProgramTranslator::removeAll()
{
    if (m_programLoaded)
        QCoreApplication::removeTranslator(&m_program);
    if (m_qtLoaded)
        QCoreApplication::removeTranslator(&m_qt);
    m_programLoaded = m_qtLoaded = false;
}

void ProgramTranslator::use(int position)
{
    const QString code = languageCode(position);
    if (code == m_code)
        return;
    removeAll();
    m_code = code;
    if (code.isEmpty())
        return;
    // The program's own texts are built in; Qt's come with the system.
    m_programLoaded = m_program.load(QStringLiteral(":/i18n/morvane_") + code + QStringLiteral(".qm")) &&
                      QCoreApplication::installTranslator(&m_program);
    m_qtLoaded = m_qt.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                 QCoreApplication::installTranslator(&m_qt);
}
