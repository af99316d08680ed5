#pragma once
#include "framework/CString.h"

#include <vector>

// The IDE's entries in the shell's registry (all under HKEY_CLASSES_ROOT): the Explorer
// context-menu entry that opens any file with the IDE, with the file type "voderar" of the
// language's own extensions, and the per-extension file associations of the preferences.
// These are cores: they return how they fared and show nothing.

// The names the entries are built from, taken from an executable's full path.
struct ShellNames {
    CString executable;  // full path
    CString folder;      // without a trailing backslash
    CString title;       // file name without folder and extension

    explicit ShellNames(const char* executablePath);
    // The running executable's.
    static ShellNames Running();

    CString MenuKey() const;      // "*\shell\" + title
    CString MenuText() const;     // "用" + title + "打开"
    CString OpenCommand() const;  // "<executable>" "%1"
    CString IconValue() const;    // <executable>, 0
};

// The file type of the Explorer entry and the extensions that get it.
extern const char kMenuFileType[];
extern const char* const kMenuExtensions[6];

bool IsExplorerMenuEntryPresent(const ShellNames& names);
// Adds or removes the Explorer entry, attempting every step; the number of failed steps
// (0: success). Nothing is written when the entry is already as asked. Adding records each
// extension's earlier file type; removing gives it back and removes only what adding wrote.
int ApplyExplorerMenuEntry(const ShellNames& names, bool add);

// The prog id through which the IDE edits files of extension (".c" gives "墨语言编辑器.c").
CString IdeProgId(const CString& extension);
// A typed extension as it is associated: blanks trimmed, lower case, a leading dot; empty
// when the result is too short.
CString NormalizeExtension(const char* typed);

// What the shell makes of an extension; missing values are empty.
struct Association {
    CString progId;
    CString description;
    CString command;
    CString icon;
};
Association ReadAssociation(const char* extension);

// Makes the IDE open files of extension, keeping its earlier prog id as the backup value;
// the files open with the running executable and show its icon. Stops at the first failed
// write; false then.
bool AssociateExtension(const ShellNames& names, const CString& extension);
// Gives extension back its earlier prog id (or removes it when it had none) and removes the
// IDE's prog id. Stops at the first failure; false then.
bool RestoreExtension(const CString& extension);
// Writes those of description, command and icon that differ from the registry's values
// for the extension's prog id; nothing without a prog id. False when a write failed.
bool SaveAssociationEdits(const char* extension, const Association& edited);

// The registered extensions (in lower case) whose file type can be read, in registry
// order, and among them those the IDE edits.
void ListExtensions(std::vector<CString>& all, std::vector<CString>& edited);

// The browser's view-source editor (a value under HKEY_LOCAL_MACHINE): whether it names the
// running executable, and setting or removing it. Nothing is done when it already is as
// asked; false when a registry step failed.
bool IsViewSourceEditor();
bool SetViewSourceEditor(bool on);

// The Explorer context-menu extension "ShellExt.dll" in the program folder: its in-process
// registration, its approval and its context-menu handler key. The library is installed
// beside the IDE; without it nothing is registered.
extern const char kShellExtClassId[];
enum class ContextMenuStatus { kDone, kFailed, kModuleMissing };
bool IsContextMenuRegistered();
CString ContextMenuModulePath();
ContextMenuStatus RegisterContextMenu(bool on);
