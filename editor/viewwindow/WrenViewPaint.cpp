#include "editor/viewwindow/WrenView.h"

#include <algorithm>
#include <unordered_map>

#include "editor/document/WrenDoc.h"
#include "editor/settings/EditorSettings.h"
#include "editor/view/RangeState.h"
#include "framework/Dc.h"
#include "framework/Gbk.h"

namespace {

// The one off-screen bitmap all views paint through, with the screen fonts selected into it.
// Views paint one at a time on the main thread, which is what makes sharing it safe.
class CBackBuffer {
public:
    ~CBackBuffer() { Release(); }

    HDC GetDC() const { return m_dc; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    HFONT GetNormalFont() const { return m_normal; }
    HFONT GetItalicFont() const { return m_italic; }
    // Changes whenever the screen fonts are made again.
    unsigned GetFontSerial() const { return m_fontSerial; }

    void Create(int width, int height)
    {
        width = std::max(width, 1);
        height = std::max(height, 1);
        if (m_dc && width == m_width && height == m_height)
            return;
        HDC screen = ::GetDC(nullptr);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
        if (!m_dc)
            m_dc = ::CreateCompatibleDC(screen);
        ::ReleaseDC(nullptr, screen);
        if (!m_dc || !bitmap) {
            if (bitmap)
                ::DeleteObject(bitmap);
            return;
        }
        HGDIOBJ previous = ::SelectObject(m_dc, bitmap);
        if (m_bitmap)
            ::DeleteObject(m_bitmap);
        else
            m_originalBitmap = previous;
        m_bitmap = bitmap;
        m_width = width;
        m_height = height;
        if (!m_normal)
            CreateFonts();
    }

    void CreateFonts()
    {
        const CEditorSettings& settings = TheEditorSettings();
        LOGFONTA font = settings.screenFonts[settings.screenFontSlot];
        if (TheEditingModes().columnMode && (font.lfPitchAndFamily & 3) != FIXED_PITCH)
            font = settings.otherFonts[kColumnModeFontRow];
        // Heights are kept in tenths of a point.
        font.lfHeight = -::MulDiv(font.lfHeight, ::GetDeviceCaps(m_dc, LOGPIXELSY), 720);
        HFONT normal = ::CreateFontIndirectA(&font);
        font.lfItalic = TRUE;
        HFONT italic = ::CreateFontIndirectA(&font);
        if (!normal || !italic) {
            if (normal)
                ::DeleteObject(normal);
            if (italic)
                ::DeleteObject(italic);
            return;
        }
        HGDIOBJ previous = ::SelectObject(m_dc, normal);
        if (!m_normal)
            m_originalFont = previous;
        ReleaseFonts();
        m_normal = normal;
        m_italic = italic;
        ++m_fontSerial;
        CMetricCache::AdvanceGeneration();
    }

private:
    void ReleaseFonts()
    {
        if (m_normal)
            ::DeleteObject(m_normal);
        if (m_italic)
            ::DeleteObject(m_italic);
        m_normal = m_italic = nullptr;
    }
    void Release()
    {
        if (!m_dc)
            return;
        if (m_originalFont)
            ::SelectObject(m_dc, m_originalFont);
        if (m_originalBitmap)
            ::SelectObject(m_dc, m_originalBitmap);
        ReleaseFonts();
        if (m_bitmap)
            ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
        m_dc = nullptr;
    }

    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_originalBitmap = nullptr;
    HGDIOBJ m_originalFont = nullptr;
    HFONT m_normal = nullptr;
    HFONT m_italic = nullptr;
    int m_width = 0;
    int m_height = 0;
    unsigned m_fontSerial = 0;
};

CBackBuffer& BackBuffer()
{
    static CBackBuffer buffer;
    return buffer;
}

// A GDI object owned for a scope.
template <class Handle> class COwnedGdi {
public:
    explicit COwnedGdi(Handle handle) : m_handle(handle) {}
    ~COwnedGdi()
    {
        if (m_handle)
            ::DeleteObject(m_handle);
    }
    COwnedGdi(const COwnedGdi&) = delete;
    COwnedGdi& operator=(const COwnedGdi&) = delete;
    operator Handle() const { return m_handle; }

private:
    Handle m_handle;
};

void FillColor(HDC dc, int left, int top, int right, int bottom, COLORREF color)
{
    if (right <= left || bottom <= top)
        return;
    const RECT rect = {left, top, right, bottom};
    ::SetBkColor(dc, color);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void InvertRect(HDC dc, int left, int top, int right, int bottom)
{
    if (right > left && bottom > top)
        ::PatBlt(dc, left, top, right - left, bottom - top, DSTINVERT);
}

const COLORREF kMarkGrey = RGB(127, 127, 127);

void DrawBlankDot(HDC dc, int x, int y, int blankWidth, int lineHeight)
{
    FillColor(dc, x + blankWidth / 2 - 1, y + lineHeight / 2 - 1, x + blankWidth / 2 + 1, y + lineHeight / 2 + 1,
              kMarkGrey);
}

void DrawTabMark(HDC dc, int x, int y, int c, int lineHeight)
{
    c = std::max(c, 8);
    const int b = y + lineHeight / 2, e = c * 4 / 8;
    const POINT first[] = {{x, b - e}, {x + e, b}, {x, b + e}};
    const POINT second[] = {{x + 3 * c / 8, b - e}, {x + 7 * c / 8, b}, {x + 3 * c / 8, b + e}};
    ::Polyline(dc, first, 3);
    ::Polyline(dc, second, 3);
}

void DrawLineEndMark(HDC dc, int x, int y, int c, int d)
{
    c = std::max(c, 8);
    const int y1 = y + d / 5, y2 = y + 6 * d / 10, yb = y + 8 * d / 10;
    ::Arc(dc, x + c / 8, y1, x + 9 * c / 8, y2, x + 6 * c / 8, y1, x + 7 * c / 8, y2);
    const POINT stem1[] = {{x + 6 * c / 8, y1}, {x + 6 * c / 8, yb}};
    const POINT stem2[] = {{x + c, y1}, {x + c, yb}};
    const POINT top[] = {{x + 9 * c / 8, y1}, {x + 6 * c / 8, y1}};
    const POINT foot[] = {{x + 9 * c / 8, yb}, {x + 3 * c / 8, yb}};
    for (const POINT* line : {stem1, stem2, top, foot})
        ::Polyline(dc, line, 2);
}

void DrawSpellUnderline(HDC dc, int x, int b, int width)
{
    COwnedGdi<HPEN> red(::CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
    ScopedSelectObject pen(dc, red);
    ::MoveToEx(dc, x, b, nullptr);
    for (int i = 1; i <= width; ++i)
        ::LineTo(dc, x + i, i % 2 == 0 ? b : b - 1);
}

void DrawBookmarkMark(HDC dc, int x, int y, int width, int height, COLORREF gutter)
{
    FillColor(dc, x, y, x + width, y + height, gutter);
    COwnedGdi<HBRUSH> green(::CreateSolidBrush(RGB(0, 255, 0)));
    ScopedSelectObject brush(dc, green);
    ScopedSelectObject pen(dc, ::GetStockObject(BLACK_PEN));
    const POINT triangle[] = {{x, y}, {x + width - 1, y + height / 2}, {x, y + height - 1}};
    ::Polygon(dc, triangle, 3);
}

void DrawDottedVertical(HDC dc, int x, int height, COLORREF color)
{
    for (int y = 0; y < height; y += 2)
        ::SetPixelV(dc, x, y, color);
}

} // namespace

void CreateViewBackBuffer(int width, int height)
{
    CBackBuffer& buffer = BackBuffer();
    if (width <= 0 || height <= 0) {
        // Only make sure there is one to measure on.
        if (!buffer.GetDC())
            buffer.Create(1, 1);
        return;
    }
    buffer.Create(width, height);
}

void RefreshScreenFonts()
{
    CreateViewBackBuffer(0, 0);
    BackBuffer().CreateFonts();
}

// ---- metrics ----

namespace {

HDC MetricsDC(HDC dc)
{
    if (dc)
        return dc;
    CreateViewBackBuffer(0, 0);
    return BackBuffer().GetDC();
}

TEXTMETRICA Metrics(HDC dc)
{
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(MetricsDC(dc), &metrics);
    return metrics;
}

} // namespace

int CDeviceMetrics::GetFontHeight() const { return Metrics(m_dc).tmHeight; }
int CDeviceMetrics::GetAverageCharWidth() const { return std::max(1, (int)Metrics(m_dc).tmAveCharWidth); }
int CDeviceMetrics::GetMaxCharWidth() const { return std::max(1, (int)Metrics(m_dc).tmMaxCharWidth); }
// The pitch flag is set for a variable-pitch font.
bool CDeviceMetrics::IsFixedPitch() const { return (Metrics(m_dc).tmPitchAndFamily & TMPF_FIXED_PITCH) == 0; }

namespace {

int MeasureDirect(HDC dc, const char* text, int length)
{
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, text, length, &size);
    return size.cx;
}

// Widths of the screen font's characters, measured at first use.
class CScreenWidths {
public:
    int Measure(const char* text, int length)
    {
        HDC dc = MetricsDC(nullptr);
        if (m_serial != BackBuffer().GetFontSerial()) {
            m_serial = BackBuffer().GetFontSerial();
            std::fill(std::begin(m_single), std::end(m_single), -1);
            m_double.clear();
        }
        int width = 0;
        for (int i = 0; i < length;) {
            const unsigned char byte = (unsigned char)text[i];
            if (GbkText::IsLeadByte(byte) && i + 1 < length) {
                const unsigned code = (unsigned)byte << 8 | (unsigned char)text[i + 1];
                auto found = m_double.find(code);
                if (found == m_double.end())
                    found = m_double.emplace(code, MeasureDirect(dc, text + i, 2)).first;
                width += found->second;
                i += 2;
                continue;
            }
            if (m_single[byte] < 0)
                m_single[byte] = MeasureDirect(dc, text + i, 1);
            width += m_single[byte];
            ++i;
        }
        return width;
    }

private:
    unsigned m_serial = ~0u;
    int m_single[256];
    std::unordered_map<unsigned, int> m_double;
};

} // namespace

int CDeviceMetrics::MeasureText(const char* text, int length) const
{
    if (length <= 0)
        return 0;
    if (m_dc)
        return MeasureDirect(m_dc, text, length);
    static CScreenWidths widths;
    return widths.Measure(text, length);
}

int CDeviceMetrics::GetLogPixelsY() const { return ::GetDeviceCaps(MetricsDC(m_dc), LOGPIXELSY); }

// ---- painting ----

void CWrenView::OnDraw(CDC* dc)
{
    if (!m_engine || !dc)
        return;
    const bool hideCaret = m_caretShown;
    if (hideCaret)
        HideCaret();
    m_engine->LayOutVisibleLines();
    UpdateScrollBars();
    const int width = std::max(m_engine->GetClientWidth(), 1);
    const int height = std::max(m_engine->GetClientHeight(), 1);
    CBackBuffer& buffer = BackBuffer();
    if (!buffer.GetDC() || buffer.GetWidth() < width || buffer.GetHeight() < height)
        CreateViewBackBuffer(std::max(width, buffer.GetWidth()), std::max(height, buffer.GetHeight()));
    HDC back = buffer.GetDC();
    if (!back)
        return;
    ::SetMapMode(back, MM_TEXT);
    ::SetBkMode(back, TRANSPARENT);
    PaintLines(back);
    if (m_engine->IsSelectionActive())
        PaintSelection(back);
    m_bandY = kNoBand;
    if (BandWanted())
        PaintCurrentLine(back);
    PaintColumnMarkers(back);
    ::BitBlt(dc->GetSafeHdc(), 0, 0, width, height, back, 0, 0, SRCCOPY);
    // The paint replaced the pixels the highlight had inverted.
    m_bracketMatch = BracketMatchCells();
    if (m_caretShown)
        PlaceCaret();
}

PixelY CWrenView::BandTarget() const
{
    const int yc = m_engine->GetCaretY() - m_engine->GetScrollY();
    return yc < 0 || yc > m_engine->GetClientHeight() ? kNoBand : m_engine->GetCaretY();
}

bool CWrenView::BandWanted() const
{
    const CViewSettings& settings = m_settings.view;
    return settings.highlightCurrentLine ||
           settings.colors[CViewSettings::kColorCurrentLine] != settings.colors[CViewSettings::kColorBackground];
}

void CWrenView::PaintLines(HDC dc)
{
    const CViewSettings& settings = m_settings.view;
    const uint32_t* colors = settings.colors;
    CViewEngine& engine = *m_engine;
    const CMetricCache& metrics = engine.GetMetrics();
    const int lineHeight = engine.GetLineHeight();
    const int fontHeight = metrics.GetFontHeight();
    const int gutter = engine.GetGutterWidth();
    const int digit = metrics.GetDigitWidth();
    const int blank = metrics.GetBlankWidth();
    const int width = engine.GetClientWidth();
    const int height = engine.GetClientHeight();
    const PixelX scrollX = engine.GetScrollX();
    const PixelY scrollY = engine.GetScrollY();
    const bool hasGutter = settings.showLineNumbers || settings.showSelectionMargin;

    ::SelectClipRgn(dc, nullptr);
    if (hasGutter) {
        FillColor(dc, 0, 0, gutter - 1, height, colors[CViewSettings::kColorGutter]);
        FillColor(dc, gutter - 1, 0, width, height, colors[CViewSettings::kColorBackground]);
    } else {
        FillColor(dc, 0, 0, width, height, colors[CViewSettings::kColorBackground]);
    }
    const CDisplayLayout& lines = engine.GetLayout();
    if (lines.IsEmpty() || lineHeight <= 0)
        return;

    // Only the visible lines are walked: the state at the first one comes from the engine's
    // checkpoints, not from the head of the document.
    const DisplayLineIndex first = scrollY / lineHeight;
    CDisplayLineRef line = lines.LineAt(first);
    if (!line)
        return;
    RangeState state = engine.GetRangeStateAtDisplayLine(*line);
    LineIndex docLine = line->GetDocLine();
    const CTextDocument& document = engine.GetDocument();
    const CLangSpec& spec = document.GetLangSpec();
    const LineIndex lastDocLine = document.GetLineCount() - 1;
    SegmentColorRules rules;
    rules.syntaxColouring = settings.syntaxColouring != 0;
    rules.variablesInStrings = spec.m_variablesInStrings;

    COwnedGdi<HPEN> markPen(::CreatePen(PS_SOLID, 1, kMarkGrey));
    ScopedSelectObject font(dc, BackBuffer().GetNormalFont());
    bool firstLine = true;
    for (DisplayLineIndex k = first; line; line = lines.LineAt(++k)) {
        const int y = k * lineHeight - scrollY;
        if (y > height)
            break;
        if (line->IsFirst() && !firstLine) {
            ++docLine;
            state.StartDocumentLine(spec.m_multiLineStrings);
        }
        firstLine = false;

        ::SelectClipRgn(dc, nullptr);
        if (line->IsFirst() && settings.showLineNumbers) {
            char number[16];
            const int length = wsprintfA(number, "%d", docLine + 1);
            ::SetTextColor(dc, colors[CViewSettings::kColorLineNumbers]);
            ::SetTextAlign(dc, TA_RIGHT | TA_TOP);
            ::TextOutA(dc, gutter - digit / 2, y, number, length);
            ::SetTextAlign(dc, TA_LEFT | TA_TOP);
        }
        if (line->IsFirst() && line->GetTextLine() && line->GetTextLine()->IsBookmarked()) {
            if (hasGutter)
                DrawBookmarkMark(dc, gutter - 5 * digit / 2 + 1, y + 1, 2 * digit - 2, fontHeight - 2,
                                 colors[CViewSettings::kColorGutter]);
            else
                FillColor(dc, gutter, y, width, y + fontHeight,
                          colors[CViewSettings::kColorBackground] ^ 0x808000);
        }
        ::ExcludeClipRect(dc, 0, y, gutter, y + lineHeight);

        const int count = line->GetSegmentCount();
        const DisplaySegment* segments = line->GetSegments();
        const char* text = line->GetText();
        auto segmentLeft = [&](const DisplaySegment& s) { return s.x + gutter - scrollX; };
        auto segmentWidth = [&](const DisplaySegment& s) {
            return s.kind == kRunLineEnd || s.kind == kRunSoftBreak ? width - segmentLeft(s) : s.width;
        };
        auto visible = [&](const DisplaySegment& s) {
            const int left = segmentLeft(s);
            return !(left + segmentWidth(s) < gutter || left > width);
        };

        if (rules.syntaxColouring) {
            RangeState copy = state;
            for (int i = 0; i < count; ++i) {
                const DisplaySegment& s = segments[i];
                AdvanceRangeState(s.kind, s.subKind, copy);
                if (!visible(s))
                    continue;
                uint32_t fill = 0;
                bool filled = false;
                if ((copy.range1 || s.kind == kRunRange1End) &&
                    colors[CViewSettings::kColorRange1Background] != colors[CViewSettings::kColorBackground]) {
                    fill = colors[CViewSettings::kColorRange1Background];
                    filled = true;
                } else if (!copy.range1 && (copy.range2 || s.kind == kRunRange2End) &&
                           colors[CViewSettings::kColorRange2Background] !=
                               colors[CViewSettings::kColorBackground]) {
                    fill = colors[CViewSettings::kColorRange2Background];
                    filled = true;
                }
                if (!filled)
                    continue;
                const int top = y - (lineHeight - fontHeight) / 2;
                const int left = segmentLeft(s);
                FillColor(dc, left, top, left + segmentWidth(s), top + lineHeight, fill);
                if (i == 0 && s.x != 0)
                    FillColor(dc, gutter, top, left, top + lineHeight, fill);
            }
        }

        for (int i = 0; i < count; ++i) {
            const DisplaySegment& s = segments[i];
            const int r = AdvanceRangeState(s.kind, s.subKind, state);
            if (s.kind == kRunSoftBreak || !visible(s))
                continue;
            const int x = segmentLeft(s);
            if (s.kind == kRunLineEnd) {
                if (settings.showLineEnds && docLine != lastDocLine) {
                    ScopedSelectObject pen(dc, markPen);
                    DrawLineEndMark(dc, x, y, blank, lineHeight);
                }
                continue;
            }
            if (s.kind == kRunTab) {
                if (settings.showTabs) {
                    ScopedSelectObject pen(dc, markPen);
                    DrawTabMark(dc, x, y, blank, lineHeight);
                }
                continue;
            }
            if (s.kind == kRunBlanks) {
                if (settings.showSpaces)
                    for (int b = 0; b < s.columnCount; ++b)
                        DrawBlankDot(dc, x + b * blank, y, blank, lineHeight);
                continue;
            }
            ::SetTextColor(dc, ChooseSegmentColor(s.kind, s.subKind, r, state, rules, settings));
            const bool italic = settings.italicComments && (state.AnyComment() || r == kRunLineComment);
            ScopedSelectObject segmentFont(dc, italic ? BackBuffer().GetItalicFont() : BackBuffer().GetNormalFont());
            const int length = std::min<int>(s.columnCount, line->GetTextLength() - s.firstColumn);
            if (length <= 0)
                continue;
            ::TextOutA(dc, x, y, text + s.firstColumn, length);
            if (settings.boldKeywords && s.kind >= kRunKeyword0 && s.kind <= kRunKeyword9 &&
                RangeConditionHolds(s.subKind, state.range1, state.range2) && state.IsQuiet() && !state.shadow)
                ::TextOutA(dc, x + 1, y, text + s.firstColumn, length);
            if (engine.IsSpellingCheck() && s.kind == kRunMisspelled)
                DrawSpellUnderline(dc, x, y + fontHeight - 1, s.width);
        }
    }
    ::SelectClipRgn(dc, nullptr);
}

void CWrenView::PaintSelection(HDC dc)
{
    CViewEngine& engine = *m_engine;
    const PixelSelection selection = engine.GetSelectionRect();
    const int lineHeight = engine.GetLineHeight();
    const int fontHeight = engine.GetMetrics().GetFontHeight();
    const int gutter = engine.GetGutterWidth();
    const int average = engine.GetAverageCharWidth();
    const PixelX scrollX = engine.GetScrollX();
    const PixelY scrollY = engine.GetScrollY();
    const int width = engine.GetClientWidth();
    const int height = engine.GetClientHeight();
    const bool columnMode = engine.IsColumnMode();

    const PixelY top = std::max(selection.startY, scrollY / lineHeight * lineHeight);
    const PixelY bottom = std::min(selection.endY, scrollY + height);
    for (PixelY d = top; d <= bottom; d += lineHeight) {
        const CDisplayLineRef line = engine.GetDisplayLineAtY(d);
        if (!line)
            break;
        PixelX left = 0, right = 0;
        if (columnMode) {
            left = engine.ColumnEdgeX(*line, selection.startX);
            right = engine.ColumnEdgeX(*line, selection.endX);
            if (left == right && d != engine.GetCaretY())
                right = left + average * 25 / 100;
        } else if (selection.startY == selection.endY) {
            left = selection.startX;
            right = selection.endX;
        } else if (d == selection.startY) {
            left = selection.startX;
            right = line->GetEndX() + average;
        } else if (d == selection.endY) {
            left = line->GetStartX();
            right = selection.endX;
        } else {
            left = line->GetStartX();
            right = line->GetEndX() + average;
        }
        const int y = d - scrollY;
        InvertRect(dc, std::max(left + gutter - scrollX, gutter), std::max(y, 0),
                   std::min(right + gutter - scrollX, width), std::min(y + fontHeight, height));
    }
}

// The caret's display line gets the current-line colour: pixels of the background colour
// become the current-line colour, all others change by the same XOR.
void CWrenView::PaintCurrentLine(HDC dc)
{
    CViewEngine& engine = *m_engine;
    const CViewSettings& settings = m_settings.view;
    const int yc = engine.GetCaretY() - engine.GetScrollY();
    const int fontHeight = engine.GetMetrics().GetFontHeight();
    const int gutter = engine.GetGutterWidth();
    const int width = engine.GetClientWidth();
    if (BandTarget() == kNoBand) {
        m_bandY = kNoBand;
        return;
    }
    const COLORREF delta = settings.colors[CViewSettings::kColorBackground] ^
                           settings.colors[CViewSettings::kColorCurrentLine];
    if (delta != 0) {
        COwnedGdi<HBRUSH> brush(::CreateSolidBrush(delta));
        ScopedSelectObject selected(dc, brush);
        // PATINVERT: destination XOR pattern.
        ::PatBlt(dc, gutter, yc, width - gutter, fontHeight + 1, PATINVERT);
    }
    if (settings.highlightCurrentLine) {
        const COLORREF rule = settings.colors[CViewSettings::kColorNormalText];
        for (int x = gutter; x < width; x += 2) {
            ::SetPixelV(dc, x, yc, rule);
            ::SetPixelV(dc, x, yc + fontHeight, rule);
        }
    }
    m_bandY = engine.GetCaretY();
}

void CWrenView::PaintColumnMarkers(HDC dc)
{
    const CViewSettings& settings = m_settings.view;
    CViewEngine& engine = *m_engine;
    const int gutter = engine.GetGutterWidth();
    const int average = engine.GetAverageCharWidth();
    const COLORREF color = settings.colors[CViewSettings::kColorNormalText];
    const struct {
        int on, column;
    } markers[] = {{settings.marker1On, settings.marker1Column}, {settings.marker2On, settings.marker2Column}};
    for (const auto& marker : markers) {
        if (!marker.on)
            continue;
        const int x = average * marker.column + gutter - engine.GetScrollX();
        if (x >= gutter && x <= engine.GetClientWidth())
            DrawDottedVertical(dc, x, engine.GetClientHeight(), color);
    }
}
