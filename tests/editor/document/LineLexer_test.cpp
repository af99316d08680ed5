#include "editor/document/LineLexer.h"

#include "editor/document/KeywordTable.h"
#include "editor/document/LangSpec.h"
#include "editor/document/SpellDictionary.h"
#include "cpu_time.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Runs written as "kind@start+length", with "/subKind" when it is not 0.
std::string FormatRuns(const CTextLine& line)
{
    std::string text;
    for (int i = 0; i < line.GetRunCount(); ++i) {
        const CColorRun* run = line.GetRun(i);
        if (!text.empty())
            text += ' ';
        text += std::to_string(run->kind) + "@" + std::to_string(run->start) + "+"
                + std::to_string(run->length);
        if (run->subKind != 0)
            text += "/" + std::to_string(run->subKind);
    }
    return text;
}

class LineLexerTest : public ::testing::Test {
protected:
    void UseLanguage(const std::string& spec, const std::string& keywords,
                     const CSpellDictionary* spelling = nullptr)
    {
        m_spec.Load(m_dir.WriteFile("case.spc", spec).c_str());
        m_keywords.LoadKeywords(m_dir.WriteFile("case.key", keywords).c_str(),
                                m_spec.m_caseSensitive);
        m_lexer.BeginBatch(m_spec, &m_keywords, spelling);
    }
    std::string Lex(const std::string& text, bool doubleByte = true, uint16_t* flags = nullptr)
    {
        CTextLine line(text.data(), (int)text.size());
        m_lexer.AnalyzeLine(line, doubleByte);
        if (flags)
            *flags = line.GetFlags();
        return FormatRuns(line);
    }

    TempDir m_dir;
    CLangSpec m_spec;
    CKeywordTable m_keywords;
    CLineLexer m_lexer;
};

struct LexCase {
    const char* name;
    const char* spec;
    const char* keywords;
    const char* line;
    const char* expected;
    bool doubleByte;
};

const char kCSpec[] = "$DELIMITERS=(){}[]<>+-*/%=,\"'~!@#$^&|\\?:;.\n"
                      "$QUOTATIONMARK1=\"\n$QUOTATIONMARK2='\n$QUOTATIONMARK3=`\n"
                      "$QUOTATIONMARKRANGE=RANGE2\n$LINECOMMENTRANGE=!RNGE1\n$BLOCKCOMMENTRANGE=1||2\n"
                      "$LINECOMMENT=//\n$BLOCKCOMMENTON=/*\n$BLOCKCOMMENTOFF=*/\n"
                      "$HEXADECIMALMARK=0x\n$KEYWORDPREFIX=#\n";
const char kCKeywords[] = "[KEYWORDS0:]\nif else\n[KEYWORDS1:RANGE1]\nint\n[KEYWORDS2:]\nx#include\n"
                          "[KEYWORDS3:]\n #include\n";

