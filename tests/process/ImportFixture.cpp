// Programs that do import what the product must not, to show that the import check sees it.
#include <windows.h>

#if defined(IMPORT_PSAPI)
#include <psapi.h>
#else
#include <tlhelp32.h>
#endif

int main()
{
#if defined(IMPORT_PSAPI)
    DWORD ids[16];
    DWORD bytes = 0;
    return EnumProcesses(ids, sizeof ids, &bytes) ? 0 : 1;
#else
    MODULEENTRY32 record = {};
    record.dwSize = sizeof record;
    return Module32Next(INVALID_HANDLE_VALUE, &record) ? 0 : 1;
#endif
}
