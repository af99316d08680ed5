#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "temp_dir.h"
#include "tools/matforge/SameFile.h"

TEST(SameFile, NamesOfOneFile)
{
    TempDir dir;
    std::string name = dir.WriteFile("a.素材", "x");
    dir.WriteFile("b.素材", "x");
    CreateDirectoryA((dir / "sub").c_str(), nullptr);
    SetCurrentDirectoryA(dir.Path().c_str());

    const struct { const char* first; const char* second; bool same; } kCases[] = {
        {"a.素材", "a.素材", true},
        {"a.素材", ".\\a.素材", true},
        {"a.素材", "sub\\..\\a.素材", true},
        {"a.素材", "A.素材", true},
        {"a.素材", "b.素材", false},
        {"a.素材", "a.rc", false},
        {"missing.素材", "missing.素材", true},
        {"missing.素材", "other.素材", false},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.same, NamesSameFile(c.first, c.second) != 0) << c.first << " / " << c.second;
    EXPECT_TRUE(NamesSameFile(name.c_str(), "a.素材"));

    char shortName[MAX_PATH];
    if (GetShortPathNameA(name.c_str(), shortName, sizeof shortName) > 0) {
        EXPECT_TRUE(NamesSameFile(shortName, "a.素材")) << shortName;
    }
    SetCurrentDirectoryA("C:\\");
}
