#include "editor/document/KeywordTable.h"

#include "editor/document/GbkCompare.h"
#include "editor/document/LangSpec.h"
#include "editor/document/TextLine.h"
#include "editor/util/StringHash.h"

#include <algorithm>
#include <cstring>

namespace {

const int kKeywordLineLimit = 4095;
const uint16_t kDictionaryWordValue = kRunWordByte;

bool IsBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Kind of a group digit; only '0'-'9' open a group.
bool GroupKindFromDigit(char digit, uint8_t& kind)
{
    if (digit < '0' || digit > '9')
        return false;
    kind = uint8_t(kRunKeyword0 + (digit - '0'));
    return true;
}

struct GroupPrefix {
    const char* text;
    size_t length;
};

const GroupPrefix kGroupHeaders[] = {{"[KEYWORDS", 9}, {"[关键词", 7}, {"【关键词", 8}};
const GroupPrefix kGroupEnds[] = {{"[-COMMENT", 9}, {"【注释", 6}};

const GroupPrefix* MatchPrefix(const std::string& line, const GroupPrefix* prefixes, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (GbkCompare::StartsWithNoCase(line, prefixes[i].text, prefixes[i].length))
            return &prefixes[i];
    }
    return nullptr;
}

} // namespace

CKeywordTable::CKeywordTable(int bucketCount)
    : m_bucketCount(bucketCount > 0 ? bucketCount : 1), m_buckets(new Node*[m_bucketCount]())
{
}

void CKeywordTable::RemoveAll()
{
    std::fill(m_buckets.get(), m_buckets.get() + m_bucketCount, nullptr);
    m_blocks.clear();
    m_freeList = nullptr;
    m_count = 0;
    m_longest = 0;
}

void CKeywordTable::Swap(CKeywordTable& other) noexcept
{
    std::swap(m_bucketCount, other.m_bucketCount);
    m_buckets.swap(other.m_buckets);
    std::swap(m_count, other.m_count);
    std::swap(m_longest, other.m_longest);
    std::swap(m_freeList, other.m_freeList);
    m_blocks.swap(other.m_blocks);
}

int CKeywordTable::BucketOf(const char* word) const
{
    return (int)(HashString(word) % (uint32_t)m_bucketCount);
}

const CKeywordTable::Node* CKeywordTable::Lookup(const char* word, int* bucket) const
{
    if (word == nullptr)
        word = "";
    return Lookup(word, (int)std::strlen(word), bucket);
}

const CKeywordTable::Node* CKeywordTable::Lookup(const char* word, int length, int* bucket) const
{
    if (word == nullptr || length < 0)
        length = 0;
    // HashString over exactly these bytes, so the lexer need not copy a word to look it up.
    uint32_t hash = 0;
    for (int i = 0; i < length; ++i)
        hash = HashStep(hash, (unsigned char)word[i]);
    if (bucket)
        *bucket = (int)(hash % (uint32_t)m_bucketCount);
    return LookupHashed(word, length, hash);
}

const CKeywordTable::Node* CKeywordTable::LookupHashed(const char* word, int length,
                                                       uint32_t hash) const
{
    // The lexer looks up every word of a document here. Dividing by a constant compiles to
    // a multiplication, so the usual bucket counts get a division of their own.
    uint32_t index;
    if (m_bucketCount == kDocumentBuckets)
        index = hash % (uint32_t)kDocumentBuckets;
    else if (m_bucketCount == kDictionaryBuckets)
        index = hash % (uint32_t)kDictionaryBuckets;
    else
        index = hash % (uint32_t)m_bucketCount;
    for (const Node* node = m_buckets[index]; node; node = node->next) {
        if (node->word.size() != (size_t)length)
            continue;
        // Words are short: a loop beats a call into the C library.
        const char* stored = node->word.data();
        int i = 0;
        while (i < length && stored[i] == word[i])
            ++i;
        if (i == length)
            return node;
    }
    return nullptr;
}

