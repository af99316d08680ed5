/* Controls with Chinese class names and style words; windows and window classes. */
#include "runtime/源码/视窗.h"
#include "runtime/源码/显示.h"
#include "runtime/源码/字符.h"

#include <string.h>

/* ---- Class names ------------------------------------------------------------------- */

/* The Chinese class names and the platform classes they stand for. */
typedef struct ControlClassName {
    const char* name;
    const char* className;
} ControlClassName;

static const ControlClassName kControlClassTable[] = {
    {"按钮", "BUTTON"},
    {"组合框", "COMBOBOX"},
    {"编辑框", "EDIT"},
    {"列表框", "LISTBOX"},
    {"多文档用户区", "MDICLIENT"},
    {"富文本编辑框", "RichEdit"},
    {"富文本2代", "RICHEDIT_CLASS"},
    {"滚动条", "SCROLLBAR"},
    {"静态框", "STATIC"},
};

const char* WndMapClassName(const char* name)
{
    if (!name || IS_INTRESOURCE(name))
        return name;
    CharCode first = MbCharAt(name);
    for (size_t i = 0; i < sizeof kControlClassTable / sizeof kControlClassTable[0]; i++) {
        const ControlClassName* row = &kControlClassTable[i];
        if (MbCharAt(row->name) == first && strcmp(row->name, name) == 0)
            return row->className;
    }
    return name;
}

/* ---- Style words ------------------------------------------------------------------- */

enum { kMaxStyleRows = 7 };

/* A constructor's rows (indexed by kind) and its class. */
typedef struct StyleTable {
    const char* className;
    int rowCount;
    ControlStyle rows[kMaxStyleRows];
} StyleTable;

static const StyleTable kStyleTables[kControlKindCount] = {
    [kControlButton] = {"BUTTON", 7, {{0x50010000, 0}, {0x50018000, 0}, {0x50818000, 0},
                        {0x50010000, 0x1}, {0x50010000, 0x20000}, {0x50010000, 0},
                        {0x50010000, 0x201}}},
    [kControlCheckBox] = {"BUTTON", 2, {{0x50010003, 0}, {0x50010023, 0}}},
    [kControlRadioButton] = {"BUTTON", 2, {{0x50010009, 0}, {0x50010029, 0}}},
    [kControlGroupBox] = {"BUTTON", 7, {{0x50000007, 0}, {0x50008007, 0}, {0x50808007, 0},
                          {0x50000007, 0x1}, {0x50000007, 0x20000}, {0x50000007, 0},
                          {0x50000007, 0x201}}},
    [kControlLabel] = {"STATIC", 7, {{0x5000000C, 0}, {0x5000000C, 0}, {0x5080000C, 0},
                       {0x5000000C, 0x1}, {0x5000100C, 0}, {0x5000000C, 0x200},
                       {0x5000000C, 0x201}}},
    [kControlPicture] = {"STATIC", 7, {{0x5000000E, 0}, {0x5000000E, 0}, {0x5080000E, 0},
                         {0x5000000E, 0x1}, {0x5000100E, 0}, {0x5000000E, 0x200},
                         {0x5000000E, 0x201}}},
    [kControlEdit] = {"EDIT", 7, {{0x50010000, 0x200}, {0x50010000, 0}, {0x50810000, 0},
                      {0x50010000, 0x1}, {0x50010000, 0x20000}, {0x50010000, 0x200},
                      {0x5000000C, 0x201}}},
    [kControlRichEdit] = {"RichEdit", 7, {{0x50010000, 0x200}, {0x50010000, 0},
                          {0x50810000, 0}, {0x50010000, 0x1}, {0x50010000, 0x20000},
                          {0x50010000, 0x200}, {0x5000000C, 0x201}}},
    [kControlComboBox] = {"COMBOBOX", 4, {{0x50010002, 0}, {0x50010002, 0}, {0x50010003, 0},
                          {0x50010001, 0}}},
    [kControlListBox] = {"LISTBOX", 7, {{0x50010141, 0x200}, {0x50010141, 0},
                         {0x50810141, 0}, {0x50010141, 0x1}, {0x50010141, 0x20000},
                         {0x50010141, 0x200}, {0x50010141, 0x201}}},
    [kControlScrollBar] = {"SCROLLBAR", 3, {{0x50000000, 0}, {0x50000000, 0},
                           {0x50000001, 0}}},
};

