#include "ui/main/handlers.h"

#include "ui/main/form1.h"

namespace tarlen {

void connectMarkerStylePickers(Form1 &) {}

} // namespace tarlen
