#include "editor/shell/FrameGeometry.h"

#include "editor/document/TextFormat.h"
#include "editor/util/PathUtil.h"
#include "framework/Gbk.h"

#include <algorithm>

namespace {

// The longest prefix of text no longer than length bytes that ends on a character boundary.
int HeadAtCharBoundary(const CString& text, int length)
{
    int at = 0;
    while (at < length) {
        int step = GbkText::IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.GetLength() ? 2 : 1;
        if (at + step > length)
            break;
        at += step;
    }
    return at;
}

}  // namespace

CString ShortenTabTitle(const CString& title, int maxBytes)
{
    int length = title.GetLength();
    if (length <= maxBytes)
        return title;
    int dot = title.ReverseFind('.');
    int tailStart = -1;
    int headLength = 0;
    if (dot >= 0) {
        tailStart = dot + 1;
        headLength = dot + 1 + maxBytes - length - 3;
    } else {
        int colon = title.Find(':');
        if (colon >= 0) {
            tailStart = colon;
            headLength = colon + 1 + maxBytes - length - 3;
        }
    }
    if (tailStart < 0)
        return title.Left(HeadAtCharBoundary(title, std::max(0, maxBytes - 3))) + "...";
    headLength = std::max(0, headLength);
    return title.Left(HeadAtCharBoundary(title, headLength)) + "..." + title.Mid(tailStart);
}

CString TabTitleFor(const CString& windowTitle, int maxBytes)
{
    return ShortenTabTitle(GetFileNamePart(windowTitle), maxBytes) + " ";
}

CString CaretPaneText(int line, int column)
{
    CString text;
    text.Format("行 %d,  列 %d", line, column);
    return text;
}

CString FormatPaneText(int encoding, int lineEnd)
{
    return CString(GetEncodingShortName(encoding)) + ", " + GetLineEndShortName(lineEnd);
}

void RecentWindowList::PushHead(void* window)
{
    Remove(window);
    m_windows.push_front(window);
}

void RecentWindowList::Remove(void* window)
{
    m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), window), m_windows.end());
}

void RecentWindowList::MoveToHead(void* window)
{
    if (std::find(m_windows.begin(), m_windows.end(), window) != m_windows.end())
        PushHead(window);
}

void* RecentWindowList::At(int n) const
{
    if (m_windows.empty())
        return nullptr;
    int count = GetCount();
    return m_windows[((n % count) + count) % count];
}

WINDOWPLACEMENT RepairPlacement(const WINDOWPLACEMENT& placement, const RECT& workArea, const RECT& screen)
{
    WINDOWPLACEMENT repaired = placement;
    repaired.length = sizeof repaired;
    if (repaired.showCmd != SW_SHOWMAXIMIZED)
        repaired.showCmd = SW_SHOWNORMAL;
    repaired.flags &= ~WPF_RESTORETOMAXIMIZED;
    RECT& r = repaired.rcNormalPosition;
    int workWidth = workArea.right - workArea.left;
    int workHeight = workArea.bottom - workArea.top;
    int width = std::min<int>(r.right - r.left, workWidth);
    int height = std::min<int>(r.bottom - r.top, workHeight);
    RECT visible;
    // A window counts as reachable when a title-bar's worth of it lies on the screen.
    RECT titleBar = {r.left, r.top, r.right, r.top + 24};
    bool onScreen = width > 0 && height > 0 && ::IntersectRect(&visible, &titleBar, &screen) &&
                    visible.right - visible.left >= 48;
    if (width < 100 || height < 60) {
        width = workWidth * 3 / 4;
        height = workHeight * 3 / 4;
        onScreen = false;
    }
    if (!onScreen) {
        r.left = workArea.left + (workWidth - width) / 2;
        r.top = workArea.top + (workHeight - height) / 2;
    }
    r.right = r.left + width;
    r.bottom = r.top + height;
    return repaired;
}
