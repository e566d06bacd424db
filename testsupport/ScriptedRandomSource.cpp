#include <testsupport/ScriptedRandomSource.h>

#include <utility>

namespace testsupport {

ScriptedRandomSource::ScriptedRandomSource(std::vector<float> values) : values_(std::move(values))
{
}

float ScriptedRandomSource::next()
{
    if (values_.empty())
        return 0.0f;
    if (index_ >= values_.size())
        index_ = 0;
    return values_[index_++];
}

}  // namespace testsupport
