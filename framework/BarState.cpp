#include "framework/BarState.h"

#include "framework/CString.h"
#include "framework/ControlBar.h"
#include "framework/WinApp.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int kMaxBars = 256;
constexpr int kMaxRows = 64;
constexpr int kMaxOffset = 32767;
// Floating points beyond this are not a screen anyone has.
constexpr int kMaxScreenCoordinate = 32000;

CString SummarySection(LPCTSTR section)
{
    return CString(section) + "-Summary";
}

CString BarSection(LPCTSTR section, int index)
{
    CString name;
    name.Format("%s-Bar%d", section, index);
    return name;
}

bool InRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

int ReadInt(CWinApp& application, const CString& section, LPCTSTR entry)
{
    return static_cast<int>(application.GetProfileInt(section, entry, INT_MIN));
}

} // namespace

BOOL IsUsableBarState(const std::vector<BarStateEntry>& entries, const std::vector<BarStateTarget>& bars)
{
    std::vector<UINT> seen;
    for (const BarStateEntry& entry : entries) {
        auto bar = std::find_if(bars.begin(), bars.end(), [&](const BarStateTarget& b) { return b.id == entry.id; });
        if (bar == bars.end() || std::find(seen.begin(), seen.end(), entry.id) != seen.end())
            return FALSE;
        seen.push_back(entry.id);
        if (!InRange(entry.visible, 0, 1) || !InRange(entry.floating, 0, 1))
            return FALSE;
        if (bar->dockSides == 0) {
            if (entry.floating || entry.dockBarId != 0)
                return FALSE;
        } else if (entry.floating) {
            if (!InRange(entry.floatPoint.x, -kMaxScreenCoordinate, kMaxScreenCoordinate) ||
                !InRange(entry.floatPoint.y, -kMaxScreenCoordinate, kMaxScreenCoordinate))
                return FALSE;
        } else if ((DockBarAlignment(entry.dockBarId) & bar->dockSides) == 0 || !InRange(entry.row, 0, kMaxRows - 1) ||
                   !InRange(entry.pos, 0, kMaxOffset)) {
            return FALSE;
        }
    }
    return TRUE;
}

void WriteBarState(CWinApp& application, LPCTSTR section, const std::vector<BarStateEntry>& entries)
{
    CString summary = SummarySection(section);
    int old = ReadInt(application, summary, "Bars");
    for (int i = static_cast<int>(entries.size()); i < old && i < kMaxBars; ++i)
        application.WriteProfileString(BarSection(section, i), nullptr, nullptr);
    for (size_t i = 0; i < entries.size(); ++i) {
        const BarStateEntry& entry = entries[i];
        CString name = BarSection(section, static_cast<int>(i));
        application.WriteProfileInt(name, "BarID", static_cast<int>(entry.id));
        application.WriteProfileInt(name, "Visible", entry.visible);
        application.WriteProfileInt(name, "Floating", entry.floating);
        application.WriteProfileInt(name, "DockBarID", static_cast<int>(entry.dockBarId));
        application.WriteProfileInt(name, "Row", entry.row);
        application.WriteProfileInt(name, "Pos", entry.pos);
        application.WriteProfileInt(name, "XPos", entry.floatPoint.x);
        application.WriteProfileInt(name, "YPos", entry.floatPoint.y);
    }
    application.WriteProfileInt(summary, "Bars", static_cast<int>(entries.size()));
}

BOOL ReadBarState(CWinApp& application, LPCTSTR section, std::vector<BarStateEntry>* entries)
{
    entries->clear();
    int count = ReadInt(application, SummarySection(section), "Bars");
    if (!InRange(count, 0, kMaxBars))
        return FALSE;
    for (int i = 0; i < count; ++i) {
        CString name = BarSection(section, i);
        BarStateEntry entry;
        entry.id = static_cast<UINT>(ReadInt(application, name, "BarID"));
        entry.visible = ReadInt(application, name, "Visible");
        entry.floating = ReadInt(application, name, "Floating");
        entry.dockBarId = static_cast<UINT>(ReadInt(application, name, "DockBarID"));
        entry.row = ReadInt(application, name, "Row");
        entry.pos = ReadInt(application, name, "Pos");
        entry.floatPoint = CPoint(ReadInt(application, name, "XPos"), ReadInt(application, name, "YPos"));
        entries->push_back(entry);
    }
    return TRUE;
}
