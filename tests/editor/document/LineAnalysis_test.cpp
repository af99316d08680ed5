#include "editor/document/LineAnalysis.h"

#include "editor/document/LangSpec.h"
#include "editor/document/LanguageFiles.h"
#include "editor/document/LineLexer.h"
#include "editor/document/LineList.h"
#include "RecordingProgress.h"

#include <gtest/gtest.h>

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

} // namespace
