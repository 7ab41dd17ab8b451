#pragma once

#include "calc/phase_set.h"

#include <optional>

namespace calc {

// Sequence voltages from line-to-line ones: V1 = (Vab + a Vbc + a^2 Vca) / (3 sqrt3 at 30),
// V2 = (Vab + a^2 Vbc + a Vca) / (3 sqrt3 at -30). V0 cannot be had this way.
enum class LineRefusal {
    none,
    not_closed,          // |Vab + Vbc + Vca| above 1 % of the largest side
    impossible_triangle, // one magnitude above the sum of the other two, or negative
};

struct LineSequences {
    LineRefusal refusal = LineRefusal::none;
    double residue = 0; // |Vab + Vbc + Vca|
    Three line{};       // Vab, Vbc, Vca as used
    Phasor positive{};  // V1
    Phasor negative{};  // V2
};

// From a polar triangle, refused unless it closes within 1 % of its largest side.
LineSequences sequences_of_line(const Three &line);

// From three voltmeter readings: the triangle by the law of cosines, Vab at 0 degrees and
// the A-B-C rotation.
LineSequences sequences_of_line_magnitudes(double ab, double bc, double ca);

// The voltage unbalance u2 in percent from the three line-to-line magnitudes alone:
// u2 = sqrt((1 - sqrt(3 - 6 beta)) / (1 + sqrt(3 - 6 beta))), beta = sum U^4 / (sum U^2)^2.
// Nothing for three zeros or magnitudes that cannot form a triangle.
std::optional<double> magnitude_unbalance_percent(double ab, double bc, double ca);

} // namespace calc
