#pragma once

namespace tarlen {

class Form1;

// Starts the run with the main window: its start-up sequence runs to the end, a screen warning
// closed included, and only then is the window first shown, maximized over the screen.
void startAndShowMainWindow(Form1 &form);

} // namespace tarlen
