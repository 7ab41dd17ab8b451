#pragma once

#include "calc/phase_set.h"

#include <optional>
#include <string_view>

namespace calc {

// The quantities relay settings are written in. Values within the resolution are 0; a ratio
// or an angle with no positive (or, for the angle, no negative) sequence is absent.
struct RelayQuantities {
    Phasor x0_3;                         // 3 X0
    Phasor x2_3;                         // 3 X2
    std::optional<double> x2_x1_percent; // 100 |X2| / |X1|
    std::optional<double> x0_x1_percent; // 100 |X0| / |X1|
    std::optional<double> x2_x1_degrees; // the angle of X2 / X1
    std::optional<double> x0_x2_degrees; // the angle of X0 / X2
};
RelayQuantities relay_quantities(const PhaseSet &set);

// The line-to-line set Vab, Vbc, Vca of phase voltages, values within the resolution 0.
Three line_to_line(const PhaseSet &set);

// The faults a reading can name.
enum class FaultCode { none, AG, BG, CG, AB, BC, CA, ABG, BCG, CAG, ABC };
// "AG", ..., or "" for none.
std::string_view fault_code_text(FaultCode code);

enum class FaultStatus { verdict, cannot_tell, none };

// Why the reading ended where it did, by the first rule that applied.
enum class FaultReason {
    no_current,          // every phase within the resolution
    small_change,        // superimposed, and below a tenth of the pre-fault load
    zero_sequence_only,  // |I1| and |I2| both below a tenth of |I0|
    balanced_load,       // balanced and not superimposed: choose the pre-fault case
    three_phase,         // balanced superimposed set carried by all three phases
    balanced_not_three,  // balanced superimposed set not carried by three phases
    angle_undefined,     // a component the angles need is within the resolution
    nearer_single_phase, // no ground, but I2 / I1 points at one phase: a phase-to-phase
                         // fault beyond a delta-star transformer looks like this
    evidence_disagrees,  // the angles and the magnitudes name different phases
    evidence_agrees,     // the angles and the magnitudes name the same phases
};

// The faulted-phase sector of I0 / I2, for ground faults.
enum class Sector { none, A, B, C };
std::string_view sector_text(Sector sector); // "A", "B", "C" or ""

struct FaultReading {
    FaultStatus status = FaultStatus::none;
    FaultCode code = FaultCode::none; // set only with a verdict
    FaultReason reason = FaultReason::no_current;
    Sector sector = Sector::none;
    FaultCode by_angles = FaultCode::none;
    FaultCode by_magnitudes = FaultCode::none;
    bool superimposed = false;             // false: the pre-fault load is not removed
    bool ground = false;                   // 3 |I0| above a tenth of |Ia| + |Ib| + |Ic|
    std::optional<double> theta02_degrees; // the angle of I0 / I2, with ground
    std::optional<double> theta21_degrees; // the angle of I2 / I1, A's reference
};

// Reads a set of currents with its pre-fault load in it.
FaultReading read_fault(const PhaseSet &currents);
// Reads the superimposed set of currents.
FaultReading read_fault(const Superimposed &currents);

} // namespace calc
