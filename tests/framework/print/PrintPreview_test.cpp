#include "PrintTestSupport.h"

#include "framework/CommandIds.h"
#include "framework/ControlBar.h"
#include "framework/DialogDriver.h"
#include "framework/PreviewView.h"
#include "framework/PrinterChoice.h"

#include <gtest/gtest.h>

#include <algorithm>

using Log = std::vector<std::string>;

namespace {

bool HasVisibleStyle(HWND window)
{
    return (::GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// A plain visible control bar of the frame.
class CTestBar : public CControlBar {
public:
    BOOL Create(CFrameWnd* frame, UINT id)
    {
        return CreateBar(0, nullptr, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0, frame, id);
    }
    CSize CalcFixedLayout(BOOL stretch, BOOL horz) override { return SizeAround(CSize(100, 20), stretch, horz); }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};

// Dark pixels in the page metafile played onto a white bitmap of the page's shape, as the
// preview plays it; ends at the right and bottom end of the ink when given.
int InkOf(HENHMETAFILE page, POINT* inkEnd = nullptr)
{
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 496, 702);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    RECT all = {0, 0, 496, 702};
    ::FillRect(memory, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    PlayPreviewPage(memory, page, all);
    int ink = 0;
    POINT end = {0, 0};
    for (int y = 0; y < 702; ++y)
        for (int x = 0; x < 496; ++x)
            if (GetRValue(::GetPixel(memory, x, y)) < 128) {
                ++ink;
                end = {std::max(end.x, (LONG)x + 1), std::max(end.y, (LONG)y + 1)};
            }
    if (inkEnd != nullptr)
        *inkEnd = end;
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return ink;
}

class PrintPreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AfxGetPrinterChoice().SelectByName("PDF");
        ASSERT_NE(m_windows.m_view, nullptr);
    }
    void TearDown() override { AfxGetPrinterChoice().Clear(); }

    CFrameWnd& Main() { return *m_windows.m_main; }
    CPrintTestView& View() { return *m_windows.m_view; }
    CPreviewView* Preview() { return CPreviewView::Of(&Main()); }
    // Enters the preview as the view's command does; false when it did not open.
    bool OpenPreview()
    {
        View().SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW, 0);
        return Preview() != nullptr;
    }
    // A tool bar button, as a click on it sends it.
    void Press(UINT id)
    {
        HWND button = ::GetDlgItem(::GetDlgItem(Main().m_hWnd, AFX_IDW_PREVIEW_BAR), static_cast<int>(id));
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(::IsWindowEnabled(button)) << id;
        ::SendMessageA(::GetParent(button), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    }
    bool Enabled(UINT id)
    {
        return ::IsWindowEnabled(::GetDlgItem(::GetDlgItem(Main().m_hWnd, AFX_IDW_PREVIEW_BAR), static_cast<int>(id)));
    }

    PrintTestWindows m_windows;
};

TEST_F(PrintPreviewTest, PreviewHidesTheBarsMenuAndClientAndLeavingRestoresThem)
{
    CMDIFrameWnd& main = *m_windows.m_main;
    main.EnableDocking(CBRS_ALIGN_ANY);
    CTestBar docked, floating, status;
    ASSERT_TRUE(docked.Create(&main, AFX_IDW_TOOLBAR));
    ASSERT_TRUE(floating.Create(&main, AFX_IDW_CONTROLBAR_FIRST + 0x20));
    ASSERT_TRUE(status.Create(&main, AFX_IDW_STATUS_BAR));
    docked.EnableDocking(CBRS_ALIGN_ANY);
    floating.EnableDocking(CBRS_ALIGN_ANY);
    main.DockControlBar(&docked);
    main.FloatControlBar(&floating, CPoint(100, 100));
    ASSERT_TRUE(floating.IsFloating());
    HMENU menu = ::GetMenu(main.m_hWnd);
    ASSERT_NE(menu, nullptr);

    ASSERT_TRUE(OpenPreview());
    EXPECT_TRUE(main.IsInPreviewMode());
    EXPECT_FALSE(docked.IsVisible());
    EXPECT_FALSE(floating.IsVisible());
    EXPECT_TRUE(status.IsVisible());
    EXPECT_FALSE(HasVisibleStyle(main.m_hWndMDIClient));
    EXPECT_EQ(::GetMenu(main.m_hWnd), nullptr);
    EXPECT_EQ(::GetDlgItem(main.m_hWnd, AFX_IDW_PANE_FIRST), Preview()->m_hWnd);
    EXPECT_EQ(main.GetActiveView(), Preview());
    // The preview sits under its tool bar and fills the rest.
    CRect bar, preview, client;
    ::GetWindowRect(::GetDlgItem(main.m_hWnd, AFX_IDW_PREVIEW_BAR), &bar);
    Preview()->GetWindowRect(&preview);
    EXPECT_EQ(preview.top, bar.bottom);
    EXPECT_GT(preview.Height(), 300);

    Press(AFX_ID_PREVIEW_CLOSE);
    EXPECT_FALSE(main.IsInPreviewMode());
    EXPECT_EQ(Preview(), nullptr);
    EXPECT_TRUE(docked.IsVisible());
    EXPECT_TRUE(floating.IsVisible());
    EXPECT_TRUE(floating.IsFloating());
    EXPECT_TRUE(HasVisibleStyle(main.m_hWndMDIClient));
    EXPECT_EQ(::GetDlgItem(main.m_hWnd, AFX_IDW_PANE_FIRST), main.m_hWndMDIClient);
    EXPECT_EQ(::GetDlgItem(main.m_hWnd, AFX_IDW_PREVIEW_BAR), nullptr);
    EXPECT_EQ(::GetMenu(main.m_hWnd), menu);
    EXPECT_EQ(View().m_log.front(), "prepare");
    EXPECT_EQ(View().m_log.back(), "end");
}

TEST_F(PrintPreviewTest, PagesAreDrawnByTheViewMeasuredWithThePrinter)
{
    ASSERT_TRUE(OpenPreview());
    EXPECT_EQ(View().m_log, (Log{"prepare", "begin", "preparedc 1", "print 1"}));
    EXPECT_EQ(View().m_printDpi, 300);
    EXPECT_TRUE(View().m_dcIsPrinting);
    EXPECT_TRUE(View().m_infoIsPreview);
    EXPECT_EQ(View().m_rectDraw, CRect(0, 0, 2479, 3508));
    HENHMETAFILE page = Preview()->GetPageMetafile(0);
    ASSERT_NE(page, nullptr);
    // The text lands near the top left of the page, where the view put it.
    EXPECT_GT(InkOf(page), 80);
    // The page keeps the paper's shape on the screen.
    CRect shown = Preview()->GetLayout().pages[0];
    EXPECT_NEAR(shown.Width() * 3508.0 / shown.Height(), 2479.0, 2479.0 * 0.02);
}

// A page drawn in tenths of a millimetre shows at the size it prints: a 5 cm square takes
// the same share of the page's width and height on the screen as on the paper.
TEST_F(PrintPreviewTest, MetricDrawingShowsAtThePrintedScale)
{
    View().m_metricSquare = 500;
    ASSERT_TRUE(OpenPreview());
    HENHMETAFILE page = Preview()->GetPageMetafile(0);
    ASSERT_NE(page, nullptr);
    POINT end = {};
    InkOf(page, &end);
    CDC printer;
    ASSERT_TRUE(AfxGetPrinterChoice().CreatePrinterDC(printer));
    const double width = printer.GetDeviceCaps(HORZSIZE) * 10.0, height = printer.GetDeviceCaps(VERTSIZE) * 10.0;
    EXPECT_NEAR(end.x, 496 * 500 / width, 2.0);
    EXPECT_NEAR(end.y, 702 * 500 / height, 2.0);
}

TEST_F(PrintPreviewTest, ToolBarStepsPagesShowsTwoAndZooms)
{
    ASSERT_TRUE(OpenPreview());
    CPreviewView* preview = Preview();
    EXPECT_FALSE(Enabled(AFX_ID_PREVIEW_PREV));
    Press(AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(preview->GetCurrentPage(), 2u);
    Press(AFX_ID_PREVIEW_NUMPAGE);
    EXPECT_EQ(preview->GetPagesShown(), 2u);
    EXPECT_NE(preview->GetPageMetafile(1), nullptr);
    // Pages 2 and 3 of 3 are shown: nothing comes next.
    EXPECT_FALSE(Enabled(AFX_ID_PREVIEW_NEXT));
    Press(AFX_ID_PREVIEW_PREV);
    EXPECT_EQ(preview->GetCurrentPage(), 1u);
    EXPECT_TRUE(Enabled(AFX_ID_PREVIEW_NEXT));

    int fitted = preview->GetLayout().pages[0].Width();
    Press(AFX_ID_PREVIEW_ZOOMIN);
    EXPECT_EQ(preview->GetPagesShown(), 1u);
    Press(AFX_ID_PREVIEW_ZOOMIN);
    EXPECT_EQ(preview->GetZoom(), 2);
    EXPECT_FALSE(Enabled(AFX_ID_PREVIEW_ZOOMIN));
    EXPECT_GT(preview->GetLayout().pages[0].Width(), fitted);
    Press(AFX_ID_PREVIEW_ZOOMOUT);
    Press(AFX_ID_PREVIEW_ZOOMOUT);
    EXPECT_EQ(preview->GetLayout().pages[0].Width(), fitted);
    EXPECT_FALSE(Enabled(AFX_ID_PREVIEW_ZOOMOUT));
}

TEST_F(PrintPreviewTest, ADocumentOfUnknownLengthEndsWhereOnPrepareDCStops)
{
    View().m_pages = 0;
    View().m_unknownLength = 2;
    ASSERT_TRUE(OpenPreview());
    Press(AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(Preview()->GetCurrentPage(), 2u);
    EXPECT_FALSE(Enabled(AFX_ID_PREVIEW_NEXT));
}

TEST_F(PrintPreviewTest, ClosingTheFrameWhilePreviewingClosesOnlyThePreview)
{
    ASSERT_TRUE(OpenPreview());
    Main().SendMessage(WM_CLOSE);
    ASSERT_TRUE(::IsWindow(Main().m_hWnd));
    EXPECT_FALSE(Main().IsInPreviewMode());
    EXPECT_TRUE(::IsWindow(View().m_hWnd));
    EXPECT_EQ(View().m_log.back(), "end");
    // A second preview opens as the first did.
    EXPECT_TRUE(OpenPreview());
    Press(AFX_ID_PREVIEW_CLOSE);
}

TEST_F(PrintPreviewTest, PrintFromThePreviewClosesItAndPrints)
{
    std::string title = UniqueJobTitle("preview");
    m_windows.m_doc->SetTitle(title.c_str());
    ASSERT_TRUE(OpenPreview());
    View().m_log.clear();
    DialogDriver driver({[](DialogDriver& d) { d.PressOK(); }});
    Press(AFX_ID_PREVIEW_PRINT);
    EXPECT_EQ(Preview(), nullptr);
    EXPECT_EQ(driver.ScriptsRun(), 1);
    EXPECT_EQ(View().m_log.front(), "end");
    EXPECT_EQ(View().m_log.back(), "end");
    std::string path = PdfJobs::WaitFor(title);
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(PdfJobs::PagesOf(path).size(), 3u);
    ::DeleteFileA(path.c_str());
}

} // namespace
