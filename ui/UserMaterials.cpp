#include "ui/UserMaterials.h"

#include "calc/Error.h"
#include "calc/Spelling.h"
#include "catalogue/MaterialLibrary.h"
#include "ui/CoreText.h"
#include "ui/PartsListFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>

namespace ui {
namespace {

std::string ReadWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw calc::Error("Could not open '" + path.toStdString() +
                          "': " + file.errorString().toStdString());
    return file.readAll().toStdString();
}

// Written first, through a temporary file renamed over the old one, so a
// failure leaves it whole.
void Write(const QString& path, const std::string& text) {
    if (const QString failed = WriteWhole(path, text); !failed.isEmpty())
        throw calc::Error("Could not save '" + path.toStdString() + "': " + failed.toStdString());
}

} // namespace

QString UserMaterials::Path() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/") +
           FromCore(catalogue::UserMaterialsFileName);
}

void UserMaterials::Load() {
    if (loaded_) return;
    loaded_ = true;
    if (!QFile::exists(Path())) return;
    try {
        entries_ = catalogue::ReadUserMaterials(ReadWhole(Path()), Path().toStdString());
    } catch (const calc::Error& e) {
        fault_ = QString::fromStdString(e.Message());
    }
}

const std::vector<catalogue::UserMaterial>& UserMaterials::Entries() {
    Load();
    return entries_;
}

const QString& UserMaterials::Fault() {
    Load();
    return fault_;
}

std::optional<double> UserMaterials::PriceOf(std::string_view material) {
    Load();
    if (entries_.empty() || material.empty()) return std::nullopt;
    try {
        return catalogue::FindMaterial(material, entries_).PricePerKg;
    } catch (const calc::Error&) {
        return std::nullopt; // a name no material has, or several
    }
}

// Written first, taken only once written.
void UserMaterials::Keep(std::vector<catalogue::UserMaterial> entries) {
    if (!Fault().isEmpty())
        throw calc::Error(fault_.toStdString() + " (mend or remove the file first)");
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    Write(Path(), catalogue::WriteUserMaterials(entries));
    entries_ = std::move(entries);
    emit changed();
}

void UserMaterials::Put(catalogue::UserMaterial entry, std::optional<std::size_t> replacing) {
    Keep(catalogue::WithUserMaterial(Entries(), std::move(entry), replacing));
}

void UserMaterials::Remove(std::size_t index) {
    std::vector<catalogue::UserMaterial> entries = Entries();
    if (index >= entries.size()) return;
    entries.erase(entries.begin() + std::ptrdiff_t(index));
    Keep(std::move(entries));
}

void UserMaterials::Import(const QString& path) {
    std::vector<catalogue::UserMaterial> entries = Entries();
    for (catalogue::UserMaterial& entry :
         catalogue::ReadUserMaterials(ReadWhole(path), path.toStdString())) {
        const auto same = std::find_if(entries.begin(), entries.end(), [&](const auto& e) {
            return calc::SameWord(e.Name, entry.Name);
        });
        entries = catalogue::WithUserMaterial(
            entries, std::move(entry),
            same == entries.end() ? std::nullopt
                                  : std::optional(std::size_t(same - entries.begin())));
    }
    Keep(std::move(entries));
}

void UserMaterials::Export(const QString& path) {
    Write(path, catalogue::WriteUserMaterials(Entries()));
}

} // namespace ui
