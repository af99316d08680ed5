// The converter's romanizer and word tables. Input: a style byte, then a name; the name is
// romanized in the style and turned back, and looked up as an operator, directive and
// keyword both ways.
#include "tools/converter/Romanizer.h"
#include "tools/converter/WordTables.h"

#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    static const KindWord kStyles[] = {kRomanizeStyleFull, kRomanizeStylePinyin,
                                       kRomanizeStyleInitial, kRomanizeStyleShort, 1, 2, 3, 0};
    const KindWord style = kStyles[data[0] % 8];
    const int outSize = 1 + data[0] / 8 * 16;
    std::string name(reinterpret_cast<const char*>(data + 1), size - 1);
    name = name.substr(0, strlen(name.c_str()));

    std::string romanized((size_t)outSize, '\0'), back((size_t)outSize, '\0');
    RomanizeName(name.c_str(), &romanized[0], outSize, style);
    DeromanizeName(romanized.c_str(), &back[0], outSize);
    DeromanizeName(name.c_str(), &back[0], outSize);

    char word[256];
    const CharCode first = name.empty() ? 0 : (unsigned char)name[0];
    OperatorWordToC(name.c_str(), first, word, sizeof word);
    DirectiveWordToC(name.c_str(), first, word, sizeof word, data[0] & 1);
    DirectiveWordFromC(name.c_str(), first, word, sizeof word, data[0] & 1);
    KeywordToC(name.c_str(), first, word, sizeof word);
    KeywordFromC(name.c_str(), first, word, sizeof word);
    return 0;
}
