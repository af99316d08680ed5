#pragma once
#include <windows.h>

#include <algorithm>
#include <vector>

// A growable array with the classic CArray members. Indexes outside the array never touch
// memory: reads give a default value and writes are ignored (ElementAt hands out a scratch
// element that is reset on each such call).
template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
public:
    CArray() = default;

    int GetSize() const { return (int)m_items.size(); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_items.empty(); }

    // growBy is accepted for compatibility; growth is amortised anyway.
    void SetSize(int newSize, int growBy = -1)
    {
        (void)growBy;
        m_items.resize((size_t)std::max(newSize, 0));
    }
    void FreeExtra() { m_items.shrink_to_fit(); }
    void RemoveAll() { m_items.clear(); }

    TYPE GetAt(int index) const { return IsIndex(index) ? m_items[(size_t)index] : TYPE(); }
    void SetAt(int index, ARG_TYPE element)
    {
        if (IsIndex(index))
            m_items[(size_t)index] = element;
    }
    TYPE& ElementAt(int index)
    {
        if (IsIndex(index))
            return m_items[(size_t)index];
        m_outOfRange = TYPE();
        return m_outOfRange;
    }
    const TYPE& ElementAt(int index) const
    {
        static const TYPE kDefault = TYPE();
        return IsIndex(index) ? m_items[(size_t)index] : kDefault;
    }
    TYPE& operator[](int index) { return ElementAt(index); }
    TYPE operator[](int index) const { return GetAt(index); }

    const TYPE* GetData() const { return m_items.empty() ? nullptr : m_items.data(); }
    TYPE* GetData() { return m_items.empty() ? nullptr : m_items.data(); }

    // Grows the array when index is past its end.
    void SetAtGrow(int index, ARG_TYPE element)
    {
        if (index < 0)
            return;
        TYPE copy(element);
        if (index >= GetSize())
            m_items.resize((size_t)index + 1);
        m_items[(size_t)index] = copy;
    }
    int Add(ARG_TYPE element)
    {
        m_items.push_back(TYPE(element));
        return GetSize() - 1;
    }
    // Returns the index of the first appended element.
    int Append(const CArray& source)
    {
        int first = GetSize();
        std::vector<TYPE> copy(source.m_items);
        m_items.insert(m_items.end(), copy.begin(), copy.end());
        return first;
    }
    void Copy(const CArray& source)
    {
        if (&source != this)
            m_items = source.m_items;
    }

    // Inserting past the end grows the array with default elements up to index.
    void InsertAt(int index, ARG_TYPE element, int count = 1)
    {
        if (index < 0 || count <= 0)
            return;
        TYPE copy(element);
        if (index > GetSize())
            m_items.resize((size_t)index);
        m_items.insert(m_items.begin() + index, (size_t)count, copy);
    }
    void InsertAt(int startIndex, const CArray* source)
    {
        if (!source || startIndex < 0)
            return;
        std::vector<TYPE> copy(source->m_items);
        if (startIndex > GetSize())
            m_items.resize((size_t)startIndex);
        m_items.insert(m_items.begin() + startIndex, copy.begin(), copy.end());
    }
    // Removes up to count elements that exist from index on.
    void RemoveAt(int index, int count = 1)
    {
        if (!IsIndex(index) || count <= 0)
            return;
        count = std::min(count, GetSize() - index);
        m_items.erase(m_items.begin() + index, m_items.begin() + index + count);
    }

private:
    bool IsIndex(int index) const { return index >= 0 && index < GetSize(); }

    std::vector<TYPE> m_items;
    TYPE m_outOfRange = TYPE();
};
