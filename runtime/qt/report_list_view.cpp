#include "runtime/qt/report_list_view.h"

#include "runtime/qt/controls.h"
#include "runtime/qt/gbk_qt.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace rt {

void TableModel::setHeaders(std::vector<QString> headers)
{
    m_headers = std::move(headers);
}

int TableModel::appendRow()
{
    const int row = static_cast<int>(m_rows.size());
    beginInsertRows({}, row, row);
    m_rows.emplace_back();
    endInsertRows();
    return row;
}

void TableModel::appendRows(std::vector<TableRow> rows)
{
    if (rows.empty())
        return;
    const int first = static_cast<int>(m_rows.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    if (m_rows.empty())
        m_rows = std::move(rows);
    else
        m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()),
                      std::make_move_iterator(rows.end()));
    endInsertRows();
}

void TableModel::setCell(int row, int column, std::string text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= 4)
        return;
    m_rows[row][column] = std::move(text);
    emit dataChanged(index(row, column), index(row, column));
}

const std::string& TableModel::gbkCell(int row, int column) const
{
    static const std::string kNone;
    if (row < 0 || row >= rowCount() || column < 0 || column >= 4)
        return kNone;
    return m_rows[row][column];
}

QString TableModel::cell(int row, int column) const
{
    return fromGbk(gbkCell(row, column));
}

void TableModel::clear()
{
    beginResetModel();
    m_rows.clear();
    m_rows.shrink_to_fit();
    endResetModel();
}

int TableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant TableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.column() >= 4)
        return {};
    return fromGbk(m_rows[index.row()][index.column()]);
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < static_cast<int>(m_headers.size()))
        return m_headers[section];
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

ReportListView::ReportListView(QWidget* parent, const QFont& font,
                               const std::vector<std::pair<QString, int>>& columns)
    : QTableView(parent), m_model(new TableModel(this))
{
    // The font first: a header given its model before its font sizes its sections in the
    // default face, loading fonts only to drop them.
    setFont(font);
    horizontalHeader()->setFont(font);
    std::vector<QString> headers;
    for (const auto& column : columns)
        headers.push_back(column.first);
    m_model->setHeaders(std::move(headers));
    setModel(m_model);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(18);
    verticalHeader()->setMinimumSectionSize(18);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int i = 0; i < static_cast<int>(columns.size()); ++i)
        setColumnWidth(i, columns[i].second);
    // The highlight stays visible when the list loses the focus.
    QPalette colours = palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);
}

int ReportListView::firstSelectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    int first = -1;
    for (const QModelIndex& index : selected)
        if (first < 0 || index.row() < first)
            first = index.row();
    return first;
}

void ReportListView::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        clearSelection();
        return;
    }
    selectionModel()->select(m_model->index(row, 0),
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ReportListView::mousePressEvent(QMouseEvent* event)
{
    const int before = currentIndex().row();
    QTableView::mousePressEvent(event);
    raiseIfFocusedRowChanged(before);
}

void ReportListView::keyPressEvent(QKeyEvent* event)
{
    const int before = currentIndex().row();
    QTableView::keyPressEvent(event);
    raiseIfFocusedRowChanged(before);
}

void ReportListView::raiseIfFocusedRowChanged(int before)
{
    const int after = currentIndex().row();
    if (after >= 0 && after != before)
        raiseControlEvent(this, Event::CurrentRowChanged);
}

}  // namespace rt
