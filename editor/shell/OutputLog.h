#pragma once
#include <windows.h>

#include <array>
#include <deque>
#include <vector>

#include "framework/CString.h"

// The output window's text: the lines it shows (at most 2048, the oldest dropped first) and
// the ring of earlier pages the user steps through with the previous and next buttons. The
// window's list box mirrors Lines(); this class decides what it holds.
class OutputLog {
public:
    static constexpr int kMaxLines = 2048;
    static constexpr int kPageSlots = 20;  // at most 19 kept pages; the slot being filled is empty

    const std::deque<CString>& Lines() const { return m_lines; }
    bool HasNewOutput() const { return m_newOutput; }
    bool ShowsUnpagedLines() const { return m_unpaged; }
    // Pages kept in the ring.
    int PageCount() const { return (m_end - m_first + kPageSlots) % kPageSlots; }

    // A line of output: it counts as new output, which a clear keeps as a page.
    void AppendMessage(const CString& text);
    // A line that is not output (the vocabulary tree's descriptions): a clear does not keep it.
    void AppendUnpagedLine(const CString& text);
    // Empties the window; with keep, new output first becomes the newest page.
    void ClearPage(bool keep);
    // Replace the window's lines by the page before or after the one last saved or shown.
    // False when there is no such page; the lines are then unchanged.
    bool ShowPreviousPage();
    bool ShowNextPage();

private:
    void AddLine(const CString& text);
    void ShowPage(int page);

    std::deque<CString> m_lines;
    std::array<std::vector<CString>, kPageSlots> m_pages;
    int m_first = 0;  // oldest kept page
    int m_end = 0;    // where the next page is written
    int m_shown = 0;  // the page last saved or shown
    bool m_newOutput = false;
    bool m_unpaged = false;
};

// The list's top row after a line was added at newIndex, so that it is the last visible row.
int TopIndexForNewLine(int newIndex, int topIndex, int visibleRows);

// The level a message line announces by its leading tag.
enum class OutputLevel { plain, fatal, error, warning, info, success };
OutputLevel OutputLineLevel(const char* line);
// The text colour of a level; plain lines take the window text colour.
COLORREF OutputLevelColor(OutputLevel level);
