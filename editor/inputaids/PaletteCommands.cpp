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
    {ID_PALETTE_YOU, "你"}, {ID_PALETTE_I, "我"}, {ID_PALETTE_HE, "他"}, {ID_PALETTE_STEM_JIA, "甲"},
    {ID_PALETTE_STEM_YI, "乙"}, {ID_PALETTE_STEM_BING, "丙"}, {ID_PALETTE_STEM_DING, "丁"},
    {ID_PALETTE_STEM_WU, "戊"}, {ID_PALETTE_STEM_JI, "己"}, {ID_PALETTE_STEM_GENG, "庚"},
    {ID_PALETTE_STEM_XIN, "辛"}, {ID_PALETTE_STEM_REN, "壬"}, {ID_PALETTE_STEM_GUI, "癸"},
    {ID_PALETTE_BRANCH_ZI, "子"}, {ID_PALETTE_BRANCH_CHOU, "丑"}, {ID_PALETTE_BRANCH_YIN, "寅"},
    {ID_PALETTE_BRANCH_MAO, "卯"}, {ID_PALETTE_BRANCH_CHEN, "辰"}, {ID_PALETTE_BRANCH_SI, "巳"},
    {ID_PALETTE_BRANCH_WU, "午"}, {ID_PALETTE_BRANCH_WEI, "未"}, {ID_PALETTE_BRANCH_SHEN, "申"},
    {ID_PALETTE_BRANCH_YOU, "酉"}, {ID_PALETTE_BRANCH_XU, "戌"}, {ID_PALETTE_BRANCH_HAI, "亥"},
    {ID_PALETTE_METAL, "金"}, {ID_PALETTE_WOOD, "木"}, {ID_PALETTE_WATER, "水"}, {ID_PALETTE_FIRE, "火"},
    {ID_PALETTE_EARTH, "土"}, {ID_PALETTE_MOUNTAIN, "山"}, {ID_PALETTE_FLOWER, "花"}, {ID_PALETTE_CLOUD, "云"},
    {ID_PALETTE_RAIN, "雨"}, {ID_PALETTE_SNOW, "雪"}, {ID_PALETTE_TRIGRAM_QIAN, "乾"},
    {ID_PALETTE_TRIGRAM_KUN, "坤"}, {ID_PALETTE_TRIGRAM_ZHEN, "震"}, {ID_PALETTE_TRIGRAM_XUN, "巽"},
    {ID_PALETTE_TRIGRAM_KAN, "坎"}, {ID_PALETTE_TRIGRAM_LI, "离"}, {ID_PALETTE_TRIGRAM_GEN, "艮"},
    {ID_PALETTE_TRIGRAM_DUI, "兑"},
};

// Layout B; the numerals take their capital form under the capital-numerals toggle.
const WordButton kNumeralWords[] = {
    {ID_PALETTE_ZERO, "零"}, {ID_PALETTE_ONE, "一", "壹"}, {ID_PALETTE_TWO, "二", "贰"},
    {ID_PALETTE_THREE, "三", "叁"}, {ID_PALETTE_FOUR, "四", "肆"}, {ID_PALETTE_FIVE, "五", "伍"},
    {ID_PALETTE_SIX, "六", "陆"}, {ID_PALETTE_SEVEN, "七", "柒"}, {ID_PALETTE_EIGHT, "八", "捌"},
    {ID_PALETTE_NINE, "九", "玖"}, {ID_PALETTE_TEN, "十", "拾"}, {ID_PALETTE_HUNDRED, "百", "佰"},
    {ID_PALETTE_THOUSAND, "千", "仟"}, {ID_PALETTE_TEN_THOUSAND, "万"}, {ID_PALETTE_HUNDRED_MILLION, "亿"},
    {ID_PALETTE_YUAN, "元"}, {ID_PALETTE_JIAO, "角"}, {ID_PALETTE_FEN, "分"}, {ID_PALETTE_CUN, "寸"},
    {ID_PALETTE_CHI, "尺"}, {ID_PALETTE_METRE, "米"}, {ID_PALETTE_LI, "里"}, {ID_PALETTE_JIN, "斤"},
    {ID_PALETTE_LIANG, "两"}, {ID_PALETTE_QIAN, "钱"}, {ID_PALETTE_SUN, "日"}, {ID_PALETTE_MOON, "月"},
    {ID_PALETTE_STAR, "星"}, {ID_PALETTE_LUNAR_MANSION, "宿"}, {ID_PALETTE_AUTUMN, "秋"},
    {ID_PALETTE_WINTER, "冬"}, {ID_PALETTE_SPRING, "春"}, {ID_PALETTE_SUMMER, "夏"},
    {ID_PALETTE_DYNASTY_SHANG, "商朝"}, {ID_PALETTE_DYNASTY_ZHOU, "周朝"}, {ID_PALETTE_DYNASTY_QIN, "秦朝"},
    {ID_PALETTE_DYNASTY_HAN, "汉朝"}, {ID_PALETTE_DYNASTY_JIN, "晋朝"}, {ID_PALETTE_DYNASTY_SUI, "隋朝"},
    {ID_PALETTE_DYNASTY_TANG, "唐朝"}, {ID_PALETTE_DYNASTY_SONG, "宋朝"}, {ID_PALETTE_DYNASTY_YUAN, "元朝"},
    {ID_PALETTE_DYNASTY_MING, "明朝"}, {ID_PALETTE_DYNASTY_QING, "清朝"},
};

