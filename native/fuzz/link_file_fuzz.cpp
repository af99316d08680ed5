// Link files: one read for the description files it names and once more for its
// first-line pattern.
#include "FuzzInput.h"
#include "editor/document/LanguageFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string path = FuzzInput::WriteTempFile("link", std::string(reinterpret_cast<const char*>(data), size));
    CLanguageFiles files("/nonexistent");
    SkippedLines skipped;
    files.ReadLinkFile(path, &skipped);
    std::string pattern;
    CLanguageFiles::ReadContainsPattern(path, pattern);
    return 0;
}
