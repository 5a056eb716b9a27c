// A small JSON writer for the host's --json output.
#pragma once

#include <string>

namespace corvane::cli {

// The text as a JSON string, quotes included (UTF-8 passes through; control
// characters and invalid bytes are escaped).
std::string JsonString(const std::string& text);

}  // namespace corvane::cli
