<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoardPanel</name>
    <message>
        <source>Raised</source>
        <extracomment>A hand tile lifted up, chosen to be placed</extracomment>
        <translation>Angehoben</translation>
    </message>
    <message>
        <source>You cannot put a tile there.</source>
        <translation>Dort kannst du kein Plättchen hinlegen.</translation>
    </message>
    <message>
        <source>Tile not valid.</source>
        <translation>Ungültiges Plättchen.</translation>
    </message>
    <message>
        <source>That tile does not match.</source>
        <translation>Dieses Plättchen passt nicht.</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>An empty cell of the board</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <extracomment>A board cell for screen readers: column, row and the four pictures of its tile</extracomment>
        <translation>Spalte %1, Zeile %2: %3</translation>
    </message>
</context>
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Chatnachricht</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Hier chatten&gt;</translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation>Chat-Geräusche</translation>
    </message>
    <message>
        <source>Chat pictures</source>
        <translation>Chat-Bildchen</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Chat nicht mitscrollen</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Chat leeren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Die Webseite lässt sich nicht öffnen</translation>
    </message>
</context>
<context>
    <name>ChatterSounds</name>
    <message>
        <source>Doh</source>
        <extracomment>The chatter sounds menu: each item names a short recorded sound</extracomment>
        <translation>Mist</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Husten</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hallo</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Danke</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Wo warst du denn?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Schnarchen</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Niesen</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Entschuldigung</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Jiiihaa</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Juhu</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh nein</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaus</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Hupen</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pfffrrt</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Jubel</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Frau lacht</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Mann lacht</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Weinen</translation>
    </message>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Abbrechen&gt;</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <extracomment>A line in the chat: %1 a player&apos;s name, %2 the name of the sound they played</extracomment>
        <translation>%1: &lt;Chat-Geräusch&gt; %2</translation>
    </message>
</context>
<context>
    <name>ClientConnection</name>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 hat eine andere Version des Spiels als du.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Du hast eine andere Version des Spiels als der Gastgeber.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>Das Spiel ist voll</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Solospiel wird geladen … Bitte warte kurz.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Mehrspielerpartie wird geladen … Bitte warte kurz.</translation>
    </message>
    <message>
        <source>Cannot host the game on port 7772 (%1).</source>
        <translation>Das Spiel kann nicht auf Port 7772 eröffnet werden (%1).</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2.</source>
        <translation>Keine Verbindung zu %1 möglich: %2.</translation>
    </message>
    <message>
        <source>The connection to the host was lost.</source>
        <translation>Die Verbindung zum Gastgeber ist abgebrochen.</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>The player&apos;s own name in a solo game</extracomment>
        <translation>Du</translation>
    </message>
    <message>
        <source>Could not join %1: the lobby&apos;s address &quot;%2&quot; in the settings is not host:port.</source>
        <translation>Beitritt zu %1 nicht möglich: Die Adresse der Lobby „%2“ in den Einstellungen hat nicht die Form host:port.</translation>
    </message>
    <message>
        <source>Connected through the lobby&apos;s relay.</source>
        <translation>Über die Weiterleitung der Lobby verbunden.</translation>
    </message>
</context>
<context>
    <name>ConnectFailure</name>
    <message>
        <source>nothing answers on port %1 there</source>
        <translation>dort antwortet nichts auf Port %1</translation>
    </message>
    <message>
        <source>that address cannot be reached</source>
        <translation>diese Adresse ist nicht erreichbar</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>keine Antwort innerhalb von %1 s</translation>
    </message>
    <message>
        <source>the name cannot be looked up</source>
        <translation>der Name lässt sich nicht auflösen</translation>
    </message>
</context>
<context>
    <name>HandTile</name>
    <message>
        <source>empty</source>
        <extracomment>An empty slot of the hand</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>Tile %1: %2</source>
        <extracomment>A hand tile for screen readers: its slot number and its four pictures</extracomment>
        <translation>Plättchen %1: %2</translation>
    </message>
</context>
<context>
    <name>LanGamesList</name>
    <message>
        <source>Finding games on your network needs the Avahi service (avahi-daemon), which is not running here.</source>
        <translation>Um Spiele in deinem Netzwerk zu finden, ist der Avahi-Dienst (avahi-daemon) nötig, der hier nicht läuft.</translation>
    </message>
    <message>
        <source>Games on your network</source>
        <translation>Spiele in deinem Netzwerk</translation>
    </message>
    <message>
        <source>No games on your network yet.</source>
        <translation>Noch keine Spiele in deinem Netzwerk.</translation>
    </message>
</context>
<context>
    <name>LanTable</name>
    <message>
        <source>waiting</source>
        <extracomment>The state of a game on the network</extracomment>
        <translation>wartet</translation>
    </message>
    <message>
        <source>round %1 of %2</source>
        <translation>Runde %1 von %2</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>, locked</source>
        <translation>, gesperrt</translation>
    </message>
    <message>
        <source>, full</source>
        <translation>, voll</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 Spieler</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 Spieler</translation>
    </message>
    <message>
        <source>%1 at %2, %3, %4</source>
        <extracomment>A game on the network: the host&apos;s name, its address, the players, its state</extracomment>
        <translation>%1 (%2), %3, %4</translation>
    </message>
</context>
<context>
    <name>LobbyDirectory</name>
    <message>
        <source>the lobby said %1</source>
        <translation>die Lobby antwortete: %1</translation>
    </message>
</context>
<context>
    <name>LobbyJoin</name>
    <message>
        <source>Could not connect to the lobby at %1: %2.</source>
        <translation>Keine Verbindung zur Lobby unter %1 möglich: %2.</translation>
    </message>
    <message>
        <source>There is no table with the invite code %1.</source>
        <translation>Es gibt keinen Tisch mit dem Einladungscode %1.</translation>
    </message>
    <message>
        <source>the table was closed</source>
        <translation>der Tisch wurde geschlossen</translation>
    </message>
    <message>
        <source>the host did not answer</source>
        <translation>der Gastgeber hat nicht geantwortet</translation>
    </message>
    <message>
        <source>too many wrong codes from your address; wait a minute</source>
        <translation>zu viele falsche Codes von deiner Adresse; warte eine Minute</translation>
    </message>
    <message>
        <source>the lobby said %1</source>
        <translation>die Lobby antwortete: %1</translation>
    </message>
    <message>
        <source>Could not join the table %1: %2.</source>
        <translation>Beitritt zum Tisch %1 nicht möglich: %2.</translation>
    </message>
</context>
<context>
    <name>LobbyLink</name>
    <message>
        <source>the lobby did not answer within %1 s</source>
        <translation>die Lobby hat nicht innerhalb von %1 s geantwortet</translation>
    </message>
    <message>
        <source>the lobby sent what this game does not understand</source>
        <translation>die Lobby hat etwas geschickt, das dieses Spiel nicht versteht</translation>
    </message>
    <message>
        <source>the connection to the lobby was lost</source>
        <translation>die Verbindung zur Lobby ist abgebrochen</translation>
    </message>
    <message>
        <source>the lobby closed the connection</source>
        <translation>die Lobby hat die Verbindung beendet</translation>
    </message>
</context>
<context>
    <name>LobbyRegistration</name>
    <message>
        <source>the lobby refused the table: %1</source>
        <translation>die Lobby hat den Tisch abgelehnt: %1</translation>
    </message>
