#include "temp_dir.h"

#include <cstdio>
#include <stdexcept>

std::string TempDir::WriteFile(const std::string& name, const std::string& bytes) const
{
    std::string path = *this / name;
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path);
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
    return path;
}

std::string TempDir::ReadFile(const std::string& path)
{
    std::string bytes;
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return bytes;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    fclose(f);
    return bytes;
}
