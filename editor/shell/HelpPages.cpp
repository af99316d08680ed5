#include "editor/shell/HelpPages.h"

const char kSponsorAddress[] = "https://moyu-lang.org/sponsor/";

namespace {

const UINT kSponsorCommand = 32795;

struct HelpPage {
    UINT command;
    const char* file;
};
const HelpPage kHelpPages[] = {
    {32792, "入门指南.html"}, {32944, "教程.html"}, {32794, "作品.html"}, {32945, "论坛博客.html"}, {32793, "益智读物.html"},
};

} // namespace

CString HelpPageTarget(UINT command, const CString& installFolder)
{
    if (command == kSponsorCommand)
        return kSponsorAddress;
    for (const HelpPage& page : kHelpPages)
        if (page.command == command)
            return installFolder + "\\帮助\\" + page.file;
    return CString();
}

bool OpenHelpPage(UINT command, const CString& installFolder, DocumentOpener opener)
{
    const CString target = HelpPageTarget(command, installFolder);
    return !target.IsEmpty() && opener != nullptr && opener(target, SW_SHOW) > 32;
}
