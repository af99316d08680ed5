#include "temp_dir.h"

#include <ftw.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

TempDir::TempDir()
{
    const char* base = getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/moyu-test-XXXXXX";
    if (!mkdtemp(&pattern[0]))
        throw std::runtime_error("cannot create temporary folder");
    m_path = pattern;
}

TempDir::~TempDir()
{
    nftw(m_path.c_str(),
         [](const char* path, const struct stat*, int, struct FTW*) { return remove(path); }, 16,
         FTW_DEPTH | FTW_PHYS);
}
