// The totals display format on any double, and on extended values past a
// double's range (a huge total shown in grams), with both separators:
//  - a finite value is written in the fixed or the scientific form, reads
//    back within half a unit of its last kept digit, has no "-" before zero;
//  - "," and "." give the same text but for the separator;
//  - a value that is not finite is "Floating point overflow", nothing else.
#include "Check.h"

#include "calc/Display.h"
#include "calc/Error.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

template <typename Float> void RequireShownBothWays(Float x, const std::string& context) {
    std::string point, comma;
    try {
        point = calc::FormatTotal(x, '.');
    } catch (const calc::Error& e) {
        fuzz::Require(!std::isfinite(x), context + ": error for a finite value: " + e.what());
        fuzz::Require(std::string(e.what()) == calc::Overflow,
                      context + ": unknown message " + fuzz::Shown(e.what()));
        return;
    }
    fuzz::Require(std::isfinite(x), context + ": a text for a value that is not finite");
    comma = calc::FormatTotal(x, ',');
    std::string swapped = point;
    for (char& c : swapped)
        if (c == '.') c = ',';
    fuzz::Require(comma == swapped, context + ": " + fuzz::Shown(point) + " but " +
                                        fuzz::Shown(comma) + " with a comma");
    fuzz::RequireDisplays(x, point, '.', context);
    fuzz::RequireDisplays(x, comma, ',', context + " (comma)");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) return -1;
    double x;
    std::memcpy(&x, data, sizeof x);
    char context[64];
    std::snprintf(context, sizeof context, "FormatTotal(%a)", x);
    RequireShownBothWays(x, context);
    if (size > sizeof(double) && std::isfinite(x)) {
        // Scaled by up to 2^127 either way: values a unit conversion may reach.
        const int scale = int(data[sizeof(double)]) - 128;
        const long double scaled = std::ldexp(static_cast<long double>(x), scale);
        std::snprintf(context, sizeof context, "FormatTotal(%La)", scaled);
        RequireShownBothWays(scaled, context);
    }
    return 0;
}