</context>
<context>
    <name>LobbyWindow</name>
    <message>
        <source>Orvel Lobby</source>
        <translation>Orvel Lobby</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Host address</source>
        <translation>Adresse des Gastgebers</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Dein &amp;Name:</translation>
    </message>
    <message>
        <source>Host &amp;address:</source>
        <translation>&amp;Gastgeber:</translation>
    </message>
    <message>
        <source>Host a game</source>
        <translation>Spiel eröffnen</translation>
    </message>
    <message>
        <source>Join a game</source>
        <translation>Spiel beitreten</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Play Tavlix with others</source>
        <translation>Tavlix mit anderen spielen</translation>
    </message>
    <message>
        <source>To host, press &quot;Host a game&quot;; the others enter your address and press &quot;Join a game&quot;. The host must accept connections on TCP port 7772; the game asks the home router to open it.</source>
        <translation>Um Gastgeber zu sein, drücke „Spiel eröffnen“; die anderen geben deine Adresse ein und drücken „Spiel beitreten“. Der Gastgeber muss Verbindungen auf TCP-Port 7772 annehmen; das Spiel bittet den Router zu Hause, ihn zu öffnen.</translation>
    </message>
    <message>
        <source>Give the other players one of these addresses:</source>
        <translation>Gib den anderen Spielern eine dieser Adressen:</translation>
    </message>
    <message>
        <source>&amp;Games on your network:</source>
        <translation>&amp;Spiele in deinem Netzwerk:</translation>
    </message>
    <message>
        <source>Ready: host a game, or join the game at the host address.</source>
        <translation>Bereit: Eröffne ein Spiel oder tritt dem Spiel unter der Adresse des Gastgebers bei.</translation>
    </message>
    <message>
        <source>Port %1 on 127.0.0.1 is in use (%2), so this window cannot tell whether the game runs. Hosting and joining still work.</source>
        <translation>Port %1 auf 127.0.0.1 ist belegt (%2), daher kann dieses Fenster nicht erkennen, ob das Spiel läuft. Eröffnen und Beitreten funktionieren trotzdem.</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Bitte gib deinen Namen ein.</translation>
    </message>
    <message>
        <source>Please enter the host&apos;s address: a host name, or an address such as 192.168.1.20 or 2001:db8::20.</source>
        <translation>Bitte gib die Adresse des Gastgebers ein: einen Rechnernamen oder eine Adresse wie 192.168.1.20 oder 2001:db8::20.</translation>
    </message>
    <message>
        <source>Could not start the game (%1).</source>
        <translation>Das Spiel konnte nicht gestartet werden (%1).</translation>
    </message>
    <message>
        <source>Starting the game: hosting as %1.</source>
        <translation>Das Spiel startet: Du eröffnest es als %1.</translation>
    </message>
    <message>
        <source>Starting the game: joining %1 as %2.</source>
        <translation>Das Spiel startet: Du trittst %1 als %2 bei.</translation>
    </message>
    <message>
        <source>This window cannot show whether it runs: the presence port is in use.</source>
        <translation>Dieses Fenster kann nicht anzeigen, ob es läuft: Der Präsenz-Port ist belegt.</translation>
    </message>
    <message>
        <source>Game running</source>
        <translation>Spiel läuft</translation>
    </message>
    <message>
        <source>Game ended</source>
        <translation>Spiel beendet</translation>
    </message>
    <message>
        <source>On your network:</source>
        <translation>In deinem Netzwerk:</translation>
    </message>
    <message>
        <source>Over IPv6:</source>
        <translation>Über IPv6:</translation>
    </message>
    <message>
        <source>On the internet:</source>
        <translation>Im Internet:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 kopieren</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Games on the &amp;internet:</source>
        <translation>Spiele im &amp;Internet:</translation>
    </message>
    <message>
        <source>An invite code is a &quot;+&quot; and 8 letters and digits, such as +K7QX-M2PA.</source>
        <translation>Ein Einladungscode ist ein „+“ mit 8 Buchstaben und Ziffern, etwa +K7QX-M2PA.</translation>
    </message>
</context>
<context>
    <name>OnlineGamesList</name>
    <message>
        <source>Games on the internet</source>
        <translation>Spiele im Internet</translation>
    </message>
    <message>
        <source>The lobby cannot be reached (%1).</source>
        <translation>Die Lobby ist nicht erreichbar (%1).</translation>
    </message>
    <message>
        <source>Asking the lobby for its games ...</source>
        <translation>Die Lobby wird nach ihren Spielen gefragt ...</translation>
    </message>
    <message>
        <source>No public games in the lobby yet.</source>
        <translation>Noch keine öffentlichen Spiele in der Lobby.</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>keine Antwort innerhalb von %1 s</translation>
    </message>
</context>
<context>
    <name>OrvelLobby</name>
    <message>
        <source>The lobby&apos;s address in the settings is not host:port.</source>
        <translation>Die Adresse der Lobby in den Einstellungen hat nicht die Form host:port.</translation>
    </message>
</context>
<context>
    <name>PhraseButtons</name>
    <message>
        <source>Way To Go!</source>
        <translation>Weiter so!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>Guter Zug!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>Netter Versuch!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>Ausgezeichnet!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>Genial!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <extracomment>WTG: &quot;way to go&quot;</extracomment>
        <translation>Wow, spitze!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Danke!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>Weiter so, Partner!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>Gutes Spiel an alle!</translation>
    </message>
    <message>
        <source>Phrase %1</source>
        <translation>Spruch %1</translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation>Chat-Geräusche</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>&amp;Remove From Game</source>
        <translation>Aus dem Spiel &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Set to Just Watch</source>
        <translation>&amp;Nur zuschauen lassen</translation>
    </message>
    <message>
        <source>&amp;Unset Just Watch</source>
        <translation>&amp;Wieder mitspielen lassen</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Du bist verbunden.</translation>
    </message>
    <message>
        <source>Press Ctrl-I to view Quick Instructions.</source>
        <translation>Drücke Strg+I für die Kurzanleitung.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 ist verbunden.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Du kiebitzt.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 kiebitzt.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 hat die Verbindung verloren.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 hat das Spiel verlassen.</translation>
    </message>
</context>
<context>
    <name>QuickInstructions</name>
    <message>
        <source>Quick Instructions</source>
        <translation>Kurzanleitung</translation>
    </message>
    <message>
        <source>TAVLIX QUICK INSTRUCTIONS</source>
        <translation>TAVLIX-KURZANLEITUNG</translation>
    </message>
    <message>
        <source>Complete four-tile square formations to earn points!</source>
        <translation>Vervollständige Viererquadrate und sammle Punkte!</translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>The button that closes the quick instructions</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Click a tile in your hand, then click the position on the board where it should go.</source>
        <translation>Klicke ein Plättchen in deiner Hand an und dann das Feld auf dem Spielbrett, wo es hin soll.</translation>
    </message>
    <message>
        <source>Sides of tiles must match.</source>
        <translation>Die Seiten der Plättchen müssen zusammenpassen.</translation>
    </message>
    <message>
        <source>This is an example of a four-tile square.</source>
        <translation>Das ist ein Beispiel für ein Vierer­quadrat.</translation>
    </message>
    <message>
        <source>A tile placed here completes four four-tile squares at once!</source>
        <translation>Ein Plättchen hier vervollständigt vier Viererquadrate auf einmal!</translation>
    </message>
