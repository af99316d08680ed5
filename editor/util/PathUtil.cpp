#include "editor/util/PathUtil.h"

#include "editor/util/CharClasses.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const char* OrEmpty(const char* text) { return text ? text : ""; }

// Byte index of the last character that is the single byte c, or -1.
int FindLastChar(const char* text, int length, char c)
{
    int found = -1;
    for (int i = 0; i < length; i += GbkText::CharLength(text + i))
        if (text[i] == c) found = i;
    return found;
}

// Byte index where the last character starts, or -1 for an empty text.
int LastCharStart(const char* text, int length)
{
    int last = -1;
    for (int i = 0; i < length; i += GbkText::CharLength(text + i)) last = i;
    return last;
}

bool EndsWithChar(const char* text, int length, char c)
{
    int last = LastCharStart(text, length);
    return last >= 0 && text[last] == c;
}

// Length of the path once one trailing '\' (or, without one, one trailing '/') is dropped.
int LengthWithoutTrailingSeparator(const char* path, int length)
{
    return EndsWithChar(path, length, '\\') || EndsWithChar(path, length, '/') ? length - 1 : length;
}

// Index of the last '\' within length bytes, or of the last '/' when there is no '\'.
int FindLastSeparator(const char* path, int length)
{
    int found = FindLastChar(path, length, '\\');
    return found >= 0 ? found : FindLastChar(path, length, '/');
}

// The text cut at every single-byte character c; a final piece after the last c is
// included only when it is non-empty (a missing final separator is implied).
std::vector<CString> SplitAt(const char* text, char c)
{
    std::vector<CString> pieces;
    int start = 0;
    int i = 0;
    while (text[i]) {
        if (text[i] == c) {
            pieces.emplace_back(text + start, i - start);
            start = i + 1;
            ++i;
        } else {
            i += GbkText::CharLength(text + i);
        }
    }
    if (i > start) pieces.emplace_back(text + start, i - start);
    return pieces;
}

bool IsCharStart(const char* text, int index)
{
    int i = 0;
    while (i < index && text[i]) i += GbkText::CharLength(text + i);
    return i == index;
}

// A component that Windows would resolve to a parent or the folder itself once trailing
// dots and blanks are trimmed ("..", "...", ". .").
bool IsDotsComponent(const char* text, int length)
{
    int dots = 0;
    for (int i = 0; i < length; ++i) {
        if (text[i] == '.')
            ++dots;
        else if (text[i] != ' ')
            return false;
    }
    return dots >= 2;
}

// The second byte of a double-byte character of code page 936.
bool IsGbkTrailByte(unsigned char byte)
{
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFE);
}

void AppendCacheComponent(CString& result, const char* component, int length)
{
    if (IsDotsComponent(component, length)) {
        for (int i = 0; i < length; ++i) result += component[i] == '.' ? "%2E" : " ";
        return;
    }
    for (int i = 0; i < length;) {
        const unsigned char byte = static_cast<unsigned char>(component[i]);
        if (GbkText::IsLeadByte(byte) && i + 1 < length && IsGbkTrailByte(static_cast<unsigned char>(component[i + 1]))) {
            result += CString(component + i, 2);
            i += 2;
            continue;
        }
        // What the file system would refuse or fold into one name (a byte that starts no
        // character, a control byte, a reserved sign) is written as its value.
        if (byte >= 0x80 || byte < 0x20 || std::strchr("%*?:<>|\"/\\", byte)) {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
            result += escaped;
        } else {
            result += component[i];
        }
        ++i;
    }
}

}  // namespace

bool SplitFilterString(const char* filter, CStringArray& descriptions, CStringArray& patterns)
{
    descriptions.RemoveAll();
    patterns.RemoveAll();
    if (!filter) return false;
    std::vector<CString> pieces = SplitAt(filter, '|');
    for (size_t i = 0; i + 1 < pieces.size(); i += 2) {
        if (pieces[i].IsEmpty() || pieces[i + 1].IsEmpty()) continue;
        descriptions.Add(pieces[i]);
        patterns.Add(pieces[i + 1]);
    }
    return true;
}

bool MatchFileFilter(const char* fileName, const char* patternList)
{
    const char* name = OrEmpty(fileName);
    const int nameLength = static_cast<int>(strlen(name));
    for (const CString& pattern : SplitAt(OrEmpty(patternList), ';')) {
        if (pattern == "*.*") return true;
        if (pattern.GetLength() < 2 || pattern[0] != '*' || pattern[1] != '.') continue;
        // The tail is the pattern without its star: ".ext".
        const int tailLength = pattern.GetLength() - 1;
        const int tailStart = nameLength - tailLength;
        if (tailStart < 0 || !IsCharStart(name, tailStart)) continue;
        if (CString(name + tailStart).CompareNoCase(static_cast<const char*>(pattern) + 1) == 0) return true;
    }
    return false;
}

CString StripTrailingBackslash(const char* path)
{
    const char* text = OrEmpty(path);
    int length = static_cast<int>(strlen(text));
    return CString(text, EndsWithChar(text, length, '\\') ? length - 1 : length);
}

CString RemotePathToCacheName(const char* remotePath)
{
    const char* text = OrEmpty(remotePath);
    CString result;
    int start = 0;
    int i = 0;
    for (;;) {
        char c = text[i];
        if (c == '\0' || c == '/' || c == '\\') {
            AppendCacheComponent(result, text + start, i - start);
            if (c == '\0') break;
            result += '\\';
            start = ++i;
        } else {
            i += GbkText::CharLength(text + i);
        }
    }
    return result;
}

CString GetDirectoryPart(const char* path)
{
    const char* text = OrEmpty(path);
    int length = LengthWithoutTrailingSeparator(text, static_cast<int>(strlen(text)));
    int separator = FindLastSeparator(text, length);
    return separator >= 0 ? CString(text, separator) : CString();
}

CString GetFileNamePart(const char* path)
{
    const char* text = OrEmpty(path);
    int length = LengthWithoutTrailingSeparator(text, static_cast<int>(strlen(text)));
    int separator = FindLastSeparator(text, length);
    return CString(text + separator + 1, length - separator - 1);
}

CString GetFileTitlePart(const char* path)
{
    return StripExtension(GetFileNamePart(path));
}

CString GetExtensionPart(const char* path)
{
    const char* text = OrEmpty(path);
    int dot = FindLastChar(text, static_cast<int>(strlen(text)), '.');
    return dot >= 0 ? CString(text + dot) : CString();
}

CString StripExtension(const char* path)
{
    const char* text = OrEmpty(path);
    int length = static_cast<int>(strlen(text));
    int dot = FindLastChar(text, length, '.');
    return CString(text, dot >= 0 ? dot : length);
}
