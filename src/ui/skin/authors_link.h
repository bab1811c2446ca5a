#pragma once
// A skin's AuthorsURL comes from a downloaded file: only a web address is handed to the shell,
// never a local file or program.
#include <string>
#include <string_view>

namespace tessera::ui {

// The address to open for an AuthorsURL value: http(s) addresses as they are, "www." addresses
// with "http://" in front; empty for anything else.
std::string WebAddressForLink(std::string_view url);

}  // namespace tessera::ui
