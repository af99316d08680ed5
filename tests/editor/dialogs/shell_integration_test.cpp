#include "editor/dialogs/ShellIntegration.h"
#include "editor/util/Registry.h"
#include "framework/AppEnvironment.h"

#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace {

const ShellNames kNames("C:\\墨语言\\bin\\墨测试.exe");

CString Read(const char* key, const char* value = nullptr)
{
    CString text = "(missing)";
    RegReadString(HKEY_CLASSES_ROOT, key, value, text);
    return text;
}

bool Contains(const std::vector<CString>& list, const char* text)
{
    return std::find(list.begin(), list.end(), text) != list.end();
}

} // namespace

TEST(ShellIntegrationTest, ExplorerEntryIsWrittenOnceAndRemovedLeavingForeignValues)
{
    ASSERT_TRUE(RegWriteString(HKEY_CLASSES_ROOT, ".墨", nullptr, "墨源文件"));
    ASSERT_TRUE(RegWriteString(HKEY_CLASSES_ROOT, ".定义", nullptr, "deffile"));
    ASSERT_TRUE(RegWriteString(HKEY_CLASSES_ROOT, ".定义", "Content Type", "text/plain"));
    ASSERT_TRUE(RegWriteString(HKEY_CLASSES_ROOT, ".接口", "Content Type", "text/plain"));
    ASSERT_TRUE(RegWriteString(HKEY_CLASSES_ROOT, "*\\shell\\别的\\Command", nullptr, "other.exe"));

    ASSERT_EQ(0, ApplyExplorerMenuEntry(kNames, true));
    EXPECT_TRUE(IsExplorerMenuEntryPresent(kNames));
    EXPECT_STREQ("用墨测试打开", Read("*\\shell\\墨测试"));
    EXPECT_STREQ("\"C:\\墨语言\\bin\\墨测试.exe\" \"%1\"", Read("*\\shell\\墨测试\\Command"));
    EXPECT_STREQ("\"C:\\墨语言\\bin\\墨测试.exe\" \"%1\"", Read("voderar\\shell\\open\\command"));
    EXPECT_STREQ("C:\\墨语言\\bin\\墨测试.exe, 0", Read("voderar\\DefaultIcon"));
    for (const char* extension : kMenuExtensions)
        EXPECT_STREQ("voderar", Read(extension)) << extension;

    // Present already: nothing is written, and that is success.
    ASSERT_TRUE(RegWriteString(HKEY_CLASSES_ROOT, ".素材", nullptr, "changed"));
    EXPECT_EQ(0, ApplyExplorerMenuEntry(kNames, true));
    EXPECT_STREQ("changed", Read(".素材"));

    EXPECT_EQ(0, ApplyExplorerMenuEntry(kNames, false));
    EXPECT_FALSE(IsExplorerMenuEntryPresent(kNames));
    EXPECT_STREQ("(missing)", Read("*\\shell\\墨测试"));
    EXPECT_STREQ("(missing)", Read("voderar"));
    // Every extension gets back what it held: its earlier type, or no type, or no key.
    EXPECT_STREQ("墨源文件", Read(".墨"));
    EXPECT_STREQ("deffile", Read(".定义"));
    EXPECT_STREQ("text/plain", Read(".定义", "Content Type"));
    EXPECT_STREQ("(missing)", Read(".接口"));
    EXPECT_STREQ("text/plain", Read(".接口", "Content Type"));
    EXPECT_STREQ("changed", Read(".素材")) << "a type set since is not ours to remove";
    HKEY key = nullptr;
    EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CLASSES_ROOT, ".文本", 0, KEY_READ, &key))
        << "a key the entry created goes";
    EXPECT_STREQ("other.exe", Read("*\\shell\\别的\\Command"));
    EXPECT_EQ(0, ApplyExplorerMenuEntry(kNames, false)) << "absent already";

    RegRemoveKey(HKEY_CLASSES_ROOT, "*\\shell\\别的\\Command");
    RegRemoveKey(HKEY_CLASSES_ROOT, "*\\shell\\别的");
    for (const char* extension : {".墨", ".定义", ".接口", ".素材"})
        RegRemoveKey(HKEY_CLASSES_ROOT, extension);
}

TEST(ShellIntegrationTest, TypedExtensionsAreNormalised)
{
    const struct {
        const char* typed;
        const char* expected;
    } cases[] = {{" TXT ", ".txt"}, {".", ""}, {"", ""}, {"c", ".c"}, {".墨", ".墨"}, {"  .Hpp", ".hpp"}};
    for (const auto& c : cases)
        EXPECT_STREQ(c.expected, NormalizeExtension(c.typed)) << c.typed;
}

