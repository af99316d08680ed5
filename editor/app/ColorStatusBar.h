#pragma once
#include <windows.h>

#include "editor/document/ProgressSink.h"
#include "framework/StatusBar.h"

#include <array>

// The main frame's status bar: panes 1 and up are painted by the bar itself, each in its
// own colour, inverted while its highlight is on; the message pane can show a progress box
// for long operations (loading, analysing and wrapping large documents).
class CColorStatusBar : public CStatusBar, public IProgressSink {
public:
    static const int kProgressWidth = 200;

    // Each stores the value and repaints that pane only when it changes.
    void SetPaneTextColor(int pane, COLORREF colour);
    void SetPaneHighlight(int pane, bool on);
    bool IsPaneHighlighted(int pane) const { return InRange(pane) && m_highlight[pane]; }
    // Sets a pane's text and repaints it only when the text changed.
    void SetPaneTextIfChanged(int pane, const CString& text);

    void BeginProgress(const char* label, bool waitCursor) override;
    void DrawProgress(int percent) override;
    void EndProgress() override;
    const CString& GetProgressLabel() const { return m_progressLabel; }

    // The filled width of the progress box's inside at percent.
    static int ProgressFill(int percent, int width) { return percent * width / 100; }

protected:
    void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    static bool InRange(int pane) { return pane >= 0 && pane < 256; }
    void InvalidatePane(int pane);
    static void DrawCentredText(HDC dc, const RECT& rect, const CString& text, COLORREF colour);

    std::array<COLORREF, 256> m_colours{};
    std::array<unsigned char, 256> m_highlight{};
    CString m_progressLabel;
    // The percentage the box shows: long loops report far more often than it changes.
    int m_drawnPercent = -1;
    bool m_waitCursor = false;
};
