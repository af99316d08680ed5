#include "editor/viewwindow/ViewPrinter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "editor/view/DateTimeText.h"
#include "editor/view/RangeState.h"
#include "editor/view/ViewMetrics.h"
#include "editor/viewwindow/WrenView.h"
#include "framework/Dc.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);

int TextWidth(HDC dc, const std::string& text)
{
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, text.data(), (int)text.size(), &size);
    return size.cx;
}

// The printer font for a device in tenths of a millimetre: the settings keep its size in
// tenths of a point.
HFONT CreatePrinterFont(LOGFONTA font, bool italic)
{
    font.lfHeight = -::MulDiv(std::abs(font.lfHeight), 254, 720);
    font.lfWidth = 0;
    font.lfItalic = italic ? TRUE : FALSE;
    return ::CreateFontIndirectA(&font);
}

// Only the range kinds carry state from one display line to the next.
void AdvanceOverDisplayLine(const CDisplayLine& line, RangeState& state)
{
    for (int i = 0; i < line.GetSegmentCount(); ++i) {
        const DisplaySegment& segment = line.GetSegments()[i];
        if (segment.kind >= kRunQuote1 && segment.kind <= kRunRange2End)
            AdvanceRangeState(segment.kind, segment.subKind, state);
    }
}

} // namespace

int CViewPrinter::Begin(HDC printer, bool selectionOnly)
{
    End();
    const CViewSettings& settings = m_engine.GetSettings();
    ::SetMapMode(printer, MM_LOMETRIC);
    m_page = ComputePageRect(::GetDeviceCaps(printer, HORZSIZE), ::GetDeviceCaps(printer, VERTSIZE), settings);
    m_normal = CreatePrinterFont(m_font, false);
    m_italic = CreatePrinterFont(m_font, true);
    ScopedSelectObject font(printer, m_normal ? (HGDIOBJ)m_normal : ::GetStockObject(SYSTEM_FONT));
    CDeviceMetrics metrics(printer);
    m_lineHeight = PrinterLineHeight(metrics, settings);
    m_linesPerPage = LinesPerPage(m_page, m_lineHeight, settings.printHeader != 0, settings.printFooter != 0);
    m_pages = m_engine.BeginPrintLayout(metrics, m_page, selectionOnly);
    return m_pages;
}

void CViewPrinter::End()
{
    m_engine.EndPrintLayout();
    for (HFONT* font : {&m_normal, &m_italic}) {
        if (*font)
            ::DeleteObject(*font);
        *font = nullptr;
    }
    m_pages = 0;
    m_seekPage = 0;
    m_seekLine = nullptr;
}

void CViewPrinter::PrepareDevice(HDC dc) const
{
    ::SetMapMode(dc, MM_LOMETRIC);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextAlign(dc, TA_LEFT | TA_TOP);
}

void CViewPrinter::PrintPage(HDC dc, int page, const std::string& path, const std::string& name)
{
    if (!m_normal || page < 1)
        return;
    PrepareDevice(dc);
    ScopedSelectObject font(dc, m_normal);
    const HeaderFooterTexts texts = PrepareHeaderFooter(m_engine.GetSettings(), path, name, page, m_pages,
                                                        FormatCurrentDate(), FormatCurrentTime());
    DrawHeaderFooter(dc, texts);
    DrawPage(dc, page);
}

void CViewPrinter::DrawHeaderFooter(HDC dc, const HeaderFooterTexts& texts) const
{
    const CViewSettings& settings = m_engine.GetSettings();
    const int h = m_lineHeight, g = h * 4 / 3;
    const PageRect& p = m_page;
    ::SetTextColor(dc, kBlack);
    ScopedSelectObject pen(dc, ::GetStockObject(BLACK_PEN));
    auto drawThree = [&](const std::string (&three)[3], int y) {
        ::TextOutA(dc, p.left, y, three[0].data(), (int)three[0].size());
        const int centre = TextWidth(dc, three[1]);
        ::TextOutA(dc, p.left + (p.right - centre - p.left) / 2, y, three[1].data(), (int)three[1].size());
        ::TextOutA(dc, p.right - TextWidth(dc, three[2]), y, three[2].data(), (int)three[2].size());
    };
    auto rule = [&](int y) {
        ::MoveToEx(dc, p.left, y, nullptr);
        ::LineTo(dc, p.right, y);
    };
    if (settings.printHeader) {
        drawThree(texts.header, -p.top);
        rule(-p.top - g);
    }
    if (settings.printFooter) {
        rule(g - p.bottom);
        drawThree(texts.footer, h - p.bottom);
    }
}

