// matforge's stream converter: a whole script read, converted and written line by line.
#include "tools/matforge/StreamConverter.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    FILE* input = fmemopen(const_cast<uint8_t*>(data), size, "r");
    FILE* output = fopen("/dev/null", "w");
    long line = 0;
    ConvertStream(input, output, &line);
    fclose(input);
    fclose(output);
    return 0;
}
