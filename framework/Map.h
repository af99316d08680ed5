#pragma once
#include <windows.h>

#include "framework/Position.h"

#include <vector>

// Hash values of the classic map keys.
inline UINT HashKey(LPCTSTR key)
{
    UINT hash = 0;
    if (key)
        while (*key)
            hash = (hash << 5) + hash + (unsigned char)*key++;
    return hash;
}
inline UINT HashKey(const void* key)
{
    return (UINT)((ULONG_PTR)key >> 4);
}
inline UINT HashKey(UINT key)
{
    return key >> 4;
}

// A hash map with the classic CMap members. The table grows as the map fills, so lookups
// stay constant-time; adding a new key may therefore reorder an iteration in progress.
// A POSITION is an association of this map.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap {
public:
    CMap() = default;
    CMap(const CMap& other) { CopyFrom(other); }
    CMap& operator=(const CMap& other)
    {
        if (&other != this) {
            RemoveAll();
            CopyFrom(other);
        }
        return *this;
    }
    ~CMap() { RemoveAll(); }

    int GetCount() const { return m_count; }
    int GetSize() const { return m_count; }
    BOOL IsEmpty() const { return m_count == 0; }
    UINT GetHashTableSize() const { return (UINT)m_buckets.size(); }

    // Sets the number of buckets; existing associations are kept.
    void InitHashTable(UINT hashSize, BOOL allocNow = TRUE)
    {
        (void)allocNow;
        Rehash(hashSize ? hashSize : kDefaultHashSize);
    }

    BOOL Lookup(ARG_KEY key, VALUE& value) const
    {
        Assoc* assoc = Find(key);
        if (!assoc)
            return FALSE;
        value = assoc->value;
        return TRUE;
    }
    // Adds the key with a default value when it is missing.
    VALUE& operator[](ARG_KEY key)
    {
        if (Assoc* assoc = Find(key))
            return assoc->value;
        return Insert(key)->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE value) { (*this)[key] = value; }

    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_buckets.empty())
            return FALSE;
        Assoc** link = &m_buckets[BucketOf(key)];
        for (; *link; link = &(*link)->next) {
            if ((*link)->key == key) {
                Assoc* doomed = *link;
                *link = doomed->next;
                delete doomed;
                --m_count;
                return TRUE;
            }
        }
        return FALSE;
    }
    void RemoveAll()
    {
        for (Assoc*& head : m_buckets) {
            while (head) {
                Assoc* next = head->next;
                delete head;
                head = next;
            }
        }
        m_count = 0;
    }

    POSITION GetStartPosition() const { return m_count ? BEFORE_START_POSITION : nullptr; }
    // Gives the association at position and moves position on (null after the last).
    void GetNextAssoc(POSITION& position, KEY& key, VALUE& value) const
    {
        Assoc* assoc = position == BEFORE_START_POSITION ? FirstFrom(0) : static_cast<Assoc*>(position);
        if (!assoc) {
            position = nullptr;
            return;
        }
        key = assoc->key;
        value = assoc->value;
        Assoc* next = assoc->next ? assoc->next : FirstFrom(assoc->bucket + 1);
        position = next;
    }

private:
    static const UINT kDefaultHashSize = 17;

    struct Assoc : __POSITION {
        Assoc(ARG_KEY k, UINT b) : key(k), value(), bucket(b) {}
        Assoc* next = nullptr;
        KEY key;
        VALUE value;
        UINT bucket;
    };

    UINT BucketOf(ARG_KEY key) const { return HashKey(key) % (UINT)m_buckets.size(); }

    Assoc* Find(ARG_KEY key) const
    {
        if (m_buckets.empty())
            return nullptr;
        for (Assoc* assoc = m_buckets[BucketOf(key)]; assoc; assoc = assoc->next)
            if (assoc->key == key)
                return assoc;
        return nullptr;
    }
    Assoc* FirstFrom(UINT bucket) const
    {
        for (; bucket < m_buckets.size(); ++bucket)
            if (m_buckets[bucket])
                return m_buckets[bucket];
        return nullptr;
    }
    Assoc* Insert(ARG_KEY key)
    {
        if (m_buckets.empty())
            Rehash(kDefaultHashSize);
        else if ((UINT)m_count >= 2 * m_buckets.size())
            Rehash((UINT)m_buckets.size() * 4 + 1);
        UINT bucket = BucketOf(key);
        Assoc* assoc = new Assoc(key, bucket);
        assoc->next = m_buckets[bucket];
        m_buckets[bucket] = assoc;
        ++m_count;
        return assoc;
    }
    void Rehash(UINT hashSize)
    {
        std::vector<Assoc*> old(hashSize, nullptr);
        old.swap(m_buckets);
        for (Assoc* head : old) {
            while (head) {
                Assoc* next = head->next;
                head->bucket = BucketOf(head->key);
                head->next = m_buckets[head->bucket];
                m_buckets[head->bucket] = head;
                head = next;
            }
        }
    }
    void CopyFrom(const CMap& other)
    {
        POSITION position = other.GetStartPosition();
        while (position) {
            KEY key;
            VALUE value;
            other.GetNextAssoc(position, key, value);
            SetAt(key, value);
        }
    }

    std::vector<Assoc*> m_buckets;
    int m_count = 0;
};
