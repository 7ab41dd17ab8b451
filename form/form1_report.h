#pragma once

#include "form/case_report.h"

class Form1;

namespace form {

// The case the window shows, with the note, as a report: the diagrams and their values only
// once something is drawn, the unbalance once there are results.
CaseReport report_of(Form1 &form, const QString &note);

// Save Report As and Print Report: a note asked for first (Cancel stops), then the file or
// print dialog. A file that cannot be written is told in the form's notice.
void ask_and_save_report(Form1 &form);
void ask_and_print_report(Form1 &form);

} // namespace form
