#pragma once

#include <string>

// A private directory for a simulation's files, removed with everything in it.
class CTemporaryDirectory {
public:
    CTemporaryDirectory();
    ~CTemporaryDirectory();
    CTemporaryDirectory(const CTemporaryDirectory&) = delete;
    CTemporaryDirectory& operator=(const CTemporaryDirectory&) = delete;

    // Ends in '/'; empty when no directory could be made.
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};
