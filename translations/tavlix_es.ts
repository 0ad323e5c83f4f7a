<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BoardPanel</name>
    <message>
        <source>Raised</source>
        <extracomment>A hand tile lifted up, chosen to be placed</extracomment>
        <translation>Levantada</translation>
    </message>
    <message>
        <source>You cannot put a tile there.</source>
        <translation>No puedes poner una ficha ahí.</translation>
    </message>
    <message>
        <source>Tile not valid.</source>
        <translation>Ficha no válida.</translation>
    </message>
    <message>
        <source>That tile does not match.</source>
        <translation>Esa ficha no encaja.</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>An empty cell of the board</extracomment>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <extracomment>A board cell for screen readers: column, row and the four pictures of its tile</extracomment>
        <translation>Columna %1, fila %2: %3</translation>
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
        <translation>Mensaje de chat</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Escribe aquí&gt;</translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation>Sonidos del chat</translation>
    </message>
    <message>
        <source>Chat pictures</source>
        <translation>Imágenes del chat</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>No desplazar el chat</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Borrar el chat principal</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>No se puede abrir la página web</translation>
    </message>
</context>
<context>
    <name>ChatterSounds</name>
    <message>
        <source>Doh</source>
        <extracomment>The chatter sounds menu: each item names a short recorded sound</extracomment>
        <translation>Ups</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Tos</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hola</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Gracias</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>¿Dónde estabas?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Ronquido</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Estornudo</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Perdón</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenidos</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Yijaa</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Yupi</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh, no</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Aplausos</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Bocina</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pedorreta</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Vítores</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Mujer riendo</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Hombre riendo</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Llanto</translation>
    </message>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Cancelar&gt;</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <extracomment>A line in the chat: %1 a player&apos;s name, %2 the name of the sound they played</extracomment>
        <translation>%1: &lt;Sonido&gt; %2</translation>
    </message>
</context>
<context>
    <name>ClientConnection</name>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 tiene una versión del juego distinta de la tuya.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Tienes una versión del juego distinta de la del anfitrión.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>La partida está completa</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Cargando partida en solitario... Espera, por favor.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Cargando partida multijugador... Espera, por favor.</translation>
    </message>
    <message>
        <source>Cannot host the game on port 7772 (%1).</source>
        <translation>No se puede crear la partida en el puerto 7772 (%1).</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2.</source>
        <translation>No se pudo conectar con %1: %2.</translation>
    </message>
    <message>
        <source>The connection to the host was lost.</source>
        <translation>Se ha perdido la conexión con el anfitrión.</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>The player&apos;s own name in a solo game</extracomment>
        <translation>Tú</translation>
    </message>
    <message>
        <source>Could not join %1: the lobby&apos;s address &quot;%2&quot; in the settings is not host:port.</source>
        <translation>No ha sido posible unirse a %1: la dirección del lobby «%2» de la configuración no tiene el formato host:puerto.</translation>
    </message>
    <message>
        <source>Connected through the lobby&apos;s relay.</source>
        <translation>Conexión establecida a través de la retransmisión del lobby.</translation>
    </message>
</context>
<context>
    <name>ConnectFailure</name>
    <message>
        <source>nothing answers on port %1 there</source>
        <translation>nadie responde allí en el puerto %1</translation>
    </message>
    <message>
        <source>that address cannot be reached</source>
        <translation>no se puede llegar a esa dirección</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>sin respuesta en %1 s</translation>
    </message>
    <message>
        <source>the name cannot be looked up</source>
        <translation>no se puede resolver el nombre</translation>
    </message>
</context>
<context>
    <name>HandTile</name>
    <message>
        <source>empty</source>
        <extracomment>An empty slot of the hand</extracomment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Tile %1: %2</source>
        <extracomment>A hand tile for screen readers: its slot number and its four pictures</extracomment>
        <translation>Ficha %1: %2</translation>
    </message>
</context>
<context>
    <name>LanGamesList</name>
    <message>
        <source>Finding games on your network needs the Avahi service (avahi-daemon), which is not running here.</source>
        <translation>Para encontrar partidas en tu red hace falta el servicio Avahi (avahi-daemon), que no se está ejecutando en este equipo.</translation>
    </message>
    <message>
        <source>Games on your network</source>
        <translation>Partidas en tu red</translation>
    </message>
    <message>
        <source>No games on your network yet.</source>
        <translation>Todavía no hay partidas en tu red.</translation>
    </message>
</context>
<context>
    <name>LanTable</name>
    <message>
        <source>waiting</source>
        <extracomment>The state of a game on the network</extracomment>
        <translation>en espera</translation>
    </message>
    <message>
        <source>round %1 of %2</source>
        <translation>ronda %1 de %2</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>en juego</translation>
    </message>
    <message>
        <source>, locked</source>
        <translation>, cerrada</translation>
    </message>
    <message>
        <source>, full</source>
        <translation>, completa</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 jugador</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 jugadores</translation>
    </message>
    <message>
        <source>%1 at %2, %3, %4</source>
        <extracomment>A game on the network: the host&apos;s name, its address, the players, its state</extracomment>
        <translation>%1 en %2, %3, %4</translation>
    </message>
</context>
<context>
    <name>LobbyDirectory</name>
    <message>
        <source>the lobby said %1</source>
        <translation>respuesta del lobby: %1</translation>
    </message>
</context>
<context>
    <name>LobbyJoin</name>
    <message>
        <source>Could not connect to the lobby at %1: %2.</source>
        <translation>No se pudo conectar con el lobby en %1: %2.</translation>
    </message>
    <message>
        <source>There is no table with the invite code %1.</source>
        <translation>No hay ninguna mesa con el código de invitación %1.</translation>
    </message>
    <message>
        <source>the table was closed</source>
        <translation>la mesa ya no está disponible</translation>
    </message>
    <message>
        <source>the host did not answer</source>
        <translation>el anfitrión no ha respondido</translation>
    </message>
    <message>
        <source>too many wrong codes from your address; wait a minute</source>
        <translation>demasiados códigos erróneos desde tu dirección; espera un minuto</translation>
    </message>
    <message>
        <source>the lobby said %1</source>
        <translation>respuesta del lobby: %1</translation>
    </message>
    <message>
        <source>Could not join the table %1: %2.</source>
        <translation>No ha sido posible unirse a la mesa %1: %2.</translation>
    </message>
