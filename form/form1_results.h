#pragma once

// The results of the case shown as one table, for Copy Results and Save Results As.

#include "form/results_export.h"

#include <QString>

class Form1;

namespace form {

// The table of the converted case: a header row, the six phasors, the two ratios, for a set
// that turns A-C-B the phase order, and what the reading says of the case.
ResultsTable results_table(const Form1 &form);
// The table onto the clipboard; nothing unless the last conversion showed results.
void copy_results(const Form1 &form);
// The table as comma-separated values or a workbook (by the name's ending) into the file at
// path, written whole; a failure, or no results to save, is told in the form's notice.
void save_results(Form1 &form, const QString &path);
// Asks where, starting in the Documents folder, then in the folder saved to last.
void ask_and_save_results(Form1 &form);

} // namespace form
