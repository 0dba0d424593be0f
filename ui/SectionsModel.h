#pragma once
#include "catalogue/SectionDimensions.h"
#include "catalogue/Sections.h"

#include <QAbstractTableModel>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace ui {

// The sizes the table lists: the search's finds, each row one section, with
// the dimensions their families show, lettered as their standards letter
// them (catalogue/SectionDimensions.h). A new search is a new list, so the
// model is reset; the density in force changes one column.
class SectionsModel : public QAbstractTableModel {
public:
    enum Column {
        Designation,
        FirstDimension, // one column per catalogue::Dimension, in their order
        Area = FirstDimension + int(catalogue::DimensionCount),
        Mass,
        MassAtDensity,
        Standard,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    void Show(std::vector<const catalogue::Section*> rows);
    // The density in force and the material it is of, where it is one's.
    void SetDensity(std::optional<std::int32_t> density, const QString& material = {});

    const catalogue::Section* At(int row) const {
        return row >= 0 && row < rowCount() ? rows_[std::size_t(row)] : nullptr;
    }
    int RowOf(const catalogue::Section* section) const {
        const auto it = std::find(rows_.begin(), rows_.end(), section);
        return it == rows_.end() ? -1 : int(it - rows_.begin());
    }
    // Whether a row of the list has a figure in that column.
    bool Used(int column) const { return used_[std::size_t(column)]; }

    // The dimension a column shows, if it shows one.
    static std::optional<catalogue::Dimension> DimensionAt(int column);
    // A figure of the table as it gives it, with the user's decimal separator.
    static QString Number(double value);

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : ColumnCount;
    }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString Text(const catalogue::Section& section, int column) const;

    std::vector<const catalogue::Section*> rows_;
    std::array<bool, ColumnCount> used_{};
    // Each dimension column's letters and meanings in the families listed:
    // "h", or "h/d" where an EN beam and a W shape share the list.
    std::array<QString, catalogue::DimensionCount> letters_, meanings_;
    std::optional<std::int32_t> density_;
    QString material_;
};
} // namespace ui
