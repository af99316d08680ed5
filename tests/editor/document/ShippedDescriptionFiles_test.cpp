#include "editor/document/LanguageFiles.h"
#include "editor/document/LineLexer.h"
#include "editor/document/LinkFolder.h"
#include "editor/document/SpellDictionary.h"
#include "editor/util/PathUtil.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/staged_program_folder.h"

#include <cstring>
#include <string>

namespace {

std::string Describe(const SkippedLines& skipped)
{
    std::string text;
    for (const SkippedLine& line : skipped)
        text += "\n  line " + std::to_string(line.lineNumber) + ": " + line.text;
    return text;
}

class ShippedDescriptionFilesTest : public ::testing::Test {
protected:
    ShippedDescriptionFilesTest() : m_program(StagedProgramFolder()) {}

    void SetUp() override
    {
        ASSERT_TRUE(FileExists((m_program + "\\链接\\后缀.墨").c_str())) << "not staged: " << m_program;
    }

    // Loads a spec and keyword pair from a folder; every line must be used.
    void ExpectLoadsCleanly(const std::string& folder, const std::string& spec,
                            const std::string& keywords)
    {
        SkippedLines skipped;
        CLangSpec langSpec;
        EXPECT_TRUE(langSpec.Load((folder + spec).c_str(), &skipped)) << folder + spec;
        EXPECT_TRUE(skipped.empty()) << folder + spec << Describe(skipped);
        skipped.clear();
        CKeywordTable table;
        EXPECT_TRUE(table.LoadKeywords((folder + keywords).c_str(), langSpec.m_caseSensitive, &skipped))
            << folder + keywords;
        EXPECT_TRUE(skipped.empty()) << folder + keywords << Describe(skipped);
        EXPECT_GT(table.GetCount(), 10) << folder + keywords;
    }

