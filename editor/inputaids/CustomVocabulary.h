#pragma once
#include "framework/CString.h"

#include <string>

// The user's own words offered by the variable-name picker: a fixed table of 80 entries,
// entry 0 the most recent. It starts with 55 ready-made words, is filled from
// "\配置\自定词汇.文本" below the program folder once at start-up and grows at the front as
// the user adds words.
class CCustomVocabulary {
public:
    static constexpr int kSize = 80;
    // Lines are read into a buffer of this size; a longer line is split into several words,
    // never inside a double-byte character.
    static constexpr size_t kLineBufferSize = 2048;

    CCustomVocabulary() { InitDefaults(); }

    // Entries 0-54 the ready-made words, the rest empty.
    void InitDefaults();
    // Stores the file's non-empty lines (without their line ends; blanks count) in the
    // entries from 0, at most kSize of them; later entries keep what they held. False, with
    // the table unchanged, when the file cannot be opened.
    bool Load(const char* path);
    // Puts the word at the front; every entry moves down one place and the last drops out.
    void Push(const char* word);
    // Writes every non-empty word, one a line ended by CR LF, in place of the file through a
    // temporary file beside it: a failed write leaves the old file whole. False then.
    bool Save(const char* path) const;

    // The entry's word; empty for an empty entry or an index out of range.
    const char* Word(int index) const;

private:
    std::string m_words[kSize];
};

// "\配置\自定词汇.文本" below the program folder.
CString CustomVocabularyPath();
// The process-wide table.
CCustomVocabulary& CustomVocabulary();
void InitCustomVocabularyDefaults();
// Reads "\配置\自定词汇.文本" below the program folder into the table; a missing file leaves
// the table unchanged.
void LoadCustomVocabulary();
void PushCustomVocabularyWord(const char* word);