const LexCase kCases[] = {
    {"empty line", "", "", "", "1@0+0", true},
    {"tab then letter", "", "", "\tx", "3@0+1 31@1+1 1@2+0", true},
    {"blanks and full-width blank", "", "", "a  \xA1\xA1 b", "31@0+1 4@1+5 31@6+1 1@7+0", true},
    {"word bytes", "", "", "ab", "31@0+1 31@1+1 1@2+0", true},
    {"double-byte characters", "", "", "中文", "34@0+2 34@2+2 1@4+0", true},
    {"double-byte off", "", "", "中", "31@0+1 31@1+1 1@2+0", false},
    {"full-width delimiter ends a word", "", "", "中，a", "34@0+2 33@2+2 31@4+1 1@5+0", true},
    {"full-width delimiter without double-byte mode", "", "", "a，", "31@0+1 33@1+2 1@3+0", false},
    {"ascii delimiters", "", "", "a+(b)", "31@0+1 33@1+1 33@2+1 31@3+1 33@4+1 1@5+0", true},
    {"non-printable delimiter", "$DELIMITERS=\x1F+\n", "", "\x1F+", "35@0+1 33@1+1 1@2+0", true},
    {"quote marks and range", kCSpec, kCKeywords, "\"a'`", "6@0+1/2 31@1+1 7@2+1/2 8@3+1/2 1@4+0", true},
    {"full-width quotes", "$中文引号符号1=“\n$中文引号符号2=”\n$中文引号符号3=‘\n$中文引号符号4=’\n", "",
     "“x”‘’", "6@0+2 31@2+1 6@3+2 7@5+2 7@7+2 1@9+0", true},
    {"block and line comments", kCSpec, kCKeywords, "/*a*/ //b",
     "10@0+2/6 31@2+1 11@3+2/6 4@5+1 9@6+2/4 31@8+1 1@9+0", true},
    {"comment marker ignores case", "$LINECOMMENT=REM\n", "", "rem x", "9@0+3 4@3+1 31@4+1 1@5+0", true},
    {"letter comment needs a non-letter after it", "$LINECOMMENT=REM\n", "", "REMARK",
     "31@0+1 31@1+1 31@2+1 31@3+1 31@4+1 31@5+1 1@6+0", true},
    {"letter comment at the line end", "$LINECOMMENT=REM\n", "", "REM", "9@0+3 1@3+0", true},
    {"first-column comment at 0", "$LINECOMMENTONFIRSTPOSITION=*\n", "", "*ab",
     "9@0+1 31@1+1 31@2+1 1@3+0", true},
    {"first-column comment later is a delimiter", "$LINECOMMENTONFIRSTPOSITION=*\n", "", "abc*",
     "31@0+1 31@1+1 31@2+1 33@3+1 1@4+0", true},
    {"third Chinese block comment pair", "$块注释2开=【\n$块注释2关=】\n", "", "【a】",
     "10@0+2 31@2+1 11@3+2 1@5+0", true},
    {"shadow highlight and range markers",
     "$SHADOWON=<s\n$SHADOWOFF=s>\n$HIGHLIGHTON=<h\n$HIGHLIGHTOFF=h>\n"
     "$RANGE1BEG=<%\n$RANGE1END=%>\n$RANGE2BEG=<?\n$RANGE2END=?>\n",
     "", "<ss><hh><%%><?" "?>",
     "12@0+2 13@2+2 14@4+2 15@6+2 16@8+2 17@10+2 18@12+2 19@14+2 1@16+0", true},
    {"decimal numbers", "", "", "1.5e+3 12E 1e+ 7",
     "5@0+6 4@6+1 5@7+3 4@10+1 5@11+3 4@14+1 5@15+1 1@16+0", true},
    {"number inside a word", "", "", "1else", "5@0+2 31@2+1 31@3+1 31@4+1 1@5+0", true},
    {"sign without exponent is a delimiter", "", "", "12+3", "5@0+2 33@2+1 5@3+1 1@4+0", true},
    {"hexadecimal number", kCSpec, kCKeywords, "0x1Fg 0XAB", "5@0+4 31@4+1 4@5+1 5@6+4 1@10+0", true},
    {"keyword groups and conditions", kCSpec, kCKeywords, "if int",
     "21@0+2 4@2+1 22@3+3/1 1@6+0", true},
    {"keyword matches case exactly when case-sensitive", kCSpec, kCKeywords, "IF",
     "31@0+1 31@1+1 1@2+0", true},
    {"keyword ignores case when the spec does", "$CASESENSITIVE=N\n", "[KEYWORDS4:]\nBegin\n",
     "BEGIN", "25@0+5 1@5+0", true},
    {"prefixed keyword", kCSpec, kCKeywords, "#include <a>",
     "24@0+8 4@8+1 33@9+1 31@10+1 33@11+1 1@12+0", true},
    {"prefixed miss falls back", kCSpec, kCKeywords, "#foo", "33@0+1 31@1+1 31@2+1 31@3+1 1@4+0",
     true},
    {"prefixed keyword right after a word", kCSpec, kCKeywords, "x#include",
     "31@0+1 24@1+8 1@9+0", true},
    {"full-width prefix", "$关键词前缀=#＃\n", "[关键词3:]\n ＃包含\n", "＃包含", "24@0+6 1@6+0", true},
    {"Chinese keyword before full-width delimiter", "", "[关键词0:]\n如果\n", "如果（",
     "21@0+4 33@4+2 1@6+0", true},
    {"enclosed variable", "$VARIABLEPREFIX=$\n$VARIABLEENCLOSEDBY={}\n", "", "${name}",
     "20@0+7 1@7+0", true},
    {"unclosed variable falls back", "$VARIABLEPREFIX=$\n$VARIABLEENCLOSEDBY={}\n", "", "${name",
     "33@0+1 33@1+1 31@2+1 31@3+1 31@4+1 31@5+1 1@6+0", true},
    {"special variable", "$VARIABLEPREFIX=$@\n$SPECIALVARIABLECHARS=_#\n", "", "$_x+@#",
     "20@0+3 33@3+1 20@4+2 1@6+0", true},
    {"plain variable stops at a lead byte", "$VARIABLEPREFIX=$\n", "", "$ab中",
     "20@0+3 34@3+2 1@5+0", true},
    {"prefix alone is a delimiter", "$VARIABLEPREFIX=$\n", "", "$ x",
     "33@0+1 4@1+1 31@2+1 1@3+0", true},
};

