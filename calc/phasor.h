#pragma once

#include "calc/phasor_state.h"
#include "calc/single.h"

#include <cmath>
#include <concepts>

namespace calc {

// A phasor part is held in double or in single precision.
template <typename T>
concept PhasorPart = std::same_as<T, double> || std::same_as<T, float>;

// Polar form of real + j imag: mag >= 0, ang in (-pi, pi]. mag is written before ang, and
// ang is built in steps, each read back from the output, so a single-precision angle is
// rounded after every step. A real part within +-1e-6 puts the phasor on the imaginary axis,
// however small it is: +pi/2 for imag >= 0 (the zero phasor too), -pi/2 below.
template <PhasorPart Real, PhasorPart Imag, PhasorPart Mag, PhasorPart Ang>
void rect_to_polar(Real real, Imag imag, Mag &mag, Ang &ang) {
    const double p = real;
    const double q = imag;
    store(mag, std::sqrt(square(real) + square(imag)));
    store(ang, pi / 2);
    if (q < 0) {
        store(ang, -static_cast<double>(ang));
    }
    // Strict and absolute, whatever the magnitude.
    if (!(std::abs(p) > 0.000001)) {
        return;
    }
    store(ang, std::atan(std::abs(q) / std::abs(p)));
    if (p < 0 && q < 0) {
        store(ang, static_cast<double>(ang) - pi);
    }
    if (p < 0 && q >= 0) {
        store(ang, pi - static_cast<double>(ang));
    }
    if (p > 0 && q < 0) {
        store(ang, -static_cast<double>(ang));
    }
}

// Rectangular form of mag at ang (radians, taken as they are). A negative magnitude gives
// the opposite phasor. real is written before imag.
template <PhasorPart Mag, PhasorPart Ang, PhasorPart Real, PhasorPart Imag>
void polar_to_rect(Mag mag, Ang ang, Real &real, Imag &imag) {
    const double m = mag;
    const double a = ang;
    store(real, m * std::cos(a));
    store(imag, m * std::sin(a));
}

// An angle in radians shown in degrees: divided by pi180 in the angle's own precision, so
// a single-precision angle gives the quotient of two singles.
template <PhasorPart Ang> Ang to_degrees(Ang ang, float pi180) {
    return ang / static_cast<Ang>(pi180);
}

// The start-up constant pi180 = pi / 180, computed in double and rounded to single.
void set_angle_constants(PhasorState &state);

} // namespace calc
