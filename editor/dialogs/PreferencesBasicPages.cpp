// The preferences' pages that work straight on their controls: 通用, 可视化, 打印, 文件, 备份.
#include "editor/dialogs/PreferencesBasicPages.h"

#include "editor/res/resource.h"

namespace {

const PreferencesSwitch kGeneralSwitches[] = {
    {IDC_SPACES_FOR_TAB, nullptr, &CViewSettings::spacesForTab},
    {IDC_WRAP_ON_OPEN, nullptr, &CViewSettings::wrapOnOpen},
    {IDC_AUTO_INDENT, nullptr, &CViewSettings::autoIndent},
    {IDC_HOME_TO_FIRST, nullptr, &CViewSettings::homeToFirstPosition},
    {IDC_SEARCH_WRAPS, nullptr, &CViewSettings::searchWraps},
    {IDC_DRAG_DROP_EDITING, nullptr, &CViewSettings::dragDropEditing},
    {IDC_AUTO_CLOSE_BRACKETS, nullptr, &CViewSettings::autoCloseBrackets},
    {IDC_VOCABULARY_POPUP, nullptr, &CViewSettings::vocabularyPopup},
    {IDC_VOCABULARY_COMMENT, &CEditorSettings::vocabularyWithComment, nullptr},
};
const PreferencesNumber kGeneralNumbers[] = {
    {IDC_TAB_SIZE, nullptr, &CViewSettings::tabSize, 1, 64},
    {IDC_WRAP_INDENT, nullptr, &CViewSettings::wrapIndent, 0, 16},
};

const PreferencesSwitch kVisualSwitches[] = {
    {IDC_MARKER1, nullptr, &CViewSettings::marker1On},
    {IDC_MARKER2, nullptr, &CViewSettings::marker2On},
    {IDC_SHOW_LINE_NUMBERS, nullptr, &CViewSettings::showLineNumbers},
    {IDC_SHOW_SELECTION_MARGIN, nullptr, &CViewSettings::showSelectionMargin},
    {IDC_HIGHLIGHT_LINE, nullptr, &CViewSettings::highlightCurrentLine},
    {IDC_HIGHLIGHT_PAIR, nullptr, &CViewSettings::highlightMatchingPair},
    {IDC_BOLD_KEYWORDS, nullptr, &CViewSettings::boldKeywords},
    {IDC_ITALIC_COMMENTS, nullptr, &CViewSettings::italicComments},
    {IDC_SHOW_TABS, nullptr, &CViewSettings::showTabs},
    {IDC_SHOW_LINE_ENDS, nullptr, &CViewSettings::showLineEnds},
};
const PreferencesNumber kVisualNumbers[] = {
    {IDC_LINE_SPACING, nullptr, &CViewSettings::lineSpacingPercent, 50, 200},
    {IDC_CARET_WIDTH, nullptr, &CViewSettings::caretWidthPercent, 1, 100},
    {IDC_LINE_DIGITS, nullptr, &CViewSettings::lineNumberDigits, 2, 8},
    {IDC_TAB_TITLE, &CEditorSettings::maxTabTitle, nullptr, 12, 60},
    {IDC_MARKER1_COLUMN, nullptr, &CViewSettings::marker1Column, 0, 160},
    {IDC_MARKER2_COLUMN, nullptr, &CViewSettings::marker2Column, 0, 160},
};

const PreferencesSwitch kPrintSwitches[] = {
    {IDC_PRINT_HEADER, nullptr, &CViewSettings::printHeader},
    {IDC_PRINT_FOOTER, nullptr, &CViewSettings::printFooter},
    {IDC_PRINT_LINE_NUMBERS, nullptr, &CViewSettings::printLineNumbers},
    {IDC_PRINT_SYNTAX_COLOURS, nullptr, &CViewSettings::printSyntaxColours},
};

const PreferencesSwitch kFilesSwitches[] = {
    {IDC_NEW_DOCUMENT_AT_START, &CEditorSettings::newDocumentAtStart, nullptr},
    {IDC_REOPEN_AT_START, &CEditorSettings::reopenWorkspaceAtStart, nullptr},
    {IDC_TABS_TO_SPACES, &CEditorSettings::tabsToSpacesOnSave, nullptr},
    {IDC_STRIP_TRAILING, &CEditorSettings::stripTrailingOnSave, nullptr},
    {IDC_SAVE_UNIX, &CEditorSettings::saveUnixLineEnds, nullptr},
    {IDC_SAVE_REMOTE_UNIX, &CEditorSettings::saveRemoteUnixLineEnds, nullptr},
};

const int kMarginEdits[4] = {IDC_MARGIN_LEFT, IDC_MARGIN_TOP, IDC_MARGIN_RIGHT, IDC_MARGIN_BOTTOM};
struct TextEdit {
    int id;
    std::string CViewSettings::*text;
};
const TextEdit kPrintTexts[] = {
    {IDC_HEADER_LEFT, &CViewSettings::headerLeft},     {IDC_HEADER_CENTRE, &CViewSettings::headerCentre},
    {IDC_HEADER_RIGHT, &CViewSettings::headerRight},   {IDC_FOOTER_LEFT, &CViewSettings::footerLeft},
    {IDC_FOOTER_CENTRE, &CViewSettings::footerCentre}, {IDC_FOOTER_RIGHT, &CViewSettings::footerRight},
};

// The variable menus of the six header and footer parts: seven command ids each from
// kFirstPrintVariable, the third one a separator's place.
const UINT kFirstPrintVariable = ID_PRINT_VARIABLE_FIRST;
const char* const kPrintVariables[7] = {"$(文件路径)", "$(文件名称)", nullptr, "$(页码)",
                                        "$(总页数)", "$(当前日期)", "$(当前时间)"};
const char* const kPrintVariableItems[7] = {"文件路径", "文件名称", nullptr, "页号",
                                            "总页数", "当前日期", "当前时间"};
const int kPrintVariableButtons[6] = {IDC_HEADER_LEFT_VARS, IDC_HEADER_CENTRE_VARS, IDC_HEADER_RIGHT_VARS,
                                      IDC_FOOTER_LEFT_VARS, IDC_FOOTER_CENTRE_VARS, IDC_FOOTER_RIGHT_VARS};
const int kPrintVariableEdits[6] = {IDC_HEADER_LEFT, IDC_HEADER_CENTRE, IDC_HEADER_RIGHT,
                                    IDC_FOOTER_LEFT, IDC_FOOTER_CENTRE, IDC_FOOTER_RIGHT};

} // namespace


