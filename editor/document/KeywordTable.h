#pragma once

#include "editor/document/DescriptionFile.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A string-keyed hash table of words with a 16-bit value each: a document's keywords (value
// RangeCondition << 8 | ColorRunKind) or the spelling dictionary (value 31). Chains are
// singly linked; nodes are carved from blocks of ten and recycled through a free list.
class CKeywordTable {
public:
    static constexpr int kDocumentBuckets = 1000;
    static constexpr int kDictionaryBuckets = 10000;
    // Words longer than this are split off by the keyword loader.
    static constexpr int kMaxKeywordLength = 1023;

    struct Node {
        Node* next = nullptr;
        int bucket = 0;
        std::string word;
        uint16_t value = 0;
    };

    explicit CKeywordTable(int bucketCount = kDocumentBuckets);
    CKeywordTable(const CKeywordTable&) = delete;
    CKeywordTable& operator=(const CKeywordTable&) = delete;

    // Frees every word; the bucket count stays.
    void RemoveAll();
    // Exchanges the whole contents, bucket counts included.
    void Swap(CKeywordTable& other) noexcept;

    int GetCount() const { return m_count; }
    // Bytes in the longest word linked since the table was last emptied.
    int GetLongestLength() const { return m_longest; }
    int GetBucketCount() const { return m_bucketCount; }

    // The node holding word (exact bytes), or null. bucket receives the word's bucket either
    // way, so an insertion can go straight there.
    const Node* Lookup(const char* word, int* bucket = nullptr) const;
    // The same for the length bytes at word, which need not be zero-terminated.
    const Node* Lookup(const char* word, int length, int* bucket) const;
    // One step of the hash Lookup uses, over the bytes of a word in order from 0; callers
    // that scan a word anyway hash it on the way and look it up with LookupHashed.
    static uint32_t HashStep(uint32_t hash, unsigned char byte) { return hash * 33 + byte; }
    const Node* LookupHashed(const char* word, int length, uint32_t hash) const;
    // A fresh node from the free list: empty word, value 0; the count grows by one. The
    // caller links it with Link.
    Node* NewNode();
    // Puts a node, its word set, at the head of its bucket's chain.
    void Link(Node* node, int bucket);
    // Adds word with value unless present; true when added.
    bool Add(const char* word, uint16_t value);

    // Empties the table, then reads a keyword file. False when it cannot be opened.
    bool LoadKeywords(const char* path, bool caseSensitive, SkippedLines* skipped = nullptr);

    // Called with the byte position reached in a word list.
    using ProgressCallback = std::function<void(size_t position)>;
    // Adds the white-space separated words of a file, lower-cased, with value 31, keeping
    // what the table holds. False when the file cannot be opened. The callback, when given,
    // runs after each word whenever the number of words added is a multiple of 100.
    bool LoadWordList(const char* path, const ProgressCallback& progress = nullptr);

    // Validates the chains and the count; for tests.
    bool Check() const;

private:
    static constexpr int kNodesPerBlock = 10;

    int BucketOf(const char* word) const;

    int m_bucketCount;
    std::unique_ptr<Node*[]> m_buckets;
    int m_count = 0;
    int m_longest = 0;
    Node* m_freeList = nullptr;
    std::vector<std::unique_ptr<Node[]>> m_blocks;
};