</context>
<context>
    <name>LobbyLink</name>
    <message>
        <source>the lobby did not answer within %1 s</source>
        <translation>el lobby no ha respondido en %1 s</translation>
    </message>
    <message>
        <source>the lobby sent what this game does not understand</source>
        <translation>el lobby ha enviado algo que este juego no entiende</translation>
    </message>
    <message>
        <source>the connection to the lobby was lost</source>
        <translation>se ha perdido la conexión con el lobby</translation>
    </message>
    <message>
        <source>the lobby closed the connection</source>
        <translation>el lobby ha cerrado la conexión</translation>
    </message>
</context>
<context>
    <name>LobbyRegistration</name>
    <message>
        <source>the lobby refused the table: %1</source>
        <translation>el lobby ha rechazado la mesa: %1</translation>
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
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Host address</source>
        <translation>Dirección del anfitrión</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Tu &amp;nombre:</translation>
    </message>
    <message>
        <source>Host &amp;address:</source>
        <translation>&amp;Anfitrión:</translation>
    </message>
    <message>
        <source>Host a game</source>
        <translation>Crear partida</translation>
    </message>
    <message>
        <source>Join a game</source>
        <translation>Unirse a partida</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Play Tavlix with others</source>
        <translation>Juega a Tavlix con otras personas</translation>
    </message>
    <message>
        <source>To host, press &quot;Host a game&quot;; the others enter your address and press &quot;Join a game&quot;. The host must accept connections on TCP port 7772; the game asks the home router to open it.</source>
        <translation>Para ser el anfitrión, pulsa «Crear partida»; los demás escriben tu dirección y pulsan «Unirse a partida». El anfitrión debe aceptar conexiones en el puerto TCP 7772; el juego pide al router de casa que lo abra.</translation>
    </message>
    <message>
        <source>Give the other players one of these addresses:</source>
        <translation>Da a los demás jugadores una de estas direcciones:</translation>
    </message>
    <message>
        <source>&amp;Games on your network:</source>
        <translation>&amp;Partidas en tu red:</translation>
    </message>
    <message>
        <source>Ready: host a game, or join the game at the host address.</source>
        <translation>Todo listo: crea una partida o únete a la del anfitrión.</translation>
    </message>
    <message>
        <source>Port %1 on 127.0.0.1 is in use (%2), so this window cannot tell whether the game runs. Hosting and joining still work.</source>
        <translation>El puerto %1 de 127.0.0.1 está en uso (%2), así que esta ventana no puede saber si el juego está abierto. Puedes crear partidas y unirte a ellas igualmente.</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Escribe tu nombre.</translation>
    </message>
    <message>
        <source>Please enter the host&apos;s address: a host name, or an address such as 192.168.1.20 or 2001:db8::20.</source>
        <translation>Escribe la dirección del anfitrión: el nombre de su equipo o una dirección como 192.168.1.20 o 2001:db8::20.</translation>
    </message>
    <message>
        <source>Could not start the game (%1).</source>
        <translation>No se pudo iniciar el juego (%1).</translation>
    </message>
    <message>
        <source>Starting the game: hosting as %1.</source>
        <translation>Iniciando el juego: eres el anfitrión, con el nombre %1.</translation>
    </message>
    <message>
        <source>Starting the game: joining %1 as %2.</source>
        <translation>Iniciando el juego: te unes a %1 con el nombre %2.</translation>
    </message>
    <message>
        <source>This window cannot show whether it runs: the presence port is in use.</source>
        <translation>Esta ventana no puede mostrar si el juego está abierto: el puerto de presencia está en uso.</translation>
    </message>
    <message>
        <source>Game running</source>
        <translation>Partida en curso</translation>
    </message>
    <message>
        <source>Game ended</source>
        <translation>Partida terminada</translation>
    </message>
    <message>
        <source>On your network:</source>
        <translation>En tu red:</translation>
    </message>
    <message>
        <source>Over IPv6:</source>
        <translation>Por IPv6:</translation>
    </message>
    <message>
        <source>On the internet:</source>
        <translation>En internet:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copiar %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Games on the &amp;internet:</source>
        <translation>Partidas en &amp;internet:</translation>
    </message>
    <message>
        <source>An invite code is a &quot;+&quot; and 8 letters and digits, such as +K7QX-M2PA.</source>
        <translation>Un código de invitación es un «+» seguido de 8 letras y cifras, como +K7QX-M2PA.</translation>
    </message>
</context>
<context>
    <name>OnlineGamesList</name>
    <message>
        <source>Games on the internet</source>
        <translation>Partidas en internet</translation>
    </message>
    <message>
        <source>The lobby cannot be reached (%1).</source>
        <translation>No se puede contactar con el lobby (%1).</translation>
    </message>
    <message>
        <source>Asking the lobby for its games ...</source>
        <translation>Consultando las partidas del lobby...</translation>
    </message>
    <message>
        <source>No public games in the lobby yet.</source>
        <translation>Todavía no hay partidas públicas en el lobby.</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>sin respuesta en %1 s</translation>
    </message>
</context>
<context>
    <name>OrvelLobby</name>
    <message>
        <source>The lobby&apos;s address in the settings is not host:port.</source>
        <translation>La dirección del lobby en la configuración no tiene el formato host:puerto.</translation>
    </message>
</context>
<context>
    <name>PhraseButtons</name>
    <message>
        <source>Way To Go!</source>
        <translation>¡Así se hace!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>¡Buena jugada!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>¡Buen intento!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>¡Excelente!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>¡Genial!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <extracomment>WTG: &quot;way to go&quot;</extracomment>
        <translation>¡Guau, bien hecho!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>¡Gracias!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>¡Bien hecho, compañero!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>¡Buena partida a todos!</translation>
    </message>
    <message>
        <source>Phrase %1</source>
        <translation>Frase %1</translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation>Sonidos del chat</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>&amp;Remove From Game</source>
        <translation>&amp;Expulsar de la partida</translation>
    </message>
    <message>
        <source>&amp;Set to Just Watch</source>
        <translation>Pasar a &amp;solo mirar</translation>
    </message>
    <message>
        <source>&amp;Unset Just Watch</source>
        <translation>&amp;Devolver al juego</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Ya estás conectado.</translation>
    </message>
    <message>
        <source>Press Ctrl-I to view Quick Instructions.</source>
        <translation>Pulsa Ctrl-I para ver las instrucciones rápidas.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 se ha conectado.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Estás mirando la partida.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 está mirando la partida.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 se ha desconectado.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 ha salido de la partida.</translation>
    </message>
