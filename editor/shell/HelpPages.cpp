#include "editor/shell/HelpPages.h"

#include "editor/res/resource.h"
#include "editor/util/PathUtil.h"

const char kSponsorAddress[] = "https://moyu-lang.org/sponsor/";

namespace {

const UINT kSponsorCommand = ID_HELP_SPONSOR;

struct HelpPage {
    UINT command;
    const char* file;
};
const HelpPage kHelpPages[] = {
    {ID_HELP_GUIDE, "入门指南.html"}, {ID_HELP_TUTORIAL, "教程.html"},      {ID_HELP_WORKS, "作品.html"},
    {ID_HELP_FORUM, "论坛博客.html"}, {ID_HELP_READING, "益智读物.html"},
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

bool IsHelpPageMissing(UINT command, const CString& installFolder)
{
    const CString target = HelpPageTarget(command, installFolder);
    return !target.IsEmpty() && command != kSponsorCommand && !FileExists(target);
}

CString HelpPageFailureMessage(UINT command, const CString& installFolder)
{
    const CString target = HelpPageTarget(command, installFolder);
    if (IsHelpPageMissing(command, installFolder))
        return "找不到帮助文件:\n" + target;
    return "打开帮助文件失败:\n" + target;
}
