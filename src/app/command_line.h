#pragma once
// Readers of the program's command-line switches. A switch begins with "-" or "/"; each
// argument is trimmed and upper-cased before it is compared, values keep their case.
#include <string>
#include <vector>

namespace kis::app {

// The program's arguments without the program name.
using Arguments = std::vector<std::string>;

// True when some switch, from its second character on, equals "ABG".
bool CheckAutoBGModus(const Arguments& args);

// The designations given with MAND= (characters 2 to 6 "MAND="), value from character 7 on,
// in the order given.
std::vector<std::string> MandantSwitches(const Arguments& args);

// which = 0: value of PROG=, which = 1: value of KUND=; the four characters after the switch
// character are compared, the value is the text after the first "="; the last one wins.
std::string GetAutoBGMaske(const Arguments& args, int which);

// Our own --db=PATH (database file); empty when not given.
std::string DatabaseArgument(const Arguments& args);

}  // namespace kis::app
