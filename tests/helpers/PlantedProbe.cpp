// A DLL that does nothing but load: planted beside a program or in its working
// directory, it shows whether that program's DLL search would pick it up.

#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
