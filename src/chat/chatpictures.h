#pragma once

#include <QImage>

// The eighteen 17 x 16 pictures of the picture codes ":)#10" to ":)#27",
// drawn in code so that no picture file has to ship. Index = code - 10.
namespace ChatPictures {

inline constexpr int Count = 18;
inline constexpr int Width = 17;
inline constexpr int Height = 16;

// The picture for an index 0..17 (out-of-range indexes give picture 0).
// Drawn once and then shared.
QImage picture(int index);

} // namespace ChatPictures