// Bar "数据类型工具条": type words with a trailing blank.
const WordButton kTypeWords[] = {
    {ID_PALETTE_TYPE_INTEGER, "整数类型 "}, {ID_PALETTE_TYPE_NATURAL, "自然数类型 "},
    {ID_PALETTE_TYPE_DECIMAL, "小数类型 "}, {ID_PALETTE_TYPE_DOUBLE, "双精度类型 "},
    {ID_PALETTE_TYPE_CHARACTER, "字符类型 "}, {ID_PALETTE_TYPE_BYTE, "字节类型 "}, {ID_PALETTE_TYPE_STRING, "字符串类型 "},
    {ID_PALETTE_TYPE_HANZI, "汉字类型 "}, {ID_PALETTE_TYPE_ENUM, "枚举类型 "}, {ID_PALETTE_TYPE_STRUCT, "结构类型 "},
    {ID_PALETTE_TYPE_UNION, "共用体类型 "}, {ID_PALETTE_TYPE_VOID, "无类型 "}, {ID_PALETTE_TYPE_HANDLE, "证件类型 "},
    {ID_PALETTE_TYPE_WINDOW_HANDLE, "窗口证类型 "}, {ID_PALETTE_NULL_POINTER, "空指针 "},
};

// Bar "数字和字母工具条": digits become circled numbers (the digit plus one) and letters
// upper case under the capital-letters toggle. The two space buttons live on different
// resources of the bar.
const WordButton kDigitWords[] = {
    {ID_PALETTE_DIGIT_0, "0", "①"}, {ID_PALETTE_DIGIT_1, "1", "②"}, {ID_PALETTE_DIGIT_2, "2", "③"},
    {ID_PALETTE_DIGIT_3, "3", "④"}, {ID_PALETTE_DIGIT_4, "4", "⑤"}, {ID_PALETTE_DIGIT_5, "5", "⑥"},
    {ID_PALETTE_DIGIT_6, "6", "⑦"}, {ID_PALETTE_DIGIT_7, "7", "⑧"}, {ID_PALETTE_DIGIT_8, "8", "⑨"},
    {ID_PALETTE_DIGIT_9, "9", "⑩"}, {ID_PALETTE_SPACE, " "}, {ID_PALETTE_FULL_WIDTH_SPACE, "　"},
};
constexpr UINT kFirstLetter = ID_PALETTE_LETTER_A;  // "a" … "z"
static_assert(ID_PALETTE_LETTER_Z == kFirstLetter + 25, "the letters are numbered without a gap");

// Bar "运算符工具条": word operators carry a blank on each side, symbols none (but "÷").
const WordButton kOperatorWords[] = {
    {ID_PALETTE_ASSIGN, " 赋值 ", "="}, {ID_PALETTE_COMMA, "，", ","}, {ID_PALETTE_POINT, "."},
    {ID_PALETTE_STATEMENT_END, "。", "；"}, {ID_PALETTE_DOUBLE_QUOTES, "“”", "\"\""},
    {ID_PALETTE_SINGLE_QUOTES, "‘’", "''"}, {ID_PALETTE_PARENTHESES, "()"}, {ID_PALETTE_BRACKETS, "【】", "[]"},
    {ID_PALETTE_BRACES, "{}"}, {ID_PALETTE_ADD, " 加 ", "+"}, {ID_PALETTE_SUBTRACT, " 减 ", "-"},
    {ID_PALETTE_MULTIPLY, " 乘 ", "*"}, {ID_PALETTE_DIVIDE, " 除 ", " ÷ "}, {ID_PALETTE_MODULO, " 模除 ", "%"},
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
