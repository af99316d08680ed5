#include "editor/document/TextDocument.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "undo_replay.h"

namespace {

struct TransformCase {
    const char* name;
    std::string before;
    std::function<int(CTextDocument&)> transform;
    std::string after;
    int result;
};

// Runs one transformation on a one-line document in a group, checks text and result, then
// checks that undo restores the line exactly.
void RunCases(const std::vector<TransformCase>& cases, const char* lineComment = "//")
{
    for (const TransformCase& c : cases) {
        CTextDocument doc;
        doc.GetLanguageFiles().GetLangSpec().m_lineComment[0] = lineComment;
        SetDocumentTexts(doc, {c.before});
        doc.BeginUndoGroup(1);
        EXPECT_EQ(c.result, c.transform(doc)) << c.name;
        doc.EndUndoGroup();
        EXPECT_EQ(c.after, DocumentTexts(doc)[0]) << c.name;
        EXPECT_TRUE(doc.GetUndoSet().Check()) << c.name;
        ReplayNewestGroup(doc, true);
        EXPECT_EQ(c.before, DocumentTexts(doc)[0]) << c.name << " undone";
    }
}

} // namespace

TEST(LineTransforms, IndentAndUnindent)
{
    RunCases({
        {"indent with blanks", "x", [](CTextDocument& d) { return d.IndentLineAt(0, 4, true); }, "    x", 4},
        {"indent with a tab", "x", [](CTextDocument& d) { return d.IndentLineAt(0, 4, false); }, "\tx", 1},
        {"unindent tab", "\t\tx", [](CTextDocument& d) { return d.UnindentLineAt(0, 4); }, "\tx", 1},
        {"unindent some blanks", "  x", [](CTextDocument& d) { return d.UnindentLineAt(0, 4); }, "x", 2},
        {"unindent at most width", "      x", [](CTextDocument& d) { return d.UnindentLineAt(0, 4); }, "  x", 4},
        {"unindent nothing", "x  ", [](CTextDocument& d) { return d.UnindentLineAt(0, 4); }, "x  ", 0},
        {"unindent empty line", "", [](CTextDocument& d) { return d.UnindentLineAt(0, 4); }, "", 0},
        {"unindent only blanks", "  ", [](CTextDocument& d) { return d.UnindentLineAt(0, 4); }, "", 2},
    });
}

TEST(LineTransforms, CommentAndUncomment)
{
    RunCases({
        {"comment", "x", [](CTextDocument& d) { return d.CommentLineAt(0); }, "// x", 3},
        {"comment empty line", "", [](CTextDocument& d) { return d.CommentLineAt(0); }, "", 0},
        {"uncomment with blank", "// x", [](CTextDocument& d) { return d.UncommentLineAt(0); }, "x", 3},
        {"uncomment without blank", "//x", [](CTextDocument& d) { return d.UncommentLineAt(0); }, "x", 2},
        {"uncomment only marker", "//", [](CTextDocument& d) { return d.UncommentLineAt(0); }, "", 2},
        {"not at start", " // x", [](CTextDocument& d) { return d.UncommentLineAt(0); }, " // x", 0},
    });
    RunCases(
        {
            {"other letter case", "rem x", [](CTextDocument& d) { return d.UncommentLineAt(0); }, "x", 4},
            {"same case", "REMx", [](CTextDocument& d) { return d.UncommentLineAt(0); }, "x", 3},
        },
        "REM");
    RunCases({{"no comment string", "x", [](CTextDocument& d) { return d.CommentLineAt(0); }, "x", 0}}, "");
}

TEST(LineTransforms, TrimAndTabs)
{
    RunCases({
        {"trim leading", " \t x ", [](CTextDocument& d) { return d.TrimLeadingBlanksAt(0); }, "x ", 3},
        {"trim trailing", " x \t ", [](CTextDocument& d) { return d.TrimTrailingBlanksAt(0); }, " x", 3},
        {"trim nothing", "x", [](CTextDocument& d) { return d.TrimTrailingBlanksAt(0); }, "x", 0},
        {"tabs to blanks", "a\tbcd\tx\t", [](CTextDocument& d) { return d.TabsToSpacesAt(0); },
         "a   bcd x   ", 3},
        {"blanks to tabs", "a   b", [](CTextDocument& d) { return d.SpacesToTabsAt(0); }, "a\tb", 1},
        {"single blank before a stop stays", "abc d", [](CTextDocument& d) { return d.SpacesToTabsAt(0); },
         "abc d", 0},
        {"blanks to tabs over whole cells", "        x", [](CTextDocument& d) { return d.SpacesToTabsAt(0); },
         "\t\tx", 2},
        {"blanks to tabs converts tabs first", "a\t  b   c", [](CTextDocument& d) { return d.SpacesToTabsAt(0); },
         "a\t  b   c", 1},
        {"blanks to tabs at the line end", "ab      ", [](CTextDocument& d) { return d.SpacesToTabsAt(0); },
         "ab\t\t", 2},
        {"leading blanks to tabs", "      x  y", [](CTextDocument& d) { return d.LeadingSpacesToTabsAt(0); },
         "\t  x  y", 1},
        {"too few leading blanks", "   x", [](CTextDocument& d) { return d.LeadingSpacesToTabsAt(0); }, "   x", 0},
    });
}

TEST(LineTransforms, RangeFormsSkipTheLastLineUnlessIncluded)
{
    CTextDocument doc;
    SetDocumentTexts(doc, {"a", "b", "c", "d"});
    doc.BeginUndoGroup(1);
    EXPECT_EQ(2, doc.IndentLines(1, false, 3, 4, false));
    EXPECT_EQ(3, doc.IndentLines(0, true, 2, 4, false));
    doc.EndUndoGroup();
    EXPECT_EQ((std::vector<std::string>{"\ta", "\t\tb", "\t\tc", "d"}), DocumentTexts(doc));
    ReplayNewestGroup(doc, true);
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c", "d"}), DocumentTexts(doc));
}

TEST(LineTransforms, WholeDocumentForms)
{
    CTextDocument doc;
    SetDocumentTexts(doc, {"a \t", "\tb", "c  "});
    doc.BeginUndoGroup(1);
    EXPECT_EQ(4, doc.TrimTrailingBlanksAll());
    EXPECT_EQ(1, doc.TabsToSpacesAll());
    doc.EndUndoGroup();
    EXPECT_EQ((std::vector<std::string>{"a", "    b", "c"}), DocumentTexts(doc));
    doc.BeginUndoGroup(1);
    EXPECT_EQ(1, doc.LeadingSpacesToTabsAll());
    doc.EndUndoGroup();
    EXPECT_EQ((std::vector<std::string>{"a", "\tb", "c"}), DocumentTexts(doc));
}

TEST(LineTransforms, TabSizeIsKeptInRange)
{
    CTextDocument doc;
    doc.SetTabSize(0);
    EXPECT_EQ(1, doc.GetTabSize());
    doc.SetTabSize(100);
    EXPECT_EQ(64, doc.GetTabSize());
}
