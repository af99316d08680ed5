#include "editor/document/LanguageFiles.h"
#include "framework/AppEnvironment.h"

#include "temp_dir.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

namespace {

class LanguageFilesTest : public ::testing::Test {
protected:
    LanguageFilesTest() : m_files(m_dir.Path())
    {
        for (const char* folder : {"链接", "链接\\link", "规范", "规范\\spec"})
            ::CreateDirectoryA((m_dir / folder).c_str(), nullptr);
        m_dir.WriteFile("规范\\墨.规范", "$HEXADECIMALMARK=0x\r\n$区分大小写=否\r\n");
        m_dir.WriteFile("规范\\墨.关键词", "[关键词0:]\r\n如果 Begin\r\n");
        m_dir.WriteFile("规范\\spec\\TEXT.SPC", "$HEXADECIMALMARK=&H\n");
        m_dir.WriteFile("规范\\spec\\TEXT.KEY", "[KEYWORDS1:]\nNote\n");
    }
    void Link(const char* name, const char* spec, const char* keywords, const char* contains = nullptr)
    {
        std::string text = std::string("语言规范:") + spec + "\r\n关键词:" + keywords + "\r\n";
        if (contains)
            text += std::string("包含:") + contains + "\r\n";
        m_dir.WriteFile(name, text);
    }
    void EnglishLink(const char* name, const char* spec, const char* keywords,
                     const char* contains = nullptr)
    {
        std::string text = std::string("LANGSPEC:") + spec + "\nkeywords:" + keywords + "\n";
        if (contains)
            text += std::string("CONTAINS:") + contains + "\n";
        m_dir.WriteFile(name, text);
    }

