#pragma once

// How well the computer player plays: the choices of the Computer Strength
// menu, kept in the settings file under Botlevel as these numbers. Classic
// is the level of a first run, of a settings file without a valid level,
// and of a host nobody has told a level.
enum class BotLevel : int { Classic = 1, Strong = 2, Expert = 3 };
inline constexpr BotLevel DefaultBotLevel = BotLevel::Classic;
