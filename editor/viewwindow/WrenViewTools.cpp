#include "editor/viewwindow/WrenView.h"

#include "editor/document/WrenDoc.h"
#include "editor/shell/SystemTools.h"
#include "framework/AppEnvironment.h"
#include "framework/MessageBox.h"

namespace {

// The document's path when it is a saved local file; empty otherwise.
CString LocalPath(const CWrenDoc* doc)
{
    return doc != nullptr && !doc->IsRemote() ? doc->GetPathName() : CString();
}

void Report(SystemToolResult result)
{
    if (result != SystemToolResult::kStarted)
        AfxMessageBox(SystemToolMessage(result), MB_ICONEXCLAMATION);
}

} // namespace

void CWrenView::OnCommandInterpreter()
{
    Report(RunCommandInterpreter(LocalPath(GetDocument())));
}

// The browser reads the file, so the document is saved first; a save the user cancelled
// leaves an untitled document, which is not handed on.
void CWrenView::OnViewInBrowser()
{
    CWrenDoc* doc = GetDocument();
    if (doc == nullptr)
        return;
    if (!doc->DoFileSave())
        return;
    Report(ViewInBrowser(doc->GetPathName()));
}

void CWrenView::OnExploreFolder()
{
    Report(ExploreDocumentFolder(LocalPath(GetDocument()), GetInstallationFolder()));
}
