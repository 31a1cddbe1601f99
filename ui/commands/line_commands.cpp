#include "ui/main/handlers.h"

#include "ui/main/form1.h"

namespace tarlen {

void connectLineCommands(Form1 &) {}

} // namespace tarlen
