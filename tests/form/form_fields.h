#pragma once

// What the form tests look at: the 24 fields by name, their texts and their marks.
#include "form/form1.h"

#include <QColor>
#include <QLineEdit>
#include <QPalette>
#include <QString>

#include <array>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace form_test {

inline constexpr std::array<const char *, 24> field_names{
    "mag_a",  "mag_b",  "mag_c",  "ang_a",  "ang_b",  "ang_c",  "real_a", "real_b",
    "real_c", "imag_a", "imag_b", "imag_c", "mag_0",  "mag_1",  "mag_2",  "ang_0",
    "ang_1",  "ang_2",  "real_0", "real_1", "real_2", "imag_0", "imag_1", "imag_2"};

// The field of that name, found as a user's tool would find it: by object name.
inline toolkit::TextBox &field_named(Form1 &form, const std::string &name) {
    for (toolkit::TextBox *field : form.all_fields()) {
        if (field->widget()->objectName().toStdString() == name)
            return *field;
    }
    throw std::out_of_range("no field " + name);
}

inline std::map<std::string, std::string> texts(Form1 &form) {
    std::map<std::string, std::string> out;
    for (const char *name : field_names)
        out[name] = form.findChild<QLineEdit *>(QLatin1String(name))->text().toStdString();
    return out;
}

// The names of the fields painted light red, as the user sees them.
inline std::vector<std::string> marked(Form1 &form) {
    std::vector<std::string> out;
    for (const char *name : field_names) {
        const QLineEdit *edit = form.findChild<QLineEdit *>(QLatin1String(name));
        if (edit->palette().color(QPalette::Base) == QColor(255, 128, 128))
            out.emplace_back(name);
    }
    return out;
}

// Group g's six fields, in reading order.
inline std::array<std::string, 6> group_names(int g) {
    std::array<std::string, 6> out;
    for (std::size_t i = 0; i < 6; ++i)
        out[i] = field_names[static_cast<std::size_t>(6 * g) + i];
    return out;
}

} // namespace form_test
