#pragma once
#include "editor/settings/EditorSettings.h"
#include "editor/settings/KeyboardMacros.h"
#include "editor/settings/SettingsFiles.h"
#include "editor/settings/UserTools.h"
#include "framework/CmdTarget.h"
#include "framework/Dialog.h"

#include <functional>

class CDataExchange;

// What the preferences need of the running IDE after an apply: the IDE program fills it.
class PreferencesHost {
public:
    virtual ~PreferencesHost() = default;
    virtual bool MultiInstance() const = 0;
    // Writes the option to the user profile.
    virtual void SetMultiInstance(bool allowed) = 0;
    // Recreates the fonts and metrics of every open view from the settings and redraws it.
    virtual void ApplyToOpenViews() = 0;
    virtual void RefreshOutputFont() = 0;
    virtual void RefreshPanelFilters() = 0;
};

// What the preferences edit, and the folder their files are written to.
struct PreferencesTargets {
    CEditorSettings& settings;
    UserToolTable& tools;
    MacroSlotTable& macros;
    CString programFolder;
};

// Asks for a folder (title, start folder in, chosen folder out); false when cancelled.
using PreferencesFolderChooser = std::function<bool(const CString& title, CString& folder)>;

// A check box that stores one switch of the settings as 0 or 1 (one of the two members set).
struct PreferencesSwitch {
    int id;
    int CEditorSettings::*setting;
    int CViewSettings::*viewSetting;
};

// A numeric edit of the settings and the range its value is clamped to.
struct PreferencesNumber {
    int id;
    int CEditorSettings::*setting;
    int CViewSettings::*viewSetting;
    int low, high;
};

// What every page works with; the dialog owns it and outlives its pages.
struct PreferencesPageContext {
    CDialog& dialog;  // holds the controls of every page
    const PreferencesTargets& targets;
    PreferencesHost& host;
    const PreferencesFolderChooser& chooseFolder;  // may be empty: browsing is then disabled
    std::function<void()> showControls;           // shows the controls of the page and tab now open
};

// One page of the preferences dialog. Its controls lie on the dialog's one template and its
// notifications reach it through the dialog's command routing (its own message map); it keeps
// what the user edits in its controls or in a working copy, and only Apply writes the
// settings, and only the settings the page shows.
class CPreferencesPage : public CCmdTarget {
public:
    explicit CPreferencesPage(const PreferencesPageContext& context) : m_context(context) {}

    // Subclasses the page's controls that have a class of their own.
    virtual void Exchange(CDataExchange*) {}
    // Once the controls exist: the fixed parts (columns, tabs, fixed lists).
    virtual void Init() {}
    // Fills the controls and the working copy from the settings; the notifications this
    // raises change nothing.
    void Load();
    virtual void Apply() = 0;
    // The tab whose controls show; -1 on a page without tabs.
    virtual int OpenTab() const { return -1; }
    // A key was let go with focus on the window (hot-key fields take their key then).
    virtual void KeyReleased(HWND) {}

protected:
    virtual void LoadControls() = 0;

    // Marks the page as filling its controls for its lifetime, then puts the mark back.
    class FillingScope {
    public:
        explicit FillingScope(CPreferencesPage& page) : m_flag(page.m_filling), m_was(page.m_filling)
        {
            m_flag = true;
        }
        ~FillingScope() { m_flag = m_was; }
        FillingScope(const FillingScope&) = delete;
        FillingScope& operator=(const FillingScope&) = delete;

    private:
        bool& m_flag;
        bool m_was;
    };
    // Controls are being filled: their notifications change nothing.
    bool Filling() const { return m_filling; }

    CDialog& Dialog() const { return m_context.dialog; }
    CEditorSettings& Settings() const { return m_context.targets.settings; }
    const PreferencesTargets& Targets() const { return m_context.targets; }
    PreferencesHost& Host() const { return m_context.host; }
    void ShowControls() const;

    // Control helpers. A number is read as the C library reads a decimal and clamped.
    int ReadNumber(int id, int low, int high) const;
    void WriteNumber(int id, int value);
    bool Checked(int id) const;
    void SetChecked(int id, bool on);
    CString Text(int id) const;
    void SetText(int id, const char* text);
    void Enable(int id, bool on);

    // The page's switches and numbers, from and to the settings.
    template <size_t N>
    void LoadSwitches(const PreferencesSwitch (&boxes)[N]) { LoadSwitches(boxes, N); }
    template <size_t N>
    void ApplySwitches(const PreferencesSwitch (&boxes)[N]) { ApplySwitches(boxes, N); }
    template <size_t N>
    void LoadNumbers(const PreferencesNumber (&edits)[N]) { LoadNumbers(edits, N); }
    template <size_t N>
    void ApplyNumbers(const PreferencesNumber (&edits)[N]) { ApplyNumbers(edits, N); }
    void LoadSwitches(const PreferencesSwitch* boxes, size_t count);
    void ApplySwitches(const PreferencesSwitch* boxes, size_t count);
    void LoadNumbers(const PreferencesNumber* edits, size_t count);
    void ApplyNumbers(const PreferencesNumber* edits, size_t count);

    bool CanChooseFolder() const { return m_context.chooseFolder != nullptr; }
    void BrowseFolderInto(int editId);
    // Runs a file dialog on the program folder's subfolder; empty when cancelled.
    CString ChooseFile(bool open, const char* filter, const char* title, const char* defaultExt,
                       const char* subfolder, const CString& initial);
    // Shows menu by the button's right edge and destroys it; its command reaches the dialog.
    void TrackMenuAt(int buttonId, HMENU menu);

private:
    const PreferencesPageContext& m_context;
    bool m_filling = false;
};
