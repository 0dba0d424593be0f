// Reads the compiled-in library and answers lookups by name. A plain scan
// or one hash look-up: a few hundred materials need nothing cleverer.
#include "catalogue/MaterialData.h"
#include "catalogue/Text.h"

#include "catalogue/Csv.h"

#include "calc/Error.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace catalogue {
namespace {

constexpr std::array<std::string_view, 7> Header{
    "group", "name", "designation", "standard", "common_names", "density_kg_m3", "source"};
enum Column {
    GroupColumn,
    NameColumn,
    DesignationColumn,
    StandardColumn,
    CommonColumn,
    DensityColumn,
    SourceColumn
};

constexpr std::int32_t MaxDensity = 100000;

[[noreturn]] void Fail(std::size_t line, const std::string& what) {
    throw calc::Error("materials/materials.csv:" + std::to_string(line) + ": " + what);
}

// "304|AISI 304|V2A" as its names; blanks around each trimmed.
std::vector<std::string> SplitNames(std::string_view text) {
    std::vector<std::string> names;
    while (!text.empty()) {
        const std::size_t bar = std::min(text.find('|'), text.size());
        if (const std::string_view name = calc::Trimmed(text.substr(0, bar)); !name.empty())
            names.emplace_back(name);
        text.remove_prefix(std::min(bar + 1, text.size()));
    }
    return names;
}

LibraryMaterial ReadRow(const csv::Record& record) {
    const auto& f = record.Fields;
    if (f.size() != Header.size())
        Fail(record.Line, "not " + std::to_string(Header.size()) + " fields");
    LibraryMaterial m;
    m.Group = f[GroupColumn];
    m.Name = f[NameColumn];
    m.Designation = f[DesignationColumn];
    m.Standard = f[StandardColumn];
    m.CommonNames = SplitNames(f[CommonColumn]);
    m.Source = f[SourceColumn];
    if (m.Group.empty() || m.Name.empty() || m.Designation.empty() || m.Source.empty())
        Fail(record.Line, "a group, name, designation and source are needed");
    const std::string_view density = f[DensityColumn];
    const auto [end, error] =
        std::from_chars(density.data(), density.data() + density.size(), m.Density);
    if (error != std::errc() || end != density.data() + density.size() || m.Density <= 0 ||
        m.Density > MaxDensity)
        Fail(record.Line, Quoted(density) + " is no density");
    return m;
}

// A name or designation finds its own material and no other, so none may
// be another's key; common names may be shared ("V2A").
void CheckNames(const MaterialIndex& index) {
    std::unordered_map<std::string, std::size_t> own;
    for (std::size_t i = 0; i < index.All.size(); ++i)
        for (const std::string& key :
             {Folded(index.All[i].Name), Folded(index.All[i].Designation)}) {
            const auto [at, added] = own.emplace(key, i);
            if (!added && at->second != i)
                throw calc::Error("materials: " + Quoted(key) + " names " + index.All[i].Name +
                                  " and " + index.All[at->second].Name);
        }
    for (const auto& [key, materials] : index.ByKey) {
        const auto named = own.find(key);
        if (named != own.end() && materials.size() > 1)
            throw calc::Error("materials: " + Quoted(key) + " is " + index.All[named->second].Name +
                              " and a common name of another");
    }
}

MaterialIndex BuildIndex() {
    MaterialIndex index;
    index.All = ReadLibraryMaterials(MaterialsText());
    // The library lists a group's materials together: a group, once left,
    // does not come back.
    std::vector<std::string> groups;
    for (std::size_t i = 0; i < index.All.size(); ++i) {
        const LibraryMaterial& m = index.All[i];
        if (i == 0 || m.Group != index.All[i - 1].Group) {
            if (std::ranges::find(groups, m.Group) != groups.end())
                throw calc::Error("materials: a group's materials are not listed together");
            groups.push_back(m.Group);
        }
        std::vector<std::string> keys{Folded(m.Name), Folded(m.Designation)};
        for (const std::string& name : m.CommonNames)
            keys.push_back(Folded(name));
        for (const std::string& key : keys) {
            auto& named = index.ByKey[key];
            if (std::ranges::find(named, i) == named.end()) named.push_back(i);
        }
    }
    CheckNames(index);
    return index;
}

[[noreturn]] void Ambiguous(std::string_view word, const std::vector<std::string_view>& names) {
    std::string list;
    for (const std::string_view name : names)
        list += (list.empty() ? "" : ", ") + std::string(name);
    throw calc::Error(Quoted(word) + " names several materials: " + list +
                      "; give the one you mean by its name");
}

} // namespace

