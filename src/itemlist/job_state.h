#pragma once

#include "itemlist/item_list.h"
#include "itemlist/job_file.h"
#include "itemlist/requirement_limits.h"
#include "settings/message_table.h"
#include "sections/units.h"

#include <QObject>
#include <QString>

// The job the windows show: its list, units for listing, requirement limits,
// the material lists and stress texts of the material bar, the active
// language's messages, the job's name and file, and whether it changed since
// it was last started, loaded or saved. Each change is made here once and
// announced; the windows show what the job holds and re-derive their texts in
// the slots of these signals, so no path leaves a window behind.
class JobState : public QObject {
    Q_OBJECT
public:
    explicit JobState(QObject* parent = nullptr);

    // The list. Callers that change its rows say so with listEdited().
    const ItemList& itemList() const { return m_list; }
    ItemList& itemList() { return m_list; }
    void listEdited();
    // A new, empty job named `name`; units, limits and materials stay.
    void startNew(const QString& name);
    // Takes a whole job read from `path`: list, name, units, limits and
    // material lists at once; announced by jobReplaced.
    void load(const JobFile& job, const QString& path);

    const UnitSettings& units() const { return m_units; }
    // Set once the units were applied: the captions then carry unit texts.
    bool unitsApplied() const { return m_unitsApplied; }
    // New units: the list's cells, the limits and the material texts are
    // re-expressed from the units before, then unitsChanged is announced.
    // Nothing happens when the digits are the same.
    void setUnits(const UnitSettings& units);

    const RequirementLimits& limits() const { return m_limits; }
    // The requirement window edits the limits in place and reports it here.
    RequirementLimits& limits() { return m_limits; }
    void limitsEdited();

    const MaterialTexts& materials() const { return m_materials; }
    void setMaterials(const MaterialTexts& materials);

    const MessageTable& messages() const { return m_messages; }
    // A language's messages; the names of the built-in materials in the
    // material lists follow them.
    void setMessages(const MessageTable& messages);

    const QString& name() const { return m_name; }
    void setName(const QString& name);
    const QString& fileName() const { return m_fileName; }
    // After a save to `path`: the job is unmodified and is that file.
    void saved(const QString& path);

    bool isModified() const { return m_modified; }

signals:
    void listChanged();
    void unitsChanged(const UnitSettings& from, const UnitSettings& to);
    void limitsChanged();
    void materialsChanged();
    void languageChanged();
    void nameChanged();
    // A load replaced the whole job; `previousUnits` are the units the
    // windows' own typed texts are still in.
    void jobReplaced(const UnitSettings& previousUnits);
    void modifiedChanged(bool modified);

private:
    void setModified(bool modified);

    ItemList m_list;
    UnitSettings m_units;
    bool m_unitsApplied = false;
    RequirementLimits m_limits;
    MaterialTexts m_materials;
    MessageTable m_messages = MessageTable::english();
    QString m_name = QStringLiteral("Noname");
    QString m_fileName;
    bool m_modified = false;
};

// The material bar's start texts: the built-in lists with their first items,
// and the default stresses.
MaterialTexts defaultMaterialTexts();
// The material texts re-expressed from one set of units to another: the E
// and density lists and texts and the two stresses, each rewritten in its
// list or stress format (a stress of "300" reads "300.00" afterwards).
MaterialTexts reexpressMaterials(const MaterialTexts& materials, const UnitSettings& from, const UnitSettings& to);

// The file name a save proposes: the file the job was loaded from or saved
// to, else the job's name made safe for a file name (characters that cannot
// stand in a file name on any desktop, or that a file dialog reads as
// quoting, become "_") with ".mvn".
QString proposedJobFileName(const QString& jobName, const QString& jobFile);
