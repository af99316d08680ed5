#include "editor/document/LineAnalysis.h"

#include "editor/document/LanguageFiles.h"
#include "editor/document/LineLexer.h"
#include "editor/document/LineList.h"
#include "editor/document/ProgressSink.h"

#include <memory>

namespace {

const int kProgressThreshold = 1000;
// Analyses of more lines than this that cover the whole document store the runs in an
// arena of the list; smaller ones, edits above all, give each line an array of its own.
const int kArenaThreshold = 1000;
const int kProgressStep = 20;

} // namespace

void AnalyzeLines(CLineList& lines, LineIndex first, int count, CLineLexer& lexer,
                  bool doubleByteMode, IProgressSink* progress)
{
    if (!lines.IsValidIndex(first) || count <= 0)
        return;
    if (count > lines.GetCount() - first)
        count = lines.GetCount() - first;
    std::unique_ptr<CProgressScope> display;
    if (count > kProgressThreshold)
        display.reset(new CProgressScope(progress, "Analyzing...", true));
    const bool whole = first == 0 && count == lines.GetCount() && count > kArenaThreshold;
    CLineArena* arena = whole ? &lines.StartRunArena() : nullptr;
    for (int done = 0; done < count; ++done) {
        lexer.AnalyzeLine(*lines.GetLine(first + done), doubleByteMode, arena);
        if (display && done % kProgressStep == 0)
            display->Draw((int)((long long)done * 100 / count));
    }
    // Every line now has its runs in the new arena: the older ones hold nothing in use.
    if (whole)
        lines.ReleaseStaleRunArenas();
}

void AnalyzeAllLines(CLineList& lines, const CLanguageFiles& language,
                     const CSpellDictionary* spelling, LineIndex first, int count,
                     bool doubleByteMode, IProgressSink* progress)
{
    CLineLexer& lexer = TheLineLexer();
    lexer.BeginBatch(language.GetLangSpec(), &language.GetKeywords(), spelling);
    AnalyzeLines(lines, first, count, lexer, doubleByteMode, progress);
}
