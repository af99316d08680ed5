#include "editor/app/StartupVocabulary.h"

#include "editor/inputaids/VocabularyList.h"
#include "editor/settings/ShellFolders.h"
#include "editor/shell/WorkspaceBar.h"

namespace {

const char* const kShippedTables[] = {"墨语言词汇函数", "墨语言图形函数", "墨语言视窗函数", "墨语言扩展函数"};
const int kTableCount = static_cast<int>(sizeof kShippedTables / sizeof kShippedTables[0]);
const int kTreeTable = 1;  // the graphics table

CString TableBase(int index)
{
    return ProgramFilePath(CString("配置\\") + kShippedTables[index]);
}

}  // namespace

void LoadShippedVocabulary(CWorkspaceBar& bar)
{
    SetVocabularyTreeLoaded(1);
    for (int i = 0; i < kTableCount; ++i) {
        int tableNumber = i + 1;
        bar.OpenVocabularyTable(TableBase(i), [tableNumber](const CString& text) {
            ParseVocabularyEntry(text, tableNumber);
        });
    }
    SetVocabularyTreeLoaded(0);
    bar.OpenVocabularyTable(TableBase(kTreeTable));
}

bool LoadVocabularyTable(CWorkspaceBar& bar, int kind)
{
    if (kind < 1 || kind > kTableCount || !bar.OpenVocabularyTable(TableBase(kind - 1)))
        return false;
    bar.SetVocabularyTypeButtons(kind);
    return true;
}
