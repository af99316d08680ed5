#include "framework/DocViewHost.h"

namespace {

DocViewHost* g_host = nullptr;

} // namespace

DocViewHost* GetDocViewHost()
{
    return g_host;
}

void SetDocViewHost(DocViewHost* host)
{
    g_host = host;
}

CDocManager* GetHostDocManager()
{
    return g_host != nullptr ? g_host->GetDocManager() : nullptr;
}

CWnd* GetHostMainWnd()
{
    return g_host != nullptr ? g_host->GetMainWindow() : nullptr;
}
