// The pages of the help window, written as rich text.

#include "thelp.h"

#include "protocol.h"

#include <QCoreApplication>

namespace {

//: A page of the help window, in HTML; keep the tags
const char *const Overview = QT_TRANSLATE_NOOP("Thelp", R"(
<p>Hello, and welcome to Tavlix!</p>
<p>Tavlix grew out of many evenings spent laying tiles at the kitchen table.
We wanted a game that is quick to learn, calm enough to chat over, and still
makes you think twice before every move. Each tile shows four pictures
(a heart, a star, a ring and a drop), one on each side, and every side that
touches another tile must show the same picture as its neighbour.</p>
<p>You can play alone against the computer, or meet friends over your home
network or the internet, with up to six players at one board and a few more
people watching. Chat, send a phrase with one click, play a silly sound to
the whole table, and keep a tally of how you fare against the people you
meet.</p>
<p>If you have never played before, press <b>Ctrl+I</b> for the quick
instructions, then press <b>Start Game</b> and give it a try. Have fun!</p>
<p>The Orvel Software team</p>
)");

//: A page of the help window, in HTML; keep the tags
const char *const Connecting = QT_TRANSLATE_NOOP("Thelp", R"(
<p><b>Playing alone.</b> Started on its own, Tavlix opens a solo game against
the computer player Klot. Press the <b>Start Game</b> button on the board (or
File, Start Game) to begin. A solo game needs no internet connection, but it
does talk to itself over the network components of your computer: if a
firewall asks, allow Tavlix to use the network on this computer.</p>
<p><b>Playing with others.</b> Games with other people are started from the
lobby launcher (see <i>The Lobby</i>). One player hosts the game, everyone
else joins the host. The first player in the list is usually the host.</p>
<p><b>Hosting.</b> The host's computer must accept incoming connections on
TCP port 7772; allow Tavlix in its firewall. When you host, the chat tells you
where the others can join you: "Players on your network can join you at ..."
for each address of your computer on its networks, for friends in the same
home.</p>
<p><b>Hosting from home.</b> Most homes reach the internet through a router,
which lets nobody in on its own. While you host, Tavlix asks your router to
open port 7772 for your computer (over NAT-PMP or UPnP, which most routers
offer), for an hour at a time and again every half hour, and closes it again
when you leave the game. If the router agrees, the chat says "Players on the
internet can join you at ..." with your address on the internet: give that
address to your friends. The game never takes another port, and never waits
for the router: you can play while it answers.</p>
<p><b>When the router refuses.</b> The chat then says why ("Your router did
not open port 7772 ..."), and names the address of your computer. Switch on
UPnP or NAT-PMP in the router's settings page, or forward TCP port 7772 to
that address there by hand. If the port already leads to another computer,
end the game there first or forward the port by hand. Players on your own
network can always join you at the addresses the chat shows.</p>
<p><b>Strangers.</b> An open port is open to everyone. A connection must log
in within 15 seconds, one address may not try again and again, and a player
you remove from the game cannot come back while you host. What the game turns
away, it tells you in the chat.</p>
<p><b>Turning it off.</b> Options, Open Port on Router switches this off (or
on again) at once, also while you host; Tavlix then closes the port on the
router. The choice is kept for the next games.</p>
<p><b>Playing online with an invite code.</b> Many homes let nobody in, and
no router setting changes that. So when you host, Tavlix also registers your
table with the Orvel lobby on the internet, and the chat says "Friends can
join you with the invite code ..." with a code such as +K7QX-M2PA. Send your
friends the code (File, Copy Invite Code puts it on the clipboard); it stays
the same every time you host. A friend joins with the code in place of an
address, in the lobby or on the command line. Where your computer cannot be
reached, the lobby relays the game between you: the chat of your friend says
"Connected through the lobby's relay.", and the game plays exactly the same.
The relay only passes the game's own messages on and keeps none of them.</p>
<p><b>Play Online.</b> Options, Play Online chooses what the lobby may do:
Off (never contact it), Invite Only (your table is found by its code only;
the usual choice) or Public (it is also listed in every lobby window, for
anyone to join). A change applies at once. If the lobby cannot be reached,
the chat says so once, and players on your network can still join you; the
game tries again every few minutes. Lock Table, removing a player and the
limits for strangers work for players who come through the lobby as for
everyone else.</p>
<p><b>Losing the host.</b> The host's copy of Tavlix runs the game for
everyone. If the host leaves or is disconnected, all game play ends and the
other players' windows close.</p>
)");

//: A page of the help window, in HTML; keep the tags
const char *const GamePlay = QT_TRANSLATE_NOOP("Thelp", R"(
<p>Players take turns placing one tile each. When it is your turn the status
line under the board says <b>Your Turn.</b></p>
<p><b>Placing a tile.</b> Click a tile in your hand to raise it, then click
the position on the board where it should go. Click a raised tile again to
lower it. A tile may go anywhere on the board, as long as every side that
touches another tile shows the same picture as that tile's touching side.
Tiles are never turned. A placed tile is replaced at once from the pool.</p>
<p><b>Playing with the keyboard.</b> Press <b>Ctrl+B</b> (View, Go to
Board) to move to the board from anywhere in the window, or click the board
or a hand tile. The arrow keys move a cursor cell
over the board. Keys <b>1</b> to <b>7</b> raise or lower the tiles of your
hand, counted from the left. <b>Enter</b> or <b>Space</b> places the raised
tile on the cursor cell, just like a click. <b>Escape</b> lowers it again,
and closes the help, tally, phrase and spy windows.</p>
<p><b>Points.</b> A tile earns points for every tile it touches, and more for
every four-tile square that it completes (see <i>Scoring</i>).</p>
<p><b>Rounds.</b> When no player can place a tile, the round ends and a new
one begins with a fresh board and fresh hands; scores carry over. A player
without a move simply waits while the others go on.</p>
<p><b>Winning.</b> After the last round the player with the most points wins.
If the top score is shared, further rounds are played until one player
leads.</p>
)");

//: A page of the help window, in HTML; keep the tags
const char *const Scoring = QT_TRANSLATE_NOOP("Thelp", R"(
<p>A placed tile scores by the number of tiles it touches:</p>
<table cellspacing="0" cellpadding="2">
<tr><td>touching 1 tile</td><td align="right"><b>5</b> points</td></tr>
<tr><td>touching 2 tiles</td><td align="right"><b>15</b> points</td></tr>
<tr><td>touching 3 tiles</td><td align="right"><b>30</b> points</td></tr>
<tr><td>touching 4 tiles</td><td align="right"><b>50</b> points</td></tr>
</table>
<p>On top of that, every four-tile square (a block of 2 by 2 tiles) that the
tile completes earns <b>50</b> points. A tile placed into a gap surrounded by
tiles can complete up to four squares at once: 50 points for its four
neighbours plus 200 for the squares.</p>
<p>The points of your last placement show beside your score and, for a
moment, over the board. The player with the highest score at the end of the
last round wins the game.</p>
)");

//: A page of the help window, in HTML; keep the tags
const char *const Options = QT_TRANSLATE_NOOP("Thelp", R"(
<p><b>Just Watch</b> (Options, Just Watch). Sit out for a while: the computer
plays your turns until you choose it again. Your seat shows a pair of eyes
meanwhile.</p>
<p><b>Bot Speed</b> (Options, Bot Speed). How long the computer players think
before they move: Slow (2 seconds), Normal (1 second) or Fast (half a
second). The change counts from the computer's next move.</p>
<p><b>Computer Strength</b> (Options, Computer Strength). How well the
computer plays. Classic, the first choice, takes the first place it finds
where its tile touches the most tiles, and never counts points. Strong
weighs every place for every tile in its hand: the points now, the four-tile
squares it completes, the squares it would leave for the next player, and
the tiles it keeps for later. Expert looks ahead: it deals the tiles it
cannot see at random many times over, plays the next turns forward in each
deal, and keeps the placement that does best on average. It thinks while the
bot speed pause runs. Like you they see only the board, the scores and
their own tiles. The hosting player chooses for every seat the computer
plays; the change counts from the computer's next move.</p>
<p><b>Sounds</b> (Options, Play Sounds; Player Phrase Sounds; Turn Sound).
Play Sounds switches the game's sounds on or off. Player Phrase Sounds
switches off the chatter sounds that other players send you. Turn Sound
chooses between the Classic and the New sound that tells you it is your
turn.</p>
<p><b>Show Fitting Cells</b> (Options, Show Fitting Cells). While you have a
raised tile on your turn, every cell where that tile fits is marked with a
faint frame.</p>
<p><b>Open Port on Router</b> (Options, Open Port on Router; on at first).
While you host a game, Tavlix asks your home router to let players on the
internet in on port 7772 (see <i>Connecting</i>). Switch it off to keep the
router closed; the port is then closed at once.</p>
<p><b>Show on Network</b> (Options, Show on Network; on at first). While you
host a game, the lobby launchers of the players on your home network list it
under <i>Games on your network</i>, with the players and whether a game runs,
so they can join with a double-click. Switch it off, for example on a café's
Wi-Fi, and your game leaves their lists at once.</p>
<p><b>Lock Table</b> (Options, Lock Table; off at every start). Once your
friends are in, lock the table and nobody new can join; a friend whose
connection dropped can still come back. The chat tells you whom the game
turned away.</p>
<p><b>Chat/Action Text</b> (Options, Text Color; Text Size; Scroll Chat Off;
Clear Main Chat). Text Color picks the colour of your chat lines, Text Size
the size of all chat text. Scroll Chat Off (Ctrl+S) keeps the chat from
jumping to the newest line while you read back; Clear Main Chat empties it.
Type <b>/me</b> and a space before your text to send it as an action
(&quot;/me waves&quot; shows your name followed by waves).</p>
<p><b>Screen Location</b> (Options, Reset Screen Location). Puts the main
window back at the top left of the screen in its first size. The window's
place and size are remembered between games.</p>
<p><b>Phrase Buttons</b> (the buttons P1 to P9 above the chat). Each one sends
its phrase to the chat with a single click; hold the mouse over a button to
see its phrase. A phrase button can be used once every 2 seconds. The note
button beside them sends a chatter sound that everyone hears.</p>
<p><b>Tally List</b> (View, View Tally). Counts your games and wins. Tick a
player under Players In Current Game to follow them: from then on the tally
keeps your games against that player, who won, in total and for this
session. Untick a followed player to delete their tally. Reset Tally starts
everything from zero.</p>
<p><b>Spy List</b> (View, Spy List). Shows who is watching the game without
a seat.</p>
<p><b>Phrase List</b> (View, Phrase List). Edit the nine phrases of the phrase
buttons. They are kept for your next games.</p>
)");

//: A page of the help window, in HTML; keep the tags
const char *const License = QT_TRANSLATE_NOOP("Thelp", R"(
<p><b>Tavlix</b><br>Copyright &copy; 2026 Orvel Software</p>
<p>This program is free software: you can redistribute it and/or modify it
under the terms of the GNU General Public License as published by the Free
Software Foundation, either version 3 of the License, or (at your option) any
later version.</p>
<p>This program is distributed in the hope that it will be useful, but
WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or
FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more
details.</p>
<p>You should have received a copy of the GNU General Public License along
with this program (the file LICENSE that comes with it). If not, see
https://www.gnu.org/licenses/.</p>
)");

//: A page of the help window, in HTML; keep the tags
const char *const Lobby = QT_TRANSLATE_NOOP("Thelp", R"(
<p>The Orvel Lobby is a separate program where players meet and start
multi-player games. It starts Tavlix for every player of a game with three
things: the player's name, the address of the host, and whether this player
hosts. While the game runs, the lobby can tell that Tavlix is still open.</p>
<p>A solo game shows the window Download The Orvel Lobby: it can fetch the
lobby for you, and <b>Play with Others</b> starts an installed lobby.</p>
<p><b>The Linux launcher.</b> On Linux the lobby is <b>orvellobby</b>, which
is built and installed beside tavlix. Start it and fill in its window:</p>
<ul>
<li><b>Your name</b>: the name the other players see (blanks are fine).</li>
<li><b>Host address</b>: the computer that runs the game, as a name or an
address such as 192.168.1.20 or 2001:db8::20.</li>
</ul>
<p>Press <b>Host a game</b> to run the game on your computer; the others join
you with your computer's address. Press <b>Join a game</b> to join the game at
the host address. The launcher remembers both entries, and its status line
says Game running while your game is open and Game ended once it
closes.</p>
<p><b>Games on your network.</b> The launcher's list shows the games hosted on
your home network, with the host's name, the address, the players and the
state, for example <i>Ann at 192.168.1.20, 2 players, round 2 of 3</i>.
Choose one to fill in the host address, or double-click it (or press Enter
on it) to join straight away. The list needs the Avahi service
(avahi-daemon), which most Linux desktops run; without it, join by address.</p>
<p><b>Games on the internet.</b> The second list shows the public tables at
the Orvel lobby on the internet, for example <i>Ann at +K7QX-M2PA, 2 players,
waiting</i>, and asks the lobby again every 15 seconds; press F5 to ask at
once. Choose one to put its invite code in the host address, or double-click
it (or press Enter on it) to join. The host address also takes an invite
code that a friend sent you, such as +K7QX-M2PA; letter case and the "-" do
not matter.</p>
<p>You can also start Tavlix yourself with the same three things on the
command line, for example <i>tavlix Ann 192.168.1.20 true</i> to host, or
<i>tavlix Bo +K7QX-M2PA false</i> to join a friend's table by its invite
code; any other last word joins.</p>
)");

} // namespace

QString helpPageText(int page)
{
    switch (page) {
    case 1:
        return QCoreApplication::translate("Thelp", Overview);
    case 2:
        return QCoreApplication::translate("Thelp", Connecting);
    case 3:
        return QCoreApplication::translate("Thelp", GamePlay);
    case 4:
        return QCoreApplication::translate("Thelp", Scoring);
    case 5:
        //: The Documentation page of the help window, in HTML; keep the tags and %1 (the version)
        return QCoreApplication::translate("Thelp", "<h3>History</h3><p><b>Version %1</b></p>"
                              "<ul><li>First release: solo games against the computer, hosted and joined "
                              "games for up to six players and three watchers, chat with phrase buttons "
                              "and chatter sounds, the tally list, quick instructions and this help.</li></ul>")
            .arg(QString::fromLatin1(wire::ProgramVersion));
    case 6:
        return QCoreApplication::translate("Thelp", License);
    case 7:
        return QCoreApplication::translate("Thelp", Options);
    case 8:
        return QCoreApplication::translate("Thelp", Lobby);
    default:
        return {};
    }
}
