#pragma once

#include <QString>

// Lines that arrive in English, built by another copy of the game or by the
// host, shown in the player's language. The wire keeps its English texts so
// that every copy understands every other; this table knows their templates
// ("%1 tried to join again and was turned away.") and puts the arguments
// into the translated template. A line that matches no template, and every
// argument that is a player's own text, is shown as it came.
namespace WireLines {

// A notice of the host about who it turned away, as the hosting player sees it.
QString hostNotice(const QString &line);
// The text of a chat or action line after its seat ("Ann chats: hello",
// "Ann says: Way To Go!").
QString chatText(const QString &text);

} // namespace WireLines
