#pragma once

#include <cstdint>
#include <string>

namespace tarlen {

// A colour of the marker style: each component 0 to 255.
struct MarkerColor {
    std::int16_t red = 0;
    std::int16_t green = 0;
    std::int16_t blue = 0;

    bool operator==(const MarkerColor &) const = default;
};

// The one shared record of the running program. Every field starts at zero, empty or false;
// start-up gives the few non-zero start values (see startUpValues in ui/main).
struct DigitizerState {
    // PendingClick: the last press on the canvas, in canvas twips, until an assign button takes it.
    float pendingX0 = 0;
    float pendingX1 = 0;
    float pendingY0 = 0;
    float pendingY1 = 0;

    // AxisReference positions (canvas twips), set only by the assign buttons.
    float refX0Pos = 0;
    float refX1Pos = 0;
    float refY0Pos = 0;
    float refY1Pos = 0;

    // Typed reference values, read from Text1, Text3, Text2, Text4, and their working copies.
    float typedX0 = 0;
    float typedX1 = 0;
    float typedY0 = 0;
    float typedY1 = 0;
    float refX0Value = 0;
    float refX1Value = 0;
    float refY0Value = 0;
    float refY1Value = 0;

    // Lines, points and files.
    std::int16_t lineNumber = 0;
    std::int16_t pointCount = 0;
    std::string graphPath;
    std::string graphFileName;
    std::string graphBaseName;
    std::string pointsFileName;

    // Number patterns (NumberFormatIndex) and marker style.
    std::int16_t xFormatIndex = 0;
    std::int16_t yFormatIndex = 0;
    std::int16_t symbolKind = 0;
    std::int16_t symbolSize = 0;
    MarkerColor markerColor;

    // Live readout, used only inside one mouse move.
    float moveX = 0;
    float moveY = 0;
    bool pointerFullCross = false;
    bool pointerSmallCross = false;
    bool pointerArrow = false;
};

} // namespace tarlen
