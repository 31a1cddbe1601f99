#pragma once

#include <QString>

namespace tarlen {

// The text of the user guide's Text5: plain lines joined by CR LF, starting with its heading.
QString userGuideText();

} // namespace tarlen
