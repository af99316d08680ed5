#include "editor/document/LineAnalysis.h"

#include "editor/document/KeywordTable.h"
#include "editor/document/LangSpec.h"
#include "editor/document/LanguageFiles.h"
#include "editor/document/LineLexer.h"
#include "editor/document/LineList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Runs and flags, to compare analyses.
std::string Describe(const CColorRun* runs, int count, uint16_t flags)
{
    std::string text = std::to_string(flags) + ":";
    for (int i = 0; i < count; ++i)
        text += " " + std::to_string(runs[i].kind) + "/" + std::to_string(runs[i].subKind) + "@"
                + std::to_string(runs[i].start) + "+" + std::to_string(runs[i].length);
    return text;
}

std::string Describe(const CTextLine& line)
{
    return Describe(line.GetRuns(), line.GetRunCount(), line.GetFlags());
}

class LineAnalysisTest : public ::testing::Test {
protected:
    LineAnalysisTest() : m_language("C:\\nowhere"), m_analyzer(m_language)
    {
        m_language.GetLangSpec().m_quote[0] = '"';
        m_language.GetKeywords().Add("if", kRunKeyword0);
        m_language.GetKeywords().Add("return", kRunKeyword0 + 1);
    }
    void Fill(int count, const std::string& text = "a b")
    {
        for (int i = 0; i < count; ++i)
            m_lines.AddTail(text.data(), (int)text.size());
    }
    int DeferredCount() const
    {
        int count = 0;
        for (int i = 0; i < m_lines.GetCount(); ++i)
            count += m_lines.GetLine(i)->IsAnalysisDeferred();
        return count;
    }
    // The line analysed alone, as the lexer does it at once.
    std::string AnalysedAlone(const CTextLine& line)
    {
        CTextLine alone(line.GetText(), line.GetLength());
        alone.SetBookmark(line.IsBookmarked());
        CLineLexer lexer;
        lexer.BeginBatch(m_language.GetLangSpec(), &m_language.GetKeywords(), nullptr);
        lexer.AnalyzeLine(alone, true);
        return Describe(alone);
    }

    CLanguageFiles m_language;
    CLineAnalyzer m_analyzer;
    CLineList m_lines;
};

TEST_F(LineAnalysisTest, AnalysisIsDeferredUntilALinesRunsAreRead)
{
    Fill(1500);
    m_analyzer.AnalyzeLines(m_lines, 0, 1500, nullptr, true);
    EXPECT_EQ(1500, DeferredCount());
    EXPECT_EQ(4, m_lines.GetLine(7)->GetRunCount());
    EXPECT_EQ(1499, DeferredCount());
    // Peeking lexes without keeping the runs.
    const LineRuns peeked = m_lines.GetLine(8)->PeekRuns();
    EXPECT_EQ(4, peeked.count);
    EXPECT_EQ(1499, DeferredCount());
}

TEST_F(LineAnalysisTest, RangeOutsideTheDocumentIsCutOrIgnored)
{
    Fill(10);
    m_analyzer.AnalyzeLines(m_lines, 10, 5, nullptr, true);
    m_analyzer.AnalyzeLines(m_lines, -1, 5, nullptr, true);
    EXPECT_EQ(0, DeferredCount());
    m_analyzer.AnalyzeLines(m_lines, 8, 1000000, nullptr, true);
    EXPECT_EQ(2, DeferredCount());
}

// Whether read, peeked or left for later, a line gets the runs and flags of the line analysed
// alone; the bookmark stays.
TEST_F(LineAnalysisTest, DeferredLinesGetTheRunsOfLinesAnalysedAlone)
{
    const std::string texts[] = {
        "if (x == 0x1F) return 2.5e+3;", "", "\tword\tsum", "\xD5\xFB\xCA\xFD\xA1\xA1\xBC\xC6\xCA\xFD",
        "\"quoted\" 'x' done", std::string(40000, 'a'), std::string(20000, '(') + "abc",
    };
    for (const std::string& text : texts)
        m_lines.AddTail(text.data(), (int)text.size());
    m_lines.GetLine(2)->SetBookmark(true);
    m_analyzer.AnalyzeLines(m_lines, 0, m_lines.GetCount(), nullptr, true);
    for (int i = 0; i < m_lines.GetCount(); ++i) {
        const CTextLine& line = *m_lines.GetLine(i);
        const LineRuns peeked = line.PeekRuns();
        EXPECT_EQ(AnalysedAlone(line), Describe(peeked.runs, peeked.count, peeked.flags)) << i;
        EXPECT_EQ(AnalysedAlone(line), Describe(line)) << i;
        EXPECT_FALSE(line.IsAnalysisDeferred());
    }
    EXPECT_TRUE(m_lines.GetLine(2)->IsBookmarked());
    EXPECT_TRUE(m_lines.GetLine(5)->HasFlag(kLineOverlong));
    EXPECT_TRUE(m_lines.HasOverlongLine());
}

// The keywords may change in place between analyses; a new analysis lexes with them, also
// when another document's lines were lexed in between.
TEST_F(LineAnalysisTest, EachAnalysisLexesWithTheLanguageAsItIsThen)
{
    Fill(3, "if");
    CLanguageFiles other("C:\\nowhere");
    other.GetKeywords().Add("if", kRunKeyword0 + 5);
    CLineAnalyzer otherAnalyzer(other);
    CLineList otherLines;
    otherLines.AddTail("if", 2);
    otherAnalyzer.AnalyzeLines(otherLines, 0, 1, nullptr, true);

    m_analyzer.AnalyzeLines(m_lines, 0, 3, nullptr, true);
    EXPECT_EQ(kRunKeyword0, m_lines.GetLine(0)->GetRun(0)->kind);
    EXPECT_EQ(kRunKeyword0 + 5, otherLines.GetLine(0)->GetRun(0)->kind);
    EXPECT_EQ(kRunKeyword0, m_lines.GetLine(1)->GetRun(0)->kind);

    m_lines.GetLine(2)->Assign("while");
    m_analyzer.AnalyzeLines(m_lines, 2, 1, nullptr, true);
    EXPECT_NE(kRunKeyword0 + 2, m_lines.GetLine(2)->GetRun(0)->kind);
    m_language.GetKeywords().Add("while", kRunKeyword0 + 2);
    m_analyzer.AnalyzeLines(m_lines, 2, 1, nullptr, true);
    EXPECT_EQ(kRunKeyword0 + 2, m_lines.GetLine(2)->GetRun(0)->kind);
}

TEST_F(LineAnalysisTest, OnlyLinesWithMarkerBytesMayHoldMarkers)
{
    const struct {
        const char* text;
        bool mayHold;
    } cases[] = {{"plain words only", false}, {"say \"hi\"", true}, {"", false}};
    for (const auto& c : cases)
        m_lines.AddTail(c.text, (int)std::strlen(c.text));
    m_analyzer.AnalyzeLines(m_lines, 0, m_lines.GetCount(), nullptr, true);
    for (int i = 0; i < m_lines.GetCount(); ++i) {
        EXPECT_EQ(cases[i].mayHold, m_analyzer.MayHoldMarkers(*m_lines.GetLine(i))) << cases[i].text;
        EXPECT_TRUE(m_lines.GetLine(i)->IsAnalysisDeferred());
        // Once analysed, the flags answer.
        EXPECT_EQ(m_lines.GetLine(i)->HasFlag(kLineHasQuotes), m_analyzer.MayHoldMarkers(*m_lines.GetLine(i)));
    }
}

} // namespace
