#include <files/ShownPath.h>

#include <algorithm>
#include <atomic>

namespace files {

namespace {

#ifdef _WIN32
constexpr char systemSeparator = '\\';
#else
constexpr char systemSeparator = '/';
#endif

// read by the import's worker thread as well as the window's
std::atomic<char> separatorInUse{systemSeparator};

}  // namespace

ShownSeparator::ShownSeparator(char separator) : previous_(separatorInUse.exchange(separator)) {}

ShownSeparator::~ShownSeparator()
{
    separatorInUse.store(previous_);
}

char ShownSeparator::current()
{
    return separatorInUse.load();
}

std::string shownPath(const std::string& path)
{
    std::string shown = path;
    // Only Windows reads "\" as a separator: elsewhere it may be part of a name.
    if (ShownSeparator::current() == '\\')
        std::replace(shown.begin(), shown.end(), '/', '\\');
    return shown;
}

}  // namespace files
