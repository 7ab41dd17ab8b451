#pragma once

#include "calc/phase_set.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace calc {

// An IEC vector group: the first winding in capitals, the second in small letters, each
// star (Y), delta (D) or zigzag (Z) with an optional neutral (N), then the clock number h:
// the second winding's positive sequence lags the first's by 30 degrees times h.
enum class Winding { star, delta, zigzag };

struct VectorGroup {
    Winding first = Winding::star, second = Winding::star;
    bool first_neutral = false, second_neutral = false;
    int clock = 0;
};

enum class GroupError {
    none,
    empty,          // nothing written
    first_winding,  // the group does not start with Y, YN, D, Z or ZN
    second_winding, // the first winding is not followed by y, yn, d, z or zn
    delta_neutral,  // a delta winding has no neutral
    clock_missing,  // no clock number after the windings
    clock_range,    // the clock number is not 0 to 11
    clock_parity,   // Yy, Dd, Zz, Dz, Zd take even numbers; Yd, Dy, Yz, Zy odd ones
    trailing,       // text after the clock number
};

struct GroupParse {
    std::optional<VectorGroup> group;
    GroupError error = GroupError::none;
    std::size_t position = 0; // where the error was found
};

// Reads a group such as "Dyn11", "YNyn0", "Yd1" or "Dy5", in either case, spaces around it
// allowed.
GroupParse parse_vector_group(std::string_view text);

// The group as IEC writes it: "Dyn11".
std::string canonical_text(const VectorGroup &group);

// The second winding's phases and components, per unit of the ratio. The positive sequence
// turns by -30 degrees times h and the negative by +30 degrees times h; the zero sequence
// passes YNyn0 as it is and YNyn6 turned half a turn, and every other group blocks it.
PhaseSet through_transformer(const PhaseSet &first_winding, const VectorGroup &group);

} // namespace calc
