#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace form {

// Where a block of pasted cells goes: a spreadsheet's way, from the field it is pasted into
// (0-23 in checking order), rightwards and downwards over that field's group, three rows
// (A, B, C or 0, 1, 2) of two columns (magnitude or real part, then angle or imaginary part).
struct CellPaste {
    // The fields that get a cell, with its text cleaned as a pasted cell is; an empty cell
    // leaves its field alone.
    std::vector<std::pair<int, QString>> texts;
    // How many rows and columns beyond the group held something.
    qsizetype dropped_rows = 0;
    qsizetype dropped_columns = 0;
};

// The cells of `rows` pasted into field `start`, each cleaned with toolkit::cleaned_cell.
CellPaste cell_paste(const QList<QStringList> &rows, int start);

// "2 rows and 1 column did not fit the group", or nothing when everything fitted.
QString dropped_cells(const CellPaste &paste);

} // namespace form