// 通用.

BEGIN_MESSAGE_MAP(CGeneralPage, CPreferencesPage)
    ON_BN_CLICKED(IDC_FIXED_WRAP, OnFixedWrapWidth)
END_MESSAGE_MAP()

void CGeneralPage::LoadControls()
{
    const CEditorSettings& s = Settings();
    LoadSwitches(kGeneralSwitches);
    LoadNumbers(kGeneralNumbers);
    SetChecked(IDC_MULTI_INSTANCE, Host().MultiInstance());
    const bool fixed = s.view.fixedWrapWidth != 0;
    SetChecked(IDC_FIXED_WRAP, fixed);
    WriteNumber(IDC_FIXED_WRAP_WIDTH, fixed ? s.view.fixedWrapWidth : 80);
    Enable(IDC_FIXED_WRAP_WIDTH, fixed);
}

void CGeneralPage::Apply()
{
    ApplySwitches(kGeneralSwitches);
    ApplyNumbers(kGeneralNumbers);
    Settings().view.fixedWrapWidth = Checked(IDC_FIXED_WRAP) ? ReadNumber(IDC_FIXED_WRAP_WIDTH, 16, 160) : 0;
    Host().SetMultiInstance(Checked(IDC_MULTI_INSTANCE));
}

void CGeneralPage::OnFixedWrapWidth()
{
    Enable(IDC_FIXED_WRAP_WIDTH, Checked(IDC_FIXED_WRAP));
}

// 可视化.

BEGIN_MESSAGE_MAP(CVisualPage, CPreferencesPage)
    ON_BN_CLICKED(IDC_MARKER1, OnMarker1)
    ON_BN_CLICKED(IDC_MARKER2, OnMarker2)
    ON_BN_CLICKED(IDC_SHOW_LINE_NUMBERS, OnLineNumbers)
