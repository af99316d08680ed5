#include "display_fixture.h"

#include <string>
#include <vector>

#include "runtime/源码/文本控制台.h"
#include "runtime/源码/系统.h"

namespace {

// One keystroke posted to the display: a character or a key without one.
struct Stroke {
    enum Kind { kText, kKey } kind;
    std::string text;
    int virtualKey;
};

Stroke Text(const char* text) { return { Stroke::kText, text, 0 }; }
Stroke Key(int virtualKey) { return { Stroke::kKey, "", virtualKey }; }
const Stroke kEnter = Text("\r");
const Stroke kBackspace = Text("\b");
const Stroke kLeft = Key(VK_LEFT);
const Stroke kRight = Key(VK_RIGHT);
const Stroke kUp = Key(VK_UP);
const Stroke kDown = Key(VK_DOWN);

}  // namespace

class LineEditorTest : public DisplayTest {
protected:
    void Post(const std::vector<Stroke>& strokes)
    {
        for (const Stroke& stroke : strokes) {
            if (stroke.kind == Stroke::kText)
                PostChars(stroke.text.c_str());
            else
                PostKeyDown(stroke.virtualKey);
        }
    }
    // Posts the strokes and reads one line without echo.
    std::string ReadLine(const std::vector<Stroke>& strokes, int size = 64)
    {
        Post(strokes);
        std::vector<char> buffer(size, 'X');
        int length = GfxInputLine(buffer.data(), size, 0);
        EXPECT_GE(length, 0);
        EXPECT_EQ(length, (int)strlen(buffer.data()));
        return std::string(buffer.data());
    }
};

TEST_F(LineEditorTest, EchoedLineEndsWithItsNewline)
{
    OpenDisplay();
    PostChars("abc\r");
    char buffer[64];
    EXPECT_EQ(GfxInputLine(buffer, sizeof buffer, 1), 4);
    EXPECT_STREQ(buffer, "abc\n");
    int x = -1, y = -1;
    GfxGetCursorPos(&x, &y, 0);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, kConsoleLineHeight) << "the echo moved the cursor to the next line";
}

TEST_F(LineEditorTest, EditingKeys)
{
    OpenDisplay();
    struct Case {
        const char* name;
        std::vector<Stroke> strokes;
        std::string line;
    } cases[] = {
        { "plain", { Text("abc"), kEnter }, "abc" },
        { "backspace at the start does nothing", { kBackspace, Text("a"), kEnter }, "a" },
        { "left at the start does nothing", { Text("ab"), kLeft, kLeft, kLeft, Text("X"), kEnter }, "Xab" },
        { "right at the end does nothing", { Text("a"), kRight, Text("b"), kEnter }, "ab" },
        { "backspace inside the line", { Text("abc"), kLeft, kBackspace, kEnter }, "ac" },
        { "double-byte character inserted in the middle", { Text("ab"), kLeft, Text("中"), Text("x"), kEnter }, "a中xb" },
        { "backspace removes a whole double-byte character", { Text("a中"), kBackspace, kEnter }, "a" },
        { "left steps over a whole double-byte character", { Text("中a"), kLeft, kLeft, Text("x"), kEnter }, "x中a" },
        { "keys without a character are ignored", { Text("a"), Key(VK_HOME), Key(VK_F1), Text("\t\x1b"), Text("b"), kEnter }, "ab" },
        { "up without a history does nothing", { Text("a"), kUp, kEnter }, "a" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadLine(c.strokes), c.line);
    }
}

TEST_F(LineEditorTest, SmallBufferEndsAtSizeLessFourBytes)
{
    OpenDisplay();
    EXPECT_EQ(ReadLine({ Text("abcdef") }, 8), "abcd");
    EXPECT_EQ(ReadLine({ kEnter }), "ef") << "the rest stays for the next read";
    char tiny[4];
    EXPECT_EQ(GfxInputLine(tiny, sizeof tiny, 0), 0);
}

