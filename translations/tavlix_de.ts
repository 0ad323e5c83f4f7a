<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoardPanel</name>
    <message>
        <source>Raised</source>
        <extracomment>A hand tile lifted up, chosen to be placed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot put a tile there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That tile does not match.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>An empty cell of the board</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <extracomment>A board cell for screen readers: column, row and the four pictures of its tile</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChatterSounds</name>
    <message>
        <source>Doh</source>
        <extracomment>The chatter sounds menu: each item names a short recorded sound</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cough</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hello</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Honk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <extracomment>A line in the chat: %1 a player&apos;s name, %2 the name of the sound they played</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClientConnection</name>
    <message>
        <source>nothing answers on port %1 there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>that address cannot be reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name cannot be looked up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot host the game on port 7772 (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not connect to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the host was lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>The player&apos;s own name in a solo game</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HandTile</name>
    <message>
        <source>empty</source>
        <extracomment>An empty slot of the hand</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile %1: %2</source>
        <extracomment>A hand tile for screen readers: its slot number and its four pictures</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanGamesList</name>
    <message>
        <source>Finding games on your network needs the Avahi service (avahi-daemon), which is not running here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games on your network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No games on your network yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanTable</name>
    <message>
        <source>waiting</source>
        <extracomment>The state of a game on the network</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>round %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2, %3, %4</source>
        <extracomment>A game on the network: the host&apos;s name, its address, the players, its state</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LobbyWindow</name>
    <message>
        <source>Orvel Lobby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host &amp;address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host a game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join a game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Tavlix with others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To host, press &quot;Host a game&quot;; the others enter your address and press &quot;Join a game&quot;. The host must accept connections on TCP port 7772; the game asks the home router to open it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the other players one of these addresses:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Games on your network:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready: host a game, or join the game at the host address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port %1 on 127.0.0.1 is in use (%2), so this window cannot tell whether the game runs. Hosting and joining still work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the host&apos;s address: a host name, or an address such as 192.168.1.20 or 2001:db8::20.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start the game (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting the game: hosting as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting the game: joining %1 as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This window cannot show whether it runs: the presence port is in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On your network:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over IPv6:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the internet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhraseButtons</name>
    <message>
        <source>Way To Go!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <extracomment>WTG: &quot;way to go&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phrase %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>&amp;Remove From Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set to Just Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unset Just Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Ctrl-I to view Quick Instructions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuickInstructions</name>
    <message>
        <source>Quick Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TAVLIX QUICK INSTRUCTIONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete four-tile square formations to earn points!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>The button that closes the quick instructions</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a tile in your hand, then click the position on the board where it should go.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sides of tiles must match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is an example of a four-tile square.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tile placed here completes four four-tile squares at once!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RoundView</name>
    <message>
        <source>Score of seat %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last points of seat %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seat %1 is just watching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Just watching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Tavlix by Orvel Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points scored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <extracomment>A seat&apos;s score for screen readers: the player&apos;s name and the points</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no last points</source>
        <extracomment>For screen readers: %1 is a player&apos;s name, %2 the points of the last placement</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: last points %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn: %1</source>
        <extracomment>For screen readers: whose turn it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have a move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not have a move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No one has a move. Ending Round..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <extracomment>An empty seat, in place of a player&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartGameButton</name>
    <message>
        <source>Start Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START GAME</source>
        <extracomment>Painted on the start button; keep it short, in capitals</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Tavlix - About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvel Software web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version </source>
        <extracomment>Followed by the version number, e.g. &quot;Version 1.0.0.0&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TavlixProgram</name>
    <message>
        <source>The table is locked: nobody new can join.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table is open again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer plays Expert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer plays Strong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your game is not shown to launchers on your network, since that needs the Avahi service (avahi-daemon), which is not running here. Players can still join you by address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players on your network can join you at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players on the internet can join you at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your router opened port %1; it did not tell its address on the internet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your internet provider shares its IPv4 address among many homes, so players on the internet cannot reach you over IPv4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not ask your router to open port %1: %2. Players outside your network can join only if you forward port %1 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your router did not open port %1 (%2). Players outside your network can join only if you forward port %1 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your router did not keep port %1 open (%2). The game keeps asking it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players with IPv6 can join you at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not ask your router to open port %1 for IPv6: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your router did not open port %1 for IPv6 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your router did not keep port %1 open for IPv6 (%2). The game keeps asking it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Tavlix by Orvel Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvel Software web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text &amp;Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Si&amp;ze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scr&amp;oll Chat Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear &amp;Main Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1&amp;0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1&amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1&amp;4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player P&amp;hrase Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Turn Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <extracomment>Computer strength</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bot Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer &amp;Strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Strong</source>
        <extracomment>Computer strength</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <extracomment>Computer strength</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Fitting Cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Op&amp;en Port on Router</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show on &amp;Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset Screen Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Just Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View &amp;Tally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Spy List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Phrase List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to &amp;Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quick Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loc&amp;k Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>Please close the game and open the Orvel Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download The Orvel Lobby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Orvel Lobby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download The Orvel Lobby Now to play this  and other exciting games online with other players! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download And Install The Orvel Lobby Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you already have The Orvel Lobby and you wish to play with others then click the button below to close this game and open The Orvel Lobby.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. It is one of the game&apos;s own files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tgamestart</name>
    <message>
        <source>Tavlix - Game Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Rounds: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewer rounds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>
&lt;p&gt;Hello, and welcome to Tavlix!&lt;/p&gt;
&lt;p&gt;Tavlix grew out of many evenings spent laying tiles at the kitchen table.
We wanted a game that is quick to learn, calm enough to chat over, and still
makes you think twice before every move. Each tile shows four pictures
(a heart, a star, a ring and a drop), one on each side, and every side that
touches another tile must show the same picture as its neighbour.&lt;/p&gt;
&lt;p&gt;You can play alone against the computer, or meet friends over your home
network or the internet, with up to six players at one board and a few more
people watching. Chat, send a phrase with one click, play a silly sound to
the whole table, and keep a tally of how you fare against the people you
meet.&lt;/p&gt;
&lt;p&gt;If you have never played before, press &lt;b&gt;Ctrl+I&lt;/b&gt; for the quick
instructions, then press &lt;b&gt;Start Game&lt;/b&gt; and give it a try. Have fun!&lt;/p&gt;
&lt;p&gt;The Orvel Software team&lt;/p&gt;
</source>
        <extracomment>A page of the help window, in HTML; keep the tags</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
&lt;p&gt;&lt;b&gt;Playing alone.&lt;/b&gt; Started on its own, Tavlix opens a solo game against
the computer player Klot. Press the &lt;b&gt;Start Game&lt;/b&gt; button on the board (or
File, Start Game) to begin. A solo game needs no internet connection, but it
does talk to itself over the network components of your computer: if a
firewall asks, allow Tavlix to use the network on this computer.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Playing with others.&lt;/b&gt; Games with other people are started from the
lobby launcher (see &lt;i&gt;The Lobby&lt;/i&gt;). One player hosts the game, everyone
else joins the host. The first player in the list is usually the host.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Hosting.&lt;/b&gt; The host&apos;s computer must accept incoming connections on
TCP port 7772; allow Tavlix in its firewall. When you host, the chat tells you
where the others can join you: &quot;Players on your network can join you at ...&quot;
for each address of your computer on its networks, for friends in the same
home.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Hosting from home.&lt;/b&gt; Most homes reach the internet through a router,
which lets nobody in on its own. While you host, Tavlix asks your router to
open port 7772 for your computer (over NAT-PMP or UPnP, which most routers
offer), for an hour at a time and again every half hour, and closes it again
when you leave the game. If the router agrees, the chat says &quot;Players on the
internet can join you at ...&quot; with your address on the internet: give that
address to your friends. The game never takes another port, and never waits
for the router: you can play while it answers.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;When the router refuses.&lt;/b&gt; The chat then says why (&quot;Your router did
not open port 7772 ...&quot;), and names the address of your computer. Switch on
UPnP or NAT-PMP in the router&apos;s settings page, or forward TCP port 7772 to
that address there by hand. If the port already leads to another computer,
end the game there first or forward the port by hand. Players on your own
network can always join you at the addresses the chat shows.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Strangers.&lt;/b&gt; An open port is open to everyone. A connection must log
in within 15 seconds, one address may not try again and again, and a player
you remove from the game cannot come back while you host. What the game turns
away, it tells you in the chat.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Turning it off.&lt;/b&gt; Options, Open Port on Router switches this off (or
on again) at once, also while you host; Tavlix then closes the port on the
router. The choice is kept for the next games.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Losing the host.&lt;/b&gt; The host&apos;s copy of Tavlix runs the game for
everyone. If the host leaves or is disconnected, all game play ends and the
other players&apos; windows close.&lt;/p&gt;
</source>
        <extracomment>A page of the help window, in HTML; keep the tags</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
&lt;p&gt;Players take turns placing one tile each. When it is your turn the status
line under the board says &lt;b&gt;Your Turn.&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Placing a tile.&lt;/b&gt; Click a tile in your hand to raise it, then click
the position on the board where it should go. Click a raised tile again to
lower it. A tile may go anywhere on the board, as long as every side that
touches another tile shows the same picture as that tile&apos;s touching side.
Tiles are never turned. A placed tile is replaced at once from the pool.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Playing with the keyboard.&lt;/b&gt; Press &lt;b&gt;Ctrl+B&lt;/b&gt; (View, Go to
Board) to move to the board from anywhere in the window, or click the board
or a hand tile. The arrow keys move a cursor cell
over the board. Keys &lt;b&gt;1&lt;/b&gt; to &lt;b&gt;7&lt;/b&gt; raise or lower the tiles of your
hand, counted from the left. &lt;b&gt;Enter&lt;/b&gt; or &lt;b&gt;Space&lt;/b&gt; places the raised
tile on the cursor cell, just like a click. &lt;b&gt;Escape&lt;/b&gt; lowers it again,
and closes the help, tally, phrase and spy windows.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Points.&lt;/b&gt; A tile earns points for every tile it touches, and more for
every four-tile square that it completes (see &lt;i&gt;Scoring&lt;/i&gt;).&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Rounds.&lt;/b&gt; When no player can place a tile, the round ends and a new
one begins with a fresh board and fresh hands; scores carry over. A player
without a move simply waits while the others go on.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Winning.&lt;/b&gt; After the last round the player with the most points wins.
If the top score is shared, further rounds are played until one player
leads.&lt;/p&gt;
</source>
        <extracomment>A page of the help window, in HTML; keep the tags</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
&lt;p&gt;A placed tile scores by the number of tiles it touches:&lt;/p&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;2&quot;&gt;
&lt;tr&gt;&lt;td&gt;touching 1 tile&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;5&lt;/b&gt; points&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;touching 2 tiles&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;15&lt;/b&gt; points&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;touching 3 tiles&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;30&lt;/b&gt; points&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;touching 4 tiles&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;50&lt;/b&gt; points&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;On top of that, every four-tile square (a block of 2 by 2 tiles) that the
tile completes earns &lt;b&gt;50&lt;/b&gt; points. A tile placed into a gap surrounded by
tiles can complete up to four squares at once: 50 points for its four
neighbours plus 200 for the squares.&lt;/p&gt;
&lt;p&gt;The points of your last placement show beside your score and, for a
moment, over the board. The player with the highest score at the end of the
last round wins the game.&lt;/p&gt;
</source>
        <extracomment>A page of the help window, in HTML; keep the tags</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
&lt;p&gt;&lt;b&gt;Just Watch&lt;/b&gt; (Options, Just Watch). Sit out for a while: the computer
plays your turns until you choose it again. Your seat shows a pair of eyes
meanwhile.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Bot Speed&lt;/b&gt; (Options, Bot Speed). How long the computer players think
before they move: Slow (2 seconds), Normal (1 second) or Fast (half a
second). The change counts from the computer&apos;s next move.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Computer Strength&lt;/b&gt; (Options, Computer Strength). How well the
computer plays. Classic, the first choice, takes the first place it finds
where its tile touches the most tiles, and never counts points. Strong
weighs every place for every tile in its hand: the points now, the four-tile
squares it completes, the squares it would leave for the next player, and
the tiles it keeps for later. Expert looks ahead: it deals the tiles it
cannot see at random many times over, plays the next turns forward in each
deal, and keeps the placement that does best on average. It thinks while the
bot speed pause runs. Like you they see only the board, the scores and
their own tiles. The hosting player chooses for every seat the computer
plays; the change counts from the computer&apos;s next move.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Sounds&lt;/b&gt; (Options, Play Sounds; Player Phrase Sounds; Turn Sound).
Play Sounds switches the game&apos;s sounds on or off. Player Phrase Sounds
switches off the chatter sounds that other players send you. Turn Sound
chooses between the Classic and the New sound that tells you it is your
turn.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Show Fitting Cells&lt;/b&gt; (Options, Show Fitting Cells). While you have a
raised tile on your turn, every cell where that tile fits is marked with a
faint frame.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Open Port on Router&lt;/b&gt; (Options, Open Port on Router; on at first).
While you host a game, Tavlix asks your home router to let players on the
internet in on port 7772 (see &lt;i&gt;Connecting&lt;/i&gt;). Switch it off to keep the
router closed; the port is then closed at once.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Show on Network&lt;/b&gt; (Options, Show on Network; on at first). While you
host a game, the lobby launchers of the players on your home network list it
under &lt;i&gt;Games on your network&lt;/i&gt;, with the players and whether a game runs,
so they can join with a double-click. Switch it off, for example on a café&apos;s
Wi-Fi, and your game leaves their lists at once.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Lock Table&lt;/b&gt; (Options, Lock Table; off at every start). Once your
friends are in, lock the table and nobody new can join; a friend whose
connection dropped can still come back. The chat tells you whom the game
turned away.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Chat/Action Text&lt;/b&gt; (Options, Text Color; Text Size; Scroll Chat Off;
Clear Main Chat). Text Color picks the colour of your chat lines, Text Size
the size of all chat text. Scroll Chat Off (Ctrl+S) keeps the chat from
jumping to the newest line while you read back; Clear Main Chat empties it.
Type &lt;b&gt;/me&lt;/b&gt; and a space before your text to send it as an action
(&amp;quot;/me waves&amp;quot; shows your name followed by waves).&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Screen Location&lt;/b&gt; (Options, Reset Screen Location). Puts the main
window back at the top left of the screen in its first size. The window&apos;s
place and size are remembered between games.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Phrase Buttons&lt;/b&gt; (the buttons P1 to P9 above the chat). Each one sends
its phrase to the chat with a single click; hold the mouse over a button to
see its phrase. A phrase button can be used once every 2 seconds. The note
button beside them sends a chatter sound that everyone hears.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Tally List&lt;/b&gt; (View, View Tally). Counts your games and wins. Tick a
player under Players In Current Game to follow them: from then on the tally
keeps your games against that player, who won, in total and for this
session. Untick a followed player to delete their tally. Reset Tally starts
everything from zero.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Spy List&lt;/b&gt; (View, Spy List). Shows who is watching the game without
a seat.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Phrase List&lt;/b&gt; (View, Phrase List). Edit the nine phrases of the phrase
buttons. They are kept for your next games.&lt;/p&gt;
</source>
        <extracomment>A page of the help window, in HTML; keep the tags</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
&lt;p&gt;&lt;b&gt;Tavlix&lt;/b&gt;&lt;br&gt;Copyright &amp;copy; 2026 Orvel Software&lt;/p&gt;
&lt;p&gt;This program is free software: you can redistribute it and/or modify it
under the terms of the GNU General Public License as published by the Free
Software Foundation, either version 3 of the License, or (at your option) any
later version.&lt;/p&gt;
&lt;p&gt;This program is distributed in the hope that it will be useful, but
WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or
FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more
details.&lt;/p&gt;
&lt;p&gt;You should have received a copy of the GNU General Public License along
with this program (the file LICENSE that comes with it). If not, see
https://www.gnu.org/licenses/.&lt;/p&gt;
</source>
        <extracomment>A page of the help window, in HTML; keep the tags</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
&lt;p&gt;The Orvel Lobby is a separate program where players meet and start
multi-player games. It starts Tavlix for every player of a game with three
things: the player&apos;s name, the address of the host, and whether this player
hosts. While the game runs, the lobby can tell that Tavlix is still open.&lt;/p&gt;
&lt;p&gt;A solo game shows the window Download The Orvel Lobby: it can fetch the
lobby for you, and &lt;b&gt;Play with Others&lt;/b&gt; starts an installed lobby.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;The Linux launcher.&lt;/b&gt; On Linux the lobby is &lt;b&gt;orvellobby&lt;/b&gt;, which
is built and installed beside tavlix. Start it and fill in its window:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Your name&lt;/b&gt;: the name the other players see (blanks are fine).&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Host address&lt;/b&gt;: the computer that runs the game, as a name or an
address such as 192.168.1.20 or 2001:db8::20.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Press &lt;b&gt;Host a game&lt;/b&gt; to run the game on your computer; the others join
you with your computer&apos;s address. Press &lt;b&gt;Join a game&lt;/b&gt; to join the game at
the host address. The launcher remembers both entries, and its status line
says Game running while your game is open and Game ended once it
closes.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Games on your network.&lt;/b&gt; The launcher&apos;s list shows the games hosted on
your home network, with the host&apos;s name, the address, the players and the
state, for example &lt;i&gt;Ann at 192.168.1.20, 2 players, round 2 of 3&lt;/i&gt;.
Choose one to fill in the host address, or double-click it (or press Enter
on it) to join straight away. The list needs the Avahi service
(avahi-daemon), which most Linux desktops run; without it, join by address.&lt;/p&gt;
&lt;p&gt;You can also start Tavlix yourself with the same three things on the
command line, for example &lt;i&gt;tavlix Ann 192.168.1.20 true&lt;/i&gt; to host; any
other last word joins.&lt;/p&gt;
</source>
        <extracomment>A page of the help window, in HTML; keep the tags</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;History&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Version %1&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;First release: solo games against the computer, hosted and joined games for up to six players and three watchers, chat with phrase buttons and chatter sounds, the tally list, quick instructions and this help.&lt;/li&gt;&lt;/ul&gt;</source>
        <extracomment>The Documentation page of the help window, in HTML; keep the tags and %1 (the version)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overview</source>
        <extracomment>Help topics</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavlix - Help File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TileArt</name>
    <message>
        <source>heart</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>star</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ring</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drop</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tphrases</name>
    <message>
        <source>Tavlix - Phrase Buttons </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Tavlix - Spys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove From Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Opponent&apos;s Tally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opponent Wins:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavlix - Tally List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Column heading: counted over all games</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session</source>
        <extracomment>Column heading: counted since the program started</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick a player of the current game to keep a tally of your games against them; untick to stop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The damaged file is kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is left as it is; results of this game are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WireLines</name>
    <message>
        <source>%1 tried to join again and was turned away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turned away %1 connections from %2 (%3).</source>
        <extracomment>%1 a number, %2 an address or &quot;N other addresses&quot;, %3 the reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 other addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too many waiting to log in</source>
        <extracomment>Why the host turned connections away</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too many connections</source>
        <extracomment>Why the host turned connections away</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>removed</source>
        <extracomment>Why the host turned connections away: the player was removed from the game</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>table locked</source>
        <extracomment>Why the host turned connections away</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 chats: %2</source>
        <extracomment>A chat line: %1 a player&apos;s name, %2 what they typed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 says: %2</source>
        <extracomment>A phrase button&apos;s line: %1 a player&apos;s name, %2 the phrase</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