    std::string m_program;
};

TEST_F(ShippedDescriptionFilesTest, EveryLinkFileNamesFilesThatLoadCleanly)
{
    struct LinkFolderCase {
        const char* links;
        const char* specs;
    };
    int linkCount = 0;
    for (LinkFolderCase folder : {LinkFolderCase{"\\链接\\", "\\规范\\"},
                                  LinkFolderCase{"\\链接\\link\\", "\\规范\\spec\\"}}) {
        for (const std::string& link : ListMatchingFiles(m_program + folder.links, "*")) {
            ++linkCount;
            CLanguageFiles files(m_program);
            SkippedLines skipped;
            EXPECT_TRUE(files.ReadLinkFile(link, &skipped)) << link;
            EXPECT_TRUE(skipped.empty()) << link << Describe(skipped);
            ExpectLoadsCleanly(m_program + folder.specs, files.GetSpecFileName(),
                               files.GetKeywordFileName());
            std::string name = link.substr(link.find_last_of('\\') + 1);
            bool byPattern = name.compare(0, 4, "首行") == 0 || name.compare(0, 6, "文件名") == 0
                             || name.compare(0, 9, "firstline") == 0
                             || name.compare(0, 8, "pathname") == 0;
            std::string pattern;
            EXPECT_EQ(byPattern, CLanguageFiles::ReadContainsPattern(link, pattern)) << link;
        }
    }
    EXPECT_GT(linkCount, 40);
}

TEST_F(ShippedDescriptionFilesTest, TheEighteenDefaultSyntaxTypesLoadFromBothSpecFolders)
{
    const char* const types[][2] = {
        {"墨程序.规范", "墨程序.关键词"}, {"中汇.规范", "中汇.关键词"},
        {"ASP.SPC", "ASP.KEY"},           {"BASIC.SPC", "BASIC.KEY"},
        {"CPLUSPLUS.SPC", "CPLUSPLUS.KEY"}, {"CSS.SPC", "CSS.KEY"},
        {"FORTRAN77.SPC", "FORTRAN77.KEY"}, {"HTML.SPC", "HTML.KEY"},
        {"JAVA.SPC", "JAVA.KEY"},         {"JSP.SPC", "JSP.KEY"},
        {"LATEX.SPC", "LATEX.KEY"},       {"MATLAB.SPC", "MATLAB.KEY"},
        {"PASCAL.SPC", "PASCAL.KEY"},     {"PERL.SPC", "PERL.KEY"},
        {"PHP.SPC", "PHP.KEY"},           {"PLSQL.SPC", "PLSQL.KEY"},
        {"PYTHON.SPC", "PYTHON.KEY"},     {"TCLTK.SPC", "TCLTK.KEY"},
    };
    for (const char* folder : {"\\规范\\", "\\规范\\spec\\"})
        for (const auto& type : types)
            ExpectLoadsCleanly(m_program + folder, type[0], type[1]);
    ExpectLoadsCleanly(m_program + "\\规范\\", "素材.规范", "素材.关键词");
}

TEST_F(ShippedDescriptionFilesTest, SourcesAreDetectedByTheirExtensions)
{
    struct DetectCase {
        const char* path;
        const char* spec;
        LinkLanguage language;
    };
    const DetectCase cases[] = {
        {"a.墨", "墨程序.规范", kLinkChinese},      {"a.墨双", "墨程序.规范", kLinkChinese},
        {"a.接口", "墨程序.规范", kLinkChinese},    {"a.定义", "墨程序.规范", kLinkChinese},
        {"a.素材", "素材.规范", kLinkChinese},      {"a.汇编", "中汇.规范", kLinkChinese},
        {"a.cpp", "CPLUSPLUS.SPC", kLinkEnglish},   {"a.H", "CPLUSPLUS.SPC", kLinkEnglish},
        {"a.py", "PYTHON.SPC", kLinkEnglish},       {"a.java", "JAVA.SPC", kLinkEnglish},
    };
    for (const DetectCase& c : cases) {
        CLanguageFiles files(m_program);
        EXPECT_TRUE(files.DetectSyntaxType(std::string("C:\\src\\") + c.path, "")) << c.path;
        EXPECT_EQ(c.spec, files.GetSpecFileName()) << c.path;
        EXPECT_EQ(c.language, files.GetLinkLanguage()) << c.path;
    }
    CLanguageFiles script(m_program);
    EXPECT_TRUE(script.DetectSyntaxType("C:\\bin\\tool", "#!/usr/bin/perl -w"));
    EXPECT_EQ("PERL.SPC", script.GetSpecFileName());
}

TEST_F(ShippedDescriptionFilesTest, LinesAreColouredByTheShippedFiles)
{
    struct ColourCase {
        const char* path;
        const char* line;
        const char* kinds;
    };
    const ColourCase cases[] = {
        // 如果 （ 计 数 _ 大于 _ 0x1F ） 开始 _ // _ 注 释 end
        {"a.墨", "如果（计数 大于 0x1F）开始 // 注释", "21 33 34 34 4 23 4 5 33 21 4 9 4 34 34 1"},
        // #包含 _ “ 标 准 . 接 口 ”
        {"a.接口", "#包含 “标准.接口”", "24 4 6 34 34 33 34 34 6 1"},
        // 【 注 】 整数类型 _ 甲 赋值 真 ；
        {"a.墨双", "【注】整数类型 甲 赋值 真；", "10 34 11 22 4 34 4 23 4 25 33 1"},
        // I D R _ M E N U 1 _ 菜单 _ 可丢弃的
        {"a.素材", "IDR_MENU 菜单 可丢弃的", "31 31 31 31 31 31 31 31 4 22 4 24 1"},
        // mov _ eax , _ 0 _ ;
        {"a.汇编", "MOV eax, 0 ; x", "21 4 22 33 4 5 4 9 4 31 1"},
        // #include _ < stdio . h > _ //
        {"a.cpp", "#include <io.h> //", "23 4 33 31 31 33 31 33 4 9 1"},
        // my _ $x _ = _ ${name} ;
        {"a.pl", "my $x = ${n};", "21 4 20 4 33 4 20 33 1"},
        // <!-- _ --> < b >
        {"a.html", "<!-- --><b>", "10 4 11 33 21 33 1"},
        // def _ f ( self ) : _ #
        {"a.py", "def f(self): #", "21 4 31 33 22 33 33 4 9 1"},
    };
    for (const ColourCase& c : cases) {
        CLanguageFiles files(m_program);
        ASSERT_TRUE(files.DetectSyntaxType(std::string("C:\\src\\") + c.path, c.line)) << c.path;
        ASSERT_TRUE(files.LoadLanguageFiles());
        CLineLexer lexer;
        lexer.BeginBatch(files.GetLangSpec(), &files.GetKeywords(), nullptr);
        CTextLine line(c.line, (int)strlen(c.line));
        lexer.AnalyzeLine(line, true);
        std::string kinds;
        for (int i = 0; i < line.GetRunCount(); ++i)
            kinds += (i ? " " : "") + std::to_string(line.GetRun(i)->kind);
        EXPECT_EQ(c.kinds, kinds) << c.path << ": " << c.line;
    }
}

TEST_F(ShippedDescriptionFilesTest, SpellingDictionariesLoad)
{
    CSpellDictionary dictionary;
    ASSERT_TRUE(dictionary.Load(m_program, nullptr));
    EXPECT_GT(dictionary.Words().GetCount(), 50000);
    EXPECT_TRUE(dictionary.Contains("Hello", 5));
    EXPECT_TRUE(dictionary.Words().Check());
}

} // namespace
