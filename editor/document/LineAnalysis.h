#pragma once

#include "editor/document/TextLine.h"

class CLanguageFiles;
class CLineList;
class CSpellDictionary;

// A document's colouring: it defers the analysis of the lines it is asked to analyse, and
// lexes each of them with the process-wide lexer when the line's runs are first read. So
// opening or re-colouring a large file costs nothing per line until lines are looked at,
// and a line nobody looks at never holds runs.
class CLineAnalyzer : public ILineAnalyzer {
public:
    explicit CLineAnalyzer(const CLanguageFiles& language) : m_language(language) {}
    CLineAnalyzer(const CLineAnalyzer&) = delete;
    CLineAnalyzer& operator=(const CLineAnalyzer&) = delete;

    // Defers count lines from first on (nothing when first lies outside the list), to be
    // lexed with the language's spec and keywords, the dictionary (null while the spelling
    // check is off) and the double-byte mode; lines deferred earlier are lexed so as well.
    void AnalyzeLines(CLineList& lines, LineIndex first, int count, const CSpellDictionary* spelling,
                      bool doubleByteMode);

    LineRuns LexLine(const CTextLine& line) const override;
    // False when the line, lexed now, could hold no quotation, comment, shadow, highlight or
    // range marker: a line with analysis deferred is only scanned for the bytes that start
    // them.
    bool MayHoldMarkers(const CTextLine& line) const;

private:
    void PrepareLexer() const;

    const CLanguageFiles& m_language;
    const CSpellDictionary* m_spelling = nullptr;
    bool m_doubleByteMode = false;
    unsigned m_token = 0;
};
