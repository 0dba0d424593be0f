#pragma once
// The user's own materials and prices, kept between runs in the user's data
// folder as a CSV file (catalogue/UserMaterials.h has its rules), read on
// first use. Every change is written at once, to a temporary file renamed
// over the old one, so a failure leaves the old file whole; a file that
// cannot be read is never written over by a change.
#include "catalogue/UserMaterials.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string_view>
#include <vector>

namespace ui {

class UserMaterials : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The file: materials.csv in the user's data folder.
    static QString Path();

    const std::vector<catalogue::UserMaterial>& Entries();
    // Why the file could not be read; empty when it was, or is not there.
    const QString& Fault();

    // The price of a kilogram of the material a name names (the material
    // box's text, or a line's), where the user gave it one.
    std::optional<double> PriceOf(std::string_view material);

    // Each throws calc::Error with the reason, and then nothing changed.
    // An entry added, or put in place of the one at `replacing`.
    void Put(catalogue::UserMaterial entry, std::optional<std::size_t> replacing = {});
    void Remove(std::size_t index);
    // A file's entries join the list, one of the same name taking the place
    // of the one there; and the list written to a file of the user's choice.
    void Import(const QString& path);
    void Export(const QString& path);

signals:
    void changed();

private:
    void Load();
    void Keep(std::vector<catalogue::UserMaterial> entries);

    bool loaded_ = false;
    std::vector<catalogue::UserMaterial> entries_;
    QString fault_;
};

} // namespace ui
