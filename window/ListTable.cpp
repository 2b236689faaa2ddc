#include "window/ListTable.h"

#include <limits>
#include <stdexcept>

ListTable::ListTable(std::vector<std::size_t> fields, bool tagged)
    : fields_(std::move(fields)), tagged_(tagged) {}

void ListTable::Add(const Row& row) {
    const auto put = [this](std::string_view text) {
        text_ += text;
        // Offsets of 32 bits hold a list of 4 GB, four times what a sheet of
        // a spreadsheet program takes.
        if (text_.size() > std::numeric_limits<std::uint32_t>::max())
            throw std::length_error("the list is too long");
        ends_.push_back(std::uint32_t(text_.size()));
    };
    put(row.tag);
    for (std::size_t column = 0; column < fields_.size(); ++column)
        put(column < row.values.size() ? row.values[column] : std::string_view());
    put(row.shown);
    lines_.push_back(row.line);
    refused_.push_back(row.refused);
    refusedCount_ += row.refused;
}

std::string_view ListTable::Text(std::size_t row, std::size_t at) const {
    const std::size_t index = row * (fields_.size() + 2) + at;
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(text_).substr(begin, ends_[index] - begin);
}

std::optional<std::size_t> ListTable::RowTagged(std::string_view tag) const {
    if (!tagged_) return std::nullopt;
    for (std::size_t row = 0; row < Size(); ++row) {
        if (Tag(row) == tag) return row;
    }
    return std::nullopt;
}
