#include "editor/shell/OutputLog.h"

#include <cstring>

void OutputLog::AddLine(const CString& text)
{
    if ((int)m_lines.size() >= kMaxLines)
        m_lines.pop_front();
    m_lines.push_back(text);
}

void OutputLog::AppendMessage(const CString& text)
{
    m_newOutput = true;
    m_unpaged = false;
    AddLine(text);
}

void OutputLog::AppendUnpagedLine(const CString& text)
{
    m_unpaged = true;
    AddLine(text);
}

void OutputLog::ClearPage(bool keep)
{
    if (keep && m_newOutput && !m_lines.empty()) {
        m_pages[m_end].assign(m_lines.begin(), m_lines.end());
        m_shown = m_end;
        m_end = (m_end + 1) % kPageSlots;
        if (m_end == m_first) {
            m_pages[m_first].clear();
            m_first = (m_first + 1) % kPageSlots;
        }
    }
    m_lines.clear();
    m_newOutput = false;
}

void OutputLog::ShowPage(int page)
{
    for (const CString& line : m_pages[page])
        AddLine(line);
}

bool OutputLog::ShowPreviousPage()
{
    if (m_first == m_end || (!m_newOutput && m_shown == m_first && !m_unpaged))
        return false;
    ClearPage(m_newOutput);
    if (m_unpaged)
        m_unpaged = false;
    else
        m_shown = (m_shown + kPageSlots - 1) % kPageSlots;
    ShowPage(m_shown);
    return true;
}

bool OutputLog::ShowNextPage()
{
    if (m_first == m_end || m_newOutput || (!m_unpaged && (m_shown + 1) % kPageSlots == m_end))
        return false;
    ClearPage(false);
    if (m_unpaged)
        m_unpaged = false;
    else
        m_shown = (m_shown + 1) % kPageSlots;
    ShowPage(m_shown);
    return true;
}

int TopIndexForNewLine(int newIndex, int topIndex, int visibleRows)
{
    if (visibleRows < 1)
        visibleRows = 1;
    return newIndex - topIndex + 1 > visibleRows ? newIndex - visibleRows + 1 : topIndex;
}

OutputLevel OutputLineLevel(const char* line)
{
    // The compiler driver's and the tools' tags, and the runtime library's debug levels.
    struct Tag {
        const char* text;
        OutputLevel level;
    };
    static const Tag tags[] = {
        {"[致命]", OutputLevel::fatal},    {"[致命错误]", OutputLevel::fatal}, {"[严重错误]", OutputLevel::error},
        {"[错误]", OutputLevel::error},    {"[警告]", OutputLevel::warning},   {"[信息]", OutputLevel::info},
        {"[提示]", OutputLevel::info},     {"[恭喜]", OutputLevel::success},
    };
    for (const Tag& tag : tags)
        if (std::strncmp(line, tag.text, std::strlen(tag.text)) == 0)
            return tag.level;
    return OutputLevel::plain;
}

COLORREF OutputLevelColor(OutputLevel level)
{
    switch (level) {
    case OutputLevel::fatal:
        return RGB(160, 0, 0);
    case OutputLevel::error:
        return RGB(224, 0, 0);
    case OutputLevel::warning:
        return RGB(176, 96, 0);
    case OutputLevel::info:
        return RGB(0, 0, 176);
    case OutputLevel::success:
        return RGB(0, 128, 0);
    case OutputLevel::plain:
        break;
    }
    return ::GetSysColor(COLOR_WINDOWTEXT);
}
