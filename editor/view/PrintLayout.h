#pragma once
#include <string>

#include "editor/document/TextDocument.h"
#include "editor/view/DisplayLineList.h"
#include "editor/view/ViewInterfaces.h"
#include "editor/settings/ViewSettings.h"

// The page of a print job in tenths of a millimetre.
struct PageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// left and top are the margins; right and bottom the printable size less the margins.
PageRect ComputePageRect(int printableWidthMm, int printableHeightMm, const CViewSettings& settings);

// Text lines on one page: the page height in printer lines, less 2 for a header and 2 for a
// footer; never below 1, whatever the margins and font.
int LinesPerPage(const PageRect& page, int printerLineHeight, bool header, bool footer);
// Pages for the display lines: ceil(lines / per page), at least 1.
int PageCount(int displayLines, int linesPerPage);

// The values a header or footer template may name.
struct HeaderFooterValues {
    std::string path;
    std::string name;
    std::string page;
    std::string pages;
    std::string date;
    std::string time;
};

// Replaces each variable ($(FilePath) ... $(当前时间)) at every occurrence, left to right,
// searching on behind each inserted value.
std::string ExpandHeaderFooter(const std::string& text, const HeaderFooterValues& values);

// The six texts of one page: header left, centre, right, footer left, centre, right.
struct HeaderFooterTexts {
    std::string header[3];
    std::string footer[3];
};
HeaderFooterTexts PrepareHeaderFooter(const CViewSettings& settings, const std::string& path,
                                      const std::string& name, int page, int pages,
                                      const std::string& date, const std::string& time);

// The display lines of a print job: document lines laid out with wrap for the printer page.
class CPrintLayout {
public:
    const CDisplayLineList& GetLines() const { return m_lines; }
    LineIndex GetStartLine() const { return m_startLine; }

    // Lays out count document lines from first on for the printer and the page.
    void LayoutForPrinter(const CTextDocument& document, const ITextMetrics& printer,
                          const CViewSettings& settings, const PageRect& page, LineIndex first,
                          int count, IViewHost* host);
    // The end of a job: the list emptied, start line 0.
    void Clear();

private:
    CDisplayLineList m_lines;
    LineIndex m_startLine = 0;
};
