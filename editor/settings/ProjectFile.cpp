#include "editor/settings/ProjectFile.h"

#include <cstdlib>

#include "editor/settings/MarkupLine.h"
#include "editor/settings/TextSettings.h"
#include "editor/util/PathUtil.h"

namespace {

const char kYes[] = "是";
const char kNo[] = "否";

// A line cursor over the file's lines.
class LineReader {
public:
    explicit LineReader(const CStringArray& lines) : m_lines(lines) {}
    bool AtEnd() const { return m_next >= m_lines.GetSize(); }
    CString Next() { return m_lines[m_next++]; }
    // The next line that is not blank; false at the end.
    bool NextNonBlank(CString& line)
    {
        while (!AtEnd()) {
            line = Next();
            if (!ScanMarkupWord(line).word.IsEmpty())
                return true;
        }
        return false;
    }

private:
    const CStringArray& m_lines;
    int m_next = 0;
};

// A whole decimal number, sign allowed, nothing else.
bool ParseInt(const CString* text, int& value)
{
    if (!text || text->IsEmpty())
        return false;
    char* end = nullptr;
    long number = std::strtol(*text, &end, 10);
    if (*end != '\0')
        return false;
    value = (int)number;
    return true;
}

bool ParsePlacement(const CString& text, std::array<int, 10>& placement)
{
    const char* p = text;
    for (int i = 0; i < 10; ++i) {
        char* end = nullptr;
        placement[i] = (int)std::strtol(p, &end, 10);
        if (end == p || *end != (i == 9 ? '\0' : ':'))
            return false;
        p = end + 1;
    }
    return true;
}

// Names that begin with two backslashes or "/", or have a drive colon, are full paths.
bool IsFullPath(const CString& name)
{
    return name.Left(2) == "\\\\" || name.Left(1) == "/" || (name.GetLength() > 1 && name[1] == ':');
}

CString ResolveName(const CString& name, const CString& folder)
{
    return IsFullPath(name) ? name : folder + "\\" + name;
}

CString RelativeName(const CString& path, const CString& folder)
{
    CString prefix = folder + "\\";
    if (path.GetLength() > prefix.GetLength() && path.Left(prefix.GetLength()).CompareNoCase(prefix) == 0)
        return path.Mid(prefix.GetLength());
    return path;
}

bool ValidAccount(int account) { return account >= 0 && account < kFtpAccountLimit; }

// Reads the children of a project item up to its closing word; categories nested deeper
// than the tree holds make the file a bad one.
ProjectFileStatus ReadProjectItems(LineReader& reader, ProjectTree& tree, ProjectItem& parent, const char* closing,
                                   const CString& folder, int depth)
{
    while (!reader.AtEnd()) {
        const CString& text = reader.Next();
        MarkupLine line = ScanMarkupWord(text);
        if (line.Is(closing))
            return ProjectFileStatus::ok;
        bool category = line.Is("<类目");
        bool local = line.Is("<本地文件");
        bool remote = line.Is("<远程文件");
        if (!category && !local && !remote)
            continue;
        if (!ScanMarkupLine(text, line))
            return ProjectFileStatus::scanError;
        const CString* name = line.Find(category ? "名字" : "文件名");
        if (!name)
            return ProjectFileStatus::badFile;
        if (category) {
            if (depth >= kMaxCategoryDepth)
                return ProjectFileStatus::badFile;
            const CString* expanded = line.Find("展开");
            ProjectItem* item = tree.Insert(parent, ProjectItemKind::category, *name, -1, CString(), 0);
            ProjectFileStatus status = ReadProjectItems(reader, tree, *item, "</类目>", folder, depth + 1);
            if (status != ProjectFileStatus::ok)
                return status;
            item->expanded = expanded && *expanded == kYes;
        } else if (local) {
            CString path = ResolveName(*name, folder);
            tree.Insert(parent, ProjectItemKind::localFile, GetFileNamePart(path), -1, path, 0);
        } else {
            int account = 0, length = 0;
            if (!ParseInt(line.Find("账号"), account) || !ValidAccount(account) ||
                !ParseInt(line.Find("文件长度"), length))
                return ProjectFileStatus::badFile;
            tree.Insert(parent, ProjectItemKind::remoteFile, GetFileNamePart(*name), account, *name, length);
        }
    }
    return ProjectFileStatus::badFile;  // the closing word never came
}

// The section opening: the first word must be the element and carry 版本.
ProjectFileStatus ReadSectionStart(LineReader& reader, const char* element)
{
    CString text;
    if (!reader.NextNonBlank(text))
        return ProjectFileStatus::badFile;
    MarkupLine line = ScanMarkupWord(text);
    if (!line.Is(element))
        return ProjectFileStatus::badFile;
    if (!ScanMarkupLine(text, line))
        return ProjectFileStatus::scanError;
    return line.Find("版本") ? ProjectFileStatus::ok : ProjectFileStatus::badFile;
}

ProjectFileStatus ReadWorkspaceSection(LineReader& reader, const CString& folder,
                                       std::vector<WorkspaceDocument>& documents)
{
    ProjectFileStatus status = ReadSectionStart(reader, "<工作区");
    if (status != ProjectFileStatus::ok)
        return status;
    while (!reader.AtEnd()) {
        const CString& text = reader.Next();
        MarkupLine line = ScanMarkupWord(text);
        if (line.Is("</工作区>"))
            break;
        bool local = line.Is("<本地文件");
        if (!local && !line.Is("<远程文件"))
            continue;
        if (!ScanMarkupLine(text, line))
            return ProjectFileStatus::scanError;
        WorkspaceDocument document;
        const CString* name = line.Find("文件名");
        if (!name || !ParseInt(line.Find("行号"), document.line))
            return ProjectFileStatus::badFile;
        if (local) {
            document.path = ResolveName(*name, folder);
        } else {
            if (!ParseInt(line.Find("账号"), document.account) || !ValidAccount(document.account) ||
                !ParseInt(line.Find("文件长度"), document.length))
                return ProjectFileStatus::badFile;
            document.path = *name;
        }
        if (const CString* placement = line.Find("位置"))
            document.hasPlacement = ParsePlacement(*placement, document.placement);
        documents.push_back(document);
    }
    return ProjectFileStatus::ok;
}

CString Quoted(const char* name, const CString& value)
{
    return CString(" ") + name + "=\"" + value + "\"";
}

CString Number(const char* name, int value)
{
    CString text;
    text.Format(" %s=\"%d\"", name, value);
    return text;
}

void WriteItems(const ProjectItem& parent, const CString& folder, const CString& indent, CString& out)
{
    for (const auto& child : parent.children) {
        const ProjectItem& item = *child;
        if (item.kind == ProjectItemKind::category) {
            out += indent + "<类目" + Quoted("名字", item.text) + Quoted("展开", item.expanded ? kYes : kNo) + ">\n";
            WriteItems(item, folder, indent + "\t", out);
            out += indent + "</类目>\n";
        } else if (item.kind == ProjectItemKind::localFile) {
            out += indent + "<本地文件" + Quoted("文件名", RelativeName(item.path, folder)) + " />\n";
        } else {
            out += indent + "<远程文件" + Number("账号", item.account) + Quoted("文件名", item.path) +
                   Number("文件长度", item.length) + " />\n";
        }
    }
}

void WriteWorkspaceSection(const std::vector<WorkspaceDocument>& documents, const CString& folder,
                           const char* versionTag, CString& out)
{
    out += CString("<工作区") + Quoted("版本", versionTag) + ">\n";
    for (const WorkspaceDocument& document : documents) {
        if (document.path.IsEmpty() || !IsSafeMarkupValue(document.path))
            continue;
        const auto& p = document.placement;
        CString placement;
        placement.Format("%d:%d:%d:%d:%d:%d:%d:%d:%d:%d", p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], p[9]);
        if (document.account < 0)
            out += "\t<本地文件" + Quoted("文件名", RelativeName(document.path, folder));
        else
            out += "\t<远程文件" + Number("账号", document.account) + Quoted("文件名", document.path) +
                   Number("文件长度", document.length);
        out += Number("行号", document.line) + Quoted("位置", placement) + " />\n";
    }
    out += "</工作区>\n\n";
}

} // namespace

