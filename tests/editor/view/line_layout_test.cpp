#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ViewTestSupport.h"
#include "editor/view/LineLayout.h"

namespace {

struct RunSpec {
    int kind;
    int start;
    int length;
};

// A line with hand-made runs, so a test can say which bytes form one word.
std::unique_ptr<CTextLine> MakeLine(const std::string& text, std::initializer_list<RunSpec> runs)
{
    std::unique_ptr<CTextLine> line(new CTextLine(text.data(), (int)text.size()));
    std::vector<CColorRun> colorRuns;
    for (const RunSpec& run : runs)
        colorRuns.push_back({(uint8_t)run.kind, 0, (int16_t)run.start, (int16_t)run.length});
    line->SetRuns(colorRuns.data(), (int)colorRuns.size());
    return line;
}

// Fixed pitch: S = 8, T = 32, I = 16 (two blanks), M = 64.
LayoutParameters FixedParameters(int wrapWidth)
{
    LayoutParameters p;
    p.blankWidth = 8;
    p.tabPitch = 32;
    p.tabOrigin = 1;
    p.fixedPitch = true;
    p.wrapWidth = wrapWidth;
    p.continuationIndent = 16;
    p.minimumRoom = 64;
    p.doubleByte = true;
    return p;
}

// Each display line as "first:count@x+width" pieces, soft breaks as "|first@x".
std::vector<std::string> Wrap(CLineLayout& layout, const CTextLine& line)
{
    std::vector<std::string> lines;
    CLineLayout::Segments segments;
    bool more = layout.FormatFirstDisplayLine(line, segments);
    for (;;) {
        std::string text;
        for (const DisplaySegment& s : segments) {
            if (!text.empty())
                text += " ";
            if (s.kind == kRunSoftBreak)
                text += "|" + std::to_string(s.firstColumn) + "@" + std::to_string(s.x);
            else
                text += std::to_string(s.firstColumn) + ":" + std::to_string(s.columnCount) + "@" +
                        std::to_string(s.x) + "+" + std::to_string(s.width);
        }
        lines.push_back(text);
        if (!more)
            break;
        more = layout.FormatContinuationLine(segments);
    }
    return lines;
}

const int kWord = kRunWordByte;

}  // namespace

TEST(LineLayoutTest, TabReachesTheNextStopAtLeastOneBlankAhead)
{
    FixedPitchMetrics metrics;
    CLineLayout layout(metrics, FixedParameters(1000));
    // x = T − S + O − 1 = 24 still reaches the stop at 32; one pixel further skips to 64.
    EXPECT_EQ(8, layout.MeasureRun("\t", kRunTab, 1, 24));
    EXPECT_EQ(39, layout.MeasureRun("\t", kRunTab, 1, 25));
    EXPECT_EQ(32, layout.MeasureRun("\t", kRunTab, 1, 0));
    // On a printer the origin is S / 10.
    LayoutParameters printer = FixedParameters(1000);
    printer.blankWidth = 40;
    printer.tabPitch = 160;
    printer.tabOrigin = 4;
    CLineLayout printerLayout(metrics, printer);
    EXPECT_EQ(160 - 123, printerLayout.MeasureRun("\t", kRunTab, 1, 123));
    EXPECT_EQ(320 - 124, printerLayout.MeasureRun("\t", kRunTab, 1, 124));
}

TEST(LineLayoutTest, UnwrappedLineLaysRunsEndToEnd)
{
    FixedPitchMetrics metrics;
    CLineLayout layout(metrics, FixedParameters(40));
    auto line = MakeLine("ab\tc", {{kWord, 0, 2}, {kRunTab, 2, 1}, {kWord, 3, 1}, {kRunLineEnd, 4, 0}});
    CLineLayout::Segments segments;
    layout.LayoutUnwrapped(*line, segments);
    ASSERT_EQ(4u, segments.size());
    EXPECT_EQ(0, segments[0].x);
    EXPECT_EQ(16, segments[0].width);
    EXPECT_EQ(16, segments[1].x);
    EXPECT_EQ(16, segments[1].width);
    EXPECT_EQ(32, segments[2].x);
    EXPECT_EQ(40, segments[3].x);
    EXPECT_EQ(0, segments[3].width);
}

