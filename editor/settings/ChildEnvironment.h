#pragma once
#include <map>
#include <string>

#include "framework/CString.h"

// The environment in which the IDE's child processes (the compiler driver, batch files,
// user tools) run: PATH, LIB and INCLUDE built from the installation folder, compiler
// folders found beside it and the environment file "命令\环境.配置"; the inherited values
// are saved at start-up and put back at exit.

// Reads and writes environment variables; the process's own, or a table in tests.
class EnvironmentAccess {
public:
    virtual ~EnvironmentAccess() = default;
    // False when the variable is missing or empty.
    virtual bool Get(const char* name, CString& value) = 0;
    virtual void Set(const char* name, const char* value) = 0;
};

// The running process's environment.
class ProcessEnvironment : public EnvironmentAccess {
public:
    bool Get(const char* name, CString& value) override;
    void Set(const char* name, const char* value) override;
};

// A table of variables (names compare exactly).
class EnvironmentTable : public EnvironmentAccess {
public:
    bool Get(const char* name, CString& value) override;
    void Set(const char* name, const char* value) override { m_values[name] = value; }

private:
    std::map<std::string, std::string> m_values;
};

// Reads a variable of any length. A missing or empty variable leaves value and present
// untouched and succeeds; false only when it cannot be read.
bool ReadEnvironmentValue(const char* name, CString& value, bool& present);

// The inherited values of LIB, PATH, 接口文件路径 and include, in this order.
struct SavedEnvironment {
    static const int kCount = 4;
    struct Entry {
        const char* name;
        CString value;
        bool present = false;
    };
    Entry entries[kCount] = {{"LIB"}, {"PATH"}, {"接口文件路径"}, {"include"}};

    void Save(EnvironmentAccess& env);
    // Puts back every value that was present.
    void Restore(EnvironmentAccess& env) const;
    // The saved value, or empty when it was absent.
    CString ValueOf(const char* name) const;
};

// Additions for the three lists.
struct SearchPathLists {
    CString path;
    CString lib;
    CString include;
};

// A compiler's folders below "vc" of the installation folder or of its parent.
SearchPathLists DetectCompilerFolders(const CString& installFolder);

// A value of the environment file made absolute against the installation folder.
CString ResolveEnvironmentValue(const CString& value, const CString& installFolder);
// One line of the environment file: a list name adds to the lists, any other name sets its
// variable at once.
void ApplyEnvironmentLine(const CString& line, const CString& installFolder, SearchPathLists& lists,
                          EnvironmentAccess& env);
// Every line of the file; a missing file adds nothing.
void ReadEnvironmentFile(const char* path, const CString& installFolder, SearchPathLists& lists,
                         EnvironmentAccess& env);

// Sets PATH, LIB, INCLUDE, 接口文件路径 and QNB_MOYUYAN for the children from the
// installation folder, the environment file below it, the detected compiler folders
// (unless detection is off) and the saved PATH.
void BuildChildEnvironment(const CString& installFolder, bool detectCompiler, const SavedEnvironment& saved,
                           EnvironmentAccess& env);
