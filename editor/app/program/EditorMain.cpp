#include <windows.h>

#include "editor/app/EditorApp.h"
#include "editor/viewwindow/WrenView.h"

// The one application object of 墨语言编辑器.
static CEditorApp theApp(RUNTIME_CLASS(CWrenView));

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int showCommand)
{
    return AfxWinMain(instance, previous, SkipProgramName(::GetCommandLineA()), showCommand);
}
