#include "ui/main/handlers.h"

#include "ui/main/form1.h"

namespace tarlen {

void connectReferenceAssignment(Form1 &) {}

} // namespace tarlen
