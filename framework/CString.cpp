#include "framework/CString.h"

#include "framework/Gbk.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// A formatted result beyond this is a runaway format, not text.
const size_t kMaxFormatBytes = 256u * 1024 * 1024;

bool IsWhitespace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsResourceId(LPCTSTR text)
{
    return text != nullptr && (reinterpret_cast<uintptr_t>(text) >> 16) == 0;
}

// Compares two character-stepped strings; fold maps a single-byte character before comparing.
template <class Fold>
int CompareByCharacter(const char* a, const char* b, Fold fold)
{
    int lengthA = (int)strlen(a), lengthB = (int)strlen(b);
    int i = 0, j = 0;
    while (i < lengthA && j < lengthB) {
        int charA = GbkText::CharLength(a, lengthA, i);
        int charB = GbkText::CharLength(b, lengthB, j);
        unsigned char firstA = (unsigned char)(charA == 1 ? fold(a[i]) : a[i]);
        unsigned char firstB = (unsigned char)(charB == 1 ? fold(b[j]) : b[j]);
        if (firstA != firstB)
            return firstA < firstB ? -1 : 1;
        if (charA != charB)
            return charA < charB ? -1 : 1;
        if (charA == 2 && a[i + 1] != b[j + 1])
            return (unsigned char)a[i + 1] < (unsigned char)b[j + 1] ? -1 : 1;
        i += charA;
        j += charB;
    }
    if (i < lengthA)
        return 1;
    return j < lengthB ? -1 : 0;
}

} // namespace

CString::CString(LPCTSTR text)
{
    if (IsResourceId(text))
        LoadString((UINT)(reinterpret_cast<uintptr_t>(text) & 0xFFFF));
    else if (text)
        m_text = text;
}

CString::CString(char ch, int repeat)
{
    if (repeat > 0)
        m_text.assign((size_t)repeat, ch);
}

CString::CString(LPCTSTR text, int length)
{
    if (text && length > 0)
        m_text.assign(text, (size_t)length);
}

CString& CString::operator=(LPCTSTR text)
{
    if (IsResourceId(text))
        LoadString((UINT)(reinterpret_cast<uintptr_t>(text) & 0xFFFF));
    else if (text)
        m_text = text;  // std::string handles a pointer into itself
    else
        m_text.clear();
    return *this;
}

CString& CString::operator=(char ch)
{
    m_text.assign(1, ch);
    return *this;
}

char CString::GetAt(int index) const
{
    if (index < 0 || index >= GetLength())
        return '\0';
    return m_text[(size_t)index];
}

void CString::SetAt(int index, char ch)
{
    if (index >= 0 && index < GetLength())
        m_text[(size_t)index] = ch;
}

CString& CString::operator+=(const CString& text)
{
    m_text += text.m_text;
    return *this;
}

CString& CString::operator+=(LPCTSTR text)
{
    if (text)
        m_text += text;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_text += ch;
    return *this;
}

int CString::Compare(LPCTSTR text) const
{
    int result = strcmp(m_text.c_str(), text ? text : "");
    return result < 0 ? -1 : result > 0 ? 1 : 0;
}

int CString::CompareNoCase(LPCTSTR text) const
{
    return CompareByCharacter(m_text.c_str(), text ? text : "", GbkText::AsciiToLower);
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = std::max(first, 0);
    if (first >= GetLength() || count <= 0)
        return CString();
    count = std::min(count, GetLength() - first);
    return CString(m_text.c_str() + first, count);
}

CString CString::Left(int count) const
{
    return Mid(0, count);
}

CString CString::Right(int count) const
{
    count = std::max(0, std::min(count, GetLength()));
    return CString(m_text.c_str() + GetLength() - count, count);
}

int CString::CharLengthAt(int index) const
{
    return GbkText::CharLength(m_text.c_str(), GetLength(), index);
}

int CString::CharStartFrom(int index) const
{
    if (index <= 0)
        return 0;
    if (index >= GetLength())
        return GetLength();
    // A byte outside the lead range always ends a character, so only the run of lead-range
    // bytes just before index decides: they pair up from its start. This keeps a search
    // from a start position from walking the whole string.
    int run = 0;
    while (run < index && GbkText::IsLeadByte((unsigned char)m_text[(size_t)(index - 1 - run)]))
        ++run;
    if (run % 2 == 0)
        return index;
    // index is the second byte of a pair, unless it is a zero byte after a lone lead byte.
    return m_text[(size_t)index] == '\0' ? index : index + 1;
}

