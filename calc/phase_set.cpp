#include "calc/phase_set.h"

#include "calc/phasor.h"
#include "calc/sequence.h"
#include "calc/unbalance.h"

#include <algorithm>
#include <cmath>

namespace calc {

namespace {

void set_polar(const Phasor &z, double &mag, double &ang) {
    mag = std::abs(z);
    ang = std::arg(z);
}

void set_polar(const Phasor &z, double &mag, float &ang) {
    mag = std::abs(z);
    store(ang, std::arg(z));
}

Three phases_held(const PhasorState &s) {
    return {phasor(s.va_mag, s.va_ang), phasor(s.vb_mag, s.vb_ang), phasor(s.vc_mag, s.vc_ang)};
}

Three sequences_held(const PhasorState &s) {
    return {phasor(s.v0_mag, s.v0_ang), phasor(s.v1_mag, s.v1_ang), phasor(s.v2_mag, s.v2_ang)};
}

} // namespace

Phasor phasor(double mag, double ang) {
    return {mag * std::cos(ang), mag * std::sin(ang)};
}

double wrap_degrees(double degrees) {
    const double r = std::remainder(degrees, 360.0);
    return r <= -180 ? r + 360 : r;
}

double degrees_of(Phasor z) {
    return wrap_degrees(std::arg(z) * 180 / pi);
}

Phasor zero_within(Phasor z, double resolution) {
    return std::abs(z) <= resolution ? Phasor{} : z;
}

PhaseSet phase_set(const PhasorState &state) {
    return {phases_held(state), sequences_held(state), sequence_resolution(state)};
}

PhaseSet phase_set_of_phases(const Three &phases) {
    PhasorState s;
    set_polar(phases[0], s.va_mag, s.va_ang);
    set_polar(phases[1], s.vb_mag, s.vb_ang);
    set_polar(phases[2], s.vc_mag, s.vc_ang);
    abc_to_seq(s);
    return phase_set(s);
}

PhaseSet phase_set_of_sequences(const Three &sequences) {
    PhasorState s;
    set_polar(sequences[0], s.v0_mag, s.v0_ang);
    set_polar(sequences[1], s.v1_mag, s.v1_ang);
    set_polar(sequences[2], s.v2_mag, s.v2_ang);
    seq_to_abc(s);
    return phase_set(s);
}

Superimposed superimposed(const PhaseSet &now, const PhaseSet &prefault) {
    Three difference;
    for (std::size_t i = 0; i < 3; ++i)
        difference[i] = now.phases[i] - prefault.phases[i];
    Superimposed out{phase_set_of_phases(difference), 0, true};
    // Each case brings its own rounding into the difference.
    out.delta.resolution += now.resolution + prefault.resolution;
    for (std::size_t i = 0; i < 3; ++i) {
        out.prefault_largest = std::max(out.prefault_largest, std::abs(prefault.phases[i]));
        out.no_change = out.no_change && std::abs(difference[i]) <= out.delta.resolution;
    }
    return out;
}

} // namespace calc