CKeywordTable::Node* CKeywordTable::NewNode()
{
    if (m_freeList == nullptr) {
        m_blocks.emplace_back(new Node[kNodesPerBlock]);
        Node* block = m_blocks.back().get();
        for (int i = kNodesPerBlock - 1; i >= 0; --i) {
            block[i].next = m_freeList;
            m_freeList = &block[i];
        }
    }
    Node* node = m_freeList;
    m_freeList = node->next;
    node->next = nullptr;
    node->bucket = 0;
    node->word.clear();
    node->value = 0;
    ++m_count;
    return node;
}

void CKeywordTable::Link(Node* node, int bucket)
{
    if (node == nullptr || bucket < 0 || bucket >= m_bucketCount)
        return;
    node->bucket = bucket;
    node->next = m_buckets[bucket];
    m_buckets[bucket] = node;
    m_longest = std::max(m_longest, (int)node->word.size());
}

bool CKeywordTable::Add(const char* word, uint16_t value)
{
    int bucket = 0;
    if (Lookup(word, &bucket))
        return false;
    Node* node = NewNode();
    node->word = word;
    node->value = value;
    Link(node, bucket);
    return true;
}

bool CKeywordTable::LoadKeywords(const char* path, bool caseSensitive, SkippedLines* skipped)
{
    RemoveAll();
    CDescriptionFile file;
    if (path == nullptr || !file.Open(path, kKeywordLineLimit))
        return false;
    uint8_t kind = 0;
    uint8_t condition = 0;
    std::string line;
    std::string word;
    while (file.ReadLine(line)) {
        auto skip = [&] {
            if (skipped)
                skipped->push_back({file.LineNumber(), line});
        };
        if (line.empty() || line[0] == '#')
            continue;
        if (MatchPrefix(line, kGroupEnds, 2)) {
            kind = condition = 0;
            continue;
        }
        if (const GroupPrefix* header = MatchPrefix(line, kGroupHeaders, 3)) {
            // A header whose group number is no digit closes the group: its kind would
            // index past the colour table.
            char digit = header->length < line.size() ? line[header->length] : '\0';
            if (!GroupKindFromDigit(digit, kind)) {
                kind = condition = 0;
                skip();
                continue;
            }
            size_t colon = line.find(':');
            condition = colon == std::string::npos
                            ? kRangeNone
                            : ParseRangeCondition(line.c_str() + colon + 1);
            continue;
        }
        if (kind == 0) {
            bool onlyBlanks = true;
            for (char c : line)
                onlyBlanks = onlyBlanks && IsBlank(c);
            if (!onlyBlanks)
                skip();
            continue;
        }
        if (file.LineWasCut())
            skip();
        size_t at = 0;
        while (true) {
            while (at < line.size() && IsBlank(line[at]))
                ++at;
            size_t end = at;
            while (end < line.size() && !IsBlank(line[end]))
                ++end;
            if (end == at)
                break;
            if (end - at > (size_t)kMaxKeywordLength) {
                skip();
                at = end;
                continue;
            }
            word.assign(line, at, end - at);
            at = end;
            if (!caseSensitive)
                GbkCompare::LowerInPlace(word);
            Add(word.c_str(), uint16_t(condition << 8 | kind));
        }
    }
    return true;
}

bool CKeywordTable::LoadWordList(const char* path, const ProgressCallback& progress)
{
    std::string content;
    if (path == nullptr || !ReadWholeFile(path, content))
        return false;
    int added = 0;
    std::string word;
    size_t at = 0;
    while (true) {
        while (at < content.size() && IsBlank(content[at]))
            ++at;
        if (at >= content.size())
            break;
        size_t end = at;
        while (end < content.size() && !IsBlank(content[end]))
            ++end;
        word.assign(content, at, end - at);
        at = end;
        GbkCompare::LowerInPlace(word);
        if (Add(word.c_str(), kDictionaryWordValue))
            ++added;
        if (progress && added % 100 == 0)
            progress(at);
    }
    return true;
}

bool CKeywordTable::Check() const
{
    int seen = 0;
    for (int bucket = 0; bucket < m_bucketCount; ++bucket) {
        for (const Node* node = m_buckets[bucket]; node; node = node->next) {
            if (node->bucket != bucket || BucketOf(node->word.c_str()) != bucket)
                return false;
            if (++seen > m_count)
                return false;
        }
    }
    return seen == m_count;
}
