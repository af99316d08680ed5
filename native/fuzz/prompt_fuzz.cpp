// The prompt syntax line parser and the prompt file loader. Input: a prompt file; its
// first byte also picks the table, and every line is looked up as a typed prefix.
#include "FuzzInput.h"
#include "editor/inputaids/PromptSyntax.h"
#include "editor/inputaids/PromptTables.h"

#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = FuzzInput::Lines(text);
    for (const std::string& line : lines) {
        PromptLine parsed;
        if (ParsePromptLine(line.data(), line.size(), parsed))
            for (const PromptKey& key : parsed.keys)
                ExpandPromptKey(key);
    }

    CPromptTables tables;
    const int table = size ? data[0] % CPromptTables::kTableCount : 0;
    tables.LoadFile(table, FuzzInput::WriteTempFile("prompts", text), 10);
    if (!tables.Check())
        abort();
    std::vector<const PromptEntry*> matches;
    for (const std::string& line : lines) {
        matches.clear();
        tables.FindPromptMatches(line.substr(0, line.find(' ')).c_str(), table, matches);
    }
    return 0;
}
