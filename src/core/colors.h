#pragma once

// Colours travel through the program as 32-bit 0x00BBGGRR values; widget_colors.h turns
// them into what Qt paints with.

#include <cstdint>

inline constexpr std::uint32_t kBlackBgr = 0x000000;
inline constexpr std::uint32_t kRedBgr = 0x0000FF;
inline constexpr std::uint32_t kWhiteBgr = 0xFFFFFF;
// The face of buttons and of the worksheet's grey boxes, as the design's desktop drew it.
inline constexpr std::uint32_t kButtonFaceBgr = 0xF0F0F0;
