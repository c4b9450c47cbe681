// Copies of a small waiting program, started under chosen file names for the process
// snapshot to find, and killed again at the end of a test.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class ChildProcess {
public:
    explicit ChildProcess(const PROCESS_INFORMATION& info) : m_info(info) {}
    ~ChildProcess();  // kills the process and waits for its end

    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD Id() const { return m_info.dwProcessId; }
    HANDLE Handle() const { return m_info.hProcess; }
    void Kill();

private:
    PROCESS_INFORMATION m_info;
    bool m_killed = false;
};

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
    std::unique_ptr<ChildProcess> Start(const std::string& relativePath);

private:
    std::string m_path;
    std::vector<std::string> m_created;  // files and folders, in order of creation
};

// The full path of this test program's directory, without a trailing backslash.
std::string TestProgramDirectory();
