// A long session of random user actions through the real offscreen window: texts typed
// into the fields, valid and invalid, real mouse clicks on every kind of button, recalls.
// The resident size after the session must stay within a few MB of the size after the
// first thousand actions, and the retained drawing must never hold more than one drawing.
#include "tests/support/shown_form.h"

#include <QApplication>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>

#include <unistd.h>

namespace {

#ifdef TRIVANE_SOAK_SANITIZED
constexpr int actions = 30'000;
#else
constexpr int actions = 100'000;
#endif
constexpr int warm_up_actions = 1'000;
// Every tenth button press is a real mouse click with its events handled; the others call
// the handler directly, which keeps the session near a minute.
constexpr int real_click_every = 10;
constexpr long allowed_growth_kb = 4 * 1024;
// The erasing box, 20 circles and 10 phasors, and the outline-only box of an erase made
// before the first drawing set a solid fill.
constexpr std::size_t one_drawing = 1 + 20 + 10 + 1;

long resident_kb() {
    std::ifstream statm("/proc/self/statm");
    long size_pages = 0;
    long resident_pages = 0;
    statm >> size_pages >> resident_pages;
    return resident_pages * (sysconf(_SC_PAGESIZE) / 1024);
}

const QString valid_texts[] = {
    QStringLiteral("1.0"), QStringLiteral("-120.0"), QStringLiteral(" 2.5e3 "),
    QStringLiteral("0"),   QStringLiteral("3E+38"),  QStringLiteral("1e-40"),
    QStringLiteral(".5"),  QStringLiteral("-7."),    QStringLiteral("9.99E-01"),
};
const QString invalid_texts[] = {
    QString(),
    QStringLiteral("   "),
    QStringLiteral("-"),
    QStringLiteral("abc"),
    QStringLiteral("1.2.3"),
    QStringLiteral("1e"),
    QStringLiteral("inf"),
    QStringLiteral("4E+38"),
};

class Session {
public:
    explicit Session(Form1 &form)
        : form_(form)
        , fields_(form.all_fields()) {}

    void step() {
        const unsigned kind = pick(100);
        if (kind < 35)
            fields_[pick(24)]->setText(random_text());
        else if (kind < 40)
            type_text();
        else if (kind < 75)
            press_convert(static_cast<int>(pick(4)));
        else if (kind < 80)
            press_clear();
        else
            press_option(static_cast<int>(pick(10)) + 1);
    }

private:
    unsigned pick(unsigned n) { return std::uniform_int_distribution<unsigned>(0, n - 1)(rng_); }

    QString random_text() {
        switch (pick(3)) {
        case 0:
            return valid_texts[pick(std::size(valid_texts))];
        case 1:
            return invalid_texts[pick(std::size(invalid_texts))];
        default:
            return QString::number(std::uniform_real_distribution<double>(-1e3, 1e3)(rng_), 'g', 6);
        }
    }

    void type_text() {
        QLineEdit *edit = fields_[pick(24)]->widget();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, random_text());
    }

    bool real_click() { return ++presses_ % real_click_every == 0; }

    void press_convert(int index) {
        if (real_click())
            testing_support::click(form_.Convert[static_cast<std::size_t>(index)]);
        else
            form_.Convert_Click(index);
    }

    void press_clear() {
        if (real_click())
            testing_support::click(form_.CLEAR);
        else
            form_.CLEAR_Click();
    }

    // A disabled button ignores a real click; a direct call is only made on an enabled one.
    void press_option(int index) {
        toolkit::OptionButton &button = form_.Option1[static_cast<std::size_t>(index)];
        if (real_click())
            testing_support::click(button.widget());
        else if (button.Enabled())
            form_.Option1_Click(index);
    }

    Form1 &form_;
    std::array<toolkit::TextBox *, 24> fields_;
    std::mt19937 rng_{20240607};
    int presses_ = 0;
};

TEST(Soak, long_random_session_keeps_memory_and_drawing_flat) {
    // State: a fresh window. Action: many random actions. Expected: no growth.
    auto form = testing_support::shown_form();
    // Tens of thousands of saves would each write the file: the replay tests check it.
    testing_support::keep_no_cases(*form);
    Session session(*form);
    long after_warm_up_kb = 0;
    std::size_t largest_drawing = 0;
    for (int i = 1; i <= actions; ++i) {
        session.step();
        largest_drawing = std::max(largest_drawing, form->canvas().display_list().size());
        ASSERT_LE(form->canvas().display_list().size(), one_drawing) << "after action " << i;
        if (i == warm_up_actions) {
            QApplication::processEvents();
            after_warm_up_kb = resident_kb();
        }
    }
    QApplication::processEvents();
    const long after_session_kb = resident_kb();
    RecordProperty("resident_kb_after_warm_up", static_cast<int>(after_warm_up_kb));
    RecordProperty("resident_kb_after_session", static_cast<int>(after_session_kb));
    std::printf("soak: %d actions, resident %ld kB after %d, %ld kB after all; largest drawing "
                "%zu operations\n",
                actions, after_warm_up_kb, warm_up_actions, after_session_kb, largest_drawing);
    EXPECT_GT(largest_drawing, one_drawing - 2) << "the session never drew a full case";
#ifndef TRIVANE_SOAK_SANITIZED
    EXPECT_LE(after_session_kb - after_warm_up_kb, allowed_growth_kb);
#endif
}

} // namespace
