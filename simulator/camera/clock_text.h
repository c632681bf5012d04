#pragma once
// The camera's text overlay: a small built-in bitmap font, enough for the
// time stamp and the head position a real camera burns into its picture.

#include <string>

#include "yuv_canvas.h"

namespace devsim::camera {

// Draws `text` with its top-left corner at (x, y), each font pixel `scale`
// picture pixels wide, white on a darkened backdrop. Characters the font
// lacks are drawn as blanks.
void DrawText(const YuvCanvas& canvas, int x, int y, int scale, const std::string& text);

// "YYYY-MM-DD HH:MM:SS.mmm" in local time for a CLOCK_REALTIME instant.
std::string ClockText(long long realtimeMicros);

}  // namespace devsim::camera
