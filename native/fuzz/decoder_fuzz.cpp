// The text decoder, its line splitter and the encoder. Input: a control byte (encoding,
// line end, block size) and then file bytes, decoded block by block as a file load does,
// split into lines, and each line encoded back.
#include "editor/document/TextDecoding.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

class CollectingSink : public ILineSink {
public:
    void AddLine(const char* text, size_t length) override { lines.emplace_back(text, length); }
    std::vector<std::string> lines;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const unsigned control = data[0];
    const EncodingCode encoding = (EncodingCode)(control % kEncodingCodeCount);
    const LineEndCode lineEnd = (LineEndCode)((control >> 3) % 4);
    const size_t block = 1 + (control >> 5) * 7;
    const unsigned char* bytes = data + 1;
    size_t length = size - 1;

    size_t mark = CGbkDecoder::MarkLength(encoding, bytes, length);
    CGbkDecoder decoder(encoding);
    CollectingSink sink;
    CLineSplitter splitter = CLineSplitter::ForLineEnd(sink, lineEnd);
    std::string text;
    for (size_t at = mark; at < length || at == mark;) {
        size_t count = std::min(block, length - at);
        text.clear();
        decoder.Decode(bytes + at, count, at + count >= length, text);
        splitter.Feed(text.data(), text.size());
        at += count;
        if (count == 0)
            break;
    }
    splitter.Finish();

    CGbkEncoder encoder(encoding);
    std::string encoded = encoder.Mark();
    for (const std::string& line : sink.lines)
        encoder.Encode(line.data(), line.size(), encoded);
    return 0;
}
