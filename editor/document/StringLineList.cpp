#include "editor/document/StringLineList.h"

#include <algorithm>
#include <cstring>

#include "editor/document/FileHandle.h"
#include "editor/document/TextDecoding.h"
#include "editor/util/CaseHelpers.h"

const CString& CStringLineList::GetAt(int index) const
{
    static const CString kEmpty;
    return index >= 0 && index < GetCount() ? m_strings[(size_t)index] : kEmpty;
}

void CStringLineList::SetAt(int index, const CString& text)
{
    if (index >= 0 && index < GetCount())
        m_strings[(size_t)index] = text;
}

void CStringLineList::Append(const CStringLineList& other)
{
    if (&other == this) {
        const CStringLineList copy = other;
        Append(copy);
        return;
    }
    if (other.IsEmpty())
        return;
    size_t first = 0;
    if (!m_strings.empty()) {
        m_strings.back() += other.m_strings[0];
        first = 1;
    }
    m_strings.insert(m_strings.end(), other.m_strings.begin() + (long)first, other.m_strings.end());
}

int CStringLineList::MaxLength() const
{
    int longest = 0;
    for (const CString& s : m_strings)
        longest = std::max(longest, s.GetLength());
    return longest;
}

void CStringLineList::PadToMaxLength()
{
    const int longest = MaxLength();
    for (CString& s : m_strings)
        if (s.GetLength() < longest)
            s += CString(' ', longest - s.GetLength());
}

int CStringLineList::TotalLength() const
{
    int total = 0;
    for (const CString& s : m_strings)
        total += s.GetLength() + 2;
    return total;
}

int CStringLineList::JoinCrLf(char* buffer, int size) const
{
    if (m_strings.empty() || buffer == nullptr || size <= 0)
        return 0;
    int used = 0;
    auto put = [&](const char* bytes, int count) {
        count = std::min(count, size - used);
        if (count > 0) {
            std::memcpy(buffer + used, bytes, (size_t)count);
            used += count;
        }
    };
    for (size_t i = 0; i < m_strings.size(); ++i) {
        if (i > 0)
            put("\r\n", 2);
        put(m_strings[i], m_strings[i].GetLength());
    }
    put("\0\0", 2);
    return used;
}

void CStringLineList::SplitText(const char* buffer, int length)
{
    m_strings.clear();
    if (buffer == nullptr)
        return;
    int start = 0;
    int i = 0;
    for (; i < length && buffer[i] != '\0'; ++i) {
        if (buffer[i] != '\r' && buffer[i] != '\n')
            continue;
        m_strings.emplace_back(buffer + start, i - start);
        if (buffer[i] == '\r' && i + 1 < length && buffer[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (i > start)
        m_strings.emplace_back(buffer + start, i - start);
}

void CStringLineList::MakeUpperAll()
{
    for (CString& s : m_strings)
        s.MakeUpper();
}

void CStringLineList::MakeLowerAll()
{
    for (CString& s : m_strings)
        s.MakeLower();
}

namespace {

// Applies an in-place routine of zero-terminated text; a string holding a zero byte is
// changed only up to it.
template <class Routine> void ApplyInPlace(CString& s, Routine routine)
{
    const int length = s.GetLength();
    routine(s.GetBuffer(length));
    s.ReleaseBuffer(length);
}

class CStringListSink : public ILineSink {
public:
    explicit CStringListSink(CStringLineList& list) : m_list(list) {}
    void AddLine(const char* text, size_t length) override { m_list.AddTail(text, (int)length); }

private:
    CStringLineList& m_list;
};

} // namespace

void CStringLineList::InvertCaseAll()
{
    for (CString& s : m_strings)
        ApplyInPlace(s, InvertCase);
}

void CStringLineList::CapitalizeAll()
{
    for (CString& s : m_strings)
        ApplyInPlace(s, CapitalizeWords);
}

bool CStringLineList::ReadFileLines(const char* path)
{
    CFileHandle file;
    if (!file.OpenForReading(path))
        return false;
    m_strings.clear();
    CStringListSink sink(*this);
    CLineSplitter splitter(sink, '\n', '\r');
    std::vector<char> block(1 << 20);
    bool ok = true;
    for (;;) {
        size_t got = 0;
        if (!file.ReadFully(block.data(), block.size(), &got)) {
            ok = false;
            break;
        }
        splitter.Feed(block.data(), got);
        if (got < block.size())
            break;
    }
    splitter.Finish();
    return ok;
}
