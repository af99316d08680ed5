#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "framework/Collections.h"
#include "framework/CString.h"

// The vocabulary tables of the workspace bar's "词汇" page: the language's library words,
// read from a main file (base + ".表") and up to a hundred extension files (base + "_0.表"
// to base + "_99.表"), each entry with its full text (usually the call form) and a note.
// The IDE only reads them; this is the model the vocabulary tree shows.

// Also the item's image index in the tree control.
enum class VocabularyKind { root = 0, category = 1, subcategory = 2, entry = 3 };

struct VocabularyItem {
    VocabularyKind kind = VocabularyKind::root;
    CString text;      // 名称, or the category's 名字, or the table's file title
    CString fullText;  // entries: 全称
    CString note;      // entries: 注释
    bool expanded = false;
    std::vector<std::unique_ptr<VocabularyItem>> children;
};

enum class VocabularyStatus {
    ok,
    missingTable,  // the main file cannot be read, or does not begin with 词汇函数表 and 版本
    badEntry,      // an entry without 名称 or 全称, a category without 名字
    scanError,     // 54051 with the file's path
};

struct VocabularyReadResult {
    VocabularyStatus status = VocabularyStatus::ok;
    CString filePath;   // the file being read when the reading stopped
    int entries = 0;    // entries read
    int skipped = 0;    // non-blank lines that were none of the table's elements
};

// Reads the table whose base path (without ".表") is given. Every entry's full text goes to
// onEntry when one is given (the vocabulary prompt's lookup list). The root is expanded.
VocabularyReadResult ReadVocabularyTable(const CString& base, VocabularyItem& root,
                                         const std::function<void(const CString&)>& onEntry = nullptr);
// The message for a failed reading; empty when none is shown.
CString VocabularyReadMessage(const VocabularyReadResult& result);

// A full text or note as lines: backslash-n breaks a line, backslash-b is dropped.
void SplitVocabularyText(const CString& text, CStringArray& lines);
// What the output window shows for a clicked entry: the full text's lines, an empty line,
// then, when there is a note, "说明：" and the note's lines.
void VocabularyEntryLines(const VocabularyItem& entry, CStringArray& lines);

// What a double-click on an entry does, told by the first three characters of its full text.
enum class VocabularyAction {
    insertText,   // the full text is inserted into the active document
    openFile,     // "!!!": a file below the installation folder, opened in the editor
    openAddress,  // "!@!": a web address
    runFile,      // "!?!": a file below the installation folder, started by the shell
};
// The action and its argument (the rest of the text, or the whole text to insert).
VocabularyAction ClassifyVocabularyEntry(const CString& fullText, CString& argument);
