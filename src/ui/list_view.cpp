#include "ui/list_view.h"

#include <algorithm>
#include <cctype>

namespace ui {
namespace {

// Text order as the list view sorts: ignoring case.
bool lessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

std::string cell(const Row& row, std::size_t column) {
    return column < row.texts.size() ? row.texts[column] : std::string();
}

}  // namespace

void ListView::setColumnHeader(std::size_t column, const std::string& header) {
    if (column >= columns_.size() || columns_[column].header == header) return;
    columns_[column].header = header;
    notify(Change::Columns);
}

void ListView::setColumnWidth(std::size_t column, int width) {
    if (column >= columns_.size() || width < 0 || columns_[column].width == width) return;
    columns_[column].width = width;
    notify(Change::Columns);
}

std::size_t ListView::addRow(const std::string& text) {
    Row row;
    row.texts.push_back(text);
    return addRow(std::move(row));
}

std::size_t ListView::addRow(Row row) {
    if (row.texts.empty()) row.texts.emplace_back();
    std::size_t index = rows_.size();
    if (sorted_) {
        auto position = std::upper_bound(rows_.begin(), rows_.end(), row,
                                         [this](const Row& a, const Row& b) { return before(a, b); });
        index = static_cast<std::size_t>(position - rows_.begin());
        rows_.insert(position, std::move(row));
    } else {
        rows_.push_back(std::move(row));
    }
    notify(Change::Rows, static_cast<int>(index));
    return index;
}

void ListView::removeRow(std::size_t index) {
    if (index >= rows_.size()) return;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
    notify(Change::Rows, static_cast<int>(index));
}

void ListView::clear() {
    if (rows_.empty()) return;
    rows_.clear();
    notify(Change::Rows);
}

std::string ListView::text(std::size_t index, std::size_t column) const {
    return index < rows_.size() ? cell(rows_[index], column) : std::string();
}

void ListView::setText(std::size_t index, std::size_t column, const std::string& text) {
    if (index >= rows_.size()) return;
    auto& texts = rows_[index].texts;
    if (texts.size() <= column) texts.resize(column + 1);
    if (texts[column] == text) return;
    texts[column] = text;
    notify(Change::Row, static_cast<int>(index));
}

void ListView::setChecked(std::size_t index, bool checked) {
    if (index >= rows_.size() || rows_[index].checked == checked) return;
    rows_[index].checked = checked;
    notify(Change::Row, static_cast<int>(index));
}

void ListView::setColor(std::size_t index, std::uint32_t color) {
    if (index >= rows_.size() || rows_[index].color == color) return;
    rows_[index].color = color;
    notify(Change::Row, static_cast<int>(index));
}

void ListView::setSmallIcon(std::size_t index, const std::string& key) {
    if (index >= rows_.size() || rows_[index].smallIcon == key) return;
    rows_[index].smallIcon = key;
    notify(Change::Row, static_cast<int>(index));
}

void ListView::select(std::size_t index) {
    for (std::size_t i = 0; i < rows_.size(); ++i) rows_[i].selected = i == index;
    notify(Change::Selection, static_cast<int>(index));
}

void ListView::setSelected(std::size_t index, bool selected) {
    if (index >= rows_.size() || rows_[index].selected == selected) return;
    rows_[index].selected = selected;
    notify(Change::Selection, static_cast<int>(index));
}

std::size_t ListView::selectedIndex() const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].selected) return i;
    return rows_.size();
}

void ListView::setSorting(bool sorted, std::size_t key, SortOrder order) {
    if (sorted == sorted_ && key == sortKey_ && order == sortOrder_) return;
    sorted_ = sorted;
    sortKey_ = key;
    sortOrder_ = order;
    if (sorted_) sortRows();
    notify(Change::Sorting);
}

bool ListView::before(const Row& a, const Row& b) const {
    const Row& first = sortOrder_ == SortOrder::Ascending ? a : b;
    const Row& second = sortOrder_ == SortOrder::Ascending ? b : a;
    if (lessThan) return lessThan(first, second, sortKey_);
    return lessIgnoringCase(cell(first, sortKey_), cell(second, sortKey_));
}

void ListView::sortRows() {
    std::stable_sort(rows_.begin(), rows_.end(), [this](const Row& a, const Row& b) { return before(a, b); });
    notify(Change::Rows);
}

void ListView::clickColumn(std::size_t column) {
    if (onColumnClick) onColumnClick(column);
}

void ListView::clickRow(std::size_t row) {
    if (row >= rows_.size()) return;
    select(row);
    if (onRowClick) onRowClick(row);
}

void ListView::checkRowByUser(std::size_t row, bool checked) {
    if (row >= rows_.size()) return;
    setChecked(row, checked);
    if (onRowChecked) onRowChecked(row);
}

}  // namespace ui
