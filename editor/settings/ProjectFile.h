#pragma once
#include <array>
#include <vector>

#include "editor/settings/ProjectTree.h"

// Project (".项目") and workspace (".工作区") files: one element per line, one tab per level.
// A project file holds the project section, an empty line and the workspace section; a
// workspace file only the workspace section, which lists the open documents with their caret
// line and window placement.

// A document listed in a workspace section.
struct WorkspaceDocument {
    int account = -1;  // -1 for a local file
    CString path;      // full local path, or the remote path
    int length = 0;    // remote files
    int line = 0;      // the caret line of the document's first view
    bool hasPlacement = false;
    // flags, show state, minimised x, y, maximised x, y, normal left, top, right, bottom
    std::array<int, 10> placement{};
};

enum class ProjectFileStatus {
    ok,
    cannotOpen,
    badFile,    // 54052: a section or a required attribute is missing, or a value is out of range
    scanError,  // 54051: an attribute that lacks its "=" or its quotes
    cannotWrite,
};

// Reads a project file into the tree and its workspace section's documents. On failure the
// tree holds no project; documents read before the fault stay listed, so the caller can
// still open them before it shows the message.
ProjectFileStatus ReadProjectFile(const char* path, ProjectTree& tree, std::vector<WorkspaceDocument>& documents);
// Reads a workspace file; documents read before a fault stay listed.
ProjectFileStatus ReadWorkspaceFile(const char* path, std::vector<WorkspaceDocument>& documents);

// Writes the tree and the documents. Local paths inside the file's folder are written
// relative to it. A document whose path a value could not hold is left out; the tree never
// holds such a name (ProjectTree refuses it).
ProjectFileStatus WriteProjectFile(const char* path, const ProjectTree& tree,
                                   const std::vector<WorkspaceDocument>& documents, const char* versionTag);
ProjectFileStatus WriteWorkspaceFile(const char* path, const std::vector<WorkspaceDocument>& documents,
                                     const char* versionTag);

// The message for a failed read or write of the file at path; empty for ok.
CString ProjectFileMessage(ProjectFileStatus status, const CString& path);