static int Has(DWORD word, DWORD flag)
{
    return (word & flag) != 0;
}

/* The flags that only some constructors know, applied in the order the table lists them. */
static void ApplyKindFlags(ControlKind kind, ControlStyleWord word, ControlStyle* s)
{
    switch (kind) {
    case kControlButton:
        if (Has(word, 0x1000)) s->style |= 0x1;
        if (Has(word, 0x2000)) s->style |= 0x2000;
        if (Has(word, 0x100)) s->style |= 0x4000;
        break;
    case kControlCheckBox:
    case kControlRadioButton:
        if (Has(word, 0x1000)) s->style |= 0x20000;
        if (Has(word, 0x2000)) s->style |= 0x2000;
        if (Has(word, 0x100)) s->style |= 0x4000;
        break;
    case kControlLabel:
        if (Has(word, 0x1000)) s->style |= 0x2;
        if (Has(word, 0x2000)) s->style &= ~(DWORD)0xC;
        if (Has(word, 0x100)) s->style |= 0x4000;
        break;
    case kControlPicture:
        if (Has(word, 0x1000)) s->style = (s->style & ~(DWORD)0xE) | 0x3;
        if (Has(word, 0x200)) s->style |= 0x200;
        if (Has(word, 0x100)) s->style |= 0x4000;
        break;
    case kControlEdit:
        if (Has(word, 0x20)) s->style |= 0x20;
        if (Has(word, 0x1000)) s->style |= 0x2;
        else if (Has(word, 0x200)) s->style |= 0x1;
        if (Has(word, 0x2000)) s->style |= 0x4;
        if (Has(word, 0x100)) s->style |= 0x1000;
        break;
    case kControlRichEdit:
        if (Has(word, 0x2000)) s->style |= 0x4;
        if (Has(word, 0x100)) s->style |= 0x1000;
        break;
    case kControlListBox:
        if (Has(word, 0x2000)) s->style |= 0x8;
        if (Has(word, 0x1000)) s->style |= 0x2;
        break;
    default:
        break;
    }
}

ControlStyle WndResolveControlStyle(ControlKind kind, ControlStyleWord styleWord,
                                    ControlStyle programSet)
{
    if (styleWord == 0)
        styleWord = kStyleWordTable;
    if (!(styleWord & kStyleWordTable)) {
        ControlStyle plain = {styleWord, 0};
        return plain;
    }
    if (styleWord == kStyleWordProgramSet || kind < 0 || kind >= kControlKindCount)
        return programSet;
    const StyleTable* table = &kStyleTables[kind];
    int row = (int)(styleWord & kStyleWordKindMask);
    ControlStyle s = row < table->rowCount ? table->rows[row] : programSet;
    if (Has(styleWord, kStyleWordDisabled))
        s.style |= WS_DISABLED;
    if (Has(styleWord, kStyleWordHidden))
        s.style &= ~(DWORD)WS_VISIBLE;
    if (Has(styleWord, kStyleWordTransparent) && kind != kControlScrollBar)
        s.exStyle |= WS_EX_TRANSPARENT;
    ApplyKindFlags(kind, styleWord, &s);
    return s;
}

/* ---- Program-set values ------------------------------------------------------------ */

static ControlStyle g_programSetStyle = {0x10000000, 0x10000000};
static HFONT g_defaultControlFont;

void WndSetControlStyle(DWORD style, DWORD exStyle)
{
    g_programSetStyle.style = style;
    g_programSetStyle.exStyle = exStyle;
}

DWORD WndGetControlStyle(int which)
{
    return which == 0 ? g_programSetStyle.style : g_programSetStyle.exStyle;
}

