#include "editor/document/TextDocument.h"
#include "editor/util/RegexEngine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "undo_replay.h"

namespace {

// Colours a line the way the lexer would for these tests: blanks, delimiters (ASCII and
// the spec's full-width ones), one run per other byte or double-byte character, and the
// line-end run.
void ColourLine(CTextLine& line, const CLangSpec& spec)
{
    std::vector<CColorRun> runs;
    const std::string text(line.GetText(), (size_t)line.GetLength());
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = (unsigned char)text[i];
        const bool pair = c >= 0x81 && i + 1 < text.size();
        const int length = pair ? 2 : 1;
        uint8_t kind = kRunWordByte;
        if (c == ' ')
            kind = kRunBlanks;
        else if (c == '\t')
            kind = kRunTab;
        else if (pair && spec.m_fullWidthDelimiters.find(text.substr(i, 2)) != std::string::npos)
            kind = kRunDelimiter;
        else if (pair)
            kind = kRunWordDbcsChar;
        else if (spec.m_delimiters.find((char)c) != std::string::npos)
            kind = kRunDelimiter;
        runs.push_back({kind, 0, (int16_t)i, (int16_t)length});
        i += (size_t)length;
    }
    runs.push_back({kRunLineEnd, 0, (int16_t)text.size(), 0});
    line.SetRuns(runs.data(), (int)runs.size());
}

void Prepare(CTextDocument& doc, const std::vector<std::string>& texts)
{
    SetDocumentTexts(doc, texts);
    for (LineIndex n = 0; n < doc.GetLineCount(); ++n)
        ColourLine(*doc.GetLine(n), doc.GetLangSpec());
}

CLangSpec& Spec(CTextDocument& doc)
{
    return doc.GetLanguageFiles().GetLangSpec();
}

// Full-width parentheses and braces in GBK.
const std::string kOpenParen = "\xA3\xA8";
const std::string kCloseParen = "\xA3\xA9";

} // namespace

TEST(LineQueries, TextColumnsAndBlankLines)
{
    CTextDocument doc;
    Prepare(doc, {"  ab \t", " \t ", "", "// x"});
    const CTextLine& first = *doc.GetLine(0);
    EXPECT_EQ(2, CTextDocument::GetFirstTextColumn(first));
    EXPECT_EQ(4, CTextDocument::GetLastTextColumn(first));
    EXPECT_EQ(6, first.GetRunsEnd());
    EXPECT_EQ(3, CTextDocument::GetFirstTextColumn(*doc.GetLine(1)));
    EXPECT_TRUE(doc.IsBlankLineAt(1));
    EXPECT_TRUE(doc.IsBlankLineAt(2));
    EXPECT_FALSE(doc.IsBlankLineAt(3));
    EXPECT_FALSE(doc.IsBlankLineAt(0));
}

TEST(LineQueries, RunAtColumn)
{
    CTextDocument doc;
    Prepare(doc, {"ab"});
    const CTextLine& line = *doc.GetLine(0);
    EXPECT_EQ(0, CTextDocument::GetRunAt(line, 0)->start);
    EXPECT_EQ(1, CTextDocument::GetRunAt(line, 1)->start);
    EXPECT_EQ(kRunLineEnd, CTextDocument::GetRunAt(line, 2)->kind);
    EXPECT_EQ(kRunLineEnd, CTextDocument::GetRunAt(line, 50)->kind);
    CTextLine bare("x", 1);
    EXPECT_EQ(nullptr, CTextDocument::GetRunAt(bare, 0));
}

