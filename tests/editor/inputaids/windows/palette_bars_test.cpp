#include "editor/inputaids/PaletteBars.h"
#include "framework/CmdUI.h"
#include "framework/FrameWnd.h"
#include "framework/MessageMap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A main frame with the four palettes; while `viewActive` it routes their commands as the
// editor view does, to a recording stand-in for the view.
class CPaletteTestFrame : public CFrameWnd, public PaletteInsertTarget {
public:
    CPaletteBar m_bars[kPaletteBarCount];
    bool viewActive = true;
    PaletteState state;
    std::vector<std::string> inserted;

    void InsertPaletteText(const char* text) override { inserted.push_back(text); }
    void PostPendingInsert(const char* text) override { inserted.push_back(text); }
    CWnd* PickerOwner() override { return this; }

    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info) override
    {
        if (viewActive && !info && IsPaletteCommand(id)) {
            if (code == CN_UPDATE_COMMAND_UI)
                return UpdatePaletteCommand(static_cast<CCmdUI*>(extra), state);
            if (code == CN_COMMAND)
                return RunPaletteCommand(id, *this, state, this);
        }
        return CFrameWnd::OnCmdMsg(id, code, extra, info);
    }

protected:
    int OnCreate(LPCREATESTRUCT createStruct)
    {
        if (CFrameWnd::OnCreate(createStruct) == -1 || !CreatePaletteBars(this, m_bars))
            return -1;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaletteTestFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

class PaletteBarsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new CPaletteTestFrame;
        ASSERT_TRUE(frame->Create(nullptr, "输入工具条", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 900, 600),
                                  nullptr, nullptr, nullptr));
    }
    void TearDown() override { frame->DestroyWindow(); }

    void Press(UINT command) { frame->SendMessage(WM_COMMAND, command, 0); }
    void IdleUpdate() { frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE); }
    CPaletteBar& Bar(UINT id) { return *static_cast<CPaletteBar*>(frame->GetControlBar(id)); }
    int State(UINT barId, UINT command) { return Bar(barId).GetToolBarCtrl().GetState(command); }

    CPaletteTestFrame* frame = nullptr;
};

} // namespace

TEST_F(PaletteBarsTest, ButtonsTypeTheirWordsUnderEachToggle)
{
    struct Step {
        UINT command;
        const char* expected;  // null: a toggle or switch, nothing typed
    };
    const Step steps[] = {
        {32966, "甲"},   {33045, " 赋值 "}, {33116, nullptr}, {33045, "="},   {33055, ","},  {33046, "；"},
        {33116, nullptr}, {33055, "，"},    {33058, "0"},     {33094, nullptr}, {33058, "①"}, {33067, "⑩"},
        {33068, "A"},    {33207, "　"},     {33094, nullptr}, {33068, "a"},   {33115, nullptr}, {33097, "一"},
        {33117, nullptr}, {33097, "壹"},    {33107, "零"},    {33110, "万"},  {33125, nullptr}, {33034, "自然数类型 "},
    };
    std::vector<std::string> expected;
    for (const Step& step : steps) {
        Press(step.command);
        if (step.expected)
            expected.push_back(step.expected);
    }
    EXPECT_EQ(expected, frame->inserted);
}

TEST_F(PaletteBarsTest, SwitchesReloadTheBarsButtons)
{
    CPaletteBar& letters = Bar(kLettersBarId);
    EXPECT_GE(letters.CommandToIndex(33208), 0);
    EXPECT_LT(letters.CommandToIndex(33207), 0);
    Press(33094);
    EXPECT_LT(letters.CommandToIndex(33208), 0);
    EXPECT_GE(letters.CommandToIndex(33207), 0) << "the full-width space button while capital";
    Press(33094);
    EXPECT_GE(letters.CommandToIndex(33208), 0) << "pressed twice: back to the ASCII space";

    CPaletteBar& variables = Bar(kVariableBarId);
    Press(33115);
    EXPECT_GE(variables.CommandToIndex(33097), 0);
    EXPECT_LT(variables.CommandToIndex(32966), 0);
    Press(33125);
    EXPECT_GE(variables.CommandToIndex(32966), 0);
}

TEST_F(PaletteBarsTest, TogglesShowPressedAndEverythingIsDisabledWithoutAView)
{
    Press(33116);
    IdleUpdate();
    EXPECT_TRUE(State(kOperatorsBarId, 33116) & TBSTATE_CHECKED);
    EXPECT_TRUE(State(kOperatorsBarId, 33045) & TBSTATE_ENABLED);
    EXPECT_FALSE(State(kLettersBarId, 33094) & TBSTATE_CHECKED);

    // A floating palette updates as well.
    frame->FloatControlBar(&Bar(kTypesBarId), CPoint(200, 200));
    frame->viewActive = false;
    IdleUpdate();
    for (UINT barId : {kVariableBarId, kLettersBarId, kOperatorsBarId}) {
        for (UINT command : {33115u, 33094u, 33116u, 33045u, 33058u, 32966u}) {
            if (Bar(barId).CommandToIndex(command) >= 0) {
                EXPECT_FALSE(State(barId, command) & TBSTATE_ENABLED) << command;
            }
        }
    }
    CPaletteBar& types = Bar(kTypesBarId);
    types.OnUpdateCmdUI(frame, TRUE);
    EXPECT_FALSE(State(kTypesBarId, 33028) & TBSTATE_ENABLED);
    frame->viewActive = true;
    types.OnUpdateCmdUI(frame, TRUE);
    EXPECT_TRUE(State(kTypesBarId, 33028) & TBSTATE_ENABLED);
}
