#pragma once

#include <QString>

#include <optional>

// The code by which friends find a table through the meeting service: a "+"
// and 8 characters of an alphabet without look-alikes (no 0/O, 1/I/L),
// written "+K7QX-M2PA". Wherever a host address is accepted (the command
// line, the launcher's address box) a code is too; the "+" tells it from a
// host name, which never holds one.
namespace InviteCode {

inline constexpr char Alphabet[] = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
inline constexpr int Length = 8;

// The code in its written form, "+K7QX-M2PA", for what a player typed:
// letter case and the "-" (missing, or anywhere after the "+") do not
// matter, blanks around it neither. Nothing for any other text.
std::optional<QString> parse(const QString &text);

} // namespace InviteCode
