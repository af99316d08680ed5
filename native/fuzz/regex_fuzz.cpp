// The regular-expression engine and the four line searches. Input: a flags byte, then the
// pattern up to the first line break, then the replacement template up to the next, then
// the searched line (a zero byte ends it, as in a document line).
#include "editor/util/ByteScan.h"
#include "editor/util/RegexEngine.h"
#include "editor/util/TextSearch.h"
#include "framework/CString.h"
#include "framework/Gbk.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Whether each offset of the text starts a character (the end counts as one).
std::vector<bool> CharacterStarts(const std::string& text)
{
    const size_t length = text.find('\0') == std::string::npos ? text.size() : text.find('\0');
    std::vector<bool> starts(length + 1, false);
    for (size_t at = 0; at < length; at += (size_t)GbkText::CharLength(text.c_str() + at))
        starts[at] = true;
    starts[length] = true;
    return starts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const unsigned flags = data[0];
    std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    size_t patternEnd = rest.find('\n');
    std::string pattern = rest.substr(0, patternEnd);
    rest = patternEnd == std::string::npos ? std::string() : rest.substr(patternEnd + 1);
    size_t templateEnd = rest.find('\n');
    std::string replacement = rest.substr(0, templateEnd);
    std::string text = templateEnd == std::string::npos ? std::string() : rest.substr(templateEnd + 1);
    const bool wholeWord = flags & 1, matchCase = flags & 2;
    const int offset = (flags & 4) ? -1 : (int)(flags >> 3) % ((int)text.size() + 1);

    CString result;
    CRegexEngine engine;
    if (engine.Compile(pattern.c_str())) {
        const int found = engine.Find(text.c_str());
        if (found >= 0) {
            // A match starts and ends where characters do.
            const std::vector<bool> starts = CharacterStarts(text);
            const size_t end = (size_t)found + (size_t)engine.GetMatchLength();
            if (end >= starts.size() || !starts[(size_t)found] || !starts[end])
                abort();
            // Every literal the program requires stands in the match, where the byte scan of
            // find in files finds it, in either case too.
            const std::string match = text.substr((size_t)found, end - (size_t)found);
            for (const std::string& literal : engine.RequiredLiterals()) {
                if (match.find(literal) == std::string::npos)
                    abort();
                const char* matchEnd = match.data() + match.size();
                if (LiteralScan(literal, !matchCase).Next(match.data(), matchEnd) == matchEnd)
                    abort();
            }
            engine.GetMatchText(result);
            engine.GetReplacementText(replacement.c_str(), result);
        }
        if (FindRegexForward(text.c_str(), pattern.c_str(), engine, offset, wholeWord, matchCase) >= 0)
            engine.GetReplacementText(replacement.c_str(), result);
        if (FindRegexBackward(text.c_str(), pattern.c_str(), engine, offset, wholeWord, matchCase) >= 0)
            engine.GetMatchText(result);
    }
    FindTextForward(text.c_str(), pattern.c_str(), offset, wholeWord, matchCase);
    FindTextBackward(text.c_str(), pattern.c_str(), offset, wholeWord, matchCase);
    return 0;
}
