#pragma once

#include "core/calibration.h"

#include <QColor>

#include <string>

class QCheckBox;

namespace tarlen {

class Form1;
struct MainWindowControls;

// The texts of the reference value boxes Text1, Text3, Text2 and Text4, held as UTF-8 so that
// the views handed to the core stay valid while it reads them.
struct ReferenceBoxTexts {
    std::string x0;
    std::string x1;
    std::string y0;
    std::string y1;

    ReferenceTexts view() const { return {x0, x1, y0, y1}; }
};

ReferenceBoxTexts readReferenceBoxes(const MainWindowControls &controls);

// A check box as the transform reads it: 0 unticked, 1 ticked, 2 for the third state, which
// selects no rule.
int axisModeOf(const QCheckBox &box);

// Colours the values list for the current line. The colour is kept with the main window, so a
// values window created later (also after its close box discarded the old one) starts with it.
void setValuesListColor(Form1 &form, const QColor &colour);

} // namespace tarlen
