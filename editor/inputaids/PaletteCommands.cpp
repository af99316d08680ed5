#include "editor/inputaids/PaletteCommands.h"

#include "editor/inputaids/PickDialogs.h"
#include "editor/res/resource.h"
#include "framework/CommonDialogs.h"

#include <memory>

namespace {

struct WordButton {
    UINT command;
    const char* text;
    const char* toggled;  // the form while the governing toggle is on; null: the same
};

// Bar "变量工具条", layout A: one character each.
const WordButton kVariableWords[] = {
    {32963, "你"}, {32964, "我"}, {32965, "他"},
    {32966, "甲"}, {33017, "乙"}, {33018, "丙"}, {32969, "丁"}, {32970, "戊"},
    {32971, "己"}, {32972, "庚"}, {32973, "辛"}, {32974, "壬"}, {33019, "癸"},
    {32976, "子"}, {32977, "丑"}, {32978, "寅"}, {32979, "卯"}, {32980, "辰"}, {32981, "巳"},
    {32982, "午"}, {32983, "未"}, {32984, "申"}, {32985, "酉"}, {32986, "戌"}, {32987, "亥"},
    {33020, "金"}, {33021, "木"}, {33022, "水"}, {33023, "火"}, {33024, "土"},
    {33005, "山"}, {33006, "花"}, {33007, "云"}, {33236, "雨"}, {33008, "雪"},
    {33009, "乾"}, {33010, "坤"}, {33011, "震"}, {33012, "巽"},
    {33013, "坎"}, {33014, "离"}, {33015, "艮"}, {33016, "兑"},
};

// Layout B; the numerals take their capital form under the capital-numerals toggle.
const WordButton kNumeralWords[] = {
    {33107, "零"}, {33097, "一", "壹"}, {33098, "二", "贰"}, {33099, "三", "叁"},
    {33100, "四", "肆"}, {33101, "五", "伍"}, {33102, "六", "陆"}, {33103, "七", "柒"},
    {33104, "八", "捌"}, {33105, "九", "玖"}, {33106, "十", "拾"}, {33108, "百", "佰"},
    {33109, "千", "仟"}, {33110, "万"}, {33111, "亿"},
    {33112, "元"}, {33113, "角"}, {33114, "分"}, {33215, "寸"}, {33214, "尺"},
    {33210, "米"}, {33211, "里"}, {33212, "斤"}, {33213, "两"}, {33216, "钱"},
    {33224, "日"}, {33225, "月"}, {33226, "星"}, {33227, "宿"},
    {33228, "秋"}, {33229, "冬"}, {33230, "春"}, {33231, "夏"},
    {33232, "商朝"}, {33233, "周朝"}, {33234, "秦朝"}, {33235, "汉朝"}, {33217, "晋朝"},
    {33218, "隋朝"}, {33219, "唐朝"}, {33220, "宋朝"}, {33221, "元朝"}, {33222, "明朝"},
    {33223, "清朝"},
};

// Bar "数据类型工具条": type words with a trailing blank.
const WordButton kTypeWords[] = {
    {33028, "整数类型 "}, {33034, "自然数类型 "}, {33027, "小数类型 "}, {33035, "双精度类型 "},
    {33029, "字符类型 "}, {33032, "字节类型 "},   {33031, "字符串类型 "}, {33030, "汉字类型 "},
    {33036, "枚举类型 "}, {33037, "结构类型 "},   {33038, "共用体类型 "}, {33047, "无类型 "},
    {33039, "证件类型 "}, {33053, "窗口证类型 "}, {33040, "空指针 "},
};

// Bar "数字和字母工具条": digits become circled numbers (the digit plus one) and letters
// upper case under the capital-letters toggle. The two space buttons live on different
// resources of the bar.
const WordButton kDigitWords[] = {
    {33058, "0", "①"}, {33059, "1", "②"}, {33060, "2", "③"}, {33061, "3", "④"},
    {33062, "4", "⑤"}, {33063, "5", "⑥"}, {33064, "6", "⑦"}, {33065, "7", "⑧"},
    {33066, "8", "⑨"}, {33067, "9", "⑩"}, {33208, " "}, {33207, "　"},
};
constexpr UINT kFirstLetter = 33068;  // "a" … "z" up to 33093

// Bar "运算符工具条": word operators carry a blank on each side, symbols none (but "÷").
const WordButton kOperatorWords[] = {
    {33045, " 赋值 ", "="},  {33055, "，", ","},    {33206, "."},          {33046, "。", "；"},
    {33056, "“”", "\"\""}, {33057, "‘’", "''"},  {33118, "()"},         {33119, "【】", "[]"},
    {33120, "{}"},         {33041, " 加 ", "+"},  {33042, " 减 ", "-"},  {33043, " 乘 ", "*"},
    {33044, " 除 ", " ÷ "}, {33052, " 模除 ", "%"},
};

template <size_t N>
const WordButton* Find(const WordButton (&buttons)[N], UINT command)
{
    for (const WordButton& button : buttons)
        if (button.command == command)
            return &button;
    return nullptr;
}

const char* Choose(const WordButton* button, int toggle)
{
    return toggle && button->toggled ? button->toggled : button->text;
}

void InsertUnlessEmpty(PaletteInsertTarget& target, const CString& text)
{
    if (!text.IsEmpty())
        target.InsertPaletteText(text);
}

// The pickers whose result is inserted as it stands.
std::unique_ptr<CPickDlg> MakeWordPicker(UINT command, CWnd* owner)
{
    switch (command) {
    case ID_PALETTE_MORE_NAMES:
        return std::make_unique<CVariableNamePickDlg>(owner);
    case ID_PALETTE_PHONETIC:
        return std::make_unique<CPhoneticSymbolDlg>(owner);
    case ID_PALETTE_MORE_TYPES:
        return std::make_unique<CDataTypePickDlg>(owner);
    default:
        return std::make_unique<CAncientNumeralDlg>(owner);
    }
}

} // namespace

