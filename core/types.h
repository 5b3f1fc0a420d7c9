#pragma once
// The value types the timer logic computes with. Their widths are part of the
// results: a reading stored as a 32-bit float has the resolution the displays
// show, hours are a 16-bit count, a date is a double count of days.
#include <cstdint>

namespace core {

using Boolean = bool;         // flags; stored as bool, compared as true/false
using Integer = std::int16_t; // signed 16-bit
using Long = std::int32_t;    // signed 32-bit
using Single = float;         // 32-bit floating point
using Date = double;          // days since 30 December 1899; the fraction is the time of day

// Colours are 24-bit values laid out 0x00BBGGRR.
using Color = std::uint32_t;
inline constexpr Color kYellow = 0x00FFFF;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kGreen = 0x00FF00;
inline constexpr Color kBlack = 0x000000;

// Twips: 1440 to the inch, 15 to a logical pixel.
inline constexpr int kTwipsPerPixel = 15;

inline constexpr double kSecondsPerDay = 86400.0;
// The Date of 1970-01-01 00:00, the origin of Unix time.
inline constexpr double kUnixEpochDay = 25569.0;

} // namespace core
