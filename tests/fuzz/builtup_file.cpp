// readBuiltUp over arbitrary bytes: it must refuse with a reason or read a
// composition within the file's limits that writes back to the same reading.
#include "builtup/builtup_file.h"
#include "fuzz_input.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const BuiltUpReading read = readBuiltUp(bytes);
    if (!read.composition) {
        FUZZ_CHECK(!read.reason.isEmpty());
        return 0;
    }
    const BuiltUpComposition& c = *read.composition;
    FUZZ_CHECK(!c.parts.empty() && c.parts.size() <= std::size_t(BuiltUpMaxParts));
    FUZZ_CHECK(c.name.size() <= BuiltUpNameMaxLength);
    for (const BuiltUpPart& p : c.parts) {
        FUZZ_CHECK(p.angle >= 0 && p.angle < 360);
        FUZZ_CHECK(p.entry.isEmpty() != p.dims.isEmpty());
        FUZZ_CHECK(entryProblem(p).isEmpty());
    }
    const BuiltUpReading again = readBuiltUp(writeBuiltUp(c));
    FUZZ_CHECK(again.composition && *again.composition == c);
    return 0;
}
