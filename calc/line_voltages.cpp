#include "calc/line_voltages.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace calc {

namespace {

const Phasor a_op = phasor(1, 2 * pi / 3);
const Phasor a2_op = phasor(1, -2 * pi / 3);

bool forms_triangle(double ab, double bc, double ca) {
    const bool finite = std::isfinite(ab) && std::isfinite(bc) && std::isfinite(ca);
    return finite && ab >= 0 && bc >= 0 && ca >= 0 && ab <= bc + ca && bc <= ca + ab &&
           ca <= ab + bc;
}

LineSequences sequences(const Three &line) {
    const double root3 = std::numbers::sqrt3;
    LineSequences out;
    out.line = line;
    out.residue = std::abs(line[0] + line[1] + line[2]);
    out.positive = (line[0] + a_op * line[1] + a2_op * line[2]) / phasor(3 * root3, pi / 6);
    out.negative = (line[0] + a2_op * line[1] + a_op * line[2]) / phasor(3 * root3, -pi / 6);
    return out;
}

} // namespace

LineSequences sequences_of_line(const Three &line) {
    LineSequences out = sequences(line);
    double largest = 0;
    for (const Phasor &side : line)
        largest = std::max(largest, std::abs(side));
    // Written so that a NaN is refused too.
    if (!(out.residue <= 0.01 * largest)) {
        out.refusal = LineRefusal::not_closed;
        out.positive = out.negative = {};
    }
    return out;
}

LineSequences sequences_of_line_magnitudes(double ab, double bc, double ca) {
    if (!forms_triangle(ab, bc, ca)) {
        LineSequences out;
        out.refusal = LineRefusal::impossible_triangle;
        return out;
    }
    // Put B at 0 and A at ab: C lies bc from B and ca from A, above the axis for A-B-C.
    // Without Vab there is no reference: Vbc then takes -120 degrees, as a balanced set.
    double angle_at_b = pi / 3;
    if (ab > 0 && bc > 0)
        angle_at_b =
            std::acos(std::clamp((ab * ab + bc * bc - ca * ca) / (2 * ab * bc), -1.0, 1.0));
    const Phasor a{ab, 0};
    const Phasor c = phasor(bc, angle_at_b);
    return sequences({a, -c, c - a});
}

std::optional<double> magnitude_unbalance_percent(double ab, double bc, double ca) {
    if (!forms_triangle(ab, bc, ca))
        return std::nullopt;
    const double squares = ab * ab + bc * bc + ca * ca;
    if (squares == 0)
        return std::nullopt;
    const double fourths = ab * ab * ab * ab + bc * bc * bc * bc + ca * ca * ca * ca;
    const double beta = fourths / (squares * squares);
    // A flat triangle gives beta = 1/2; rounding may take it a hair beyond.
    const double root = std::sqrt(std::max(0.0, 3 - 6 * beta));
    return 100 * std::sqrt((1 - root) / (1 + root));
}

} // namespace calc
