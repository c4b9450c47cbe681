// The interface of a process back-end: it fills a list with the running processes.
#pragma once

class EntryList;
class ProcessEntry;

class ProcessEnumerator {
public:
    // `list` is filled, not owned.
    explicit ProcessEnumerator(EntryList& list) : m_list(list) {}
    virtual ~ProcessEnumerator() = default;

    ProcessEnumerator(const ProcessEnumerator&) = delete;
    ProcessEnumerator& operator=(const ProcessEnumerator&) = delete;

    // Adds the modules of the entry's process, the executable's own one left out.
    virtual int EnumerateModules(ProcessEntry& entry) = 0;
    // Appends one entry per visible process, each with its modules; 1 on success, 0 on failure.
    virtual int EnumerateProcesses() = 0;

protected:
    EntryList& m_list;
};
