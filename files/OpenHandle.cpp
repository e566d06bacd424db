#include <files/OpenHandle.h>

#include <files/SystemCalls.h>

namespace files {

OpenHandle::~OpenHandle()
{
    close();
}

void OpenHandle::hold(NativeHandle handle)
{
    close();
    handle_ = handle;
}

int OpenHandle::close()
{
    if (handle_ == noHandle)
        return 0;
    const NativeHandle closing = handle_;
    handle_ = noHandle;  // closed whatever the system answers: never closed twice
    return system::close(closing);
}

}  // namespace files