TEST_F(LineLexerTest, GoldenRuns)
{
    for (const LexCase& c : kCases) {
        UseLanguage(c.spec, c.keywords);
        EXPECT_EQ(c.expected, Lex(c.line, c.doubleByte)) << c.name;
    }
}

TEST_F(LineLexerTest, LineFlagsTellWhichMarkersTheLineHolds)
{
    UseLanguage(std::string(kCSpec) + "$SHADOWON=<s\n$RANGE1BEG=<%\n", kCKeywords);
    struct FlagCase {
        const char* line;
        uint16_t flags;
    };
    const FlagCase cases[] = {
        {"a b", 0},
        {"\"q\"", kLineHasQuotes},
        {"// c", kLineHasComments},
        {"*/", kLineHasComments},
        {"<s", kLineHasShadowMarks},
        {"<%", kLineHasRangeMarks},
        {"\"/*<s<%", kLineHasQuotes | kLineHasComments | kLineHasShadowMarks | kLineHasRangeMarks},
    };
    for (const FlagCase& c : cases) {
        uint16_t flags = 0;
        Lex(c.line, true, &flags);
        EXPECT_EQ(c.flags, flags) << c.line;
    }
}

TEST_F(LineLexerTest, BookmarkSurvivesReanalysisAndOldFlagsGo)
{
    UseLanguage(kCSpec, kCKeywords);
    CTextLine line("\"x", 2);
    line.SetFlags(kLineBookmark | kLineHasComments | kLineOverlong);
    m_lexer.AnalyzeLine(line, true);
    EXPECT_EQ(kLineBookmark | kLineHasQuotes, line.GetFlags());
}

TEST_F(LineLexerTest, OverlongLineStopsAtTheColumnLimit)
{
    UseLanguage("", "");
    std::string text(40000, 'a');
    CTextLine line(text.data(), (int)text.size());
    m_lexer.AnalyzeLine(line, true);
    ASSERT_EQ(32767, line.GetRunCount());
    const CColorRun* last = line.GetRun(32766);
    EXPECT_EQ(kRunLineEnd, last->kind);
    EXPECT_EQ(32766, last->start);
    EXPECT_EQ(0, last->length);
    EXPECT_EQ(32766, line.GetRunsEnd());
    EXPECT_TRUE(line.HasFlag(kLineOverlong));
}

TEST_F(LineLexerTest, OverlongLineOfDoubleByteCharactersNeverSplitsPastTheLimit)
{
    UseLanguage("", "");
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "中";
    CTextLine line(text.data(), (int)text.size());
    m_lexer.AnalyzeLine(line, true);
    EXPECT_TRUE(line.HasFlag(kLineOverlong));
    int end = 0;
    for (int i = 0; i < line.GetRunCount(); ++i) {
        EXPECT_EQ(end, line.GetRun(i)->start);
        end = line.GetRun(i)->End();
    }
    EXPECT_LE(end, CLineLexer::kByteLimit);
}