ProjectFileStatus ReadProjectFile(const char* path, ProjectTree& tree, std::vector<WorkspaceDocument>& documents)
{
    tree.Reset();
    CStringArray lines;
    if (!ReadTextLines(path, lines))
        return ProjectFileStatus::cannotOpen;
    LineReader reader(lines);
    CString folder = GetDirectoryPart(path);
    tree.Create(path);
    ProjectFileStatus status = ReadSectionStart(reader, "<项目");
    if (status == ProjectFileStatus::ok)
        status = ReadProjectItems(reader, tree, tree.Root(), "</项目>", folder, 0);
    tree.Root().expanded = true;
    if (status == ProjectFileStatus::ok)
        status = ReadWorkspaceSection(reader, folder, documents);
    if (status != ProjectFileStatus::ok)
        tree.Reset();
    return status;
}

ProjectFileStatus ReadWorkspaceFile(const char* path, std::vector<WorkspaceDocument>& documents)
{
    CStringArray lines;
    if (!ReadTextLines(path, lines))
        return ProjectFileStatus::cannotOpen;
    LineReader reader(lines);
    return ReadWorkspaceSection(reader, GetDirectoryPart(path), documents);
}

ProjectFileStatus WriteProjectFile(const char* path, const ProjectTree& tree,
                                   const std::vector<WorkspaceDocument>& documents, const char* versionTag)
{
    CString folder = GetDirectoryPart(path);
    CString out = CString("<项目") + Quoted("版本", versionTag) + ">\n";
    WriteItems(tree.Root(), folder, "\t", out);
    out += "</项目>\n\n";
    WriteWorkspaceSection(documents, folder, versionTag, out);
    return WriteFileBytes(path, out) ? ProjectFileStatus::ok : ProjectFileStatus::cannotWrite;
}

ProjectFileStatus WriteWorkspaceFile(const char* path, const std::vector<WorkspaceDocument>& documents,
                                     const char* versionTag)
{
    CString out;
    WriteWorkspaceSection(documents, GetDirectoryPart(path), versionTag, out);
    return WriteFileBytes(path, out) ? ProjectFileStatus::ok : ProjectFileStatus::cannotWrite;
}

CString ProjectFileMessage(ProjectFileStatus status, const CString& path)
{
    switch (status) {
    case ProjectFileStatus::ok:
        return CString();
    case ProjectFileStatus::cannotOpen:
        return "打开文件失败.\n" + path;
    case ProjectFileStatus::badFile:
        return "错误的项目文件.";
    case ProjectFileStatus::scanError:
        return "分析项目属性时发生错误.\n(" + path + ")";
    case ProjectFileStatus::cannotWrite:
        return "保存文件失败.\n" + path;
    }
    return CString();
}
