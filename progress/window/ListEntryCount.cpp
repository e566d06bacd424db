#include <progress/window/ListEntryCount.h>

#include <files/InputFile.h>

#include <vector>

namespace progress {

std::int64_t ListEntryCount::of(const std::string& path)
{
    files::InputFile file;
    if (path.empty() || file.open(path) != 0)
        return -1;
    std::vector<char> buffer(1 << 16);
    std::int64_t entries = 0;
    bool filled = false;  // the line under way holds more than blanks
    int error = 0;
    for (;;) {
        const std::size_t got = file.read(buffer.data(), buffer.size(), error);
        if (error != 0)
            return -1;
        if (got == 0)
            break;
        for (std::size_t k = 0; k < got; ++k) {
            const char c = buffer[k];
            if (c == '\n') {
                entries += filled ? 1 : 0;
                filled = false;
            } else if (c != ' ' && c != '\t' && c != '\r') {
                filled = true;
            }
        }
    }
    return entries + (filled ? 1 : 0);
}

}  // namespace progress
