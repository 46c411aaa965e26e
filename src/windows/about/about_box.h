#pragma once

#include <string>

#include "windows/forms/app_info.h"
#include "windows/forms/check_box.h"
#include "windows/forms/platform.h"

namespace orv::about {

// The author's name and address, shown in the About box.
inline constexpr const char* kAuthorName = "Аркадий Примеров";
inline constexpr const char* kAuthorEmail = "arkady.primerov@example.org";

// The About box's text: title, version, author, addresses and what the program is for.
std::string AboutText(const forms::AppInfo& app);

// Shows the About box inside the on-top pause of the main window.
void ShowAbout(forms::Platform& platform, forms::CheckBox& chkOnTop, const forms::AppInfo& app);

}  // namespace orv::about