TEST_F(LineLexerTest, RunsCoverEveryByteOfArbitraryText)
{
    UseLanguage(std::string(kCSpec) + "$VARIABLEPREFIX=$@\n$VARIABLEENCLOSEDBY={}\n"
                    "$中文引号符号1=“\n$块注释2开=【\n",
                kCKeywords);
    unsigned seed = 12345;
    for (int round = 0; round < 300; ++round) {
        std::string text;
        int length = (int)(seed % 60);
        for (int i = 0; i < length; ++i) {
            seed = seed * 1103515245u + 12345u;
            text += (char)((seed >> 16) & 0xFF);
        }
        for (bool doubleByte : {true, false}) {
            CTextLine line(text.data(), (int)text.size());
            m_lexer.AnalyzeLine(line, doubleByte);
            int end = 0;
            for (int i = 0; i < line.GetRunCount(); ++i) {
                ASSERT_EQ(end, line.GetRun(i)->start);
                end = line.GetRun(i)->End();
            }
            ASSERT_EQ(kRunLineEnd, line.GetRun(line.GetRunCount() - 1)->kind);
            ASSERT_EQ(length, end);
        }
    }
}

TEST_F(LineLexerTest, LongWordsAreNeverKeywords)
{
    std::string longWord(256, 'k');
    UseLanguage("", "[KEYWORDS0:]\n" + longWord + " " + longWord.substr(1) + "\n");
    uint8_t kind = 0, subKind = 0;
    EXPECT_FALSE(m_lexer.MatchKeyword(longWord.data(), 256, kind, subKind));
    EXPECT_TRUE(m_lexer.MatchKeyword(longWord.data(), 255, kind, subKind));
    EXPECT_EQ(21, kind);
}

// The keyword-prefix step looked up ever longer words from every prefix byte, to the end of
// a run of prefix bytes or of the word behind them: one line of "#" took seconds to lex.
// The lookups now stop at the longest keyword, which leaves every result as it was.
TEST_F(LineLexerTest, LongRunsOfKeywordPrefixesLexInLinearTime)
{
    const std::string longest = "#" + std::string(254, 'k');
    const struct {
        std::string keywords;
        std::string line;
        int keywordRuns;
    } cases[] = {
        {kCKeywords, std::string(32766, '#'), 0},
        {kCKeywords, std::string(16000, '#') + std::string(16000, 'k'), 0},
        {kCKeywords, std::string(16000, '#') + "include", 1},
        {"[KEYWORDS5:]\n " + longest + "\n", "##" + longest + "#" + longest + "k", 1},
    };
    for (const auto& c : cases) {
        UseLanguage(kCSpec, c.keywords);
        const double begin = ThreadCpuSeconds();
        CTextLine line(c.line.data(), (int)c.line.size());
        m_lexer.AnalyzeLine(line, true);
        EXPECT_LT(ThreadCpuSeconds() - begin, 0.5) << c.line.size();
        int keywordRuns = 0, end = 0;
        for (int i = 0; i < line.GetRunCount(); ++i) {
            ASSERT_EQ(end, line.GetRun(i)->start);
            end = line.GetRun(i)->End();
            keywordRuns += line.GetRun(i)->kind >= 21 && line.GetRun(i)->kind <= 30;
        }
        EXPECT_EQ((int)c.line.size(), end);
        EXPECT_EQ(c.keywordRuns, keywordRuns) << c.line.size();
    }
}

TEST_F(LineLexerTest, MisspelledWordsWhenTheSpellingCheckIsOn)
{
    m_dir.WriteFile(CSpellDictionary::kSystemFileName, "Hello\nworld\n");
    m_dir.WriteFile(CSpellDictionary::kUserFileName, "");
    CSpellDictionary dictionary;
    ASSERT_TRUE(dictionary.Load(m_dir.Path(), nullptr));
    UseLanguage(kCSpec, kCKeywords, &dictionary);
    EXPECT_EQ("32@0+2 4@2+1 32@3+5 4@8+1 21@9+2 1@11+0", Lex("HI wrold if"));
    EXPECT_EQ("31@0+1 31@1+1 31@2+1 31@3+1 31@4+1 1@5+0", Lex("HELLO"));
    UseLanguage(kCSpec, kCKeywords, nullptr);
    EXPECT_EQ("31@0+1 31@1+1 31@2+1 1@3+0", Lex("wro"));
}

} // namespace
