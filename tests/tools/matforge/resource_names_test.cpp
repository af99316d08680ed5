#include <gtest/gtest.h>

#include <string>

#include "matforge_test_support.h"
#include "runtime/源码/内存.h"
#include "tools/matforge/ResourceNames.h"

namespace {

std::string Taken(char* name)
{
    std::string text = name ? name : "(null)";
    if (name)
        MOYU_FREE(name);
    return text;
}

}  // namespace

TEST(ResourceNames, Extensions)
{
    const struct { const char* argument; bool accepted; } kCases[] = {
        {"a", true},
        {"a.素材", true},
        {"目录.x\\a.素材", true},
        {"目录.x\\a", true},
        {"a.txt", false},
        {"a.", false},
        {"a.素材.bak", false},
        {"a.素", false},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.accepted, HasResourceExtension(c.argument) != 0) << GbkToUtf8(c.argument);
}

TEST(ResourceNames, InputAndOutputNames)
{
    const struct { const char* argument; const char* output; const char* inputName; const char* outputName; } kCases[] = {
        {"a", nullptr, "a.素材", "a.rc"},
        {"a.素材", nullptr, "a.素材", "a.rc"},
        {"a.素材", "b.x", "a.素材", "b.x"},
        {"目录.x\\a", nullptr, "目录.x\\a.素材", "目录.x\\a.rc"},
        {"c:/资源/主窗口.素材", nullptr, "c:/资源/主窗口.素材", "c:/资源/主窗口.rc"},
        {"", nullptr, ".素材", ".rc"},
    };
    for (const auto& c : kCases) {
        char* input = MakeInputName(c.argument);
        ASSERT_NE(nullptr, input);
        EXPECT_EQ(GbkToUtf8(c.outputName), GbkToUtf8(Taken(MakeOutputName(input, c.output))))
            << GbkToUtf8(c.argument);
        EXPECT_EQ(GbkToUtf8(c.inputName), GbkToUtf8(Taken(input)));
    }
}