END_MESSAGE_MAP()

void CVisualPage::LoadControls()
{
    const CViewSettings& v = Settings().view;
    LoadSwitches(kVisualSwitches);
    LoadNumbers(kVisualNumbers);
    Enable(IDC_MARKER1_COLUMN, v.marker1On != 0);
    Enable(IDC_MARKER2_COLUMN, v.marker2On != 0);
    Enable(IDC_SHOW_SELECTION_MARGIN, v.showLineNumbers == 0);
}

void CVisualPage::Apply()
{
    ApplySwitches(kVisualSwitches);
    ApplyNumbers(kVisualNumbers);
}

void CVisualPage::OnMarker1()
{
    Enable(IDC_MARKER1_COLUMN, Checked(IDC_MARKER1));
}

void CVisualPage::OnMarker2()
{
    Enable(IDC_MARKER2_COLUMN, Checked(IDC_MARKER2));
}

void CVisualPage::OnLineNumbers()
{
    Enable(IDC_SHOW_SELECTION_MARGIN, !Checked(IDC_SHOW_LINE_NUMBERS));
}

// 打印.

BEGIN_MESSAGE_MAP(CPrintPage, CPreferencesPage)
    ON_BN_CLICKED(IDC_PRINT_HEADER, OnPrintHeader)
    ON_BN_CLICKED(IDC_PRINT_FOOTER, OnPrintFooter)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_HEADER_LEFT_VARS, IDC_FOOTER_RIGHT_VARS, OnHeaderVariables)
    ON_COMMAND_RANGE(kFirstPrintVariable, kFirstPrintVariable + 6 * 7 - 1, OnInsertPrintVariable)
END_MESSAGE_MAP()

void CPrintPage::LoadControls()
{
    const CViewSettings& v = Settings().view;
    LoadSwitches(kPrintSwitches);
    for (int i = 0; i < 4; ++i)
        WriteNumber(kMarginEdits[i], v.printMargins[i] / 10);
    for (const TextEdit& edit : kPrintTexts)
        SetText(edit.id, (v.*edit.text).c_str());
    EnablePrintPart(IDC_HEADER_LEFT, IDC_HEADER_LEFT_VARS, v.printHeader != 0);
    EnablePrintPart(IDC_FOOTER_LEFT, IDC_FOOTER_LEFT_VARS, v.printFooter != 0);
}

void CPrintPage::Apply()
{
    CViewSettings& v = Settings().view;
    ApplySwitches(kPrintSwitches);
    for (int i = 0; i < 4; ++i)
        v.printMargins[i] = ReadNumber(kMarginEdits[i], 0, 100) * 10;
    for (const TextEdit& edit : kPrintTexts)
        v.*edit.text = (const char*)Text(edit.id);
}

void CPrintPage::EnablePrintPart(int firstEdit, int firstButton, bool on)
{
    for (int i = 0; i < 3; ++i) {
        Enable(firstEdit + i, on);
        Enable(firstButton + i, on);
    }
}

void CPrintPage::OnPrintHeader()
{
    EnablePrintPart(IDC_HEADER_LEFT, IDC_HEADER_LEFT_VARS, Checked(IDC_PRINT_HEADER));
}

void CPrintPage::OnPrintFooter()
{
    EnablePrintPart(IDC_FOOTER_LEFT, IDC_FOOTER_LEFT_VARS, Checked(IDC_PRINT_FOOTER));
}

void CPrintPage::OnHeaderVariables(UINT id)
{
    const int part = (int)id - IDC_HEADER_LEFT_VARS;
    HMENU menu = ::CreatePopupMenu();
    for (int item = 0; item < 7; ++item) {
        if (kPrintVariableItems[item])
            ::AppendMenu(menu, MF_STRING, kFirstPrintVariable + part * 7 + item, kPrintVariableItems[item]);
        else
            ::AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    }
    TrackMenuAt(kPrintVariableButtons[part], menu);
}

void CPrintPage::OnInsertPrintVariable(UINT id)
{
    const int offset = (int)(id - kFirstPrintVariable);
    const char* variable = kPrintVariables[offset % 7];
    if (variable)
        Dialog().SendDlgItemMessage(kPrintVariableEdits[offset / 7], EM_REPLACESEL, FALSE, (LPARAM)variable);
}

