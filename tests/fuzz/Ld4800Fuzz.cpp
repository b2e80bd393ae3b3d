#include "FuzzParse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return valtrane::fuzz::run(&valtrane::parse::Parse::Parse_LD4800, {0, 89}, false, data, size);
}
