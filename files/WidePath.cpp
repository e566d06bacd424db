#include <files/WidePath.h>

#include <windows.h>

namespace files {

bool widePath(const std::string& path, std::wstring& wide)
{
    wide.clear();
    if (path.empty())
        return true;
    const int size = static_cast<int>(path.size());
    const int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), size, nullptr, 0);
    if (length <= 0)
        return false;
    wide.resize(static_cast<std::size_t>(length));
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), size, wide.data(),
                               length)
        == length;
}

}  // namespace files
