#include <workshop/ops/Transfer.h>

#include <string>

namespace workshop {

void transferMarked(textfile::LineSource& source, textfile::LineSink& sink)
{
    std::string line;
    while (source.next(line)) {
        if (!line.empty() && line.back() == '*')
            sink.write(std::string_view(line).substr(0, line.size() - 1));
    }
}

}  // namespace workshop
