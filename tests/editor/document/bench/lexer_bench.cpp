// Loads a generated GBK Moyu source of 50 MB (or the size in MB given), chooses its syntax
// type and lexes every line once, as a pass over the whole document does; with "doc" the
// whole open of the framework document instead (which lexes nothing until lines are read).
// Run by hand: document_lexer_bench [megabytes] [doc]
#include "editor/document/LanguageFiles.h"
#include "editor/document/LineLexer.h"
#include "editor/document/LineList.h"
#include "editor/document/TextFormat.h"
#include "editor/document/WrenDoc.h"
#include "framework/AppEnvironment.h"

#include "tests/support/bench_measures.h"
#include "tests/support/generated_moyu_source.h"
#include "tests/support/staged_program_folder.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Peak committed memory of the process in bytes.
unsigned long long PeakMemory()
{
    return ProcessMemoryCounters().PeakPagefileUsage;
}

} // namespace

int main(int argc, char** argv)
{
    size_t megabytes = argc > 1 ? (size_t)std::atoi(argv[1]) : 50;
    char temp[MAX_PATH];
    ::GetTempPathA(sizeof temp, temp);
    std::string path = std::string(temp) + "moyu-lexer-bench.墨";
    size_t bytes = 0;
    if (!WriteGeneratedMoyuSource(path, megabytes << 20, bytes)) {
        std::printf("cannot write %s\n", path.c_str());
        return 1;
    }
    double mb = (double)bytes / (1 << 20);
    unsigned long long memoryBefore = PeakMemory();

    if (argc > 2 && std::string(argv[2]) == "doc") {
        ScopedProgramFolder folder(StagedProgramFolder().c_str());
        CWrenDoc document;
        document.m_bAutoDelete = FALSE;
        CStopwatch watch;
        const bool opened = document.OnOpenDocument(path.c_str()) != FALSE;
        const double seconds = watch.Seconds();
        const unsigned long long peak = PeakMemory();
        std::remove(path.c_str());
        if (!opened || document.GetText().GetLanguageFiles().GetSpecFileName().empty()) {
            std::printf("cannot open the file or detect its syntax type\n");
            return 1;
        }
        std::printf("file: %.1f MB, %d lines\n", mb, document.GetText().GetLineCount());
        std::printf("CWrenDoc open (detect, load, syntax type, lex): %.2f s (%.1f MB/s)\n", seconds, mb / seconds);
        std::printf("peak memory: %.1f MB (%.1f MB before opening, %.2f x the file)\n", peak / 1048576.0,
                    memoryBefore / 1048576.0, (peak - memoryBefore) / (double)bytes);
        return 0;
    }

    CStopwatch watch;
    CLineList lines;
    EncodingCode encoding = kEncodingAnsi;
    LineEndCode lineEnd = kLineEndDos;
    DetectTextFormat(path.c_str(), &encoding, &lineEnd);
    bool loaded = lines.Load(path.c_str(), encoding, lineEnd);
    double loadedAt = watch.Seconds();

    CLanguageFiles language(StagedProgramFolder());
    if (!loaded || !language.DetectSyntaxType(path, lines.GetLine(0)->GetText())
        || !language.LoadLanguageFiles()) {
        std::printf("cannot load the file or its description files\n");
        std::remove(path.c_str());
        return 1;
    }
    // Every line lexed once, as a pass over the whole document does; no runs are kept.
    CLineLexer lexer;
    lexer.BeginBatch(language.GetLangSpec(), &language.GetKeywords(), nullptr);
    long long runs = 0;
    for (int i = 0; i < lines.GetCount(); ++i) {
        const CTextLine* line = lines.GetLine(i);
        runs += lexer.Lex(line->GetText(), line->GetLength(), true).count;
    }
    double lexedAt = watch.Seconds();

    unsigned long long peak = PeakMemory();
    std::printf("file: %.1f MB, %d lines, %lld colour runs\n", mb, lines.GetCount(), runs);
    std::printf("load: %.2f s (%.1f MB/s)\n", loadedAt, mb / loadedAt);
    std::printf("lex:  %.2f s (%.1f MB/s)\n", lexedAt - loadedAt, mb / (lexedAt - loadedAt));
    std::printf("load and lex: %.2f s (%.1f MB/s)\n", lexedAt, mb / lexedAt);
    std::printf("peak memory: %.1f MB (%.1f MB before loading, %.2f x the file)\n",
                peak / 1048576.0, memoryBefore / 1048576.0, (peak - memoryBefore) / (double)bytes);
    std::remove(path.c_str());
    return 0;
}
