#pragma once

#include <numbers>

namespace calc {

// pi, the double that 4 * atan(1) gives.
inline constexpr double pi = std::numbers::pi;

// The form-level numbers that the conversions share, in declaration order. Variables that
// only ever receive doubles are double; those held in single precision are float, and their
// rounding decides the last digits shown for near-zero results. A variable never assigned
// reads as 0.
struct PhasorState {
    // Phase quantities A, B, C.
    double va_mag = 0.0, vb_mag = 0.0, vc_mag = 0.0;
    double va_ang = 0.0, vb_ang = 0.0;
    float vc_ang = 0.0F;
    double va_real = 0.0, vb_real = 0.0, vc_real = 0.0;
    double va_imag = 0.0, vb_imag = 0.0;
    float vc_imag = 0.0F;

    // Zero, positive and negative sequence components.
    double v0_mag = 0.0, v1_mag = 0.0, v2_mag = 0.0;
    double v0_ang = 0.0, v1_ang = 0.0;
    float v2_ang = 0.0F;
    double v0_real = 0.0, v1_real = 0.0, v2_real = 0.0;
    double v0_imag = 0.0, v1_imag = 0.0;
    float v2_imag = 0.0F;

    // Degrees to radians: pi / 180 rounded to single, fixed at start-up by
    // set_angle_constants.
    float pi180 = 0.0F;

    // Phases turned by a (+120 degrees) and a^2 (-120 degrees), for abc_to_seq.
    double a1vb_ang = 0.0, a1vc_ang = 0.0, a2vb_ang = 0.0;
    float a2vc_ang = 0.0F;
    double a1vb_real = 0.0, a1vb_imag = 0.0, a2vb_real = 0.0;
    float a2vb_imag = 0.0F;
    double a1vc_real = 0.0, a1vc_imag = 0.0, a2vc_real = 0.0;
    float a2vc_imag = 0.0F;

    // Components turned by a and a^2, for seq_to_abc.
    double a1v1_ang = 0.0, a1v2_ang = 0.0, a2v1_ang = 0.0;
    float a2v2_ang = 0.0F;
    double a1v1_real = 0.0, a1v2_real = 0.0, a2v1_real = 0.0;
    float a2v2_real = 0.0F;
    double a1v1_imag = 0.0, a1v2_imag = 0.0, a2v1_imag = 0.0;
    float a2v2_imag = 0.0F;

    bool operator==(const PhasorState &) const = default;
};

} // namespace calc
