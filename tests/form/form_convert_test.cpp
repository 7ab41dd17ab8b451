// The Convert and Clear commands through the window: whole conversions against the
// golden table in tests/data, repeated presses, and Clear.

#include "form_fields.h"
#include "tests/support/shown_form.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

using form_test::marked;
using form_test::texts;
using testing_support::click;
using testing_support::shown_form;
using testing_support::type_into;

struct GoldenCase {
    std::string name;
    int group = 0;
    std::map<std::string, std::string> shown; // all 24 fields after the press
};

void PrintTo(const GoldenCase &c, std::ostream *out) {
    *out << c.name;
}

std::vector<GoldenCase> load_golden() {
    std::ifstream in(TRIVANE_TEST_DATA "/form_conversions.txt");
    if (!in)
        throw std::runtime_error("cannot read form_conversions.txt");
    std::vector<GoldenCase> cases;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string first, second;
        words >> first >> second;
        if (first == "case") {
            std::string convert;
            GoldenCase c;
            c.name = second;
            words >> convert >> c.group;
            cases.push_back(c);
        } else if (!cases.empty()) {
            cases.back().shown[first] = second;
        }
    }
    return cases;
}

const std::vector<GoldenCase> &golden() {
    static const std::vector<GoldenCase> cases = load_golden();
    return cases;
}

const GoldenCase &golden_case(const std::string &name) {
    for (const GoldenCase &c : golden()) {
        if (c.name == name)
            return c;
    }
    throw std::out_of_range("no golden case " + name);
}

class GoldenConversion : public testing::TestWithParam<GoldenCase> {};

// State: a fresh window.
// Action: type the case's six entries into the pressed group and press its CONVERT.
// Expected: all 24 fields show exactly the table's texts, nothing is marked.
TEST_P(GoldenConversion, window_shows_the_table_texts) {
    const GoldenCase &c = GetParam();
    ASSERT_EQ(c.shown.size(), 24u) << "the table lists every field once";
    const auto form = shown_form();
    for (const std::string &name : form_test::group_names(c.group))
        type_into(*form, name.c_str(), QString::fromStdString(c.shown.at(name)));
    click(form->Convert[static_cast<std::size_t>(c.group)]);
    EXPECT_FALSE(form->model().state().errors_found);
    EXPECT_TRUE(marked(*form).empty());
    const auto shown = texts(*form);
    for (const auto &[name, text] : c.shown)
        EXPECT_EQ(shown.at(name), text) << name;
}

INSTANTIATE_TEST_SUITE_P(Form1, GoldenConversion, testing::ValuesIn(golden()),
                         [](const auto &info) { return info.param.name; });

// State: a fresh window with its start-up texts.
// Action: press the same CONVERT twice.
// Expected: the second press changes no text; the pressed group keeps its own texts.
TEST(ConvertCommand, pressing_a_button_twice_changes_nothing) {
    for (int g = 0; g < 4; ++g) {
        const auto form = shown_form();
        const auto start = texts(*form);
        click(form->Convert[static_cast<std::size_t>(g)]);
        const auto once = texts(*form);
        click(form->Convert[static_cast<std::size_t>(g)]);
        EXPECT_EQ(texts(*form), once) << g;
        for (const std::string &name : form_test::group_names(g))
            EXPECT_EQ(once.at(name), start.at(name)) << name;
    }
}

// State: a fresh window; a failed check has left mag_b marked.
// Action: press Clear Screen.
// Expected: the mark is gone, ABC Polar shows "0" and the rest the zero case's results,
// no phasors are drawn.
TEST(ClearCommand, clear_after_a_failed_check_shows_the_zero_case) {
    const auto form = shown_form();
    type_into(*form, "mag_b", QStringLiteral("oops"));
    click(form->Convert[0]);
    ASSERT_TRUE(form->model().state().errors_found);
    click(form->CLEAR);
    EXPECT_FALSE(form->model().state().errors_found);
    EXPECT_TRUE(marked(*form).empty());
    EXPECT_EQ(texts(*form), golden_case("all_zero").shown);
    EXPECT_EQ(form->canvas().last_call().size(), 1u); // the erase only
    EXPECT_TRUE(form->Letter_A.Visible());
}

} // namespace
