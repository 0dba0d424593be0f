// The list window's price field. The price in force changes as a good price
// is typed, key by key, so the costs follow the typing; a text that is no
// price is said so beside the field, never in a box in the way of the next
// key, and leaves the last good price in force. A price that would give costs
// past 15 digits is refused once the edit is done: typed key by key, the
// field is not cut short on the way.
#include "calc/Error.h"
#include "calc/ParseNumber.h"
#include "partslist/Describe.h"
#include "ui/CoreText.h"
#include "ui/Document.h"
#include "ui/ErrorBox.h"
#include "ui/PartsListModel.h"
#include "ui/PartsListWindow.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

namespace ui {
namespace {

// The field's text as a price: none for an empty field, else a number of 0
// or more, else why not.
struct TypedPrice {
    std::optional<double> Price;
    QString Refused;
};

TypedPrice ReadPrice(const QString& text) {
    const QString typed = text.trimmed();
    if (typed.isEmpty()) return {};
    const QString quoted = QStringLiteral("\u201C%1\u201D").arg(PrintableName(typed));
    try {
        const double price = calc::ParseNumber(typed.toStdString());
        if (price >= 0.0) return {price, {}};
        return {{}, quoted + QStringLiteral(" is below zero")};
    } catch (const calc::Error& e) {
        if (e.Message() == calc::Overflow) return {{}, quoted + QStringLiteral(" is too large")};
    }
    return {{},
            quoted + QStringLiteral(" is no number (type it without a currency sign or a "
                                    "thousands separator)")};
}

bool CostsPast15Digits(const Document& document, double price) {
    return !partslist::TotalCostCents(document.Calculation().Results(), price);
}

} // namespace

QString PriceText(double value) {
    return NumberAsTyped(value, DecimalSeparator());
}

std::optional<double> PartsListWindow::PricePerKg() const {
    return ReadPrice(PriceField->text()).Price;
}

void PartsListWindow::PriceEditBegins() {
    priceBefore_ = document_.Calculation().PricePerKg();
}

// A new price changes the costs only; rows selected stay so, the cost
// column taken in when it comes.
void PartsListWindow::PriceTyped() {
    Guarded(this, [&] {
        const TypedPrice typed = ReadPrice(PriceField->text());
        if (!typed.Refused.isEmpty()) return ShowPriceNote(typed.Refused);
        if (typed.Price && CostsPast15Digits(document_, *typed.Price))
            return ShowPriceNote(QStringLiteral("It gives costs past 15 digits"));
        ShowPriceNote({});
        const QItemSelection selected = Table->selectionModel()->selection();
        const int columns = model_->columnCount();
        document_.SetPricePerKg(typed.Price);
        Table->selectionModel()->select(selected,
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        if (model_->columnCount() != columns) FitColumns(); // the cost column came
    });
}

// The edit is done. A price that would give costs past 15 digits is refused
// now, and the price goes back to the one in force as the edit began: the
// digits typed on the way to it were never meant as a price.
void PartsListWindow::PriceFinished() {
    Guarded(this, [&] {
        const TypedPrice typed = ReadPrice(PriceField->text());
        if (!typed.Price || !CostsPast15Digits(document_, *typed.Price)) {
            if (typed.Refused.isEmpty()) priceBefore_ = document_.Calculation().PricePerKg();
            return;
        }
        const std::string shown = PrintableName(PriceField->text().trimmed()).toStdString();
        document_.SetPricePerKg(priceBefore_);
        ShowPrice();
        throw calc::Error("A price of " + shown + " a kilogram gives costs past 15 digits");
    });
}

// The document's price in the field, unless the field already says it.
void PartsListWindow::ShowPrice() {
    const auto price = document_.Calculation().PricePerKg();
    if (PricePerKg() == price && ReadPrice(PriceField->text()).Refused.isEmpty()) return;
    priceBefore_ = price;
    const QSignalBlocker quiet(PriceField);
    PriceField->setText(price ? PriceText(*price) : QString());
    ShowPriceNote({});
}

// Why the field's text is not the price in force, and which price is; or
// nothing, once it is.
void PartsListWindow::ShowPriceNote(const QString& why) {
    if (why.isEmpty()) {
        PriceNote->hide();
        PriceNote->clear();
        return;
    }
    const auto price = document_.Calculation().PricePerKg();
    PriceNote->setText(why + (price ? QStringLiteral("; the price stays %1").arg(PriceText(*price))
                                    : QStringLiteral("; the list has no price")));
    PriceNote->show();
}

} // namespace ui
