#pragma once

// The computer player's pause before its move, in milliseconds: the choices
// of the Bot Speed menu. Normal is the speed of a first run, of a settings
// file without a valid speed, and of a host nobody has told a speed.
inline constexpr int SlowBotSpeed = 2000;
inline constexpr int NormalBotSpeed = 1000;
inline constexpr int FastBotSpeed = 500;
inline constexpr int DefaultBotSpeed = NormalBotSpeed;
