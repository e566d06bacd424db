#include <files/Process.h>
#include <files/Utf8Path.h>

#include <cstdio>
#include <vector>

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

namespace files {

unsigned long processId()
{
    return GetCurrentProcessId();
}

std::string programName()
{
    std::vector<wchar_t> buffer(32768);
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 || length >= buffer.size())
        return "programme";
    return toUtf8(std::filesystem::path(std::wstring(buffer.data(), length)).stem());
}

std::vector<std::string> utf8Arguments(int argc, char** argv)
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide || count != argc) {
        if (wide)
            LocalFree(wide);
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i)
        arguments.push_back(toUtf8(std::filesystem::path(wide[i])));
    LocalFree(wide);
    return arguments;
}

void printUtf8()
{
    SetConsoleOutputCP(CP_UTF8);
}

namespace {

bool sentSomewhere(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

}  // namespace

bool useParentConsole()
{
    const bool out = sentSomewhere(STD_OUTPUT_HANDLE);
    const bool err = sentSomewhere(STD_ERROR_HANDLE);
    if (out && err)
        return true;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return false;
    if (!out)
        (void)std::freopen("CONOUT$", "w", stdout);
    if (!err)
        (void)std::freopen("CONOUT$", "w", stderr);
    printUtf8();
    return true;
}

}  // namespace files
