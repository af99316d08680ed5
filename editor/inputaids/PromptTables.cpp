#include "editor/inputaids/PromptTables.h"

#include "editor/inputaids/GbkBytes.h"
#include "editor/inputaids/LinePiece.h"
#include "editor/inputaids/PromptSyntax.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

namespace {

struct PromptFileSource {
    int table;
    const char* name;
    int levelBase;
};

const PromptFileSource kPromptFiles[] = {
    {0, "一级语法提示.墨", 0},
    {0, "二级语法提示.墨", 10},
    {0, "三级语法提示.墨", 20},
    {1, "一级语法提示.墨双", 0},
    {1, "一级语法提示.墨", 10},
    {1, "二级语法提示.墨", 20},
    {2, "一级语法提示.构建", 0},
    {3, "一级语法提示.汇编", 0},
};

// One byte-wise collation for ordering and searching.
int CompareKeys(const char* a, const char* b)
{
    return strcmp(a, b);
}

bool EntryLess(const PromptEntry& a, const PromptEntry& b)
{
    if (a.hash != b.hash)
        return a.hash < b.hash;
    int byKey = CompareKeys(a.key.c_str(), b.key.c_str());
    if (byKey != 0)
        return byKey < 0;
    if (a.Kind() != b.Kind())
        return a.Kind() < b.Kind();
    return a.Level() < b.Level();
}

bool IsBlankLine(const char* line, size_t length)
{
    for (size_t i = 0; i < length; ++i)
        if (line[i] != ' ' && line[i] != '\t')
            return false;
    return true;
}

class FileCloser {
public:
    explicit FileCloser(FILE* file) : m_file(file) {}
    ~FileCloser()
    {
        if (m_file)
            fclose(m_file);
    }
    FileCloser(const FileCloser&) = delete;
    FileCloser& operator=(const FileCloser&) = delete;

private:
    FILE* m_file;
};

} // namespace

CPromptTables::CPromptTables()
{
    Clear();
}

void CPromptTables::Clear()
{
    for (int t = 0; t < kTableCount; ++t) {
        m_tables[t].clear();
        m_buckets[t].assign(kPromptBucketCount, -1);
    }
    m_texts.clear();
}

void CPromptTables::LoadAll(const std::string& programFolder)
{
    Clear();
    for (const PromptFileSource& file : kPromptFiles)
        LoadFile(file.table, programFolder + "\\配置\\" + file.name, file.levelBase);
}

PromptFileReport CPromptTables::LoadFile(int table, const std::string& path, int levelBase)
{
    PromptFileReport report;
    if (table < 0 || table >= kTableCount)
        return report;
    FILE* file = fopen(path.c_str(), "rb");
    if (!file)
        return report;
    FileCloser closer(file);
    report.opened = true;

    char buffer[kLineBufferSize];
    try {
        LinePiece piece;
        while (ReadLinePiece(file, buffer, sizeof buffer, piece)) {
            ++report.lineCount;
            // A zero byte ends the line's text; the line itself still ends at its '\n'.
            size_t length = strnlen(buffer, piece.length);
            if (!piece.complete) {
                // The rest of an overlong line is dropped, never read as a line of its own.
                int c;
                while ((c = fgetc(file)) != EOF && c != '\n') {
                }
                length = GbkBytes::WholeCharsLength(buffer, length);
            }
            while (length > 0 && (buffer[length - 1] == '\n' || buffer[length - 1] == '\r'))
                --length;
            if (IsBlankLine(buffer, length))
                continue;
            if (AppendLine(table, buffer, length, levelBase))
                ++report.entryLineCount;
            else
                report.skippedLines.push_back(report.lineCount);
        }
    } catch (const std::bad_alloc&) {
        report.outOfMemory = true;
    }
    SortTable(table);
    return report;
}

