#pragma once
#include <vector>

#include "framework/CString.h"

// A list of plain strings that carries blocks of lines between the document, the undo log,
// the clipboard and files.
class CStringLineList {
public:
    CStringLineList() = default;

    int GetCount() const { return (int)m_strings.size(); }
    bool IsEmpty() const { return m_strings.empty(); }
    // An index outside the list gives an empty string.
    const CString& GetAt(int index) const;
    void SetAt(int index, const CString& text);
    void AddTail(const CString& text) { m_strings.push_back(text); }
    void AddTail(const char* text, int length) { m_strings.emplace_back(text, length); }
    void RemoveAll() { m_strings.clear(); }

    // Appends other: when this list is empty, copies of all of other's strings; otherwise
    // other's first string continues this list's last string and the rest become new
    // entries (a block pasted at the end of a block continues its last line).
    void Append(const CStringLineList& other);

    // Length of the longest string (0 for an empty list).
    int MaxLength() const;
    // Appends blanks to every shorter string up to MaxLength (column blocks).
    void PadToMaxLength();
    // Sum over the strings of length + 2: the size JoinCrLf needs.
    int TotalLength() const;
    // Copies the strings into buffer separated by CR LF and ends it with two zero bytes;
    // writes at most size bytes and returns the number written. An empty list writes nothing.
    int JoinCrLf(char* buffer, int size) const;
    // Empties the list and cuts the text into strings: a line ends at CR, LF or CR LF; a zero
    // byte ends the whole text; text after the last line end gives a final string only when
    // it is not empty.
    void SplitText(const char* buffer, int length);

    // Single-byte letters only; double-byte characters are left whole.
    void MakeUpperAll();
    void MakeLowerAll();
    void InvertCaseAll();
    void CapitalizeAll();

    // Replaces the list by the file's lines, bytes as they are (split at LF, a CR before the
    // LF dropped). False when the file cannot be opened or read; the caller reports it.
    bool ReadFileLines(const char* path);

    bool operator==(const CStringLineList& other) const { return m_strings == other.m_strings; }

private:
    std::vector<CString> m_strings;
};