TEST(ShellIntegrationTest, AssociationWithoutAnEarlierTypeOpensWithTheRunningProgramAndRestoresAway)
{
    ASSERT_TRUE(AssociateExtension(kNames, ".zzq"));
    const Association association = ReadAssociation(".zzq");
    EXPECT_STREQ("墨语言编辑器.zzq", association.progId);
    EXPECT_STREQ("ZZQ File", association.description);
    // The program and icon that exist: the running executable's own.
    EXPECT_STREQ("\"C:\\墨语言\\bin\\墨测试.exe\" \"%1\"", association.command);
    EXPECT_STREQ("C:\\墨语言\\bin\\墨测试.exe, 0", association.icon);
    EXPECT_STREQ("", Read("墨语言编辑器.zzq", "backup"));
    std::vector<CString> all, edited;
    ListExtensions(all, edited);
    EXPECT_TRUE(Contains(all, ".zzq"));
    EXPECT_TRUE(Contains(edited, ".zzq"));

    ASSERT_TRUE(RestoreExtension(".zzq"));
    EXPECT_STREQ("(missing)", Read(".zzq"));
    EXPECT_STREQ("(missing)", Read("墨语言编辑器.zzq"));
    ListExtensions(all, edited);
    EXPECT_FALSE(Contains(all, ".zzq"));
}

TEST(ShellIntegrationTest, AssociationKeepsTheEarlierTypeAndItsDescription)
{
    ASSERT_TRUE(RegWriteString(HKEY_CLASSES_ROOT, ".zzw", nullptr, "zzwfile"));
    ASSERT_TRUE(RegWriteString(HKEY_CLASSES_ROOT, "zzwfile", nullptr, "ZZW 文档"));
    ASSERT_TRUE(AssociateExtension(kNames, ".zzw"));
    EXPECT_STREQ("ZZW 文档", ReadAssociation(".zzw").description);
    EXPECT_STREQ("zzwfile", Read("墨语言编辑器.zzw", "backup"));

    Association edited = ReadAssociation(".zzw");
    edited.description = "墨的 ZZW";
    edited.icon = "C:\\图标.ico";
    EXPECT_TRUE(SaveAssociationEdits(".zzw", edited));
    EXPECT_STREQ("墨的 ZZW", ReadAssociation(".zzw").description);
    EXPECT_STREQ("C:\\图标.ico", ReadAssociation(".zzw").icon);

    ASSERT_TRUE(RestoreExtension(".zzw"));
    EXPECT_STREQ("zzwfile", Read(".zzw"));
    EXPECT_STREQ("ZZW 文档", Read("zzwfile"));
    EXPECT_STREQ("(missing)", Read("墨语言编辑器.zzw"));
    RegRemoveKey(HKEY_CLASSES_ROOT, ".zzw");
    RegRemoveKey(HKEY_CLASSES_ROOT, "zzwfile");
}

TEST(ShellIntegrationTest, ViewSourceEditorNamesTheRunningProgramAndIsRecognised)
{
    ASSERT_TRUE(SetViewSourceEditor(true));
    EXPECT_TRUE(IsViewSourceEditor()) << "what is written is what the query looks for";
    EXPECT_TRUE(SetViewSourceEditor(true));
    ASSERT_TRUE(SetViewSourceEditor(false));
    EXPECT_FALSE(IsViewSourceEditor());
    EXPECT_TRUE(SetViewSourceEditor(false));
}

TEST(ShellIntegrationTest, ContextMenuExtensionIsRegisteredFromTheProgramFolderAndRemoved)
{
    TempDir program;
    ScopedProgramFolder folder(program.Path().c_str());
    const CString classKey = CString("CLSID\\") + kShellExtClassId;
    const char* approvedKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
    CString approved;

    // Without the library beside the program nothing is registered.
    EXPECT_EQ(ContextMenuStatus::kModuleMissing, RegisterContextMenu(true));
    EXPECT_FALSE(IsContextMenuRegistered());
    EXPECT_STREQ("(missing)", Read(classKey));
    EXPECT_FALSE(RegReadString(HKEY_LOCAL_MACHINE, approvedKey, kShellExtClassId, approved));

    const std::string module = program.WriteFile("ShellExt.dll", "MZ");
    ASSERT_EQ(ContextMenuStatus::kDone, RegisterContextMenu(true));
    EXPECT_TRUE(IsContextMenuRegistered());
    EXPECT_STREQ(module.c_str(), Read(classKey + "\\InProcServer32"));
    EXPECT_TRUE(RegReadString(HKEY_LOCAL_MACHINE, approvedKey, kShellExtClassId, approved));
    EXPECT_STREQ("墨语言编辑器.ShellExt", approved);
    EXPECT_EQ(ContextMenuStatus::kDone, RegisterContextMenu(true)) << "registered already";

    ASSERT_EQ(ContextMenuStatus::kDone, RegisterContextMenu(false));
    EXPECT_FALSE(IsContextMenuRegistered());
    EXPECT_STREQ("(missing)", Read(classKey));
    EXPECT_STREQ("(missing)", Read("墨语言编辑器.ShellExt"));
}