</context>
<context>
    <name>RoundView</name>
    <message>
        <source>Score of seat %1</source>
        <translation>Punktestand von Platz %1</translation>
    </message>
    <message>
        <source>Last points of seat %1</source>
        <translation>Letzte Punkte von Platz %1</translation>
    </message>
    <message>
        <source>Seat %1 is just watching</source>
        <translation>Platz %1 schaut nur zu</translation>
    </message>
    <message>
        <source>Just watching</source>
        <translation>Schaut nur zu</translation>
    </message>
    <message>
        <source>Turn arrow</source>
        <translation>Zugpfeil</translation>
    </message>
    <message>
        <source>Welcome to Tavlix by Orvel Software</source>
        <translation>Willkommen bei Tavlix von Orvel Software</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>For screen readers: what the line at the bottom of the board is</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Round: %1 of %2</source>
        <translation>Runde: %1 von %2</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Points scored</source>
        <translation>Erzielte Punkte</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Gewonnen!</translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <extracomment>A seat&apos;s score for screen readers: the player&apos;s name and the points</extracomment>
        <translation>%1: %2 Punkte</translation>
    </message>
    <message>
        <source>%1: no last points</source>
        <extracomment>For screen readers: %1 is a player&apos;s name, %2 the points of the last placement</extracomment>
        <translation>%1: zuletzt keine Punkte</translation>
    </message>
    <message>
        <source>%1: last points %2</source>
        <translation>%1: zuletzt %2 Punkte</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Du hast ein Spiel gestartet.</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 hat ein Spiel gestartet.</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Du bist dran.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>%1 ist dran.</translation>
    </message>
    <message>
        <source>Turn: %1</source>
        <extracomment>For screen readers: whose turn it is</extracomment>
        <translation>Am Zug: %1</translation>
    </message>
    <message>
        <source>You do not have a move.</source>
        <translation>Du kannst nicht legen.</translation>
    </message>
    <message>
        <source>%1 does not have a move.</source>
        <translation>%1 kann nicht legen.</translation>
    </message>
    <message>
        <source>No one has a move. Ending Round..</source>
        <translation>Niemand kann mehr legen. Die Runde endet …</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>Du hast das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 hat das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Spiel vorbei!</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Du bist nicht verbunden</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 schaut nur zu</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 spielt wieder mit</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <extracomment>An empty seat, in place of a player&apos;s name</extracomment>
        <translation>&lt;Frei&gt;</translation>
    </message>
