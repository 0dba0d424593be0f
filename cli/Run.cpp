#include "cli/Run.h"

#include "calc/Materials.h"
#include "catalogue/MaterialLibrary.h"
#include "catalogue/Text.h"
#include "cli/Cutlist.h"
#include "cli/Help.h"
#include "cli/Input.h"
#include "cli/Json.h"
#include "cli/Output.h"
#include "cli/Part.h"
#include "cli/Words.h"
#include "partslist/Describe.h"
#include "partslist/PartsFile.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>

namespace cli {
namespace {

constexpr const char* Name = "kubatrix-calc";

struct Options {
    std::vector<std::string> Words; // files, or a part
    bool Totals = false, Csv = false, Json = false, Sections = false, Materials = false,
         Help = false, Version = false;
    std::string Material, Density, Price, Quantity, WeightUnit, VolumeUnit;
};

// What the options ask for, read into the window's names and numbers.
struct Request {
    std::optional<std::int32_t> Density;
    std::string Material;
    std::optional<double> Price;
    int Quantity = 1;
    Units Shown;
};

Request Read(const Options& o, const CLI::App& app) {
    Request r;
    if (app.count("--material")) {
        const NamedMaterial m = MaterialNamed(o.Material);
        r.Density = m.Density;
        r.Material = m.Name;
    }
    if (app.count("--density")) r.Density = DensityOf(o.Density), r.Material = "Other";
    if (app.count("--price-per-kg")) r.Price = PriceOf(o.Price);
    if (app.count("--quantity")) r.Quantity = QuantityOf(o.Quantity);
    if (app.count("--weight-unit")) r.Shown.Weight = &WeightUnitNamed(o.WeightUnit);
    if (app.count("--volume-unit")) r.Shown.Volume = &VolumeUnitNamed(o.VolumeUnit);
    return r;
}

// The price a list is costed at: the command line's for every line, else the
// list's own and its lines'. One that gives costs past 15 digits, where a
// double no longer holds every cent, is refused before anything is printed.
// `where` names the file.
std::optional<double> PriceFor(const Options& o, const Request& r, std::optional<double> own,
                               partslist::Replay& replay, std::span<partslist::Line> lines,
                               const std::string& where) {
    if (r.Price) {
        for (partslist::LineResult& result : replay.Lines)
            result.PricePerKg.reset();
        for (partslist::Line& line : lines)
            line.PricePerKg.reset();
    }
    const auto price = r.Price ? r.Price : own;
    if (partslist::Costed(replay.Lines, price) && !partslist::TotalCostCents(replay.Lines, price))
        throw calc::Error(
            std::string(Name) + ": " + where +
            (r.Price ? "a price of " + o.Price + " a kilogram gives" : "its prices give") +
            " costs past 15 digits");
    return price;
}

// A name from the command line as a message shows it: an escape sequence or
// a line break in it would otherwise reach the terminal, and cut FILE:LINE:.
std::string PrintableName(const std::string& name) {
    return catalogue::Printable(name, catalogue::Whole);
}

struct Opened {
    std::string Name;           // as given, for --json
    partslist::OpenedList List; // its lines kept only for --csv and --json
    Table Rows;                 // for the table
    std::optional<double> Price;
};

// Every file read and replayed before anything is printed, so a fault in
// any of them leaves standard output empty.
std::vector<Opened> OpenAll(const Options& o, const Request& r, std::istream& in) {
    std::vector<Opened> opened;
    for (const std::string& name : o.Words) {
        Opened file{name == "-" ? "<stdin>" : name, {}, {}, {}};
        const std::string text = Contents(name, in);
        const std::string shown = PrintableName(file.Name);
        if (o.Csv || o.Json) {
            file.List = partslist::ReadPartsList(text, shown, r.Density);
            // Lines weighed in another material say so, so that --csv reads
            // back to these totals.
            if (r.Density)
                for (partslist::Line& line : file.List.Lines)
                    line.Density = *r.Density, line.Material = r.Material;
        } else if (o.Totals) {
            file.List =
                partslist::ReadPartsList(text, shown, r.Density, [](const partslist::Line&) {});
        } else {
            file.List =
                partslist::ReadPartsList(text, shown, r.Density, [&](const partslist::Line& line) {
                    file.Rows.Add(line, r.Density.value_or(line.Density));
                });
        }
        file.Price =
            PriceFor(o, r, file.List.PricePerKg, file.List.Totals, file.List.Lines, shown + ": ");
        opened.push_back(std::move(file));
    }
    return opened;
}

// A file's columns that no line uses, told once: a spreadsheet's "notes" is
// no fault, but a misspelt "quantiy" should not pass unseen.
void NoteIgnored(const Opened& file, std::ostream& err) {
    const std::vector<std::string>& names = file.List.IgnoredColumns;
    if (names.empty()) return;
    err << Name << ": " << PrintableName(file.Name) << ": ignored columns: ";
    for (std::size_t i = 0; i < names.size(); ++i)
        err << (i ? ", " : "") << names[i];
    err << '\n';
}

// Several files under --json make an array of their objects, in order.
void Files(const Options& o, const Request& r, std::istream& in, Writer& out, std::ostream& err) {
    if (o.Csv && o.Words.size() > 1)
        throw UsageError("--csv writes one parts list, not " + std::to_string(o.Words.size()));
    const std::vector<Opened> opened = OpenAll(o, r, in);
    for (const Opened& file : opened)
        NoteIgnored(file, err);
    const bool several = opened.size() > 1;
    if (o.Json && several) out.Write("[\n");
    for (const Opened& file : opened) {
        const partslist::OpenedList& list = file.List;
        if (several && !o.Json)
            out.Write((&file == &opened.front() ? "==> " : "\n==> ") + PrintableName(file.Name) +
                      " <==\n");
        if (o.Csv) {
            out.Write(partslist::WritePartsList(list.Lines, file.Price, list.Totals));
        } else if (o.Json) {
            WriteJson(out, &file.Name, list.Lines, list.Totals, file.Price);
            out.Write(&file == &opened.back() ? "\n" : ",\n");
        } else if (o.Totals) {
            out.Write(TotalsText(list.Totals, r.Shown, file.Price));
        } else {
            file.Rows.Write(out, list.Totals, r.Shown, file.Price);
        }
    }
    if (o.Json && several) out.Write("]\n");
}

void Part(const Options& o, const Request& r, Writer& out) {
    const calc::Material& iron = calc::Materials.front(); // the window's first material
    const partslist::Line line = PartLine(o.Words, r.Quantity, r.Density.value_or(*iron.Density),
                                          r.Density ? r.Material : std::string(iron.Name));
    partslist::Replay replay;
    try {
        replay = partslist::ReplayLines({&line, 1});
    } catch (const calc::Error& e) {
        throw calc::Error(std::string(Name) + ": " + e.Message());
    }
    const auto price = PriceFor(o, r, {}, replay, {}, "");
    if (o.Csv) {
        out.Write(partslist::WritePartsList({&line, 1}, price, replay));
    } else if (o.Json) {
        WriteJson(out, nullptr, {&line, 1}, replay, price);
        out.Write("\n");
    } else if (o.Totals) {
        out.Write(TotalsText(replay, r.Shown, price));
    } else {
        out.Write(PartText(line, replay, r.Shown, price));
    }
}

// --sections [WORDS]: the standard sections a search finds, none a fault as
// for grep.
void SectionList(const Options& o, Writer& out) {
    const std::string words = Joined(o.Words);
    const std::vector<const catalogue::Section*> found = catalogue::SearchSections(words);
    if (found.empty())
        throw calc::Error(std::string(Name) + ": no standard section matches \"" +
                          catalogue::Printable(words) + '"');
    out.Write(SectionsText(found));
}

// --materials [WORDS]: the materials library's materials a search finds.
void MaterialList(const Options& o, Writer& out) {
    const std::string words = Joined(o.Words);
    const std::vector<catalogue::PricedMaterial> found = catalogue::SearchMaterials(words);
    if (found.empty())
        throw calc::Error(std::string(Name) + ": no material matches \"" + words + '"');
    out.Write(MaterialsText(found));
}

void Dispatch(const Options& o, const CLI::App& app, std::istream& in, Writer& out,
              std::ostream& err) {
    if (o.Help || o.Version) {
        out.Write(o.Help ? std::string(HelpText) : std::string(Name) + " " KUBATRIX_VERSION "\n");
        return;
    }
    const Request r = Read(o, app);
    if (o.Sections) return SectionList(o, out);
    if (o.Materials) return MaterialList(o, out);
    if (o.Words.empty())
        throw UsageError("give a parts-list file, or a part such as: cylinder 2cm 1m");
    if (StartsAPart(o.Words.front())) return Part(o, r, out);
    // "cube 1m 1m 1m": a part meant, of a type there is not.
    std::error_code noFile;
    if (o.Words.size() > 1 && DimensionOf(o.Words[1]) &&
        !std::filesystem::exists(o.Words[0], noFile))
        throw UsageError("'" + catalogue::Printable(o.Words[0]) +
                         "' is no file and no type of part");
    if (app.count("--quantity"))
        throw UsageError("--quantity counts a part given on the command line, not a file's lines");
    Files(o, r, in, out, err);
}

int UsageFailed(std::ostream& err, const std::string& what) {
    err << Name << ": " << what << " (see " << Name << " --help)\n";
    return 2;
}

} // namespace

int Run(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err) {
    Options o;
    CLI::App app("", Name);
    app.set_help_flag();
    app.add_option("words", o.Words);
    app.add_flag("-t,--totals", o.Totals);
    app.add_flag("-c,--csv", o.Csv)->excludes("--totals");
    app.add_flag("-j,--json", o.Json)->excludes("--totals", "--csv");
    app.add_flag("--sections", o.Sections)->excludes("--totals", "--csv", "--json");
    app.add_flag("--materials", o.Materials)->excludes("--totals", "--csv", "--json", "--sections");
    app.add_option("-m,--material", o.Material);
    app.add_option("-d,--density", o.Density)->excludes("--material");
    app.add_option("-p,--price-per-kg", o.Price);
    app.add_option("-q,--quantity", o.Quantity);
    // JSON is in kilograms and cubic metres, as its keys say.
    app.add_option("--weight-unit", o.WeightUnit)->excludes("--csv", "--json");
    app.add_option("--volume-unit", o.VolumeUnit)->excludes("--csv", "--json");
    app.add_flag("-h,--help", o.Help);
    app.add_flag("--version", o.Version);
    Writer writer(out);
    const std::string_view command = argc > 1 ? argv[1] : "";
    try {
        if (command == "takeoff" || command == "cutlist") {
            RunCutlist(argc, argv, in, writer);
        } else {
            app.parse(argc, argv);
            Dispatch(o, app, in, writer, err);
        }
        writer.Flush();
        return 0;
    } catch (const WriteFailed& e) {
        // A reader that went away (| head) wants no more: quiet, as cat is.
        if (e.Errno == EPIPE) return 1;
        err << Name << ": writing the output: "
            << (e.Errno ? std::strerror(e.Errno) : "the output refused it") << '\n';
        return 1;
    } catch (const CLI::ParseError& e) {
        return UsageFailed(err, e.what());
    } catch (const UsageError& e) {
        return UsageFailed(err, e.what());
    } catch (const calc::Error& e) {
        err << e.Message() << '\n';
        return 1;
    } catch (const std::exception& e) { // out of memory, say: a message, not an abort
        err << Name << ": " << e.what() << '\n';
        return 1;
    }
}

} // namespace cli
