#pragma once

#include <QString>

class Form1;

namespace tools {

// One line of JSON with the state a user sees: fields, memory buttons, plot labels,
// focus, the form's flags and the notice shown since the previous dump (read once).
QString dump_json(Form1 &form);

// One line of JSON with the drawing operations of the most recent plot.
QString ops_json(const Form1 &form);

// One line of JSON with the clipboard's text and its formats as MIME types.
QString clipboard_json();

} // namespace tools
