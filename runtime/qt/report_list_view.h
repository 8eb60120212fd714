// The report list view of the profile table and the model that holds its rows.
#pragma once

#include "runtime/qt/events.h"

#include <QAbstractTableModel>
#include <QTableView>

#include <array>
#include <string>
#include <vector>

namespace rt {

// The rows of the report list view: four text columns, appended and cleared in bulk. Cells
// stay the GBK texts the logic handed over; only the cells on screen are ever converted,
// so a table of 100,000 rows costs no more to show than one screenful.
class TableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setHeaders(std::vector<QString> headers);
    int appendRow();
    void appendRows(std::vector<TableRow> rows);
    void setCell(int row, int column, std::string text);
    const std::string& gbkCell(int row, int column) const;  // "" for a missing cell
    QString cell(int row, int column) const;
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<QString> m_headers;
    std::vector<TableRow> m_rows;
};

// Grid, whole-row single selection, fixed 18-pixel rows, headers that neither sort nor
// move. CurrentRowChanged is raised only when the user's click or key makes another row
// the focused row.
class ReportListView : public QTableView {
public:
    ReportListView(QWidget* parent, const QFont& font,
                   const std::vector<std::pair<QString, int>>& columns);
    TableModel* rows() const { return m_model; }
    int firstSelectedRow() const;
    void selectRow(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void raiseIfFocusedRowChanged(int before);
    TableModel* m_model;
};

}  // namespace rt
