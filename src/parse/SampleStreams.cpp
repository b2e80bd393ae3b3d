#include "parse/SampleStreams.h"

namespace valtrane::parse {

QByteArray sampleStream(int)
{
    return QByteArray();
}

} // namespace valtrane::parse
