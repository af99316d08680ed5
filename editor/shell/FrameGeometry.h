#pragma once
#include <windows.h>

#include "framework/CString.h"

#include <deque>

// Window-free pieces of the main frame: tab titles, the order in which child windows were
// last used, and the repair of a window placement read back from the profile.

// Cuts a tab title to at most maxBytes bytes: head + "..." + the extension (after the last
// '.'), or the part from the first ':' on, or without either the first maxBytes - 3 bytes +
// "...". A double-byte character is never split: a head that would end inside one ends
// before it (the result is then one byte shorter).
CString ShortenTabTitle(const CString& title, int maxBytes);

// The tab text of a window title: its file-name part, shortened, with one blank appended.
CString TabTitleFor(const CString& windowTitle, int maxBytes);

// "行 %d,  列 %d" and the format pane's "encoding, line end".
CString CaretPaneText(int line, int column);
CString FormatPaneText(int encoding, int lineEnd);

// Child windows, most recently activated first. A window appears at most once.
class RecentWindowList {
public:
    void PushHead(void* window);
    void Remove(void* window);
    // Moves a window already in the list to the head; a window not in it is not added.
    void MoveToHead(void* window);
    // The window at position n modulo the count; null when the list is empty.
    void* At(int n) const;
    int GetCount() const { return static_cast<int>(m_windows.size()); }

private:
    std::deque<void*> m_windows;
};

// A placement from the profile made safe to apply: a minimised (or hidden) window shows
// normally, and a normal rectangle that lies on no monitor of the virtual screen, or is
// empty, is moved (and if need be shrunk) into the work area. workArea is the desktop's
// work area, screen the virtual screen.
WINDOWPLACEMENT RepairPlacement(const WINDOWPLACEMENT& placement, const RECT& workArea, const RECT& screen);
