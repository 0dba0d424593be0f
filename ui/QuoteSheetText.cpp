#include "ui/QuoteSheetText.h"

#include "calc/Display.h"
#include "calc/Shapes.h"
#include "partslist/Describe.h"
#include "ui/CoreText.h"

#include <QLocale>

#include <algorithm>

namespace ui::quote {
namespace {

QString pictureOf(const partslist::Line& line) {
    if (line.Kind == partslist::Kind::Aperture) {
        const calc::ApertureType* type = calc::FindApertureType(line.Type);
        return type ? FromCore(type->Picture) : QString();
    }
    const calc::ObjectType* type = calc::FindObjectType(line.Type);
    return type ? FromCore(type->Picture) : QString();
}

// The rows the calculation read: those its type shows, the length alone for a
// profile, every filled one for a type that is only typed ("Pipe").
QStringList dimensionsOf(const partslist::Line& line) {
    if (partslist::ProfileOf(line)) {
        const std::string length = partslist::Dimension(line.Rows[2]);
        return length.empty() ? QStringList() : QStringList{"Length " + FromCore(length)};
    }
    std::array<bool, 3> read{true, true, true};
    if (line.Kind == partslist::Kind::Object) {
        if (const calc::ObjectType* t = calc::FindObjectType(line.Type))
            read = {t->RowA, t->RowB, t->RowC};
    } else if (const calc::ApertureType* t = calc::FindApertureType(line.Type)) {
        read = {true, t->RowB, t->RowC};
    }
    QStringList out;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string text = partslist::Dimension(line.Rows[i]);
        if (read[i] && !text.empty())
            out << QString(QChar(char16_t(u'a' + i))) + " = " + FromCore(text);
    }
    return out;
}

QString densityOf(const partslist::Line& line) {
    return QStringLiteral("%1 kg/m\u00B3").arg(line.Density);
}

// The density first: it is what the weights follow, and a long name elides.
QString materialOf(const partslist::Line& line) {
    return line.Material.empty() ? densityOf(line)
                                 : densityOf(line) + "  " + FromCore(line.Material);
}

bool oneMaterial(const std::vector<partslist::Line>& lines) {
    return std::all_of(lines.begin(), lines.end(), [&](const partslist::Line& l) {
        return l.Material == lines.front().Material && l.Density == lines.front().Density;
    });
}

QString aboutOf(const std::vector<partslist::Line>& lines) {
    if (lines.empty()) return QStringLiteral("No parts");
    if (!oneMaterial(lines)) return QStringLiteral("Material: as each line gives it");
    const partslist::Line& line = lines.front();
    return (line.Material.empty() ? QString() : "Material: " + FromCore(line.Material) + "    ") +
           "Density: " + densityOf(line);
}

// The price as typed in spirit: cents at least, more digits only where it has them.
QString priceText(double price, char separator) {
    QString text = QString::number(price, 'f', 6);
    while (text.endsWith(QLatin1Char('0')) && text.indexOf(QLatin1Char('.')) < text.size() - 3)
        text.chop(1);
    return text.replace(QLatin1Char('.'), QLatin1Char(separator));
}

// Where the materials differ, a solid's weight follows the density of the last
// line that changed the volume, not its own: the reader is told.
QString noteOf(const QuoteSheet& sheet) {
    const auto& results = sheet.Totals.Lines;
    const std::size_t n = std::min(sheet.Lines.size(), results.size());
    int weighedAt = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (results[i].Volume) weighedAt = sheet.Lines[i].Density;
    for (std::size_t i = 0; i < n; ++i)
        if (results[i].Volume && sheet.Lines[i].Density != weighedAt)
            return QStringLiteral("Solids and apertures are weighed at %1 kg/m\u00B3, the density "
                                  "of the last line that changed the volume.")
                .arg(weighedAt);
    return {};
}

} // namespace

Text TextOf(const QuoteSheet& sheet) {
    const ushort code = sheet.Separator.unicode();
    const char sep = code > 0 && code < 128 ? char(code) : '.';
    const auto number = [sep](double x) { return FromCore(calc::FormatTotal(x, sep)); };
    const auto cost = [&](double kg) {
        return FromCore(partslist::Cost(kg, sheet.PricePerKg.value_or(0), sep));
    };
    const bool single = oneMaterial(sheet.Lines);
    Text t;
    t.Title = sheet.Title;
    t.Date = QLocale().toString(sheet.Date, QLocale::LongFormat);
    t.Costed = sheet.PricePerKg.has_value();
    t.About = aboutOf(sheet.Lines);
    if (t.Costed) t.About += "    Price per kg: " + priceText(*sheet.PricePerKg, sep);
    t.Note = noteOf(sheet);
    for (std::size_t i = 0; i < sheet.Lines.size(); ++i) {
        const partslist::Line& line = sheet.Lines[i];
        const partslist::LineResult result =
            i < sheet.Totals.Lines.size() ? sheet.Totals.Lines[i] : partslist::LineResult{};
        Row row;
        row.Cells[Number] = QString::number(i + 1);
        row.Cells[Item] = FromCore(line.Type); // a profile's size goes below, narrower
        row.Cells[Quantity] = QString::number(line.Quantity);
        row.Cells[Volume] = result.Volume ? number(*result.Volume) : QStringLiteral("\u2014");
        row.Cells[Weight] = number(result.Weight);
        if (t.Costed) row.Cells[Cost] = cost(result.Weight);
        row.Kind = line.Kind == partslist::Kind::Object ? QStringLiteral("Object")
                                                        : QStringLiteral("Aperture");
        row.Size = FromCore(line.Size);
        if (!single) row.Material = materialOf(line);
        row.Dimensions = dimensionsOf(line);
        row.Picture = pictureOf(line);
        t.Rows.push_back(row);
    }
    const calc::CalcState& state = sheet.Totals.State;
    t.Totals[Item] = QStringLiteral("Total");
    t.Totals[Volume] =
        sheet.Totals.VolumeMarker ? FromCore(calc::NoVolumeMarker) : number(state.TotalVolume);
    t.Totals[Weight] = number(state.TotalWeight);
    if (t.Costed) t.Totals[Cost] = cost(state.TotalWeight);
    return t;
}

} // namespace ui::quote
