#pragma once
#include "framework/CString.h"

// The build settings file of a project or of a single source file: its path less the
// extension, plus ".设置". The IDE only edits it (the settings dialog); the compiler driver
// gives the keys their meaning.

struct ProjectSettings {
    CString targetType = "视窗程序";   // 目标类型
    CString operation = "正常处理";    // 操作定义
    bool mapFile = false;              // 生成映像文件
    bool assemblyCode = false;         // 生成汇编代码
    bool listingFile = false;          // 生成列表文件
    bool noDefaultLibraries = false;   // 不使用缺省库
    bool debug = false;                // 调试
    CString preprocessArgs;            // 预处理参数
    CString compileArgs;               // 编译参数 and 编译设置, several joined with ";"
    CString assembleArgs;              // 汇编参数
    CString linkArgs;                  // 连接参数
    CString resourceFile;              // 素材文件
    CString includeFolders[3];         // 接口文件路径
    CString extraLibraries;            // 附加库, several joined with two blanks
    CString libraryFolders[3];         // 库目录
    CString extraSources[2];           // 附加源文件: the first line, then the rest joined
    CString libraries;                 // 库: no control, kept for the next writing
    CString sources;                   // 源文件: no control, kept for the next writing
};

// The file that belongs to a project or document path.
CString ProjectSettingsPath(const CString& path);

// Starts from the defaults, then applies every key line. False when the file cannot be
// opened; the settings are then the defaults, never what an earlier file held.
bool ReadProjectSettings(const char* path, ProjectSettings& settings);
// Creates the file anew with its comment header and aligned key lines; an empty text or an
// off flag is not written, nor a folder that repeats an earlier one.
bool WriteProjectSettings(const char* path, const ProjectSettings& settings);
// "创建文件"path"失败!": the message of a failed write.
CString ProjectSettingsWriteMessage(const CString& path);
