#pragma once

namespace tarlen {

class Form1;

// Each subsystem connects its own handlers to the main window's controls, and registers the
// factories of the secondary windows it uses. Form1 calls them once, in this order.
void connectPointCapture(Form1 &form);          // ui/canvas/point_capture.cpp
void connectLiveReadout(Form1 &form);           // ui/canvas/live_readout.cpp
void connectMarkerStylePickers(Form1 &form);    // ui/canvas/marker_style_pickers.cpp
void connectReferenceAssignment(Form1 &form);   // ui/commands/reference_assignment.cpp
void connectLineCommands(Form1 &form);          // ui/commands/line_commands.cpp
void connectDifferentAxis(Form1 &form);         // ui/commands/different_axis.cpp
void connectFormatSettingButtons(Form1 &form);  // ui/commands/format_setting_buttons.cpp
void connectGraphChooser(Form1 &form);          // ui/graphfile/graph_chooser.cpp
void connectGraphDropAndPaste(Form1 &form);     // ui/graphfile/graph_drop_paste.cpp
void connectToolCommands(Form1 &form);          // ui/main/tool_commands.cpp

inline void connectSubsystemHandlers(Form1 &form)
{
    connectPointCapture(form);
    connectLiveReadout(form);
    connectMarkerStylePickers(form);
    connectReferenceAssignment(form);
    connectLineCommands(form);
    connectDifferentAxis(form);
    connectFormatSettingButtons(form);
    connectGraphChooser(form);
    connectGraphDropAndPaste(form);
    connectToolCommands(form);
}

} // namespace tarlen