TEST(LineLayoutTest, WrapTable)
{
    struct Case {
        const char* name;
        std::string text;
        std::vector<RunSpec> runs;
        int wrapWidth;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"word that crosses W moves down whole",
         "aaaa bbbb cccc",
         {{kWord, 0, 4}, {kRunBlanks, 4, 1}, {kWord, 5, 4}, {kRunBlanks, 9, 1}, {kWord, 10, 4},
          {kRunLineEnd, 14, 0}},
         88,
         {"0:4@0+32 4:1@32+8 5:4@40+32 9:1@72+8 |10@80", "10:4@16+32 14:0@48+0"}},
        {"blanks at the wrap width hang past it; the next word moves down",
         "aaaa          bb",
         {{kWord, 0, 4}, {kRunBlanks, 4, 10}, {kWord, 14, 2}, {kRunLineEnd, 16, 0}},
         88,
         {"0:4@0+32 4:10@32+80 |14@112", "14:2@16+16 16:0@32+0"}},
        {"word wider than a continuation line is cut at a character boundary",
         "a中文中文中文",
         {{kWord, 0, 13}, {kRunLineEnd, 13, 0}},
         96,
         {"0:11@0+88 |11@88", "11:2@16+16 13:0@32+0"}},
        {"too narrow for M + I + L: not wrapped at all",
         "aaaa bbbb cccc",
         {{kWord, 0, 4}, {kRunBlanks, 4, 1}, {kWord, 5, 4}, {kRunBlanks, 9, 1}, {kWord, 10, 4},
          {kRunLineEnd, 14, 0}},
         80,
         {"0:4@0+32 4:1@32+8 5:4@40+32 9:1@72+8 10:4@80+32 14:0@112+0"}},
        {"continuation lines start at the leading blank width plus the indent",
         "\t\taaaaaaaaaa bbbbbbbbbb",
         {{kRunTab, 0, 1}, {kRunTab, 1, 1}, {kWord, 2, 10}, {kRunBlanks, 12, 1}, {kWord, 13, 10},
          {kRunLineEnd, 23, 0}},
         200,
         {"0:1@0+32 1:1@32+32 2:10@64+80 12:1@144+8 |13@152", "13:10@80+80 23:0@160+0"}},
        {"a cut run continues over several lines",
         "abcdefghijklmnopqrstuvwxyz",
         {{kWord, 0, 26}, {kRunLineEnd, 26, 0}},
         100,
         {"0:12@0+96 |12@96", "12:10@16+80 |22@96", "22:4@16+32 26:0@48+0"}},
    };
    FixedPitchMetrics metrics;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CLineLayout layout(metrics, FixedParameters(c.wrapWidth));
        auto line = MakeLine(c.text, {});
        std::vector<CColorRun> runs;
        for (const RunSpec& run : c.runs)
            runs.push_back({(uint8_t)run.kind, 0, (int16_t)run.start, (int16_t)run.length});
        line->SetRuns(runs.data(), (int)runs.size());
        EXPECT_EQ(c.expected, Wrap(layout, *line));
    }
}

TEST(LineLayoutTest, FitBytesNeverSplitsADoubleByteCharacter)
{
    ProportionalMetrics metrics;
    LayoutParameters p = FixedParameters(1000);
    p.fixedPitch = false;
    CLineLayout layout(metrics, p);
    const std::string text = "ab中文m";  // widths 7 7 14 14 12
    EXPECT_EQ(0, layout.FitBytes(text.data(), 7, -1));
    EXPECT_EQ(0, layout.FitBytes(text.data(), 7, 6));
    EXPECT_EQ(2, layout.FitBytes(text.data(), 7, 27));  // 中 needs 28
    EXPECT_EQ(4, layout.FitBytes(text.data(), 7, 28));
    EXPECT_EQ(6, layout.FitBytes(text.data(), 7, 53));
    EXPECT_EQ(7, layout.FitBytes(text.data(), 7, 54));
    p.doubleByte = false;  // without double-byte support bytes are measured one by one
    CLineLayout singleByte(metrics, p);
    EXPECT_EQ(3, singleByte.FitBytes("ab\xD6", 3, 100));
}

TEST(LineLayoutTest, RegressionRunWidthsKeepFull32Bits)
{
    // 4000 "m" of 12 pixels make one run 48000 pixels wide, past a 16-bit width.
    ProportionalMetrics metrics;
    LayoutParameters p = FixedParameters(1000);
    p.fixedPitch = false;
    CLineLayout layout(metrics, p);
    const std::string text(4000, 'm');
    auto line = MakeLine(text, {{kWord, 0, 4000}, {kRunLineEnd, 4000, 0}});
    CLineLayout::Segments segments;
    layout.LayoutUnwrapped(*line, segments);
    ASSERT_EQ(2u, segments.size());
    EXPECT_EQ(48000, segments[0].width);
    EXPECT_EQ(48000, segments[1].x);
}

TEST(LineLayoutTest, RegressionRunPastTheTextIsMeasuredOnlyOverTheText)
{
    // A run that claims more bytes than the line holds must not be measured past its end.
    ProportionalMetrics metrics;
    LayoutParameters p = FixedParameters(40);
    p.fixedPitch = false;
    CLineLayout layout(metrics, p);
    auto line = MakeLine("ab", {{kWord, 0, 30}});
    CLineLayout::Segments segments;
    layout.LayoutUnwrapped(*line, segments);
    ASSERT_EQ(1u, segments.size());
    EXPECT_EQ(14, segments[0].width);
    EXPECT_FALSE(layout.FormatFirstDisplayLine(*line, segments));
    EXPECT_EQ(14, segments[0].width);
}
