#include <windows.h>

#include "editor/shell/EditorApp.h"
#include "editor/shell/program/InterimView.h"

// The one application object of 墨语言编辑器.
static CEditorApp theApp(RUNTIME_CLASS(CInterimView));

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand)
{
    return AfxWinMain(instance, previous, commandLine, showCommand);
}
