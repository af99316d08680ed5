#include "editor/document/DescriptionFile.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string> ReadAll(const TempDir& dir, const std::string& content, int limit,
                                 std::vector<bool>* cut = nullptr)
{
    CDescriptionFile file;
    EXPECT_TRUE(file.Open(dir.WriteFile("lines.txt", content).c_str(), limit));
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadLine(line)) {
        lines.push_back(line);
        EXPECT_EQ((int)lines.size(), file.LineNumber());
        if (cut)
            cut->push_back(file.LineWasCut());
    }
    return lines;
}

TEST(DescriptionFileTest, EveryLineEndFormIsDropped)
{
    struct Case {
        const char* content;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"", {}},
        {"\r\n", {""}},
    };
    TempDir dir;
    for (const Case& c : cases)
        EXPECT_EQ(c.lines, ReadAll(dir, c.content, 100)) << c.content;
}

TEST(DescriptionFileTest, OverlongLineIsCutAtACharacterAndItsRestDropped)
{
    TempDir dir;
    std::vector<bool> cut;
    EXPECT_EQ((std::vector<std::string>{"abc", "中", "ok"}),
              ReadAll(dir, "abcdef\n中文\nok\n", 3, &cut));
    EXPECT_EQ((std::vector<bool>{true, true, false}), cut);
}

TEST(DescriptionFileTest, MissingFileCannotBeOpened)
{
    TempDir dir;
    CDescriptionFile file;
    EXPECT_FALSE(file.Open((dir / "missing.txt").c_str(), 10));
    std::string line;
    EXPECT_FALSE(file.ReadLine(line));
}

} // namespace