</context>
<context>
    <name>StartGameButton</name>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>START GAME</source>
        <extracomment>Painted on the start button; keep it short, in capitals</extracomment>
        <translation>SPIEL STARTEN</translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Tavlix - About</source>
        <translation>Über Tavlix</translation>
    </message>
    <message>
        <source>Orvel Software web site</source>
        <translation>Website von Orvel Software</translation>
    </message>
    <message>
        <source>Version </source>
        <extracomment>Followed by the version number, e.g. &quot;Version 1.0.0.0&quot;</extracomment>
        <translation>Version </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>TavlixProgram</name>
    <message>
        <source>The table is locked: nobody new can join.</source>
        <translation>Der Tisch ist gesperrt: Niemand Neues kann mehr beitreten.</translation>
    </message>
    <message>
        <source>The table is open again.</source>
        <translation>Der Tisch ist wieder offen.</translation>
    </message>
    <message>
        <source>The computer plays Expert.</source>
        <translation>Der Computer spielt jetzt auf der Stufe Experte.</translation>
    </message>
    <message>
        <source>The computer plays Strong.</source>
        <translation>Der Computer spielt jetzt auf der Stufe Stark.</translation>
    </message>
    <message>
        <source>Your game is not shown to launchers on your network, since that needs the Avahi service (avahi-daemon), which is not running here. Players can still join you by address.</source>
        <translation>Dein Spiel erscheint nicht in den Launchern in deinem Netzwerk, weil dafür der Avahi-Dienst (avahi-daemon) nötig ist, der hier nicht läuft. Spieler können dir trotzdem über deine Adresse beitreten.</translation>
    </message>
    <message>
        <source>Players on your network can join you at %1.</source>
        <translation>Spieler in deinem Netzwerk können dir unter %1 beitreten.</translation>
    </message>
    <message>
        <source>this machine</source>
        <translation>diesen Computer</translation>
    </message>
    <message>
        <source>Players on the internet can join you at %1.</source>
        <translation>Spieler im Internet können dir unter %1 beitreten.</translation>
    </message>
    <message>
        <source>Your router opened port %1; it did not tell its address on the internet.</source>
        <translation>Dein Router hat Port %1 geöffnet, aber seine Adresse im Internet nicht genannt.</translation>
    </message>
    <message>
        <source>Your internet provider shares its IPv4 address among many homes, so players on the internet cannot reach you over IPv4.</source>
        <translation>Dein Internetanbieter teilt seine IPv4-Adresse auf viele Haushalte auf, daher können dich Spieler im Internet nicht über IPv4 erreichen.</translation>
    </message>
    <message>
        <source>The game could not ask your router to open port %1: %2. Players outside your network can join only if you forward port %1 to %3.</source>
        <translation>Das Spiel konnte deinen Router nicht bitten, Port %1 zu öffnen: %2. Spieler außerhalb deines Netzwerks können nur beitreten, wenn du Port %1 an %3 weiterleitest.</translation>
    </message>
    <message>
        <source>Your router did not open port %1 (%2). Players outside your network can join only if you forward port %1 to %3.</source>
        <translation>Dein Router hat Port %1 nicht geöffnet (%2). Spieler außerhalb deines Netzwerks können nur beitreten, wenn du Port %1 an %3 weiterleitest.</translation>
    </message>
    <message>
        <source>Your router did not keep port %1 open (%2). The game keeps asking it.</source>
        <translation>Dein Router hat Port %1 nicht offen gehalten (%2). Das Spiel fragt weiter nach.</translation>
    </message>
    <message>
        <source>Players with IPv6 can join you at %1.</source>
        <translation>Spieler mit IPv6 können dir unter %1 beitreten.</translation>
    </message>
    <message>
        <source>The game could not ask your router to open port %1 for IPv6: %2.</source>
        <translation>Das Spiel konnte deinen Router nicht bitten, Port %1 für IPv6 zu öffnen: %2.</translation>
    </message>
    <message>
        <source>Your router did not open port %1 for IPv6 (%2).</source>
        <translation>Dein Router hat Port %1 für IPv6 nicht geöffnet (%2).</translation>
    </message>
    <message>
        <source>Your router did not keep port %1 open for IPv6 (%2). The game keeps asking it.</source>
        <translation>Dein Router hat Port %1 für IPv6 nicht offen gehalten (%2). Das Spiel fragt weiter nach.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Your table is listed in the lobby.</source>
        <translation>Dein Tisch ist in der Lobby eingetragen.</translation>
    </message>
    <message>
        <source>The lobby cannot be reached (%1); players on your network, or who can reach your address, can still join you.</source>
        <translation>Die Lobby ist nicht erreichbar (%1); Spieler in deinem Netzwerk oder alle, die deine Adresse erreichen, können dir trotzdem beitreten.</translation>
    </message>
    <message>
        <source>its address &quot;%1&quot; in the settings is not host:port</source>
        <translation>ihre Adresse „%1“ in den Einstellungen hat nicht die Form host:port</translation>
    </message>
    <message>
        <source>Friends can join you with the invite code %1.</source>
        <translation>Freunde können dir mit dem Einladungscode %1 beitreten.</translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Tavlix by Orvel Software</source>
        <translation>Tavlix von Orvel Software</translation>
    </message>
    <message>
        <source>Orvel Software web site</source>
        <translation>Website von Orvel Software</translation>
    </message>
    <message>
        <source>Text &amp;Color</source>
        <translation>Text&amp;farbe</translation>
    </message>
    <message>
        <source>Text Si&amp;ze</source>
        <translation>Text&amp;größe</translation>
    </message>
    <message>
        <source>Clear &amp;Main Chat</source>
        <translation>Chat &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;8</source>
        <translation>&amp;8</translation>
    </message>
    <message>
        <source>1&amp;0</source>
        <translation>1&amp;0</translation>
    </message>
    <message>
        <source>1&amp;2</source>
        <translation>1&amp;2</translation>
    </message>
    <message>
        <source>1&amp;4</source>
        <translation>1&amp;4</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>Spiel &amp;starten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>Töne &amp;abspielen</translation>
    </message>
    <message>
        <source>Player P&amp;hrase Sounds</source>
        <translation>Geräusche der &amp;Mitspieler</translation>
    </message>
    <message>
        <source>&amp;Turn Sound</source>
        <translation>Ton bei deinem &amp;Zug</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <extracomment>The game&apos;s original one: a turn sound, and a computer strength (one text for both)</extracomment>
        <translation>&amp;Klassisch</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>A turn sound: the newer recording</extracomment>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Bot Speed</source>
        <translation>&amp;Bedenkzeit des Computers</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Langsam</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>Computer &amp;Strength</source>
        <translation>Spielstärke des &amp;Computers</translation>
    </message>
    <message>
        <source>&amp;Strong</source>
        <extracomment>Computer strength</extracomment>
        <translation>&amp;Stark</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <extracomment>Computer strength</extracomment>
        <translation>&amp;Experte</translation>
    </message>
    <message>
        <source>Show &amp;Fitting Cells</source>
        <translation>Passende F&amp;elder zeigen</translation>
    </message>
    <message>
        <source>Op&amp;en Port on Router</source>
        <translation>&amp;Port am Router öffnen</translation>
    </message>
    <message>
        <source>Show on &amp;Network</source>
        <translation>&amp;Im Netzwerk zeigen</translation>
    </message>
    <message>
        <source>&amp;Reset Screen Location</source>
        <translation>Fensterposition zu&amp;rücksetzen</translation>
    </message>
    <message>
        <source>&amp;Just Watch</source>
        <translation>&amp;Nur zuschauen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>View &amp;Tally</source>
        <translation>Bilanz &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Spy List</source>
        <translation>&amp;Kiebitzliste</translation>
    </message>
    <message>
        <source>&amp;Phrase List</source>
        <translation>&amp;Spruchliste</translation>
    </message>
    <message>
        <source>Go to &amp;Board</source>
        <translation>Zum Spiel&amp;brett</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Quick Instructions</source>
        <translation>&amp;Kurzanleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Tavlix</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Loc&amp;k Table</source>
        <translation>&amp;Tisch sperren</translation>
    </message>
    <message>
        <source>&amp;System Default</source>
        <translation>&amp;Systemstandard</translation>
    </message>
    <message>
        <source>Scroll Ch&amp;at Off</source>
        <translation>C&amp;hat nicht mitscrollen</translation>
    </message>
    <message>
        <source>Copy &amp;Invite Code</source>
        <translation>Einladungscode &amp;kopieren</translation>
    </message>
    <message>
        <source>Play &amp;Online</source>
        <extracomment>Submenu: whether a hosted table is shown to players on the internet</extracomment>
        <translation>&amp;Online spielen</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <extracomment>Play Online: the table is not told to the lobby on the internet</extracomment>
        <translation>&amp;Aus</translation>
    </message>
    <message>
        <source>&amp;Invite Only</source>
        <extracomment>Play Online: only players given the invite code find the table</extracomment>
        <translation>Nur auf &amp;Einladung</translation>
    </message>
    <message>
        <source>&amp;Public</source>
        <extracomment>Play Online: the table is listed for everyone on the internet</extracomment>
        <translation>&amp;Öffentlich</translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>Please close the game and open the Orvel Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Bitte schließe das Spiel und öffne die Orvel Lobby über das Symbol auf deinem Desktop oder über das Startmenü.</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Ein Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>No download</source>
        <translation>Kein Download</translation>
    </message>
    <message>
        <source>Download The Orvel Lobby</source>
        <translation>Orvel Lobby herunterladen</translation>
    </message>
    <message>
        <source>The Orvel Lobby</source>
        <translation>Die Orvel Lobby</translation>
    </message>
    <message>
        <source>Download The Orvel Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Hol dir jetzt die Orvel Lobby und spiel dieses und andere tolle Spiele online mit anderen! </translation>
    </message>
    <message>
        <source>Download And Install The Orvel Lobby Now</source>
        <translation>Orvel Lobby jetzt herunterladen und installieren</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Download stoppen</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Download-Fortschritt</translation>
    </message>
    <message>
        <source>Download state</source>
        <translation>Download-Status</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Wenn du nur gegen den Computer spielen willst, klicke auf den Knopf unten.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Allein spielen</translation>
    </message>
    <message>
        <source>If you already have The Orvel Lobby and you wish to play with others then click the button below to close this game and open The Orvel Lobby.</source>
        <translation>Wenn du die Orvel Lobby schon hast und mit anderen spielen möchtest, klicke auf den Knopf unten: Dann schließt sich dieses Spiel und die Orvel Lobby öffnet sich.</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Mit anderen spielen</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Hinweis: Auch wenn du offline spielst, musst du deine FIREWALL so einstellen, dass das Spiel auf die Internetkomponenten zugreifen darf.</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. It is one of the game&apos;s own files.</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. Sie gehört zum Spiel selbst.</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Der Download wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Download abgebrochen</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Wird heruntergeladen: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 Bytes empfangen</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Wird installiert</translation>
    </message>
</context>
<context>
    <name>Tgamestart</name>
    <message>
        <source>Tavlix - Game Start</source>
        <translation>Tavlix - Spielstart</translation>
    </message>
    <message>
        <source>Game Option</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>Number of Rounds: </source>
        <translation>Anzahl Runden: </translation>
    </message>
    <message>
        <source>Number of Rounds</source>
        <translation>Anzahl Runden</translation>
    </message>
    <message>
        <source>More rounds</source>
        <translation>Mehr Runden</translation>
    </message>
    <message>
        <source>Fewer rounds</source>
        <translation>Weniger Runden</translation>
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
        <translation>