    TempDir m_dir;
    CLanguageFiles m_files;
};

TEST(PathExtensionTest, ExtensionOfTheFileNameOnly)
{
    struct Case {
        const char* path;
        const char* extension;
    };
    const Case cases[] = {
        {"C:\\a\\b.墨", ".墨"},         {"a.b.c", ".c"},   {"C:\\dir.x\\file", ""},
        {"", ""},                        {"d/e.txt", ".txt"},
        // 0x95 0x5C is one character whose trail byte is a backslash, not a separator.
        {"C:\\a.b\x95\x5C" "c", ".b\x95\x5C" "c"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.extension, PathExtension(c.path)) << c.path;
}

TEST_F(LanguageFilesTest, ChineseExtensionLinkLoadsFromTheChineseSpecFolder)
{
    Link("链接\\后缀.墨", "墨.规范", "墨.关键词");
    ASSERT_TRUE(m_files.DetectSyntaxType("C:\\src\\a.墨", ""));
    EXPECT_EQ("墨.规范", m_files.GetSpecFileName());
    EXPECT_EQ("墨.关键词", m_files.GetKeywordFileName());
    EXPECT_EQ(kLinkChinese, m_files.GetLinkLanguage());
    ASSERT_TRUE(m_files.LoadLanguageFiles());
    EXPECT_EQ("0x", m_files.GetLangSpec().m_hexMark);
    EXPECT_FALSE(m_files.GetLangSpec().m_caseSensitive);
    EXPECT_NE(nullptr, m_files.GetKeywords().Lookup("如果"));
    EXPECT_NE(nullptr, m_files.GetKeywords().Lookup("begin"));
}

TEST_F(LanguageFilesTest, EnglishExtensionLinkLoadsFromTheEnglishSpecFolder)
{
    EnglishLink("链接\\link\\extension.txt", "TEXT.SPC", "TEXT.KEY");
    ASSERT_TRUE(m_files.DetectSyntaxType("b.txt", ""));
    EXPECT_EQ(kLinkEnglish, m_files.GetLinkLanguage());
    ASSERT_TRUE(m_files.LoadLanguageFiles());
    EXPECT_EQ("&H", m_files.GetLangSpec().m_hexMark);
    ASSERT_NE(nullptr, m_files.GetKeywords().Lookup("Note"));
    EXPECT_EQ(22, m_files.GetKeywords().Lookup("Note")->value);
}

TEST_F(LanguageFilesTest, FirstLinePatternMatchesWithoutCase)
{
    EnglishLink("链接\\link\\firstline.sh", "TEXT.SPC", "TEXT.KEY", "#!/bin/sh");
    EXPECT_TRUE(m_files.DetectSyntaxType("C:\\x\\run", "#!/BIN/SH -x"));
    EXPECT_EQ(kLinkEnglish, m_files.GetLinkLanguage());
    EXPECT_FALSE(m_files.DetectSyntaxType("C:\\x\\run", "#!/bin/bash"));
}

TEST_F(LanguageFilesTest, PatternMatchesOnlyAtCharacterStarts)
{
    // 0x81 0x40 is one character whose trail byte is "@".
    EnglishLink("链接\\link\\firstline.at", "TEXT.SPC", "TEXT.KEY", "@");
    EXPECT_FALSE(m_files.DetectSyntaxType("C:\\x\\run", "\x81\x40"));
    EXPECT_TRUE(m_files.DetectSyntaxType("C:\\x\\run", "\x81\x40@"));
}

TEST_F(LanguageFilesTest, DetectionOrder)
{
    struct OrderCase {
        const char* name;
        std::vector<std::pair<std::string, std::string>> links;  // link file, spec name
        const char* path;
        const char* firstLine;
        const char* expectedSpec;  // null: detection fails
    };
    const OrderCase cases[] = {
        {"Chinese extension before English extension",
         {{"链接\\后缀.c", "CN"}, {"链接\\link\\extension.c", "EN"}}, "a.c", "", "CN"},
        {"Chinese first line before English extension",
         {{"链接\\首行.x", "CN"}, {"链接\\link\\extension.c", "EN"}}, "a.c", "START here", "CN"},
        {"Chinese path name before English extension",
         {{"链接\\文件名.x", "CN"}, {"链接\\link\\extension.c", "EN"}}, "C:\\start\\a.c", "", "CN"},
        {"extension before first line",
         {{"链接\\后缀.c", "EXT"}, {"链接\\首行.x", "LINE"}}, "a.c", "start", "EXT"},
        {"first line before path name",
         {{"链接\\文件名.x", "PATH"}, {"链接\\首行.x", "LINE"}}, "C:\\start\\a", "start", "LINE"},
        {"no extension skips the extension links",
         {{"链接\\后缀", "EXT"}, {"链接\\link\\pathname.x", "PATH"}}, "C:\\start\\makefile", "",
         "PATH"},
        {"extension link that is a folder is ignored", {{"链接\\link\\extension.c", "EN"}},
         "a.c", "", "EN"},
        {"nothing matches", {{"链接\\后缀.h", "CN"}}, "a.c", "", nullptr},
    };
    for (const OrderCase& c : cases) {
        TempDir dir;
        for (const char* folder : {"链接", "链接\\link"})
            ::CreateDirectoryA((dir / folder).c_str(), nullptr);
        if (std::string(c.name) == "extension link that is a folder is ignored")
            ::CreateDirectoryA((dir / "链接\\后缀.c").c_str(), nullptr);
        for (const auto& link : c.links)
            dir.WriteFile(link.first, "SPECIFICATION:" + link.second + "\nKEYWORDS:k\nCONTAINS:start\n");
        CLanguageFiles files(dir.Path());
        bool found = files.DetectSyntaxType(c.path, c.firstLine);
        if (c.expectedSpec) {
            EXPECT_TRUE(found) << c.name;
            EXPECT_EQ(c.expectedSpec, files.GetSpecFileName()) << c.name;
        } else {
            EXPECT_FALSE(found) << c.name;
            EXPECT_EQ(kLinkEnglish, files.GetLinkLanguage()) << c.name;
        }
    }
}

TEST_F(LanguageFilesTest, ChooseStartsFromPlainTextEveryTime)
{
    Link("链接\\后缀.墨", "墨.规范", "墨.关键词");
    ASSERT_TRUE(m_files.Choose("a.墨", ""));
    EXPECT_EQ("0x", m_files.GetLangSpec().m_hexMark);
    EXPECT_NE(nullptr, m_files.GetKeywords().Lookup("如果"));
    EXPECT_FALSE(m_files.Choose("a.unknown", ""));
    EXPECT_TRUE(m_files.GetSpecFileName().empty());
    EXPECT_TRUE(m_files.GetLangSpec().m_hexMark.empty());
    EXPECT_EQ(0, m_files.GetKeywords().GetCount());
}

// A spec or keyword file that cannot be read is told, and the description in force stays.
TEST_F(LanguageFilesTest, UnreadableDescriptionFileKeepsTheOneInForce)
{
    Link("链接\\后缀.墨", "墨.规范", "墨.关键词");
    Link("链接\\后缀.nokey", "墨.规范", "缺.关键词");
    Link("链接\\后缀.nospec", "缺.规范", "墨.关键词");
    struct Case {
        const char* name;
        std::function<bool(CLanguageFiles&)> load;
        const char* failedFile;
    } cases[] = {
        {"missing keywords", [](CLanguageFiles& f) {
             f.Choose("a.nokey", "");
             return f.GetFailedFile().empty();
         },
         "规范\\缺.关键词"},
        {"missing spec", [](CLanguageFiles& f) {
             f.Choose("a.nospec", "");
             return f.GetFailedFile().empty();
         },
         "规范\\缺.规范"},
        {"syntax type", [](CLanguageFiles& f) { return f.UseSyntaxType("墨.规范", "缺.关键词"); },
         "规范\\缺.关键词"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(m_files.Choose("a.墨", ""));
        ASSERT_TRUE(m_files.GetFailedFile().empty());
        EXPECT_FALSE(c.load(m_files)) << c.name;
        EXPECT_EQ(m_dir / c.failedFile, m_files.GetFailedFile()) << c.name;
        EXPECT_EQ("墨.规范", m_files.GetSpecFileName()) << c.name;
        EXPECT_EQ("墨.关键词", m_files.GetKeywordFileName()) << c.name;
        EXPECT_EQ("0x", m_files.GetLangSpec().m_hexMark) << c.name;
        EXPECT_NE(nullptr, m_files.GetKeywords().Lookup("如果")) << c.name;
    }
}

TEST_F(LanguageFilesTest, LinkFileNamingOnlyTheSpecFails)
{
    m_dir.WriteFile("链接\\后缀.墨", "语言规范:墨.规范\n");
    EXPECT_FALSE(m_files.DetectSyntaxType("a.墨", ""));
    EXPECT_FALSE(m_files.LoadLanguageFiles());
}

TEST_F(LanguageFilesTest, LinkLinesDropTheirCarriageReturnAndLaterKeysWin)
{
    SkippedLines skipped;
    m_dir.WriteFile("链接\\后缀.墨", "语言规范:old\r\n\r\nspecification:墨.规范\r\n关键词:墨.关键词\r\n"
                                     "包含:first\r\nCONTAINS:second\r\nno colon\r\nOTHER:x\r\n");
    ASSERT_TRUE(m_files.ReadLinkFile(m_dir / "链接\\后缀.墨", &skipped));
    EXPECT_EQ("墨.规范", m_files.GetSpecFileName());
    EXPECT_EQ("墨.关键词", m_files.GetKeywordFileName());
    std::string pattern;
    ASSERT_TRUE(CLanguageFiles::ReadContainsPattern(m_dir / "链接\\后缀.墨", pattern));
    EXPECT_EQ("first", pattern);
    ASSERT_EQ(2u, skipped.size());
    EXPECT_EQ(7, skipped[0].lineNumber);
    EXPECT_EQ(8, skipped[1].lineNumber);
    EXPECT_FALSE(m_files.ReadLinkFile(m_dir / "链接\\missing"));
}

TEST_F(LanguageFilesTest, DefaultSyntaxTypeUsesTheMoyuExtensionLink)
{
    EXPECT_FALSE(m_files.DetectDefaultSyntaxType());
    Link("链接\\后缀.墨", "墨.规范", "墨.关键词");
    EXPECT_TRUE(m_files.DetectDefaultSyntaxType());
    EXPECT_EQ(kLinkChinese, m_files.GetLinkLanguage());
}

TEST_F(LanguageFilesTest, SyntaxTypeKeepsTheSpellingAndClearReturnsToPlainText)
{
    m_files.SetLinkLanguage(kLinkEnglish);
    ASSERT_TRUE(m_files.UseSyntaxType("TEXT.SPC", "TEXT.KEY"));
    EXPECT_EQ("&H", m_files.GetLangSpec().m_hexMark);
    EXPECT_FALSE(m_files.UseSyntaxType("", "TEXT.KEY"));
    m_files.Clear();
    EXPECT_TRUE(m_files.GetSpecFileName().empty());
    EXPECT_TRUE(m_files.GetLangSpec().m_hexMark.empty());
    EXPECT_EQ(0, m_files.GetKeywords().GetCount());
}

} // namespace

TEST(LanguageFilesDefaultFolder, DefaultConstructionReadsTheProgramFolder)
{
    ScopedProgramFolder folder("C:\\墨语言\\bin");
    CLanguageFiles files;
    EXPECT_EQ(files.GetProgramFolder(), "C:\\墨语言\\bin");
}
