#include "app/ctl/ctl_common.h"

#include "ui/language_table.h"

#include <iostream>

namespace orln7a::ctl {

const LanguageLookup& English() {
    return BuiltInLanguageTables()[0];
}

int Fail(const Error& error) {
    const std::string message = error.key.empty() ? std::string() : English().Text(error.key);
    if (!message.empty())
        std::cerr << message << (error.detail.empty() ? "" : ": ") << error.detail << "\n";
    else
        std::cerr << "orln7a-ctl: " << error.detail << "\n";
    return 1;
}

int Fail(const std::string& detail) {
    return Fail(MakeError("", detail));
}

void PrintJson(const nlohmann::json& value) {
    std::cout << value.dump(2) << "\n";
}

} // namespace orln7a::ctl
