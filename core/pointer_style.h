#pragma once

namespace tarlen {

// The three pointer styles of the canvas (Option1, Option2, Option3 of the main window).
enum class PointerStyle { FullCrosshair, SmallCross, StandardArrow };

} // namespace tarlen
