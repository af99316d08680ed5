#include "editor/document/TextLine.h"

#include <cstring>

namespace {

const int kMaxRuns = 32767;

} // namespace

char CTextLine::s_emptyText[1] = {'\0'};

CTextLine::~CTextLine()
{
    ReleaseText();
    ReleaseRuns();
}

void CTextLine::ReleaseText()
{
    if (!m_textBorrowed && m_text != s_emptyText)
        delete[] m_text;
    m_text = s_emptyText;
    m_length = 0;
    m_textBorrowed = 0;
}

void CTextLine::ReleaseRuns()
{
    if (!m_runsBorrowed && m_runs != nullptr)
        delete[] m_runs;
    m_runs = nullptr;
    m_runCount = 0;
    m_runsBorrowed = 0;
}

void CTextLine::Assign(const char* text, int length)
{
    if (text == nullptr || length < 0)
        length = 0;
    // The source may lie in the old text, so that is freed only after the copy.
    char* copy = s_emptyText;
    if (length > 0) {
        copy = new char[(size_t)length + 1];
        std::memcpy(copy, text, (size_t)length);
        copy[length] = '\0';
    }
    ReleaseText();
    ReleaseRuns();
    m_text = copy;
    m_length = (uint32_t)length;
}

void CTextLine::Assign(const char* text)
{
    Assign(text, text ? (int)std::strlen(text) : 0);
}

void CTextLine::BorrowText(char* text, int length)
{
    ReleaseText();
    if (text != nullptr && length >= 0) {
        m_text = text;
        m_length = (uint32_t)length;
        m_textBorrowed = 1;
    }
}

void CTextLine::SetRuns(const CColorRun* runs, int count)
{
    if (runs == nullptr || count <= 0) {
        ReleaseRuns();
        return;
    }
    if (count > kMaxRuns)
        count = kMaxRuns;
    // Re-analysis of an unchanged line usually gives as many runs as before, or fewer:
    // reuse the storage (the source may be part of it).
    if (count <= GetRunCount()) {
        std::memmove(m_runs, runs, sizeof(CColorRun) * (size_t)count);
        m_runCount = (uint16_t)count;
        return;
    }
    CColorRun* copy = new CColorRun[(size_t)count];
    std::memcpy(copy, runs, sizeof(CColorRun) * (size_t)count);
    ReleaseRuns();
    m_runs = copy;
    m_runCount = (uint16_t)count;
}

void CTextLine::BorrowRuns(CColorRun* runs, int count)
{
    ReleaseRuns();
    if (runs != nullptr && count > 0) {
        m_runs = runs;
        m_runCount = (uint16_t)(count > kMaxRuns ? kMaxRuns : count);
        m_runsBorrowed = 1;
    }
}

void CTextLine::FreeRuns()
{
    ReleaseRuns();
}

int CTextLine::GetRunsEnd() const
{
    return m_runCount > 0 ? m_runs[m_runCount - 1].End() : 0;
}
