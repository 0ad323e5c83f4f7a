<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BoardPanel</name>
    <message>
        <source>Raised</source>
        <extracomment>A hand tile lifted up, chosen to be placed</extracomment>
        <translation>Levée</translation>
    </message>
    <message>
        <source>You cannot put a tile there.</source>
        <translation>Vous ne pouvez pas poser de tuile ici.</translation>
    </message>
    <message>
        <source>Tile not valid.</source>
        <translation>Tuile non valable.</translation>
    </message>
    <message>
        <source>That tile does not match.</source>
        <translation>Cette tuile ne correspond pas.</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>An empty cell of the board</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <extracomment>A board cell for screen readers: column, row and the four pictures of its tile</extracomment>
        <translation>Colonne %1, ligne %2&#xa0;: %3</translation>
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
        <translation>Message du chat</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Tapez votre message ici&gt;</translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation>Bruitages</translation>
    </message>
    <message>
        <source>Chat pictures</source>
        <translation>Images du chat</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Arrêter le défilement du chat</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Effacer le chat</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Impossible d’ouvrir la page web</translation>
    </message>
</context>
<context>
    <name>ChatterSounds</name>
    <message>
        <source>Doh</source>
        <extracomment>The chatter sounds menu: each item names a short recorded sound</extracomment>
        <translation>D’oh</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Toux</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Bonjour</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Merci</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Où étiez-vous passé&#xa0;?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Ronflement</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Éternuement</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Pardon</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Yihaa</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Youpi</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh non</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaudissements</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Pouet</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Ooooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pfffrrt</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Hourra</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Rire de femme</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Rire d’homme</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Pleurs</translation>
    </message>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Annuler&gt;</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <extracomment>A line in the chat: %1 a player&apos;s name, %2 the name of the sound they played</extracomment>
        <translation>%1&#xa0;: &lt;Bruitage&gt; %2</translation>
    </message>
</context>
<context>
    <name>ClientConnection</name>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 a une autre version du jeu que vous.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Vous avez une autre version du jeu que l’hôte.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>La partie est complète</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Chargement de la partie en solo… Veuillez patienter.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Chargement de la partie à plusieurs… Veuillez patienter.</translation>
    </message>
    <message>
        <source>Cannot host the game on port 7772 (%1).</source>
        <translation>Impossible d’héberger la partie sur le port 7772 (%1).</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2.</source>
        <translation>Connexion à %1 impossible&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The connection to the host was lost.</source>
        <translation>La connexion avec l’hôte a été perdue.</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>The player&apos;s own name in a solo game</extracomment>
        <translation>Vous</translation>
    </message>
    <message>
        <source>Could not join %1: the lobby&apos;s address &quot;%2&quot; in the settings is not host:port.</source>
        <translation>Impossible de rejoindre %1&#xa0;: l’adresse du lobby «&#xa0;%2&#xa0;» dans les réglages n’est pas de la forme hôte:port.</translation>
    </message>
    <message>
        <source>Connected through the lobby&apos;s relay.</source>
        <translation>Connexion par le relais du lobby.</translation>
    </message>
</context>
<context>
    <name>ConnectFailure</name>
    <message>
        <source>nothing answers on port %1 there</source>
        <translation>rien ne répond sur le port %1 à cette adresse</translation>
    </message>
    <message>
        <source>that address cannot be reached</source>
        <translation>cette adresse est injoignable</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>aucune réponse en %1&#xa0;s</translation>
    </message>
    <message>
        <source>the name cannot be looked up</source>
        <translation>le nom est introuvable</translation>
    </message>
</context>
<context>
    <name>HandTile</name>
    <message>
        <source>empty</source>
        <extracomment>An empty slot of the hand</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>Tile %1: %2</source>
        <extracomment>A hand tile for screen readers: its slot number and its four pictures</extracomment>
        <translation>Tuile %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>LanGamesList</name>
    <message>
        <source>Finding games on your network needs the Avahi service (avahi-daemon), which is not running here.</source>
        <translation>La recherche de parties sur votre réseau nécessite le service Avahi (avahi-daemon), qui ne tourne pas sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Games on your network</source>
        <translation>Parties sur votre réseau</translation>
    </message>
    <message>
        <source>No games on your network yet.</source>
        <translation>Aucune partie sur votre réseau pour l’instant.</translation>
    </message>
</context>
<context>
    <name>LanTable</name>
    <message>
        <source>waiting</source>
        <extracomment>The state of a game on the network</extracomment>
        <translation>en attente</translation>
    </message>
    <message>
        <source>round %1 of %2</source>
        <translation>manche %1 sur %2</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>, locked</source>
        <translation>, verrouillée</translation>
    </message>
    <message>
        <source>, full</source>
        <translation>, complète</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 joueur</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 joueurs</translation>
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
        <translation>réponse du lobby&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>LobbyJoin</name>
    <message>
        <source>Could not connect to the lobby at %1: %2.</source>
        <translation>Connexion au lobby à l’adresse %1 impossible&#xa0;: %2.</translation>
    </message>
    <message>
        <source>There is no table with the invite code %1.</source>
        <translation>Aucune table n’a le code d’invitation %1.</translation>
    </message>
    <message>
        <source>the table was closed</source>
        <translation>la table a été fermée</translation>
    </message>
    <message>
        <source>the host did not answer</source>
        <translation>l’hôte n’a pas répondu</translation>
    </message>
    <message>
        <source>too many wrong codes from your address; wait a minute</source>
        <translation>trop de codes erronés depuis votre adresse&#xa0;; attendez une minute</translation>
    </message>
    <message>
        <source>the lobby said %1</source>
        <translation>réponse du lobby&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not join the table %1: %2.</source>
        <translation>Impossible de rejoindre la table %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>LobbyLink</name>
    <message>
        <source>the lobby did not answer within %1 s</source>
        <translation>le lobby n’a pas répondu en %1&#xa0;s</translation>
    </message>
    <message>
        <source>the lobby sent what this game does not understand</source>
        <translation>le lobby a envoyé une réponse que ce jeu ne comprend pas</translation>
    </message>
    <message>
        <source>the connection to the lobby was lost</source>
        <translation>la connexion au lobby a été perdue</translation>
    </message>
    <message>
        <source>the lobby closed the connection</source>
        <translation>le lobby a fermé la connexion</translation>
    </message>
