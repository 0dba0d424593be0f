#pragma once
#include <string_view>

namespace cli {

// The text of --help, which is also the source of the manual page.
extern const std::string_view HelpText;

} // namespace cli
