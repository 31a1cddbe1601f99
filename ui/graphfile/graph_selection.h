#pragma once

namespace tarlen {

class Form1;

// Whether a picture clicked in the chooser is on the canvas, waiting for "Tamam". The names of
// the run then still belong to the confirmed graph, so no point may be recorded on it.
bool pictureAwaitsConfirmation(const Form1 &form);

} // namespace tarlen
