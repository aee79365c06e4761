// The 65 sensitivity steps, 100 to 6500 DPI, with the device code of each step in the
// two firmware variants (releases up to 0x1502, and later ones), its four-character
// label and where the step stands on the configuration dialog's chart.
#pragma once

#include <string>

namespace vardex {

class CSensitivityTable {
public:
    static constexpr int kRows = 65;

    explicit CSensitivityTable(bool laterRelease = false) : m_LaterRelease(laterRelease) {}
    static CSensitivityTable ForRelease(unsigned release) { return CSensitivityTable(release > 0x1502); }

    int Code(int row) const;
    // " 100" ... "6500"
    static std::wstring Label(int row);
    // The chart: the thresholds of a row, and where its marker stands (7 pixels less).
    static int X1(int row);
    static int Y1(int row);
    static int X2(int row) { return X1(row) - 7; }
    static int Y2(int row) { return Y1(row) - 7; }
    // The first row whose code is at least code; the last row for a code above all.
    int RowOfCode(int code) const;
    int TopCode() const { return Code(kRows - 1); }

private:
    bool m_LaterRelease;
};

} // namespace vardex