&lt;p&gt;Hallo und willkommen bei Tavlix!&lt;/p&gt;
&lt;p&gt;Tavlix ist an vielen Abenden entstanden, an denen wir am Küchentisch
Plättchen gelegt haben. Wir wollten ein Spiel, das man schnell lernt, bei dem
man in Ruhe nebenher plaudern kann und das einen trotzdem vor jedem Zug
zweimal nachdenken lässt. Jedes Plättchen zeigt vier Bilder (ein Herz, einen
Stern, einen Ring und einen Tropfen), eins auf jeder Seite, und jede Seite,
die ein anderes Plättchen berührt, muss dasselbe Bild zeigen wie ihr
Nachbar.&lt;/p&gt;
&lt;p&gt;Du kannst allein gegen den Computer spielen oder dich mit Freunden in
deinem Heimnetz oder über das Internet treffen, mit bis zu sechs Spielern an
einem Spielbrett und ein paar Leuten mehr, die zuschauen. Chatte, schick mit
einem Klick einen Spruch, spiel dem ganzen Tisch ein albernes Geräusch vor und
führe Bilanz darüber, wie du gegen die Leute abschneidest, die du
triffst.&lt;/p&gt;
&lt;p&gt;Wenn du noch nie gespielt hast, drücke &lt;b&gt;Strg+I&lt;/b&gt; für die
Kurzanleitung, dann drücke &lt;b&gt;Spiel starten&lt;/b&gt; und probier es
einfach aus. Viel Spaß!&lt;/p&gt;
&lt;p&gt;Dein Team von Orvel Software&lt;/p&gt;
</translation>
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
        <translation>
&lt;p&gt;Die Spieler legen reihum je ein Plättchen. Wenn du dran bist, steht in der
Statuszeile unter dem Spielbrett &lt;b&gt;Du bist dran.&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Ein Plättchen legen.&lt;/b&gt; Klicke ein Plättchen in deiner Hand an, um es
anzuheben, und klicke dann auf das Feld des Spielbretts, wo es hin soll.
Klicke ein angehobenes Plättchen noch einmal an, um es wieder zu senken. Ein
Plättchen darf überall auf dem Spielbrett liegen, solange jede Seite, die ein
anderes Plättchen berührt, dasselbe Bild zeigt wie die anliegende Seite dieses
Plättchens. Plättchen werden nie gedreht. Ein gelegtes Plättchen wird sofort
aus dem Vorrat ersetzt.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Mit der Tastatur spielen.&lt;/b&gt; Drücke &lt;b&gt;Strg+B&lt;/b&gt; (Ansicht, Zum
Spielbrett), um von überall im Fenster zum Spielbrett zu springen, oder klicke
auf das Spielbrett oder ein Plättchen deiner Hand. Die Pfeiltasten bewegen ein
Cursorfeld über das Spielbrett. Die Tasten &lt;b&gt;1&lt;/b&gt; bis &lt;b&gt;7&lt;/b&gt; heben die
Plättchen deiner Hand an oder senken sie, von links gezählt. &lt;b&gt;Enter&lt;/b&gt; oder
die &lt;b&gt;Leertaste&lt;/b&gt; legt das angehobene Plättchen auf das Cursorfeld, genau
wie ein Klick. &lt;b&gt;Esc&lt;/b&gt; senkt es wieder und schließt die Fenster Hilfe,
Bilanz, Sprüche und Kiebitze.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Punkte.&lt;/b&gt; Ein Plättchen bringt Punkte für jedes Plättchen, das es
berührt, und mehr für jedes Viererquadrat, das es vervollständigt (siehe
&lt;i&gt;Punktewertung&lt;/i&gt;).&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Runden.&lt;/b&gt; Wenn kein Spieler mehr ein Plättchen legen kann, endet die
Runde, und eine neue beginnt mit einem leeren Spielbrett und neuen Plättchen
auf der Hand; die Punkte bleiben erhalten. Wer nicht legen kann, wartet
einfach, während die anderen weiterspielen.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Gewinnen.&lt;/b&gt; Nach der letzten Runde gewinnt der Spieler mit den meisten
Punkten. Teilen sich mehrere Spieler den höchsten Punktestand, werden weitere
Runden gespielt, bis einer vorn liegt.&lt;/p&gt;
</translation>
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
        <translation>
&lt;p&gt;Ein gelegtes Plättchen bringt Punkte nach der Zahl der Plättchen, die es
berührt:&lt;/p&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;2&quot;&gt;
&lt;tr&gt;&lt;td&gt;berührt 1 Plättchen&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;5&lt;/b&gt; Punkte&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;berührt 2 Plättchen&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;15&lt;/b&gt; Punkte&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;berührt 3 Plättchen&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;30&lt;/b&gt; Punkte&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;berührt 4 Plättchen&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;50&lt;/b&gt; Punkte&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Zusätzlich bringt jedes Viererquadrat (ein Block aus 2 × 2 Plättchen), das
das Plättchen vervollständigt, &lt;b&gt;50&lt;/b&gt; Punkte. Ein Plättchen, das in eine
Lücke zwischen lauter Plättchen gelegt wird, kann bis zu vier Quadrate auf
einmal vervollständigen: 50 Punkte für seine vier Nachbarn plus 200 für die
Quadrate.&lt;/p&gt;
&lt;p&gt;Die Punkte deines letzten Zugs stehen neben deinem Punktestand und
erscheinen kurz über dem Spielbrett. Wer am Ende der letzten Runde die meisten
Punkte hat, gewinnt das Spiel.&lt;/p&gt;
</translation>
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
        <translation>
