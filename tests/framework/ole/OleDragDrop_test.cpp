#include <gtest/gtest.h>

#include "framework/Ole.h"
#include "framework/View.h"

#include <string>
#include <thread>
#include <vector>

namespace {

HGLOBAL GlobalText(const std::string& text)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    return block;
}

// The text of a block the caller owns, which it frees.
std::string TakeText(HGLOBAL block)
{
    if (!block)
        return "<none>";
    std::string text = static_cast<const char*>(GlobalLock(block));
    GlobalUnlock(block);
    GlobalFree(block);
    return text;
}

void PumpPending()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Takes text like an editor view: Ctrl copies, else it moves; anything without text is
// left to the base view, which refuses it.
class DropView : public CView {
public:
    struct Call {
        std::string what;
        CPoint point;
        DWORD keyState;
    };
    std::vector<Call> calls;
    std::string dropped;

    void OnDraw(CDC*) override {}

    DROPEFFECT OnDragEnter(COleDataObject* data, DWORD keyState, CPoint point) override
    {
        calls.push_back({"enter", point, keyState});
        return Effect(data, keyState) ?: CView::OnDragEnter(data, keyState, point);
    }
    DROPEFFECT OnDragOver(COleDataObject* data, DWORD keyState, CPoint point) override
    {
        calls.push_back({"over", point, keyState});
        return Effect(data, keyState) ?: CView::OnDragOver(data, keyState, point);
    }
    void OnDragLeave() override { calls.push_back({"leave", CPoint(), 0}); }
    BOOL OnDrop(COleDataObject* data, DROPEFFECT effect, CPoint point) override
    {
        calls.push_back({"drop", point, effect});
        dropped = TakeText(data->GetGlobalData(CF_TEXT));
        return TRUE;
    }

    std::string Sequence() const
    {
        std::string names;
        for (const Call& call : calls)
            names += (names.empty() ? "" : " ") + call.what;
        return names;
    }

private:
    static DROPEFFECT Effect(COleDataObject* data, DWORD keyState)
    {
        if (!data->IsDataAvailable(CF_TEXT))
            return DROPEFFECT_NONE;
        return (keyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
    }
};

// A top-level window holding one DropView with its drop target registered.
class OleDragDrop : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(AfxOleInit()); }

    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateEx(0, nullptr, "drop", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300,
                                     nullptr, nullptr));
        m_view = new DropView;
        ASSERT_TRUE(m_view->Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 300, 200), &m_frame, 1));
        ASSERT_TRUE(m_target.Register(m_view));
        SetForegroundWindow(m_frame);
        m_view->SetFocus();
        PumpPending();
    }

    void TearDown() override
    {
        if (m_frame.m_hWnd)
            m_frame.DestroyWindow();
    }

    POINTL Screen(int x, int y) const
    {
        POINT point = {x, y};
        ClientToScreen(*m_view, &point);
        return {point.x, point.y};
    }

    CWnd m_frame;
    DropView* m_view = nullptr;  // deletes itself with its window
    COleDropTarget m_target;
};

} // namespace

// A thread already in the multithreaded COM apartment cannot start OLE.
TEST(OleStart, FailsWhereComRunsMultithreaded)
{
    BOOL started = TRUE;
    std::thread([&] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        started = AfxOleInit();
        CoUninitialize();
    }).join();
    EXPECT_FALSE(started);
}

TEST_F(OleDragDrop, DataObjectRoundTrip)
{
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, GlobalText("旧"));
    source.CacheGlobalData(CF_TEXT, GlobalText("墨语言\r\n第二行"));
    COleDataObject data;
    data.Attach(source.GetInterface(), FALSE);
    EXPECT_TRUE(data.IsDataAvailable(CF_TEXT));
    EXPECT_FALSE(data.IsDataAvailable(CF_UNICODETEXT));
    EXPECT_EQ("墨语言\r\n第二行", TakeText(data.GetGlobalData(CF_TEXT)));
    EXPECT_EQ("墨语言\r\n第二行", TakeText(data.GetGlobalData(CF_TEXT))) << "each call hands out a copy";
    EXPECT_EQ(nullptr, data.GetGlobalData(CF_UNICODETEXT));

    // Through the platform's OLE clipboard, as another program would see it.
    ASSERT_EQ(S_OK, OleSetClipboard(source.GetInterface()));
    IDataObject* clipboard = nullptr;
    ASSERT_EQ(S_OK, OleGetClipboard(&clipboard));
    COleDataObject fromClipboard;
    fromClipboard.Attach(clipboard);
    EXPECT_EQ("墨语言\r\n第二行", TakeText(fromClipboard.GetGlobalData(CF_TEXT)));
    fromClipboard.Release();
    OleSetClipboard(nullptr);
}

