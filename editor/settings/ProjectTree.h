#pragma once
#include <memory>
#include <vector>

#include "framework/Collections.h"
#include "framework/CString.h"

// The open project as the workspace bar's project tree shows it: one root named after the
// project file, categories, and local and remote files. The tree control mirrors this model;
// every rule about what may be inserted where lives here.

// The kind is also the item's image index in the tree control.
enum class ProjectItemKind { root = 0, category = 1, localFile = 2, remoteFile = 3 };

constexpr int kFtpAccountLimit = 16;  // remote files name accounts 0 to 15
// Categories nest at most this deep, so every walk of the tree (reading, writing, filling the
// tree control, freeing) stays well within the stack whatever a project file holds.
constexpr int kMaxCategoryDepth = 64;

struct ProjectItem {
    ProjectItemKind kind = ProjectItemKind::root;
    CString text;       // the label: a category's name, a file's name, the project's file name
    int account = -1;   // remote files: the FTP account
    CString path;       // files: full local path or remote path; root: the project file
    int length = 0;     // remote files: the file's length
    bool expanded = false;
    ProjectItem* parent = nullptr;
    std::vector<std::unique_ptr<ProjectItem>> children;

    bool IsFile() const { return kind == ProjectItemKind::localFile || kind == ProjectItemKind::remoteFile; }
    // The categories this item is or lies in.
    int CategoryDepth() const;
};

// What an insertion into the tree came to; each refusal has its message below.
enum class ProjectEdit {
    done,
    noSelection,        // 54048
    duplicateCategory,  // 54049
    alreadyListed,      // a file of that name is there: silently not added
    unsafeName,         // the name cannot be stored in a project file
    badAccount,         // an FTP account outside 0..15
    tooDeep,            // a category below kMaxCategoryDepth others
};

class ProjectTree {
public:
    ProjectTree() { Reset(); }

    // No project: the single root item "- 没有可用项目 -".
    void Reset();
    // An empty project whose root is named after the file name of the path.
    void Create(const CString& projectPath);
    bool HasProject() const { return !m_root->path.IsEmpty(); }
    const CString& ProjectPath() const { return m_root->path; }
    ProjectItem& Root() { return *m_root; }
    const ProjectItem& Root() const { return *m_root; }

    // Insertions under the selected item, or under its parent when a file is selected; the
    // parent is expanded afterwards. A category name already used under that parent (letter
    // case aside) is refused, as is a file whose file name is already there and a category
    // deeper than kMaxCategoryDepth.
    ProjectEdit AddCategory(ProjectItem* selected, const CString& name, ProjectItem** added = nullptr);
    ProjectEdit AddLocalFile(ProjectItem* selected, const CString& path, ProjectItem** added = nullptr);
    ProjectEdit AddRemoteFile(ProjectItem* selected, int account, const CString& path, int length,
                              ProjectItem** added = nullptr);

    // Inserts an item without the duplicate checks, in sort order: categories, then local
    // files, then remote files; files of one kind by the file name of their path, letter case
    // aside; categories in the order they came.
    ProjectItem* Insert(ProjectItem& parent, ProjectItemKind kind, const CString& text, int account,
                        const CString& path, int length);
    // A new label that differs from the old one (letter case aside) replaces it; the root and
    // labels that a project file could not hold are refused.
    ProjectEdit Rename(ProjectItem& item, const CString& label);
    // Removes the item with everything below it; the root is refused.
    bool Remove(ProjectItem& item);

    // Every local file's path, depth first in tree order.
    void CollectLocalFiles(CStringArray& paths) const;

private:
    ProjectEdit PrepareInsert(ProjectItem* selected, ProjectItemKind kind, const CString& name,
                              ProjectItem*& parent) const;

    std::unique_ptr<ProjectItem> m_root;
};

// The message shown for a refused edit; empty for done and alreadyListed.
CString ProjectEditMessage(ProjectEdit edit, const CString& name);

extern const char kNoProjectText[];  // "- 没有可用项目 -"
