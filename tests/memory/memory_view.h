#pragma once

// Reading the case memory's visible and stored state off a live Form1, in forms that
// compare and print well.
#include "form/form1.h"
#include "tests/form/form_fields.h"

#include <QString>

#include <array>
#include <ostream>
#include <string>

// Readable QStrings in failure messages.
inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}

namespace memory_test {

// A case as the memory keeps it: mag_a, mag_b, mag_c, ang_a, ang_b, ang_c.
using CaseTexts = std::array<QString, 6>;

// The 24 entry fields in group order, six per group.
using form_test::field_names;

inline CaseTexts slot_texts(const Form1 &form, int slot) {
    return form.model().state().saved.at(static_cast<std::size_t>(slot)).texts;
}

inline CaseTexts group_texts(const Form1 &form, int group) {
    CaseTexts texts;
    const auto fields = group_fields(form, group);
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = fields[i]->Text();
    return texts;
}

inline CaseTexts abc_polar_texts(const Form1 &form) {
    return group_texts(form, 0);
}

// One token per button: E enabled, B bold, S selected, '.' where not.
inline std::string button_token(bool enabled, bool bold, bool selected) {
    return std::string{enabled ? 'E' : '.', bold ? 'B' : '.', selected ? 'S' : '.'};
}

inline std::string buttons(const Form1 &form) {
    std::string out;
    for (std::size_t k = 1; k <= 10; ++k) {
        const toolkit::OptionButton &b = form.Option1[k];
        out += std::to_string(k) + ':' + button_token(b.Enabled(), b.FontBold(), b.Value()) + ' ';
    }
    return out;
}

// The buttons when slots 1..filled hold cases, `newest` is bold and `selected` is chosen.
inline std::string expected_buttons(int filled, int newest, int selected) {
    std::string out;
    for (int k = 1; k <= 10; ++k)
        out +=
            std::to_string(k) + ':' + button_token(k <= filled, k == newest, k == selected) + ' ';
    return out;
}

} // namespace memory_test
