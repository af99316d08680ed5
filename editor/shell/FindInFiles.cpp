#include "editor/shell/FindInFiles.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "editor/document/FileHandle.h"
#include "framework/Gbk.h"
#include "editor/util/PathUtil.h"
#include "editor/util/TextSearch.h"

namespace {

const char kTypesDefault[] = "*.墨;*.接口;*.定义;*.墨双;*.c;*.h";
const char kTypesSource[] = "*.墨;*.c;*.接口;*.定义;*.h";
const char kTypesAssembler[] = "*.墨;*.c;*.墨51;*.c51;*.接口;*.定义;*.asm;*.s;*.a51;*.中汇;*.汇编;*.汇51";
const char kTypesJava[] = "*.橙语;*.java";

bool IsOneOf(const CString& extension, std::initializer_list<const char*> list)
{
    for (const char* item : list) {
        if (extension.CompareNoCase(item) == 0)
            return true;
    }
    return false;
}

// Bytes that mark a file as binary: the search stops at the line holding one.
bool IsBinaryByte(unsigned char byte)
{
    return byte == 0x07 || byte == 0x08 || byte == 0x7F || byte == 0xFF;
}

bool HoldsBinaryByte(const char* text, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        if (IsBinaryByte((unsigned char)text[i]))
            return true;
    }
    return false;
}

// Entries the search passes over: hidden ones, and folders that lead elsewhere.
bool IsPassedOver(const WIN32_FIND_DATAA& entry)
{
    return (entry.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_REPARSE_POINT)) != 0;
}

bool IsDots(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Closes a directory listing.
class FindGuard {
public:
    explicit FindGuard(HANDLE find) : m_find(find) {}
    ~FindGuard()
    {
        if (m_find != INVALID_HANDLE_VALUE)
            ::FindClose(m_find);
    }
    FindGuard(const FindGuard&) = delete;
    FindGuard& operator=(const FindGuard&) = delete;

private:
    HANDLE m_find;
};

const size_t kReadSize = 256 * 1024;

} // namespace

CString DefaultFindTypes(const CString& extension)
{
    if (extension.IsEmpty())
        return kTypesDefault;
    if (extension.CompareNoCase(".Java") == 0)
        return kTypesJava;
    if (IsOneOf(extension, {".asm", ".s", ".a51", ".中汇", ".汇编", ".汇51"}))
        return kTypesAssembler;
    if (IsOneOf(extension, {".墨", ".c", ".接口", ".定义", ".h"}))
        return kTypesSource;
    return "*" + extension;
}

CString RewriteFindPattern(const char* pattern, bool matchCase)
{
    static const struct {
        char letter;
        const char* set;
    } kShorthands[] = {
        {'s', "[ \t\r\n]"},    {'S', "[^ \t\r\n]"},    {'w', "[A-Za-z0-9]"}, {'W', "[^A-Za-z0-9]"},
        {'a', "[A-Za-z]"},     {'A', "[^A-Za-z]"},     {'d', "[0-9]"},       {'D', "[^0-9]"},
        {'h', "[A-Fa-f0-9]"},  {'H', "[^A-Fa-f0-9]"},  {'t', "\t"},
    };
    CString out;
    for (const char* p = pattern; *p != '\0';) {
        if (p[0] == '\\' && p[1] == '\\') {
            out += "\\\\";
            p += 2;
            continue;
        }
        if (p[0] == '\\') {
            const char* set = nullptr;
            for (const auto& shorthand : kShorthands) {
                if (p[1] == shorthand.letter)
                    set = shorthand.set;
            }
            if (set != nullptr) {
                out += set;
                p += 2;
                continue;
            }
        }
        const int length = GbkText::CharLength(p);
        out += CString(p, length);
        p += length;
    }
    if (!matchCase)
        out.MakeLower();
    return out;
}

bool FileSearch::Prepare(const char* text, int mode)
{
    m_text = text;
    m_wholeWord = (mode & kFindWholeWord) != 0;
    m_matchCase = (mode & kFindMatchCase) != 0;
    m_regex = (mode & kFindRegex) != 0;
    if (m_text.IsEmpty())
        return false;
    if (!m_regex)
        return true;
    m_pattern = RewriteFindPattern(text, m_matchCase);
    return m_engine.Compile(m_pattern) != nullptr;
}

int FileSearch::FindInLine(const char* line, int length)
{
    if (m_regex)
        return FindRegexForward(line, m_pattern, m_engine, 0, m_wholeWord, m_matchCase);
    // Most lines hold no hit: look for the text's first byte before matching in earnest.
    const unsigned char first = (unsigned char)m_text[0];
    const bool folds = !m_matchCase && ((first | 0x20) >= 'a' && (first | 0x20) <= 'z');
    if (!folds ? memchr(line, first, (size_t)length) == nullptr
               : memchr(line, first | 0x20, (size_t)length) == nullptr &&
                     memchr(line, first & ~0x20, (size_t)length) == nullptr)
        return -1;
    return FindTextForward(line, m_text, 0, m_wholeWord, m_matchCase);
}

