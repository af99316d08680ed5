// The IDE's command line, the lines later starts hand over in the hand-off file, and the
// output lines a jump reads. Input: a hand-off file's text; each of its lines is split and
// classified as a command line and read as an output line.
#include "FuzzInput.h"
#include "editor/shell/CommandArgs.h"
#include "editor/shell/OutputJump.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CStringArray lines;
    SplitHandoffText(text, lines);
    for (int i = 0; i < lines.GetSize(); ++i) {
        const CString& line = lines[i];
        if (line.IsEmpty() || line.Find('\n') >= 0)
            abort();
        std::vector<CString> words;
        if (CCommandArgs::Split(line, words) > CCommandArgs::kMaxWords)
            abort();
        CCommandArgs args(line);
        CString value;
        args.GetOption("D", value);
        for (int w = 0; w < args.GetCount(); ++w)
            args.GetAt(w);
        for (const JumpTarget& target : ParseJumpLine(line)) {
            if (target.line <= 0 || target.name.IsEmpty() || target.name.GetLength() >= kMaxJumpNameBytes)
                abort();
        }
    }
    return 0;
}
