// A PSAPI.DLL that loads but offers none of the process functions.
#include <windows.h>

extern "C" __declspec(dllexport) int FakePsapiMarker()
{
    return 1;
}