&lt;p&gt;&lt;b&gt;Nur zuschauen&lt;/b&gt; (Optionen, Nur zuschauen). Setz eine Weile aus: Der
Computer spielt deine Züge, bis du es wieder auswählst. Dein Platz zeigt
solange ein Paar Augen.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Bedenkzeit des Computers&lt;/b&gt; (Optionen, Bedenkzeit des Computers). Wie
lange die Computerspieler nachdenken, bevor sie legen: Langsam (2 Sekunden),
Normal (1 Sekunde) oder Schnell (eine halbe Sekunde). Die Änderung gilt ab dem
nächsten Zug des Computers.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Spielstärke des Computers&lt;/b&gt; (Optionen, Spielstärke des Computers). Wie
gut der Computer spielt. Auf Klassisch, der Voreinstellung, nimmt er den
ersten Platz, den er findet, an dem sein Plättchen die meisten Plättchen
berührt, und zählt nie Punkte. Auf Stark wägt er jeden Platz für jedes
Plättchen seiner Hand ab: die Punkte sofort, die Viererquadrate, die er
vervollständigt, die Quadrate, die er dem nächsten Spieler übrig ließe, und
die Plättchen, die er für später behält. Auf Experte schaut er voraus: Er
verteilt die Plättchen, die er nicht sehen kann, viele Male zufällig, spielt in
jeder Verteilung die nächsten Züge durch und wählt den Zug, der im Schnitt am
besten abschneidet. Er denkt nach, während die Bedenkzeit läuft. Wie du sehen
die Computerspieler nur das Spielbrett, die Punktestände und ihre eigenen
Plättchen. Der Gastgeber wählt die Stufe für jeden Platz, den der Computer
spielt; die Änderung gilt ab dem nächsten Zug des Computers.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Töne&lt;/b&gt; (Optionen, Töne abspielen; Geräusche der Mitspieler; Ton bei
deinem Zug). Töne abspielen schaltet die Töne des Spiels ein oder aus.
Geräusche der Mitspieler schaltet die Chat-Geräusche aus, die dir andere
Spieler schicken. Ton bei deinem Zug wählt den Ton, der dir sagt, dass du dran
bist: Klassisch oder Neu.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Passende Felder zeigen&lt;/b&gt; (Optionen, Passende Felder zeigen). Solange
du in deinem Zug ein Plättchen angehoben hast, ist jedes Feld, in das dieses
Plättchen passt, mit einem zarten Rahmen markiert.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Port am Router öffnen&lt;/b&gt; (Optionen, Port am Router öffnen; anfangs an).
Solange du Gastgeber bist, bittet Tavlix deinen Router zu Hause, Spieler aus
dem Internet auf Port 7772 hereinzulassen (siehe &lt;i&gt;Verbinden&lt;/i&gt;). Schalte
es aus, damit der Router zu bleibt; der Port wird dann sofort
geschlossen.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Im Netzwerk zeigen&lt;/b&gt; (Optionen, Im Netzwerk zeigen; anfangs an).
Solange du Gastgeber bist, zeigen die Lobby-Launcher der Spieler in deinem
Heimnetz dein Spiel unter &lt;i&gt;Spiele in deinem Netzwerk&lt;/i&gt;, mit den Spielern
und ob gerade gespielt wird, sodass sie mit einem Doppelklick beitreten können.
Schalte es aus, zum Beispiel im WLAN eines Cafés, und dein Spiel verschwindet
sofort aus ihren Listen.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Tisch sperren&lt;/b&gt; (Optionen, Tisch sperren; bei jedem Start aus).
Sobald deine Freunde da sind, sperre den Tisch, dann kann niemand Neues mehr
beitreten; ein Freund, dessen Verbindung abgebrochen ist, kann trotzdem
zurückkommen. Der Chat sagt dir, wen das Spiel abgewiesen hat.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Chat- und Aktionstext&lt;/b&gt; (Optionen, Textfarbe; Textgröße; Chat nicht
mitscrollen; Chat leeren). Textfarbe wählt die Farbe deiner Chatzeilen,
Textgröße die Größe des ganzen Chattexts. Chat nicht mitscrollen (Strg+S)
verhindert, dass der Chat zur neuesten Zeile springt, während du
zurückliest; Chat leeren leert ihn. Tippe &lt;b&gt;/me&lt;/b&gt; und ein Leerzeichen vor
deinen Text, um ihn als Aktion zu senden (&amp;quot;/me winkt&amp;quot; zeigt deinen
Namen, gefolgt von winkt).&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Fensterposition&lt;/b&gt; (Optionen, Fensterposition zurücksetzen). Setzt das
Hauptfenster in seiner ursprünglichen Größe wieder oben links auf den
Bildschirm. Position und Größe des Fensters bleiben von Spiel zu Spiel
gespeichert.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Spruchknöpfe&lt;/b&gt; (die Knöpfe P1 bis P9 über dem Chat). Jeder schickt
mit einem einzigen Klick seinen Spruch in den Chat; halte die Maus über einen
Knopf, um seinen Spruch zu sehen. Ein Spruchknopf lässt sich nur alle 2
Sekunden benutzen. Der Notenknopf daneben schickt ein Chat-Geräusch, das alle
hören.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Bilanz&lt;/b&gt; (Ansicht, Bilanz anzeigen). Zählt deine Spiele und Siege.
Hake einen Mitspieler unter Spieler im aktuellen Spiel an, um ihn zu verfolgen:
Von da an hält die Bilanz deine Spiele gegen diesen Spieler fest und wer
gewonnen hat, insgesamt und in dieser Sitzung. Entferne den Haken bei einem
verfolgten Spieler, um seine Bilanz zu löschen. Zurücksetzen stellt alles wieder
auf null.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Kiebitzliste&lt;/b&gt; (Ansicht, Kiebitzliste). Zeigt die Kiebitze: alle,
die dem Spiel ohne eigenen Platz zuschauen.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Spruchliste&lt;/b&gt; (Ansicht, Spruchliste). Hier bearbeitest du die neun
Sprüche der Spruchknöpfe. Sie bleiben für deine nächsten Spiele
erhalten.&lt;/p&gt;
</translation>
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
        <translation>
&lt;p&gt;&lt;b&gt;Tavlix&lt;/b&gt;&lt;br&gt;Copyright &amp;copy; 2026 Orvel Software&lt;/p&gt;
&lt;p&gt;Dieses Programm ist freie Software: Du kannst es unter den Bedingungen der
GNU General Public License, wie von der Free Software Foundation
veröffentlicht, weitergeben und/oder verändern, entweder gemäß Version 3 der
Lizenz oder (nach deiner Wahl) jeder späteren Version.&lt;/p&gt;
&lt;p&gt;Dieses Programm wird in der Hoffnung verbreitet, dass es nützlich ist,
aber OHNE JEDE GEWÄHRLEISTUNG; sogar ohne die stillschweigende Gewährleistung
der MARKTGÄNGIGKEIT oder der EIGNUNG FÜR EINEN BESTIMMTEN ZWECK. Einzelheiten
findest du in der GNU General Public License.&lt;/p&gt;
&lt;p&gt;Du solltest eine Kopie der GNU General Public License zusammen mit diesem
Programm erhalten haben (die Datei LICENSE, die ihm beiliegt). Falls nicht,
siehe https://www.gnu.org/licenses/.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;History&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Version %1&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;First release: solo games against the computer, hosted and joined games for up to six players and three watchers, chat with phrase buttons and chatter sounds, the tally list, quick instructions and this help.&lt;/li&gt;&lt;/ul&gt;</source>
        <extracomment>The Documentation page of the help window, in HTML; keep the tags and %1 (the version)</extracomment>
        <translation>&lt;h3&gt;Versionsgeschichte&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Version %1&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Erste Veröffentlichung: Solospiele gegen den Computer, Netzwerkspiele mit Gastgeber für bis zu sechs Spieler und drei Kiebitze, Chat mit Spruchknöpfen und Chat-Geräuschen, die Bilanz, die Kurzanleitung und diese Hilfe.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Overview</source>
        <extracomment>Help topics</extracomment>
        <translation>Überblick</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Spielablauf</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Punktewertung</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>Die Lobby</translation>
    </message>
    <message>
        <source>Tavlix - Help File</source>
        <translation>Tavlix - Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Tavlix</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
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
&lt;p&gt;&lt;b&gt;Playing online with an invite code.&lt;/b&gt; Many homes let nobody in, and
no router setting changes that. So when you host, Tavlix also registers your
table with the Orvel lobby on the internet, and the chat says &quot;Friends can
join you with the invite code ...&quot; with a code such as +K7QX-M2PA. Send your
friends the code (File, Copy Invite Code puts it on the clipboard); it stays
the same every time you host. A friend joins with the code in place of an
address, in the lobby or on the command line. Where your computer cannot be
reached, the lobby relays the game between you: the chat of your friend says
&quot;Connected through the lobby&apos;s relay.&quot;, and the game plays exactly the same.
The relay only passes the game&apos;s own messages on and keeps none of them.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Play Online.&lt;/b&gt; Options, Play Online chooses what the lobby may do:
Off (never contact it), Invite Only (your table is found by its code only;
the usual choice) or Public (it is also listed in every lobby window, for
anyone to join). A change applies at once. If the lobby cannot be reached,
the chat says so once, and players on your network can still join you; the
game tries again every few minutes. Lock Table, removing a player and the
limits for strangers work for players who come through the lobby as for
everyone else.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Losing the host.&lt;/b&gt; The host&apos;s copy of Tavlix runs the game for
everyone. If the host leaves or is disconnected, all game play ends and the
other players&apos; windows close.&lt;/p&gt;
</source>
        <extracomment>A page of the help window, in HTML; keep the tags</extracomment>
        <translation>
