#pragma once
#include <windows.h>

#include "framework/Geometry.h"

#include <vector>

class CWinApp;

// Where one bar was when the frame's bar state was saved.
struct BarStateEntry {
    UINT id = 0;
    int visible = 1;
    int floating = 0;
    UINT dockBarId = 0;  // 0: the bar sits straight in the frame (the status bar)
    int row = 0;
    int pos = 0;
    CPoint floatPoint;
};

// What the frame knows of one of its bars when it checks a saved state: its id and the
// sides it may dock at (0: it does not dock).
struct BarStateTarget {
    UINT id = 0;
    DWORD dockSides = 0;
};

// Whether a saved state can be applied as a whole: every entry names a different bar of
// the frame, and its flags, side, row, offset and floating point are in range for that bar.
BOOL IsUsableBarState(const std::vector<BarStateEntry>& entries, const std::vector<BarStateTarget>& bars);

// The state in the application's profile, in the sections "<section>-Summary" (the number
// of bars) and "<section>-Bar<n>". Reading gives FALSE when the summary is missing or out of
// range; a missing value reads as out of range.
void WriteBarState(CWinApp& application, LPCTSTR section, const std::vector<BarStateEntry>& entries);
BOOL ReadBarState(CWinApp& application, LPCTSTR section, std::vector<BarStateEntry>* entries);
