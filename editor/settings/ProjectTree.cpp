#include "editor/settings/ProjectTree.h"

#include <algorithm>

#include "editor/settings/MarkupLine.h"
#include "editor/util/PathUtil.h"

const char kNoProjectText[] = "- 没有可用项目 -";

namespace {

// Sort key of a child: the kind, then for files the file name of the path.
int CompareItems(const ProjectItem& a, const ProjectItem& b)
{
    if (a.kind != b.kind)
        return a.kind < b.kind ? -1 : 1;
    if (!a.IsFile())
        return 0;
    return GetFileNamePart(a.path).CompareNoCase(GetFileNamePart(b.path));
}

void CollectFrom(const ProjectItem& item, CStringArray& paths)
{
    for (const auto& child : item.children) {
        if (child->kind == ProjectItemKind::localFile)
            paths.Add(child->path);
        CollectFrom(*child, paths);
    }
}

} // namespace

void ProjectTree::Reset()
{
    m_root = std::make_unique<ProjectItem>();
    m_root->text = kNoProjectText;
}

void ProjectTree::Create(const CString& projectPath)
{
    Reset();
    m_root->text = GetFileNamePart(projectPath);
    m_root->path = projectPath;
}

ProjectItem* ProjectTree::Insert(ProjectItem& parent, ProjectItemKind kind, const CString& text, int account,
                                 const CString& path, int length)
{
    auto item = std::make_unique<ProjectItem>();
    item->kind = kind;
    item->text = text;
    item->account = account;
    item->path = path;
    item->length = length;
    item->parent = &parent;
    auto at = std::upper_bound(parent.children.begin(), parent.children.end(), item,
                               [](const std::unique_ptr<ProjectItem>& a, const std::unique_ptr<ProjectItem>& b) {
                                   return CompareItems(*a, *b) < 0;
                               });
    return parent.children.insert(at, std::move(item))->get();
}

int ProjectItem::CategoryDepth() const
{
    int depth = 0;
    for (const ProjectItem* item = this; item; item = item->parent)
        depth += item->kind == ProjectItemKind::category;
    return depth;
}

ProjectEdit ProjectTree::PrepareInsert(ProjectItem* selected, ProjectItemKind kind, const CString& name,
                                       ProjectItem*& parent) const
{
    if (!selected)
        return ProjectEdit::noSelection;
    if (!IsSafeMarkupValue(name) || name.IsEmpty())
        return ProjectEdit::unsafeName;
    parent = selected->IsFile() ? selected->parent : selected;
    if (kind == ProjectItemKind::category && parent->CategoryDepth() >= kMaxCategoryDepth)
        return ProjectEdit::tooDeep;
    for (const auto& child : parent->children) {
        if (kind == ProjectItemKind::category && child->kind == kind && child->text.CompareNoCase(name) == 0)
            return ProjectEdit::duplicateCategory;
        if (kind != ProjectItemKind::category && child->IsFile() && child->text.CompareNoCase(GetFileNamePart(name)) == 0)
            return ProjectEdit::alreadyListed;
    }
    return ProjectEdit::done;
}

ProjectEdit ProjectTree::AddCategory(ProjectItem* selected, const CString& name, ProjectItem** added)
{
    ProjectItem* parent = nullptr;
    ProjectEdit result = PrepareInsert(selected, ProjectItemKind::category, name, parent);
    if (result != ProjectEdit::done)
        return result;
    ProjectItem* item = Insert(*parent, ProjectItemKind::category, name, -1, CString(), 0);
    parent->expanded = true;
    if (added)
        *added = item;
    return result;
}

ProjectEdit ProjectTree::AddLocalFile(ProjectItem* selected, const CString& path, ProjectItem** added)
{
    ProjectItem* parent = nullptr;
    ProjectEdit result = PrepareInsert(selected, ProjectItemKind::localFile, path, parent);
    if (result != ProjectEdit::done)
        return result;
    ProjectItem* item = Insert(*parent, ProjectItemKind::localFile, GetFileNamePart(path), -1, path, 0);
    parent->expanded = true;
    if (added)
        *added = item;
    return result;
}

ProjectEdit ProjectTree::AddRemoteFile(ProjectItem* selected, int account, const CString& path, int length,
                                       ProjectItem** added)
{
    if (account < 0 || account >= kFtpAccountLimit)
        return ProjectEdit::badAccount;
    ProjectItem* parent = nullptr;
    ProjectEdit result = PrepareInsert(selected, ProjectItemKind::remoteFile, path, parent);
    if (result != ProjectEdit::done)
        return result;
    ProjectItem* item = Insert(*parent, ProjectItemKind::remoteFile, GetFileNamePart(path), account, path, length);
    parent->expanded = true;
    if (added)
        *added = item;
    return result;
}

ProjectEdit ProjectTree::Rename(ProjectItem& item, const CString& label)
{
    if (&item == m_root.get() || label.IsEmpty() || !IsSafeMarkupValue(label))
        return ProjectEdit::unsafeName;
    if (item.text.CompareNoCase(label) != 0)
        item.text = label;
    return ProjectEdit::done;
}

bool ProjectTree::Remove(ProjectItem& item)
{
    if (!item.parent)
        return false;
    auto& siblings = item.parent->children;
    auto at = std::find_if(siblings.begin(), siblings.end(),
                           [&](const std::unique_ptr<ProjectItem>& child) { return child.get() == &item; });
    if (at == siblings.end())
        return false;
    siblings.erase(at);
    return true;
}

void ProjectTree::CollectLocalFiles(CStringArray& paths) const
{
    paths.RemoveAll();
    CollectFrom(*m_root, paths);
}

CString ProjectEditMessage(ProjectEdit edit, const CString& name)
{
    switch (edit) {
    case ProjectEdit::noSelection:
        return "获取选定项目条目失败";
    case ProjectEdit::duplicateCategory:
        return "复制项目条目.";
    case ProjectEdit::unsafeName:
        return "名字中不能含有双引号或控制字符:\n" + name;
    case ProjectEdit::badAccount:
        return "错误的FTP账号.";
    case ProjectEdit::tooDeep:
        return "类目层次太深.";
    default:
        return CString();
    }
}
