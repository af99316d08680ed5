#pragma once
#include <io.h>
#include <stdio.h>

#include <string>

#include "converter_test_support.h"
#include "temp_dir.h"

// Redirects standard output (descriptor 1) into a temporary file while it lives, so a test
// can read what the converter printed.
class StdoutCaptureLite {
public:
    StdoutCaptureLite()
    {
        fflush(stdout);
        m_saved = _dup(1);
        m_path = m_dir / "stdout.txt";
        FILE* file = fopen(m_path.c_str(), "w");
        _dup2(_fileno(file), 1);
        fclose(file);
    }
    ~StdoutCaptureLite() { Finish(); }
    StdoutCaptureLite(const StdoutCaptureLite&) = delete;
    StdoutCaptureLite& operator=(const StdoutCaptureLite&) = delete;

    // Stops capturing; what was printed, with LF line ends.
    std::string Finish()
    {
        if (m_saved >= 0) {
            fflush(stdout);
            _dup2(m_saved, 1);
            _close(m_saved);
            m_saved = -1;
        }
        return WithLineFeeds(ReadBytes(m_path));
    }

private:
    TempDir m_dir;
    std::string m_path;
    int m_saved = -1;
};
