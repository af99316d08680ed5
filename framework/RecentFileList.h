#pragma once
#include <windows.h>

#include "framework/CString.h"

#include <vector>

class CCmdUI;

// The most recently opened files, newest first, shown as numbered items in place of the
// first recent-file command of a menu.
class CRecentFileList {
public:
    // size: how many files are kept (at most 16, the range of recent-file commands).
    CRecentFileList(UINT firstCommandId, int size);

    int GetSize() const { return m_size; }
    int GetCount() const { return static_cast<int>(m_names.size()); }
    // The entry at index, or an empty string past the end.
    CString operator[](int index) const;

    // Puts path at the head, removing an equal entry (the letter case does not count) and
    // dropping the oldest when full.
    virtual void Add(LPCTSTR path);
    void Remove(int index);

    // The update of the first recent-file command's menu item: replaces the recent-file
    // items with "&1 path", "&2 path" ...; with no files, the item's own text, disabled.
    void UpdateMenu(CCmdUI* cmdUI);
    UINT GetFirstCommandId() const { return m_firstId; }
    // The menu text of entry index: its number and the path.
    CString GetDisplayName(int index) const;

private:
    UINT m_firstId;
    int m_size;
    std::vector<CString> m_names;
    // The text of the menu item the list takes the place of.
    CString m_originalText;
};
