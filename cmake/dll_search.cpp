// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// Built into each program by tavrelo_windows_program() in cmake/windows.cmake: the program takes Windows' DLLs from
// System32 alone, never from its own folder, where anyone who can write a file there (a Downloads folder) could
// plant one of the same name.
#include <windows.h>

// The load configuration, which Windows 10 1607 and later read before they load the DLLs the program imports. Its
// Reserved1 is what newer headers call DependentLoadFlags. GNU ld leaves the header's load configuration entry
// empty, so scripts/pe-load-config.py points it here after the link.
extern "C" [[gnu::used]] const IMAGE_LOAD_CONFIG_DIRECTORY _load_config_used = {
    .Size = sizeof(IMAGE_LOAD_CONFIG_DIRECTORY),
    .Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32,
};

namespace {

// The same for every DLL loaded later, by name, before any other code of the program runs.
[[gnu::constructor(101)]] void searchSystem32Only()
{
#ifdef TAVRELO_WINDOWS7
    // Windows 7 has the function only with update KB2533623: looked up, so that the program starts without it, and
    // then at least the working folder is left out of the search.
    using SetDirectories = BOOL(WINAPI *)(DWORD);
    const auto set = reinterpret_cast<SetDirectories>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (!set || !set(LOAD_LIBRARY_SEARCH_SYSTEM32))
        SetDllDirectoryW(L"");
#else
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
#endif
}

} // namespace
