#pragma once

#include "form/case_report.h"

class Form1;

namespace form {

// The case the window shows, with the note, as a report: the diagrams and their values only
// once something is drawn, the unbalance once there are results.
CaseReport report_of(Form1 &form, const QString &note);

} // namespace form
