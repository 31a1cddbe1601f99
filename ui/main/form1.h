#pragma once

#include "core/digitizer_state.h"
#include "ui/main/main_window_controls.h"
#include "ui/main/secondary_windows.h"

#include <QWidget>

#include <cstdint>

namespace tarlen {

class Platform;

// The main window: the canvas with its calibration controls, the command column, the marker
// and pointer style pickers, the number formats and the status line. It owns the one
// DigitizerState of the run and the registry of secondary windows.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    DigitizerState &state() { return state_; }
    const DigitizerState &state() const { return state_; }
    Platform &platform() const { return platform_; }
    const MainWindowControls &controls() const { return controls_; }
    SecondaryWindows &windows() { return windows_; }

    // The load handler: start values, screen check, saved patterns, placement, start pictures
    // and caption. Runs once, before the window is first shown.
    void startUp();

    // The exit command: hides every window, unloads them all and ends the program.
    void exitProgram();

    // Draws one marker on the canvas in the current colour; an olcekk of 0 becomes 1.
    void simgebas(float &x, float &Y, std::int16_t &secim, std::int16_t &olcekk);

    // Unloads every loaded window, this one first, without ending the program.
    void UnloadAllForms();

    // Shows this window and brings it to the front.
    void bringToFront();

protected:
    // Closing by the frame ends the program as the exit command does.
    void closeEvent(QCloseEvent *event) override;

private:
    void registerWindowFactories();

    Platform &platform_;
    DigitizerState state_;
    MainWindowControls controls_;
    SecondaryWindows windows_;
    // Set while the program itself closes this window, so that closing does not exit again.
    bool unloading_ = false;
};

} // namespace tarlen
