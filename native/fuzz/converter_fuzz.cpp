// The converter's driver over a whole source, in both directions: a conversion table, the
// separator "\n%%\n", then the source. Without a separator the input is the source alone,
// converted with an empty table.
#include "FuzzInput.h"
#include "tools/converter/ConversionTable.h"
#include "tools/converter/ConvertDriver.h"
#include "tools/converter/ConverterOptions.h"
#include "tools/converter/Lexer.h"

#include <cstdio>
#include <string>

namespace {

// A stream over the bytes; fmemopen takes no empty buffer, so an empty text reads as one NUL
// that the stream's size leaves out.
FILE* ReadStream(std::string& bytes)
{
    return bytes.empty() ? fmemopen(const_cast<char*>(""), 1, "r") : fmemopen(bytes.data(), bytes.size(), "r");
}

void Convert(ConvertDirection direction, std::string& table, std::string& source)
{
    ResetOptions();
    TableFree();
    LexReset();
    LexSetC51Mode(0);
    Options()->direction = (uint8_t)direction;
    if (!table.empty()) {
        FILE* stream = ReadStream(table);
        TableLoad(stream);
        fclose(stream);
    }
    FILE* input = ReadStream(source);
    FILE* output = fopen("/dev/null", "w");
    ConvertStream(input, output);
    fclose(input);
    fclose(output);
    TableFree();
    LexReset();
    LexSetC51Mode(0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string rest(reinterpret_cast<const char*>(data), size);
    std::string first = FuzzInput::TakePart(rest);
    std::string table = rest.empty() ? std::string() : first;
    std::string source = rest.empty() ? first : rest;
    Convert(kMoyuToC, table, source);
    Convert(kCToMoyu, table, source);
    return 0;
}
