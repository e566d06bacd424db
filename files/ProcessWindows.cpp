#include <files/Process.h>
#include <files/Utf8Path.h>

#include <vector>

#include <windows.h>

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

}  // namespace files
