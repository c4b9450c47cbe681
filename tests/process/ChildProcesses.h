// Copies of a small waiting program, started under chosen file names for the process
// snapshot to find, and killed again at the end of a test.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/Program.h"

// A fresh directory under the temporary directory, removed with all its files.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();

    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::string& Path() const { return m_path; }

    // Copies the waiting program to `relativePath` (folders are made as needed), starts
    // it and returns once it runs. Fails the test and returns null when it can't.
    std::unique_ptr<Program> Start(const std::string& relativePath);

private:
    std::string m_path;
    std::vector<std::string> m_created;  // files and folders, in order of creation
};
