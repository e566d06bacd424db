#include "SeededRandomSource.h"

namespace drill {

SeededRandomSource::SeededRandomSource(std::uint32_t seed) : engine_(seed) {}

float SeededRandomSource::next()
{
    return unitFloat(engine_());
}

}  // namespace drill
