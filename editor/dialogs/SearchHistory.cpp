#include "editor/dialogs/SearchHistory.h"

#include <algorithm>

CSearchHistory::CSearchHistory(size_t capacity, std::initializer_list<const char*> presets)
    : m_capacity(capacity), m_entries(presets.begin(), presets.end())
{
}

void CSearchHistory::Remember(const CString& text)
{
    const auto equal = std::find(m_entries.begin(), m_entries.end(), text);
    if (equal != m_entries.end())
        m_entries.erase(equal);
    if (text.IsEmpty())
        return;
    while (!m_entries.empty() && m_entries.size() + 1 > m_capacity)
        m_entries.pop_back();
    m_entries.insert(m_entries.begin(), text);
}

void CSearchHistory::RememberKeepingPlace(const CString& text)
{
    if (std::find(m_entries.begin(), m_entries.end(), text) == m_entries.end())
        Remember(text);
}
