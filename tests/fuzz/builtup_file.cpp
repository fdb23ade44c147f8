// readBuiltUp over any bytes: a refusal gives a reason; a composition read is
// within the file's limits and writes back to the same reading.
#include "fuzz_input.h"

#include "builtup/builtup_file.h"

FUZZ_TARGET(in)
{
    const BuiltUpReading read = readBuiltUp(in.rest());
    FUZZ_CHECK(read.composition || !read.reason.isEmpty());
    if (!read.composition)
        return;
    const BuiltUpComposition& c = *read.composition;
    FUZZ_CHECK(!c.parts.empty() && c.parts.size() <= std::size_t(BuiltUpMaxParts) &&
               c.name.size() <= BuiltUpNameMaxLength);
    for (const BuiltUpPart& p : c.parts)
        FUZZ_CHECK(p.angle >= 0 && p.angle < 360 && p.entry.isEmpty() != p.dims.isEmpty() &&
                   entryProblem(p).isEmpty());
    const BuiltUpReading again = readBuiltUp(writeBuiltUp(c));
    FUZZ_CHECK(again.composition && *again.composition == c);
}