</context>
<context>
    <name>QuickInstructions</name>
    <message>
        <source>Quick Instructions</source>
        <translation>Instrucciones rápidas</translation>
    </message>
    <message>
        <source>TAVLIX QUICK INSTRUCTIONS</source>
        <translation>INSTRUCCIONES RÁPIDAS DE TAVLIX</translation>
    </message>
    <message>
        <source>Complete four-tile square formations to earn points!</source>
        <translation>¡Completa cuadrados de cuatro fichas para ganar puntos!</translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>The button that closes the quick instructions</extracomment>
        <translation>LISTO</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Click a tile in your hand, then click the position on the board where it should go.</source>
        <translation>Haz clic en una ficha de tu mano y luego en el lugar del tablero donde quieras ponerla.</translation>
    </message>
    <message>
        <source>Sides of tiles must match.</source>
        <translation>Los lados que se tocan deben coincidir.</translation>
    </message>
    <message>
        <source>This is an example of a four-tile square.</source>
        <translation>Este es un ejemplo de cuadrado de cuatro fichas.</translation>
    </message>
    <message>
        <source>A tile placed here completes four four-tile squares at once!</source>
        <translation>¡Una ficha colocada aquí completa cuatro cuadrados a la vez!</translation>
    </message>
</context>
<context>
    <name>RoundView</name>
    <message>
        <source>Score of seat %1</source>
        <translation>Puntuación del puesto %1</translation>
    </message>
    <message>
        <source>Last points of seat %1</source>
        <translation>Últimos puntos del puesto %1</translation>
    </message>
    <message>
        <source>Seat %1 is just watching</source>
        <translation>El puesto %1 solo está mirando</translation>
    </message>
    <message>
        <source>Just watching</source>
        <translation>Solo mirando</translation>
    </message>
    <message>
        <source>Turn arrow</source>
        <translation>Flecha de turno</translation>
    </message>
    <message>
        <source>Welcome to Tavlix by Orvel Software</source>
        <translation>Te damos la bienvenida a Tavlix de Orvel Software</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>For screen readers: what the line at the bottom of the board is</extracomment>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Round: %1 of %2</source>
        <translation>Ronda: %1 de %2</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Rondas</translation>
    </message>
    <message>
        <source>Points scored</source>
        <translation>Puntos obtenidos</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>¡Ganador!</translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <extracomment>A seat&apos;s score for screen readers: the player&apos;s name and the points</extracomment>
        <translation>%1: %2 puntos</translation>
    </message>
    <message>
        <source>%1: no last points</source>
        <extracomment>For screen readers: %1 is a player&apos;s name, %2 the points of the last placement</extracomment>
        <translation>%1: sin puntos en la última jugada</translation>
    </message>
    <message>
        <source>%1: last points %2</source>
        <translation>%1: última jugada %2</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Has empezado una partida.</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 ha empezado una partida.</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Tu turno.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Turno de %1.</translation>
    </message>
    <message>
        <source>Turn: %1</source>
        <extracomment>For screen readers: whose turn it is</extracomment>
        <translation>Turno: %1</translation>
    </message>
    <message>
        <source>You do not have a move.</source>
        <translation>No tienes jugada.</translation>
    </message>
    <message>
        <source>%1 does not have a move.</source>
        <translation>%1 no tiene jugada.</translation>
    </message>
    <message>
        <source>No one has a move. Ending Round..</source>
        <translation>Nadie tiene jugada. Fin de la ronda...</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>¡Has ganado la partida!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>¡%1 ha ganado la partida!</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>¡Fin de la partida!</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>No tienes conexión</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 solo está mirando</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 vuelve a jugar</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <extracomment>An empty seat, in place of a player&apos;s name</extracomment>
        <translation>&lt;Esperando&gt;</translation>
    </message>
