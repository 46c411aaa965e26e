#pragma once

#include <string>

namespace orv::forms {

// Facts about the running program that the framework supplies.
struct AppInfo {
    std::string title = "Orvanta 2";
    int major = 2;
    int minor = 2;
    std::string path;             // folder of the executable, no trailing separator
    bool prevInstance = false;    // another copy of the program is running
    std::string comments;         // version information: the product's web address
    std::string fileDescription;  // version information: what the program is for
};

}  // namespace orv::forms
