#pragma once
#include <string>
#include <vector>

#include "editor/util/ByteScan.h"
#include "editor/util/RegexEngine.h"
#include "framework/Collections.h"
#include "framework/CString.h"

// Find in files: searches every matching file of a folder tree, or a list of files (the
// open project's), for a plain text or a regular expression, one output line per line that
// holds a hit. The command around it shows the output window, the header and the count.

// Scope bits.
constexpr int kFindSubFolders = 0x01;
constexpr int kFindInProject = 0x20;
constexpr int kFindAppend = 0x80;
// Mode bits.
constexpr int kFindWholeWord = 1;
constexpr int kFindMatchCase = 2;
constexpr int kFindRegex = 4;

// Lines this long or longer are not searched.
constexpr int kMaxSearchedLine = 32767;
// Folders deeper than this below the starting folder are not entered.
constexpr int kMaxFolderDepth = 64;

// The file types to search by default for a document with this extension (dot included;
// empty without a document or extension).
CString DefaultFindTypes(const CString& extension);
// The file types the view's search of the document's own folder takes for a document with
// this extension: Java and the assembler group keep to their own kind, anything else
// searches the C-family and Moyu sources with their interfaces.
CString FolderSearchTypes(const CString& extension);

// A regular expression as the engine takes it: "\s" "\S" "\w" "\W" "\a" "\A" "\d" "\D" "\h"
// "\H" become bracket sets, "\t" a tab, "\\" stays; lower-cased without match case.
CString RewriteFindPattern(const char* pattern, bool matchCase);

// Where the hits and the problems go.
class FindInFilesSink {
public:
    virtual ~FindInFilesSink() = default;
    // "file(line,column): text" of a line's first hit.
    virtual void HitLine(const char* line) = 0;
    virtual void CannotOpen(const char* path) = 0;
    virtual void LineTooLong(const char* path, int lineNumber) = 0;
};

class FileSearch {
public:
    FileSearch() = default;
    FileSearch(const FileSearch&) = delete;
    FileSearch& operator=(const FileSearch&) = delete;

    // False when the text is empty or the regular expression does not compile.
    bool Prepare(const char* text, int mode);

    // Each returns the number of lines with a hit.
    int SearchFile(const CString& path, FindInFilesSink& sink);
    // The files of folder whose names match types (';'-separated "*.ext" or "*.*"), then,
    // with subFolders, its sub-folders; hidden entries and reparse points are passed over.
    int SearchFolder(const CString& folder, const char* types, bool subFolders, FindInFilesSink& sink);
    // The listed files whose names match types.
    int SearchFileList(const CStringArray& files, const char* types, FindInFilesSink& sink);

private:
    int SearchTree(const CString& folder, const char* types, bool subFolders, int depth, FindInFilesSink& sink);
    // Column of the line's first hit, or -1; line is zero-terminated.
    int FindInLine(const char* line);
    // Whether [line, lineEnd) holds every literal of the expression besides the scanned one.
    bool HoldsOtherLiterals(const char* line, const char* lineEnd) const;

    CString m_text;     // as given
    CString m_pattern;  // the compiled form of a regular expression
    bool m_wholeWord = false;
    bool m_matchCase = false;
    bool m_regex = false;
    CRegexEngine m_engine;
    // Finds the lines that can hold a hit: those with the text, or with the literal every
    // match of the expression holds; the search of the line decides.
    LiteralScan m_scan;
    std::vector<LiteralScan> m_otherLiterals;
    std::string m_buffer;
    std::string m_hitLine;
};

// The search of the command: the listed project files when scope asks for them and a
// project is open (projectFiles not null), the folder otherwise. False when the regular
// expression does not compile; else hits holds the count.
bool FindInFiles(const char* text, const char* types, const CString& folder, int scope, int mode,
                 const CStringArray* projectFiles, FindInFilesSink& sink, int& hits);
