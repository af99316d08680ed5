#include <gtest/gtest.h>

#include "ViewTestSupport.h"
#include "editor/view/PrintLayout.h"

TEST(PrintLayoutTest, LinesPerPageLosesTwoForEachOfHeaderAndFooter)
{
    PageRect page;
    page.top = 100;
    page.bottom = 2870;  // 2770 / 50 = 55 lines
    EXPECT_EQ(55, LinesPerPage(page, 50, false, false));
    EXPECT_EQ(53, LinesPerPage(page, 50, true, false));
    EXPECT_EQ(51, LinesPerPage(page, 50, true, true));
}

TEST(PrintLayoutTest, RegressionLinesPerPageIsNeverBelowOne)
{
    PageRect page;
    page.top = 1000;
    page.bottom = 900;  // margins larger than the paper
    EXPECT_EQ(1, LinesPerPage(page, 50, true, true));
    page.bottom = 1120;  // room for 2 lines, header and footer take 4
    EXPECT_EQ(1, LinesPerPage(page, 50, true, true));
    EXPECT_GE(LinesPerPage(page, 0, false, false), 1);  // a zero line height is not divided by
    EXPECT_EQ(3, PageCount(101, 50));
    EXPECT_EQ(2, PageCount(100, 50));
    EXPECT_EQ(1, PageCount(0, 50));
}

TEST(PrintLayoutTest, PageRectFromPrintableSizeAndMargins)
{
    CViewSettings settings;
    const PageRect page = ComputePageRect(200, 287, settings);
    EXPECT_EQ(100, page.left);
    EXPECT_EQ(100, page.top);
    EXPECT_EQ(1900, page.right);
    EXPECT_EQ(2770, page.bottom);
}

TEST(PrintLayoutTest, HeaderAndFooterVariablesExpandEverywhere)
{
    HeaderFooterValues values;
    values.path = "C:\\src\\a.墨";
    values.name = "a.墨";
    values.page = "3";
    values.pages = "12";
    values.date = "December 10, 2026";
    values.time = "03:07:09 PM";
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"$(页码) / $(总页数)", "3 / 12"},
        {"$(FileName)-$(FileName)", "a.墨-a.墨"},
        {"$(文件路径) $(CurrDate) $(当前时间)", "C:\\src\\a.墨 December 10, 2026 03:07:09 PM"},
        {"x$(PageNumber)y$(TotalPage)z", "x3y12z"},
        {"$(Unknown) $(页码", "$(Unknown) $(页码"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, ExpandHeaderFooter(c.text, values)) << c.text;
    // An inserted value is not searched again.
    values.name = "$(FileName)";
    EXPECT_EQ("$(FileName)", ExpandHeaderFooter("$(FileName)", values));
}

TEST(PrintLayoutTest, PrepareHeaderFooterUsesTheSettingsTemplates)
{
    CViewSettings settings;
    const HeaderFooterTexts texts =
        PrepareHeaderFooter(settings, "C:\\a.墨", "a.墨", 3, 12, "today", "now");
    EXPECT_EQ("a.墨", texts.header[0]);
    EXPECT_EQ("", texts.header[1]);
    EXPECT_EQ("3 / 12", texts.header[2]);
    EXPECT_EQ("today", texts.footer[0]);
}

TEST(PrintLayoutTest, PrinterLayoutWrapsTheSelectedLinesForThePage)
{
    FixedPitchMetrics screen;
    ViewFixture f(screen);
    f.Load({"line zero", std::string(200, 'x'), "line two", "line three"});
    FixedPitchMetrics printer;  // 8 units a byte, height 16: line height 20
    PageRect page;
    page.left = 0;
    page.right = 600;  // W = 600 − 16 = 584: 73 bytes a line
    page.top = 0;
    page.bottom = 200;  // 10 lines, 6 with header and footer
    // A selection from line 1 to column 0 of line 3 prints lines 1 and 2 only.
    f.view.SetAnchorToDocPosition(3, 1);
    f.view.SetCaretToDocPosition(0, 3);
    f.view.UpdateSelectionActive();
    LineIndex first;
    int count;
    f.view.GetSelectionPrintLines(first, count);
    EXPECT_EQ(1, first);
    EXPECT_EQ(2, count);
    EXPECT_EQ(1, f.view.BeginPrintLayout(printer, page, true));
    const CPrintLayout& layout = f.view.GetPrintLayout();
    EXPECT_EQ(1, layout.GetStartLine());
    EXPECT_EQ(4, layout.GetLines().GetCount());  // 200 bytes wrap into 3 lines, then line two
    EXPECT_EQ(2, layout.GetLines().GetFirstLineCount());
    EXPECT_TRUE(layout.GetLines().Check());
    // The whole document.
    EXPECT_EQ(1, f.view.BeginPrintLayout(printer, page, false));
    EXPECT_EQ(0, f.view.GetPrintLayout().GetStartLine());
    EXPECT_EQ(6, f.view.GetPrintLayout().GetLines().GetCount());
    f.view.EndPrintLayout();
    EXPECT_EQ(0, f.view.GetPrintLayout().GetLines().GetCount());
}

TEST(PrintLayoutTest, LongPrinterLayoutShowsProgressEverySecondLine)
{
    FixedPitchMetrics screen;
    ViewFixture f(screen);
    CLineList& lines = f.document.GetLines();
    lines.RemoveAll();
    for (int i = 0; i < 150; ++i)
        lines.AddTail("line", 4);
    f.document.AnalyzeAllLines(0, 150);
    f.view.SetClientSize(400, 200);
    f.view.InitialUpdate(nullptr);
    FixedPitchMetrics printer;
    PageRect page;
    page.right = 600;
    page.bottom = 2000;  // 100 lines, 96 with header and footer
    EXPECT_EQ(2, f.view.BeginPrintLayout(printer, page, false));
    EXPECT_EQ("Formatting...", f.host.progressText);
    EXPECT_EQ(75u, f.host.progress.size());
    EXPECT_EQ(1, f.host.progressEnded);
}
