#include "editor/shell/FindInFiles.h"

#include <windows.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <vector>

#include "editor/document/FileHandle.h"
#include "editor/util/ByteScan.h"
#include "framework/Gbk.h"
#include "editor/util/PathUtil.h"
#include "editor/util/TextSearch.h"
#include "framework/File.h"

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

// Entries the search passes over: hidden ones, and folders that lead elsewhere.
bool IsPassedOver(const CFileFind& entry)
{
    return entry.IsDots() || entry.IsHidden() || entry.MatchesMask(FILE_ATTRIBUTE_REPARSE_POINT);
}

const size_t kReadSize = 256 * 1024;

void AppendNumber(std::string& out, int number)
{
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, number);
    out.append(digits, result.ptr);
}

// "file(line,column): text", put together by hand: it runs once per hit, and a hit-heavy
// search spends much of its time here.
void BuildHitLine(std::string& out, const CString& path, int lineNumber, int column, const char* line,
                  size_t length)
{
    out.assign((LPCTSTR)path, (size_t)path.GetLength());
    out += '(';
    AppendNumber(out, lineNumber);
    out += ',';
    AppendNumber(out, column);
    out += "): ";
    out.append(line, length);
}

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

CString FolderSearchTypes(const CString& extension)
{
    if (extension.CompareNoCase(".Java") == 0)
        return kTypesJava;
    if (IsOneOf(extension, {".asm", ".s", ".a51", ".中汇", ".汇编", ".汇51"}))
        return kTypesAssembler;
    return "*.接口;*.定义;*.墨;*.c;*.cc;*.h;*.cpp;*.hpp;*.墨双";
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
    if (!m_regex) {
        m_scan = LiteralScan(std::string(text), !m_matchCase);
        return true;
    }
    m_pattern = RewriteFindPattern(text, m_matchCase);
    if (m_engine.Compile(m_pattern) == nullptr)
        return false;
    // The longest literal is looked for in the buffer, the others on the lines it finds.
    std::vector<std::string> literals = m_engine.RequiredLiterals();
    m_otherLiterals.clear();
    if (literals.empty()) {
        m_scan = LiteralScan();
        return true;
    }
    const auto longest = std::max_element(literals.begin(), literals.end(),
                                          [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    m_scan = LiteralScan(*longest, !m_matchCase);
    for (auto literal = literals.begin(); literal != literals.end(); ++literal) {
        if (literal != longest)
            m_otherLiterals.emplace_back(*literal, !m_matchCase);
    }
    return true;
}

bool FileSearch::HoldsOtherLiterals(const char* line, const char* lineEnd) const
{
    for (const LiteralScan& literal : m_otherLiterals) {
        if (literal.Next(line, lineEnd) == lineEnd)
            return false;
    }
    return true;
}

int FileSearch::FindInLine(const char* line)
{
    if (m_regex)
        return FindRegexForward(line, m_pattern, m_engine, 0, m_wholeWord, m_matchCase);
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
    std::string& hit = m_hitLine;
    while (!ended) {
        buffer.resize(held + kReadSize + 1);
        size_t got = 0;
        if (!file.ReadFully(&buffer[held], kReadSize, &got))
            got = 0;
        ended = got < kReadSize;
        char* line = &buffer[0];
        char* const end = line + held + got;
        const char* binary = FindBinaryByte(line, end);
        const char* candidate = m_scan.Next(line, end);
        while (line < end) {
            char* const found = (char*)FindByte(line, end, '\n');
            char* const newline = found < end ? found : nullptr;
            if (newline == nullptr && !ended) {
                // An unfinished line: kept for the next read unless already too long.
                if (!skipping && end - line <= kMaxSearchedLine)  // room for a CR
                    break;
                if (!skipping) {
                    if (binary < end)
                        return hits;
                    sink.LineTooLong(path, ++lineNumber);
                    skipping = true;
                }
                line = end;
                break;
            }
            char* const lineEnd = newline ? newline : end;
            char* const next = newline ? newline + 1 : end;
            if (skipping) {  // the rest of a long line
                skipping = false;
                line = next;
                continue;
            }
            ++lineNumber;
            if (binary < lineEnd)
                return hits;
            const size_t length = (size_t)(lineEnd - line) - (lineEnd > line && lineEnd[-1] == '\r' ? 1 : 0);
            if (length >= (size_t)kMaxSearchedLine) {
                sink.LineTooLong(path, lineNumber);
            } else if (candidate < lineEnd) {
                if (HoldsOtherLiterals(line, lineEnd)) {
                    const char saved = line[length];
                    line[length] = '\0';
                    const int column = FindInLine(line);
                    if (column >= 0) {
                        BuildHitLine(hit, path, lineNumber, column + 1, line, length);
                        sink.HitLine(hit.c_str());
                        ++hits;
                    }
                    line[length] = saved;
                }
                candidate = m_scan.Next(next, end);
            }
            line = next;
        }
        held = (size_t)(end - line);
        if (held > 0 && line != &buffer[0])
            memmove(&buffer[0], line, held);
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
    CFileFind entry;
    int hits = 0;
    std::vector<CString> folders;
    for (BOOL more = entry.FindFile(prefix + "*.*"); more;) {
        more = entry.FindNextFile();
        if (IsPassedOver(entry))
            continue;
        if (entry.IsDirectory())
            folders.push_back(entry.GetFilePath());
        else if (MatchFileFilter(entry.GetFileName(), types))
            hits += SearchFile(entry.GetFilePath(), sink);
    }
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
