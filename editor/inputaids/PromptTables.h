#pragma once
#include "editor/inputaids/PromptEntry.h"

#include <memory>
#include <string>
#include <vector>

// What reading one prompt syntax file found: the 1-based numbers of the non-blank lines that
// yielded no entries, so a broken shipped file shows up.
struct PromptFileReport {
    bool opened = false;
    int lineCount = 0;
    int entryLineCount = 0;
    std::vector<int> skippedLines;
    bool outOfMemory = false;
};

// The four prompt tables of the vocabulary popup (0: Moyu, 1: the .墨双 dialect, 2: build
// files, 3: assembler). Each table is a list of entries ordered by key hash, then key
// (byte-wise), kind and level, later lines after earlier ones on a tie; a bucket index gives
// each hash's first entry. Search and order use the same byte-wise collation, and a walk
// ends with its bucket.
class CPromptTables {
public:
    static constexpr int kTableCount = 4;
    static constexpr int kMaxMatches = 511;
    // Lines are read into a buffer of this size; a longer line is cut on a character
    // boundary and its rest dropped.
    static constexpr size_t kLineBufferSize = 2048;

    CPromptTables();
    CPromptTables(const CPromptTables&) = delete;
    CPromptTables& operator=(const CPromptTables&) = delete;

    // Clears the tables and reads the eight files under programFolder\配置\ with their level
    // bases. A missing file adds nothing.
    void LoadAll(const std::string& programFolder);
    // Adds the entries of one file to a table; the level base is added to every key's level.
    PromptFileReport LoadFile(int table, const std::string& path, int levelBase);
    // Adds the entries of one line and restores the order; false when it yields none.
    bool AddLine(int table, const char* line, size_t length, int levelBase);
    void Clear();

    // Fills matches with the entries of the table that the typed prefix selects: keys equal to
    // it, and for a prefix of 8 bytes or more also longer keys that begin with it. At most
    // kMaxMatches; returns the count (0 for an empty prefix or a bad table index).
    int FindPromptMatches(const char* prefix, int table, std::vector<const PromptEntry*>& matches) const;

    const std::vector<PromptEntry>& Entries(int table) const { return m_tables[table]; }
    // True when every table is in order and the bucket index points at each hash's first entry.
    bool Check() const;

private:
    struct LineTexts {
        std::string display;
        std::string insert;
    };

    // Adds a line's entries without restoring the order; the caller sorts the table.
    bool AppendLine(int table, const char* line, size_t length, int levelBase);
    void AddParsedEntries(int table, const struct PromptLine& line, int levelBase);
    void SortTable(int table);

    std::vector<PromptEntry> m_tables[kTableCount];
    // Index into m_tables[t] of the first entry of each hash, -1 when none.
    std::vector<int> m_buckets[kTableCount];
    std::vector<std::unique_ptr<LineTexts>> m_texts;
};

// The mark shown before a kind's entries: ☆ ⊙ ◆ ▲ for kinds 0-3, two blanks for others.
const char* PromptKindMark(int kind);
// One line of the popup's list: "%s %s" with the kind's mark and the display text.
std::string FormatPromptListLine(const PromptEntry& entry);