PaletteState& ThePaletteState()
{
    static PaletteState state;
    return state;
}

const char* PaletteWordText(UINT command, const PaletteState& state)
{
    static const char* const kLetters[2][26] = {
        {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m",
         "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z"},
        {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
         "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"},
    };
    if (command >= kFirstLetter && command < kFirstLetter + 26)
        return kLetters[state.capitalLettersOn ? 1 : 0][command - kFirstLetter];
    if (const WordButton* button = Find(kVariableWords, command))
        return button->text;
    if (const WordButton* button = Find(kNumeralWords, command))
        return Choose(button, state.capitalNumeralsOn);
    if (const WordButton* button = Find(kTypeWords, command))
        return button->text;
    if (const WordButton* button = Find(kDigitWords, command))
        return Choose(button, state.capitalLettersOn);
    if (const WordButton* button = Find(kOperatorWords, command))
        return Choose(button, state.symbolOperatorsOn);
    return nullptr;
}

bool RunPalettePicker(UINT command, PaletteInsertTarget& target, PaletteState& state)
{
    CWnd* owner = target.PickerOwner();
    switch (command) {
    case ID_PALETTE_MORE_NAMES:
    case ID_PALETTE_PHONETIC:
    case ID_PALETTE_MORE_TYPES:
    case ID_PALETTE_MORE_LETTERS: {
        std::unique_ptr<CPickDlg> picker = MakeWordPicker(command, owner);
        if (picker->DoModal() == IDOK)
            InsertUnlessEmpty(target, picker->m_result);
        return true;
    }
    case ID_PALETTE_FORMAT: {
        CFormatChoiceDlg picker(owner);
        picker.m_formFlag = state.formatFormChoice;
        if (picker.DoModal() == IDOK) {
            state.formatFormChoice = picker.m_formFlag;
            InsertUnlessEmpty(target, picker.m_result);
        }
        return true;
    }
    case ID_PALETTE_MORE_OPERATORS: {
        COperatorPickDlg picker(owner);
        if (picker.DoModal() == IDOK) {
            const CString& text = state.symbolOperatorsOn ? picker.m_symbolForm : picker.m_wordForm;
            if (!text.IsEmpty())
                target.PostPendingInsert(text);
        }
        return true;
    }
    case ID_PALETTE_COLOR: {
        CColorDialog chooser(state.lastChosenColor, 0, owner);
        if (chooser.DoModal() == IDOK) {
            state.lastChosenColor = chooser.GetColor();
            CString text;
            text.Format("红绿蓝(%u,%u,%u)", GetRValue(state.lastChosenColor), GetGValue(state.lastChosenColor),
                        GetBValue(state.lastChosenColor));
            target.InsertPaletteText(text);
        }
        return true;
    }
    default:
        return false;
    }
}