TEST_F(LineEditorTest, HistoryRecallsEnteredLines)
{
    OpenDisplay();
    // Every entered line joins the history, recalled ones too, so each case starts afresh.
    auto freshHistory = [this] {
        GfxSetInputHistory(关);
        GfxSetInputHistory(开);
        ASSERT_EQ(ReadLine({ Text("one"), kEnter }), "one");
        ASSERT_EQ(ReadLine({ Text("two"), kEnter }), "two");
        ASSERT_EQ(ReadLine({ kEnter }), "") << "an empty line is not kept";
    };
    struct Case {
        const char* name;
        std::vector<Stroke> strokes;
        std::string line;
    } cases[] = {
        { "up gives the newest line first", { kUp, kEnter }, "two" },
        { "down gives the oldest line first", { kDown, kEnter }, "one" },
        { "up twice", { kUp, kUp, kEnter }, "one" },
        { "past the end an empty line", { kUp, kUp, kUp, kEnter }, "" },
        { "then the steps wrap", { kUp, kUp, kUp, kUp, kEnter }, "two" },
        { "down past the end", { kDown, kDown, kDown, kEnter }, "" },
        { "a recalled line replaces the typed one", { Text("abc"), kUp, Text("!"), kEnter }, "two!" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        freshHistory();
        EXPECT_EQ(ReadLine(c.strokes), c.line);
    }
    freshHistory();
    EXPECT_EQ(ReadLine({ kUp, kEnter }), "two");
    EXPECT_EQ(ReadLine({ kUp, kUp, kEnter }), "two") << "the recalled line was entered again";
    GfxSetInputHistory(关);
    EXPECT_EQ(ReadLine({ Text("x"), kUp, kEnter }), "x");
}

TEST_F(LineEditorTest, EndOfInputReturnsMinusOne)
{
    OpenDisplay();
    PostChars("ab");
    PostQuitMessage(3);
    char buffer[16];
    EXPECT_EQ(GfxInputLine(buffer, sizeof buffer, 0), -1);
    EXPECT_STREQ(buffer, "ab");
    EXPECT_FALSE(VdIsOpen()) << "the wait released the display";
    EXPECT_EQ(GfxGetExitCode(), 3);
}

TEST_F(LineEditorTest, InputCharJoinsTheBytesOfACharacter)
{
    OpenDisplay();
    PostChars("中a\r");
    EXPECT_EQ(GfxInputChar(0), 0xD6D0u);
    EXPECT_EQ(GfxInputChar(0), (CharCode)'a');
    EXPECT_EQ(GfxInputChar(0), (CharCode)'\n') << "carriage return reads as newline";
}

TEST_F(LineEditorTest, InputCharEchoesAsHexadecimal)
{
    OpenDisplay();
    PostChars("中");
    EXPECT_EQ(GfxInputChar(2), 0xD6D0u);
    int x = 0;
    GfxGetCursorPos(&x, nullptr, 0);
    int plain = x;
    GfxSetCursorPos(0, 0, 0);
    GfxPutString("D6D0", -1);
    GfxGetCursorPos(&x, nullptr, 0);
    EXPECT_EQ(plain, x);
}

TEST_F(LineEditorTest, InputCharEchoesCharactersButNotControlKeys)
{
    OpenDisplay();
    PostChars("a\x1b\r");
    PostKeyDown(VK_F2);
    EXPECT_EQ(GfxInputChar(1), (CharCode)'a');
    int x = 0, y = 0;
    GfxGetCursorPos(&x, &y, 0);
    EXPECT_GT(x, 0);
    EXPECT_EQ(GfxInputChar(1), 0x1Bu);
    int afterEscape = 0;
    GfxGetCursorPos(&afterEscape, nullptr, 0);
    EXPECT_EQ(afterEscape, x) << "a control key is not echoed";
    EXPECT_EQ(GfxInputChar(1), (CharCode)'\n');
    GfxGetCursorPos(&x, &y, 0);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, kConsoleLineHeight) << "carriage return echoes a newline";
    EXPECT_EQ(GfxInputChar(1), 0x102u);
    GfxGetCursorPos(&x, nullptr, 0);
    EXPECT_EQ(x, 0) << "a function key is not echoed";
}

TEST_F(LineEditorTest, ScanfReadsAnEchoedLine)
{
    OpenDisplay();
    PostChars("12 34\r");
    int a = 0, b = 0;
    EXPECT_EQ(GfxScanf("%整%整", &a, &b), 2);
    EXPECT_EQ(a, 12);
    EXPECT_EQ(b, 34);
}

TEST_F(LineEditorTest, RuntimeKeyReadsGoThroughTheDisplay)
{
    OpenDisplay();
    PostChars("kq");
    EXPECT_EQ(SysGetKey(), 'k');
    EXPECT_EQ(SysKeyPressed(), 1);
    EXPECT_EQ(SysGetKey(), 'q');
    EXPECT_EQ(SysKeyPressed(), 0);
}

TEST_F(LineEditorTest, LineThatScrollsWhileTypedMovesItsStartUp)
{
    // A console two lines high, exactly eight characters wide.
    HDC screen = GetDC(nullptr);
    const int eightWidth = ConsoleTextWidth(screen, "abcdefgh");
    ReleaseDC(nullptr, screen);

    OpenDisplay(eightWidth, 40);
    GfxSetCursorPos(0, kConsoleLineHeight, 0);
    PostChars("abcdefghij");
    PostKeyDown(VK_LEFT);
    PostKeyDown(VK_LEFT);
    PostChar('\r');
    char buffer[32];
    EXPECT_EQ(GfxInputLine(buffer, sizeof buffer, 0), 10);
    EXPECT_STREQ(buffer, "abcdefghij");
    int x = -1, y = -1;
    GfxGetCursorPos(&x, &y, 0);
    EXPECT_EQ(y, 0) << "the caret is placed from the start, which moved up with the scroll";
    EXPECT_EQ(x, eightWidth);
}
