#pragma once
#include "framework/CString.h"

#include <vector>

// The texts a search field offers in its drop-down list, most recent first, and the editing
// rules of the search dialogs that keep them. A list is limited by its capacity: inserting
// into a full list drops the oldest entry.
class CSearchHistory {
public:
    explicit CSearchHistory(size_t capacity) : m_capacity(capacity) {}
    CSearchHistory(size_t capacity, std::initializer_list<const char*> presets);

    // Moves text to the front: removes an equal entry (exact bytes), drops the oldest
    // entries beyond capacity - 1, inserts text. An empty text is only removed, never added.
    void Remember(const CString& text);
    // As Remember, except that a text already in the list keeps its place.
    void RememberKeepingPlace(const CString& text);

    const std::vector<CString>& Entries() const { return m_entries; }
    size_t GetCount() const { return m_entries.size(); }
    bool IsEmpty() const { return m_entries.empty(); }
    // The most recent entry; empty when there is none.
    CString Latest() const { return m_entries.empty() ? CString() : m_entries.front(); }

private:
    size_t m_capacity;
    std::vector<CString> m_entries;
};
