#pragma once
// Inside the materials library: the compiled-in CSV text, its reader, the
// index that lookups and searches share, and the few word helpers they and
// the user's file use. Not for callers outside catalogue/ (tests aside);
// they use MaterialLibrary.h and UserMaterials.h.
#include "calc/Spelling.h"
#include "catalogue/MaterialLibrary.h"
#include "catalogue/UserMaterials.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace catalogue {

// catalogue/materials/materials.csv as the build copied it in (generated).
std::string_view MaterialsText();

// Every row of the library's text. The file is ours and checked by the
// tests, so the reader is strict: a header other than the one it knows, a
// row it cannot read, a name or designation given twice, or one that is
// another material's common name stops it, naming the line.
std::vector<LibraryMaterial> ReadLibraryMaterials(std::string_view text);

// A word as lookups compare it: lower case, without blanks, hyphens and
// underscores, as types and units are (calc/Spelling.h).
using calc::Folded;

// A price as the user's file writes it and a search finds it: the shortest
// text that reads back to the same number.
std::string NumberText(double value);

// Everything the lookups need, built together on first use.
struct MaterialIndex {
    std::vector<LibraryMaterial> All;
    // The materials each folded key names (a common name like "V2A" may
    // name several).
    std::unordered_map<std::string, std::vector<std::size_t>> ByKey;
};

const MaterialIndex& MaterialsIndex();

// An entry of the user's as the program prices it, over the library
// material it stands for (if any): the one its name names, if exactly one
// does.
PricedMaterial Priced(const UserMaterial& entry);

// A library material, at the user's density and price where one of their
// entries stands for it.
PricedMaterial Priced(const LibraryMaterial& material, std::span<const UserMaterial> user);

} // namespace catalogue