</context>
<context>
    <name>LobbyRegistration</name>
    <message>
        <source>the lobby refused the table: %1</source>
        <translation>le lobby a refusé la table&#xa0;: %1</translation>
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
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Host address</source>
        <translation>Adresse de l’hôte</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Votre &amp;nom&#xa0;:</translation>
    </message>
    <message>
        <source>Host &amp;address:</source>
        <translation>&amp;Adresse de l’hôte&#xa0;:</translation>
    </message>
    <message>
        <source>Host a game</source>
        <translation>Héberger</translation>
    </message>
    <message>
        <source>Join a game</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Play Tavlix with others</source>
        <translation>Jouer à Tavlix à plusieurs</translation>
    </message>
    <message>
        <source>To host, press &quot;Host a game&quot;; the others enter your address and press &quot;Join a game&quot;. The host must accept connections on TCP port 7772; the game asks the home router to open it.</source>
        <translation>Pour héberger, appuyez sur «&#xa0;Héberger&#xa0;»&#xa0;; les autres saisissent votre adresse et appuient sur «&#xa0;Rejoindre&#xa0;». L’hôte doit accepter les connexions sur le port TCP 7772&#xa0;; le jeu demande au routeur de la maison de l’ouvrir.</translation>
    </message>
    <message>
        <source>Give the other players one of these addresses:</source>
        <translation>Donnez aux autres joueurs l’une de ces adresses&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Games on your network:</source>
        <translation>&amp;Parties sur votre réseau&#xa0;:</translation>
    </message>
    <message>
        <source>Ready: host a game, or join the game at the host address.</source>
        <translation>Prêt&#xa0;: hébergez une partie, ou rejoignez celle qui se trouve à l’adresse de l’hôte.</translation>
    </message>
    <message>
        <source>Port %1 on 127.0.0.1 is in use (%2), so this window cannot tell whether the game runs. Hosting and joining still work.</source>
        <translation>Le port %1 de 127.0.0.1 est occupé (%2)&#xa0;: cette fenêtre ne peut donc pas savoir si le jeu tourne. Héberger et rejoindre une partie fonctionnent quand même.</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>Please enter the host&apos;s address: a host name, or an address such as 192.168.1.20 or 2001:db8::20.</source>
        <translation>Veuillez saisir l’adresse de l’hôte&#xa0;: un nom d’hôte, ou une adresse comme 192.168.1.20 ou 2001:db8::20.</translation>
    </message>
    <message>
        <source>Could not start the game (%1).</source>
        <translation>Impossible de lancer le jeu (%1).</translation>
    </message>
    <message>
        <source>Starting the game: hosting as %1.</source>
        <translation>Lancement du jeu&#xa0;: vous hébergez sous le nom %1.</translation>
    </message>
    <message>
        <source>Starting the game: joining %1 as %2.</source>
        <translation>Lancement du jeu&#xa0;: vous rejoignez %1 sous le nom %2.</translation>
    </message>
    <message>
        <source>This window cannot show whether it runs: the presence port is in use.</source>
        <translation>Cette fenêtre ne peut pas savoir si le jeu tourne&#xa0;: le port de présence est occupé.</translation>
    </message>
    <message>
        <source>Game running</source>
        <translation>Partie en cours</translation>
    </message>
    <message>
        <source>Game ended</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>On your network:</source>
        <translation>Sur votre réseau&#xa0;:</translation>
    </message>
    <message>
        <source>Over IPv6:</source>
        <translation>En IPv6&#xa0;:</translation>
    </message>
    <message>
        <source>On the internet:</source>
        <translation>Sur Internet&#xa0;:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copier %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
    <message>
        <source>Games on the &amp;internet:</source>
        <translation>Parties sur &amp;Internet&#xa0;:</translation>
    </message>
    <message>
        <source>An invite code is a &quot;+&quot; and 8 letters and digits, such as +K7QX-M2PA.</source>
        <translation>Un code d’invitation est un «&#xa0;+&#xa0;» suivi de 8 lettres et chiffres, par exemple +K7QX-M2PA.</translation>
    </message>
</context>
<context>
    <name>OnlineGamesList</name>
    <message>
        <source>Games on the internet</source>
        <translation>Parties sur Internet</translation>
    </message>
    <message>
        <source>The lobby cannot be reached (%1).</source>
        <translation>Le lobby est injoignable (%1).</translation>
    </message>
    <message>
        <source>Asking the lobby for its games ...</source>
        <translation>Demande des parties au lobby…</translation>
    </message>
    <message>
        <source>No public games in the lobby yet.</source>
        <translation>Aucune partie publique dans le lobby pour l’instant.</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>aucune réponse en %1&#xa0;s</translation>
    </message>
</context>
<context>
    <name>OrvelLobby</name>
    <message>
        <source>The lobby&apos;s address in the settings is not host:port.</source>
        <translation>L’adresse du lobby dans les réglages n’est pas de la forme hôte:port.</translation>
    </message>
</context>
<context>
    <name>PhraseButtons</name>
    <message>
        <source>Way To Go!</source>
        <translation>Bien joué&#xa0;!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>Joli coup&#xa0;!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>Bien essayé&#xa0;!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>Excellent&#xa0;!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>Brillant&#xa0;!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <extracomment>WTG: &quot;way to go&quot;</extracomment>
        <translation>Waouh, bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Merci&#xa0;!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>Bravo l’équipe&#xa0;!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>Belle partie à tous&#xa0;!</translation>
    </message>
    <message>
        <source>Phrase %1</source>
        <translation>Phrase %1</translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation>Bruitages</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>&amp;Remove From Game</source>
        <translation>&amp;Retirer de la partie</translation>
    </message>
    <message>
        <source>&amp;Set to Just Watch</source>
        <translation>&amp;Activer «&#xa0;Juste regarder&#xa0;»</translation>
    </message>
    <message>
        <source>&amp;Unset Just Watch</source>
        <translation>&amp;Désactiver «&#xa0;Juste regarder&#xa0;»</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Connexion établie.</translation>
    </message>
    <message>
        <source>Press Ctrl-I to view Quick Instructions.</source>
        <translation>Appuyez sur Ctrl-I pour voir les instructions rapides.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 a rejoint la partie.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Vous suivez la partie en spectateur.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 suit la partie en spectateur.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>Connexion perdue avec %1.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 a quitté la partie.</translation>
    </message>
</context>
<context>
    <name>QuickInstructions</name>
    <message>
        <source>Quick Instructions</source>
        <translation>Instructions rapides</translation>
    </message>
    <message>
        <source>TAVLIX QUICK INSTRUCTIONS</source>
        <translation>INSTRUCTIONS RAPIDES</translation>
    </message>
    <message>
        <source>Complete four-tile square formations to earn points!</source>
        <translation>Formez des carrés de 4 tuiles pour gagner des points&#xa0;!</translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>The button that closes the quick instructions</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click a tile in your hand, then click the position on the board where it should go.</source>
        <translation>Cliquez sur une tuile de votre main, puis sur la case du plateau où la poser.</translation>
    </message>
    <message>
        <source>Sides of tiles must match.</source>
        <translation>Les côtés des tuiles doivent correspondre.</translation>
    </message>
    <message>
        <source>This is an example of a four-tile square.</source>
        <translation>Voici un exemple de carré de quatre tuiles.</translation>
    </message>
    <message>
        <source>A tile placed here completes four four-tile squares at once!</source>
        <translation>Une tuile posée ici complète quatre carrés d’un coup&#xa0;!</translation>
    </message>
