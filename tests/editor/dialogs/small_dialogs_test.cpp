#include "editor/dialogs/SmallDialogs.h"
#include "editor/res/resource.h"
#include "framework/DialogDriver.h"
#include "framework/MessageBox.h"

#include <gtest/gtest.h>

TEST(GotoLineDialogTest, RefusesWhatIsNoPositiveNumberAndKeepsTheDialog)
{
    ScopedMessageBoxHook boxes;
    CGotoLineDlg dialog;
    dialog.m_prompt = "&输入行号 (1 - 40):";
    dialog.m_lineNumber = 7;
    CString prompt, preset;
    bool openAfterLetter = false;
    // The template has no buttons: Enter sends the dialog IDOK.
    auto enter = [](DialogDriver& d) { ::SendMessage(d.Dialog(), WM_COMMAND, IDOK, 0); };
    DialogDriver driver{[&](DialogDriver& d) {
        prompt = d.GetText(IDC_LINE_PROMPT);
        preset = d.GetText(IDC_LINE_NUMBER);
        d.SetText(IDC_LINE_NUMBER, "x");
        enter(d);
        openAfterLetter = ::IsWindow(d.Dialog()) && dialog.ContinueModal();
        d.SetText(IDC_LINE_NUMBER, "12");
        enter(d);
    }};
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ("&输入行号 (1 - 40):", prompt);
    EXPECT_STREQ("7", preset);
    EXPECT_TRUE(openAfterLetter);
    ASSERT_EQ(1, boxes.Count());
    EXPECT_STREQ("请输入一个正整数。", boxes.Last().text);
    EXPECT_EQ(12u, dialog.m_lineNumber);
}

TEST(DocInfoDialogTest, ShowsWhatTheDocumentFilledIn)
{
    CDocInfoDlg dialog;
    dialog.m_path = "C:\\墨\\示例.墨";
    dialog.m_encoding = "ASCII";
    dialog.m_fileFormat = "DOS";
    dialog.m_fileSize = 1234;
    dialog.m_lineCount = 56;
    dialog.m_wordCount = 78;
    dialog.m_byteCount = 1200;
    dialog.m_readOnly = 1;
    dialog.m_lastModified = "December 10, 2026   05:26:03 PM";
    std::vector<CString> shown;
    int readOnly = -1, hidden = -1, readOnlyAfterClick = -1;
    DialogDriver driver{[&](DialogDriver& d) {
        for (int id : {IDC_INFO_PATH, IDC_INFO_ENCODING, IDC_INFO_FORMAT, IDC_INFO_SIZE, IDC_INFO_LINES,
                       IDC_INFO_WORDS, IDC_INFO_BYTES, IDC_INFO_MODIFIED})
            shown.push_back(d.GetText(id));
        readOnly = d.GetCheck(IDC_INFO_READ_ONLY);
        hidden = d.GetCheck(IDC_INFO_HIDDEN);
        ::SendMessage(d.Item(IDC_INFO_READ_ONLY), BM_CLICK, 0, 0);
        readOnlyAfterClick = d.GetCheck(IDC_INFO_READ_ONLY);
        d.PressOK();
    }};
    dialog.DoModal();
    const std::vector<CString> expected = {"C:\\墨\\示例.墨", "ASCII", "DOS", "1234", "56", "78", "1200",
                                           "December 10, 2026   05:26:03 PM"};
    EXPECT_EQ(expected, shown);
    EXPECT_EQ(BST_CHECKED, readOnly);
    EXPECT_EQ(BST_UNCHECKED, hidden);
    EXPECT_EQ(BST_CHECKED, readOnlyAfterClick) << "the attribute boxes do not change by a click";
}

