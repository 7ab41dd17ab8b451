#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace form {

// What a case's phasors are. It belongs to the case: it is kept with each saved one.
enum class Quantity { unsaid, voltages, currents };

// "voltages", "currents", or "" for a quantity not said: the words the case memory's file
// and the replay driver use.
QString quantity_key(Quantity quantity);
// The quantity of such a word ("" reads as not said), or nothing for another word.
std::optional<Quantity> quantity_of_key(QStringView key);

} // namespace form
