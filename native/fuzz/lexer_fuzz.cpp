// The spec and keyword file loaders and the line lexer. Input: a spec file, "\n%%\n", a
// keyword file, "\n%%\n", then text whose lines are lexed in double-byte mode and out of it.
#include "FuzzInput.h"
#include "editor/document/KeywordTable.h"
#include "editor/document/LangSpec.h"
#include "editor/document/LineLexer.h"
#include "editor/document/TextLine.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string rest(reinterpret_cast<const char*>(data), size);
    std::string specText = FuzzInput::TakePart(rest);
    std::string keywordText = FuzzInput::TakePart(rest);

    CLangSpec spec;
    spec.Load(FuzzInput::WriteTempFile("spec", specText).c_str());
    CKeywordTable keywords;
    keywords.LoadKeywords(FuzzInput::WriteTempFile("keywords", keywordText).c_str(),
                          spec.m_caseSensitive);
    if (!keywords.Check())
        abort();

    static CLineLexer lexer;
    lexer.BeginBatch(spec, &keywords, nullptr);
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = rest.find('\n', start);
        if (end == std::string::npos)
            end = rest.size();
        for (bool doubleByte : {true, false}) {
            CTextLine line(rest.data() + start, (int)(end - start));
            lexer.AnalyzeLine(line, doubleByte);
            // The runs cover the analysed part of the line without a gap.
            int covered = 0;
            for (int i = 0; i < line.GetRunCount(); ++i) {
                if (line.GetRun(i)->start != covered)
                    abort();
                covered = line.GetRun(i)->End();
            }
        }
        start = end + 1;
    }
    return 0;
}
