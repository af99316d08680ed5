#pragma once
#include <string>

#include "editor/view/ViewTypes.h"

// What the view engine needs of the world outside it besides its document. The window class
// implements these with real fonts, the window and the clipboard; tests use fakes, so the
// whole engine runs without a window.

// Font metrics of one device with its font selected (the screen's back buffer or a printer).
class ITextMetrics {
public:
    virtual ~ITextMetrics() = default;
    // Text-metric height of the font.
    virtual int GetFontHeight() const = 0;
    // Text-metric average and maximum character widths.
    virtual int GetAverageCharWidth() const = 0;
    virtual int GetMaxCharWidth() const = 0;
    // The font is fixed pitch (text-metric pitch flag clear).
    virtual bool IsFixedPitch() const = 0;
    // Extent of length bytes of GBK text; a double-byte character counts as one glyph.
    virtual int MeasureText(const char* text, int length) const = 0;
    // Vertical pixels per logical inch.
    virtual int GetLogPixelsY() const = 0;
};

// The window around the engine.
class IViewHost {
public:
    virtual ~IViewHost() = default;
    // The whole view needs repainting.
    virtual void InvalidateView() = 0;
    // The scroll offsets changed through ScrollTo: the host syncs the panes that share this
    // pane's splitter row or column.
    virtual void OnScrolled(PixelX scrollX, PixelY scrollY) = 0;
    // 1-based document line and column and the line count, for the position panes.
    virtual void ShowCaretPosition(int line, int column, int lineCount) = 0;
    // The first pane of the status bar.
    virtual void SetStatusText(const char* text) = 0;
    virtual void Beep() = 0;
    // A long layout pass: wait cursor and a progress text in the status bar.
    virtual void BeginProgress(const char* text) = 0;
    virtual void SetProgress(int percent) = 0;
    virtual void EndProgress() = 0;
    // Modifier keys held now.
    virtual bool IsCtrlHeld() const = 0;
    virtual bool IsShiftHeld() const = 0;
    virtual bool IsAltHeld() const = 0;
};

// The system clipboard as CF_TEXT bytes.
class IClipboard {
public:
    virtual ~IClipboard() = default;
    // Empties the clipboard and puts the bytes on it; false when it cannot be opened.
    virtual bool PutText(const char* bytes, int length) = 0;
    // The CF_TEXT block, its whole size; false when there is none.
    virtual bool GetText(std::string& bytes) = 0;
};

// Shows a host's progress display for its scope and removes it on every path, also when a
// step of the long pass throws; a null host shows nothing.
class CHostProgress {
public:
    CHostProgress(IViewHost* host, const char* text) : m_host(host)
    {
        if (m_host)
            m_host->BeginProgress(text);
    }
    ~CHostProgress()
    {
        if (m_host)
            m_host->EndProgress();
    }
    CHostProgress(const CHostProgress&) = delete;
    CHostProgress& operator=(const CHostProgress&) = delete;
    void Set(int percent)
    {
        if (m_host)
            m_host->SetProgress(percent);
    }

private:
    IViewHost* m_host;
};
