// Thousands of random user actions through the real window, each followed by a comparison
// of the case memory with a small model of the ring that decides from the entry texts alone
// what is saved where.
#include "memory_view.h"
#include "tests/support/shown_form.h"
#include "toolkit/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>
#include <random>
#include <string>

namespace {

using memory_test::CaseTexts;
using memory_test::field_names;

constexpr std::uint32_t sessions = 6;
constexpr int actions_per_session = 500;

const QString simple[] = {QStringLiteral("1.0"),    QStringLiteral(" 2 "),
                          QStringLiteral("-120.0"), QStringLiteral("3e2"),
                          QStringLiteral("0"),      QStringLiteral("-1"),
                          QStringLiteral("45"),     QStringLiteral("1.000001e-6")};
// Each at most 1e-6 in magnitude: a set of these draws nothing.
const QString tiny[] = {QStringLiteral("1e-6"),  QStringLiteral("0.000001"),
                        QStringLiteral("-1e-6"), QStringLiteral("5e-7"),
                        QStringLiteral("1E-7"),  QStringLiteral("-0.0000009"),
                        QStringLiteral("0")};
const QString invalid[] = {QStringLiteral("abc"), QString(), QStringLiteral("1.2.3"),
                           QStringLiteral("1e"), QStringLiteral("- 1")};

// How often the run met each situation, so that a changed mix cannot go unnoticed.
struct Coverage {
    int saves = 0, wraps = 0, refused = 0, too_small = 0, recalls = 0, disabled_clicks = 0;

    void add(const Coverage &other) {
        saves += other.saves;
        wraps += other.wraps;
        refused += other.refused;
        too_small += other.too_small;
        recalls += other.recalls;
        disabled_clicks += other.disabled_clicks;
    }
};

// The ring as the user sees it: cases filled in turn 1..10 and then over again, each with
// the group it was entered in.
struct RingModel {
    std::array<form::SavedCase, 11> cases{};
    int newest = 0;
    int filled = 0;
    int selected = 0;

    void save(int group, const CaseTexts &texts) {
        newest = newest % 10 + 1;
        filled = std::max(filled, newest);
        cases[static_cast<std::size_t>(newest)] = {group, texts};
    }
};

class Driver {
public:
    Driver(Form1 &form, std::uint32_t seed)
        : form_(form)
        , rng_(seed) {
        for (std::size_t i = 0; i < texts_.size(); ++i)
            texts_[i] = form_.all_fields()[i]->Text();
    }

    std::string step() {
        const unsigned kind = pick(100);
        if (kind < 30)
            return type_one();
        if (kind < 42)
            return type_group();
        if (kind < 70)
            return convert_button(static_cast<int>(pick(4)));
        if (kind < 75)
            return clear();
        return option_button(static_cast<int>(pick(10)) + 1);
    }

    const Coverage &coverage() const { return seen_; }

    void compare() const {
        for (int slot = 0; slot <= 10; ++slot) {
            const form::SavedCase &model = ring_.cases[static_cast<std::size_t>(slot)];
            const form::SavedCase &saved =
                form_.model().state().saved[static_cast<std::size_t>(slot)];
            EXPECT_EQ(saved.texts, model.texts) << "slot " << slot;
            EXPECT_EQ(saved.group, model.group) << "slot " << slot;
        }
        EXPECT_EQ(form_.model().state().jslot, ring_.newest);
        EXPECT_EQ(memory_test::buttons(form_),
                  memory_test::expected_buttons(ring_.filled, ring_.newest, ring_.selected));
        for (std::size_t i = 0; i < texts_.size(); ++i)
            EXPECT_EQ(form_.all_fields()[i]->Text(), texts_[i]) << field_names[i];
        EXPECT_FALSE(form_.model().state().recall_in_progress);
    }

private:
    unsigned pick(unsigned n) { return static_cast<unsigned>(rng_() % n); }
    template <std::size_t N> const QString &pick_from(const QString (&list)[N]) {
        return list[pick(N)];
    }

    void type(std::size_t field, const QString &text) {
        testing_support::type_into(form_, field_names[field], text);
        texts_[field] = text;
    }

    std::string type_one() {
        const std::size_t field = pick(24);
        const unsigned list = pick(3);
        const QString &text = list == 0   ? pick_from(simple)
                              : list == 1 ? pick_from(tiny)
                                          : pick_from(invalid);
        type(field, text);
        return "type \"" + text.toStdString() + "\" into " + field_names[field];
    }

