#pragma once
// The rolled-profile catalogue. A rolled profile is never dimensioned by
// typing its cross-section: the user picks a standard size from the profile's
// size box, and the size table gives its mass per metre of length. The window
// fills each size box from SizeTable() and, on every change of the box's text,
// asks SelectSize() which mass (if any) to store.
//
// Plain C++ on purpose: no Qt here, so the tables and the lookup are tested
// without a window.
#include <optional>
#include <span>
#include <string_view>

namespace catalogue {

// One standard size: the text shown in the size box, which is also the key it
// is matched by, and the linear mass in kg per metre for a density of
// 7874 kg/m3 (iron). The caller scales the mass by Density / 7874.
struct ProfileSize {
    std::string_view Label;
    double Mass;
};

// One profile's sizes, in the order the size box lists them (not sorted).
using ProfileSizeTable = std::span<const ProfileSize>;

// In the order of the five ProfileMass values of the calculator state, so a
// Profile converts to that index with static_cast<int>.
enum class Profile { HexagonalBar, IBeam, CChannel, LipChannel, Angle };
inline constexpr int ProfileCount = 5;

// The size table of a profile. The rows live for the whole run.
ProfileSizeTable SizeTable(Profile profile);

// The mass of the row whose label equals text exactly (same length, same
// characters, case-sensitive, nothing trimmed or read as a number), looking in
// table order; nothing when no label is equal. A partly typed size, "Choose
// Size" or any other text is no error, just no match.
std::optional<double> SelectSize(ProfileSizeTable table, std::string_view text);

} // namespace catalogue
