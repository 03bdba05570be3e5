#pragma once

// Limits where this process loads DLLs from to the system directory, so that
// a DLL planted beside the launcher or in the working directory (a downloads
// folder, say) is never loaded. A setting of this process only: the browser
// and the game it starts search for their DLLs as usual. Does nothing on
// systems without the call.
void RestrictDllSearch();
