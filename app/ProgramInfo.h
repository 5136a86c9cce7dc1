#pragma once

// What the About box and the command line say of the program.

namespace corvid::app {

inline constexpr const char* kProgramVersion = "3.00";
inline constexpr const char* kReleaseDate = "2026-12-07";
inline constexpr const char* kMakerWebAddress = "https://www.halvard-electronic.example/";

} // namespace corvid::app
