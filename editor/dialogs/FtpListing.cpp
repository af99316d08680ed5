#include "editor/dialogs/FtpListing.h"

#include <cctype>
#include <ctime>
#include <mutex>

#include "editor/util/PathUtil.h"
#include "editor/util/RegexEngine.h"
#include "framework/Gbk.h"

namespace {

// Bytes of a listing line searched for a Korean date.
const int kDateSearchBytes = 512;

// The line's first characters, at most maxBytes of them, never half a double-byte one.
CString HeadOfLine(const CString& line, int maxBytes)
{
    const char* text = line;
    int end = 0;
    while (end < line.GetLength()) {
        const int step = GbkText::CharLength(text, line.GetLength(), end);
        if (end + step > maxBytes)
            break;
        end += step;
    }
    return end == line.GetLength() ? line : line.Left(end);
}

} // namespace

CString NormalizeFtpListLine(const CString& line, int year)
{
    // "12월 5일 10:30": the two words are 0xBF 0xF9 and 0xC0 0xCF in the Korean code page.
    static std::mutex lock;
    static CRegexEngine engine;
    static bool compiled = false;
    CString result = line;
    // The date stands among the first fields; the search sees only the head of the line, so
    // a crafted line of thousands of digits costs no more than an ordinary one.
    const CString head = HeadOfLine(line, kDateSearchBytes);
    {
        std::lock_guard<std::mutex> guard(lock);
        if (!compiled)
            compiled = engine.Compile("([0-9]+)\xBF\xF9 ([0-9]+)\xC0\xCF [0-9]+:[0-9]+") != nullptr;
        const int at = compiled ? engine.Find(head) : -1;
        if (at >= 0) {
            CString date, replacement;
            date.Format("%d.\\1.\\2", year);
            if (engine.GetReplacementText(date, replacement))
                result = result.Left(at) + replacement + result.Mid(at + engine.GetMatchLength());
        }
    }
    const int arrow = result.Find(" -> ");
    if (arrow >= 0)
        result = result.Left(arrow);
    return result;
}

namespace {

// Bytes from 0x7F up are never blanks: they belong to double-byte characters.
bool IsBlank(char c)
{
    const unsigned char b = static_cast<unsigned char>(c);
    return b < 0x7F && isspace(b);
}

} // namespace

bool ParseFtpListLine(const CString& line, FtpListEntry& entry)
{
    const char* p = static_cast<LPCTSTR>(line);
    const char* start = p;
    if (!*p || IsBlank(*p))
        return false;
    while (*p && !IsBlank(*p))
        ++p;
    entry.mode = CString(start, static_cast<int>(p - start));
    auto skipBlanks = [&] {
        while (*p && IsBlank(*p))
            ++p;
        return *p != 0;
    };
    if (!skipBlanks())
        return false;
    for (int field = 0; field < 3; ++field) {  // links, owner, group
        while (*p && !IsBlank(*p))
            ++p;
        if (!skipBlanks())
            return false;
    }
    unsigned long long size = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        size = size < 0xFFFFFFFFull ? size * 10 + (*p - '0') : size;
    entry.size = size > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<uint32_t>(size);
    while (*p && !IsBlank(*p))
        ++p;
    if (!skipBlanks())
        return false;
    // Three words ended by a blank or a dot: "Dec 5 10:30", "Dec 5 2005", "2026.12.5".
    start = p;
    const char* dateEnd = p;
    for (int word = 0; word < 3; ++word) {
        while (*p == ' ' || *p == '.')
            ++p;
        if (!*p)
            return false;
        while (*p && *p != ' ' && *p != '.')
            ++p;
        dateEnd = p;
    }
    entry.date = CString(start, static_cast<int>(dateEnd - start));
    if (!skipBlanks())
        return false;
    entry.name = p;
    return true;
}

int CurrentLocalYear()
{
    const time_t now = time(nullptr);
    tm local = {};
#ifdef _WIN32
    const bool converted = localtime_s(&local, &now) == 0;
#else
    const bool converted = localtime_r(&now, &local) != nullptr;
#endif
    return converted ? local.tm_year + 1900 : 2026;
}

CString FtpListRow(const CString& line, LPCTSTR filter, int year)
{
    FtpListEntry entry;
    if (!ParseFtpListLine(NormalizeFtpListLine(line, year), entry))
        return CString();
    // A row holds the name between slashes: a name with one cannot be a single entry.
    if (entry.name.Find('/') >= 0)
        return CString();
    CString row;
    switch (entry.mode[0]) {
    case 'd':
        if (entry.name != "." && entry.name != "..")
            row = "D/" + entry.name + "/N";
        break;
    case 'l':
        row = "D/" + entry.name + "/L";
        break;
    case '-':
        if (MatchFileFilter(entry.name, filter))
            row.Format("F/%s/%lu", static_cast<LPCTSTR>(entry.name), static_cast<unsigned long>(entry.size));
        break;
    }
    return row;
}


bool FtpListRows(const CStringArray& lines, LPCTSTR filter, const std::function<bool()>& stopped, CStringArray& rows)
{
    const int year = CurrentLocalYear();
    CStringArray found;
    for (INT_PTR i = 0; i < lines.GetSize(); ++i) {
        if (stopped && stopped())
            return false;
        const CString row = FtpListRow(lines[i], filter, year);
        if (!row.IsEmpty())
            found.Add(row);
    }
    rows.RemoveAll();
    rows.Append(found);
    return true;
}
