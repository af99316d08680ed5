#pragma once
#include <windows.h>

#include "framework/CString.h"

class CWnd;

// One data exchange between a dialog's controls and its members: DoDataExchange calls the
// DDX_ functions (load the controls, or save and validate them) and the DDV_ checks after
// them. A failed check has shown its message; Fail puts the focus back on the control and
// ends the exchange with CUserException.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    // The control with id, remembered for Fail; null (with a debug message) when missing.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    [[noreturn]] void Fail();

    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
};

// Texts. Numbers are decimal, surrounded by blanks at most; a bad text shows the framework's
// message ("请输入一个整数。", "请输入一个正整数。", "请输入一个数。") and fails.
void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, long& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
void DDX_Text(CDataExchange* dx, int id, DWORD& value);
void DDX_Text(CDataExchange* dx, int id, double& value);

// Buttons: a check box's state 0, 1 or 2; the index of the checked button of the radio group
// that begins with id (-1 when none).
void DDX_Check(CDataExchange* dx, int id, int& value);
void DDX_Radio(CDataExchange* dx, int id, int& value);

// List and combo boxes: the selected index (-1 none), or the selected item's text. Loading a
// text selects the first item that begins with it; a combo box with an edit field that has
// no such item shows the text itself.
void DDX_LBIndex(CDataExchange* dx, int id, int& index);
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
void DDX_LBString(CDataExchange* dx, int id, CString& value);
void DDX_CBString(CDataExchange* dx, int id, CString& value);

// Subclasses the control id into control on the first exchange.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

// Checks of the value just exchanged, when saving ("请输入 %1 到 %2 之间的整数。",
// "请输入不超过 %1 个字符。"). DDV_MaxChars also limits the edit
// control when loading.
void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue);
void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minValue, UINT maxValue);
void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars);
