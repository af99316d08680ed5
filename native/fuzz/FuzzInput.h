#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

// Helpers the fuzz targets share: splitting one input into parts and handing a part to a
// loader that reads files.
namespace FuzzInput {

// The input's bytes up to the first separator "\n%%\n" (or all of them), removed from it.
inline std::string TakePart(std::string& rest)
{
    static const char kSeparator[] = "\n%%\n";
    size_t at = rest.find(kSeparator);
    std::string part = rest.substr(0, at);
    rest = at == std::string::npos ? std::string() : rest.substr(at + sizeof kSeparator - 1);
    return part;
}

// The text's lines, without their line feeds.
inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// Writes bytes to this process's file of the given name under the temporary folder and
// returns its path; the same path serves every run.
inline std::string WriteTempFile(const char* name, const std::string& bytes)
{
    const char* base = getenv("TMPDIR");
    std::string path = std::string(base && *base ? base : "/tmp") + "/moyu-fuzz-"
                       + std::to_string(getpid()) + "-" + name;
    FILE* file = fopen(path.c_str(), "wb");
    if (!file)
        abort();
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
    return path;
}

} // namespace FuzzInput
