#pragma once
// Word lists for realistic German customers, streets and places (UTF-8, umlauts included).
#include <string>
#include <vector>

namespace kis::demo {

struct Place {
    const char* plz;
    const char* city;
};

const std::vector<std::string>& FemaleFirstNames();
const std::vector<std::string>& MaleFirstNames();
const std::vector<std::string>& Surnames();
const std::vector<std::string>& Streets();
const std::vector<Place>& Places();

}  // namespace kis::demo
