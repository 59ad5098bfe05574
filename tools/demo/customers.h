#pragma once
// German customers: business partners, customer list rows, attributes and numbers. Each
// branch has one anonymous cash customer (name beginning with "{").
#include "model.h"

namespace kis::demo {

// Plans and writes the customers (inside the caller's booking); fills model.customers and
// the branches' anonymous customers. Needs model.branches.
void WriteCustomers(DemoModel& model);

// ASCII form of a German name for e-mail addresses ("Jürgen Weiß" -> "juergen.weiss").
std::string AsciiName(const std::string& utf8);

}  // namespace kis::demo
