#include "FuzzParse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return valtrane::fuzz::run(&valtrane::parse::Parse::Parse_SG2150, {0, 9876}, false, data, size);
}
