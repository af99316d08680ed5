#pragma once

// While one lives, every CFile write of the process draws on a budget of bytes, and a write
// past it stores what fits and fails as a full disk does (CFileException::diskFull): how a
// test sees what a full disk does to a save. One at a time.
class CFileSpaceLimit {
public:
    explicit CFileSpaceLimit(long long bytes);
    ~CFileSpaceLimit();
    CFileSpaceLimit(const CFileSpaceLimit&) = delete;
    CFileSpaceLimit& operator=(const CFileSpaceLimit&) = delete;
};