TEST(LineQueries, MatchingPairAndEnclosingBlock)
{
    CTextDocument doc;
    Spec(doc).m_pairs[0] = "()";
    Prepare(doc, {"(a(b)c)"});
    ByteColumn column = 0;
    LineIndex line = 0;
    ASSERT_TRUE(doc.FindMatchingPair(column, line));
    EXPECT_EQ(6, column);
    // And back from the closing one.
    ASSERT_TRUE(doc.FindMatchingPair(column, line));
    EXPECT_EQ(0, column);

    column = 3;  // on b
    ASSERT_TRUE(doc.FindPairForward(column, line));
    EXPECT_EQ(4, column);
    column = 3;
    ASSERT_TRUE(doc.FindPairBackward(column, line));
    EXPECT_EQ(2, column);

    column = 1;  // on a: not a bracket
    EXPECT_FALSE(doc.FindMatchingPair(column, line));
}

// The caret's bracket highlight bounds its walk: a partner further away than the limit is
// not looked for, so an unmatched bracket near the top of a large document costs the
// limit's lines, not the rest of the document. Without a limit the walk goes the distance.
TEST(LineQueries, MatchingPairWithinALineLimit)
{
    CTextDocument doc;
    Spec(doc).m_pairs[0] = "()";
    const LineIndex kLines = 600000;
    const LineIndex kLimit = 2000;
    std::vector<std::string> texts((size_t)kLines);
    texts[1] = "(";  // never closed: every later pair is balanced
    texts[100] = "(";
    texts[100 + kLimit] = ")";
    texts[200000] = "(";
    texts[200000 + kLimit + 1] = ")";
    texts[300000 - kLimit] = "(";
    texts[300000] = ")";
    texts[400000] = "(";
    texts[kLines - 1] = ")";
    Prepare(doc, texts);

    struct Case {
        LineIndex from;
        LineIndex limit;
        LineIndex partner;  // -1: none found
    };
    const Case kCases[] = {
        {100, kLimit, 100 + kLimit},
        {200000, kLimit, -1},
        {200000, CTextDocument::kNoLineLimit, 200000 + kLimit + 1},
        {300000, kLimit, 300000 - kLimit},
        {400000, kLimit, -1},
        {400000, CTextDocument::kNoLineLimit, kLines - 1},
        {kLines - 1, kLimit, -1},
        {1, kLimit, -1},
        {1, CTextDocument::kNoLineLimit, -1},
    };
    for (const Case& c : kCases) {
        ByteColumn column = 0;
        LineIndex line = c.from;
        const bool found = doc.FindMatchingPair(column, line, c.limit);
        EXPECT_EQ(c.partner >= 0, found) << "from " << c.from << " limit " << c.limit;
        if (found)
            EXPECT_EQ(c.partner, line) << "from " << c.from;
        else
            EXPECT_EQ(c.from, line) << "a failed walk leaves the position";
    }
}

TEST(LineQueries, FullWidthPairAcrossLines)
{
    CTextDocument doc;
    Spec(doc).m_fullWidthPairs[0] = kOpenParen + kCloseParen;
    Prepare(doc, {"x" + kOpenParen + "a", kOpenParen + kCloseParen, "b" + kCloseParen});
    bool isOpening = false;
    int runLength = 0;
    ASSERT_TRUE(doc.GetPairDelimiterAt(1, 0, isOpening, runLength));
    EXPECT_TRUE(isOpening);
    EXPECT_EQ(2, runLength);
    ByteColumn column = 1;
    LineIndex line = 0;
    ASSERT_TRUE(doc.FindMatchingPair(column, line));
    EXPECT_EQ(2, line);
    EXPECT_EQ(1, column);
    column = 0;
    line = 2;  // on b
    ASSERT_TRUE(doc.FindPairBackward(column, line));
    EXPECT_EQ(0, line);
    EXPECT_EQ(1, column);
}

TEST(LineQueries, PairsOfTheWrongLengthTakeNoPart)
{
    CTextDocument doc;
    Spec(doc).m_pairs[0] = "(";
    Spec(doc).m_pairs[1] = "[]x";
    Prepare(doc, {"(a)[b]"});
    bool isOpening;
    int runLength;
    EXPECT_FALSE(doc.GetPairDelimiterAt(0, 0, isOpening, runLength));
    EXPECT_FALSE(doc.GetPairDelimiterAt(3, 0, isOpening, runLength));
}

