#include "tests/process/ChildProcesses.h"

#include <gtest/gtest.h>

namespace {

const DWORD kStartTimeoutMs = 20000;

std::string UniqueName(const char* prefix)
{
    static LONG counter = 0;
    return std::string(prefix) + std::to_string(GetCurrentProcessId()) + "_" +
           std::to_string(InterlockedIncrement(&counter)) + "_" + std::to_string(GetTickCount());
}

}  // namespace

ScratchDirectory::ScratchDirectory()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    m_path = std::string(temp) + UniqueName("proc");
    CreateDirectoryA(m_path.c_str(), nullptr);
}

ScratchDirectory::~ScratchDirectory()
{
    for (auto it = m_created.rbegin(); it != m_created.rend(); ++it) {
        if (!DeleteFileA(it->c_str()))
            RemoveDirectoryA(it->c_str());
    }
    RemoveDirectoryA(m_path.c_str());
}

std::unique_ptr<Program> ScratchDirectory::Start(const std::string& relativePath)
{
    const std::string target = m_path + "\\" + relativePath;
    for (std::size_t slash = relativePath.find('\\'); slash != std::string::npos;
         slash = relativePath.find('\\', slash + 1)) {
        const std::string folder = m_path + "\\" + relativePath.substr(0, slash);
        if (CreateDirectoryA(folder.c_str(), nullptr))
            m_created.push_back(folder);
    }
    const std::string child = ProgramPath("process_child.exe");
    if (!CopyFileA(child.c_str(), target.c_str(), TRUE)) {
        ADD_FAILURE() << "cannot copy " << child << " to " << target;
        return nullptr;
    }
    m_created.push_back(target);

    const std::string eventName = UniqueName("dv_child_ready_");
    const HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
    auto process = std::make_unique<Program>(target, eventName);
    const bool running = process->Started() && WaitForSingleObject(ready, kStartTimeoutMs) == WAIT_OBJECT_0;
    CloseHandle(ready);
    if (!running) {
        ADD_FAILURE() << target << " did not get ready";
        return nullptr;
    }
    return process;
}
