#include "editor/inputaids/PaletteBars.h"
#include "editor/res/resource.h"
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
        {ID_PALETTE_STEM_JIA, "甲"}, {ID_PALETTE_ASSIGN, " 赋值 "}, {ID_PALETTE_SYMBOL_OPERATORS, nullptr},
        {ID_PALETTE_ASSIGN, "="}, {ID_PALETTE_COMMA, ","}, {ID_PALETTE_STATEMENT_END, "；"},
        {ID_PALETTE_SYMBOL_OPERATORS, nullptr}, {ID_PALETTE_COMMA, "，"}, {ID_PALETTE_DIGIT_0, "0"},
        {ID_PALETTE_CAPITAL_LETTERS, nullptr}, {ID_PALETTE_DIGIT_0, "①"}, {ID_PALETTE_DIGIT_9, "⑩"},
        {ID_PALETTE_LETTER_A, "A"}, {ID_PALETTE_FULL_WIDTH_SPACE, "　"}, {ID_PALETTE_CAPITAL_LETTERS, nullptr},
        {ID_PALETTE_LETTER_A, "a"}, {ID_PALETTE_LAYOUT_B, nullptr}, {ID_PALETTE_ONE, "一"},
        {ID_PALETTE_CAPITAL_NUMERALS, nullptr}, {ID_PALETTE_ONE, "壹"}, {ID_PALETTE_ZERO, "零"},
        {ID_PALETTE_TEN_THOUSAND, "万"}, {ID_PALETTE_LAYOUT_A, nullptr}, {ID_PALETTE_TYPE_NATURAL, "自然数类型 "},
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
    EXPECT_GE(letters.CommandToIndex(ID_PALETTE_SPACE), 0);
    EXPECT_LT(letters.CommandToIndex(ID_PALETTE_FULL_WIDTH_SPACE), 0);
    Press(ID_PALETTE_CAPITAL_LETTERS);
    EXPECT_LT(letters.CommandToIndex(ID_PALETTE_SPACE), 0);
    EXPECT_GE(letters.CommandToIndex(ID_PALETTE_FULL_WIDTH_SPACE), 0) << "the full-width space button while capital";
    Press(ID_PALETTE_CAPITAL_LETTERS);
    EXPECT_GE(letters.CommandToIndex(ID_PALETTE_SPACE), 0) << "pressed twice: back to the ASCII space";

    CPaletteBar& variables = Bar(kVariableBarId);
    Press(ID_PALETTE_LAYOUT_B);
    EXPECT_GE(variables.CommandToIndex(ID_PALETTE_ONE), 0);
    EXPECT_LT(variables.CommandToIndex(ID_PALETTE_STEM_JIA), 0);
    Press(ID_PALETTE_LAYOUT_A);
    EXPECT_GE(variables.CommandToIndex(ID_PALETTE_STEM_JIA), 0);
}

TEST_F(PaletteBarsTest, TogglesShowPressedAndEverythingIsDisabledWithoutAView)
{
    Press(ID_PALETTE_SYMBOL_OPERATORS);
    IdleUpdate();
    EXPECT_TRUE(State(kOperatorsBarId, ID_PALETTE_SYMBOL_OPERATORS) & TBSTATE_CHECKED);
    EXPECT_TRUE(State(kOperatorsBarId, ID_PALETTE_ASSIGN) & TBSTATE_ENABLED);
    EXPECT_FALSE(State(kLettersBarId, ID_PALETTE_CAPITAL_LETTERS) & TBSTATE_CHECKED);

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
    EXPECT_FALSE(State(kTypesBarId, ID_PALETTE_TYPE_INTEGER) & TBSTATE_ENABLED);
    frame->viewActive = true;
    types.OnUpdateCmdUI(frame, TRUE);
    EXPECT_TRUE(State(kTypesBarId, ID_PALETTE_TYPE_INTEGER) & TBSTATE_ENABLED);
}