</context>
<context>
    <name>StartGameButton</name>
    <message>
        <source>Start Game</source>
        <translation>Empezar partida</translation>
    </message>
    <message>
        <source>START GAME</source>
        <extracomment>Painted on the start button; keep it short, in capitals</extracomment>
        <translation>EMPEZAR</translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Tavlix - About</source>
        <translation>Tavlix - Acerca de</translation>
    </message>
    <message>
        <source>Orvel Software web site</source>
        <translation>Sitio web de Orvel Software</translation>
    </message>
    <message>
        <source>Version </source>
        <extracomment>Followed by the version number, e.g. &quot;Version 1.0.0.0&quot;</extracomment>
        <translation>Versión </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>TavlixProgram</name>
    <message>
        <source>The table is locked: nobody new can join.</source>
        <translation>La mesa está cerrada: nadie nuevo puede unirse.</translation>
    </message>
    <message>
        <source>The table is open again.</source>
        <translation>La mesa vuelve a estar abierta.</translation>
    </message>
    <message>
        <source>The computer plays Expert.</source>
        <translation>La máquina juega en nivel Experto.</translation>
    </message>
    <message>
        <source>The computer plays Strong.</source>
        <translation>La máquina juega en nivel Fuerte.</translation>
    </message>
    <message>
        <source>Your game is not shown to launchers on your network, since that needs the Avahi service (avahi-daemon), which is not running here. Players can still join you by address.</source>
        <translation>Tu partida no aparece en los lanzadores de tu red, porque para eso hace falta el servicio Avahi (avahi-daemon), que no se está ejecutando en este equipo. Los jugadores pueden unirse igualmente con tu dirección.</translation>
    </message>
    <message>
        <source>Players on your network can join you at %1.</source>
        <translation>Los jugadores de tu red pueden unirse a tu partida en %1.</translation>
    </message>
    <message>
        <source>this machine</source>
        <translation>este equipo</translation>
    </message>
    <message>
        <source>Players on the internet can join you at %1.</source>
        <translation>Los jugadores en internet pueden unirse a tu partida en %1.</translation>
    </message>
    <message>
        <source>Your router opened port %1; it did not tell its address on the internet.</source>
        <translation>Tu router ha abierto el puerto %1, pero no ha indicado su dirección en internet.</translation>
    </message>
    <message>
        <source>Your internet provider shares its IPv4 address among many homes, so players on the internet cannot reach you over IPv4.</source>
        <translation>Tu proveedor de internet comparte su dirección IPv4 entre muchos hogares, así que los jugadores en internet no pueden llegar a ti por IPv4.</translation>
    </message>
    <message>
        <source>The game could not ask your router to open port %1: %2. Players outside your network can join only if you forward port %1 to %3.</source>
        <translation>El juego no ha podido pedir a tu router que abra el puerto %1: %2. Los jugadores de fuera de tu red solo pueden unirse si rediriges el puerto %1 a %3.</translation>
    </message>
    <message>
        <source>Your router did not open port %1 (%2). Players outside your network can join only if you forward port %1 to %3.</source>
        <translation>Tu router no ha abierto el puerto %1 (%2). Los jugadores de fuera de tu red solo pueden unirse si rediriges el puerto %1 a %3.</translation>
    </message>
    <message>
        <source>Your router did not keep port %1 open (%2). The game keeps asking it.</source>
        <translation>Tu router no ha mantenido abierto el puerto %1 (%2). El juego se lo sigue pidiendo.</translation>
    </message>
    <message>
        <source>Players with IPv6 can join you at %1.</source>
        <translation>Los jugadores con IPv6 pueden unirse a tu partida en %1.</translation>
    </message>
    <message>
        <source>The game could not ask your router to open port %1 for IPv6: %2.</source>
        <translation>El juego no ha podido pedir a tu router que abra el puerto %1 para IPv6: %2.</translation>
    </message>
    <message>
        <source>Your router did not open port %1 for IPv6 (%2).</source>
        <translation>Tu router no ha abierto el puerto %1 para IPv6 (%2).</translation>
    </message>
    <message>
        <source>Your router did not keep port %1 open for IPv6 (%2). The game keeps asking it.</source>
        <translation>Tu router no ha mantenido abierto el puerto %1 para IPv6 (%2). El juego se lo sigue pidiendo.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Your table is listed in the lobby.</source>
        <translation>Tu mesa aparece en el lobby.</translation>
    </message>
    <message>
        <source>The lobby cannot be reached (%1); players on your network, or who can reach your address, can still join you.</source>
        <translation>No se puede contactar con el lobby (%1); los jugadores de tu red, o los que puedan llegar a tu dirección, pueden unirse igualmente.</translation>
    </message>
    <message>
        <source>its address &quot;%1&quot; in the settings is not host:port</source>
        <translation>su dirección «%1» de la configuración no tiene el formato host:puerto</translation>
    </message>
    <message>
        <source>Friends can join you with the invite code %1.</source>
        <translation>Tus amigos pueden unirse con el código de invitación %1.</translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Tavlix by Orvel Software</source>
        <translation>Tavlix de Orvel Software</translation>
    </message>
    <message>
        <source>Orvel Software web site</source>
        <translation>Sitio web de Orvel Software</translation>
    </message>
    <message>
        <source>Text &amp;Color</source>
        <translation>C&amp;olor del texto</translation>
    </message>
    <message>
        <source>Text Si&amp;ze</source>
        <translation>Tamaño del te&amp;xto</translation>
    </message>
    <message>
        <source>Clear &amp;Main Chat</source>
        <translation>&amp;Borrar el chat principal</translation>
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
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Empezar partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>&amp;Reproducir sonidos</translation>
    </message>
    <message>
        <source>Player P&amp;hrase Sounds</source>
        <translation>Sonidos de los &amp;jugadores</translation>
    </message>
    <message>
        <source>&amp;Turn Sound</source>
        <translation>Sonido de &amp;turno</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <extracomment>The game&apos;s original one: a turn sound, and a computer strength (one text for both)</extracomment>
        <translation>&amp;Clásico</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>A turn sound: the newer recording</extracomment>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Bot Speed</source>
        <translation>&amp;Velocidad de la máquina</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lenta</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rápida</translation>
    </message>
    <message>
        <source>Computer &amp;Strength</source>
        <translation>&amp;Nivel de la máquina</translation>
    </message>
    <message>
        <source>&amp;Strong</source>
        <extracomment>Computer strength</extracomment>
        <translation>&amp;Fuerte</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <extracomment>Computer strength</extracomment>
        <translation>&amp;Experto</translation>
    </message>
    <message>
        <source>Show &amp;Fitting Cells</source>
        <translation>Mostrar &amp;casillas válidas</translation>
    </message>
    <message>
        <source>Op&amp;en Port on Router</source>
        <translation>&amp;Abrir puerto en el router</translation>
    </message>
    <message>
        <source>Show on &amp;Network</source>
        <translation>Mostrar en la re&amp;d</translation>
    </message>
    <message>
        <source>&amp;Reset Screen Location</source>
        <translation>Restablecer &amp;posición en pantalla</translation>
    </message>
    <message>
        <source>&amp;Just Watch</source>
        <translation>&amp;Solo mirar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>View &amp;Tally</source>
        <translation>Ver &amp;recuento</translation>
    </message>
    <message>
        <source>&amp;Spy List</source>
        <translation>Lista de &amp;espectadores</translation>
    </message>
    <message>
        <source>&amp;Phrase List</source>
        <translation>Lista de &amp;frases</translation>
    </message>
    <message>
        <source>Go to &amp;Board</source>
        <translation>Ir al &amp;tablero</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Quick Instructions</source>
        <translation>&amp;Instrucciones rápidas</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Loc&amp;k Table</source>
        <translation>Cerrar la &amp;mesa</translation>
    </message>
    <message>
        <source>&amp;System Default</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
    <message>
        <source>Scroll Ch&amp;at Off</source>
        <translation>No desplazar el c&amp;hat</translation>
    </message>
    <message>
        <source>Copy &amp;Invite Code</source>
        <translation>Copiar código de &amp;invitación</translation>
    </message>
    <message>
        <source>Play &amp;Online</source>
        <extracomment>Submenu: whether a hosted table is shown to players on the internet</extracomment>
        <translation>Jugar en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <extracomment>Play Online: the table is not told to the lobby on the internet</extracomment>
        <translation>&amp;Desactivado</translation>
    </message>
    <message>
        <source>&amp;Invite Only</source>
        <extracomment>Play Online: only players given the invite code find the table</extracomment>
        <translation>Solo con &amp;invitación</translation>
    </message>
    <message>
        <source>&amp;Public</source>
        <extracomment>Play Online: the table is listed for everyone on the internet</extracomment>
        <translation>&amp;Pública</translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>Please close the game and open the Orvel Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Cierra el juego y abre Orvel Lobby con el icono de tu escritorio o desde el menú de inicio.</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Se ha producido un error.</translation>
    </message>
    <message>
        <source>No download</source>
        <translation>Sin descarga</translation>
    </message>
    <message>
        <source>Download The Orvel Lobby</source>
        <translation>Descargar Orvel Lobby</translation>
    </message>
    <message>
        <source>The Orvel Lobby</source>
        <translation>Orvel Lobby</translation>
    </message>
    <message>
        <source>Download The Orvel Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>¡Descarga Orvel Lobby ahora para jugar en línea a este y a otros juegos emocionantes con otras personas! </translation>
    </message>
    <message>
        <source>Download And Install The Orvel Lobby Now</source>
        <translation>Descargar e instalar Orvel Lobby ahora</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Detener la descarga</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progreso de la descarga</translation>
    </message>
    <message>
        <source>Download state</source>
        <translation>Estado de la descarga</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Para ir al juego sin poder jugar contra otras personas, haz clic en el botón de abajo.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jugar en solitario</translation>
    </message>
    <message>
        <source>If you already have The Orvel Lobby and you wish to play with others then click the button below to close this game and open The Orvel Lobby.</source>
        <translation>Si ya tienes Orvel Lobby y quieres jugar con otras personas, haz clic en el botón de abajo para cerrar este juego y abrir Orvel Lobby.</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jugar con otros</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Nota: aunque juegues sin conexión, tendrás que configurar tu CORTAFUEGOS para que el juego pueda acceder a los componentes de internet.</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. It is one of the game&apos;s own files.</source>
        <translation>No se puede crear el archivo «%1». Es uno de los archivos del propio juego.</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Se ha cancelado la descarga.</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Descarga cancelada</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Descargando: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>Recibidos %1 bytes</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalando</translation>
    </message>
