#include "PrintTestSupport.h"

#include "framework/CommandIds.h"
#include "framework/CommonDialogs.h"
#include "framework/Dc.h"
#include "framework/DialogDriver.h"
#include "framework/MessageBox.h"
#include "framework/PrinterChoice.h"
#include "framework/PrintingDialog.h"

#include <gtest/gtest.h>

#include <algorithm>

using Log = std::vector<std::string>;

namespace {

// Standard controls of the print dialog: the range radio buttons and the page edits.
constexpr int kAllPages = 0x420;
constexpr int kSelection = 0x421;
constexpr int kPageRange = 0x422;
constexpr int kFromPage = 0x480;
constexpr int kToPage = 0x481;

bool HasPrinter(const char* name)
{
    HANDLE printer = nullptr;
    if (!::OpenPrinterA(const_cast<char*>(name), &printer, nullptr))
        return false;
    ::ClosePrinter(printer);
    return true;
}

class PrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(HasPrinter("PDF")) << "the PDF printer is missing: run scripts/setup.sh";
        AfxGetPrinterChoice().SelectByName("PDF");
        ASSERT_NE(m_windows.m_view, nullptr);
        m_title = UniqueJobTitle("job");
        m_windows.m_doc->SetTitle(m_title.c_str());
    }
    void TearDown() override { AfxGetPrinterChoice().Clear(); }

    CPrintTestView& View() { return *m_windows.m_view; }
    void ViewCommand(UINT id) { View().SendMessage(WM_COMMAND, id, 0); }
    // The pages of this test's job; the PDF is removed after reading.
    std::vector<std::string> PrintedPages()
    {
        std::string path = PdfJobs::WaitFor(m_title);
        EXPECT_FALSE(path.empty()) << "no PDF for " << m_title << " in " << PdfJobs::Folder();
        std::vector<std::string> pages = PdfJobs::PagesOf(path);
        ::DeleteFileA(path.c_str());
        return pages;
    }

    PrintTestWindows m_windows;
    std::string m_title;
};

TEST_F(PrintTest, DirectPrintRunsTheLoopInOrderAndEveryPageReachesThePdf)
{
    ViewCommand(ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(View().m_log, (Log{"prepare", "begin", "preparedc 1", "print 1", "preparedc 2", "print 2",
                                 "preparedc 3", "print 3", "end"}));
    // The printer's DC, marked as printing, and the whole printable page to draw in.
    EXPECT_EQ(View().m_printDpi, 300);
    EXPECT_TRUE(View().m_dcIsPrinting);
    EXPECT_FALSE(View().m_infoIsPreview);
    EXPECT_EQ(View().m_rectDraw, CRect(0, 0, 2479, 3508));
    std::vector<std::string> pages = PrintedPages();
    ASSERT_EQ(pages.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_NE(pages[i].find("第" + std::to_string(i + 1) + "页 Page " + std::to_string(i + 1)), std::string::npos)
            << pages[i];
}

TEST_F(PrintTest, PrintDialogChoosesThePagesOrTheSelection)
{
    struct Case {
        const char* name;
        BOOL offerSelection;
        DialogDriver::Script script;
        Log log;
    };
    const Case cases[] = {
        {"all pages", FALSE, [](DialogDriver& d) { d.Click(kAllPages); d.PressOK(); },
         {"prepare", "begin", "preparedc 1", "print 1", "preparedc 2", "print 2", "preparedc 3", "print 3", "end"}},
        {"pages 2 to 3", FALSE,
         [](DialogDriver& d) {
             d.Click(kPageRange);
             d.SetText(kFromPage, "2");
             d.SetText(kToPage, "3");
             d.PressOK();
         },
         {"prepare", "begin", "preparedc 2", "print 2", "preparedc 3", "print 3", "end"}},
        {"selection", TRUE,
         [](DialogDriver& d) {
             EXPECT_EQ(d.GetCheck(kSelection), BST_CHECKED);
             d.PressOK();
         },
         {"prepare", "begin selection", "preparedc 1", "print 1", "preparedc 2", "print 2", "preparedc 3", "print 3",
          "end"}},
        {"cancel", FALSE, [](DialogDriver& d) { d.PressCancel(); }, {"prepare"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        View().m_log.clear();
        View().m_offerSelection = c.offerSelection;
        m_title = UniqueJobTitle("range");
        m_windows.m_doc->SetTitle(m_title.c_str());
        DialogDriver driver({c.script});
        ViewCommand(ID_FILE_PRINT);
        EXPECT_EQ(driver.ScriptsRun(), 1);
        EXPECT_EQ(View().m_log, c.log);
        if (c.log.size() > 1) {
            EXPECT_EQ(PrintedPages().size(), (c.log.size() - 3) / 2);
        }
    }
}

TEST_F(PrintTest, CancelInThePrintingDialogAbortsTheJob)
{
    // Long enough for the printing dialog's script to come before the end.
    View().m_pages = 500;
    DialogDriver driver({[](DialogDriver& d) {
        EXPECT_NE(d.GetText(AFX_IDC_PRINT_DOCNAME).Find("job"), -1);
        d.PressCancel();
    }});
    ViewCommand(ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(driver.ScriptsRun(), 1);
    // The job ends at the page where the user cancelled, and so does the printing.
    EXPECT_LT(std::count(View().m_log.begin(), View().m_log.end(), "print 500"), 1);
    EXPECT_EQ(View().m_log.back(), "end");
    EXPECT_EQ(CPrintingDialog::Running(), nullptr);
    EXPECT_TRUE(m_windows.m_main->IsWindowEnabled());
}

TEST_F(PrintTest, AMissingPrinterGivesAMessageInsteadOfAJob)
{
    AfxGetPrinterChoice().SelectByName("没有这台打印机");
    ScopedMessageBoxHook boxes({IDOK, IDOK});
    ViewCommand(ID_FILE_PRINT_DIRECT);
    ViewCommand(ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(View().m_log, (Log{"prepare", "prepare"}));
    EXPECT_EQ(boxes.Count(), 2);
    EXPECT_FALSE(m_windows.m_main->IsInPreviewMode());
}

TEST_F(PrintTest, PrintSetUpChoosesThePrinterThatPrintingUses)
{
    AfxGetPrinterChoice().Clear();
    CPrintDialog setup(TRUE);
    DialogDriver driver({[](DialogDriver& d) { d.PressOK(); }});
    EXPECT_EQ(AfxGetPrinterChoice().DoPrintDialog(setup), IDOK);
    EXPECT_STREQ(AfxGetPrinterChoice().GetDeviceName(), "PDF");
    CDC dc;
    ASSERT_TRUE(AfxGetPrinterChoice().CreatePrinterDC(dc));
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 300);
}

} // namespace
