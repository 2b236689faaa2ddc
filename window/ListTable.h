#pragma once
// A list of measuring points as the list window shows it: per record its
// line, its tag, the values of its input columns as read, and the spacing as
// the result field shows it or the refused row's message. The texts of all
// rows lie one after another in one buffer, so a list takes the memory of its
// text and a few offsets per row, not an object per cell.

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class ListTable {
public:
    // `fields`: the given field (GivenFields()) of each input column, in the
    // header's order; `tagged`: whether the list has a tag column.
    ListTable(std::vector<std::size_t> fields, bool tagged);

    // A record as read and computed; texts in UTF-8.
    struct Row {
        std::int64_t line = 0;  // where the record starts in the file
        std::string_view tag;
        std::span<const std::string_view> values;  // one per field, empty if not given
        std::string_view shown;                    // the spacing, or the message
        bool refused = false;
    };
    void Add(const Row& row);

    std::size_t Size() const { return lines_.size(); }
    const std::vector<std::size_t>& Fields() const { return fields_; }
    bool Tagged() const { return tagged_; }
    std::int64_t Line(std::size_t row) const { return lines_[row]; }
    bool Refused(std::size_t row) const { return refused_[row]; }
    std::size_t RefusedCount() const { return refusedCount_; }
    std::string_view Tag(std::size_t row) const { return Text(row, 0); }
    std::string_view Value(std::size_t row, std::size_t column) const {
        return Text(row, column + 1);
    }
    std::string_view Shown(std::size_t row) const { return Text(row, fields_.size() + 1); }
    // The first row with `tag`, if the list is tagged and has one.
    std::optional<std::size_t> RowTagged(std::string_view tag) const;

    // What the header says besides: the columns passed through as they are,
    // and those of them whose names come close to an input's option name.
    QStringList passedThrough;
    std::vector<std::pair<QString, QString>> nearNames;  // the column's name, the input's

private:
    std::string_view Text(std::size_t row, std::size_t at) const;

    std::vector<std::size_t> fields_;
    bool tagged_;
    std::string text_;
    // Per row its texts' ends in text_: tag, values, shown.
    std::vector<std::uint32_t> ends_;
    std::vector<std::int64_t> lines_;
    std::vector<bool> refused_;
    std::size_t refusedCount_ = 0;
};
