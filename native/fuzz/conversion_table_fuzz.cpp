// The converter's conversion table: a table file loaded in either direction, then every word
// it holds looked up again.
#include "runtime/源码/字符.h"
#include "tools/converter/ConversionTable.h"
#include "tools/converter/ConverterOptions.h"

#include <cstdint>
#include <cstdio>
#include <initializer_list>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    ResetOptions();
    TableFree();
    // The first byte picks the direction, which decides the side the lists are keyed by.
    Options()->direction = (uint8_t)(data[0] & 1 ? kMoyuToC : kCToMoyu);
    if (size > 1) {
        FILE* stream = fmemopen(const_cast<uint8_t*>(data + 1), size - 1, "r");
        TableLoad(stream);
        fclose(stream);
    }
    for (const ConversionTable* node = TableHead(); node != nullptr; node = node->next) {
        for (const char* word : {node->english, node->chinese})
            if (word != nullptr && *word != '\0')
                TableLookup(MbCharAt(word), word, node->isPreprocessor);
    }
    TableFree();
    return 0;
}
