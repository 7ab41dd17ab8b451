#pragma once

#include "calc/phasor_state.h"

#include <array>
#include <complex>

namespace calc {

using Phasor = std::complex<double>;
// Three phasors in order: phases A, B, C, or components 0, 1, 2, or line-to-line AB, BC, CA.
using Three = std::array<Phasor, 3>;

// A phasor of magnitude mag at ang radians; a negative magnitude gives the opposite phasor.
Phasor phasor(double mag, double ang);

// An angle in degrees brought into (-180, 180].
double wrap_degrees(double degrees);

// The angle of z in degrees, in (-180, 180].
double degrees_of(Phasor z);

// z, or the zero phasor when |z| is within the resolution: a residue of rounding.
Phasor zero_within(Phasor z, double resolution);

// A set of phases with its symmetrical components, as the transforms give them, and the
// resolution of that computation: magnitudes within it are rounding.
struct PhaseSet {
    Three phases;
    Three sequences;
    double resolution = 0;
};

// The phases and components held in the state, from their polar variables.
PhaseSet phase_set(const PhasorState &state);

// The components of these phases, through the transform the form uses.
PhaseSet phase_set_of_phases(const Three &phases);

// The phases of these components, through the transform the form uses.
PhaseSet phase_set_of_sequences(const Three &sequences);

// The superimposed set: this case less the pre-fault one, phase by phase, with the
// components of the difference. Both cases must share one angle reference.
struct Superimposed {
    PhaseSet delta;
    double prefault_largest = 0; // the largest pre-fault phase magnitude
    bool no_change = false;      // every phase of the difference within the resolution
};
Superimposed superimposed(const PhaseSet &now, const PhaseSet &prefault);

} // namespace calc
