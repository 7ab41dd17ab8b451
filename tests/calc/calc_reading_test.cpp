#include "calc/reading.h"

#include "calc/vector_group.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>
#include <string>

namespace {

using calc::FaultReason, calc::FaultStatus, calc::Phasor, calc::Three;

Phasor at(double mag, double degrees) {
    return std::polar(mag, degrees * std::numbers::pi / 180);
}
const Phasor a = at(1, 120), j{0, 1};

Three phases_of(const Three &s) {
    return {s[0] + s[1] + s[2], s[0] + a * a * s[1] + a * s[2], s[0] + a * s[1] + a * a * s[2]};
}

// The fault on A turned a third of a turn: the same fault on B (and B-C becomes C-A).
Three next_phase(const Three &p) {
    return {p[2] * a * a, p[0] * a * a, p[1] * a * a};
}

void expect_near(Phasor got, Phasor want, double tolerance) {
    EXPECT_LT(std::abs(got - want), tolerance) << got << " " << want;
}

enum class Kind { slg, ll, dlg, three };

// Sequence currents of a fault on A (or B-C) from the sequence networks' connection: z1, z2,
// z0 and the fault impedance zf, prefault voltage 1 at 0 degrees.
Three fault_sequences(Kind kind, const Phasor (&z)[4]) {
    const Phasor zg = z[2] + 3.0 * z[3];
    const Phasor i_slg = 1.0 / (z[0] + z[1] + zg), i_ll = 1.0 / (z[0] + z[1] + z[3]);
    const Phasor i_dlg = 1.0 / (z[0] + z[1] * zg / (z[1] + zg));
    switch (kind) {
    case Kind::slg:
        return {i_slg, i_slg, i_slg};
    case Kind::ll:
        return {0, i_ll, -i_ll};
    case Kind::dlg:
        return {-i_dlg * z[1] / (z[1] + zg), i_dlg, -i_dlg * zg / (z[1] + zg)};
    case Kind::three:
        return {0, 1.0 / (z[0] + z[3]), 0};
    }
    return {};
}

struct FaultRow {
    Kind kind;
    Phasor z[4];       // z1, z2, z0, zf
    Phasor load;       // phase A's pre-fault current, the set balanced
    const char *codes; // the fault read on A, on B, on C
};
constexpr Phasor j22{0, 0.22}, j35{0, 0.35}, j10{0, 0.1};

TEST(calc_read_fault, sequence_network_faults_in_every_rotation) {
    // clang-format off
    const FaultRow rows[] = {
        {Kind::slg, {j22, j22, j35, j10}, 0, "AG BG CG"},
        {Kind::ll, {j22, j22, j35, j10}, 0, "BC CA AB"},
        {Kind::dlg, {j22, j22, j35, j10}, 0, "BCG CAG ABG"},
        {Kind::slg, {{0.05, 0.4}, {0.05, 0.4}, {0.15, 1.2}, 2}, at(0.8, -25), "AG BG CG"},
        {Kind::ll, {{0.02, 0.3}, {0.03, 0.28}, {0.1, 0.9}, 0.3}, at(1.2, 170), "BC CA AB"},
        {Kind::dlg, {{0.02, 0.3}, {0.02, 0.3}, {0.1, 0.6}, 0.1}, at(0.5, -10), "BCG CAG ABG"},
        {Kind::three, {{0.01, 0.2}, {0.01, 0.2}, {0.1, 0.6}, 0.05}, at(0.9, -30), "ABC ABC ABC"}};
    // clang-format on
    for (const auto &row : rows) {
        Three fault = phases_of(fault_sequences(row.kind, row.z));
        Three load = {row.load, row.load * a * a, row.load * a};
        std::istringstream codes(row.codes);
        for (std::string want; codes >> want;) {
            SCOPED_TRACE(std::string(row.codes) + " read as " + want);
            Three total;
            for (std::size_t i = 0; i < 3; ++i)
                total[i] = load[i] + fault[i];
            const auto delta = calc::superimposed(calc::phase_set_of_phases(total),
                                                  calc::phase_set_of_phases(load));
            for (std::size_t i = 0; i < 3; ++i)
                expect_near(delta.delta.phases[i], fault[i], 1e-6);
            const auto r = calc::read_fault(delta);
            EXPECT_EQ(r.status, FaultStatus::verdict);
            EXPECT_EQ(calc::fault_code_text(r.code), want);
            if (row.load == Phasor{}) { // without a load the set itself reads the same
                EXPECT_EQ(calc::fault_code_text(calc::read_fault(delta.delta).code), want);
            }
            fault = next_phase(fault), load = next_phase(load);
        }
    }
}

// The worked example's own figures, and 3X0 and 3X2 of its B-C-ground fault.
TEST(calc_read_fault, textbook_figures_and_relay_quantities) {
    const auto set = [](Kind kind) {
        return calc::phase_set_of_phases(phases_of(fault_sequences(kind, {j22, j22, j35, j10})));
    };
    const auto slg = set(Kind::slg), ll = set(Kind::ll), dlg = set(Kind::dlg);
    const auto q = calc::relay_quantities(dlg);
    const std::pair<Phasor, Phasor> figures[] = {
        {slg.sequences[0], at(0.9174, -90)}, {slg.phases[0], at(2.7523, -90)},
        {ll.sequences[1], at(1.8519, -90)},  {ll.phases[1], at(3.2075, 180)},
        {dlg.sequences[0], at(0.6579, 90)},  {dlg.sequences[2], at(1.9438, 90)},
        {dlg.phases[2], at(4.0583, 14.07)},  {q.x0_3, at(3 * 0.6579, 90)},
        {q.x2_3, at(3 * 1.9438, 90)}};
    for (const auto &[got, want] : figures)
        expect_near(got, want, 5e-4);
    EXPECT_NEAR(*q.x2_x1_percent, 100 * 1.9438 / 2.6017, 0.005);
    EXPECT_NEAR(*q.x0_x1_percent, 100 * 0.6579 / 2.6017, 0.005);
    EXPECT_NEAR(calc::wrap_degrees(*q.x2_x1_degrees - 180), 0, 1e-5);
}

struct RuleRow {
    const char *name;
    Three phases;
    const Three *prefault;
    FaultStatus status;
    FaultReason reason;
    std::string_view by_angles = "", by_magnitudes = "";
};

TEST(calc_read_fault, the_first_rule_that_applies_decides) {
    const Three none = {}, balanced = {at(1, 0), at(1, -120), at(1, 120)};
    const Three more_on_a = {at(1.05, 0), at(1, -120), at(1, 120)};
    const Three heavy_load = {at(3, -40), at(1, -120), at(1, 120)};
    // A B-C fault seen through a delta-star transformer: currents 1 : 2 : 1.
    const Three beyond_dy = calc::through_transformer(calc::phase_set_of_sequences({0, -j, j}),
                                                      *calc::parse_vector_group("Dy1").group)
                                .phases;
    constexpr auto cannot = FaultStatus::cannot_tell;
    // clang-format off
    const RuleRow rows[] = {
        {"nothing", none, nullptr, FaultStatus::none, FaultReason::no_current},
        {"the case less itself", balanced, &balanced, FaultStatus::none, FaultReason::no_current},
        {"small change", more_on_a, &balanced, cannot, FaultReason::small_change},
        {"zero sequence alone", {1, 1, at(1, 1)}, nullptr, cannot, FaultReason::zero_sequence_only},
        {"zero sequence and some negative", phases_of({1, 0.05, 0.5}), nullptr, cannot,
         FaultReason::evidence_disagrees, "AG", "ABC"},
        {"balanced load", balanced, nullptr, cannot, FaultReason::balanced_load, "", "ABC"},
        {"nearly balanced load", phases_of({0, 1, 0.09}), nullptr, cannot,
         FaultReason::balanced_load, "", "ABC"},
        {"no negative sequence", phases_of({1, 1, 0}), nullptr, cannot,
         FaultReason::angle_undefined, "", "ABC"},
        {"B-C beyond Dy1", beyond_dy, nullptr, cannot, FaultReason::nearer_single_phase, "", "ABC"},
        {"A to ground under a heavy load", heavy_load, nullptr, cannot,
         FaultReason::evidence_disagrees, "AG", "ABC"}};
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const auto set = calc::phase_set_of_phases(row.phases);
        calc::FaultReading r = calc::read_fault(set);
        if (row.prefault) {
            const auto delta = calc::superimposed(set, calc::phase_set_of_phases(*row.prefault));
            EXPECT_EQ(delta.no_change, *row.prefault == row.phases);
            r = calc::read_fault(delta);
        }
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.reason, row.reason);
        EXPECT_EQ(r.code, calc::FaultCode::none);
        EXPECT_EQ(calc::fault_code_text(r.by_angles), row.by_angles);
        EXPECT_EQ(calc::fault_code_text(r.by_magnitudes), row.by_magnitudes);
    }
}

