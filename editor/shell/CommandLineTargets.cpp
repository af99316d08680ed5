#include "editor/shell/CommandArgs.h"

#include <cstdlib>
#include <cstring>

#include "editor/util/PathUtil.h"

// The command line's names resolved against the file system; the splitting and classifying
// of words (CommandArgs.cpp) needs no file system.

std::vector<CommandLineTarget> ResolveCommandLine(const CCommandArgs& args, const CString& startFolder,
                                                  MissingFiles missing)
{
    CString value;
    bool noCreate = missing == MissingFiles::skip || args.GetOption("NC", value);
    int line = 1;
    if (args.GetOption("L", value))
        line = std::atoi(value);
    CString base = StripTrailingBackslash(args.GetOption("D", value) ? value : startFolder);

    std::vector<CommandLineTarget> targets;
    for (int i = 0; i < args.GetCount(); ++i) {
        CString name = args.GetAt(i);
        if (name.IsEmpty())
            continue;
        if (name[0] == '\\' && name[1] != '\\')
            name = base.Left(2) + name;
        bool absolute = std::strncmp(name, "\\\\", 2) == 0 || (name[1] == ':' && name[2] == '\\');
        if (!absolute)
            name = base + "\\" + name;
        bool wildcard = name.FindOneOf("*?") >= 0;

        CStringArray matches;
        CollectFiles(matches, name);
        for (int m = 0; m < matches.GetSize(); ++m) {
            CommandLineTarget target;
            target.line = line;
            if (GetExtensionPart(matches[m]).CompareNoCase(".项目") == 0) {
                target.path = matches[m];
                target.project = true;
            } else {
                target.path = GetLongPath(matches[m]);
            }
            targets.push_back(target);
        }
        if (matches.GetSize() == 0 && !wildcard && !noCreate && EnsurePathExists(name)) {
            CommandLineTarget target;
            target.path = GetLongPath(name);
            target.line = line;
            target.created = true;
            targets.push_back(target);
        }
    }
    return targets;
}
