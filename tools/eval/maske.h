#pragma once
// Reads a selection mask that a user saved in the selection window (customer mode) and
// fills the filter from it the way F5 in the window does after loading that mask: the
// boxes the mask shows, each with its stored values over its defaults.
#include <string>

#include "engine/merova_filter.h"

namespace kis::eval {

// False with a German message when the mask does not exist. Needs the suite database and
// the current client company (branches, attributes and number kinds are read from it).
bool FilterAusMaske(const std::string& maskeName, TMerovaFilter& filter, std::string& fehler);

}  // namespace kis::eval
