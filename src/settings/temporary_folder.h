#pragma once

#include <QString>

class MessageTable;

// The folder the report writes its files to, with its "info.txt" note.
class TemporaryFolder {
public:
    TemporaryFolder() = default;
    explicit TemporaryFolder(const QString& path) : m_path(path) {}

    // The path exactly as stored: no separator is added or removed.
    const QString& path() const { return m_path; }
    void setPath(const QString& path) { m_path = path; }

    // "Browse...": writes the note of a newly chosen folder into it and then
    // takes the folder. On failure the folder stays as it was and the result
    // is false (the caller shows temporaryFolderWarning).
    bool take(const QString& folder, const MessageTable& messages);

    // Before a report: makes sure the folder exists (creating one level) and
    // writes its note: the title line when the folder was there, the credit
    // line when it was created now. False when either fails.
    bool prepare(const MessageTable& messages) const;

    // "temp" beside the program when that folder exists and can be written,
    // or can be created there; otherwise "morvane" in the user's cache
    // folder, created when missing.
    static QString defaultPath(const QString& programFolder, const QString& cacheFolder);
    // The same for this program: its own folder and the user's cache folder.
    static QString defaultPath();

private:
    QString m_path;
};

enum class FolderNote {
    Existing, // "Morvane " + title + version
    Created,  // "Morvane / " + "Written by" + credit
};

// The two lines of "info.txt", each ended by CR LF.
QString folderNoteText(const QString& folder, FolderNote kind, const MessageTable& messages);
// Writes "info.txt" into the folder (which must exist) in one step.
bool writeFolderNote(const QString& folder, FolderNote kind, const MessageTable& messages);

// Messages 142, 143 and 144 on three lines.
QString temporaryFolderWarning(const MessageTable& messages);
