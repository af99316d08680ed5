#pragma once
#include <string>

// A fresh empty folder under the system's temporary folder, removed with everything in it
// when the object goes out of scope. Paths are in the ANSI code page.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, without a trailing backslash.
    const std::string& Path() const { return m_path; }
    // Path(), the platform's separator, name.
    std::string operator/(const std::string& name) const { return m_path + kSeparator + name; }

    // Writes bytes to a file below the folder (name relative to it); returns the full path.
    std::string WriteFile(const std::string& name, const std::string& bytes) const;
    // Reads a whole file; empty when it cannot be read.
    static std::string ReadFile(const std::string& path);

private:
#ifdef _WIN32
    static constexpr const char* kSeparator = "\\";
#else
    static constexpr const char* kSeparator = "/";
#endif
    std::string m_path;
};