int FileSearch::SearchFile(const CString& path, FindInFilesSink& sink)
{
    CFileHandle file;
    if (!file.OpenForReading(path)) {
        sink.CannotOpen(path);
        return 0;
    }
    int hits = 0;
    int lineNumber = 0;
    bool skipping = false;  // inside a line too long to search
    bool ended = false;
    size_t held = 0;        // bytes of an unfinished line at the buffer's front
    std::string& buffer = m_buffer;
    CString hit;
    while (!ended) {
        buffer.resize(held + kReadSize + 1);
        size_t got = 0;
        if (!file.ReadFully(&buffer[held], kReadSize, &got))
            got = 0;
        ended = got < kReadSize;
        const size_t end = held + got;
        size_t start = 0;
        while (start < end) {
            char* line = &buffer[start];
            char* newline = (char*)memchr(line, '\n', end - start);
            if (newline == nullptr && !ended) {
                // An unfinished line: keep it for the next read unless it is already too long.
                if (!skipping && end - start <= (size_t)kMaxSearchedLine)  // room for a CR
                    break;
                if (!skipping) {
                    if (HoldsBinaryByte(line, end - start))
                        return hits;
                    sink.LineTooLong(path, ++lineNumber);
                    skipping = true;
                }
                start = end;
                break;
            }
            const size_t next = newline ? (size_t)(newline - &buffer[0]) + 1 : end;
            if (skipping) {  // the rest of a long line
                skipping = false;
                start = next;
                continue;
            }
            size_t length = (newline ? (size_t)(newline - line) : end - start);
            if (length > 0 && line[length - 1] == '\r')
                --length;
            ++lineNumber;
            start = next;
            if (HoldsBinaryByte(line, length))
                return hits;
            if (length >= (size_t)kMaxSearchedLine) {
                sink.LineTooLong(path, lineNumber);
                continue;
            }
            const char saved = line[length];
            line[length] = '\0';
            const int column = FindInLine(line, (int)length);
            if (column >= 0) {
                hit.Format("%s(%d,%d): %s", (LPCTSTR)path, lineNumber, column + 1, line);
                sink.HitLine(hit);
                ++hits;
            }
            line[length] = saved;
        }
        held = end - start;
        if (held > 0 && start > 0)
            memmove(&buffer[0], &buffer[start], held);
    }
    return hits;
}

int FileSearch::SearchFolder(const CString& folder, const char* types, bool subFolders, FindInFilesSink& sink)
{
    return SearchTree(folder, types, subFolders, 0, sink);
}

int FileSearch::SearchTree(const CString& folder, const char* types, bool subFolders, int depth,
                           FindInFilesSink& sink)
{
    const CString prefix = folder.Right(1) == "\\" ? folder : folder + "\\";
    WIN32_FIND_DATAA entry;
    HANDLE find = ::FindFirstFileA(prefix + "*.*", &entry);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    FindGuard guard(find);
    int hits = 0;
    std::vector<CString> folders;
    do {
        if (IsDots(entry.cFileName) || IsPassedOver(entry))
            continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            folders.push_back(prefix + entry.cFileName);
        else if (MatchFileFilter(entry.cFileName, types))
            hits += SearchFile(prefix + entry.cFileName, sink);
    } while (::FindNextFileA(find, &entry));
    if (subFolders && depth < kMaxFolderDepth) {
        for (const CString& sub : folders)
            hits += SearchTree(sub, types, subFolders, depth + 1, sink);
    }
    return hits;
}

int FileSearch::SearchFileList(const CStringArray& files, const char* types, FindInFilesSink& sink)
{
    int hits = 0;
    for (int i = 0; i < files.GetSize(); ++i) {
        if (MatchFileFilter(GetFileNamePart(files[i]), types))
            hits += SearchFile(files[i], sink);
    }
    return hits;
}

bool FindInFiles(const char* text, const char* types, const CString& folder, int scope, int mode,
                 const CStringArray* projectFiles, FindInFilesSink& sink, int& hits)
{
    hits = 0;
    if (*text == '\0')
        return true;
    FileSearch search;
    if (!search.Prepare(text, mode))
        return false;
    if ((scope & kFindInProject) && projectFiles != nullptr)
        hits = search.SearchFileList(*projectFiles, types, sink);
    else
        hits = search.SearchFolder(folder, types, (scope & kFindSubFolders) != 0, sink);
    return true;
}
