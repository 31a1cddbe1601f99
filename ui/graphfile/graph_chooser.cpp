#include "ui/main/handlers.h"

#include "ui/main/form1.h"

namespace tarlen {

void connectGraphChooser(Form1 &) {}

} // namespace tarlen
