#pragma once

#include <string>

namespace tarlen {

// A Turkish reason for a system error number (errno), for the messages that name a file: the
// common failures in words, any other one as "sistem hatası" with its number.
std::string systemErrorText(int error);

} // namespace tarlen
