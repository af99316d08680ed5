#pragma once
#include "editor/view/ViewInterfaces.h"
#include "editor/settings/ViewSettings.h"

// The screen's font metrics, each measured once per font generation. RefreshViewFonts
// advances the process-wide generation when the fonts change, and every cache measures
// again on its next use. The printer is measured directly (see the Printer functions).
class CMetricCache {
public:
    CMetricCache(const ITextMetrics& screen, const CViewSettings& settings);

    const ITextMetrics& GetDevice() const { return m_screen; }

    int GetFontHeight() const;
    int GetBlankWidth() const;
    int GetDigitWidth() const;
    int GetAverageCharWidth() const;
    int GetMaxCharWidth() const;
    bool IsFixedPitchFont() const;
    int GetLogPixelsY() const;
    // Font height × line spacing / 100.
    int GetLineHeight() const;
    // With line numbers (digits × 4 + 2) × digit width / 4, else with the selection margin
    // digit width × 10 / 4, else 1; digits as LineNumberDigits gives them for a document of
    // lineCount lines.
    int GetGutterWidth(int lineCount) const;
    // T × ((x + S − 1) / T + 1) and T × ((x − 1) / T) (at least 0), T = S × tab size.
    PixelX NextTabStop(PixelX x) const;
    PixelX PrevTabStop(PixelX x) const;

    // The fonts changed: every cache measures again.
    static void AdvanceGeneration();

private:
    void Refresh() const;

    const ITextMetrics& m_screen;
    const CViewSettings& m_settings;
    mutable unsigned m_generation = 0;  // the generation the values below belong to
    mutable int m_fontHeight = 0;
    mutable int m_blankWidth = 0;
    mutable int m_digitWidth = 0;
    mutable int m_averageWidth = 0;
    mutable int m_maxWidth = 0;
    mutable bool m_fixedPitch = false;
    mutable int m_logPixelsY = 0;
};

// The digits the gutter makes room for: the line-number digits setting, or as many as the
// largest line number of a document of lineCount lines has when that is more.
int LineNumberDigits(const CViewSettings& settings, int lineCount);

// Metrics of a printer device, measured each time.
int PrinterLineHeight(const ITextMetrics& printer, const CViewSettings& settings);
// Digit width × (digits + 2) with print line numbers, else 0.
int PrinterGutterWidth(const ITextMetrics& printer, const CViewSettings& settings, int lineCount);
