#include "editor/document/LineAnalysis.h"
#include "editor/document/SpellDictionary.h"
#include "editor/document/TextDocument.h"

void CTextDocument::AnalyzeAllLines(LineIndex first, int count)
{
    const CSpellDictionary& dictionary = TheSpellDictionary();
    ::AnalyzeAllLines(m_lines, m_language, dictionary.IsCheckOn() ? &dictionary : nullptr, first, count,
                      m_doubleByteMode, m_progress);
}
