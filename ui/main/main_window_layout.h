#pragma once

#include "ui/main/main_window_controls.h"

#include <QFont>

class QWidget;

namespace tarlen {

// "MS Sans Serif" and "Arial" fall back to the installed sans fonts of the same build.
void installFontSubstitutions();

// The window's default control font: "MS Sans Serif" 8.25 pt (11 pixels at 96 dpi).
QFont standardControlFont();

// Creates every control of the main window as stored on it: kinds, names, captions, places,
// colours, fonts, pictures, tab order and start state.
MainWindowControls buildMainWindowControls(QWidget &window);

} // namespace tarlen
