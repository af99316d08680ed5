#pragma once

#include "editor/document/KeywordTable.h"

#include <string>

class IProgressSink;

// The spelling dictionary: the words of the system dictionary "vuze.字典" and the user
// dictionary "用户.字典" from the program folder, lower-cased in one table, and the
// spelling-check switch that turns on once both have loaded. The lexer marks words that are
// in neither this table nor the keywords.
class CSpellDictionary {
public:
    static const char kSystemFileName[];
    static const char kUserFileName[];

    CSpellDictionary() : m_words(CKeywordTable::kDictionaryBuckets) {}

    // Loads both files from programFolder (no trailing backslash) with a progress display
    // that is removed again whatever happens. True, and the check turned on, only when both
    // files were read; their words then replace those of an earlier load. Otherwise the
    // words and the switch stay as they were.
    bool Load(const std::string& programFolder, IProgressSink* progress);

    // True when the word (lower-cased here) is in the dictionary; 256 bytes or more: false.
    bool Contains(const char* word, int length) const;

    bool IsCheckOn() const { return m_checkOn; }
    // Forgets every word and turns the check off: a process that loaded once starts afresh.
    void Unload()
    {
        m_words.RemoveAll();
        m_checkOn = false;
    }
    const CKeywordTable& Words() const { return m_words; }

private:
    CKeywordTable m_words;
    bool m_checkOn = false;
};

// The process-wide dictionary the view's spelling check uses.
CSpellDictionary& TheSpellDictionary();

// Loads the process-wide dictionary from programFolder; see CSpellDictionary::Load.
bool LoadSpellDictionaries(const std::string& programFolder, IProgressSink* progress);
// The same from the editor's program folder (GetProgramFolder).
bool LoadSpellDictionaries(IProgressSink* progress);