// 文件.

BEGIN_MESSAGE_MAP(CFilesPage, CPreferencesPage)
    ON_BN_CLICKED(IDC_WORK_FOLDER_BROWSE, OnBrowseWorkFolder)
    ON_BN_CLICKED(IDC_REMOTE_FOLDER_BROWSE, OnBrowseRemoteBackupFolder)
END_MESSAGE_MAP()

void CFilesPage::Init()
{
    for (int id : {IDC_WORK_FOLDER_BROWSE, IDC_REMOTE_FOLDER_BROWSE})
        Enable(id, CanChooseFolder());
}

void CFilesPage::LoadControls()
{
    LoadSwitches(kFilesSwitches);
    SetText(IDC_WORK_FOLDER, Settings().initialWorkingFolder);
    SetText(IDC_REMOTE_FOLDER, Settings().remoteCacheFolder);
}

void CFilesPage::Apply()
{
    ApplySwitches(kFilesSwitches);
    Settings().initialWorkingFolder = Text(IDC_WORK_FOLDER);
    Settings().remoteCacheFolder = Text(IDC_REMOTE_FOLDER);
}

void CFilesPage::OnBrowseWorkFolder()
{
    BrowseFolderInto(IDC_WORK_FOLDER);
}

void CFilesPage::OnBrowseRemoteBackupFolder()
{
    BrowseFolderInto(IDC_REMOTE_FOLDER);
}

// 备份.

BEGIN_MESSAGE_MAP(CBackupPage, CPreferencesPage)
    ON_BN_CLICKED(IDC_BACKUP_FOLDER_BROWSE, OnBrowseBackupFolder)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_BACKUP_NONE, IDC_BACKUP_BEFORE_OPEN, OnBackupMode)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_BACKUP_PATTERN1, IDC_BACKUP_PATTERN2, OnBackupPattern)
END_MESSAGE_MAP()

void CBackupPage::Init()
{
    Enable(IDC_BACKUP_FOLDER_BROWSE, CanChooseFolder());
}

void CBackupPage::LoadControls()
{
    const CEditorSettings& s = Settings();
    OnBackupMode(IDC_BACKUP_NONE + s.backupMode);
    SetChecked(IDC_BACKUP_NONE + s.backupMode, true);
    SetText(IDC_BACKUP_SUFFIX, s.backupSuffix);
    SetChecked(IDC_BACKUP_PATTERN1, s.backupNameForm == 1);
    SetChecked(IDC_BACKUP_PATTERN2, s.backupNameForm == 2);
    SetText(IDC_BACKUP_FOLDER, s.backupFolder);
}

void CBackupPage::Apply()
{
    CEditorSettings& s = Settings();
    for (int mode = 0; mode < 3; ++mode)
        if (Checked(IDC_BACKUP_NONE + mode))
            s.backupMode = mode;
    s.backupSuffix = Text(IDC_BACKUP_SUFFIX);
    if (Checked(IDC_BACKUP_PATTERN1))
        s.backupNameForm = 1;
    if (Checked(IDC_BACKUP_PATTERN2))
        s.backupNameForm = 2;
    s.backupFolder = Text(IDC_BACKUP_FOLDER);
}

void CBackupPage::OnBrowseBackupFolder()
{
    BrowseFolderInto(IDC_BACKUP_FOLDER);
}

void CBackupPage::OnBackupMode(UINT id)
{
    for (int mode = IDC_BACKUP_NONE; mode <= IDC_BACKUP_BEFORE_OPEN; ++mode)
        SetChecked(mode, mode == (int)id);
    const bool backing = id != IDC_BACKUP_NONE;
    for (int control : {IDC_BACKUP_SUFFIX, IDC_BACKUP_PATTERN1, IDC_BACKUP_PATTERN2, IDC_BACKUP_FOLDER})
        Enable(control, backing);
}

void CBackupPage::OnBackupPattern(UINT id)
{
    SetChecked(IDC_BACKUP_PATTERN1, id == IDC_BACKUP_PATTERN1);
    SetChecked(IDC_BACKUP_PATTERN2, id == IDC_BACKUP_PATTERN2);
}
