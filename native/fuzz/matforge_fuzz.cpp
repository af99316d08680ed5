// matforge's line converter: every line of a resource script through ConvertLine with the
// block state carried from line to line, as the stream converter does.
#include "tools/matforge/LineConverter.h"
#include "tools/matforge/TextBuffer.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    BlockState state = {kNoBlock, 0};
    TextBuffer out;
    TextBufferInit(&out);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        // A line as the stream converter hands it over: its bytes with the line end, then NUL.
        std::vector<char> line(text.begin() + (long)start, text.begin() + (long)end);
        line.push_back('\0');
        TextBufferClear(&out);
        ConvertLine(line.data(), &state, &out);
        start = end;
    }
    TextBufferFree(&out);
    return 0;
}
