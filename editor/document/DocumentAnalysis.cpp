#include "editor/document/LineAnalysis.h"
#include "editor/document/LineLexer.h"
#include "editor/document/SpellDictionary.h"
#include "editor/document/TextDocument.h"

void CTextDocument::AnalyzeAllLines(LineIndex first, int count)
{
    // One lexer, and so one run buffer, for all documents: analysis runs on the
    // user-interface thread only.
    static CLineLexer lexer;
    const CSpellDictionary& dictionary = TheSpellDictionary();
    lexer.BeginBatch(GetLangSpec(), &m_language.GetKeywords(), dictionary.IsCheckOn() ? &dictionary : nullptr);
    AnalyzeLines(m_lines, first, count, lexer, m_doubleByteMode, m_progress);
}