    // A whole group at once, mostly valid, so that tiny sets are converted often.
    std::string type_group() {
        const std::size_t group = pick(4);
        const bool small = pick(2) == 0;
        const bool polar = group % 2 == 0;
        // Half the small sets get one ordinary value, which alone decides the scale.
        const std::size_t lone = small && pick(2) == 0 ? pick(polar ? 3 : 6) : 6;
        std::string typed;
        for (std::size_t i = 0; i < 6; ++i) {
            const bool angle = polar && i >= 3;
            const bool ordinary = angle || !small || i == lone;
            const QString &text = ordinary ? pick_from(simple) : pick_from(tiny);
            type(group * 6 + i, text);
            typed += " \"" + text.toStdString() + "\"";
        }
        return "type group " + std::to_string(group) + ":" + typed;
    }

    std::string convert_button(int group) {
        testing_support::click(form_.Convert[static_cast<std::size_t>(group)]);
        converted(group, false);
        return "CONVERT " + std::to_string(group);
    }

    std::string clear() {
        testing_support::click(form_.CLEAR);
        texts_.fill(QStringLiteral("0"));
        converted(0, false);
        return "Clear";
    }

    std::string option_button(int slot) {
        testing_support::click(form_.Option1[static_cast<std::size_t>(slot)].widget());
        if (slot <= ring_.filled) {
            ring_.selected = slot;
            const form::SavedCase &saved = ring_.cases[static_cast<std::size_t>(slot)];
            const auto first = static_cast<std::size_t>(saved.group) * 6;
            std::copy_n(saved.texts.begin(), 6,
                        texts_.begin() + static_cast<std::ptrdiff_t>(first));
            ++seen_.recalls;
            converted(saved.group, true);
        } else {
            ++seen_.disabled_clicks;
        }
        return "option " + std::to_string(slot);
    }

    // What a conversion of `group` means for the memory and the texts.
    void converted(int group, bool recall) {
        if (!recall)
            ring_.selected = 0;
        const auto first = static_cast<std::size_t>(group) * 6;
        for (std::size_t i = first; i < first + 6; ++i) {
            const auto number = toolkit::parse_number(texts_[i]);
            if (!number || !std::isfinite(number->single)) {
                seen_.refused += recall ? 0 : 1;
                return;
            }
        }
        // The other groups are the conversion's own results.
        for (std::size_t i = 0; i < texts_.size(); ++i) {
            if (i < first || i >= first + 6)
                texts_[i] = form_.all_fields()[i]->Text();
        }
        float scale = 0;
        if (group == 0) {
            for (std::size_t i = 0; i < 3; ++i)
                scale = std::max(scale, std::abs(toolkit::parse_number(texts_[i])->single));
        } else {
            const calc::PhasorState &s = form_.model().phasors();
            for (double mag : {s.va_mag, s.vb_mag, s.vc_mag})
                scale = std::max(scale, static_cast<float>(std::abs(mag)));
        }
        if (!recall && scale > 1e-6F) {
            CaseTexts entered;
            std::copy_n(texts_.begin() + static_cast<std::ptrdiff_t>(first), 6, entered.begin());
            ring_.save(group, entered);
            ++seen_.saves;
            seen_.wraps += ring_.newest == 1 && ring_.filled == 10 ? 1 : 0;
        } else if (!recall) {
            ++seen_.too_small;
        }
    }

    Form1 &form_;
    std::mt19937 rng_;
    std::array<QString, 24> texts_;
    RingModel ring_;
    Coverage seen_;
};

// Several short sessions, so that fresh windows with disabled buttons come up often.
TEST(MemoryRandomActions, ring_follows_the_model_through_random_user_actions) {
    Coverage seen;
    for (std::uint32_t session = 1; session <= sessions; ++session) {
        auto form = testing_support::shown_form();
        Driver driver(*form, session);
        driver.compare();
        std::deque<std::string> recent;
        for (int n = 1; n <= actions_per_session; ++n) {
            recent.push_back(std::to_string(n) + " " + driver.step());
            if (recent.size() > 6)
                recent.pop_front();
            std::string trace = "session " + std::to_string(session) + ", last actions:";
            for (const std::string &action : recent)
                trace += "\n  " + action;
            SCOPED_TRACE(trace);
            driver.compare();
            if (::testing::Test::HasFailure())
                return;
        }
        seen.add(driver.coverage());
    }
    EXPECT_GT(seen.saves, 300);
    EXPECT_GT(seen.wraps, 30);
    EXPECT_GT(seen.refused, 15);
    EXPECT_GT(seen.too_small, 150);
    EXPECT_GT(seen.recalls, 350);
    EXPECT_GT(seen.disabled_clicks, 25);
}

} // namespace
