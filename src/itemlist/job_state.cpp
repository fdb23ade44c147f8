#include "itemlist/job_state.h"

#include "itemlist/units_apply.h"
#include "sections/material.h"
#include "settings/language_texts.h"

namespace {
// The material lists and stresses are saved with the job; the chosen texts
// of the boxes are not.
bool sameSavedMaterials(const MaterialTexts& a, const MaterialTexts& b)
{
    return a.eItems == b.eItems && a.densityItems == b.densityItems && a.tensile == b.tensile &&
           a.pressure == b.pressure;
}

bool sameMaterials(const MaterialTexts& a, const MaterialTexts& b)
{
    return sameSavedMaterials(a, b) && a.eModulus == b.eModulus && a.density == b.density &&
           a.poisson == b.poisson && a.poissonItems == b.poissonItems;
}

// The built-in materials are the first eight items of a list; their names
// follow the language, a typed item keeps its text.
void renameMaterials(QStringList& items, QString& text, const MessageTable& messages)
{
    for (int j = 0; j < items.size() && j < 8; ++j)
        items[j] = materialEntryText(j, items[j], messages);
    if (!items.isEmpty())
        text = items.first();
}
} // namespace

MaterialTexts defaultMaterialTexts()
{
    MaterialTexts m;
    m.eItems = eModulusItems();
    m.densityItems = densityItems();
    m.poissonItems = poissonItems();
    m.eModulus = m.eItems.value(0);
    m.density = m.densityItems.value(0);
    m.poisson = m.poissonItems.value(0);
    m.tensile = QStringLiteral("300");
    m.pressure = QStringLiteral("-300");
    return m;
}

MaterialTexts reexpressMaterials(const MaterialTexts& materials, const UnitSettings& from, const UnitSettings& to)
{
    MaterialTexts m = materials;
    const auto factor = [&](UnitGroup g) { return unitFactor(g, from.choice(g), to.choice(g)); };
    const auto reexpress = [](QStringList& items, QString& text, long double f, ListNumberStyle style) {
        for (QString& item : items)
            item = reexpressListText(item, f, style);
        text = reexpressListText(text, f, style);
    };
    reexpress(m.eItems, m.eModulus, factor(UnitGroup::EModulus), ListNumberStyle::Whole);
    reexpress(m.densityItems, m.density, factor(UnitGroup::Density), ListNumberStyle::Density);
    m.tensile = reexpressStress(m.tensile, factor(UnitGroup::Stress), false);
    m.pressure = reexpressStress(m.pressure, factor(UnitGroup::Stress), true);
    return m;
}

QString proposedJobFileName(const QString& jobName, const QString& jobFile)
{
    if (!jobFile.isEmpty())
        return jobFile;
    QString name = jobName.trimmed();
    for (QChar& c : name)
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    // "." and ".." name folders, not files.
    if (name.isEmpty() || name.count(QLatin1Char('.')) == name.size())
        name = QStringLiteral("Noname");
    return name + QStringLiteral(".mvn");
}

JobState::JobState(QObject* parent) : QObject(parent), m_materials(defaultMaterialTexts()) {}

void JobState::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void JobState::listEdited()
{
    setModified(true);
    emit listChanged();
}

void JobState::startNew(const QString& name)
{
    m_list.clear();
    m_name = name;
    m_fileName.clear();
    setModified(false);
    emit listChanged();
    emit nameChanged();
}

void JobState::load(const JobFile& job, const QString& path)
{
    const UnitSettings previous = m_units;
    m_list.clear();
    for (const ListRow& row : job.rows)
        m_list.put(m_list.nextListRow(), row);
    m_name = job.name;
    m_fileName = path;
    m_units = job.units;
    m_unitsApplied = true;
    // The unit-dependent cells are written again from the stored values.
    reexpressRows(m_list, m_units);
    m_limits = job.limits;
    m_materials.eItems = job.eItems;
    m_materials.eModulus = job.eItems.value(0);
    m_materials.densityItems = job.densityItems;
    m_materials.density = job.densityItems.value(0);
    m_materials.tensile = job.tensile;
    m_materials.pressure = job.pressure;
    setModified(false);
    emit jobReplaced(previous);
}

void JobState::setUnits(const UnitSettings& units)
{
    const UnitSettings from = m_units;
    if (units.digits() == from.digits())
        return;
    m_units = units;
    m_unitsApplied = true;
    reexpressRows(m_list, units);
    m_limits.reexpress(from, units);
    m_materials = reexpressMaterials(m_materials, from, units);
    setModified(true);
    emit unitsChanged(from, units);
}

void JobState::limitsEdited()
{
    setModified(true);
    emit limitsChanged();
}

void JobState::setMaterials(const MaterialTexts& materials)
{
    if (sameMaterials(materials, m_materials))
        return;
    const bool saved = sameSavedMaterials(materials, m_materials);
    m_materials = materials;
    if (!saved)
        setModified(true);
    emit materialsChanged();
}

void JobState::setMessages(const MessageTable& messages)
{
    m_messages = messages;
    renameMaterials(m_materials.eItems, m_materials.eModulus, messages);
    renameMaterials(m_materials.densityItems, m_materials.density, messages);
    renameMaterials(m_materials.poissonItems, m_materials.poisson, messages);
    emit languageChanged();
}

void JobState::setName(const QString& name)
{
    if (name == m_name)
        return;
    m_name = name;
    setModified(true);
    emit nameChanged();
}

void JobState::saved(const QString& path)
{
    m_fileName = path;
    setModified(false);
    emit nameChanged();
}