</context>
<context>
    <name>RoundView</name>
    <message>
        <source>Score of seat %1</source>
        <translation>Score de la place %1</translation>
    </message>
    <message>
        <source>Last points of seat %1</source>
        <translation>Derniers points de la place %1</translation>
    </message>
    <message>
        <source>Seat %1 is just watching</source>
        <translation>La place %1 ne fait que regarder</translation>
    </message>
    <message>
        <source>Just watching</source>
        <translation>Juste regarder</translation>
    </message>
    <message>
        <source>Turn arrow</source>
        <translation>Flèche du tour</translation>
    </message>
    <message>
        <source>Welcome to Tavlix by Orvel Software</source>
        <translation>Bienvenue dans Tavlix d’Orvel Software</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>For screen readers: what the line at the bottom of the board is</extracomment>
        <translation>État</translation>
    </message>
    <message>
        <source>Round: %1 of %2</source>
        <translation>Manche&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Manches</translation>
    </message>
    <message>
        <source>Points scored</source>
        <translation>Points marqués</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Victoire&#xa0;!</translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <extracomment>A seat&apos;s score for screen readers: the player&apos;s name and the points</extracomment>
        <translation>%1&#xa0;: %2 points</translation>
    </message>
    <message>
        <source>%1: no last points</source>
        <extracomment>For screen readers: %1 is a player&apos;s name, %2 the points of the last placement</extracomment>
        <translation>%1&#xa0;: aucun point au dernier coup</translation>
    </message>
    <message>
        <source>%1: last points %2</source>
        <translation>%1&#xa0;: dernier coup %2</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Vous avez lancé une partie.</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 a lancé une partie.</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>À vous de jouer.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Au tour de %1.</translation>
    </message>
    <message>
        <source>Turn: %1</source>
        <extracomment>For screen readers: whose turn it is</extracomment>
        <translation>Au tour de %1</translation>
    </message>
    <message>
        <source>You do not have a move.</source>
        <translation>Vous ne pouvez pas jouer.</translation>
    </message>
    <message>
        <source>%1 does not have a move.</source>
        <translation>%1 ne peut pas jouer.</translation>
    </message>
    <message>
        <source>No one has a move. Ending Round..</source>
        <translation>Personne ne peut jouer. Fin de la manche…</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>Vous avez gagné la partie&#xa0;!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 a gagné la partie&#xa0;!</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Partie terminée&#xa0;!</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Pas de connexion à l’hôte</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 ne fait que regarder</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 joue de nouveau</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <extracomment>An empty seat, in place of a player&apos;s name</extracomment>
        <translation>&lt;En attente&gt;</translation>
    </message>
