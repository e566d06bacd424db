#include <testsupport/BindMount.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#ifndef _WIN32
#include <sys/mount.h>
#endif

namespace testsupport {

namespace fs = std::filesystem;

#ifdef _WIN32
BindMount::BindMount(const fs::path&, const fs::path&)
    : why_("Windows has no bind mount: no folder can be mounted twice by a test")
{
}

BindMount::~BindMount() = default;
#else
BindMount::BindMount(const fs::path& folder, const fs::path& at) : at_(at)
{
    std::error_code error;
    fs::create_directories(at, error);
    if (::mount(folder.c_str(), at.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        why_ = std::string("no folder can be mounted twice here (it needs root and a system "
                           "that lets this process mount): ")
            + std::strerror(errno);
        return;
    }
    mounted_ = true;
}

BindMount::~BindMount()
{
    if (mounted_)
        ::umount2(at_.c_str(), MNT_DETACH);
}
#endif

}  // namespace testsupport
