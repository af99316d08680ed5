#include "editor/document/SpellDictionary.h"
#include "editor/document/TextDocument.h"

void CTextDocument::AnalyzeAllLines(LineIndex first, int count)
{
    const CSpellDictionary& dictionary = TheSpellDictionary();
    m_analyzer.AnalyzeLines(m_lines, first, count, dictionary.IsCheckOn() ? &dictionary : nullptr,
                            m_doubleByteMode);
}
