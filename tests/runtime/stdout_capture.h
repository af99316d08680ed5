#pragma once
#include <string>

// Redirects the C runtime's standard output (descriptor 1) into a temporary file while the
// object lives, so a test can read what the runtime printed.
class StdoutCapture {
public:
    StdoutCapture();
    ~StdoutCapture();
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    // Stops capturing and returns everything printed since the start.
    std::string Finish();

private:
    int m_savedStdout = -1;
    int m_file = -1;
    std::string m_path;
};

// Replaces the hexadecimal digits after every "内存=" with "#", so log lines compare
// without the addresses.
std::string MaskAddresses(const std::string& text);
