#include "display_fixture.h"

#include <string>
#include <vector>

#include "runtime/源码/显示输入.h"

namespace {

// Puts a CF_TEXT block of exactly these bytes on the clipboard (no NUL is added).
void SetClipboardBytes(const std::string& bytes)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    ASSERT_NE(block, nullptr);
    memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

void SetClipboardText(const std::string& text)
{
    SetClipboardBytes(std::string(text.c_str(), text.size() + 1));
}

void SetControlKey(bool down)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

}  // namespace

class ClipboardPasteTest : public DisplayTest {
protected:
    void TearDown() override
    {
        SetControlKey(false);
        DisplayTest::TearDown();
    }
    std::vector<int> WaitKeys(int count)
    {
        std::vector<int> keys;
        for (int i = 0; i < count; i++) {
            int key = -1;
            if (GfxWaitKey(&key) != 1)
                break;
            keys.push_back(key);
        }
        return keys;
    }
};

TEST_F(ClipboardPasteTest, RightButtonPastesTheTextWithCrLfAsOneLineFeed)
{
    OpenDisplay();
    SetClipboardText("ab\r\nc");
    PostMessageA(Window(), WM_RBUTTONDOWN, 0, 0x50005);
    EXPECT_EQ(WaitKeys(4), (std::vector<int>{ 'a', 'b', '\n', 'c' }));
    EXPECT_EQ(GfxGetInputParam(), 0) << "pasted characters have no parameter";
    PostChar('z');
    EXPECT_EQ(WaitKeys(1), std::vector<int>{ 'z' }) << "then real keys again";
}

TEST_F(ClipboardPasteTest, KeysAlreadyQueuedComeBeforeTheRestOfAPaste)
{
    OpenDisplay();
    SetClipboardText("ab");
    PostMessageA(Window(), WM_RBUTTONDOWN, 0, 0);
    PostChar('z');
    EXPECT_EQ(WaitKeys(3), (std::vector<int>{ 'a', 'z', 'b' }));
}

TEST_F(ClipboardPasteTest, ControlVPasteDeliversItsControlCharacterAfterTheFirstByte)
{
    OpenDisplay();
    SetClipboardText("ab");
    SetControlKey(true);
    PostMessageA(Window(), WM_KEYDOWN, 'V', 0x2F0001);
    EXPECT_EQ(WaitKeys(3), (std::vector<int>{ 'a', 0x16, 'b' }));
}

TEST_F(ClipboardPasteTest, PastedDoubleByteCharacterIsJoinedByTheConsole)
{
    OpenDisplay();
    SetClipboardText("中");
    PostMessageA(Window(), WM_RBUTTONDOWN, 0, 0);
    EXPECT_EQ(WaitKeys(2), (std::vector<int>{ 0xD6, 0xD0 }));
}

TEST_F(ClipboardPasteTest, EmptyClipboardTextDoesNotEndTheWait)
{
    OpenDisplay();
    SetClipboardText("");
    PostMessageA(Window(), WM_RBUTTONDOWN, 0, 0);
    PostChar('q');
    EXPECT_EQ(WaitKeys(1), std::vector<int>{ 'q' });
}

TEST_F(ClipboardPasteTest, PollFeedsTheRestOfAPaste)
{
    OpenDisplay();
    SetClipboardText("xyz");
    PostMessageA(Window(), WM_RBUTTONDOWN, 0, 0);
    EXPECT_EQ(WaitKeys(1), std::vector<int>{ 'x' });
    int key = 0;
    EXPECT_EQ(GfxPollKey(&key), 1);
    EXPECT_EQ(key, 'y');
    EXPECT_EQ(GfxPollKey(&key), 1);
    EXPECT_EQ(key, 'z');
    EXPECT_EQ(GfxPollKey(&key), 0);
    GfxFreeState();
    EXPECT_EQ(State().pasteBuffer, nullptr);
}

TEST_F(ClipboardPasteTest, ClipboardBlockWithoutNulIsCopiedOnlyUpToItsSize)
{
    // Regression: the text was copied up to a NUL that the block need not hold.
    OpenDisplay();
    SetClipboardBytes(std::string(300, 'k'));
    PostMessageA(Window(), WM_RBUTTONDOWN, 0, 0);
    int key = 0;
    ASSERT_EQ(GfxWaitKey(&key), 1);
    ASSERT_NE(State().pasteBuffer, nullptr);
    size_t length = strlen(State().pasteBuffer);
    HGLOBAL block = nullptr;
    size_t blockSize = 0;
    if (OpenClipboard(nullptr)) {
        block = GetClipboardData(CF_TEXT);
        blockSize = block ? GlobalSize(block) : 0;
        CloseClipboard();
    }
    EXPECT_LE(length, blockSize);
    EXPECT_GE(length, 299u) << "Wine may end the block with its own NUL";
    EXPECT_EQ(std::string(State().pasteBuffer), std::string(length, 'k'));
}