const CDisplayLine* CViewPrinter::SeekPage(int page, RangeState& state)
{
    const CDisplayLineList& lines = m_engine.GetPrintLayout().GetLines();
    const CTextDocument& document = m_engine.GetDocument();
    const bool multiLineStrings = document.GetLangSpec().m_multiLineStrings;
    const CDisplayLine* line = nullptr;
    int index = 0;
    if (m_seekLine && page >= m_seekPage) {
        line = m_seekLine;
        state = m_seekState;
        index = m_linesPerPage * (m_seekPage - 1);
    } else {
        // The state in front of the first printed line is the screen's.
        line = lines.GetHead();
        const CDisplayLineRef screen = m_engine.GetLayout().FirstLineOf(m_engine.GetPrintLayout().GetStartLine());
        state = screen ? m_engine.GetRangeStateAtDisplayLine(*screen) : RangeState();
    }
    for (const int target = m_linesPerPage * (page - 1); line && index < target; ++index) {
        AdvanceOverDisplayLine(*line, state);
        line = line->Next();
        if (line && line->IsFirst())
            state.StartDocumentLine(multiLineStrings);
    }
    if (line) {
        m_seekPage = page;
        m_seekLine = line;
        m_seekState = state;
    }
    return line;
}

void CViewPrinter::DrawPage(HDC dc, int page)
{
    const CViewSettings& settings = m_engine.GetSettings();
    const uint32_t* colors = settings.colors;
    const bool inColour = settings.printSyntaxColours != 0;
    CDeviceMetrics metrics(dc);
    const int h = m_lineHeight;
    const int gutter = PrinterGutterWidth(metrics, settings, m_engine.GetDocument().GetLineCount());
    const int digit = metrics.MeasureText("0", 1);
    const int boldShift = std::max(1, metrics.GetAverageCharWidth() / 8);
    const int textTop = m_page.top + (settings.printHeader ? 2 * h : 0);
    const int textBottom = m_page.bottom - (settings.printFooter ? 2 * h : 0);
    const int x0 = m_page.left + gutter;

    RangeState state;
    const CDisplayLine* line = SeekPage(page, state);
    if (!line)
        return;
    const CDisplayLineList& lines = m_engine.GetPrintLayout().GetLines();
    const CTextDocument& document = m_engine.GetDocument();
    const CLangSpec& spec = document.GetLangSpec();
    LineIndex docLine = lines.DocLineOf(line);
    SegmentColorRules rules;
    rules.syntaxColouring = inColour && settings.syntaxColouring != 0;
    rules.variablesInStrings = spec.m_variablesInStrings;

    for (int k = 0; line && k < m_linesPerPage; ++k, line = line->Next()) {
        const int y = k * h;
        if (y > textBottom - textTop - h)
            break;
        if (line->IsFirst() && k > 0) {
            ++docLine;
            state.StartDocumentLine(spec.m_multiLineStrings);
        }
        const int top = -(y + textTop);
        if (line->IsFirst() && settings.printLineNumbers) {
            char number[16];
            const int length = std::snprintf(number, sizeof number, "%d:", m_engine.GetPrintLayout().GetStartLine() + docLine + 1);
            ::SetTextColor(dc, kBlack);
            ::SetTextAlign(dc, TA_RIGHT | TA_TOP);
            ::TextOutA(dc, x0 - digit, top, number, length);
            ::SetTextAlign(dc, TA_LEFT | TA_TOP);
        }
        const int count = line->GetSegmentCount();
        const DisplaySegment* segments = line->GetSegments();
        if (rules.syntaxColouring) {
            RangeState copy = state;
            for (int i = 0; i < count; ++i) {
                const DisplaySegment& s = segments[i];
                AdvanceRangeState(s.kind, s.subKind, copy);
                int index = -1;
                if (copy.range1 || s.kind == kRunRange1End)
                    index = CViewSettings::kColorRange1Background;
                else if (copy.range2 || s.kind == kRunRange2End)
                    index = CViewSettings::kColorRange2Background;
                if (index < 0 || colors[index] == colors[CViewSettings::kColorBackground] ||
                    s.kind == kRunLineEnd || s.kind == kRunSoftBreak)
                    continue;
                HBRUSH brush = ::CreateSolidBrush(colors[index]);
                {
                    ScopedSelectObject selected(dc, brush);
                    ::PatBlt(dc, x0 + s.x, top, s.width, -h, PATCOPY);
                }
                ::DeleteObject(brush);
            }
        }
        const char* text = line->GetText();
        for (int i = 0; i < count; ++i) {
            const DisplaySegment& s = segments[i];
            const int r = AdvanceRangeState(s.kind, s.subKind, state);
            if (s.kind == kRunSoftBreak || s.kind == kRunLineEnd || s.kind == kRunTab || s.kind == kRunBlanks)
                continue;
            const int length = std::min<int>(s.columnCount, line->GetTextLength() - s.firstColumn);
            if (length <= 0)
                continue;
            ::SetTextColor(dc, rules.syntaxColouring ? ChooseSegmentColor(s.kind, s.subKind, r, state, rules, settings)
                                                     : kBlack);
            const bool italic = settings.italicComments && (state.AnyComment() || r == kRunLineComment);
            ScopedSelectObject font(dc, italic && m_italic ? m_italic : m_normal);
            ::TextOutA(dc, x0 + s.x, top, text + s.firstColumn, length);
            if (settings.boldKeywords && s.kind >= kRunKeyword0 && s.kind <= kRunKeyword9 &&
                RangeConditionHolds(s.subKind, state.range1, state.range2) && state.IsQuiet() && !state.shadow)
                ::TextOutA(dc, x0 + s.x + boldShift, top, text + s.firstColumn, length);
        }
    }
}