</context>
<context>
    <name>Tgamestart</name>
    <message>
        <source>Tavlix - Game Start</source>
        <translation>Tavlix - Nueva partida</translation>
    </message>
    <message>
        <source>Game Option</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Number of Rounds: </source>
        <translation>Número de rondas: </translation>
    </message>
    <message>
        <source>Number of Rounds</source>
        <translation>Número de rondas</translation>
    </message>
    <message>
        <source>More rounds</source>
        <translation>Más rondas</translation>
    </message>
    <message>
        <source>Fewer rounds</source>
        <translation>Menos rondas</translation>
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
&lt;p&gt;¡Hola! Te damos la bienvenida a Tavlix.&lt;/p&gt;
&lt;p&gt;Tavlix nació de muchas noches colocando fichas en la mesa de la cocina.
Queríamos un juego fácil de aprender, lo bastante tranquilo para charlar
mientras se juega y que, aun así, te haga pensar dos veces cada jugada. Cada
ficha muestra cuatro dibujos (un corazón, una estrella, un anillo y una gota),
uno en cada lado, y cada lado que toca otra ficha debe mostrar el mismo dibujo
que su vecina.&lt;/p&gt;
&lt;p&gt;Puedes jugar en solitario contra la máquina, o reunirte con amigos en tu
red de casa o por internet, con hasta seis jugadores en un mismo tablero y
algunas personas más mirando. Chatea, envía una frase con un solo clic, haz
que toda la mesa oiga un sonido divertido y lleva un recuento de cómo te va
contra las personas con las que juegas.&lt;/p&gt;
&lt;p&gt;Si nunca has jugado, pulsa &lt;b&gt;Ctrl+I&lt;/b&gt; para ver las instrucciones
rápidas; luego pulsa &lt;b&gt;Empezar partida&lt;/b&gt; y pruébalo. ¡Que te diviertas!&lt;/p&gt;
&lt;p&gt;El equipo de Orvel Software&lt;/p&gt;
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
&lt;p&gt;Los jugadores colocan una ficha cada uno, por turnos. Cuando es tu turno,
la línea de estado bajo el tablero dice &lt;b&gt;Tu turno.&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Colocar una ficha.&lt;/b&gt; Haz clic en una ficha de tu mano para levantarla
y luego haz clic en el lugar del tablero donde quieras ponerla. Vuelve a hacer
clic en una ficha levantada para bajarla. Una ficha puede ir en cualquier
parte del tablero, siempre que cada lado que toque otra ficha muestre el mismo
dibujo que el lado de esa ficha con el que se toca. Las fichas nunca se giran.
Cada ficha colocada se repone al instante desde la reserva.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Jugar con el teclado.&lt;/b&gt; Pulsa &lt;b&gt;Ctrl+B&lt;/b&gt; (Ver, Ir al tablero) para
ir al tablero desde cualquier parte de la ventana, o haz clic en el tablero o
en una ficha de la mano. Las teclas de flecha mueven el cursor de casilla en
casilla por el tablero. Las teclas &lt;b&gt;1&lt;/b&gt; a &lt;b&gt;7&lt;/b&gt; levantan o bajan las fichas de tu
mano, contadas desde la izquierda. &lt;b&gt;Enter&lt;/b&gt; o &lt;b&gt;Espacio&lt;/b&gt; coloca la
ficha levantada en la casilla del cursor, igual que un clic. &lt;b&gt;Esc&lt;/b&gt; la
vuelve a bajar y cierra las ventanas de ayuda, recuento, frases y
espectadores.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Puntos.&lt;/b&gt; Una ficha gana puntos por cada ficha que toca, y más por cada
cuadrado de cuatro fichas que completa (consulta &lt;i&gt;Puntuación&lt;/i&gt;).&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Rondas.&lt;/b&gt; Cuando ningún jugador puede colocar una ficha, la ronda
termina y empieza otra con un tablero y unas manos nuevas; las puntuaciones se
mantienen. Un jugador sin jugada simplemente espera mientras los demás
siguen.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Ganar.&lt;/b&gt; Tras la última ronda gana el jugador con más puntos. Si hay
empate en la puntuación más alta, se juegan más rondas hasta que un jugador
quede en cabeza.&lt;/p&gt;
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
&lt;p&gt;Una ficha colocada puntúa según el número de fichas que toca:&lt;/p&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;2&quot;&gt;
&lt;tr&gt;&lt;td&gt;toca 1 ficha&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;5&lt;/b&gt; puntos&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;toca 2 fichas&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;15&lt;/b&gt; puntos&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;toca 3 fichas&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;30&lt;/b&gt; puntos&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;toca 4 fichas&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;50&lt;/b&gt; puntos&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Además, cada cuadrado de cuatro fichas (un bloque de 2 por 2 fichas) que
completa la ficha da &lt;b&gt;50&lt;/b&gt; puntos. Una ficha colocada en un hueco rodeado
de fichas puede completar hasta cuatro cuadrados a la vez: 50 puntos por sus
cuatro vecinas más 200 por los cuadrados.&lt;/p&gt;
&lt;p&gt;Los puntos de tu última jugada aparecen junto a tu puntuación y, por un
momento, sobre el tablero. El jugador con la puntuación más alta al final de
la última ronda gana la partida.&lt;/p&gt;
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
&lt;p&gt;&lt;b&gt;Solo mirar&lt;/b&gt; (Opciones, Solo mirar). Descansa un rato: la máquina
juega tus turnos hasta que vuelvas a elegir esta opción. Mientras tanto, tu
puesto muestra un par de ojos.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Velocidad de la máquina&lt;/b&gt; (Opciones, Velocidad de la máquina). Cuánto
piensan los jugadores automáticos antes de mover: Lenta (2 segundos), Normal
(1 segundo) o Rápida (medio segundo). El cambio cuenta a partir de la
siguiente jugada de la máquina.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Nivel de la máquina&lt;/b&gt; (Opciones, Nivel de la máquina). Lo bien que
juega la máquina. Clásico, la opción inicial, elige el primer lugar que
encuentra donde su ficha toca el mayor número de fichas, y nunca cuenta
puntos. Fuerte
valora cada lugar para cada ficha de su mano: los puntos inmediatos, los
cuadrados de cuatro fichas que completa, los cuadrados que dejaría al
siguiente jugador y las fichas que se guarda para más adelante. Experto mira
hacia delante: reparte muchas veces al azar las fichas que no puede ver, juega
los siguientes turnos en cada reparto y se queda con la jugada que mejor
resultado da de media. Piensa mientras dura la pausa de la velocidad de la
máquina. Igual que tú, los jugadores automáticos solo ven el tablero, las
puntuaciones y sus propias fichas. El anfitrión elige el nivel de todos los
puestos que juega la máquina; el cambio cuenta a partir de la siguiente jugada
de la máquina.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Sonidos&lt;/b&gt; (Opciones, Reproducir sonidos; Sonidos de los jugadores;
Sonido de turno). Reproducir sonidos activa o desactiva los sonidos del
juego. Sonidos de los jugadores desactiva los sonidos del chat que te envían
los demás jugadores. Sonido de turno elige entre el sonido Clásico y el Nuevo
que te avisa de que es tu turno.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Mostrar casillas válidas&lt;/b&gt; (Opciones, Mostrar casillas válidas).
Mientras tienes una ficha levantada en tu turno, cada casilla donde encaja esa
ficha se marca con un marco tenue.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Abrir puerto en el router&lt;/b&gt; (Opciones, Abrir puerto en el router;
activado por defecto). Mientras eres el anfitrión de una partida, Tavlix pide
al router de tu casa que deje entrar a los jugadores de internet por el
puerto 7772 (consulta &lt;i&gt;Conexión&lt;/i&gt;). Desactívalo para mantener cerrado el
router; el puerto se cierra entonces al instante.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Mostrar en la red&lt;/b&gt; (Opciones, Mostrar en la red; activado por
defecto). Mientras eres el anfitrión de una partida, los lanzadores del lobby
de los jugadores de la red de tu casa la muestran en &lt;i&gt;Partidas en tu
red&lt;/i&gt;, con los jugadores y si hay una partida en curso, para que puedan
unirse con un doble clic. Desactívalo, por ejemplo en la red Wi-Fi de una
cafetería, y tu partida desaparece de sus listas al instante.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Cerrar la mesa&lt;/b&gt; (Opciones, Cerrar la mesa; desactivado en cada
inicio). Cuando tus amigos ya estén dentro, cierra la mesa y nadie nuevo podrá
unirse; un amigo que haya perdido la conexión todavía puede volver. El chat te
dice a quién ha rechazado el juego.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Texto del chat y de acciones&lt;/b&gt; (Opciones, Color del texto; Tamaño del
texto; No desplazar el chat; Borrar el chat principal). Color del texto elige
el color de tus líneas del chat, y Tamaño del texto, el tamaño de todo el
texto del chat. No desplazar el chat (Ctrl+S) evita que el chat salte a la
última línea mientras relees; Borrar el chat principal lo vacía. Escribe
&lt;b&gt;/me&lt;/b&gt; y un espacio antes de tu texto para enviarlo como una acción
(&amp;quot;/me saluda&amp;quot; muestra tu nombre seguido de saluda).&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Posición en pantalla&lt;/b&gt; (Opciones, Restablecer posición en pantalla).
Vuelve a poner la ventana principal arriba a la izquierda de la pantalla, con
su tamaño inicial. La posición y el tamaño de la ventana se recuerdan de una
partida a otra.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Botones de frases&lt;/b&gt; (los botones P1 a P9, sobre el chat). Cada uno
envía su frase al chat con un solo clic; deja el puntero sobre un botón para
ver su frase. Cada botón de frase se puede usar una vez cada 2 segundos. El
botón de la nota musical, a su lado, envía un sonido del chat que oyen
todos.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Recuento&lt;/b&gt; (Ver, Ver recuento). Cuenta tus partidas y tus victorias.
Marca a un jugador en Jugadores en la partida para seguirlo: desde ese
momento, el recuento guarda tus partidas contra ese jugador y quién ganó, en
total y en esta sesión. Desmarca a un jugador seguido para borrar su recuento.
Reiniciar recuento lo pone todo a cero.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Lista de espectadores&lt;/b&gt; (Ver, Lista de espectadores). Muestra quién
está mirando la partida sin ocupar un puesto.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Lista de frases&lt;/b&gt; (Ver, Lista de frases). Edita las nueve frases de
los botones de frases. Se guardan para tus próximas partidas.&lt;/p&gt;
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
&lt;p&gt;Este programa es software libre: puedes redistribuirlo y/o modificarlo
según los términos de la Licencia Pública General de GNU (GNU General Public
License) publicada por la Free Software Foundation, ya sea la versión 3 de la
Licencia o (a tu elección) cualquier versión posterior.&lt;/p&gt;
&lt;p&gt;Este programa se distribuye con la esperanza de que sea útil, pero SIN
NINGUNA GARANTÍA; ni siquiera la garantía implícita de COMERCIABILIDAD o
IDONEIDAD PARA UN PROPÓSITO PARTICULAR. Consulta la Licencia Pública General
de GNU para más detalles.&lt;/p&gt;
&lt;p&gt;Deberías haber recibido una copia de la Licencia Pública General de GNU
junto con este programa (el archivo LICENSE que lo acompaña). Si no es así,
consulta https://www.gnu.org/licenses/.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;History&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Version %1&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;First release: solo games against the computer, hosted and joined games for up to six players and three watchers, chat with phrase buttons and chatter sounds, the tally list, quick instructions and this help.&lt;/li&gt;&lt;/ul&gt;</source>
        <extracomment>The Documentation page of the help window, in HTML; keep the tags and %1 (the version)</extracomment>
        <translation>&lt;h3&gt;Historial de versiones&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Versión %1&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Primera versión: partidas en solitario contra la máquina, partidas en red con anfitrión para hasta seis jugadores y tres espectadores, chat con botones de frases y sonidos del chat, el recuento, las instrucciones rápidas y esta ayuda.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Overview</source>
        <extracomment>Help topics</extracomment>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentación</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>El lobby</translation>
    </message>
    <message>
        <source>Tavlix - Help File</source>
        <translation>Tavlix - Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
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
&lt;p&gt;&lt;b&gt;Jugar en solitario.&lt;/b&gt; Si lo abres directamente, Tavlix empieza una
partida en solitario contra el jugador automático Klot. Pulsa el botón
&lt;b&gt;Empezar partida&lt;/b&gt; del tablero (o Archivo, Empezar partida) para comenzar.
Una partida en solitario no necesita conexión a internet, pero el juego sí se
comunica consigo mismo a través de los componentes de red de tu equipo: si un
cortafuegos te pregunta, permite que Tavlix use la red en este equipo.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Jugar con otras personas.&lt;/b&gt; Las partidas con otras personas se
inician desde el lanzador del lobby (consulta &lt;i&gt;El lobby&lt;/i&gt;). Un jugador es
el anfitrión de la partida y todos los demás se unen a él. El primer jugador
de la lista suele ser el anfitrión.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Ser el anfitrión.&lt;/b&gt; El equipo del anfitrión debe aceptar conexiones
entrantes en el puerto TCP 7772; permite Tavlix en su cortafuegos. Cuando eres
el anfitrión, el chat te dice dónde pueden unirse los demás: «Los jugadores de
tu red pueden unirse a tu partida en ...» para cada dirección que tiene tu
equipo en sus redes, pensado para amigos que están en la misma casa.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Ser el anfitrión desde casa.&lt;/b&gt; La mayoría de los hogares se conectan
a internet a través de un router, que por sí solo no deja entrar a nadie.
Mientras eres el anfitrión, Tavlix pide a tu router que abra el puerto 7772
para tu equipo (mediante NAT-PMP o UPnP, que ofrecen la mayoría de los
routers), durante una hora cada vez y de nuevo cada media hora, y lo vuelve a
cerrar cuando sales de la partida. Si el router acepta, el chat dice «Los
jugadores en internet pueden unirse a tu partida en ...» con tu dirección en
internet: da esa dirección a tus amigos. El juego nunca usa otro puerto y nunca
espera al router: puedes jugar mientras responde.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Cuando el router se niega.&lt;/b&gt; El chat te dice entonces por qué («Tu
router no ha abierto el puerto 7772 ...») e indica la dirección de tu equipo.
Activa UPnP o NAT-PMP en la página de configuración del router, o redirige
allí a mano el puerto TCP 7772 a esa dirección. Si el puerto ya lleva a otro
equipo, termina primero la partida en ese equipo o redirige el puerto a mano.
Los jugadores de tu propia red siempre pueden unirse en las direcciones que
muestra el chat.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Desconocidos.&lt;/b&gt; Un puerto abierto está abierto para todo el mundo.
Una conexión debe identificarse en 15 segundos, una misma dirección no puede
intentarlo una y otra vez, y un jugador al que expulses de la partida no puede
volver mientras seas el anfitrión. Lo que el juego rechaza, te lo cuenta en el
chat.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Desactivarlo.&lt;/b&gt; Opciones, Abrir puerto en el router lo desactiva (o lo
vuelve a activar) al instante, también mientras eres el anfitrión; Tavlix
cierra entonces el puerto en el router. La elección se guarda para las
próximas partidas.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Jugar en línea con un código de invitación.&lt;/b&gt; Muchos hogares no dejan
entrar a nadie, y ningún ajuste del router lo cambia. Por eso, cuando eres el
anfitrión, Tavlix también registra tu mesa en el lobby de Orvel en internet, y
el chat dice «Tus amigos pueden unirse con el código de invitación ...» con un
código como +K7QX-M2PA. Envía el código a tus amigos (Archivo, Copiar código
de invitación lo copia al portapapeles); es el mismo cada vez que eres el
anfitrión. Un amigo se une con el código en lugar de una dirección, en el
lobby o en la línea de comandos. Si no se puede llegar a tu equipo, el lobby
hace de intermediario y retransmite la partida: el chat de tu amigo dice
«Conexión establecida a través de la retransmisión del lobby.», y la partida
se juega exactamente igual. La retransmisión solo pasa los mensajes del
propio juego y no guarda ninguno.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Jugar en línea.&lt;/b&gt; Opciones, Jugar en línea elige lo que puede hacer el
lobby: Desactivado (no contactar nunca con él), Solo con invitación (tu mesa
solo se encuentra por su código; la opción habitual) o Pública (además
aparece en la ventana de todos los lanzadores, para que se una quien quiera).
El cambio se aplica al instante. Si no se puede contactar con el lobby, el
chat lo dice una vez, y los jugadores de tu red pueden unirse igualmente; el
juego vuelve a intentarlo cada pocos minutos. Cerrar la mesa, expulsar a un
jugador y los límites para desconocidos funcionan igual para los jugadores
que llegan por el lobby que para todos los demás.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Si el anfitrión se va.&lt;/b&gt; La copia de Tavlix del anfitrión dirige la
partida para todos. Si el anfitrión sale o se desconecta, la partida termina
para todos y las ventanas de los demás jugadores se cierran.&lt;/p&gt;
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
&lt;p&gt;Orvel Lobby es un programa aparte donde los jugadores se encuentran y
empiezan partidas multijugador. Abre Tavlix para cada jugador de una partida
con tres datos: el nombre del jugador, la dirección del anfitrión y si ese
jugador es el anfitrión. Mientras la partida está en curso, el lobby puede
saber que Tavlix sigue abierto.&lt;/p&gt;
&lt;p&gt;Una partida en solitario muestra la ventana Descargar Orvel Lobby: puede
descargarte el lobby, y &lt;b&gt;Jugar con otros&lt;/b&gt; abre un lobby ya
instalado.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;El lanzador para Linux.&lt;/b&gt; En Linux, el lobby es &lt;b&gt;orvellobby&lt;/b&gt;, que
se compila e instala junto a tavlix. Ábrelo y rellena su ventana:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Tu nombre&lt;/b&gt;: el nombre que ven los demás jugadores (puede tener
espacios).&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Anfitrión&lt;/b&gt;: el equipo que ejecuta la partida, por su nombre o por
una dirección como 192.168.1.20 o 2001:db8::20.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Pulsa &lt;b&gt;Crear partida&lt;/b&gt; para ejecutar la partida en tu equipo; los
demás se unen con la dirección de tu equipo. Pulsa &lt;b&gt;Unirse a
partida&lt;/b&gt; para unirte a la partida de la dirección del anfitrión. El
lanzador recuerda ambos datos, y su línea de estado dice Partida en curso
mientras tu partida está abierta y Partida terminada cuando se cierra.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Partidas en tu red.&lt;/b&gt; La lista del lanzador muestra las partidas
creadas en la red de tu casa, con el nombre del anfitrión, la dirección, los
jugadores y el estado, por ejemplo &lt;i&gt;Ann en 192.168.1.20, 2 jugadores, ronda
2 de 3&lt;/i&gt;. Elige una para rellenar la dirección del anfitrión, o haz doble
clic en ella (o pulsa Enter sobre ella) para unirte directamente. La lista
necesita el servicio Avahi (avahi-daemon), que ejecutan la mayoría de los
escritorios Linux; sin él, únete por dirección.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Partidas en internet.&lt;/b&gt; La segunda lista muestra las mesas públicas
del lobby de Orvel en internet, por ejemplo &lt;i&gt;Ann en +K7QX-M2PA, 2 jugadores,
en espera&lt;/i&gt;, y vuelve a consultar al lobby cada 15 segundos; pulsa F5 para
consultarlo al momento. Elige una para poner su código de invitación en el
campo Anfitrión, o haz doble clic en ella (o pulsa Enter sobre ella) para
unirte. El campo Anfitrión también admite un código de invitación que te haya
enviado un amigo, como +K7QX-M2PA; da igual si usas mayúsculas o minúsculas y
si pones el «-» o no.&lt;/p&gt;
&lt;p&gt;También puedes abrir Tavlix tú mismo con esos tres datos en la línea de
comandos, por ejemplo &lt;i&gt;tavlix Ann 192.168.1.20 true&lt;/i&gt; para ser el
anfitrión, o &lt;i&gt;tavlix Bo +K7QX-M2PA false&lt;/i&gt; para unirte a la mesa de un
amigo con su código de invitación; con cualquier otra última palabra te unes
a la partida.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>TileArt</name>
    <message>
        <source>heart</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation>corazón</translation>
    </message>
    <message>
        <source>star</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation>estrella</translation>
    </message>
    <message>
        <source>ring</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation>anillo</translation>
    </message>
    <message>
        <source>drop</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation>gota</translation>
    </message>
