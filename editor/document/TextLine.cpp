#include "editor/document/TextLine.h"

#include <cstring>

char CTextLine::s_emptyText[1] = {'\0'};

CTextLine::~CTextLine()
{
    delete[] BlockStart();
}

char* CTextLine::BlockStart() const
{
    if (m_runCount > 0)
        return reinterpret_cast<char*>(m_runs);
    return m_text != s_emptyText ? m_text : nullptr;
}

void CTextLine::Rebuild(const CColorRun* runs, int runCount, const char* text, int length)
{
    if (runs == nullptr || runCount < 0)
        runCount = 0;
    if (runCount > 32767)
        runCount = 32767;
    if (text == nullptr || length < 0)
        length = 0;
    char* old = BlockStart();
    if (runCount == 0 && length == 0) {
        m_runs = nullptr;
        m_text = s_emptyText;
    } else {
        const size_t runBytes = sizeof(CColorRun) * (size_t)runCount;
        // The source may lie in the old block, so it is freed only after the copy.
        char* block = new char[runBytes + (size_t)length + 1];
        if (runCount > 0)
            std::memcpy(block, runs, runBytes);
        std::memcpy(block + runBytes, text, (size_t)length);
        block[runBytes + (size_t)length] = '\0';
        m_runs = runCount > 0 ? reinterpret_cast<CColorRun*>(block) : nullptr;
        m_text = block + runBytes;
    }
    m_length = length;
    m_runCount = (int16_t)runCount;
    delete[] old;
}

void CTextLine::Assign(const char* text, int length)
{
    Rebuild(nullptr, 0, text, length);
}

void CTextLine::Assign(const char* text)
{
    Assign(text, text ? (int)std::strlen(text) : 0);
}

void CTextLine::SetRuns(const CColorRun* runs, int count)
{
    // Re-analysis of an unchanged line usually gives as many runs as before: overwrite them.
    if (runs != nullptr && count > 0 && count == m_runCount) {
        std::memmove(m_runs, runs, sizeof(CColorRun) * (size_t)count);
        return;
    }
    Rebuild(runs, count, m_text, m_length);
}

void CTextLine::FreeRuns()
{
    if (m_runCount > 0)
        Rebuild(nullptr, 0, m_text, m_length);
}

int CTextLine::GetRunsEnd() const
{
    return m_runCount > 0 ? m_runs[m_runCount - 1].End() : 0;
}
