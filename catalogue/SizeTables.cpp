// The standard sizes of the five rolled profiles, as the size boxes list them,
// each with its linear mass in kg per metre at 7874 kg/m3. The masses are the
// published figures, kept as data and never recomputed from the dimensions:
// they are rounded their own way, and a few different sizes share a mass.
#include "catalogue/ProfileSizeTable.h"

#include <array>

namespace catalogue {
namespace {

// One row per line, as the size box lists them.
// clang-format off

// Hexagonal bar: width across flats.
constexpr std::array<ProfileSize, 19> HexagonalBarSizes{{
    {"5.5", 0.206},
    {"7", 0.333},
    {"8", 0.435},
    {"10", 0.68},
    {"12", 0.979},
    {"13", 1.15},
    {"14", 1.33},
    {"17", 1.96},
    {"19", 2.45},
    {"22", 3.29},
    {"24", 3.92},
    {"27", 4.96},
    {"30", 6.12},
    {"32", 6.96},
    {"36", 8.81},
    {"41", 11.4},
    {"46", 14.4},
    {"50", 17},
    {"55", 20.6},
}};

// I-beam: height x flange width x web thickness x flange thickness.
constexpr std::array<ProfileSize, 37> IBeamSizes{{
    {"100x55x4.5x7", 9.46},
    {"100x100x6x8", 16.7},
    {"120x64x5x7.5", 11.5},
    {"125x125x6.5x9", 23.4},
    {"140x73x5x7.5", 13.7},
    {"150x75x5x7", 13.7},
    {"150x100x6x9", 20.6},
    {"150x150x7x10", 31},
    {"160x81x5x8", 15.9},
    {"175x175x7.5x11", 39.7},
    {"180x90x5x8", 18.4},
    {"200x100x5.5x8", 21.6},
    {"200x200x8x12", 49.3},
    {"240x110x8x14", 38.3},
    {"250x125x5x8", 25.7},
    {"250x125x6x9", 28.9},
    {"250x250x9x14", 71.4},
    {"260x120x7x8.5", 29.7},
    {"300x130x9x15", 50.2},
    {"300x140x6x8.5", 32.9},
    {"300x150x6.5x9", 36},
    {"300x300x10x15", 92.9},
    {"350x175x7x11", 48.8},
    {"350x350x12x19", 135.3},
    {"360x130x9.5x16", 57.9},
    {"360x145x7.5x12", 48.6},
    {"400x200x7x11", 56.6},
    {"400x200x8x13", 65},
    {"400x400x13x21", 170.3},
    {"450x150x10.5x18", 77.6},
    {"450x160x9x14", 66.5},
    {"450x200x9x14", 74.6},
    {"500x200x10x16", 88},
    {"600x200x11x17", 103.4},
    {"600x300x12x20", 148.6},
    {"700x300x13x24", 181.6},
    {"800x300x14x26", 207},
}};

// C channel: height x flange width x web thickness x flange thickness.
constexpr std::array<ProfileSize, 36> CChannelSizes{{
    {"40x20x2x2", 1.14},
    {"50x32x4.5x7", 4.84},
    {"60x32x4x4", 3.39},
    {"65x36x4.5x7", 5.9},
    {"75x40x5x7", 6.92},
    {"80x40x4.5x7.5", 7.05},
    {"90x50x4x4", 5.32},
    {"100x46x4.5x7.5", 8.59},
    {"100x50x5x7.5", 9.36},
    {"104x20x2x2", 2.14},
    {"120x50x3x3", 4.87},
    {"120x52x5x8", 10.4},
    {"120x90x7x7", 14.83},
    {"125x65x6x8", 13.4},
    {"140x58x5x8", 12.3},
    {"150x75x6.5x10", 18.6},
    {"150x75x9x12.5", 24},
    {"160x40x2x2", 3.64},
    {"160x50x4x4", 7.6},
    {"160x64x5x8.5", 14.2},
    {"180x70x5x8.5", 16.3},
    {"180x75x7x10.5", 21.4},
    {"200x70x7x10", 21.1},
    {"200x76x5x9", 18.4},
    {"200x80x7.5x11", 24.6},
    {"200x90x8x13.5", 30.3},
    {"240x90x5.5x10", 24},
    {"250x90x9x13", 34.6},
    {"250x90x11x14.5", 40.2},
    {"300x90x10x15.5", 43.8},
    {"300x90x12x16", 48.6},
    {"300x100x6.5x11", 31.8},
    {"380x100x10.5x16", 54.5},
    {"380x100x13x16.5", 62},
    {"380x100x13x20", 67.3},
    {"400x115x8x13.5", 48.3},
}};

// Lip channel: height x flange width x lip x thickness. The thickness always
// carries its decimal, so "200x75x20x4.0" is a label and "200x75x20x4" is not.
constexpr std::array<ProfileSize, 11> LipChannelSizes{{
    {"100x50x20x2.3", 4.06},
    {"100x50x20x2.8", 4.87},
    {"100x50x20x3.2", 5.5},
    {"125x50x20x2.3", 4.51},
    {"125x50x20x3.2", 6.13},
    {"150x50x20x2.3", 4.96},
    {"150x50x20x3.2", 6.76},
    {"150x65x20x2.3", 5.5},
    {"150x65x20x3.2", 7.51},
    {"200x75x20x3.2", 9.27},
    {"200x75x20x4.0", 11.4},
}};

// Angle: leg x leg x thickness, the longer leg first. Unequal angles sit among
// the equal ones ("32x20x3" after "32x32x3"), as the size box lists them.
constexpr std::array<ProfileSize, 60> AngleSizes{{
    {"20x20x3", 0.89},
    {"25x25x3", 1.12},
    {"30x30x3", 1.36},
    {"32x32x3", 1.46},
    {"32x20x3", 1.17},
    {"40x40x3", 1.83},
    {"40x40x4", 2.42},
    {"40x40x5", 2.98},
    {"45x28x4", 2.2},
    {"45x45x4", 2.73},
    {"45x45x5", 3.37},
    {"50x32x4", 2.4},
    {"50x50x4", 3.05},
    {"50x50x5", 3.77},
    {"50x50x6", 4.48},
    {"56x36x4", 2.81},
    {"60x60x4", 3.68},
    {"60x60x5", 4.57},
    {"60x60x6", 5.43},
    {"63x40x6", 4.63},
    {"63x63x6", 5.72},
    {"65x65x5", 4.96},
    {"65x65x6", 5.91},
    {"65x65x8", 7.75},
    {"70x70x6", 6.38},
    {"75x50x6", 5.69},
    {"75x75x6", 6.86},
    {"75x75x8", 9.02},
    {"75x75x9", 10.08},
    {"75x75x12", 13.15},
    {"80x80x6", 7.34},
    {"80x80x8", 9.65},
    {"90x56x8", 8.77},
    {"90x90x6", 8.29},
    {"90x90x7", 9.64},
    {"90x90x10", 13.5},
    {"90x90x13", 17.24},
    {"100x63x8", 9.87},
    {"100x100x7", 10.79},
    {"100x100x10", 15.1},
    {"100x100x13", 19.3},
    {"120x120x8", 14.7},
    {"120x120x11", 20},
    {"120x120x12", 21.72},
    {"125x80x10", 15.47},
    {"125x125x12", 22.68},
    {"130x130x9", 17.94},
    {"130x130x12", 23.63},
    {"130x130x15", 29.18},
    {"150x150x12", 27.44},
    {"150x150x15", 33.94},
    {"150x150x19", 42.39},
    {"160x100x12", 23.58},
    {"175x175x12", 32.2},
    {"175x175x15", 39.9},
    {"200x200x15", 45.85},
    {"200x200x20", 60.34},
    {"200x200x25", 74.44},
    {"250x250x25", 94.3},
    {"250x250x35", 129.2},
}};

// clang-format on

} // namespace

ProfileSizeTable SizeTable(Profile profile) {
    switch (profile) {
    case Profile::HexagonalBar:
        return HexagonalBarSizes;
    case Profile::IBeam:
        return IBeamSizes;
    case Profile::CChannel:
        return CChannelSizes;
    case Profile::LipChannel:
        return LipChannelSizes;
    case Profile::Angle:
        return AngleSizes;
    }
    return {};
}

} // namespace catalogue
