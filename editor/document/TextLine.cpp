#include "editor/document/TextLine.h"

#include <cstring>

#include "editor/document/LineBlockPool.h"

namespace {

const int kMaxRuns = 32767;

size_t RunBytes(int count)
{
    return sizeof(CColorRun) * (size_t)count;
}

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
        LineBlockPool::Free(m_text, (size_t)m_length + 1);
    m_text = s_emptyText;
    m_length = 0;
    m_textBorrowed = 0;
}

void CTextLine::ReleaseRuns()
{
    if (!m_deferred && m_runs != nullptr)
        LineBlockPool::Free(m_runs, RunBytes(m_runCount));
    m_runs = nullptr;
    m_runCount = 0;
    m_deferred = 0;
}

void CTextLine::Assign(const char* text, int length)
{
    if (text == nullptr || length < 0)
        length = 0;
    // The source may lie in the old text, so that is freed only after the copy.
    char* copy = s_emptyText;
    if (length > 0) {
        copy = static_cast<char*>(LineBlockPool::Allocate((size_t)length + 1));
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
    // Re-analysis of an unchanged line usually gives as many runs as before: reuse the
    // storage (the source may be part of it). A block is reused only within its size class,
    // since its size is known from the run count when it is freed.
    if (!m_deferred && m_runs != nullptr && count <= m_runCount &&
        LineBlockPool::SameClass(RunBytes(count), RunBytes(m_runCount))) {
        std::memmove(m_runs, runs, sizeof(CColorRun) * (size_t)count);
        m_runCount = (uint16_t)count;
        return;
    }
    CColorRun* copy = static_cast<CColorRun*>(LineBlockPool::Allocate(RunBytes(count)));
    std::memcpy(copy, runs, RunBytes(count));
    ReleaseRuns();
    m_runs = copy;
    m_runCount = (uint16_t)count;
}

void CTextLine::DeferAnalysis(const ILineAnalyzer* analyzer)
{
    ReleaseRuns();
    m_flags &= kLineBookmark;
    if (analyzer != nullptr) {
        m_analyzer = analyzer;
        m_deferred = 1;
    }
}

void CTextLine::AnalyseNow() const
{
    const ILineAnalyzer* analyzer = m_analyzer;
    m_runs = nullptr;
    m_deferred = 0;
    const LineRuns lexed = analyzer->LexLine(*this);
    CTextLine& self = const_cast<CTextLine&>(*this);
    self.SetRuns(lexed.runs, lexed.count);
    self.m_flags = uint16_t((m_flags & kLineBookmark) | lexed.flags);
}

LineRuns CTextLine::PeekRuns() const
{
    if (m_deferred) {
        LineRuns lexed = m_analyzer->LexLine(*this);
        lexed.flags = uint16_t((m_flags & kLineBookmark) | lexed.flags);
        return lexed;
    }
    LineRuns own;
    own.runs = m_runs;
    own.count = m_runCount;
    own.flags = m_flags;
    return own;
}

void CTextLine::FreeRuns()
{
    ReleaseRuns();
}

int CTextLine::GetRunsEnd() const
{
    const int count = GetRunCount();
    return count > 0 ? m_runs[count - 1].End() : 0;
}
