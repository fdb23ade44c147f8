#pragma once

#include <array>
#include <cstddef>

// The choices the report generator and the print preview share: one instance
// lives for the whole run, and both windows show and change the same values.
struct ReportOptions {
    // Visible-column items in the order the report window lists them; item k
    // switches item-list column k + 3 on or off (E modulus, density, area and
    // weight, moments of inertia, Kx, Ky, torsion, Poisson, the two stresses).
    static constexpr int VisibleColumnCount = 9;

    bool pictures = true;
    int imageSizePercent = 40;  // 25..100
    int measureFontSize = 8;    // 5..25
    int dataFontSize = 8;       // 5..25
    std::array<bool, VisibleColumnCount> visibleColumns{true, true, true, true, true, true, true, true, true};

    bool columnVisible(int listColumn) const
    {
        if (listColumn == 0 || listColumn == 2)
            return true;
        if (listColumn < 3 || listColumn > 11)
            return false;
        return visibleColumns[static_cast<std::size_t>(listColumn - 3)];
    }

    friend bool operator==(const ReportOptions&, const ReportOptions&) = default;
};