bool CString::SetContains(LPCTSTR charSet, const char* ch, int chLength)
{
    if (!charSet)
        return false;
    int setLength = (int)strlen(charSet);
    for (int i = 0; i < setLength;) {
        int length = GbkText::CharLength(charSet, setLength, i);
        if (length == chLength && memcmp(charSet + i, ch, (size_t)length) == 0)
            return true;
        i += length;
    }
    return false;
}

bool CString::CharInSet(int index, LPCTSTR charSet) const
{
    return SetContains(charSet, m_text.c_str() + index, CharLengthAt(index));
}

CString CString::SpanIncluding(LPCTSTR charSet) const
{
    int i = 0;
    while (i < GetLength() && m_text[(size_t)i] != '\0' && CharInSet(i, charSet))
        i += CharLengthAt(i);
    return Left(i);
}

CString CString::SpanExcluding(LPCTSTR charSet) const
{
    int i = 0;
    while (i < GetLength() && m_text[(size_t)i] != '\0' && !CharInSet(i, charSet))
        i += CharLengthAt(i);
    return Left(i);
}

void CString::MakeUpper()
{
    for (int i = 0; i < GetLength(); i += CharLengthAt(i))
        if (CharLengthAt(i) == 1)
            m_text[(size_t)i] = GbkText::AsciiToUpper(m_text[(size_t)i]);
}

void CString::MakeLower()
{
    for (int i = 0; i < GetLength(); i += CharLengthAt(i))
        if (CharLengthAt(i) == 1)
            m_text[(size_t)i] = GbkText::AsciiToLower(m_text[(size_t)i]);
}

void CString::MakeReverse()
{
    std::string reversed(m_text.size(), '\0');
    size_t out = m_text.size();
    for (int i = 0; i < GetLength();) {
        int length = CharLengthAt(i);
        out -= (size_t)length;
        memcpy(&reversed[out], m_text.data() + i, (size_t)length);
        i += length;
    }
    m_text.swap(reversed);
}

