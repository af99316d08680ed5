#include "editor/document/DescriptionFile.h"

#include "editor/util/CharClasses.h"

#include <cstdio>
#include <memory>

namespace {

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

// Largest length not above limit that does not split a double-byte character of text.
size_t CharBoundaryAtOrBefore(const char* text, size_t length, size_t limit)
{
    size_t at = 0;
    while (at < length) {
        size_t next = at + (GbkText::IsLeadByte((unsigned char)text[at]) && at + 1 < length ? 2 : 1);
        if (next > limit)
            break;
        at = next;
    }
    return at;
}

} // namespace

bool ReadWholeFile(const char* path, std::string& bytes)
{
    bytes.clear();
    FilePtr file(std::fopen(path, "rb"));
    if (!file)
        return false;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, got);
    return !std::ferror(file.get());
}

bool CDescriptionFile::Open(const char* path, int maxLineLength)
{
    m_position = 0;
    m_lineNumber = 0;
    m_lineWasCut = false;
    m_maxLineLength = maxLineLength > 0 ? maxLineLength : 1;
    return ReadWholeFile(path, m_content);
}

bool CDescriptionFile::ReadLine(std::string& text)
{
    text.clear();
    m_lineWasCut = false;
    if (m_position >= m_content.size())
        return false;
    size_t start = m_position;
    size_t end = m_content.find_first_of("\r\n", start);
    if (end == std::string::npos)
        end = m_content.size();
    m_position = end;
    if (m_position < m_content.size() && m_content[m_position] == '\r')
        ++m_position;
    if (m_position < m_content.size() && m_content[m_position] == '\n'
        && (m_position == end || m_content[end] == '\r'))
        ++m_position;
    size_t length = end - start;
    if (length > (size_t)m_maxLineLength) {
        length = CharBoundaryAtOrBefore(m_content.data() + start, length, (size_t)m_maxLineLength);
        m_lineWasCut = true;
    }
    text.assign(m_content, start, length);
    ++m_lineNumber;
    return true;
}
