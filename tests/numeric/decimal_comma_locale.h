#pragma once
// For the life of the scope, the C locale's numbers written with a decimal comma, where the
// machine has such a locale (scripts/install-deps makes de_DE.UTF-8); the locale before is put
// back at the end.

#include <clocale>
#include <string>

class DecimalCommaLocale {
public:
    DecimalCommaLocale() : saved_(std::setlocale(LC_NUMERIC, nullptr)) {
        set_ = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") &&
               std::string(std::localeconv()->decimal_point) == ",";
    }
    ~DecimalCommaLocale() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

    bool set() const { return set_; }
    static constexpr const char* kMissing =
        "no locale with a decimal comma here: scripts/install-deps makes de_DE.UTF-8";

private:
    std::string saved_;
    bool set_;
};
