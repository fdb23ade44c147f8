#pragma once

// Reading printed PDF files back with the poppler tools (pdfinfo, pdftotext);
// shared by the print tests and the print command's tests.
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

inline bool havePoppler()
{
    return !QStandardPaths::findExecutable("pdfinfo").isEmpty() && !QStandardPaths::findExecutable("pdftotext").isEmpty();
}

// What the program writes to standard output.
inline QString toolOutput(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int pdfPages(const QString& file)
{
    for (const QString& line : toolOutput("pdfinfo", {file}).split('\n'))
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    return -1;
}

// The text of one page (or of all when page is 0), laid out as printed or
// in reading order.
inline QString pdfText(const QString& file, int page = 0, bool layout = true)
{
    QStringList args;
    if (layout)
        args << "-layout";
    if (page > 0)
        args << "-f" << QString::number(page) << "-l" << QString::number(page);
    return toolOutput("pdftotext", args << file << "-");
}
