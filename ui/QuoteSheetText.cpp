#include "ui/QuoteSheetText.h"

#include "calc/Display.h"
#include "calc/Shapes.h"
#include "partslist/Describe.h"
#include "ui/CoreText.h"
#include "ui/WindowTexts.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace ui::quote {
namespace {

// The picture of the line's type in its box; none for a type only typed.
std::string_view pictureOf(const partslist::Line& line) {
    return line.Kind == partslist::Kind::Aperture ? line.Type->AperturePicture
                                                  : line.Type->ObjectPicture;
}

// The rows the calculation read: those its type shows, the length alone for a
// profile or a section, every filled one for a type that is only typed ("Pipe").
QStringList dimensionsOf(const partslist::Line& line, char separator) {
    if (partslist::ProfileOf(line) || partslist::IsSection(line)) {
        const std::string length = partslist::Dimension(line.Rows[2], separator);
        return length.empty() ? QStringList() : QStringList{"Length " + FromCore(length)};
    }
    std::array<bool, 3> read{true, true, true};
    if (!pictureOf(line).empty()) read = line.Type->Rows;
    QStringList out;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string text = partslist::Dimension(line.Rows[i], separator);
        if (read[i] && !text.empty())
            out << QString(QChar(char16_t(u'a' + i))) + " = " + FromCore(text);
    }
    return out;
}

QString densityText(std::int32_t density) {
    return QStringLiteral("%1 kg/m\u00B3").arg(density);
}

// What every row's weight follows, so that density × volume is its weight.
struct Weighing {
    std::vector<std::int32_t> Densities; // each row's
    bool OneDensity = true;
    bool OneMaterial = true;
};

Weighing weighingOf(const QuoteSheet& sheet) {
    Weighing w;
    const auto& results = sheet.Totals.Lines;
    for (std::size_t i = 0; i < sheet.Lines.size(); ++i) {
        const partslist::Line& line = sheet.Lines[i];
        const auto result = i < results.size() ? results[i] : partslist::LineResult{};
        w.Densities.push_back(partslist::WeighedAt(line, result, sheet.Totals.WeighedAt));
        w.OneDensity = w.OneDensity && w.Densities.back() == w.Densities.front();
        w.OneMaterial = w.OneMaterial && line.Material == sheet.Lines.front().Material;
    }
    return w;
}

QString aboutOf(const QuoteSheet& sheet, const Weighing& w) {
    if (sheet.Lines.empty()) return QStringLiteral("No parts");
    QStringList about;
    if (!w.OneMaterial)
        about << QStringLiteral("Material: as each line gives it");
    else if (!sheet.Lines.front().Material.empty())
        about << "Material: " + FromCore(sheet.Lines.front().Material);
    if (w.OneDensity) about << "Density: " + densityText(w.Densities.front());
    return about.join(QStringLiteral("    "));
}

// A solid's weight follows the density in force, not the one it was added
// at; the reader is told where that differs. Profiles and holes cut by weight
// keep their own line's.
QString noteOf(const QuoteSheet& sheet) {
    const auto& results = sheet.Totals.Lines;
    const std::size_t n = std::min(sheet.Lines.size(), results.size());
    bool reweighed = false, ownDiffers = false;
    for (std::size_t i = 0; i < n; ++i) {
        const bool differs = sheet.Lines[i].Density != sheet.Totals.WeighedAt;
        (results[i].Volume ? reweighed : ownDiffers) |= differs;
    }
    if (!reweighed) return {};
    return QStringLiteral("Lines with a volume are weighed at %1, the density of the last line "
                          "that changed the volume")
               .arg(densityText(sheet.Totals.WeighedAt)) +
           (ownDiffers ? QStringLiteral("; profiles and holes cut by weight at the density of "
                                        "their own line.")
                       : QStringLiteral("."));
}

// The bars' cost of line i where the sheet prices it by them.
std::optional<long long> barCost(const QuoteSheet& sheet, std::size_t i) {
    return i < sheet.BarCostCents.size() ? sheet.BarCostCents[i] : std::nullopt;
}

// The lines' costs as the rows show them added up: by the bars where the
// sheet says so, else by weight; none past 15 digits.
std::optional<long long> totalCents(const QuoteSheet& sheet) {
    std::vector<partslist::LineResult> byWeight;
    long long bars = 0;
    for (std::size_t i = 0; i < sheet.Totals.Lines.size(); ++i)
        if (const auto cents = barCost(sheet, i))
            bars += *cents;
        else
            byWeight.push_back(sheet.Totals.Lines[i]);
    const auto weight = partslist::TotalCostCents(byWeight, sheet.PricePerKg);
    return weight ? std::optional<long long>(*weight + bars) : std::nullopt;
}

} // namespace

