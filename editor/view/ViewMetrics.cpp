#include "editor/view/ViewMetrics.h"

#include <algorithm>

namespace {

// Starts at 1 so a fresh cache (generation 0) always measures.
unsigned g_metricGeneration = 1;

}  // namespace

void CMetricCache::AdvanceGeneration()
{
    ++g_metricGeneration;
    if (g_metricGeneration == 0)
        g_metricGeneration = 1;
}

CMetricCache::CMetricCache(const ITextMetrics& screen, const CViewSettings& settings)
    : m_screen(screen), m_settings(settings)
{
}

void CMetricCache::Refresh() const
{
    if (m_generation == g_metricGeneration)
        return;
    m_fontHeight = std::max(1, m_screen.GetFontHeight());
    m_blankWidth = std::max(1, m_screen.MeasureText(" ", 1));
    m_digitWidth = std::max(1, m_screen.MeasureText("0", 1));
    m_averageWidth = std::max(1, m_screen.GetAverageCharWidth());
    m_maxWidth = std::max(1, m_screen.GetMaxCharWidth());
    m_fixedPitch = m_screen.IsFixedPitch();
    m_logPixelsY = m_screen.GetLogPixelsY();
    m_generation = g_metricGeneration;
}

int CMetricCache::GetFontHeight() const { Refresh(); return m_fontHeight; }
int CMetricCache::GetBlankWidth() const { Refresh(); return m_blankWidth; }
int CMetricCache::GetDigitWidth() const { Refresh(); return m_digitWidth; }
int CMetricCache::GetAverageCharWidth() const { Refresh(); return m_averageWidth; }
int CMetricCache::GetMaxCharWidth() const { Refresh(); return m_maxWidth; }
bool CMetricCache::IsFixedPitchFont() const { Refresh(); return m_fixedPitch; }
int CMetricCache::GetLogPixelsY() const { Refresh(); return m_logPixelsY; }

int CMetricCache::GetLineHeight() const
{
    // Never 0: positions are divided by it.
    return std::max(1, GetFontHeight() * m_settings.lineSpacingPercent / 100);
}

int LineNumberDigits(const CViewSettings& settings, int lineCount)
{
    int digits = 1;
    for (int rest = lineCount; rest >= 10; rest /= 10)
        ++digits;
    return std::max(settings.lineNumberDigits, digits);
}

int CMetricCache::GetGutterWidth(int lineCount) const
{
    if (m_settings.showLineNumbers)
        return (LineNumberDigits(m_settings, lineCount) * 4 + 2) * GetDigitWidth() / 4;
    if (m_settings.showSelectionMargin)
        return GetDigitWidth() * 10 / 4;
    return 1;
}

PixelX CMetricCache::NextTabStop(PixelX x) const
{
    const int s = GetBlankWidth();
    const int t = std::max(1, s * m_settings.tabSize);
    return t * ((x + s - 1) / t + 1);
}

PixelX CMetricCache::PrevTabStop(PixelX x) const
{
    const int t = std::max(1, GetBlankWidth() * m_settings.tabSize);
    return std::max(0, t * ((x - 1) / t));
}

int PrinterLineHeight(const ITextMetrics& printer, const CViewSettings& settings)
{
    return std::max(1, printer.GetFontHeight() * settings.lineSpacingPercent / 100);
}

int PrinterGutterWidth(const ITextMetrics& printer, const CViewSettings& settings, int lineCount)
{
    if (!settings.printLineNumbers)
        return 0;
    return printer.MeasureText("0", 1) * (LineNumberDigits(settings, lineCount) + 2);
}
