#include "cutlist/Stock.h"

#include "calc/Error.h"
#include "calc/Spelling.h"
#include "partslist/PartsFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

namespace cutlist {
namespace {

using calc::Trimmed;

[[noreturn]] void Refuse(std::string_view entry, const std::string& what) {
    throw calc::Error("Stock \"" + std::string(entry) + "\": " + what);
}

StockOffer ReadStock(std::string_view entry) {
    std::string_view rest = entry;
    StockOffer stock;
    // The count follows the last x, unless what follows is a word: "6000:sixty".
    const auto x = rest.find_last_of("xX");
    if (x != std::string_view::npos &&
        rest.find_first_not_of("0123456789+- \t", x + 1) == std::string_view::npos) {
        const std::string_view count = Trimmed(rest.substr(x + 1));
        int n = 0;
        const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), n);
        if (count.empty() || error != std::errc() || end != count.data() + count.size())
            Refuse(entry, "the count on hand \"" + std::string(count) + "\" is no whole number");
        stock.OnHand = n;
        rest = rest.substr(0, x);
    }
    if (const auto colon = rest.find(':'); colon != std::string_view::npos) {
        const std::string_view price = Trimmed(rest.substr(colon + 1));
        if (price == "w" || price == "W") {
            stock.ByWeight = true;
        } else if (const auto number = ReadNumber(price)) {
            stock.Price = *number;
        } else {
            Refuse(entry, "the price \"" + std::string(price) +
                              "\" is no number (w prices a bar by its weight)");
        }
        rest = rest.substr(0, colon);
    }
    const std::string_view length = Trimmed(rest);
    const auto mm = ReadNumber(length);
    if (!mm) Refuse(entry, "the length \"" + std::string(length) + "\" is no number of mm");
    stock.LengthMm = *mm;
    return stock;
}

} // namespace

std::optional<double> ReadNumber(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::vector<StockOffer> ReadStocks(std::string_view text) {
    std::vector<StockOffer> stocks;
    if (Trimmed(text).empty()) return stocks;
    for (;;) {
        const auto comma = text.find(',');
        stocks.push_back(ReadStock(Trimmed(text.substr(0, comma))));
        if (comma == std::string_view::npos) return stocks;
        text.remove_prefix(comma + 1);
    }
}

std::string StocksText(std::span<const StockOffer> stocks) {
    std::string text;
    for (const StockOffer& s : stocks) {
        if (!text.empty()) text += ',';
        text += partslist::ExactNumber(s.LengthMm);
        if (s.ByWeight)
            text += ":w";
        else if (s.Price)
            text += ':' + partslist::ExactNumber(*s.Price);
        if (s.OnHand) text += 'x' + std::to_string(*s.OnHand);
    }
    return text;
}

Job JobOf(const Group& group, const Settings& settings, double timeLimitSeconds) {
    Job job;
    job.Pieces = group.Cuts;
    job.Saw = {SawTenths(settings.KerfMm), SawTenths(settings.TrimMm),
               SawTenths(settings.MinOffcutMm)};
    job.TimeLimitSeconds = timeLimitSeconds;
    for (const StockOffer& offer : settings.Stocks) {
        Stock stock{StockTenths(offer.LengthMm), offer.Price, offer.OnHand};
        if (offer.ByWeight) {
            if (!group.PricePerMetre)
                throw calc::Error(group.Item + ", " + group.Material + ": a stock length priced " +
                                  "by weight needs a price per kg on every line");
            stock.Price = std::round(offer.LengthMm / 1000 * *group.PricePerMetre * 100) / 100;
        }
        job.Stocks.push_back(stock);
    }
    return job;
}

std::vector<LineCost> CostByLine(const Group& group, const Plan& plan) {
    if (!plan.Cost) return {};
    const long long cents = std::llround(*plan.Cost * 100);
    std::map<int, Tenths> lengths; // per line
    Tenths all = 0;
    for (const Piece& piece : group.Cuts) {
        lengths[piece.Line] += piece.Length * piece.Count;
        all += piece.Length * piece.Count;
    }
    std::vector<LineCost> costs;
    std::vector<std::pair<long double, std::size_t>> remainders;
    long long shared = 0;
    for (const auto& [line, length] : lengths) {
        const long double exact = all > 0 ? static_cast<long double>(cents) * length / all : 0.0L;
        costs.push_back({line, static_cast<long long>(std::floor(exact))});
        shared += costs.back().Cents;
        remainders.push_back({exact - std::floor(exact), costs.size() - 1});
    }
    std::stable_sort(remainders.begin(), remainders.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t i = 0; shared < cents && i < remainders.size(); ++i, ++shared)
        ++costs[remainders[i].second].Cents;
    return costs;
}

double GapPercent(const Plan& plan) {
    if (plan.ProvenOptimal) return 0;
    const double value = plan.Cost ? *plan.Cost : double(plan.StockBought);
    return value > 0 ? std::max(0.0, 100 * (value - plan.LowerBound) / value) : 0;
}

} // namespace cutlist