</context>
<context>
    <name>Tphrases</name>
    <message>
        <source>Tavlix - Phrase Buttons </source>
        <translation>Tavlix - Botones de frases </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Botón de frase %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Cada botón solo se puede usar una vez cada 2 segundos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Tavlix - Spys</source>
        <translation>Tavlix - Espectadores</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Público</translation>
    </message>
    <message>
        <source>&amp;Remove From Game</source>
        <translation>&amp;Expulsar de la partida</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Listo</translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Opponent&apos;s Tally</source>
        <translation>Recuento del rival</translation>
    </message>
    <message>
        <source>Opponent Wins:</source>
        <translation>Victorias del rival:</translation>
    </message>
    <message>
        <source>Tavlix - Tally List</source>
        <translation>Tavlix - Recuento</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Jugadores en la partida</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Jugadores con recuento</translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation>Tu recuento total</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Partidas:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Tus victorias</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Column heading: counted over all games</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <extracomment>Column heading: counted since the program started</extracomment>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Tus victorias:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Empates:</translation>
    </message>
    <message>
        <source>Tick a player of the current game to keep a tally of your games against them; untick to stop.</source>
        <translation>Marca a un jugador de esta partida para contar tus partidas contra él; desmárcalo para dejar de contar.</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Reiniciar recuento</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Se borrará el recuento de %1. ¿Seguro que quieres borrarlo?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Victorias de %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Recuento de %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>¿Seguro que quieres reiniciar el recuento?</translation>
    </message>
    <message>
        <source>The damaged file is kept as %1.</source>
        <translation>El archivo dañado se guarda como %1.</translation>
    </message>
    <message>
        <source>The file is left as it is; results of this game are not saved.</source>
        <translation>El archivo se deja como está; los resultados de esta partida no se guardan.</translation>
    </message>