// The drop target hands the drag to the view in client coordinates with the key state; the
// view's wish is cut to what the source allows, and data without text is refused.
TEST_F(OleDragDrop, DropRoutingToTheView)
{
    COleDataSource text;
    text.CacheGlobalData(CF_TEXT, GlobalText("abc"));
    COleDataSource other;
    other.CacheGlobalData((CLIPFORMAT)RegisterClipboardFormatA("Moyu test format"), GlobalText("x"));
    const struct {
        const char* name;
        COleDataSource* data;
        DWORD keyState;
        DWORD allowed;
        DROPEFFECT expected;
        const char* sequence;
    } cases[] = {
        {"ctrl copies", &text, MK_CONTROL, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY, "enter over over drop"},
        {"plain moves", &text, 0, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_MOVE, "enter over over drop"},
        {"move not allowed", &text, 0, DROPEFFECT_COPY, DROPEFFECT_NONE, "enter over over leave"},
        {"no text", &other, MK_CONTROL, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_NONE, "enter over over leave"},
    };
    IDropTarget* target = m_target.GetInterface();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_view->calls.clear();
        m_view->dropped.clear();
        DWORD effect = c.allowed;
        target->DragEnter(c.data->GetInterface(), MK_LBUTTON | c.keyState, Screen(10, 20), &effect);
        EXPECT_EQ(c.expected, effect);
        effect = c.allowed;
        target->DragOver(MK_LBUTTON | c.keyState, Screen(30, 40), &effect);
        EXPECT_EQ(c.expected, effect);
        effect = c.allowed;
        target->Drop(c.data->GetInterface(), c.keyState, Screen(50, 60), &effect);
        EXPECT_EQ(c.expected, effect);

        EXPECT_EQ(c.sequence, m_view->Sequence());
        ASSERT_GE(m_view->calls.size(), 3u);
        EXPECT_EQ(CPoint(10, 20), m_view->calls[0].point);
        EXPECT_EQ(DWORD(MK_LBUTTON | c.keyState), m_view->calls[0].keyState);
        EXPECT_EQ(CPoint(30, 40), m_view->calls[1].point);
        EXPECT_EQ(CPoint(50, 60), m_view->calls[2].point);
        EXPECT_EQ(c.expected ? "abc" : "", m_view->dropped);
    }
}

TEST_F(OleDragDrop, RegistrationEndsWithTheWindow)
{
    HWND view = *m_view;
    COleDropTarget second;
    EXPECT_FALSE(second.Register(m_view)) << "one target per window";
    m_frame.DestroyWindow();
    EXPECT_EQ(nullptr, m_target.m_hWnd);
    EXPECT_FALSE(IsWindow(view));
}

// Before the pointer leaves the start rectangle, a released button or Esc ends the drag
// before it starts: no effect, and no target hears of it.
TEST_F(OleDragDrop, ClickOrEscapeBeforeTheDragStartsIsNoDrag)
{
    ASSERT_EQ(m_view->m_hWnd, GetFocus());
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, GlobalText("abc"));
    POINTL start = Screen(50, 50);
    CRect around(start.x - 4, start.y - 4, start.x + 5, start.y + 5);
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } endings[] = {
        {"button up", WM_LBUTTONUP, 0, MAKELPARAM(51, 50)},
        {"escape", WM_KEYDOWN, VK_ESCAPE, 1},
        {"move inside, then up", WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(53, 52)},
    };
    for (const auto& e : endings) {
        SCOPED_TRACE(e.name);
        m_view->PostMessage(e.message, e.wParam, e.lParam);
        m_view->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(53, 52));
        EXPECT_EQ(DROPEFFECT_NONE, source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, &around));
        EXPECT_EQ("", m_view->Sequence());
        EXPECT_EQ(nullptr, GetCapture());
        PumpPending();
    }
}

void SendMouse(DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void SendKey(WORD key, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// A real drag inside one view, driven by the platform's input: the button goes down, the
// pointer leaves the start rectangle and travels, a key may go down, and the button comes up
// over the view.
TEST_F(OleDragDrop, RealDragWithinOneWindow)
{
    const struct {
        const char* name;
        WORD key;
        DROPEFFECT expected;
    } cases[] = {
        {"plain drop moves", 0, DROPEFFECT_MOVE},
        {"escape cancels", VK_ESCAPE, DROPEFFECT_NONE},
        // No Ctrl row: under Xvfb the display's own modifier state, which SendInput does not
        // change, overrides an injected Ctrl at the next pointer event. DropRoutingToTheView
        // covers the copy.
    };
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, GlobalText("dragged"));
    const POINTL start = Screen(40, 40);
    const POINTL end = Screen(200, 120);
    const CRect around(start.x - 4, start.y - 4, start.x + 5, start.y + 5);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_view->calls.clear();
        m_view->dropped.clear();
        SetCursorPos(start.x, start.y);
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        PumpPending();
        std::thread hand([&] {
            for (int step = 1; step <= 8; ++step) {
                Sleep(30);
                SetCursorPos(start.x + (end.x - start.x) * step / 8, start.y + (end.y - start.y) * step / 8);
                SendMouse(MOUSEEVENTF_MOVE);
            }
            if (c.key)
                SendKey(c.key, 0);
            Sleep(100);
            SendMouse(MOUSEEVENTF_MOVE);
            Sleep(100);
            SendMouse(MOUSEEVENTF_LEFTUP);
        });
        DROPEFFECT effect = source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, &around);
        hand.join();
        if (c.key)
            SendKey(c.key, KEYEVENTF_KEYUP);
        PumpPending();
        EXPECT_EQ(c.expected, effect);
        EXPECT_EQ(c.expected ? "dragged" : "", m_view->dropped);
        ASSERT_FALSE(m_view->calls.empty());
        EXPECT_EQ("enter", m_view->calls.front().what);
        EXPECT_EQ(c.expected ? "drop" : "leave", m_view->calls.back().what);
        if (c.expected)
            EXPECT_EQ(CPoint(200, 120), m_view->calls.back().point);
    }
}
