#include "editor/document/TextLine.h"

#include <cstring>

char CTextLine::s_emptyText[1] = {'\0'};

CTextLine::~CTextLine()
{
    FreeText();
    FreeRuns();
}

void CTextLine::SetText(const char* text, int length)
{
    if (text == nullptr || length <= 0) {
        m_text = s_emptyText;
        m_length = 0;
        return;
    }
    char* copy = new char[(size_t)length + 1];
    std::memcpy(copy, text, (size_t)length);
    copy[length] = '\0';
    m_text = copy;
    m_length = length;
}

void CTextLine::FreeText()
{
    if (m_text != s_emptyText)
        delete[] m_text;
    m_text = s_emptyText;
    m_length = 0;
}

void CTextLine::Assign(const char* text, int length)
{
    // The source may be this line's own text, so copy before freeing.
    char* old = m_text;
    SetText(text, length);
    if (old != s_emptyText && old != m_text)
        delete[] old;
    FreeRuns();
}

void CTextLine::Assign(const char* text)
{
    Assign(text, text ? (int)std::strlen(text) : 0);
}

void CTextLine::SetRuns(const CColorRun* runs, int count)
{
    FreeRuns();
    if (runs == nullptr || count <= 0)
        return;
    if (count > 32767)
        count = 32767;
    m_runs = new CColorRun[(size_t)count];
    std::memcpy(m_runs, runs, sizeof(CColorRun) * (size_t)count);
    m_runCount = (int16_t)count;
}

void CTextLine::FreeRuns()
{
    delete[] m_runs;
    m_runs = nullptr;
    m_runCount = 0;
}

int CTextLine::GetRunsEnd() const
{
    return m_runCount > 0 ? m_runs[m_runCount - 1].End() : 0;
}
