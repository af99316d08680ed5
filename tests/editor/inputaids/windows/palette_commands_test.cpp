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
        {32963, "你", "你"},          {33019, "癸", "癸"},         {33236, "雨", "雨"},
        {33107, "零", "零"},          {33097, "一", "壹"},         {33106, "十", "拾"},
        {33110, "万", "万"},          {33111, "亿", "亿"},         {33223, "清朝", "清朝"},
        {33031, "字符串类型 ", "字符串类型 "}, {33040, "空指针 ", "空指针 "},
        {33058, "0", "①"},            {33067, "9", "⑩"},           {33068, "a", "A"},
        {33093, "z", "Z"},            {33208, " ", " "},           {33207, "　", "　"},
        {33045, " 赋值 ", "="},       {33055, "，", ","},          {33046, "。", "；"},
        {33206, ".", "."},            {33056, "“”", "\"\""},       {33057, "‘’", "''"},
        {33118, "()", "()"},          {33119, "【】", "[]"},       {33044, " 除 ", " ÷ "},
        {33052, " 模除 ", "%"},
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
    EXPECT_TRUE(RunPalettePicker(33203, view, state));
    EXPECT_TRUE(RunPalettePicker(33238, view, state));
    EXPECT_TRUE(RunPalettePicker(33201, view, state));
    EXPECT_EQ((std::vector<std::string>{"链表类型 ", "ㄅ"}), view.inserted);
    EXPECT_FALSE(RunPalettePicker(33045, view, state)) << "a word button opens no dialog";
}

TEST(PalettePickerTest, OperatorsGoThroughThePendingInsertInTheToggledForm)
{
    PaletteState state;
    FakeView view;
    DialogDriver driver{[](DialogDriver& d) { d.Click(65); }, [](DialogDriver& d) { d.Click(65); }};
    state.symbolOperatorsOn = 1;
    RunPalettePicker(33205, view, state);
    state.symbolOperatorsOn = 0;
    RunPalettePicker(33205, view, state);
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
    RunPalettePicker(33123, view, state);
    EXPECT_EQ(1, state.formatFormChoice);
    RunPalettePicker(33123, view, state);
    EXPECT_EQ(1, state.formatFormChoice) << "cancel keeps the remembered form";
    RunPalettePicker(33123, view, state);
    EXPECT_EQ((std::vector<std::string>{"%整", "%字"}), view.inserted);
}

TEST(PalettePickerTest, ColourChooserStartsFromTheLastColour)
{
    PaletteState state;
    state.lastChosenColor = RGB(255, 0, 0);
    FakeView view;
    DialogDriver driver{[](DialogDriver& d) { d.PressOK(); }, [](DialogDriver& d) { d.PressCancel(); }};
    RunPalettePicker(33204, view, state);
    EXPECT_EQ((std::vector<std::string>{"红绿蓝(255,0,0)"}), view.inserted);
    state.lastChosenColor = RGB(1, 2, 3);
    RunPalettePicker(33204, view, state);
    EXPECT_EQ(RGB(1, 2, 3), state.lastChosenColor) << "cancel leaves the colour";
    EXPECT_EQ(1u, view.inserted.size());
}