</context>
<context>
    <name>WireLines</name>
    <message>
        <source>%1 tried to join again and was turned away.</source>
        <translation>Se ha rechazado a %1, que intentaba unirse de nuevo.</translation>
    </message>
    <message>
        <source>Turned away %1 connections from %2 (%3).</source>
        <extracomment>%1 a number, %2 an address or &quot;N other addresses&quot;, %3 the reason</extracomment>
        <translation>Se han rechazado %1 conexiones de %2 (%3).</translation>
    </message>
    <message>
        <source>%1 other addresses</source>
        <translation>otras %1 direcciones</translation>
    </message>
    <message>
        <source>too many waiting to log in</source>
        <extracomment>Why the host turned connections away</extracomment>
        <translation>demasiadas esperando para identificarse</translation>
    </message>
    <message>
        <source>too many connections</source>
        <extracomment>Why the host turned connections away</extracomment>
        <translation>demasiadas conexiones</translation>
    </message>
    <message>
        <source>removed</source>
        <extracomment>Why the host turned connections away: the player was removed from the game</extracomment>
        <translation>jugador expulsado</translation>
    </message>
    <message>
        <source>table locked</source>
        <extracomment>Why the host turned connections away</extracomment>
        <translation>mesa cerrada</translation>
    </message>
    <message>
        <source>%1 chats: %2</source>
        <extracomment>A chat line: %1 a player&apos;s name, %2 what they typed</extracomment>
        <translation>%1 escribe: %2</translation>
    </message>
    <message>
        <source>%1 says: %2</source>
        <extracomment>A phrase button&apos;s line: %1 a player&apos;s name, %2 the phrase</extracomment>
        <translation>%1 dice: %2</translation>
    </message>
    <message>
        <source>%1 is removed: %2 and the name %1 stay away while you host.</source>
        <extracomment>%1 the removed player&apos;s name, %2 an address or address block such as 2001:db8:64::/64</extracomment>
        <translation>Se ha expulsado a %1: ni %2 ni el nombre %1 podrán volver mientras seas el anfitrión.</translation>
    </message>
    <message>
        <source>%1 is removed: the name %1 stays away while you host.</source>
        <extracomment>%1 the removed player&apos;s name</extracomment>
        <translation>Se ha expulsado a %1: el nombre %1 no podrá volver mientras seas el anfitrión.</translation>
    </message>
</context>
</TS>