&lt;p&gt;&lt;b&gt;Allein spielen.&lt;/b&gt; Startest du Tavlix für sich allein, öffnet es ein
Solospiel gegen den Computerspieler Klot. Drücke den Knopf &lt;b&gt;Spiel
starten&lt;/b&gt; auf dem Spielbrett (oder Datei, Spiel starten), um zu beginnen.
Ein Solospiel braucht keine Internetverbindung, spricht aber über die
Netzwerkkomponenten deines Computers mit sich selbst: Wenn eine Firewall
nachfragt, erlaube Tavlix, auf diesem Computer das Netzwerk zu nutzen.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Mit anderen spielen.&lt;/b&gt; Spiele mit anderen Leuten werden über den
Lobby-Launcher gestartet (siehe &lt;i&gt;Die Lobby&lt;/i&gt;). Ein Spieler ist Gastgeber
und eröffnet das Spiel, alle anderen treten ihm bei. Der erste Spieler in der
Liste ist meist der Gastgeber.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Gastgeber sein.&lt;/b&gt; Der Computer des Gastgebers muss eingehende
Verbindungen auf TCP-Port 7772 annehmen; gib Tavlix dort in der Firewall frei.
Wenn du Gastgeber bist, sagt dir der Chat, wo die anderen dir beitreten
können: „Spieler in deinem Netzwerk können dir unter ... beitreten.“ für jede
Adresse, die dein Computer in seinen Netzwerken hat, für Freunde im selben
Haushalt.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Gastgeber von zu Hause.&lt;/b&gt; Die meisten Haushalte gehen über einen
Router ins Internet, der von sich aus niemanden hereinlässt. Solange du
Gastgeber bist, bittet Tavlix deinen Router, Port 7772 für deinen Computer zu
öffnen (über NAT-PMP oder UPnP, was die meisten Router anbieten), jeweils für
eine Stunde und jede halbe Stunde erneut, und schließt ihn wieder, wenn du das
Spiel verlässt. Wenn der Router zustimmt, sagt der Chat „Spieler im Internet
können dir unter ... beitreten.“ mit deiner Adresse im Internet: Gib diese
Adresse deinen Freunden. Das Spiel nimmt nie einen anderen Port und wartet nie
auf den Router: Du kannst spielen, während er antwortet.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Wenn der Router ablehnt.&lt;/b&gt; Dann sagt der Chat, warum („Dein Router
hat Port 7772 nicht geöffnet ...“), und nennt die Adresse deines Computers.
Schalte auf der Einstellungsseite des Routers UPnP oder NAT-PMP ein, oder
leite dort TCP-Port 7772 von Hand an diese Adresse weiter. Wenn der Port schon
zu einem anderen Computer führt, beende dort zuerst das Spiel oder leite den
Port von Hand weiter. Spieler in deinem eigenen Netzwerk können dir immer
unter den Adressen beitreten, die der Chat anzeigt.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Fremde.&lt;/b&gt; Ein offener Port ist für alle offen. Eine Verbindung muss
sich innerhalb von 15 Sekunden anmelden, eine Adresse darf es nicht immer
wieder versuchen, und ein Spieler, den du aus dem Spiel entfernst, kann nicht
zurückkommen, solange du Gastgeber bist. Wen oder was das Spiel abweist, sagt
es dir im Chat.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Abschalten.&lt;/b&gt; Optionen, Port am Router öffnen schaltet das sofort aus
(oder wieder ein), auch während du Gastgeber bist; Tavlix schließt dann den
Port am Router. Die Wahl bleibt für die nächsten Spiele erhalten.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Online spielen mit Einladungscode.&lt;/b&gt; Viele Haushalte lassen niemanden
herein, und daran ändert auch keine Einstellung des Routers etwas. Deshalb
meldet Tavlix deinen Tisch, wenn du Gastgeber bist, auch bei der Orvel Lobby im
Internet an, und der Chat sagt „Freunde können dir mit dem Einladungscode ...
beitreten.“ mit einem Code wie +K7QX-M2PA. Schick deinen Freunden den Code
(Datei, Einladungscode kopieren legt ihn in die Zwischenablage); er bleibt
jedes Mal derselbe, wenn du Gastgeber bist. Ein Freund tritt mit dem Code
statt mit einer Adresse bei, in der Lobby oder auf der Kommandozeile. Wo dein
Computer nicht erreichbar ist, leitet die Lobby das Spiel zwischen euch weiter:
Im Chat deines Freundes steht „Über die Weiterleitung der Lobby verbunden.“,
und das Spiel läuft genau gleich. Die Weiterleitung reicht nur die Nachrichten
des Spiels weiter und behält keine davon.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Online spielen.&lt;/b&gt; Optionen, Online spielen legt fest, was die Lobby
darf: Aus (nie Kontakt aufnehmen), Nur auf Einladung (dein Tisch ist nur über
seinen Code zu finden; die übliche Wahl) oder Öffentlich (er steht außerdem in
jedem Lobby-Fenster, und jeder kann beitreten). Eine Änderung gilt sofort. Ist
die Lobby nicht erreichbar, sagt der Chat das einmal, und Spieler in deinem
Netzwerk können dir trotzdem beitreten; das Spiel versucht es alle paar Minuten
erneut. Tisch sperren, das Entfernen eines Spielers und die Grenzen für Fremde
gelten für Spieler, die über die Lobby kommen, genauso wie für alle
anderen.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Wenn der Gastgeber geht.&lt;/b&gt; Tavlix beim Gastgeber leitet das Spiel für
alle. Wenn der Gastgeber geht oder seine Verbindung abbricht, endet das Spiel
für alle, und die Fenster der anderen Spieler schließen sich.&lt;/p&gt;
</translation>
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
&lt;p&gt;&lt;b&gt;Games on the internet.&lt;/b&gt; The second list shows the public tables at
the Orvel lobby on the internet, for example &lt;i&gt;Ann at +K7QX-M2PA, 2 players,
waiting&lt;/i&gt;, and asks the lobby again every 15 seconds; press F5 to ask at
once. Choose one to put its invite code in the host address, or double-click
it (or press Enter on it) to join. The host address also takes an invite
code that a friend sent you, such as +K7QX-M2PA; letter case and the &quot;-&quot; do
not matter.&lt;/p&gt;
&lt;p&gt;You can also start Tavlix yourself with the same three things on the
command line, for example &lt;i&gt;tavlix Ann 192.168.1.20 true&lt;/i&gt; to host, or
&lt;i&gt;tavlix Bo +K7QX-M2PA false&lt;/i&gt; to join a friend&apos;s table by its invite
code; any other last word joins.&lt;/p&gt;
</source>
        <extracomment>A page of the help window, in HTML; keep the tags</extracomment>
        <translation>
