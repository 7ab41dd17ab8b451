#include "form/cell_paste.h"

#include "toolkit/entry_field.h"
#include "toolkit/number_text.h"

#include <algorithm>

namespace form {

CellPaste cell_paste(const QList<QStringList> &rows, int start) {
    CellPaste paste;
    const int group = start / 6;
    const int first_row = start % 3;        // rows A, B, C or 0, 1, 2
    const int first_column = start % 6 / 3; // magnitudes or real parts, then the other part
    for (qsizetype i = 0; i < rows.size(); ++i) {
        for (qsizetype j = 0; j < rows[i].size(); ++j) {
            const QString cell = toolkit::cleaned_cell(rows[i][j]);
            if (cell.trimmed().isEmpty())
                continue;
            if (first_row + i >= 3 || first_column + j >= 2) {
                paste.dropped_rows = std::max(paste.dropped_rows, first_row + i - 2);
                paste.dropped_columns = std::max(paste.dropped_columns, first_column + j - 1);
                continue;
            }
            paste.texts.emplace_back(6 * group + 3 * static_cast<int>(first_column + j) +
                                         first_row + static_cast<int>(i),
                                     cell);
        }
    }
    return paste;
}

QString dropped_cells(const CellPaste &paste) {
    const auto count = [](qsizetype n, const char *one, const char *many) {
        return toolkit::format_fixed(double(n), 0) + QLatin1Char(' ') +
               QLatin1String(n == 1 ? one : many);
    };
    QStringList parts;
    if (paste.dropped_rows > 0)
        parts << count(paste.dropped_rows, "row", "rows");
    if (paste.dropped_columns > 0)
        parts << count(paste.dropped_columns, "column", "columns");
    if (parts.isEmpty())
        return {};
    return parts.join(QStringLiteral(" and ")) + QStringLiteral(" did not fit the group");
}

} // namespace form