TEST(ReloadAsDialogTest, OffersTheEncodingsWithTheCallersChoiceSelected)
{
    CReloadAsDlg dialog;
    dialog.m_encodingIndex = 0;
    int count = 0, selected = -1;
    CString last;
    DialogDriver driver;
    driver.Queue([&](DialogDriver& d) {
        count = d.GetCount(IDC_RELOAD_ENCODING);
        selected = d.GetSelection(IDC_RELOAD_ENCODING);
        last = d.GetItemText(IDC_RELOAD_ENCODING, 5);
        d.Select(IDC_RELOAD_ENCODING, 3);
        d.PressOK();
    });
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(6, count);
    EXPECT_EQ(0, selected) << "Auto Detect";
    EXPECT_STREQ("UTF-8 Encoding (w/o BOM)", last);
    EXPECT_EQ(3, dialog.m_encodingIndex);

    dialog.m_encodingIndex = 0;
    driver.Queue([](DialogDriver& d) {
        d.Select(IDC_RELOAD_ENCODING, 2);
        d.PressCancel();
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(0, dialog.m_encodingIndex);
}

namespace {
void SelectRow(DialogDriver& d, int row)
{
    LVITEM state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessage(d.Item(IDC_MACRO_SLOTS), LVM_SETITEMSTATE, row, (LPARAM)&state);
}
} // namespace

TEST(DefineMacroDialogTest, RowsNameTheSlotsAndTheNameFieldGoesToTheChosenSlot)
{
    AfxInitCommonControls();
    CDefineMacroDlg dialog;
    for (int slot = 1; slot <= 10; ++slot)
        dialog.m_slotNames[slot] = "- 空 -";
    dialog.m_slotNames[2] = "缩进";
    dialog.m_slotNames[3] = "[无名]";
    CString firstNumber, tenthNumber, secondName, startName, namedSlot, placeholderSlot;
    DialogDriver driver;
    driver.Queue([&](DialogDriver& d) {
        HWND slots = d.Item(IDC_MACRO_SLOTS);
        char text[32] = "";
        ListView_GetItemText(slots, 0, 0, text, sizeof text);
        firstNumber = text;
        ListView_GetItemText(slots, 9, 0, text, sizeof text);
        tenthNumber = text;
        ListView_GetItemText(slots, 1, 1, text, sizeof text);
        secondName = text;
        startName = d.GetText(IDC_MACRO_NAME);
        SelectRow(d, 1);
        namedSlot = d.GetText(IDC_MACRO_NAME);
        SelectRow(d, 2);
        placeholderSlot = d.GetText(IDC_MACRO_NAME);
        d.SetText(IDC_MACRO_NAME, "排版");
        d.PressOK();
    });
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ("1", firstNumber);
    EXPECT_STREQ("0", tenthNumber);
    EXPECT_STREQ("缩进", secondName);
    EXPECT_STREQ("新宏", startName);
    EXPECT_STREQ("缩进", namedSlot);
    EXPECT_STREQ("", placeholderSlot);
    EXPECT_EQ(3, dialog.m_selectedSlot);
    EXPECT_STREQ("排版", dialog.m_slotNames[3]);

    // An empty slot chosen and OK pressed without typing: the macro gets an empty name.
    driver.Queue([](DialogDriver& d) {
        SelectRow(d, 9);
        d.PressOK();
    });
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(10, dialog.m_selectedSlot);
    EXPECT_STREQ("", dialog.m_slotNames[10]);
}

TEST(UserInputDialogTest, CaptionIsThePromptAndTheAnswerComesBack)
{
    CUserInputDlg dialog(IDS_ASK_USER_ARGUMENTS);
    dialog.m_answer = "-v";
    CString caption, preset;
    DialogDriver driver{[&](DialogDriver& d) {
        caption = d.Caption();
        preset = d.GetText(IDC_USER_ANSWER);
        d.SetText(IDC_USER_ANSWER, "输入 文件.墨");
        d.PressOK();
    }};
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ("输入程序参数:", caption);
    EXPECT_STREQ("-v", preset);
    EXPECT_STREQ("输入 文件.墨", dialog.m_answer);
}
