#include "calc/reading.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace calc {

namespace {

// Phases as bits: A 1, B 2, C 4.
constexpr unsigned phase_a = 1, phase_b = 2, phase_c = 4, all_phases = 7;

FaultCode code_of(unsigned phases, bool ground) {
    switch (phases) {
    case phase_a:
        return FaultCode::AG;
    case phase_b:
        return FaultCode::BG;
    case phase_c:
        return FaultCode::CG;
    case phase_a | phase_b:
        return ground ? FaultCode::ABG : FaultCode::AB;
    case phase_b | phase_c:
        return ground ? FaultCode::BCG : FaultCode::BC;
    case phase_c | phase_a:
        return ground ? FaultCode::CAG : FaultCode::CA;
    case all_phases:
        return FaultCode::ABC;
    default:
        return FaultCode::none;
    }
}

unsigned phases_of(FaultCode code) {
    switch (code) {
    case FaultCode::AG:
        return phase_a;
    case FaultCode::BG:
        return phase_b;
    case FaultCode::CG:
        return phase_c;
    case FaultCode::AB:
    case FaultCode::ABG:
        return phase_a | phase_b;
    case FaultCode::BC:
    case FaultCode::BCG:
        return phase_b | phase_c;
    case FaultCode::CA:
    case FaultCode::CAG:
        return phase_c | phase_a;
    case FaultCode::ABC:
        return all_phases;
    case FaultCode::none:
        break;
    }
    return 0;
}

// The phases that carry the fault current: the largest alone when it is above four times
// the middle one, the two largest when the middle one is above four times the smallest,
// otherwise all three.
unsigned phases_by_magnitudes(const std::array<double, 3> &mag) {
    std::array<unsigned, 3> order{0, 1, 2};
    std::stable_sort(order.begin(), order.end(),
                     [&](unsigned i, unsigned j) { return mag[i] > mag[j]; });
    const unsigned first = 1U << order[0], second = 1U << order[1];
    if (mag[order[0]] > 4 * mag[order[1]])
        return first;
    if (mag[order[1]] > 4 * mag[order[2]])
        return first | second;
    return all_phases;
}

double distance_degrees(double from, double to) {
    return std::abs(wrap_degrees(from - to));
}

// With ground: the sector of theta02 names the phase of a single-phase fault, or the phase
// left out of a two-phase one; theta21 in that phase's reference tells which.
void angles_with_ground(FaultReading &r, double theta02, double theta21) {
    unsigned candidate = phase_c;
    double shift = 120;
    r.sector = Sector::C;
    if (theta02 > -60 && theta02 < 60) {
        candidate = phase_a, shift = 0, r.sector = Sector::A;
    } else if (theta02 >= 60) {
        candidate = phase_b, shift = -120, r.sector = Sector::B;
    }
    const bool single = std::abs(wrap_degrees(theta21 + shift)) <= 90;
    r.by_angles = code_of(single ? candidate : all_phases & ~candidate, true);
}

// Without ground: the pair whose centre theta21 is nearest, unless a single-phase centre
// is nearer still.
void angles_without_ground(FaultReading &r, double theta21) {
    struct Centre {
        double degrees;
        FaultCode code;
    };
    static constexpr Centre pairs[] = {
        {180, FaultCode::BC}, {-60, FaultCode::CA}, {60, FaultCode::AB}};
    static constexpr double singles[] = {0, 120, -120};
    const Centre *nearest = &pairs[0];
    for (const Centre &c : pairs)
        if (distance_degrees(theta21, c.degrees) < distance_degrees(theta21, nearest->degrees))
            nearest = &c;
    double single = 180;
    for (double c : singles)
        single = std::min(single, distance_degrees(theta21, c));
    if (single < distance_degrees(theta21, nearest->degrees))
        r.reason = FaultReason::nearer_single_phase;
    else
        r.by_angles = nearest->code;
}

FaultReading read(const PhaseSet &set, const Superimposed *superimposed) {
    FaultReading r;
    r.superimposed = superimposed != nullptr;
    std::array<double, 3> mag;
    for (std::size_t i = 0; i < 3; ++i)
        mag[i] = std::abs(set.phases[i]);
    const double largest = *std::max_element(mag.begin(), mag.end());
    if (largest <= set.resolution)
        return r; // no current
    r.status = FaultStatus::cannot_tell;
    if (superimposed && largest < 0.1 * superimposed->prefault_largest) {
        r.reason = FaultReason::small_change;
        return r;
    }
    const Phasor i0 = zero_within(set.sequences[0], set.resolution);
    const Phasor i1 = zero_within(set.sequences[1], set.resolution);
    const Phasor i2 = zero_within(set.sequences[2], set.resolution);
    if (std::abs(i1) < 0.1 * std::abs(i0) && std::abs(i2) < 0.1 * std::abs(i0)) {
        r.reason = FaultReason::zero_sequence_only;
        return r;
    }
    r.ground = 3 * std::abs(i0) > 0.1 * (mag[0] + mag[1] + mag[2]);
    r.by_magnitudes = code_of(phases_by_magnitudes(mag), r.ground);
    if (!r.ground && std::abs(i2) <= 0.1 * std::abs(i1)) {
        if (!superimposed) {
            r.reason = FaultReason::balanced_load;
        } else if (r.by_magnitudes == FaultCode::ABC) {
            r.status = FaultStatus::verdict;
            r.code = FaultCode::ABC;
            r.reason = FaultReason::three_phase;
        } else {
            r.reason = FaultReason::balanced_not_three;
        }
        return r;
    }
    if (i1 == Phasor{} || i2 == Phasor{}) {
        r.reason = FaultReason::angle_undefined;
        return r;
    }
    r.theta21_degrees = degrees_of(i2 / i1);
    if (r.ground) {
        r.theta02_degrees = degrees_of(i0 / i2);
        angles_with_ground(r, *r.theta02_degrees, *r.theta21_degrees);
    } else {
        angles_without_ground(r, *r.theta21_degrees);
        if (r.by_angles == FaultCode::none)
            return r; // nearer a single-phase centre
    }
    if (phases_of(r.by_angles) != phases_of(r.by_magnitudes)) {
        r.reason = FaultReason::evidence_disagrees;
        return r;
    }
    r.status = FaultStatus::verdict;
    r.code = r.by_angles;
    r.reason = FaultReason::evidence_agrees;
    return r;
}

} // namespace

