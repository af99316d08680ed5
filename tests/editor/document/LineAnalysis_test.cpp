#include "editor/document/LineAnalysis.h"

#include "editor/document/KeywordTable.h"
#include "editor/document/LangSpec.h"
#include "editor/document/LanguageFiles.h"
#include "editor/document/LineLexer.h"
#include "editor/document/LineList.h"
#include "RecordingProgress.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class LineAnalysisTest : public ::testing::Test {
protected:
    void Fill(int count)
    {
        for (int i = 0; i < count; ++i)
            m_lines.AddTail("a b", 3);
        m_lexer.BeginBatch(m_spec, nullptr, nullptr);
    }
    int AnalysedCount() const
    {
        int count = 0;
        for (int i = 0; i < m_lines.GetCount(); ++i)
            count += m_lines.GetLine(i)->GetRunCount() > 0;
        return count;
    }

    CLangSpec m_spec;
    CLineList m_lines;
    CLineLexer m_lexer;
    CRecordingProgress m_progress;
};

TEST_F(LineAnalysisTest, ShortBatchShowsNoProgress)
{
    Fill(10);
    AnalyzeLines(m_lines, 2, 5, m_lexer, true, &m_progress);
    EXPECT_EQ(5, AnalysedCount());
    EXPECT_TRUE(m_lines.GetLine(1)->GetRunCount() == 0);
    EXPECT_EQ(4, m_lines.GetLine(2)->GetRunCount());
    EXPECT_TRUE(m_progress.m_calls.empty());
}

TEST_F(LineAnalysisTest, LongBatchShowsProgressEveryTwentyLinesAndEndsIt)
{
    Fill(1500);
    AnalyzeLines(m_lines, 0, 1500, m_lexer, true, &m_progress);
    EXPECT_EQ(1500, AnalysedCount());
    EXPECT_EQ("begin:Analyzing...:wait", m_progress.m_calls.front());
    EXPECT_EQ(75, m_progress.Count("draw:"));
    EXPECT_EQ("draw:98", m_progress.m_calls[m_progress.m_calls.size() - 2]);
    EXPECT_EQ("end", m_progress.m_calls.back());
}

TEST_F(LineAnalysisTest, RangeOutsideTheDocumentIsCutOrIgnored)
{
    Fill(10);
    AnalyzeLines(m_lines, 10, 5, m_lexer, true, nullptr);
    AnalyzeLines(m_lines, -1, 5, m_lexer, true, nullptr);
    EXPECT_EQ(0, AnalysedCount());
    AnalyzeLines(m_lines, 8, 1000000, m_lexer, true, &m_progress);
    EXPECT_EQ(2, AnalysedCount());
    EXPECT_TRUE(m_progress.m_calls.empty());
}

TEST_F(LineAnalysisTest, WholeDocumentAnalysisUsesTheDocumentsKeywords)
{
    Fill(3);
    CLanguageFiles language("C:\\nowhere");
    language.GetKeywords().Add("a", kRunKeyword0 + 2);
    AnalyzeAllLines(m_lines, language, nullptr, 0, 3, true, nullptr);
    EXPECT_EQ(3, AnalysedCount());
    EXPECT_EQ(kRunKeyword0 + 2, m_lines.GetLine(2)->GetRun(0)->kind);
}

// Runs and flags of a line, to compare analyses.
std::string Describe(const CTextLine& line)
{
    std::string text = std::to_string(line.GetFlags()) + ":";
    for (int i = 0; i < line.GetRunCount(); ++i) {
        const CColorRun* run = line.GetRun(i);
        text += " " + std::to_string(run->kind) + "/" + std::to_string(run->subKind) + "@"
                + std::to_string(run->start) + "+" + std::to_string(run->length);
    }
    return text;
}

// A whole-document analysis stores the runs in the list's arena, lexing straight into it
// where the rest of a chunk has room and copying where it has not (the long lines here
// outgrow chunks); either way the runs must be those of a line analysed alone.
TEST_F(LineAnalysisTest, WholeDocumentAnalysisGivesTheRunsOfLinesAnalysedAlone)
{
    const std::string texts[] = {
        "if (x == 0x1F) return 2.5e+3;", "", "\tword\tsum", "\xD5\xFB\xCA\xFD\xA1\xA1\xBC\xC6\xCA\xFD",
        "\"quoted\" 'x' done",
    };
    const std::string longTexts[] = {std::string(40000, 'a'), std::string(20000, '(') + "abc"};
    const int count = 1200;
    for (int i = 0; i < count; ++i) {
        const std::string& text = i % 50 < 2 ? longTexts[i % 2] : texts[i % 5];
        m_lines.AddTail(text.data(), (int)text.size());
    }
    m_lines.GetLine(5)->SetFlags(kLineBookmark);
    CKeywordTable keywords;
    keywords.Add("if", kRunKeyword0);
    keywords.Add("return", kRunKeyword0 + 1);
    m_lexer.BeginBatch(m_spec, &keywords, nullptr);
    for (int pass = 0; pass < 2; ++pass) {
        AnalyzeLines(m_lines, 0, count, m_lexer, true, nullptr);
        for (int i = 0; i < count; ++i) {
            const CTextLine& line = *m_lines.GetLine(i);
            CTextLine alone(line.GetText(), line.GetLength());
            alone.SetFlags(line.GetFlags() & kLineBookmark);
            m_lexer.AnalyzeLine(alone, true);
            ASSERT_EQ(Describe(alone), Describe(line)) << "pass " << pass << ", line " << i;
        }
        // Edited and re-analysed alone between the passes: arrays of the lines' own.
        m_lines.GetLine(7)->Assign("return y;");
        AnalyzeLines(m_lines, 7, 1, m_lexer, true, nullptr);
        m_lines.GetLine(8)->Assign("z");
    }
    EXPECT_TRUE(m_lines.GetLine(5)->IsBookmarked());
}

} // namespace
