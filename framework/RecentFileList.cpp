#include "framework/RecentFileList.h"

#include "framework/CmdUI.h"
#include "framework/Debug.h"

#include <algorithm>

namespace {

// The range of recent-file commands.
constexpr int kMaxEntries = 16;

} // namespace

CRecentFileList::CRecentFileList(UINT firstCommandId, int size)
    : m_firstId(firstCommandId), m_size(std::clamp(size, 1, kMaxEntries))
{
    ASSERT(size >= 1 && size <= kMaxEntries);
}

CString CRecentFileList::operator[](int index) const
{
    if (index < 0 || index >= GetCount())
        return CString();
    return m_names[static_cast<size_t>(index)];
}

void CRecentFileList::Add(LPCTSTR path)
{
    if (path == nullptr || *path == '\0')
        return;
    CString name = path;
    auto same = std::find_if(m_names.begin(), m_names.end(),
                             [&](const CString& entry) { return entry.CompareNoCase(name) == 0; });
    if (same != m_names.end())
        m_names.erase(same);
    m_names.insert(m_names.begin(), name);
    if (GetCount() > m_size)
        m_names.resize(static_cast<size_t>(m_size));
}

void CRecentFileList::Remove(int index)
{
    if (index < 0 || index >= GetCount())
        return;
    m_names.erase(m_names.begin() + index);
}

CString CRecentFileList::GetDisplayName(int index) const
{
    CString path = (*this)[index];
    // A single '&' in a menu text would underline the next character.
    path.Replace("&", "&&");
    CString number;
    if (index < 9)
        number.Format("&%d ", index + 1);
    else if (index == 9)
        number = "1&0 ";
    else
        number.Format("%d ", index + 1);
    return number + path;
}

void CRecentFileList::UpdateMenu(CCmdUI* cmdUI)
{
    HMENU menu = cmdUI != nullptr ? cmdUI->m_menu : nullptr;
    if (menu == nullptr)
        return;
    if (m_originalText.IsEmpty()) {
        char text[256] = {};
        ::GetMenuStringA(menu, m_firstId, text, sizeof text, MF_BYCOMMAND);
        m_originalText = text;
    }
    for (int i = 0; i < kMaxEntries; ++i)
        ::DeleteMenu(menu, m_firstId + static_cast<UINT>(i), MF_BYCOMMAND);
    UINT position = cmdUI->m_nIndex;
    if (m_names.empty()) {
        ::InsertMenuA(menu, position, MF_BYPOSITION | MF_STRING | MF_GRAYED, m_firstId, m_originalText);
    } else {
        for (int i = 0; i < GetCount(); ++i)
            ::InsertMenuA(menu, position + static_cast<UINT>(i), MF_BYPOSITION | MF_STRING,
                          m_firstId + static_cast<UINT>(i), GetDisplayName(i));
        // The menu update goes on after the items just inserted.
        cmdUI->m_nIndex = position + static_cast<UINT>(GetCount()) - 1;
    }
    cmdUI->m_nIndexMax = static_cast<UINT>(::GetMenuItemCount(menu));
    cmdUI->m_enableChanged = TRUE;
}
