#pragma once
// A report-style list view: columns with headers and widths (zero-width
// columns hold fields the user does not see), rows with texts, a tick, a
// selection, a colour and a small picture, and sorting by one column.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

struct Column {
    std::string header;
    int width = 0;  // twips; 0 hides the column
};

struct Row {
    std::vector<std::string> texts;  // column 1 is the row text, then the sub-items
    bool checked = false;
    bool selected = false;
    std::uint32_t color = 0;  // text colour, 0x00BBGGRR
    std::string smallIcon;    // key into the list's image list
    std::size_t id = 0;       // the record the row shows, in its tool's own list: sorting carries it along
};

enum class SortOrder { Ascending, Descending };

class ListView : public Control {
public:
    ListView(std::string name, Rect design, std::vector<Column> columns, bool checkBoxes = false)
        : Control(std::move(name), design), columns_(std::move(columns)), checkBoxes_(checkBoxes) {}

    const std::vector<Column>& columns() const { return columns_; }
    void setColumnHeader(std::size_t column, const std::string& header);
    void setColumnWidth(std::size_t column, int width);
    bool checkBoxes() const { return checkBoxes_; }

    std::size_t rowCount() const { return rows_.size(); }
    const Row& row(std::size_t index) const { return rows_.at(index); }
    const std::vector<Row>& rows() const { return rows_; }
    // Adds a row at the end (or in sort position when sorting is on); returns its index.
    std::size_t addRow(const std::string& text);
    std::size_t addRow(Row row);
    void removeRow(std::size_t index);
    void clear();
    // Texts of a row: column 0 is the row text. Missing sub-items read as empty.
    std::string text(std::size_t index, std::size_t column) const;
    void setText(std::size_t index, std::size_t column, const std::string& text);
    void setChecked(std::size_t index, bool checked);
    void setColor(std::size_t index, std::uint32_t color);
    void setSmallIcon(std::size_t index, const std::string& key);
    // Single selection: selecting one row clears the others, as a click does.
    void select(std::size_t index);
    void setSelected(std::size_t index, bool selected);
    // The first selected row, or rowCount() when none is.
    std::size_t selectedIndex() const;

    bool sorted() const { return sorted_; }
    std::size_t sortKey() const { return sortKey_; }
    SortOrder sortOrder() const { return sortOrder_; }
    void setSorting(bool sorted, std::size_t key, SortOrder order);
    void setSorted(bool sorted) { setSorting(sorted, sortKey_, sortOrder_); }
    // Whether row `a` comes before row `b` by `column`; unset, the texts compare ignoring case.
    std::function<bool(const Row& a, const Row& b, std::size_t column)> lessThan;

    // A click on a column header and a click on a row, as the user makes them.
    std::function<void(std::size_t column)> onColumnClick;
    std::function<void(std::size_t row)> onRowClick;
    std::function<void(std::size_t row)> onRowChecked;
    void clickColumn(std::size_t column);
    void clickRow(std::size_t row);
    void checkRowByUser(std::size_t row, bool checked);

private:
    void sortRows();
    bool before(const Row& a, const Row& b) const;
    std::vector<Column> columns_;
    std::vector<Row> rows_;
    bool checkBoxes_;
    bool sorted_ = false;
    std::size_t sortKey_ = 0;
    SortOrder sortOrder_ = SortOrder::Ascending;
};

}  // namespace ui