</context>
<context>
    <name>StartGameButton</name>
    <message>
        <source>Start Game</source>
        <translation>Commencer la partie</translation>
    </message>
    <message>
        <source>START GAME</source>
        <extracomment>Painted on the start button; keep it short, in capitals</extracomment>
        <translation>COMMENCER</translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Tavlix - About</source>
        <translation>Tavlix - À propos</translation>
    </message>
    <message>
        <source>Orvel Software web site</source>
        <translation>Site web d’Orvel Software</translation>
    </message>
    <message>
        <source>Version </source>
        <extracomment>Followed by the version number, e.g. &quot;Version 1.0.0.0&quot;</extracomment>
        <translation>Version </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TavlixProgram</name>
    <message>
        <source>The table is locked: nobody new can join.</source>
        <translation>La table est verrouillée&#xa0;: aucun nouveau joueur ne peut rejoindre la partie.</translation>
    </message>
    <message>
        <source>The table is open again.</source>
        <translation>La table est de nouveau ouverte.</translation>
    </message>
    <message>
        <source>The computer plays Expert.</source>
        <translation>L’ordinateur joue au niveau Expert.</translation>
    </message>
    <message>
        <source>The computer plays Strong.</source>
        <translation>L’ordinateur joue au niveau Fort.</translation>
    </message>
    <message>
        <source>Your game is not shown to launchers on your network, since that needs the Avahi service (avahi-daemon), which is not running here. Players can still join you by address.</source>
        <translation>Votre partie n’est pas visible des lanceurs de votre réseau, car il faut pour cela le service Avahi (avahi-daemon), qui ne tourne pas ici. Les joueurs peuvent toujours vous rejoindre par votre adresse.</translation>
    </message>
    <message>
        <source>Players on your network can join you at %1.</source>
        <translation>Les joueurs de votre réseau peuvent vous rejoindre à l’adresse %1.</translation>
    </message>
    <message>
        <source>this machine</source>
        <translation>cet ordinateur</translation>
    </message>
    <message>
        <source>Players on the internet can join you at %1.</source>
        <translation>Les joueurs sur Internet peuvent vous rejoindre à l’adresse %1.</translation>
    </message>
    <message>
        <source>Your router opened port %1; it did not tell its address on the internet.</source>
        <translation>Votre routeur a ouvert le port %1, mais n’a pas indiqué son adresse sur Internet.</translation>
    </message>
    <message>
        <source>Your internet provider shares its IPv4 address among many homes, so players on the internet cannot reach you over IPv4.</source>
        <translation>Votre fournisseur d’accès partage son adresse IPv4 entre de nombreux foyers&#xa0;: les joueurs sur Internet ne peuvent donc pas vous joindre en IPv4.</translation>
    </message>
    <message>
        <source>The game could not ask your router to open port %1: %2. Players outside your network can join only if you forward port %1 to %3.</source>
        <translation>Le jeu n’a pas pu demander à votre routeur d’ouvrir le port %1&#xa0;: %2. Les joueurs extérieurs à votre réseau ne peuvent vous rejoindre que si vous redirigez le port %1 vers %3.</translation>
    </message>
    <message>
        <source>Your router did not open port %1 (%2). Players outside your network can join only if you forward port %1 to %3.</source>
        <translation>Votre routeur n’a pas ouvert le port %1 (%2). Les joueurs extérieurs à votre réseau ne peuvent vous rejoindre que si vous redirigez le port %1 vers %3.</translation>
    </message>
    <message>
        <source>Your router did not keep port %1 open (%2). The game keeps asking it.</source>
        <translation>Votre routeur n’a pas gardé le port %1 ouvert (%2). Le jeu continue de le lui demander.</translation>
    </message>
    <message>
        <source>Players with IPv6 can join you at %1.</source>
        <translation>Les joueurs en IPv6 peuvent vous rejoindre à l’adresse %1.</translation>
    </message>
    <message>
        <source>The game could not ask your router to open port %1 for IPv6: %2.</source>
        <translation>Le jeu n’a pas pu demander à votre routeur d’ouvrir le port %1 en IPv6&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Your router did not open port %1 for IPv6 (%2).</source>
        <translation>Votre routeur n’a pas ouvert le port %1 en IPv6 (%2).</translation>
    </message>
    <message>
        <source>Your router did not keep port %1 open for IPv6 (%2). The game keeps asking it.</source>
        <translation>Votre routeur n’a pas gardé le port %1 ouvert en IPv6 (%2). Le jeu continue de le lui demander.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
    <message>
        <source>Your table is listed in the lobby.</source>
        <translation>Votre table figure dans la liste du lobby.</translation>
    </message>
    <message>
        <source>The lobby cannot be reached (%1); players on your network, or who can reach your address, can still join you.</source>
        <translation>Le lobby est injoignable (%1)&#xa0;; les joueurs de votre réseau, ou qui peuvent atteindre votre adresse, peuvent toujours vous rejoindre.</translation>
    </message>
    <message>
        <source>its address &quot;%1&quot; in the settings is not host:port</source>
        <translation>son adresse «&#xa0;%1&#xa0;» dans les réglages n’est pas de la forme hôte:port</translation>
    </message>
    <message>
        <source>Friends can join you with the invite code %1.</source>
        <translation>Vos amis peuvent vous rejoindre avec le code d’invitation %1.</translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Tavlix by Orvel Software</source>
        <translation>Tavlix d’Orvel Software</translation>
    </message>
    <message>
        <source>Orvel Software web site</source>
        <translation>Site web d’Orvel Software</translation>
    </message>
    <message>
        <source>Text &amp;Color</source>
        <translation>&amp;Couleur du texte</translation>
    </message>
    <message>
        <source>Text Si&amp;ze</source>
        <translation>&amp;Taille du texte</translation>
    </message>
    <message>
        <source>Clear &amp;Main Chat</source>
        <translation>&amp;Effacer le chat</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Commencer la partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>&amp;Sons du jeu</translation>
    </message>
    <message>
        <source>Player P&amp;hrase Sounds</source>
        <translation>Bruitages des &amp;joueurs</translation>
    </message>
    <message>
        <source>&amp;Turn Sound</source>
        <translation>Son du to&amp;ur</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <extracomment>The game&apos;s original one: a turn sound, and a computer strength (one text for both)</extracomment>
        <translation>&amp;Classique</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>A turn sound: the newer recording</extracomment>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Bot Speed</source>
        <translation>&amp;Vitesse de l’ordinateur</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lente</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rapide</translation>
    </message>
    <message>
        <source>Computer &amp;Strength</source>
        <translation>&amp;Niveau de l’ordinateur</translation>
    </message>
    <message>
        <source>&amp;Strong</source>
        <extracomment>Computer strength</extracomment>
        <translation>&amp;Fort</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <extracomment>Computer strength</extracomment>
        <translation>&amp;Expert</translation>
    </message>
    <message>
        <source>Show &amp;Fitting Cells</source>
        <translation>&amp;Montrer les cases possibles</translation>
    </message>
    <message>
        <source>Op&amp;en Port on Router</source>
        <translation>&amp;Ouvrir le port du routeur</translation>
    </message>
    <message>
        <source>Show on &amp;Network</source>
        <translation>Visible sur le &amp;réseau</translation>
    </message>
    <message>
        <source>&amp;Reset Screen Location</source>
        <translation>Replacer la &amp;fenêtre</translation>
    </message>
    <message>
        <source>&amp;Just Watch</source>
        <translation>Juste re&amp;garder</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>View &amp;Tally</source>
        <translation>Voir le &amp;bilan</translation>
    </message>
    <message>
        <source>&amp;Spy List</source>
        <translation>Liste des &amp;spectateurs</translation>
    </message>
    <message>
        <source>&amp;Phrase List</source>
        <translation>Liste des &amp;phrases</translation>
    </message>
    <message>
        <source>Go to &amp;Board</source>
        <translation>Aller au pla&amp;teau</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Quick Instructions</source>
        <translation>&amp;Instructions rapides</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Loc&amp;k Table</source>
        <translation>Verrouiller la ta&amp;ble</translation>
    </message>
    <message>
        <source>&amp;System Default</source>
        <translation>&amp;Langue du système</translation>
    </message>
    <message>
        <source>Scroll Ch&amp;at Off</source>
        <translation>Arrêter le &amp;défilement du chat</translation>
    </message>
    <message>
        <source>Copy &amp;Invite Code</source>
        <translation>Copier le code d’&amp;invitation</translation>
    </message>
    <message>
        <source>Play &amp;Online</source>
        <extracomment>Submenu: whether a hosted table is shown to players on the internet</extracomment>
        <translation>Jouer en l&amp;igne</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <extracomment>Play Online: the table is not told to the lobby on the internet</extracomment>
        <translation>&amp;Désactivé</translation>
    </message>
    <message>
        <source>&amp;Invite Only</source>
        <extracomment>Play Online: only players given the invite code find the table</extracomment>
        <translation>Sur &amp;invitation</translation>
    </message>
    <message>
        <source>&amp;Public</source>
        <extracomment>Play Online: the table is listed for everyone on the internet</extracomment>
        <translation>&amp;Public</translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>Please close the game and open the Orvel Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Veuillez fermer le jeu et ouvrir l’Orvel Lobby avec l’icône de votre bureau ou depuis le menu Démarrer de Windows.</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Une erreur s’est produite.</translation>
    </message>
    <message>
        <source>No download</source>
        <translation>Aucun téléchargement</translation>
    </message>
    <message>
        <source>Download The Orvel Lobby</source>
        <translation>Télécharger l’Orvel Lobby</translation>
    </message>
    <message>
        <source>The Orvel Lobby</source>
        <translation>L’Orvel Lobby</translation>
    </message>
    <message>
        <source>Download The Orvel Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Téléchargez l’Orvel Lobby dès maintenant pour jouer en ligne à ce jeu et à bien d’autres jeux passionnants&#xa0;! </translation>
    </message>
    <message>
        <source>Download And Install The Orvel Lobby Now</source>
        <translation>Télécharger et installer l’Orvel Lobby</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Interrompre</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progression du téléchargement</translation>
    </message>
    <message>
        <source>Download state</source>
        <translation>État du téléchargement</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Pour jouer sans pouvoir affronter d’autres joueurs, cliquez sur le bouton ci-dessous.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jouer en solo</translation>
    </message>
    <message>
        <source>If you already have The Orvel Lobby and you wish to play with others then click the button below to close this game and open The Orvel Lobby.</source>
        <translation>Si vous avez déjà l’Orvel Lobby et souhaitez jouer avec d’autres, cliquez sur le bouton ci-dessous pour fermer ce jeu et ouvrir l’Orvel Lobby.</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jouer avec d’autres</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Remarque&#xa0;: même si vous jouez hors ligne, vous devez configurer votre PARE-FEU pour permettre au jeu d’accéder aux composants Internet.</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. It is one of the game&apos;s own files.</source>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;». C’est l’un des fichiers du jeu.</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Le téléchargement a été annulé.</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Téléchargement annulé</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Téléchargement&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 octets reçus</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installation</translation>
    </message>