TEST(LineQueries, IndentationMarks)
{
    CTextDocument doc;
    Spec(doc).m_indentOn = '{';
    Spec(doc).m_indentOff = '}';
    Spec(doc).m_fullWidthIndentOn = {'\xA3', '\xFB'};
    Prepare(doc, {"{a}\xA3\xFB"});
    EXPECT_TRUE(doc.IsIndentOpenAt(0, 0));
    EXPECT_FALSE(doc.IsIndentOpenAt(1, 0));
    EXPECT_TRUE(doc.IsIndentCloseAt(2, 0));
    EXPECT_TRUE(doc.IsIndentOpenAt(3, 0));
    EXPECT_FALSE(doc.IsIndentOpenAt(0, 9));
}

TEST(LineQueries, Bookmarks)
{
    CTextDocument doc;
    Prepare(doc, {"a", "b", "c", "d"});
    LineIndex n = 0;
    EXPECT_FALSE(doc.FindNextBookmark(n));
    doc.ToggleBookmark(2);
    n = 2;
    ASSERT_TRUE(doc.FindNextBookmark(n));  // wraps round to the only bookmark
    EXPECT_EQ(2, n);
    doc.ToggleBookmark(0);
    n = 2;
    ASSERT_TRUE(doc.FindNextBookmark(n));
    EXPECT_EQ(0, n);
    ASSERT_TRUE(doc.FindPrevBookmark(n));
    EXPECT_EQ(2, n);
    n = 1;
    ASSERT_TRUE(doc.FindPrevBookmark(n));
    EXPECT_EQ(0, n);
    doc.ToggleBookmark(2);
    EXPECT_FALSE(doc.GetLine(2)->IsBookmarked());
}

TEST(LineQueries, SearchWithAndWithoutWrap)
{
    CTextDocument doc;
    Prepare(doc, {"find me", "nothing", "last line"});
    ByteColumn column = 0;
    LineIndex line = 2;
    doc.SetSearchWraps(false);
    EXPECT_FALSE(doc.FindForwardWrap(column, line, "find", 0, nullptr));
    doc.SetSearchWraps(true);
    ASSERT_TRUE(doc.FindForwardWrap(column, line, "find", 0, nullptr));
    EXPECT_EQ(0, line);
    EXPECT_EQ(0, column);

    column = 3;
    line = 0;
    ASSERT_TRUE(doc.FindForward(column, line, "line", kSearchWholeWord, nullptr));
    EXPECT_EQ(2, line);
    EXPECT_EQ(5, column);

    column = 4;
    line = 2;
    ASSERT_TRUE(doc.FindBackward(column, line, "ME", 0, nullptr));
    EXPECT_EQ(0, line);
    EXPECT_EQ(5, column);
    column = 4;
    line = 2;
    EXPECT_FALSE(doc.FindBackward(column, line, "ME", kSearchMatchCase, nullptr));

    doc.SetSearchWraps(false);
    column = 0;
    line = 0;
    EXPECT_FALSE(doc.FindBackward(column, line, "last", 0, nullptr));
    doc.SetSearchWraps(true);
    ASSERT_TRUE(doc.FindBackward(column, line, "last", 0, nullptr));
    EXPECT_EQ(2, line);
}

// A caret in column mode may stand past the end of its line: the whole line lies before it.
TEST(LineQueries, BackwardSearchFromPastTheLineEndSearchesTheWholeLine)
{
    CTextDocument doc;
    Prepare(doc, {"abc", "xabc"});
    struct Case {
        ByteColumn column;
        bool wraps;
        LineIndex line;
        ByteColumn found;
    };
    const Case cases[] = {{4, false, 1, 1}, {40, false, 1, 1}, {40, true, 1, 1}, {2, true, 0, 0}};
    for (const Case& c : cases) {
        doc.SetSearchWraps(c.wraps);
        ByteColumn column = c.column;
        LineIndex line = 1;
        ASSERT_TRUE(doc.FindBackward(column, line, "abc", 0, nullptr)) << c.column;
        EXPECT_EQ(c.line, line) << c.column;
        EXPECT_EQ(c.found, column) << c.column;
    }
}

