#include <testsupport/SeededRandomSource.h>

namespace testsupport {

SeededRandomSource::SeededRandomSource(std::uint32_t seed) : engine_(seed) {}

float SeededRandomSource::next()
{
    return unitFloat(engine_());
}

}  // namespace testsupport