RelayQuantities relay_quantities(const PhaseSet &set) {
    const Phasor x0 = zero_within(set.sequences[0], set.resolution);
    const Phasor x1 = zero_within(set.sequences[1], set.resolution);
    const Phasor x2 = zero_within(set.sequences[2], set.resolution);
    RelayQuantities q{3.0 * x0, 3.0 * x2, {}, {}, {}, {}};
    if (x1 != Phasor{}) {
        q.x2_x1_percent = 100 * std::abs(x2) / std::abs(x1);
        q.x0_x1_percent = 100 * std::abs(x0) / std::abs(x1);
        if (x2 != Phasor{})
            q.x2_x1_degrees = degrees_of(x2 / x1);
    }
    if (x0 != Phasor{} && x2 != Phasor{})
        q.x0_x2_degrees = degrees_of(x0 / x2);
    return q;
}

Three line_to_line(const PhaseSet &set) {
    const Three &p = set.phases;
    return {zero_within(p[0] - p[1], set.resolution), zero_within(p[1] - p[2], set.resolution),
            zero_within(p[2] - p[0], set.resolution)};
}

std::string_view fault_code_text(FaultCode code) {
    static constexpr std::string_view texts[] = {"",   "AG",  "BG",  "CG",  "AB", "BC",
                                                 "CA", "ABG", "BCG", "CAG", "ABC"};
    return texts[static_cast<std::size_t>(code)];
}

std::string_view sector_text(Sector sector) {
    static constexpr std::string_view texts[] = {"", "A", "B", "C"};
    return texts[static_cast<std::size_t>(sector)];
}

FaultReading read_fault(const PhaseSet &currents) {
    return read(currents, nullptr);
}

FaultReading read_fault(const Superimposed &currents) {
    return read(currents.delta, &currents);
}

} // namespace calc