&lt;p&gt;Die Orvel Lobby ist ein eigenes Programm, in dem sich Spieler treffen und
Mehrspielerpartien starten. Sie startet Tavlix für jeden Spieler einer Partie
mit drei Angaben: dem Namen des Spielers, der Adresse des Gastgebers und ob
dieser Spieler Gastgeber ist. Während das Spiel läuft, kann die Lobby
erkennen, dass Tavlix noch geöffnet ist.&lt;/p&gt;
&lt;p&gt;Ein Solospiel zeigt das Fenster Orvel Lobby herunterladen: Es kann die
Lobby für dich holen, und &lt;b&gt;Mit anderen spielen&lt;/b&gt; startet eine installierte
Lobby.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Der Linux-Launcher.&lt;/b&gt; Unter Linux ist die Lobby &lt;b&gt;orvellobby&lt;/b&gt;,
die zusammen mit tavlix gebaut und installiert wird. Starte sie und fülle ihr
Fenster aus:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Dein Name&lt;/b&gt;: der Name, den die anderen Spieler sehen (Leerzeichen
sind erlaubt).&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Gastgeber&lt;/b&gt;: der Computer, auf dem das Spiel läuft, als Name oder
als Adresse wie 192.168.1.20 oder 2001:db8::20.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Drücke &lt;b&gt;Spiel eröffnen&lt;/b&gt;, damit das Spiel auf deinem Computer läuft;
die anderen treten dir über die Adresse deines Computers bei. Drücke &lt;b&gt;Spiel
beitreten&lt;/b&gt;, um dem Spiel unter der Adresse des Gastgebers beizutreten. Der
Launcher merkt sich beide Eingaben, und seine Statuszeile zeigt Spiel läuft,
solange dein Spiel offen ist, und Spiel beendet, sobald es geschlossen
ist.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Spiele in deinem Netzwerk.&lt;/b&gt; Die Liste des Launchers zeigt die
Spiele, die in deinem Heimnetz eröffnet sind, mit dem Namen des Gastgebers,
der Adresse, den Spielern und dem Stand, zum Beispiel &lt;i&gt;Ann (192.168.1.20), 2
Spieler, Runde 2 von 3&lt;/i&gt;. Wähle eines aus, um die Adresse des Gastgebers
einzutragen, oder doppelklicke darauf (oder drücke Enter darauf), um sofort
beizutreten. Die Liste braucht den Avahi-Dienst (avahi-daemon), der auf den
meisten Linux-Desktops läuft; ohne ihn trittst du über die Adresse bei.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Spiele im Internet.&lt;/b&gt; Die zweite Liste zeigt die öffentlichen Tische
der Orvel Lobby im Internet, zum Beispiel &lt;i&gt;Ann (+K7QX-M2PA), 2 Spieler,
wartet&lt;/i&gt;, und fragt die Lobby alle 15 Sekunden neu; drücke F5, um sofort zu
fragen. Wähle einen Tisch aus, um seinen Einladungscode als Gastgeber
einzutragen, oder doppelklicke darauf (oder drücke Enter darauf), um
beizutreten. Das Feld Gastgeber nimmt auch einen Einladungscode an, den dir ein
Freund geschickt hat, etwa +K7QX-M2PA; Groß- und Kleinschreibung und das „-“
spielen keine Rolle.&lt;/p&gt;
&lt;p&gt;Du kannst Tavlix auch selbst mit denselben drei Angaben auf der
Kommandozeile starten, zum Beispiel &lt;i&gt;tavlix Ann 192.168.1.20 true&lt;/i&gt;, um
Gastgeber zu sein, oder &lt;i&gt;tavlix Bo +K7QX-M2PA false&lt;/i&gt;, um dem Tisch eines
Freundes über seinen Einladungscode beizutreten; mit jedem anderen letzten Wort
trittst du bei.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>TileArt</name>
    <message>
        <source>heart</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation>Herz</translation>
    </message>
    <message>
        <source>star</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation>Stern</translation>
    </message>
    <message>
        <source>ring</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation>Ring</translation>
    </message>
    <message>
        <source>drop</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation>Tropfen</translation>
    </message>
</context>
<context>
    <name>Tphrases</name>
    <message>
        <source>Tavlix - Phrase Buttons </source>
        <translation>Tavlix - Spruchknöpfe </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Spruchknopf %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Jeder Knopf lässt sich nur alle 2 Sekunden benutzen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Tavlix - Spys</source>
        <translation>Tavlix - Kiebitze</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Kiebitze</translation>
    </message>
    <message>
        <source>&amp;Remove From Game</source>
        <translation>Aus dem Spiel &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Opponent&apos;s Tally</source>
        <translation>Bilanz des Gegners</translation>
    </message>
    <message>
        <source>Opponent Wins:</source>
        <translation>Siege des Gegners:</translation>
    </message>
    <message>
        <source>Tavlix - Tally List</source>
        <translation>Tavlix - Bilanz</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Spieler im aktuellen Spiel</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Spieler mit Bilanz</translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation>Deine Gesamtbilanz</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Spiele gesamt:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Deine Siege</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Column heading: counted over all games</extracomment>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Session</source>
        <extracomment>Column heading: counted since the program started</extracomment>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Anzahl Spiele</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Deine Siege:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Keiner von beiden:</translation>
    </message>
    <message>
        <source>Tick a player of the current game to keep a tally of your games against them; untick to stop.</source>
        <translation>Hake einen Mitspieler an, um deine Bilanz gegen ihn festzuhalten; ohne Haken wird sie gelöscht.</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Damit wird die Bilanz von %1 gelöscht. Willst du sie wirklich löschen?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Siege von %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Bilanz von %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Willst du die Bilanz wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>The damaged file is kept as %1.</source>
        <translation>Die beschädigte Datei wird als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The file is left as it is; results of this game are not saved.</source>
        <translation>Die Datei bleibt unverändert; die Ergebnisse dieses Spiels werden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>WireLines</name>
    <message>
        <source>%1 tried to join again and was turned away.</source>
        <translation>%1 wollte erneut beitreten und wurde abgewiesen.</translation>
    </message>
    <message>
        <source>Turned away %1 connections from %2 (%3).</source>
        <extracomment>%1 a number, %2 an address or &quot;N other addresses&quot;, %3 the reason</extracomment>
        <translation>%1 Verbindungen von %2 abgewiesen (%3).</translation>
    </message>
    <message>
        <source>%1 other addresses</source>
        <translation>%1 anderen Adressen</translation>
    </message>
    <message>
        <source>too many waiting to log in</source>
        <extracomment>Why the host turned connections away</extracomment>
        <translation>zu viele warten auf die Anmeldung</translation>
    </message>
    <message>
        <source>too many connections</source>
        <extracomment>Why the host turned connections away</extracomment>
        <translation>zu viele Verbindungen</translation>
    </message>
    <message>
        <source>removed</source>
        <extracomment>Why the host turned connections away: the player was removed from the game</extracomment>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>table locked</source>
        <extracomment>Why the host turned connections away</extracomment>
        <translation>Tisch gesperrt</translation>
    </message>
    <message>
        <source>%1 chats: %2</source>
        <extracomment>A chat line: %1 a player&apos;s name, %2 what they typed</extracomment>
        <translation>%1 schreibt: %2</translation>
    </message>
    <message>
        <source>%1 says: %2</source>
        <extracomment>A phrase button&apos;s line: %1 a player&apos;s name, %2 the phrase</extracomment>
        <translation>%1 sagt: %2</translation>
    </message>
    <message>
        <source>%1 is removed: %2 and the name %1 stay away while you host.</source>
        <extracomment>%1 the removed player&apos;s name, %2 an address or address block such as 2001:db8:64::/64</extracomment>
        <translation>%1 wurde entfernt: %2 und der Name %1 bleiben draußen, solange du Gastgeber bist.</translation>
    </message>
    <message>
        <source>%1 is removed: the name %1 stays away while you host.</source>
        <extracomment>%1 the removed player&apos;s name</extracomment>
        <translation>%1 wurde entfernt: Der Name %1 bleibt draußen, solange du Gastgeber bist.</translation>
    </message>
</context>
</TS>
