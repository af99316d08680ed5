#include "editor/inputaids/PaletteCommands.h"
#include "editor/res/resource.h"
#include "framework/DialogDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Stands in for the active editor view: records what the palettes hand it.
class FakeView : public PaletteInsertTarget {
public:
    void InsertPaletteText(const char* text) override { inserted.push_back(text); }
    void PostPendingInsert(const char* text) override { pending.push_back(text); }
    CWnd* PickerOwner() override { return nullptr; }

    std::vector<std::string> inserted;
    std::vector<std::string> pending;
};

} // namespace

TEST(PaletteWordTextTest, EachButtonTypesTheFormOfItsToggle)
{
    struct Case {
        UINT command;
        const char* plain;    // all toggles off
        const char* toggled;  // all toggles on
    };
    const Case cases[] = {
        {ID_PALETTE_YOU, "你", "你"}, {ID_PALETTE_STEM_GUI, "癸", "癸"}, {ID_PALETTE_RAIN, "雨", "雨"},
        {ID_PALETTE_ZERO, "零", "零"}, {ID_PALETTE_ONE, "一", "壹"}, {ID_PALETTE_TEN, "十", "拾"},
        {ID_PALETTE_TEN_THOUSAND, "万", "万"}, {ID_PALETTE_HUNDRED_MILLION, "亿", "亿"},
        {ID_PALETTE_DYNASTY_QING, "清朝", "清朝"}, {ID_PALETTE_TYPE_STRING, "字符串类型 ", "字符串类型 "},
        {ID_PALETTE_NULL_POINTER, "空指针 ", "空指针 "}, {ID_PALETTE_DIGIT_0, "0", "①"},
        {ID_PALETTE_DIGIT_9, "9", "⑩"}, {ID_PALETTE_LETTER_A, "a", "A"}, {ID_PALETTE_LETTER_Z, "z", "Z"},
        {ID_PALETTE_SPACE, " ", " "}, {ID_PALETTE_FULL_WIDTH_SPACE, "　", "　"},
        {ID_PALETTE_ASSIGN, " 赋值 ", "="}, {ID_PALETTE_COMMA, "，", ","}, {ID_PALETTE_STATEMENT_END, "。", "；"},
        {ID_PALETTE_POINT, ".", "."}, {ID_PALETTE_DOUBLE_QUOTES, "“”", "\"\""},
        {ID_PALETTE_SINGLE_QUOTES, "‘’", "''"}, {ID_PALETTE_PARENTHESES, "()", "()"},
        {ID_PALETTE_BRACKETS, "【】", "[]"}, {ID_PALETTE_DIVIDE, " 除 ", " ÷ "},
        {ID_PALETTE_MODULO, " 模除 ", "%"},
    };
    PaletteState off;
    PaletteState on;
    on.symbolOperatorsOn = on.capitalLettersOn = on.capitalNumeralsOn = 1;
    for (const Case& c : cases) {
        ASSERT_NE(nullptr, PaletteWordText(c.command, off)) << c.command;
        EXPECT_STREQ(c.plain, PaletteWordText(c.command, off)) << c.command;
        EXPECT_STREQ(c.toggled, PaletteWordText(c.command, on)) << c.command;
    }
    // Toggles, switches, dialog buttons and the Enter and Backspace actions type no word.
    for (UINT command : {33094u, 33115u, 33116u, 33117u, 33125u, 33199u, 33050u, 33200u, 33204u, 33205u})
        EXPECT_EQ(nullptr, PaletteWordText(command, off)) << command;
}

TEST(PalettePickerTest, InsertsWhatWasPickedAndNothingOnCancel)
{
    PaletteState state;
    FakeView view;
    DialogDriver driver{[](DialogDriver& d) { d.Click(10); },  // 链表类型
                        [](DialogDriver& d) { d.PressCancel(); },
                        [](DialogDriver& d) { d.PressOK(); }};
    EXPECT_TRUE(RunPalettePicker(ID_PALETTE_MORE_TYPES, view, state));
    EXPECT_TRUE(RunPalettePicker(ID_PALETTE_MORE_LETTERS, view, state));
    EXPECT_TRUE(RunPalettePicker(ID_PALETTE_PHONETIC, view, state));
    EXPECT_EQ((std::vector<std::string>{"链表类型 ", "ㄅ"}), view.inserted);
    EXPECT_FALSE(RunPalettePicker(ID_PALETTE_ASSIGN, view, state)) << "a word button opens no dialog";
}

TEST(PalettePickerTest, OperatorsGoThroughThePendingInsertInTheToggledForm)
{
    PaletteState state;
    FakeView view;
    DialogDriver driver{[](DialogDriver& d) { d.Click(65); }, [](DialogDriver& d) { d.Click(65); }};
    state.symbolOperatorsOn = 1;
    RunPalettePicker(ID_PALETTE_MORE_OPERATORS, view, state);
    state.symbolOperatorsOn = 0;
    RunPalettePicker(ID_PALETTE_MORE_OPERATORS, view, state);
    ASSERT_EQ(2u, view.pending.size());
    EXPECT_EQ("分支( ){ }", view.pending[0]);
    EXPECT_EQ(0u, view.pending[1].rfind("检查(【整数变量】", 0));
    EXPECT_TRUE(view.inserted.empty());
}

TEST(PalettePickerTest, FormatPickerRemembersTheFormOnlyWhenSomethingWasPicked)
{
    PaletteState state;
    FakeView view;
    DialogDriver driver{[](DialogDriver& d) {
                            d.Click(IDC_FORMAT_SHORT);
                            d.Click(IDOK);
                        },
                        [](DialogDriver& d) {
                            d.Click(IDC_FORMAT_LONG);
                            d.PressCancel();
                        },
                        [](DialogDriver& d) { d.Click(9); }};
    RunPalettePicker(ID_PALETTE_FORMAT, view, state);
    EXPECT_EQ(1, state.formatFormChoice);
    RunPalettePicker(ID_PALETTE_FORMAT, view, state);
    EXPECT_EQ(1, state.formatFormChoice) << "cancel keeps the remembered form";
    RunPalettePicker(ID_PALETTE_FORMAT, view, state);
    EXPECT_EQ((std::vector<std::string>{"%整", "%字"}), view.inserted);
}

TEST(PalettePickerTest, ColourChooserStartsFromTheLastColour)
{
    PaletteState state;
    state.lastChosenColor = RGB(255, 0, 0);
    FakeView view;
    DialogDriver driver{[](DialogDriver& d) { d.PressOK(); }, [](DialogDriver& d) { d.PressCancel(); }};
    RunPalettePicker(ID_PALETTE_COLOR, view, state);
    EXPECT_EQ((std::vector<std::string>{"红绿蓝(255,0,0)"}), view.inserted);
    state.lastChosenColor = RGB(1, 2, 3);
    RunPalettePicker(ID_PALETTE_COLOR, view, state);
    EXPECT_EQ(RGB(1, 2, 3), state.lastChosenColor) << "cancel leaves the colour";
    EXPECT_EQ(1u, view.inserted.size());
}