std::vector<LibraryMaterial> ReadLibraryMaterials(std::string_view text) {
    std::vector<LibraryMaterial> rows;
    bool header = true;
    try {
        csv::Split(text, [&](const csv::Record& record) {
            if (header) {
                if (!std::ranges::equal(record.Fields, Header))
                    Fail(record.Line, "not the header of the materials");
                header = false;
                return;
            }
            rows.push_back(ReadRow(record));
        });
    } catch (const csv::SyntaxError& e) {
        Fail(e.Line, e.What);
    }
    if (rows.empty()) Fail(1, "no materials");
    return rows;
}

const MaterialIndex& MaterialsIndex() {
    static const MaterialIndex index = BuildIndex();
    return index;
}

const std::vector<LibraryMaterial>& LibraryMaterials() {
    return MaterialsIndex().All;
}

const LibraryMaterial* LibraryMaterialNamed(std::string_view word) {
    const MaterialIndex& index = MaterialsIndex();
    const auto found = index.ByKey.find(Folded(word));
    if (found == index.ByKey.end() || found->second.size() != 1) return nullptr;
    return &index.All[found->second.front()];
}

PricedMaterial Priced(const UserMaterial& entry) {
    const LibraryMaterial* library = LibraryMaterialNamed(entry.Name);
    PricedMaterial out;
    out.Name = entry.Name;
    out.Designation = entry.Designation.empty() && library ? std::string_view(library->Designation)
                                                           : std::string_view(entry.Designation);
    out.Group = entry.Group.empty() && library ? std::string_view(library->Group)
                                               : std::string_view(entry.Group);
    out.Density = entry.Density;
    out.PricePerKg = entry.PricePerKg;
    out.Library = library;
    out.User = &entry;
    return out;
}

PricedMaterial Priced(const LibraryMaterial& material, std::span<const UserMaterial> user) {
    for (const UserMaterial& entry : user)
        if (LibraryMaterialNamed(entry.Name) == &material) return Priced(entry);
    PricedMaterial out;
    out.Name = material.Name;
    out.Designation = material.Designation;
    out.Group = material.Group;
    out.Density = material.Density;
    out.Library = &material;
    return out;
}

PricedMaterial FindMaterial(std::string_view word, std::span<const UserMaterial> user) {
    const std::string key = Folded(word);
    // The user's own names come first: a name they gave is the one they mean.
    std::vector<const UserMaterial*> own;
    for (const UserMaterial& entry : user)
        if (!key.empty() && (Folded(entry.Name) == key || Folded(entry.Designation) == key))
            own.push_back(&entry);
    if (own.size() == 1) return Priced(*own.front());
    if (own.size() > 1) {
        std::vector<std::string_view> names;
        for (const UserMaterial* entry : own)
            names.push_back(entry->Name);
        Ambiguous(word, names);
    }
    const MaterialIndex& index = MaterialsIndex();
    const auto found = index.ByKey.find(key);
    if (found == index.ByKey.end())
        throw calc::Error("no material is called " + Quoted(word) +
                          ": give a name or designation of the library or of your own materials");
    if (found->second.size() > 1) {
        std::vector<std::string_view> names;
        for (const std::size_t i : found->second)
            names.push_back(index.All[i].Name);
        Ambiguous(word, names);
    }
    return Priced(index.All[found->second.front()], user);
}

} // namespace catalogue
