#include "form/cell_paste.h"

#include "toolkit/entry_field.h"
#include "toolkit/number_text.h"

#include <QCoreApplication>

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

namespace {

// "1 row", "3 columns": source is the plural, marked with QT_TRANSLATE_N_NOOP for a numerus
// entry; English, with no catalogue loaded, takes its singular here.
QString counted(qsizetype n, const char *source, const char *singular) {
    const int count = static_cast<int>(n);
    const QString text = QCoreApplication::translate("CellPaste", source, nullptr, count);
    if (count == 1 &&
        text == QString::fromUtf8(source).replace(QLatin1String("%n"), QLatin1String("1")))
        return QString::fromUtf8(singular);
    return text;
}

} // namespace

QString dropped_cells(const CellPaste &paste) {
    const QString rows =
        counted(paste.dropped_rows, QT_TRANSLATE_N_NOOP("CellPaste", "%n rows"), "1 row");
    const QString columns =
        counted(paste.dropped_columns, QT_TRANSLATE_N_NOOP("CellPaste", "%n columns"), "1 column");
    if (paste.dropped_rows > 0 && paste.dropped_columns > 0)
        //: A notice after a paste; %1 is "2 rows", %2 is "1 column".
        return QCoreApplication::translate("CellPaste", "%1 and %2 did not fit the group")
            .arg(rows, columns);
    if (paste.dropped_rows > 0 || paste.dropped_columns > 0)
        //: A notice after a paste; %1 is "2 rows" or "1 column".
        return QCoreApplication::translate("CellPaste", "%1 did not fit the group")
            .arg(paste.dropped_rows > 0 ? rows : columns);
    return {};
}

} // namespace form
