#pragma once
#include <windows.h>

#include <string>

#include "editor/view/ViewEngine.h"

// One print job of a view: the printer fonts, the page rectangle and the pages of the
// engine's print layout, drawn in tenths of a millimetre (y grows upwards) with header and
// footer, line numbers and, when asked for, the screen's colours.
class CViewPrinter {
public:
    // font: the printer font as the settings keep it, its height in tenths of a point.
    CViewPrinter(CViewEngine& engine, const LOGFONTA& font) : m_engine(engine), m_font(font) {}
    ~CViewPrinter() { End(); }
    CViewPrinter(const CViewPrinter&) = delete;
    CViewPrinter& operator=(const CViewPrinter&) = delete;

    // Makes the fonts for the printer and lays out the whole document, or only the lines the
    // selection covers; returns the number of pages.
    int Begin(HDC printer, bool selectionOnly);
    // Draws page (from 1) with its header and footer; path and name fill their templates.
    void PrintPage(HDC dc, int page, const std::string& path, const std::string& name);
    // Releases the layout and the fonts.
    void End();

    int GetPageCount() const { return m_pages; }
    int GetLinesPerPage() const { return m_linesPerPage; }

private:
    // Mapping mode, transparent text and the normal font: what every drawing step expects.
    void PrepareDevice(HDC dc) const;
    void DrawHeaderFooter(HDC dc, const HeaderFooterTexts& texts) const;
    void DrawPage(HDC dc, int page);
    // The first display line of page and the range state in front of it, carried on from the
    // page drawn before when pages go forward.
    const CDisplayLine* SeekPage(int page, RangeState& state);

    CViewEngine& m_engine;
    const LOGFONTA m_font;
    HFONT m_normal = nullptr;
    HFONT m_italic = nullptr;
    PageRect m_page;
    int m_lineHeight = 1;
    int m_linesPerPage = 1;
    int m_pages = 0;
    // Where SeekPage stopped last: the page, its first line and the state before it.
    int m_seekPage = 0;
    const CDisplayLine* m_seekLine = nullptr;
    RangeState m_seekState;
};
