#pragma once
// The exception of a catalogued error (ORVInfo().FehlerRaise): what() is the German text
// of the catalogue message with its parameters filled in.
#include <stdexcept>
#include <string>
#include <utility>

namespace kis::services {

class CatalogError : public std::runtime_error {
public:
    CatalogError(std::string where, std::string catalogue, int number, const std::string& text)
        : std::runtime_error(text),
          where_(std::move(where)),
          catalogue_(std::move(catalogue)),
          number_(number) {}

    // Where the error was raised ("TDM.CheckMandant").
    const std::string& Where() const { return where_; }
    const std::string& Catalogue() const { return catalogue_; }
    int Number() const { return number_; }

private:
    std::string where_;
    std::string catalogue_;
    int number_;
};

}  // namespace kis::services
