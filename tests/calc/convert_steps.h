#pragma once

// The steps of the Convert command around the transforms, as the form performs them:
// entry texts read into the state, the transform, and the results shown as field texts.
// Only for the tests; the form has its own locale-aware number text.

#include "calc/phasor_state.h"

#include <array>
#include <map>
#include <string>

namespace calc_test {

// The six entries of a group: magnitudes or real parts of rows A, B, C (0, 1, 2), then
// angles in degrees or imaginary parts of the same rows.
struct Entries {
    std::array<std::string, 3> first;
    std::array<std::string, 3> second;
};

enum class Group { polar_abc, rectangular_abc, polar_012, rectangular_012 };

// A state after start-up in which the group's entries have been read and converted.
calc::PhasorState convert(Group group, const Entries &entries);

// "scientific": 1.45E-08, -5.00E-01.
std::string scientific(double value);
// "0.00" of an angle in radians shown in degrees: a double quotient for a double angle,
// a single quotient of two singles for a single-precision angle.
std::string degrees(double angle, const calc::PhasorState &state);
std::string degrees(float angle, const calc::PhasorState &state);

// The text of every one of the 24 fields, by field name ("mag_a", "imag_2").
std::map<std::string, std::string> field_texts(const calc::PhasorState &state);

} // namespace calc_test
