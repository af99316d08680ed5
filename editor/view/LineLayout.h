#pragma once
#include <vector>

#include "editor/document/TextLine.h"
#include "editor/view/DisplayLine.h"
#include "editor/view/ViewInterfaces.h"

// The pixel values one layout pass works with, all for the device being laid out.
struct LayoutParameters {
    int blankWidth = 8;          // S: width of " "
    int tabPitch = 32;           // T: S times the tab size
    int tabOrigin = 1;           // O: 1 on the screen, S / 10 (at least 1) on a printer
    bool fixedPitch = false;     // measure every byte as S, never the text
    PixelX wrapWidth = 0;        // W
    int continuationIndent = 0;  // I: S times the wrap indent
    int minimumRoom = 64;        // M: 8 average character widths
    bool doubleByte = false;     // lead bytes pair with their trail bytes
};

// Cuts document lines into display segments for one device: unwrapped (one display line
// per document line) or wrapped at the wrap width into a first line and continuation lines.
// A wrapped line is laid out by FormatFirstDisplayLine, then FormatContinuationLine for as
// long as the previous call answered that more follows.
class CLineLayout {
public:
    typedef std::vector<DisplaySegment> Segments;

    CLineLayout(const ITextMetrics& metrics, const LayoutParameters& parameters);

    const LayoutParameters& GetParameters() const { return m_parameters; }

    // Width of the run whose bytes start at text, laid out from pixel x.
    int MeasureRun(const char* text, int kind, int length, PixelX x) const;
    // Width of count bytes measured as text (count × S in a fixed-pitch font).
    int MeasureBytes(const char* text, int count) const;
    // How many of the n bytes fit in available pixels, never ending inside a double-byte
    // character; 0 when even nothing fits.
    int FitBytes(const char* text, int n, int available) const;
    // Widths of the leading tab and blank runs of a line.
    int LeadingBlankWidth(const CTextLine& line) const;

    // All runs end to end from x = 0.
    void LayoutUnwrapped(const CTextLine& line, Segments& out);
    // The first display line of a wrapped line; true when a continuation line follows.
    bool FormatFirstDisplayLine(const CTextLine& line, Segments& out);
    // The next continuation line of the same document line; true when another follows.
    bool FormatContinuationLine(Segments& out);
    // The continuation index the line just formatted gets (0 for the first).
    int GetLastContinuationIndex() const { return m_counter - 1; }
    // The flags of the document line laid out last, from its analysis.
    uint16_t GetLineFlags() const { return m_lineFlags; }

private:
    int LeadingBlankWidth(const char* text, const CColorRun* runs, int count) const;
    // Lays out pieces from the resume point on, starting at x; true when the line was cut.
    bool LayOutPieces(PixelX x, bool allowWrap, Segments& out);
    void Append(Segments& out, int kind, int subKind, int first, int count, PixelX x,
                int width) const;

    const ITextMetrics& m_metrics;
    LayoutParameters m_parameters;

    // The document line being wrapped, and its runs.
    const CTextLine* m_line = nullptr;
    std::vector<CColorRun> m_runs;
    uint16_t m_lineFlags = 0;
    int m_leadingWidth = 0;  // L
    int m_resume = 0;        // index of the run to continue with
    bool m_hasPending = false;
    CColorRun m_pending = {};  // the rest of a split run
    int m_counter = 0;         // display lines of this document line so far
    // FitBytes' character boundaries, kept so a long layout pass does not allocate per cut.
    mutable std::vector<int> m_boundaries;
};