void WndSetDefaultControlFont(HFONT font)
{
    g_defaultControlFont = font;
}

HFONT WndGetDefaultControlFont(void)
{
    return g_defaultControlFont;
}

/* ---- Windows and classes ----------------------------------------------------------- */

ATOM WndRegisterClass(const char* className, WNDPROC procedure, UINT classStyle,
                      const char* menuName, HICON icon, HCURSOR cursor, HBRUSH background)
{
    WNDCLASSA windowClass;
    memset(&windowClass, 0, sizeof windowClass);
    windowClass.style = classStyle ? classStyle : CS_VREDRAW | CS_HREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GfxGetInstance();
    windowClass.hIcon = icon;
    windowClass.hCursor = cursor ? cursor : LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    windowClass.hbrBackground = background ? background : (HBRUSH)(INT_PTR)2;
    windowClass.lpszMenuName = menuName;
    windowClass.lpszClassName = className;
    return RegisterClassA(&windowClass);
}

HWND WndCreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                 int y, int width, int height, HWND parent, HMENU menuOrId, void* parameter)
{
    return CreateWindowExA(exStyle, WndMapClassName(className), title,
                           style ? style : WS_OVERLAPPEDWINDOW, x, y, width, height,
                           parent ? parent : GfxGetDisplayWindow(), menuOrId, GfxGetInstance(),
                           parameter);
}

HWND WndCreate(const char* className, const char* title, DWORD style, int x, int y, int width,
               int height, HWND parent, HMENU menuOrId, void* parameter)
{
    return WndCreateEx(0, className, title, style, x, y, width, height, parent, menuOrId,
                       parameter);
}

/* ---- Control constructors ---------------------------------------------------------- */

static HWND CreateControl(ControlKind kind, HWND parent, const char* text, int x, int y,
                          int width, int height, ControlStyleWord styleWord, int id)
{
    ControlStyle s = WndResolveControlStyle(kind, styleWord, g_programSetStyle);
    HMENU childId = (HMENU)(INT_PTR)id;
    const char* className = kStyleTables[kind].className;
    HWND control = kind == kControlScrollBar
        ? WndCreate(className, text, s.style, x, y, width, height, parent, childId, NULL)
        : WndCreateEx(s.exStyle, className, text, s.style, x, y, width, height, parent,
                      childId, NULL);
    if (control && g_defaultControlFont)
        SendMessageA(control, WM_SETFONT, (WPARAM)g_defaultControlFont, 0);
    return control;
}

#define DEFINE_CONTROL_CONSTRUCTOR(name, kind)                                              \
    HWND name(HWND parent, const char* text, int x, int y, int width, int height,           \
              ControlStyleWord styleWord, int id)                                           \
    {                                                                                       \
        return CreateControl(kind, parent, text, x, y, width, height, styleWord, id);      \
    }

DEFINE_CONTROL_CONSTRUCTOR(WndCreateButton, kControlButton)
DEFINE_CONTROL_CONSTRUCTOR(WndCreateCheckBox, kControlCheckBox)
DEFINE_CONTROL_CONSTRUCTOR(WndCreateRadioButton, kControlRadioButton)
DEFINE_CONTROL_CONSTRUCTOR(WndCreateGroupBox, kControlGroupBox)
DEFINE_CONTROL_CONSTRUCTOR(WndCreateLabel, kControlLabel)
DEFINE_CONTROL_CONSTRUCTOR(WndCreatePicture, kControlPicture)
DEFINE_CONTROL_CONSTRUCTOR(WndCreateEdit, kControlEdit)
DEFINE_CONTROL_CONSTRUCTOR(WndCreateRichEdit, kControlRichEdit)
DEFINE_CONTROL_CONSTRUCTOR(WndCreateComboBox, kControlComboBox)
DEFINE_CONTROL_CONSTRUCTOR(WndCreateListBox, kControlListBox)
DEFINE_CONTROL_CONSTRUCTOR(WndCreateScrollBar, kControlScrollBar)
