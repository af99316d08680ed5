// The IDE's text files that anyone may hand it: project and workspace files with their
// markup lines, project settings, the user settings, the default-folder file, vocabulary
// tables, quick-input phrases and the spelling dictionaries. Input: parts separated by
// "\n%%\n", one file each in that order (the dictionaries last, system then user).
#include "FuzzInput.h"
#include "editor/document/SpellDictionary.h"
#include "editor/inputaids/QuickInputPhrases.h"
#include "editor/settings/ProjectFile.h"
#include "editor/settings/ProjectSettingsFile.h"
#include "editor/settings/TextSettings.h"
#include "editor/shell/VocabularyTable.h"

#include <cstdlib>
#include <string>

namespace {

// What a project file reads as, written out again; empty when it does not read.
std::string ProjectText(const std::string& path, const char* copyName)
{
    ProjectTree tree;
    std::vector<WorkspaceDocument> documents;
    if (ReadProjectFile(path.c_str(), tree, documents) != ProjectFileStatus::ok)
        return std::string();
    const std::string copy = FuzzInput::WriteTempFile(copyName, "");
    if (WriteProjectFile(copy.c_str(), tree, documents, "1") != ProjectFileStatus::ok)
        abort();
    CStringArray lines;
    ReadTextLines(copy.c_str(), lines);
    std::string text;
    for (int i = 0; i < lines.GetSize(); ++i)
        text += std::string(lines[i]) + "\n";
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string rest(reinterpret_cast<const char*>(data), size);
    const std::string project = FuzzInput::WriteTempFile("p.项目", FuzzInput::TakePart(rest));
    const std::string workspace = FuzzInput::WriteTempFile("w.工作区", FuzzInput::TakePart(rest));
    const std::string projectSettings = FuzzInput::WriteTempFile("p.设置", FuzzInput::TakePart(rest));
    const std::string userSettings = FuzzInput::WriteTempFile("u.设置", FuzzInput::TakePart(rest));
    const std::string defaultFolder = FuzzInput::WriteTempFile("d.文本", FuzzInput::TakePart(rest));
    const std::string vocabulary = FuzzInput::WriteTempFile("v.表", FuzzInput::TakePart(rest));
    const std::string phrases = FuzzInput::WriteTempFile("q.文本", FuzzInput::TakePart(rest));
    const std::string dictionary = FuzzInput::WriteTempFile("dict", "");
    FuzzInput::WriteTempFile((std::string("dict\\") + CSpellDictionary::kSystemFileName).c_str(),
                             FuzzInput::TakePart(rest));
    FuzzInput::WriteTempFile((std::string("dict\\") + CSpellDictionary::kUserFileName).c_str(), rest);

    // What a project reads as is written so that it reads back the same.
    const std::string once = ProjectText(project, "p1.项目");
    if (!once.empty() && ProjectText(FuzzInput::WriteTempFile("p2.项目", once), "p3.项目") != once)
        abort();
    std::vector<WorkspaceDocument> documents;
    ReadWorkspaceFile(workspace.c_str(), documents);

    ProjectSettings settings;
    if (ReadProjectSettings(projectSettings.c_str(), settings))
        WriteProjectSettings(FuzzInput::WriteTempFile("p1.设置", "").c_str(), settings);
    CUserSettings user;
    ReadUserSettings(userSettings.c_str(), user);
    if (user.newFilePrefix.GetLength() > 39)
        abort();
    CString folder;
    ReadDefaultFolderFile(defaultFolder.c_str(), folder);

    VocabularyItem root;
    const VocabularyReadResult read = ReadVocabularyTable(CString(vocabulary.c_str(), static_cast<int>(vocabulary.size()) - 3), root);
    VocabularyReadMessage(read);
    for (const auto& child : root.children) {
        CStringArray lines;
        VocabularyEntryLines(*child, lines);
    }
    ReadQuickInputPhrases(phrases.c_str());

    CSpellDictionary words;
    words.Load(dictionary, nullptr);
    words.Contains("the", 3);
    return 0;
}