bool CPromptTables::AddLine(int table, const char* line, size_t length, int levelBase)
{
    if (table < 0 || table >= kTableCount || !line)
        return false;
    bool added = AppendLine(table, line, length, levelBase);
    if (added)
        SortTable(table);
    return added;
}

bool CPromptTables::AppendLine(int table, const char* line, size_t length, int levelBase)
{
    PromptLine parsed;
    if (!ParsePromptLine(line, length, parsed))
        return false;
    AddParsedEntries(table, parsed, levelBase);
    return true;
}

void CPromptTables::AddParsedEntries(int table, const PromptLine& line, int levelBase)
{
    // The texts are owned before any entry points at them, so running out of memory midway
    // leaves no entry dangling.
    m_texts.push_back(std::unique_ptr<LineTexts>(new LineTexts{line.display, line.insert}));
    const LineTexts* texts = m_texts.back().get();
    std::vector<PromptEntry>& entries = m_tables[table];
    bool first = true;
    for (const PromptKey& key : line.keys) {
        for (const std::string& text : ExpandPromptKey(key)) {
            PromptEntry entry;
            entry.key = text;
            entry.display = texts->display.c_str();
            entry.insert = texts->insert.c_str();
            entry.packed = PackPromptWord(line.kind, key.level + levelBase, line.caretOffset,
                                          key.text.size(), first);
            entry.hash = PromptKeyHash(text.c_str());
            entries.push_back(entry);
            first = false;
        }
    }
}

void CPromptTables::SortTable(int table)
{
    std::vector<PromptEntry>& entries = m_tables[table];
    std::stable_sort(entries.begin(), entries.end(), EntryLess);
    std::vector<int>& buckets = m_buckets[table];
    buckets.assign(kPromptBucketCount, -1);
    for (size_t i = entries.size(); i-- > 0;)
        buckets[entries[i].hash] = (int)i;
}

int CPromptTables::FindPromptMatches(const char* prefix, int table,
                                     std::vector<const PromptEntry*>& matches) const
{
    matches.clear();
    if (!prefix || prefix[0] == '\0' || table < 0 || table >= kTableCount)
        return 0;
    const std::vector<PromptEntry>& entries = m_tables[table];
    uint32_t hash = PromptKeyHash(prefix);
    int first = m_buckets[table][hash];
    if (first < 0)
        return 0;
    size_t prefixLength = strlen(prefix);
    for (size_t i = (size_t)first; i < entries.size() && entries[i].hash == hash; ++i) {
        const PromptEntry& entry = entries[i];
        if (prefixLength < 32 && (size_t)entry.FullKeyLength() < prefixLength)
            continue;
        int order = CompareKeys(prefix, entry.key.c_str());
        if (order > 0)
            continue;
        if (order < 0 && !(prefixLength >= 8 && strncmp(entry.key.c_str(), prefix, prefixLength) == 0))
            break;
        matches.push_back(&entry);
        if ((int)matches.size() == kMaxMatches)
            break;
    }
    return (int)matches.size();
}

bool CPromptTables::Check() const
{
    for (int t = 0; t < kTableCount; ++t) {
        const std::vector<PromptEntry>& entries = m_tables[t];
        for (size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].hash != PromptKeyHash(entries[i].key.c_str()))
                return false;
            if (i > 0 && EntryLess(entries[i], entries[i - 1]))
                return false;
            bool firstOfHash = i == 0 || entries[i - 1].hash != entries[i].hash;
            if (firstOfHash && m_buckets[t][entries[i].hash] != (int)i)
                return false;
        }
    }
    return true;
}

const char* PromptKindMark(int kind)
{
    static const char* const kMarks[] = {"☆", "⊙", "◆", "▲"};
    if (kind >= 0 && kind < 4)
        return kMarks[kind];
    return "  ";
}

std::string FormatPromptListLine(const PromptEntry& entry)
{
    return std::string(PromptKindMark(entry.Kind())) + " " + entry.display;
}