</context>
<context>
    <name>Tgamestart</name>
    <message>
        <source>Tavlix - Game Start</source>
        <translation>Tavlix - Début de partie</translation>
    </message>
    <message>
        <source>Game Option</source>
        <translation>Option de jeu</translation>
    </message>
    <message>
        <source>Number of Rounds: </source>
        <translation>Manches&#xa0;: </translation>
    </message>
    <message>
        <source>Number of Rounds</source>
        <translation>Nombre de manches</translation>
    </message>
    <message>
        <source>More rounds</source>
        <translation>Plus de manches</translation>
    </message>
    <message>
        <source>Fewer rounds</source>
        <translation>Moins de manches</translation>
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
&lt;p&gt;Bonjour, et bienvenue dans Tavlix&#xa0;!&lt;/p&gt;
&lt;p&gt;Tavlix est né de nombreuses soirées passées à poser des tuiles sur la table
de la cuisine. Nous voulions un jeu vite appris, assez calme pour bavarder en
jouant, et qui fasse quand même réfléchir à deux fois avant chaque coup. Chaque
tuile porte quatre images (un cœur, une étoile, un anneau et une goutte), une
sur chaque côté, et chaque côté qui touche une autre tuile doit montrer la même
image que la tuile voisine.&lt;/p&gt;
&lt;p&gt;Vous pouvez jouer seul contre l’ordinateur, ou retrouver des amis sur le
réseau de la maison ou sur Internet, jusqu’à six joueurs autour d’un même
plateau, plus quelques spectateurs. Discutez dans le chat, envoyez une phrase
d’un seul clic, faites entendre un bruitage farfelu à toute la table, et tenez
le bilan de vos parties contre les personnes que vous rencontrez.&lt;/p&gt;
&lt;p&gt;Si vous n’avez jamais joué, appuyez sur &lt;b&gt;Ctrl+I&lt;/b&gt; pour voir les
instructions rapides, puis sur &lt;b&gt;Commencer&lt;/b&gt;, et lancez-vous. Amusez-vous
bien&#xa0;!&lt;/p&gt;
&lt;p&gt;L’équipe d’Orvel Software&lt;/p&gt;
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
&lt;p&gt;Les joueurs posent une tuile chacun à leur tour. Quand c’est votre tour, la
ligne d’état sous le plateau affiche &lt;b&gt;À vous de jouer.&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Poser une tuile.&lt;/b&gt; Cliquez sur une tuile de votre main pour la lever,
puis cliquez sur la case du plateau où elle doit aller. Cliquez de nouveau sur
une tuile levée pour la reposer. Une tuile peut aller n’importe où sur le
plateau, à condition que chaque côté qui touche une autre tuile montre la même
image que le côté de cette tuile qui le touche. Les tuiles ne sont jamais
tournées. Une tuile posée est aussitôt remplacée par une tuile de la
pioche.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Jouer au clavier.&lt;/b&gt; Appuyez sur &lt;b&gt;Ctrl+B&lt;/b&gt; (Affichage, Aller au
plateau) pour aller au plateau depuis n’importe quel endroit de la fenêtre, ou
cliquez sur le plateau ou sur une tuile de votre main. Les flèches du clavier
déplacent un curseur de case en case sur le plateau. Les touches &lt;b&gt;1&lt;/b&gt; à
&lt;b&gt;7&lt;/b&gt; lèvent ou reposent les tuiles de votre main, comptées depuis la
gauche. &lt;b&gt;Entrée&lt;/b&gt; ou &lt;b&gt;Espace&lt;/b&gt; pose la tuile levée sur la case du
curseur, comme un clic. &lt;b&gt;Échap&lt;/b&gt; la repose, et ferme les fenêtres de
l’aide, du bilan, des phrases et des spectateurs.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Points.&lt;/b&gt; Une tuile rapporte des points pour chaque tuile qu’elle
touche, et davantage pour chaque carré de quatre tuiles qu’elle complète (voir
&lt;i&gt;Décompte des points&lt;/i&gt;).&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Manches.&lt;/b&gt; Quand plus aucun joueur ne peut poser de tuile, la manche
se termine et une nouvelle commence avec un plateau vide et de nouvelles
mains&#xa0;; les scores sont conservés. Un joueur qui ne peut pas jouer attend
simplement pendant que les autres continuent.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Victoire.&lt;/b&gt; Après la dernière manche, le joueur qui a le plus de points
gagne. En cas d’égalité en tête, on joue d’autres manches jusqu’à ce qu’un
seul joueur mène.&lt;/p&gt;
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
&lt;p&gt;Une tuile posée rapporte des points selon le nombre de tuiles qu’elle touche&#xa0;:&lt;/p&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;2&quot;&gt;
&lt;tr&gt;&lt;td&gt;touche 1 tuile&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;5&lt;/b&gt; points&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;touche 2 tuiles&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;15&lt;/b&gt; points&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;touche 3 tuiles&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;30&lt;/b&gt; points&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;touche 4 tuiles&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;50&lt;/b&gt; points&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;En plus, chaque carré de quatre tuiles (un bloc de 2 sur 2 tuiles) que la
tuile complète rapporte &lt;b&gt;50&lt;/b&gt; points. Une tuile posée dans un trou entouré
de tuiles peut compléter jusqu’à quatre carrés d’un coup&#xa0;: 50 points pour ses
quatre voisines, plus 200 pour les carrés.&lt;/p&gt;
&lt;p&gt;Les points de votre dernier coup s’affichent à côté de votre score et, un
instant, au-dessus du plateau. Le joueur qui a le meilleur score à la fin de la
dernière manche gagne la partie.&lt;/p&gt;
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
&lt;p&gt;&lt;b&gt;Juste regarder&lt;/b&gt; (Options, Juste regarder). Faites une pause&#xa0;:
l’ordinateur joue à votre place jusqu’à ce que vous choisissiez de nouveau
cette option. Pendant ce temps, votre place affiche une paire d’yeux.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Vitesse de l’ordinateur&lt;/b&gt; (Options, Vitesse de l’ordinateur). Le temps
que les joueurs ordinateur réfléchissent avant de jouer&#xa0;: Lente (2 secondes),
Normale (1 seconde) ou Rapide (une demi-seconde). Le changement compte dès le
prochain coup de l’ordinateur.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Niveau de l’ordinateur&lt;/b&gt; (Options, Niveau de l’ordinateur). La force de
jeu de l’ordinateur. Classique, le choix de départ, prend le premier
emplacement trouvé où sa tuile touche le plus de tuiles, et ne compte jamais
les points. Fort évalue chaque emplacement pour chaque tuile de sa main&#xa0;: les
points immédiats, les carrés de quatre tuiles qu’il complète, les carrés qu’il
laisserait au joueur suivant, et les tuiles qu’il garde pour plus tard. Expert
voit plus loin&#xa0;: il distribue au hasard, de nombreuses fois, les tuiles qu’il
ne voit pas, joue les tours suivants dans chaque donne, et garde le coup qui
réussit le mieux en moyenne. Il réfléchit pendant la pause que fixe la vitesse
de l’ordinateur. Comme vous, ils ne voient que le plateau, les scores et leurs
propres tuiles. Le joueur qui héberge choisit le niveau de chaque place que
joue l’ordinateur&#xa0;; le changement compte dès le prochain coup de
l’ordinateur.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Sons&lt;/b&gt; (Options, Sons du jeu&#xa0;; Bruitages des joueurs&#xa0;; Son du tour).
Sons du jeu active ou coupe les sons du jeu. Bruitages des joueurs coupe les
bruitages que les autres joueurs vous envoient. Son du tour choisit entre le
son Classique et le Nouveau son qui vous annonce que c’est votre tour.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Montrer les cases possibles&lt;/b&gt; (Options, Montrer les cases possibles).
Quand vous avez levé une tuile pendant votre tour, chaque case où cette tuile
peut aller est marquée d’un léger cadre.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Ouvrir le port du routeur&lt;/b&gt; (Options, Ouvrir le port du routeur&#xa0;;
activé au départ). Pendant que vous hébergez une partie, Tavlix demande au
routeur de la maison de laisser entrer les joueurs d’Internet sur le port 7772
(voir &lt;i&gt;Connexion&lt;/i&gt;). Désactivez cette option pour garder le routeur fermé&#xa0;;
le port est alors fermé aussitôt.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Visible sur le réseau&lt;/b&gt; (Options, Visible sur le réseau&#xa0;; activé au
départ). Pendant que vous hébergez une partie, les lanceurs du lobby des
joueurs de votre réseau la montrent sous &lt;i&gt;Parties sur votre réseau&lt;/i&gt;, avec
les joueurs et l’état de la partie, pour qu’ils puissent la rejoindre d’un
double-clic. Désactivez cette option, par exemple sur le Wi-Fi d’un café, et
votre partie disparaît aussitôt de leurs listes.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Verrouiller la table&lt;/b&gt; (Options, Verrouiller la table&#xa0;; désactivé à
chaque lancement). Une fois vos amis installés, verrouillez la table&#xa0;: plus
aucun nouveau joueur ne peut rejoindre la partie, mais un ami dont la connexion
a coupé peut tout de même revenir. Le chat vous indique qui le jeu a
refusé.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Texte du chat&lt;/b&gt; (Options, Couleur du texte&#xa0;; Taille du texte&#xa0;;
Arrêter le défilement du chat&#xa0;; Effacer le chat). Couleur du texte choisit la
couleur de vos lignes dans le chat, Taille du texte la taille de tout le texte
du chat. Arrêter le défilement du chat (Ctrl+S) empêche le chat de sauter à la
dernière ligne pendant que vous relisez&#xa0;; Effacer le chat le vide. Tapez
&lt;b&gt;/me&lt;/b&gt; et un espace avant votre texte pour l’envoyer comme une action
(&amp;quot;/me salue&amp;quot; affiche votre nom suivi de salue).&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Position de la fenêtre&lt;/b&gt; (Options, Replacer la fenêtre). Remet la
fenêtre principale en haut à gauche de l’écran, à sa taille d’origine. La
position et la taille de la fenêtre sont mémorisées d’une partie à
l’autre.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Boutons de phrases&lt;/b&gt; (les boutons P1 à P9 au-dessus du chat). Chacun
envoie sa phrase dans le chat d’un seul clic&#xa0;; laissez la souris sur un bouton
pour voir sa phrase. Un bouton de phrase ne sert qu’une fois toutes les
2 secondes. Le bouton en forme de note, à côté, envoie un bruitage que tout le
monde entend.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Bilan&lt;/b&gt; (Affichage, Voir le bilan). Compte vos parties et vos
victoires. Cochez un joueur sous Joueurs de la partie pour le suivre&#xa0;: dès
lors, le bilan compte vos parties contre ce joueur, et qui a gagné, au total et
pour cette session. Décochez un joueur suivi pour effacer son bilan.
Réinitialiser remet tout à zéro.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Liste des spectateurs&lt;/b&gt; (Affichage, Liste des spectateurs). Montre qui
regarde la partie sans avoir de place.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Liste des phrases&lt;/b&gt; (Affichage, Liste des phrases). Modifiez les neuf
phrases des boutons de phrases. Elles sont conservées pour vos prochaines
parties.&lt;/p&gt;
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
&lt;p&gt;Ce programme est un logiciel libre&#xa0;: vous pouvez le redistribuer et/ou le
modifier selon les termes de la Licence publique générale GNU (GNU General
Public License) telle que publiée par la Free Software Foundation, soit la
version 3 de la licence, soit (à votre choix) toute version ultérieure.&lt;/p&gt;
&lt;p&gt;Ce programme est distribué dans l’espoir qu’il sera utile, mais SANS AUCUNE
GARANTIE&#xa0;; sans même la garantie implicite de QUALITÉ MARCHANDE ou
d’ADÉQUATION À UN USAGE PARTICULIER. Consultez la GNU General Public License
pour plus de détails.&lt;/p&gt;
&lt;p&gt;Vous devriez avoir reçu une copie de la GNU General Public License avec ce
programme (le fichier LICENSE qui l’accompagne). Si ce n’est pas le cas,
consultez https://www.gnu.org/licenses/.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;History&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Version %1&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;First release: solo games against the computer, hosted and joined games for up to six players and three watchers, chat with phrase buttons and chatter sounds, the tally list, quick instructions and this help.&lt;/li&gt;&lt;/ul&gt;</source>
        <extracomment>The Documentation page of the help window, in HTML; keep the tags and %1 (the version)</extracomment>
        <translation>&lt;h3&gt;Historique&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Version %1&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Première version&#xa0;: parties en solo contre l’ordinateur, parties hébergées et rejointes jusqu’à six joueurs et trois spectateurs, chat avec boutons de phrases et bruitages, bilan, instructions rapides et cette aide.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Overview</source>
        <extracomment>Help topics</extracomment>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Décompte des points</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentation</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>Le Lobby</translation>
    </message>
    <message>
        <source>Tavlix - Help File</source>
        <translation>Tavlix - Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fermer</translation>
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
&lt;p&gt;&lt;b&gt;Jouer seul.&lt;/b&gt; Lancé seul, Tavlix ouvre une partie en solo contre le
joueur ordinateur Klot. Appuyez sur le bouton &lt;b&gt;Commencer&lt;/b&gt; du plateau (ou
Fichier, Commencer la partie) pour commencer. Une partie en solo n’a pas besoin
de connexion à Internet, mais le jeu se parle à lui-même par les composants
réseau de votre ordinateur&#xa0;: si un pare-feu vous le demande, autorisez Tavlix à
utiliser le réseau sur cet ordinateur.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Jouer avec d’autres.&lt;/b&gt; Les parties avec d’autres personnes se lancent
depuis le lanceur du lobby (voir &lt;i&gt;Le Lobby&lt;/i&gt;). Un joueur héberge la partie,
tous les autres rejoignent l’hôte. Le premier joueur de la liste est
généralement l’hôte.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Héberger.&lt;/b&gt; L’ordinateur de l’hôte doit accepter les connexions
entrantes sur le port TCP 7772&#xa0;; autorisez Tavlix dans son pare-feu. Quand vous
hébergez, le chat vous indique où les autres peuvent vous rejoindre&#xa0;: «&#xa0;Les
joueurs de votre réseau peuvent vous rejoindre à l’adresse…&#xa0;» pour chaque
adresse de votre ordinateur sur ses réseaux, pour les amis de la même
maison.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Héberger depuis chez soi.&lt;/b&gt; La plupart des foyers accèdent à Internet
par un routeur, qui ne laisse entrer personne de lui-même. Pendant que vous
hébergez, Tavlix demande à votre routeur d’ouvrir le port 7772 pour votre
ordinateur (par NAT-PMP ou UPnP, que la plupart des routeurs proposent), pour
une heure à la fois, en renouvelant la demande toutes les demi-heures, et le
referme quand vous quittez la partie. Si le routeur accepte, le chat affiche
«&#xa0;Les joueurs sur Internet peuvent vous rejoindre à l’adresse…&#xa0;» avec votre
adresse sur Internet&#xa0;: donnez cette adresse à vos amis. Le jeu ne prend jamais
d’autre port et n’attend jamais le routeur&#xa0;: vous pouvez jouer pendant qu’il
répond.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Quand le routeur refuse.&lt;/b&gt; Le chat indique alors pourquoi («&#xa0;Votre
routeur n’a pas ouvert le port 7772…&#xa0;») et donne l’adresse de votre ordinateur.
Activez UPnP ou NAT-PMP dans la page de réglages du routeur, ou redirigez-y
vous-même le port TCP 7772 vers cette adresse. Si le port mène déjà à un autre
ordinateur, terminez d’abord la partie sur celui-ci, ou redirigez le port
vous-même. Les joueurs de votre propre réseau peuvent toujours vous rejoindre
aux adresses qu’affiche le chat.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Inconnus.&lt;/b&gt; Un port ouvert l’est pour tout le monde. Une connexion doit
s’identifier dans les 15 secondes, une même adresse ne peut pas réessayer sans
cesse, et un joueur que vous retirez de la partie ne peut pas revenir tant que
vous hébergez. Tout ce que le jeu refuse, il vous le signale dans le chat.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Pour désactiver.&lt;/b&gt; Options, Ouvrir le port du routeur désactive cette
fonction (ou la réactive) aussitôt, même pendant que vous hébergez&#xa0;; Tavlix
ferme alors le port sur le routeur. Ce choix est conservé pour les parties
suivantes.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Jouer en ligne avec un code d’invitation.&lt;/b&gt; Beaucoup de foyers ne
laissent entrer personne, et aucun réglage du routeur n’y change rien. C’est
pourquoi, quand vous hébergez, Tavlix inscrit aussi votre table auprès du lobby
Orvel sur Internet, et le chat affiche «&#xa0;Vos amis peuvent vous rejoindre avec
le code d’invitation…&#xa0;» avec un code comme +K7QX-M2PA. Envoyez ce code à vos
amis (Fichier, Copier le code d’invitation le met dans le presse-papiers)&#xa0;; il
reste le même chaque fois que vous hébergez. Un ami rejoint la partie avec le
code à la place d’une adresse, dans le lobby ou en ligne de commande. Si votre
ordinateur est injoignable, le lobby relaie la partie entre vous&#xa0;: le chat de
votre ami affiche «&#xa0;Connexion par le relais du lobby.&#xa0;», et la partie se joue
exactement de la même façon. Le relais ne fait que transmettre les messages du
jeu et n’en garde aucun.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Jouer en ligne.&lt;/b&gt; Options, Jouer en ligne choisit ce que le lobby a le
droit de faire&#xa0;: Désactivé (ne jamais le contacter), Sur invitation (votre
table ne se trouve que par son code&#xa0;; le choix habituel) ou Public (elle
figure aussi dans la liste de chaque fenêtre du lobby, et tout le monde peut
la rejoindre). Un changement s’applique aussitôt. Si le lobby est injoignable,
le chat le signale une fois, et les joueurs de votre réseau peuvent toujours
vous rejoindre&#xa0;; le jeu réessaie toutes les quelques minutes. Verrouiller la
table, retirer un joueur et les limites imposées aux inconnus valent pour les
joueurs venus par le lobby comme pour tous les autres.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Perte de l’hôte.&lt;/b&gt; C’est la copie de Tavlix de l’hôte qui fait tourner
la partie pour tout le monde. Si l’hôte s’en va ou perd la connexion, la partie
s’arrête pour tous et les fenêtres des autres joueurs se ferment.&lt;/p&gt;
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
&lt;p&gt;L’Orvel Lobby est un programme à part, où les joueurs se retrouvent et
lancent des parties à plusieurs. Il lance Tavlix pour chaque joueur d’une
partie avec trois informations&#xa0;: le nom du joueur, l’adresse de l’hôte, et si
ce joueur héberge la partie. Pendant la partie, le lobby peut savoir si Tavlix
est toujours ouvert.&lt;/p&gt;
&lt;p&gt;Une partie en solo affiche la fenêtre Télécharger l’Orvel Lobby&#xa0;: elle peut
télécharger le lobby pour vous, et &lt;b&gt;Jouer avec d’autres&lt;/b&gt; lance un lobby
déjà installé.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Le lanceur Linux.&lt;/b&gt; Sous Linux, le lobby s’appelle &lt;b&gt;orvellobby&lt;/b&gt;&#xa0;;
il est compilé et installé à côté de tavlix. Lancez-le et remplissez sa
fenêtre&#xa0;:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Votre nom&lt;/b&gt;&#xa0;: le nom que voient les autres joueurs (les espaces sont
permis).&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Adresse de l’hôte&lt;/b&gt;&#xa0;: l’ordinateur qui fait tourner la partie, sous
forme de nom ou d’adresse comme 192.168.1.20 ou 2001:db8::20.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Appuyez sur &lt;b&gt;Héberger&lt;/b&gt; pour faire tourner la partie sur
votre ordinateur&#xa0;; les autres vous rejoignent avec l’adresse de votre
ordinateur. Appuyez sur &lt;b&gt;Rejoindre&lt;/b&gt; pour rejoindre la partie à
l’adresse de l’hôte. Le lanceur retient les deux champs, et sa ligne d’état
affiche Partie en cours tant que votre partie est ouverte, puis Partie terminée
quand elle se ferme.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Parties sur votre réseau.&lt;/b&gt; La liste du lanceur montre les parties
hébergées sur le réseau de votre maison, avec le nom de l’hôte, l’adresse, les
joueurs et l’état, par exemple &lt;i&gt;Ann (192.168.1.20), 2 joueurs, manche 2 sur
3&lt;/i&gt;. Choisissez-en une pour remplir l’adresse de l’hôte, ou double-cliquez
dessus (ou appuyez sur Entrée) pour la rejoindre directement. La liste a besoin
du service Avahi (avahi-daemon), que font tourner la plupart des bureaux
Linux&#xa0;; sans lui, rejoignez par l’adresse.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Parties sur Internet.&lt;/b&gt; La seconde liste montre les tables
publiques du lobby Orvel sur Internet, par exemple &lt;i&gt;Ann (+K7QX-M2PA),
2 joueurs, en attente&lt;/i&gt;, et redemande la liste au lobby toutes les
15 secondes&#xa0;; appuyez sur F5 pour la redemander aussitôt. Choisissez-en une
pour mettre son code d’invitation dans l’adresse de l’hôte, ou double-cliquez
dessus (ou appuyez sur Entrée) pour la rejoindre. L’adresse de l’hôte accepte
aussi un code d’invitation qu’un ami vous a envoyé, comme +K7QX-M2PA&#xa0;; les
majuscules, les minuscules et le «&#xa0;-&#xa0;» n’ont pas d’importance.&lt;/p&gt;
&lt;p&gt;Vous pouvez aussi lancer Tavlix vous-même avec les trois mêmes informations
en ligne de commande, par exemple &lt;i&gt;tavlix Ann 192.168.1.20 true&lt;/i&gt; pour
héberger, ou &lt;i&gt;tavlix Bo +K7QX-M2PA false&lt;/i&gt; pour rejoindre la table d’un
ami par son code d’invitation&#xa0;; tout autre dernier mot rejoint la partie.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>TileArt</name>
    <message>
        <source>heart</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation>cœur</translation>
    </message>
    <message>
        <source>star</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation>étoile</translation>
    </message>
    <message>
        <source>ring</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation>anneau</translation>
    </message>
    <message>
        <source>drop</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation>goutte</translation>
    </message>
</context>
<context>
    <name>Tphrases</name>
    <message>
        <source>Tavlix - Phrase Buttons </source>
        <translation>Tavlix - Boutons de phrases </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Phrase %1&#xa0;:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Un bouton ne sert qu’une fois toutes les 2 secondes</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Tavlix - Spys</source>
        <translation>Tavlix - Spectateurs</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Public</translation>
    </message>
    <message>
        <source>&amp;Remove From Game</source>
        <translation>&amp;Retirer de la partie</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Opponent&apos;s Tally</source>
        <translation>Bilan de l’adversaire</translation>
    </message>
    <message>
        <source>Opponent Wins:</source>
        <translation>Victoires adverses&#xa0;:</translation>
    </message>
    <message>
        <source>Tavlix - Tally List</source>
        <translation>Tavlix - Bilan</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Joueurs de la partie</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Joueurs suivis</translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation>Votre bilan total</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Parties jouées&#xa0;:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Vos victoires</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Column heading: counted over all games</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <extracomment>Column heading: counted since the program started</extracomment>
        <translation>Session</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Vos victoires&#xa0;:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Aucun des deux&#xa0;:</translation>
    </message>
    <message>
        <source>Tick a player of the current game to keep a tally of your games against them; untick to stop.</source>
        <translation>Cochez un joueur pour suivre vos parties contre lui&#xa0;; décochez-le pour arrêter.</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Le bilan de %1 va être supprimé. Voulez-vous vraiment le supprimer&#xa0;?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Victoires de %1&#xa0;:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Bilan de %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Voulez-vous vraiment réinitialiser le bilan&#xa0;?</translation>
    </message>
    <message>
        <source>The damaged file is kept as %1.</source>
        <translation>Le fichier endommagé est conservé sous le nom %1.</translation>
    </message>
    <message>
        <source>The file is left as it is; results of this game are not saved.</source>
        <translation>Le fichier est laissé tel quel&#xa0;; les résultats de cette partie ne sont pas enregistrés.</translation>
    </message>
</context>
<context>
    <name>WireLines</name>
    <message>
        <source>%1 tried to join again and was turned away.</source>
        <translation>Nouvelle tentative de %1 pour rejoindre la partie&#xa0;: refusée.</translation>
    </message>
    <message>
        <source>Turned away %1 connections from %2 (%3).</source>
        <extracomment>%1 a number, %2 an address or &quot;N other addresses&quot;, %3 the reason</extracomment>
        <translation>%1 connexions refusées depuis %2 (%3).</translation>
    </message>
    <message>
        <source>%1 other addresses</source>
        <translation>%1 autres adresses</translation>
    </message>
    <message>
        <source>too many waiting to log in</source>
        <extracomment>Why the host turned connections away</extracomment>
        <translation>trop de connexions en attente d’identification</translation>
    </message>
    <message>
        <source>too many connections</source>
        <extracomment>Why the host turned connections away</extracomment>
        <translation>trop de connexions</translation>
    </message>
    <message>
        <source>removed</source>
        <extracomment>Why the host turned connections away: the player was removed from the game</extracomment>
        <translation>retiré de la partie</translation>
    </message>
    <message>
        <source>table locked</source>
        <extracomment>Why the host turned connections away</extracomment>
        <translation>table verrouillée</translation>
    </message>
    <message>
        <source>%1 chats: %2</source>
        <extracomment>A chat line: %1 a player&apos;s name, %2 what they typed</extracomment>
        <translation>%1 écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 says: %2</source>
        <extracomment>A phrase button&apos;s line: %1 a player&apos;s name, %2 the phrase</extracomment>
        <translation>%1 dit&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is removed: %2 and the name %1 stay away while you host.</source>
        <extracomment>%1 the removed player&apos;s name, %2 an address or address block such as 2001:db8:64::/64</extracomment>
        <translation>Exclusion de %1&#xa0;: %2 et le nom %1 restent à l’écart tant que vous hébergez.</translation>
    </message>
    <message>
        <source>%1 is removed: the name %1 stays away while you host.</source>
        <extracomment>%1 the removed player&apos;s name</extracomment>
        <translation>Exclusion de %1&#xa0;: le nom %1 reste à l’écart tant que vous hébergez.</translation>
    </message>
</context>
</TS>
