#include "matforge_test_support.h"

#include "tools/matforge/LineConverter.h"
#include "tools/matforge/TextBuffer.h"

std::vector<std::string> ConvertLines(const std::vector<std::string>& lines)
{
    BlockState state = {kNoBlock, 0};
    TextBuffer out;
    TextBufferInit(&out);
    std::vector<std::string> results;
    for (const std::string& line : lines) {
        std::string copy = line;
        TextBufferClear(&out);
        ConvertLine(&copy[0], &state, &out);
        results.push_back(TextBufferText(&out));
    }
    TextBufferFree(&out);
    return results;
}

std::string ConvertOneLine(const std::string& line)
{
    return ConvertLines({line}).front();
}

ProgramRun RunMatforge(const std::string& arguments, const std::string& folder)
{
    ProgramRun run = RunProgram("\"" MOYU_MATFORGE_EXE "\" " + arguments, folder);
    run.output = WithLineFeeds(run.output);
    return run;
}