QString Figure(double x, char separator) {
    // The result fields turn scientific at 100000; on paper a whole number
    // reads better, as long as a double holds every digit of it.
    if (std::isfinite(x) && std::fabs(x) >= 99999.5 && std::fabs(x) < 1e15)
        return QString::number(std::round(x), 'f', 0);
    std::string text = calc::FormatTotal(x, separator);
    if (text.find('E') == std::string::npos && text.find(separator) != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == separator) text.pop_back();
    }
    return FromCore(text);
}

// The prices the lines are costed at: the list's one, or each material's
// that has its own, and the list's for the others; each as it was typed (2.5,
// not 2.50; 2.345678901 with every digit).
QString pricesOf(const QuoteSheet& sheet, char sep) {
    QStringList own;
    for (std::size_t i = 0; i < sheet.Lines.size(); ++i)
        if (const auto price = sheet.Lines[i].PricePerKg) {
            const QString named =
                FromCore(sheet.Lines[i].Material) + QLatin1Char(' ') + NumberAsTyped(*price, sep);
            if (!own.contains(named)) own << named;
        }
    if (own.isEmpty())
        return QStringLiteral("Price per kg: ") + NumberAsTyped(*sheet.PricePerKg, sep);
    if (sheet.PricePerKg) own << QStringLiteral("others ") + NumberAsTyped(*sheet.PricePerKg, sep);
    return QStringLiteral("Prices per kg: ") + own.join(QStringLiteral(", "));
}

Text TextOf(const QuoteSheet& sheet, const std::function<bool()>& goOn) {
    const ushort code = sheet.Separator.unicode();
    const char sep = code > 0 && code < 128 ? char(code) : '.';
    const auto price = sheet.PricePerKg;
    const Weighing weighing = weighingOf(sheet);
    const bool byWeight = partslist::Costed(sheet.Totals.Lines, price);
    const bool byBars =
        std::ranges::any_of(sheet.BarCostCents, [](const auto& c) { return c.has_value(); });
    Text t;
    t.Title = sheet.Title;
    t.Date = QLocale().toString(sheet.Date, QLocale::LongFormat);
    t.Costed = byWeight || byBars;
    t.Densities = !weighing.OneDensity;
    t.About = aboutOf(sheet, weighing);
    if (byWeight) t.About += "    " + pricesOf(sheet, sep);
    if (byBars) t.About += QStringLiteral("    Lines cut from stock: priced by the bars bought");
    t.Note = noteOf(sheet);
    t.Rows.reserve(sheet.Lines.size());
    for (std::size_t i = 0; i < sheet.Lines.size(); ++i) {
        if (i % 1000 == 0 && goOn && !goOn()) return t;
        const partslist::Line& line = sheet.Lines[i];
        const partslist::LineResult result =
            i < sheet.Totals.Lines.size() ? sheet.Totals.Lines[i] : partslist::LineResult{};
        Row row;
        row.Cells[Number] = QString::number(i + 1);
        row.Cells[Item] =
            FromCore(partslist::TypeName(line)); // a profile's size goes below, narrower
        row.Cells[Quantity] = QString::number(line.Quantity);
        row.Cells[Density] = QString::number(weighing.Densities[i]);
        row.Cells[Volume] = result.Volume ? Figure(*result.Volume, sep) : QStringLiteral("\u2014");
        row.Cells[Weight] = Figure(result.Weight, sep);
        // A cost past 15 digits, where a double no longer holds every cent,
        // shows as a dash rather than as digits that are not so.
        if (const auto bars = barCost(sheet, i))
            row.Cells[Cost] = FromCore(partslist::CentsText(bars, sep));
        else if (t.Costed)
            row.Cells[Cost] = FromCore(partslist::Cost(result, price, sep));
        row.Kind = line.Kind == partslist::Kind::Object ? QStringLiteral("Object")
                                                        : QStringLiteral("Aperture");
        row.Size = FromCore(line.Size);
        if (!weighing.OneMaterial) row.Material = FromCore(line.Material);
        row.Dimensions = dimensionsOf(line, sep);
        row.Picture = FromCore(pictureOf(line));
        if (partslist::IsSection(line)) row.Section = row.Size;
        t.Rows.push_back(std::move(row));
    }
    const calc::CalcState& state = sheet.Totals.State;
    t.Totals[Item] = QStringLiteral("Total");
    t.Totals[Volume] = sheet.Totals.VolumeMarker ? NoVolumeMarker : Figure(state.TotalVolume, sep);
    t.Totals[Weight] = Figure(state.TotalWeight, sep);
    // The sum of the lines' costs as they stand, each in cents, so that they add up.
    if (t.Costed) t.Totals[Cost] = FromCore(partslist::CentsText(totalCents(sheet), sep));
    return t;
}

} // namespace ui::quote