TEST(LineQueries, CharacterClasses)
{
    CTextDocument doc;
    doc.SetDoubleByteMode(true);
    struct Case {
        unsigned char first, second;
        int klass, after;
    } cases[] = {
        {' ', 0, 0, 0},
        {'\t', 0, 0, 0},
        {0, 0, 0, 0},
        {'(', 0, 1, 1},
        {'a', 0, 2, 2},
        {'_', 0, 2, 2},
        {0xA3, 0xA8, 1, 1},  // full-width opening parenthesis, a default full-width delimiter
        {0xA1, 0xA1, 0, 0},  // full-width blank
        {0xD6, 0xD0, 2, 2},  // a hanzi; its second byte alone is a word byte
        {0xB0, 0x28, 2, 1},  // a character whose second byte is '('
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.klass, doc.ClassifyChar(c.first, c.second)) << (int)c.first;
        EXPECT_EQ(c.after, doc.ClassifyCharAfter(c.first, c.second)) << (int)c.first;
    }
    doc.SetDoubleByteMode(false);
    EXPECT_EQ(2, doc.ClassifyChar(0xA3, 0xA8));
}

TEST(LineQueries, CountWordsAndBytes)
{
    CTextDocument doc;
    Prepare(doc, {"a", "", "bc"});
    EXPECT_EQ(7, doc.CountBytes());
    doc.SetLineEnd(kLineEndUnix);
    EXPECT_EQ(5, doc.CountBytes());
    EXPECT_EQ(3, doc.CountWords());
}

// The queries on runs the document's own analysis produced.
TEST(LineQueries, OnAnalysedLines)
{
    CTextDocument doc;
    doc.SetDoubleByteMode(true);
    Spec(doc).m_pairs[0] = "()";
    Spec(doc).m_fullWidthPairs[0] = kOpenParen + kCloseParen;
    SetDocumentTexts(doc, {"f(a, g(b))", "  \t ", "x" + kOpenParen + "\xD6\xD0" + kCloseParen});
    doc.AnalyzeAllLines(0, doc.GetLineCount());
    ByteColumn column = 1;
    LineIndex line = 0;
    ASSERT_TRUE(doc.FindMatchingPair(column, line));
    EXPECT_EQ(9, column);
    column = 7;
    ASSERT_TRUE(doc.FindPairForward(column, line));
    EXPECT_EQ(8, column);
    EXPECT_TRUE(doc.IsBlankLineAt(1));
    EXPECT_EQ(10, CTextDocument::GetLastTextColumn(*doc.GetLine(0)));
    column = 3;
    line = 2;
    ASSERT_TRUE(doc.FindPairBackward(column, line));
    EXPECT_EQ(1, column);
}

TEST(LineQueries, RegularExpressionSearch)
{
    CTextDocument doc;
    Prepare(doc, {"alpha", "beta 42", "gamma 7"});
    CRegexEngine engine;
    ASSERT_NE(nullptr, engine.Compile("[0-9]+"));
    ByteColumn column = 0;
    LineIndex line = 0;
    ASSERT_TRUE(doc.FindForward(column, line, "[0-9]+", kSearchRegex | kSearchMatchCase, &engine));
    EXPECT_EQ(1, line);
    EXPECT_EQ(5, column);
    column = 0;
    line = 2;
    ASSERT_TRUE(doc.FindBackward(column, line, "[0-9]+", kSearchRegex | kSearchMatchCase, &engine));
    EXPECT_EQ(1, line);
    // Without an engine a regular-expression search finds nothing rather than crashing.
    column = 0;
    line = 0;
    EXPECT_FALSE(doc.FindForward(column, line, "[0-9]+", kSearchRegex, nullptr));
}
