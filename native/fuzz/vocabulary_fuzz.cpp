// The vocabulary entry parser and its call-tip lookups, and the custom vocabulary loader.
// Input: lines of vocabulary entries, also read as a custom vocabulary file.
#include "FuzzInput.h"
#include "editor/inputaids/CustomVocabulary.h"
#include "editor/inputaids/VocabularyList.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    CVocabularyList list;
    int tableNumber = 0;
    for (const std::string& line : FuzzInput::Lines(text)) {
        list.Add(line.c_str(), tableNumber++ % 4);
        list.Lookup(line.c_str());
        list.LookupBefore(line.c_str());
    }
    if (!list.Check())
        abort();

    CCustomVocabulary vocabulary;
    vocabulary.Load(FuzzInput::WriteTempFile("words", text).c_str());
    for (int i = 0; i < CCustomVocabulary::kSize; ++i)
        if (std::string(vocabulary.Word(i)).size() >= CCustomVocabulary::kLineBufferSize)
            abort();
    return 0;
}