// Sector edges on the angle of I0 / I2, and the single-phase edge of I2 / I1 at +-90 degrees
// in the candidate phase's reference.
TEST(calc_read_fault, ground_sectors_and_their_edges) {
    struct Row {
        double theta02, theta21;
        std::string_view sector, by_angles;
    } const rows[] = {{0, 0, "A", "AG"},        {59.5, 0, "A", "AG"},      {60.5, 120, "B", "BG"},
                      {179.5, 0, "B", "CAG"},   {-179.5, -120, "C", "CG"}, {-60.5, 0, "C", "ABG"},
                      {-59.5, 89.5, "A", "AG"}, {0, 90.5, "A", "BCG"},     {120, 30.5, "B", "BG"},
                      {120, 29.5, "B", "CAG"},  {120, -150.5, "B", "BG"},  {-120, -30.5, "C", "CG"},
                      {-120, -29.5, "C", "ABG"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::Message() << row.theta02 << " " << row.theta21);
        const Phasor i2 = at(1, row.theta21);
        const auto r = calc::read_fault(
            calc::phase_set_of_phases(phases_of({at(1, row.theta21 + row.theta02), 1, i2})));
        ASSERT_TRUE(r.ground);
        EXPECT_EQ(calc::sector_text(r.sector), row.sector);
        EXPECT_EQ(calc::fault_code_text(r.by_angles), row.by_angles);
        EXPECT_NEAR(*r.theta02_degrees, calc::wrap_degrees(row.theta02), 1e-5);
    }
    EXPECT_EQ(calc::wrap_degrees(-180), 180);
    EXPECT_EQ(calc::wrap_degrees(-540), 180);
}

