#pragma once

#include <QString>

// Opens files the way the desktop does (the help page, the report page).
class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    // Returns false when nothing could be opened; callers that must stay
    // silent about a missing file simply ignore it.
    virtual bool open(const QString& path) = 0;
};

// The desktop's own handler, through QDesktopServices.
class SystemShell final : public DesktopShell {
public:
    bool open(const QString& path) override;
};

// The help page: beside the program in a build, in share/doc/morvane of an
// installed prefix.
QString helpPagePath(const QString& programFolder);
