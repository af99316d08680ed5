#include "editor/document/LineAnalysis.h"

#include "editor/document/LanguageFiles.h"
#include "editor/document/LineLexer.h"
#include "editor/document/LineList.h"

void CLineAnalyzer::AnalyzeLines(CLineList& lines, LineIndex first, int count,
                                 const CSpellDictionary* spelling, bool doubleByteMode)
{
    // A new token: the spec or keywords may have changed in place since the last batch.
    m_token = CLineLexer::NewBatchToken();
    m_spelling = spelling;
    m_doubleByteMode = doubleByteMode;
    if (!lines.IsValidIndex(first) || count <= 0)
        return;
    if (count > lines.GetCount() - first)
        count = lines.GetCount() - first;
    for (int done = 0; done < count; ++done)
        lines.GetLine(first + done)->DeferAnalysis(this);
}

void CLineAnalyzer::PrepareLexer() const
{
    CLineLexer& lexer = TheLineLexer();
    if (!lexer.HoldsBatch(m_token))
        lexer.BeginBatch(m_language.GetLangSpec(), &m_language.GetKeywords(), m_spelling, m_token);
}

LineRuns CLineAnalyzer::LexLine(const CTextLine& line) const
{
    PrepareLexer();
    return TheLineLexer().Lex(line.GetText(), line.GetLength(), m_doubleByteMode);
}

bool CLineAnalyzer::MayHoldMarkers(const CTextLine& line) const
{
    const uint16_t markerFlags = kLineHasRangeMarks | kLineHasComments | kLineHasShadowMarks | kLineHasQuotes;
    if (!line.IsAnalysisDeferred())
        return (line.GetFlags() & markerFlags) != 0;
    PrepareLexer();
    return TheLineLexer().MayHoldMarkers(line.GetText(), line.GetLength());
}