TEST(calc_relay_quantities, zero_within_the_resolution_and_angles_of_ratios) {
    const auto set = calc::phase_set_of_phases({at(1, 0), at(1, -120), at(1, 120)});
    const auto q = calc::relay_quantities(set);
    EXPECT_EQ(q.x0_3, Phasor{});
    EXPECT_EQ(q.x2_3, Phasor{});
    EXPECT_EQ(*q.x2_x1_percent, 0);
    EXPECT_FALSE(q.x2_x1_degrees || q.x0_x2_degrees);
    const Three line = calc::line_to_line(set);
    for (std::size_t i = 0; i < 3; ++i)
        expect_near(line[i], at(std::sqrt(3.0), 30 - 120.0 * double(i)), 1e-6);
    EXPECT_FALSE(calc::relay_quantities(calc::phase_set_of_phases({1, 1, 1})).x0_x1_percent);
    const auto turned =
        calc::relay_quantities(calc::phase_set_of_sequences({at(0.2, 10), at(2, 5), at(0.3, -70)}));
    EXPECT_NEAR(*turned.x2_x1_degrees, -75, 1e-5);
    EXPECT_NEAR(*turned.x0_x2_degrees, 80, 1e-5);
    EXPECT_NEAR(*turned.x0_x1_percent, 10, 1e-5);
}

} // namespace
