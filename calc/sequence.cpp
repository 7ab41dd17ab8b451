#include "calc/sequence.h"

#include "calc/phasor.h"
#include "calc/single.h"

namespace calc {

namespace {

// The operator a turns a phasor by a third of a turn. It is applied by adding to the angle
// and converting back to rectangular form, never by complex multiplication.
constexpr double third_of_turn = (2 * pi) / 3;

} // namespace

// Each sum is evaluated left to right in double; the order of the steps and the precision of
// every variable decide the residues of near-zero components.
void abc_to_seq(PhasorState &s) {
    store(s.a1vb_ang, s.vb_ang + third_of_turn);
    store(s.a1vc_ang, s.vc_ang + third_of_turn);
    store(s.a2vb_ang, s.vb_ang - third_of_turn);
    store(s.a2vc_ang, s.vc_ang - third_of_turn);

    polar_to_rect(s.va_mag, s.va_ang, s.va_real, s.va_imag);
    polar_to_rect(s.vb_mag, s.vb_ang, s.vb_real, s.vb_imag);
    polar_to_rect(s.vc_mag, s.vc_ang, s.vc_real, s.vc_imag);
    polar_to_rect(s.vb_mag, s.a1vb_ang, s.a1vb_real, s.a1vb_imag);
    polar_to_rect(s.vc_mag, s.a1vc_ang, s.a1vc_real, s.a1vc_imag);
    polar_to_rect(s.vb_mag, s.a2vb_ang, s.a2vb_real, s.a2vb_imag);
    polar_to_rect(s.vc_mag, s.a2vc_ang, s.a2vc_real, s.a2vc_imag);

    store(s.v0_real, ((s.va_real + s.vb_real) + s.vc_real) / 3);
    store(s.v1_real, ((s.va_real + s.a1vb_real) + s.a2vc_real) / 3);
    store(s.v2_real, ((s.va_real + s.a2vb_real) + s.a1vc_real) / 3);

    store(s.v0_imag, ((s.va_imag + s.vb_imag) + s.vc_imag) / 3);
    store(s.v1_imag, ((s.va_imag + s.a1vb_imag) + s.a2vc_imag) / 3);
    store(s.v2_imag, ((s.va_imag + s.a2vb_imag) + s.a1vc_imag) / 3);

    rect_to_polar(s.v0_real, s.v0_imag, s.v0_mag, s.v0_ang);
    rect_to_polar(s.v1_real, s.v1_imag, s.v1_mag, s.v1_ang);
    rect_to_polar(s.v2_real, s.v2_imag, s.v2_mag, s.v2_ang);
}

void seq_to_abc(PhasorState &s) {
    polar_to_rect(s.v0_mag, s.v0_ang, s.v0_real, s.v0_imag);
    polar_to_rect(s.v1_mag, s.v1_ang, s.v1_real, s.v1_imag);
    polar_to_rect(s.v2_mag, s.v2_ang, s.v2_real, s.v2_imag);

    store(s.a1v1_ang, s.v1_ang + third_of_turn);
    store(s.a1v2_ang, s.v2_ang + third_of_turn);
    store(s.a2v1_ang, s.v1_ang - third_of_turn);
    store(s.a2v2_ang, s.v2_ang - third_of_turn);

    polar_to_rect(s.v1_mag, s.a1v1_ang, s.a1v1_real, s.a1v1_imag);
    polar_to_rect(s.v2_mag, s.a1v2_ang, s.a1v2_real, s.a1v2_imag);
    polar_to_rect(s.v1_mag, s.a2v1_ang, s.a2v1_real, s.a2v1_imag);
    polar_to_rect(s.v2_mag, s.a2v2_ang, s.a2v2_real, s.a2v2_imag);

    store(s.va_real, (s.v0_real + s.v1_real) + s.v2_real);
    store(s.vb_real, (s.v0_real + s.a2v1_real) + s.a1v2_real);
    store(s.vc_real, (s.v0_real + s.a1v1_real) + s.a2v2_real);

    store(s.va_imag, (s.v0_imag + s.v1_imag) + s.v2_imag);
    store(s.vb_imag, (s.v0_imag + s.a2v1_imag) + s.a1v2_imag);
    store(s.vc_imag, (s.v0_imag + s.a1v1_imag) + s.a2v2_imag);

    rect_to_polar(s.va_real, s.va_imag, s.va_mag, s.va_ang);
    rect_to_polar(s.vb_real, s.vb_imag, s.vb_mag, s.vb_ang);
    rect_to_polar(s.vc_real, s.vc_imag, s.vc_mag, s.vc_ang);
}

} // namespace calc
