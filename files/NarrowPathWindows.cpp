#include <files/NarrowPath.h>
#include <files/WidePath.h>
#include <files/WindowsError.h>

#include <cerrno>
#include <vector>

#include <windows.h>

namespace files {

namespace {

// False when a character has no exact counterpart in the code page.
bool inCodePage(const std::wstring& wide, std::string& narrow)
{
    if (wide.empty()) {
        narrow.clear();
        return true;
    }
    const int size = static_cast<int>(wide.size());
    BOOL lost = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr,
                                           0, nullptr, &lost);
    if (length <= 0 || lost)
        return false;
    narrow.resize(static_cast<std::size_t>(length));
    return WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, narrow.data(),
                               length, nullptr, &lost)
        == length
        && !lost;
}

}  // namespace

int narrowPath(const std::string& path, std::string& narrow)
{
    std::wstring wide;
    if (!widePath(path, wide))
        return EINVAL;
    if (inCodePage(wide, narrow))
        return 0;
    std::vector<wchar_t> shortForm(32768);
    const DWORD length =
        GetShortPathNameW(wide.c_str(), shortForm.data(), static_cast<DWORD>(shortForm.size()));
    if (length == 0 || length >= shortForm.size())
        return length == 0 ? errnoFromWindows(GetLastError(), EILSEQ) : ENAMETOOLONG;
    return inCodePage(std::wstring(shortForm.data(), length), narrow) ? 0 : EILSEQ;
}

}  // namespace files