int CString::Replace(char oldChar, char newChar)
{
    int count = 0;
    for (int i = 0; i < GetLength(); i += CharLengthAt(i)) {
        if (CharLengthAt(i) == 1 && m_text[(size_t)i] == oldChar) {
            m_text[(size_t)i] = newChar;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCTSTR oldText, LPCTSTR newText)
{
    int oldLength = oldText ? (int)strlen(oldText) : 0;
    if (oldLength == 0)
        return 0;
    std::string result;
    int count = 0;
    int i = 0;
    while (i < GetLength()) {
        if (m_text.compare((size_t)i, (size_t)oldLength, oldText) == 0) {
            if (newText)
                result += newText;
            i += oldLength;
            ++count;
        } else {
            int length = CharLengthAt(i);
            result.append(m_text, (size_t)i, (size_t)length);
            i += length;
        }
    }
    if (count)
        m_text.swap(result);
    return count;
}

template <class Match>
int CString::RemoveIf(Match match)
{
    std::string result;
    int count = 0;
    for (int i = 0; i < GetLength();) {
        int length = CharLengthAt(i);
        if (match(i, length))
            ++count;
        else
            result.append(m_text, (size_t)i, (size_t)length);
        i += length;
    }
    m_text.swap(result);
    return count;
}

int CString::Remove(char ch)
{
    return RemoveIf([&](int i, int length) { return length == 1 && m_text[(size_t)i] == ch; });
}

int CString::Insert(int index, char ch)
{
    index = std::max(0, std::min(index, GetLength()));
    m_text.insert((size_t)index, 1, ch);
    return GetLength();
}

int CString::Insert(int index, LPCTSTR text)
{
    if (text && *text) {
        index = std::max(0, std::min(index, GetLength()));
        m_text.insert((size_t)index, std::string(text));
    }
    return GetLength();
}

int CString::Delete(int index, int count)
{
    index = std::max(index, 0);
    if (count > 0 && index < GetLength())
        m_text.erase((size_t)index, (size_t)std::min(count, GetLength() - index));
    return GetLength();
}

template <class Match>
int CString::TrimLeftWhile(Match match)
{
    int i = 0;
    while (i < GetLength() && match(i, CharLengthAt(i)))
        i += CharLengthAt(i);
    m_text.erase(0, (size_t)i);
    return i;
}

template <class Match>
int CString::TrimRightWhile(Match match)
{
    // Walk forward: only a character start tells whether the last byte is a trail byte.
    int trimFrom = -1;
    for (int i = 0; i < GetLength();) {
        int length = CharLengthAt(i);
        if (match(i, length)) {
            if (trimFrom < 0)
                trimFrom = i;
        } else {
            trimFrom = -1;
        }
        i += length;
    }
    if (trimFrom < 0)
        return 0;
    int removed = GetLength() - trimFrom;
    m_text.erase((size_t)trimFrom);
    return removed;
}

void CString::TrimLeft()
{
    TrimLeftWhile([&](int i, int length) { return length == 1 && IsWhitespace(m_text[(size_t)i]); });
}

void CString::TrimLeft(char target)
{
    TrimLeftWhile([&](int i, int length) { return length == 1 && m_text[(size_t)i] == target; });
}

void CString::TrimLeft(LPCTSTR targets)
{
    TrimLeftWhile([&](int i, int) { return CharInSet(i, targets); });
}

void CString::TrimRight()
{
    TrimRightWhile([&](int i, int length) { return length == 1 && IsWhitespace(m_text[(size_t)i]); });
}

void CString::TrimRight(char target)
{
    TrimRightWhile([&](int i, int length) { return length == 1 && m_text[(size_t)i] == target; });
}

void CString::TrimRight(LPCTSTR targets)
{
    TrimRightWhile([&](int i, int) { return CharInSet(i, targets); });
}

int CString::Find(char ch, int start) const
{
    for (int i = CharStartFrom(std::max(start, 0)); i < GetLength(); i += CharLengthAt(i))
        if (CharLengthAt(i) == 1 && m_text[(size_t)i] == ch)
            return i;
    return -1;
}

int CString::Find(LPCTSTR sub, int start) const
{
    if (!sub || start > GetLength())
        return -1;
    int subLength = (int)strlen(sub);
    for (int i = CharStartFrom(std::max(start, 0)); i + subLength <= GetLength(); i += CharLengthAt(i)) {
        if (m_text.compare((size_t)i, (size_t)subLength, sub) == 0)
            return i;
    }
    return -1;
}

int CString::ReverseFind(char ch) const
{
    int found = -1;
    for (int i = 0; i < GetLength(); i += CharLengthAt(i))
        if (CharLengthAt(i) == 1 && m_text[(size_t)i] == ch)
            found = i;
    return found;
}

int CString::FindOneOf(LPCTSTR charSet) const
{
    for (int i = 0; i < GetLength(); i += CharLengthAt(i))
        if (CharInSet(i, charSet))
            return i;
    return -1;
}

void CString::Format(LPCTSTR format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::Format(UINT formatId, ...)
{
    CString format;
    format.LoadString(formatId);
    va_list args;
    va_start(args, formatId);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(LPCTSTR format, va_list args)
{
    if (!format) {
        Empty();
        return;
    }
    // Grow and retry while the result does not fit.
    std::vector<char> buffer(256);
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        int written = FormatInto(buffer.data(), buffer.size(), format, copy);
        va_end(copy);
        if (written >= 0 && (size_t)written < buffer.size()) {
            m_text.assign(buffer.data(), (size_t)written);
            return;
        }
        size_t next = written >= 0 ? (size_t)written + 1 : buffer.size() * 2;
        if (next > kMaxFormatBytes)
            ThrowOutOfMemory();
        buffer.assign(next, '\0');
    }
}

LPTSTR CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_text.resize((size_t)minLength, '\0');
    return &m_text[0];
}

LPTSTR CString::GetBufferSetLength(int newLength)
{
    m_text.resize((size_t)std::max(newLength, 0), '\0');
    return &m_text[0];
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        newLength = (int)strnlen(m_text.c_str(), m_text.size());
    m_text.resize((size_t)std::min(newLength, GetLength()));
}

namespace {

template <class Left, class Right>
CString Concatenate(const Left& left, const Right& right)
{
    CString result(left);
    result += right;
    return result;
}

} // namespace

CString operator+(const CString& left, const CString& right) { return Concatenate(left, right); }
CString operator+(const CString& left, LPCTSTR right) { return Concatenate(left, right); }
CString operator+(LPCTSTR left, const CString& right) { return Concatenate(left, right); }
CString operator+(const CString& left, char right) { return Concatenate(left, right); }
CString operator+(char left, const CString& right) { return Concatenate(left, right); }
