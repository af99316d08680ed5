#pragma once
#include "framework/PlatformTypes.h"

#include <cstdarg>
#include <string>

// A string of GBK bytes with the members of the classic multibyte CString. Lengths and
// indexes are byte counts; searching, trimming and case operations step by character so a
// trail byte is never matched, trimmed or folded on its own.
//
// Unlike the classic class, a CString cannot be passed through "..." directly: cast it to
// LPCTSTR when it is a Format argument.
//
// What needs the platform (locale collation, the string table, the C runtime's printf, the
// out-of-memory error) lives in CStringPlatform.cpp; the rest builds on any platform.
class CString {
public:
    CString() = default;
    CString(const CString& other) = default;
    CString(CString&& other) noexcept = default;
    // A pointer whose high word is zero is a string-table id, as with the classic class.
    CString(LPCTSTR text);
    CString(const unsigned char* text) : CString(reinterpret_cast<LPCTSTR>(text)) {}
    CString(char ch, int repeat = 1);
    CString(LPCTSTR text, int length);

    CString& operator=(const CString& other) = default;
    CString& operator=(CString&& other) noexcept = default;
    CString& operator=(LPCTSTR text);
    CString& operator=(const unsigned char* text) { return *this = reinterpret_cast<LPCTSTR>(text); }
    CString& operator=(char ch);

    int GetLength() const { return (int)m_text.size(); }
    BOOL IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }

    // Out-of-range reads give 0; out-of-range writes are ignored.
    char GetAt(int index) const;
    char operator[](int index) const { return GetAt(index); }
    void SetAt(int index, char ch);
    operator LPCTSTR() const { return m_text.c_str(); }

    CString& operator+=(const CString& text);
    CString& operator+=(LPCTSTR text);
    CString& operator+=(char ch);

    // Byte order (as unsigned bytes, up to the first zero byte).
    int Compare(LPCTSTR text) const;
    // ASCII letters fold; double-byte characters compare as they are.
    int CompareNoCase(LPCTSTR text) const;
    // Locale order of the user's code page.
    int Collate(LPCTSTR text) const;
    int CollateNoCase(LPCTSTR text) const;

    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;
    CString SpanIncluding(LPCTSTR charSet) const;
    CString SpanExcluding(LPCTSTR charSet) const;

    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    // Each returns the number of characters replaced or removed.
    int Replace(char oldChar, char newChar);
    int Replace(LPCTSTR oldText, LPCTSTR newText);
    int Remove(char ch);
    // Each returns the new length. Indexes outside the string are clamped.
    int Insert(int index, char ch);
    int Insert(int index, LPCTSTR text);
    int Delete(int index, int count = 1);

    // Whitespace is blank, tab, CR, LF, vertical tab and form feed.
    void TrimLeft();
    void TrimLeft(char target);
    void TrimLeft(LPCTSTR targets);
    void TrimRight();
    void TrimRight(char target);
    void TrimRight(LPCTSTR targets);

    // Searches return a byte index or -1; they match only at character starts.
    int Find(char ch) const { return Find(ch, 0); }
    int Find(char ch, int start) const;
    int Find(LPCTSTR sub) const { return Find(sub, 0); }
    int Find(LPCTSTR sub, int start) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCTSTR charSet) const;

    // printf formatting by the platform C runtime, of any length.
    void Format(LPCTSTR format, ...);
    void Format(UINT formatId, ...);
    void FormatV(LPCTSTR format, va_list args);

    // Loads a string from the resource module's string table; FALSE (and empty) when absent.
    BOOL LoadString(UINT id);

    // GetBuffer gives at least minLength writable bytes (plus a terminator) holding the
    // current text; ReleaseBuffer then sets the length (to the first zero byte when -1).
    LPTSTR GetBuffer(int minLength);
    LPTSTR GetBufferSetLength(int newLength);
    void ReleaseBuffer(int newLength = -1);
    void FreeExtra() { m_text.shrink_to_fit(); }

private:
    int CharLengthAt(int index) const;
    // First character start at or after index.
    int CharStartFrom(int index) const;
    static bool SetContains(LPCTSTR charSet, const char* ch, int chLength);
    bool CharInSet(int index, LPCTSTR charSet) const;
    template <class Match> int TrimLeftWhile(Match match);
    template <class Match> int TrimRightWhile(Match match);
    template <class Match> int RemoveIf(Match match);
    // The platform's printf into a buffer: the length written, or either -1 or the length
    // needed when it does not fit. The second throws the framework's out-of-memory error.
    static int FormatInto(char* buffer, size_t size, LPCTSTR format, va_list args);
    [[noreturn]] static void ThrowOutOfMemory();

    std::string m_text;
};

CString operator+(const CString& left, const CString& right);
CString operator+(const CString& left, LPCTSTR right);
CString operator+(LPCTSTR left, const CString& right);
CString operator+(const CString& left, char right);
CString operator+(char left, const CString& right);

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, LPCTSTR b) { return a.Compare(b) == 0; }
inline bool operator==(LPCTSTR a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, LPCTSTR b) { return a.Compare(b) != 0; }
inline bool operator!=(LPCTSTR a, const CString& b) { return b.Compare(a) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator<(const CString& a, LPCTSTR b) { return a.Compare(b) < 0; }
inline bool operator<(LPCTSTR a, const CString& b) { return b.Compare(a) > 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator>(const CString& a, LPCTSTR b) { return a.Compare(b) > 0; }
inline bool operator>(LPCTSTR a, const CString& b) { return b.Compare(a) < 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator<=(const CString& a, LPCTSTR b) { return a.Compare(b) <= 0; }
inline bool operator<=(LPCTSTR a, const CString& b) { return b.Compare(a) >= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
inline bool operator>=(const CString& a, LPCTSTR b) { return a.Compare(b) >= 0; }
inline bool operator>=(LPCTSTR a, const CString& b) { return b.Compare(a) <= 0; }
