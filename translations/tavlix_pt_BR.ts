<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BoardPanel</name>
    <message>
        <source>Raised</source>
        <extracomment>A hand tile lifted up, chosen to be placed</extracomment>
        <translation>Levantada</translation>
    </message>
    <message>
        <source>You cannot put a tile there.</source>
        <translation>Você não pode colocar uma peça aí.</translation>
    </message>
    <message>
        <source>Tile not valid.</source>
        <translation>Peça inválida.</translation>
    </message>
    <message>
        <source>That tile does not match.</source>
        <translation>Essa peça não combina.</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>An empty cell of the board</extracomment>
        <translation>vazia</translation>
    </message>
    <message>
        <source>Column %1, row %2: %3</source>
        <extracomment>A board cell for screen readers: column, row and the four pictures of its tile</extracomment>
        <translation>Coluna %1, linha %2: %3</translation>
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
        <translation>Mensagem do chat</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Digite sua mensagem aqui&gt;</translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation>Sons do chat</translation>
    </message>
    <message>
        <source>Chat pictures</source>
        <translation>Imagens do chat</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Cor do texto</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Pausar rolagem do chat</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Limpar chat principal</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Tamanho do texto</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Não foi possível abrir a página</translation>
    </message>
</context>
<context>
    <name>ChatterSounds</name>
    <message>
        <source>Doh</source>
        <extracomment>The chatter sounds menu: each item names a short recorded sound</extracomment>
        <translation>Putz</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Tosse</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Olá</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Obrigado</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Por onde você andou?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Ronco</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Espirro</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Desculpe</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Boas-vindas</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Irrá</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Oba</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Ah, não</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Aplausos</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Buzina</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Uuuh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pfffff</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Torcida</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Mulher rindo</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Homem rindo</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Choro</translation>
    </message>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Cancelar&gt;</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <extracomment>A line in the chat: %1 a player&apos;s name, %2 the name of the sound they played</extracomment>
        <translation>%1: &lt;Som do chat&gt; %2</translation>
    </message>
</context>
<context>
    <name>ClientConnection</name>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 tem uma versão do jogo diferente da sua.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Você tem uma versão do jogo diferente da do anfitrião.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>O jogo está lotado</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Carregando jogo solo... Aguarde.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Carregando jogo com várias pessoas... Aguarde.</translation>
    </message>
    <message>
        <source>Cannot host the game on port 7772 (%1).</source>
        <translation>Não é possível hospedar o jogo na porta 7772 (%1).</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2.</source>
        <translation>Não foi possível conectar a %1: %2.</translation>
    </message>
    <message>
        <source>The connection to the host was lost.</source>
        <translation>A conexão com o anfitrião caiu.</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>The player&apos;s own name in a solo game</extracomment>
        <translation>Você</translation>
    </message>
    <message>
        <source>Could not join %1: the lobby&apos;s address &quot;%2&quot; in the settings is not host:port.</source>
        <translation>Não foi possível entrar em %1: o endereço do lobby nas configurações, &quot;%2&quot;, não está no formato host:port.</translation>
    </message>
    <message>
        <source>Connected through the lobby&apos;s relay.</source>
        <translation>Conectado pelo retransmissor do lobby.</translation>
    </message>
</context>
<context>
    <name>ConnectFailure</name>
    <message>
        <source>nothing answers on port %1 there</source>
        <translation>nada responde na porta %1 nesse endereço</translation>
    </message>
    <message>
        <source>that address cannot be reached</source>
        <translation>não é possível alcançar esse endereço</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>sem resposta em %1 s</translation>
    </message>
    <message>
        <source>the name cannot be looked up</source>
        <translation>não foi possível encontrar esse nome</translation>
    </message>
</context>
<context>
    <name>HandTile</name>
    <message>
        <source>empty</source>
        <extracomment>An empty slot of the hand</extracomment>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Tile %1: %2</source>
        <extracomment>A hand tile for screen readers: its slot number and its four pictures</extracomment>
        <translation>Peça %1: %2</translation>
    </message>
</context>
<context>
    <name>LanGamesList</name>
    <message>
        <source>Finding games on your network needs the Avahi service (avahi-daemon), which is not running here.</source>
        <translation>Para encontrar jogos na sua rede, é preciso o serviço Avahi (avahi-daemon), que não está rodando aqui.</translation>
    </message>
    <message>
        <source>Games on your network</source>
        <translation>Jogos na sua rede</translation>
    </message>
    <message>
        <source>No games on your network yet.</source>
        <translation>Ainda não há jogos na sua rede.</translation>
    </message>
</context>
<context>
    <name>LanTable</name>
    <message>
        <source>waiting</source>
        <extracomment>The state of a game on the network</extracomment>
        <translation>aguardando</translation>
    </message>
    <message>
        <source>round %1 of %2</source>
        <translation>rodada %1 de %2</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>em jogo</translation>
    </message>
    <message>
        <source>, locked</source>
        <translation>, mesa trancada</translation>
    </message>
    <message>
        <source>, full</source>
        <translation>, mesa cheia</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 jogador</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 jogadores</translation>
    </message>
    <message>
        <source>%1 at %2, %3, %4</source>
        <extracomment>A game on the network: the host&apos;s name, its address, the players, its state</extracomment>
        <translation>%1 em %2, %3, %4</translation>
    </message>
</context>
<context>
    <name>LobbyDirectory</name>
    <message>
        <source>the lobby said %1</source>
        <translation>o lobby respondeu: %1</translation>
    </message>
</context>
<context>
    <name>LobbyJoin</name>
    <message>
        <source>Could not connect to the lobby at %1: %2.</source>
        <translation>Não foi possível conectar ao lobby em %1: %2.</translation>
    </message>
    <message>
        <source>There is no table with the invite code %1.</source>
        <translation>Não há nenhuma mesa com o código de convite %1.</translation>
    </message>
    <message>
        <source>the table was closed</source>
        <translation>a mesa foi fechada</translation>
    </message>
    <message>
        <source>the host did not answer</source>
        <translation>o anfitrião não respondeu</translation>
    </message>
    <message>
        <source>too many wrong codes from your address; wait a minute</source>
        <translation>códigos errados demais vindos do seu endereço; espere um minuto</translation>
    </message>
    <message>
        <source>the lobby said %1</source>
        <translation>o lobby respondeu: %1</translation>
    </message>
    <message>
        <source>Could not join the table %1: %2.</source>
        <translation>Não foi possível entrar na mesa %1: %2.</translation>
    </message>
</context>
<context>
    <name>LobbyLink</name>
    <message>
        <source>the lobby did not answer within %1 s</source>
        <translation>o lobby não respondeu em %1 s</translation>
    </message>
    <message>
        <source>the lobby sent what this game does not understand</source>
        <translation>o lobby enviou algo que este jogo não entende</translation>
    </message>
    <message>
        <source>the connection to the lobby was lost</source>
        <translation>a conexão com o lobby caiu</translation>
    </message>
    <message>
        <source>the lobby closed the connection</source>
        <translation>o lobby encerrou a conexão</translation>
    </message>
</context>
<context>
    <name>LobbyRegistration</name>
    <message>
        <source>the lobby refused the table: %1</source>
        <translation>o lobby recusou a mesa: %1</translation>
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
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Host address</source>
        <translation>Endereço do anfitrião</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Seu &amp;nome:</translation>
    </message>
    <message>
        <source>Host &amp;address:</source>
        <translation>&amp;Endereço do anfitrião:</translation>
    </message>
    <message>
        <source>Host a game</source>
        <translation>Hospedar um jogo</translation>
    </message>
    <message>
        <source>Join a game</source>
        <translation>Entrar em um jogo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Play Tavlix with others</source>
        <translation>Jogue Tavlix com outras pessoas</translation>
    </message>
    <message>
        <source>To host, press &quot;Host a game&quot;; the others enter your address and press &quot;Join a game&quot;. The host must accept connections on TCP port 7772; the game asks the home router to open it.</source>
        <translation>Para hospedar, pressione &quot;Hospedar um jogo&quot;; os outros digitam o seu endereço e pressionam &quot;Entrar em um jogo&quot;. O anfitrião precisa aceitar conexões na porta TCP 7772; o jogo pede ao roteador da sua casa que a abra.</translation>
    </message>
    <message>
        <source>Give the other players one of these addresses:</source>
        <translation>Passe um destes endereços aos outros jogadores:</translation>
    </message>
    <message>
        <source>&amp;Games on your network:</source>
        <translation>&amp;Jogos na sua rede:</translation>
    </message>
    <message>
        <source>Ready: host a game, or join the game at the host address.</source>
        <translation>Tudo pronto: hospede um jogo ou entre no jogo do endereço do anfitrião.</translation>
    </message>
    <message>
        <source>Port %1 on 127.0.0.1 is in use (%2), so this window cannot tell whether the game runs. Hosting and joining still work.</source>
        <translation>A porta %1 em 127.0.0.1 está em uso (%2), então esta janela não consegue saber se o jogo está rodando. Hospedar e entrar continuam funcionando.</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Digite o seu nome.</translation>
    </message>
    <message>
        <source>Please enter the host&apos;s address: a host name, or an address such as 192.168.1.20 or 2001:db8::20.</source>
        <translation>Digite o endereço do anfitrião: o nome do computador ou um endereço como 192.168.1.20 ou 2001:db8::20.</translation>
    </message>
    <message>
        <source>Could not start the game (%1).</source>
        <translation>Não foi possível abrir o jogo (%1).</translation>
    </message>
    <message>
        <source>Starting the game: hosting as %1.</source>
        <translation>Abrindo o jogo: hospedando como %1.</translation>
    </message>
    <message>
        <source>Starting the game: joining %1 as %2.</source>
        <translation>Abrindo o jogo: entrando em %1 como %2.</translation>
    </message>
    <message>
        <source>This window cannot show whether it runs: the presence port is in use.</source>
        <translation>Esta janela não consegue mostrar se o jogo está rodando: a porta de presença está em uso.</translation>
    </message>
    <message>
        <source>Game running</source>
        <translation>Jogo em andamento</translation>
    </message>
    <message>
        <source>Game ended</source>
        <translation>Jogo encerrado</translation>
    </message>
    <message>
        <source>On your network:</source>
        <translation>Na sua rede:</translation>
    </message>
    <message>
        <source>Over IPv6:</source>
        <translation>Por IPv6:</translation>
    </message>
    <message>
        <source>On the internet:</source>
        <translation>Na internet:</translation>
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
        <translation>Não foi possível gravar em %1</translation>
    </message>
    <message>
        <source>Games on the &amp;internet:</source>
        <translation>Jogos na &amp;internet:</translation>
    </message>
    <message>
        <source>An invite code is a &quot;+&quot; and 8 letters and digits, such as +K7QX-M2PA.</source>
        <translation>Um código de convite é um &quot;+&quot; seguido de 8 letras e algarismos, como +K7QX-M2PA.</translation>
    </message>
</context>
<context>
    <name>OnlineGamesList</name>
    <message>
        <source>Games on the internet</source>
        <translation>Jogos na internet</translation>
    </message>
    <message>
        <source>The lobby cannot be reached (%1).</source>
        <translation>Não é possível alcançar o lobby (%1).</translation>
    </message>
    <message>
        <source>Asking the lobby for its games ...</source>
        <translation>Pedindo ao lobby a lista de jogos ...</translation>
    </message>
    <message>
        <source>No public games in the lobby yet.</source>
        <translation>Ainda não há jogos públicos no lobby.</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>sem resposta em %1 s</translation>
    </message>
</context>
<context>
    <name>OrvelLobby</name>
    <message>
        <source>The lobby&apos;s address in the settings is not host:port.</source>
        <translation>O endereço do lobby nas configurações não está no formato host:port.</translation>
    </message>
</context>
<context>
    <name>PhraseButtons</name>
    <message>
        <source>Way To Go!</source>
        <translation>Mandou bem!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>Boa!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>Boa tentativa!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>Excelente!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>Genial!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <extracomment>WTG: &quot;way to go&quot;</extracomment>
        <translation>Uau, mandou bem!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Valeu!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>Mandou bem, parceiro!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>Bom jogo, pessoal!</translation>
    </message>
    <message>
        <source>Phrase %1</source>
        <translation>Frase %1</translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation>Sons do chat</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>&amp;Remove From Game</source>
        <translation>&amp;Remover do jogo</translation>
    </message>
    <message>
        <source>&amp;Set to Just Watch</source>
        <translation>Pôr para &amp;só assistir</translation>
    </message>
    <message>
        <source>&amp;Unset Just Watch</source>
        <translation>&amp;Voltar a jogar</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Você está conectado.</translation>
    </message>
    <message>
        <source>Press Ctrl-I to view Quick Instructions.</source>
        <translation>Pressione Ctrl-I para ver as instruções rápidas.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 está conectado.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Você está espiando.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 está espiando.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 se desconectou.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 saiu.</translation>
    </message>
</context>
<context>
    <name>QuickInstructions</name>
    <message>
        <source>Quick Instructions</source>
        <translation>Instruções rápidas</translation>
    </message>
    <message>
        <source>TAVLIX QUICK INSTRUCTIONS</source>
        <translation>TAVLIX: INSTRUÇÕES RÁPIDAS</translation>
    </message>
    <message>
        <source>Complete four-tile square formations to earn points!</source>
        <translation>Complete quadrados de quatro peças para ganhar pontos!</translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>The button that closes the quick instructions</extracomment>
        <translation>PRONTO</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Click a tile in your hand, then click the position on the board where it should go.</source>
        <translation>Clique em uma peça da sua mão e depois na posição do tabuleiro onde ela deve ficar.</translation>
    </message>
    <message>
        <source>Sides of tiles must match.</source>
        <translation>Os lados das peças que se tocam precisam combinar.</translation>
    </message>
    <message>
        <source>This is an example of a four-tile square.</source>
        <translation>Este é um exemplo de quadrado de quatro peças.</translation>
    </message>
    <message>
        <source>A tile placed here completes four four-tile squares at once!</source>
        <translation>Uma peça colocada aqui completa quatro quadrados de quatro peças de uma vez!</translation>
    </message>
</context>
<context>
    <name>RoundView</name>
    <message>
        <source>Score of seat %1</source>
        <translation>Pontuação do lugar %1</translation>
    </message>
    <message>
        <source>Last points of seat %1</source>
        <translation>Últimos pontos do lugar %1</translation>
    </message>
    <message>
        <source>Seat %1 is just watching</source>
        <translation>O lugar %1 está só assistindo</translation>
    </message>
    <message>
        <source>Just watching</source>
        <translation>Só assistindo</translation>
    </message>
    <message>
        <source>Turn arrow</source>
        <translation>Seta da vez</translation>
    </message>
    <message>
        <source>Welcome to Tavlix by Orvel Software</source>
        <translation>Boas-vindas ao Tavlix, da Orvel Software</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>For screen readers: what the line at the bottom of the board is</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Round: %1 of %2</source>
        <translation>Rodada: %1 de %2</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Rodadas</translation>
    </message>
    <message>
        <source>Points scored</source>
        <translation>Pontos feitos</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Vencedor!</translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <extracomment>A seat&apos;s score for screen readers: the player&apos;s name and the points</extracomment>
        <translation>%1: %2 pontos</translation>
    </message>
    <message>
        <source>%1: no last points</source>
        <extracomment>For screen readers: %1 is a player&apos;s name, %2 the points of the last placement</extracomment>
        <translation>%1: sem pontos na última jogada</translation>
    </message>
    <message>
        <source>%1: last points %2</source>
        <translation>%1: %2 pontos na última jogada</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Você começou uma partida.</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 começou uma partida.</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Sua vez.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Vez de %1.</translation>
    </message>
    <message>
        <source>Turn: %1</source>
        <extracomment>For screen readers: whose turn it is</extracomment>
        <translation>Vez de %1</translation>
    </message>
    <message>
        <source>You do not have a move.</source>
        <translation>Você não tem jogada.</translation>
    </message>
    <message>
        <source>%1 does not have a move.</source>
        <translation>%1 não tem jogada.</translation>
    </message>
    <message>
        <source>No one has a move. Ending Round..</source>
        <translation>Ninguém tem jogada. Encerrando a rodada...</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>Você venceu a partida!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 venceu a partida!</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Fim de jogo!</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Você não está conectado</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 está só assistindo</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 voltou a jogar</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <extracomment>An empty seat, in place of a player&apos;s name</extracomment>
        <translation>&lt;Aguardando&gt;</translation>
    </message>
</context>
<context>
    <name>StartGameButton</name>
    <message>
        <source>Start Game</source>
        <translation>Iniciar jogo</translation>
    </message>
    <message>
        <source>START GAME</source>
        <extracomment>Painted on the start button; keep it short, in capitals</extracomment>
        <translation>INICIAR JOGO</translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Tavlix - About</source>
        <translation>Tavlix - Sobre</translation>
    </message>
    <message>
        <source>Orvel Software web site</source>
        <translation>Site da Orvel Software</translation>
    </message>
    <message>
        <source>Version </source>
        <extracomment>Followed by the version number, e.g. &quot;Version 1.0.0.0&quot;</extracomment>
        <translation>Versão </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>TavlixProgram</name>
    <message>
        <source>The table is locked: nobody new can join.</source>
        <translation>A mesa está trancada: ninguém novo pode entrar.</translation>
    </message>
    <message>
        <source>The table is open again.</source>
        <translation>A mesa está aberta de novo.</translation>
    </message>
    <message>
        <source>The computer plays Expert.</source>
        <translation>O computador joga no nível Especialista.</translation>
    </message>
    <message>
        <source>The computer plays Strong.</source>
        <translation>O computador joga no nível Forte.</translation>
    </message>
    <message>
        <source>Your game is not shown to launchers on your network, since that needs the Avahi service (avahi-daemon), which is not running here. Players can still join you by address.</source>
        <translation>Seu jogo não aparece nos lançadores da sua rede, porque isso precisa do serviço Avahi (avahi-daemon), que não está rodando aqui. Os jogadores ainda podem entrar no seu jogo pelo endereço.</translation>
    </message>
    <message>
        <source>Players on your network can join you at %1.</source>
        <translation>Jogadores da sua rede podem entrar no seu jogo em %1.</translation>
    </message>
    <message>
        <source>this machine</source>
        <translation>este computador</translation>
    </message>
    <message>
        <source>Players on the internet can join you at %1.</source>
        <translation>Jogadores da internet podem entrar no seu jogo em %1.</translation>
    </message>
    <message>
        <source>Your router opened port %1; it did not tell its address on the internet.</source>
        <translation>Seu roteador abriu a porta %1, mas não informou o endereço dele na internet.</translation>
    </message>
    <message>
        <source>Your internet provider shares its IPv4 address among many homes, so players on the internet cannot reach you over IPv4.</source>
        <translation>Seu provedor de internet divide o mesmo endereço IPv4 entre muitas casas, então jogadores da internet não conseguem alcançar você por IPv4.</translation>
    </message>
    <message>
        <source>The game could not ask your router to open port %1: %2. Players outside your network can join only if you forward port %1 to %3.</source>
        <translation>O jogo não conseguiu pedir ao seu roteador que abrisse a porta %1: %2. Jogadores de fora da sua rede só podem entrar se você encaminhar a porta %1 para %3.</translation>
    </message>
    <message>
        <source>Your router did not open port %1 (%2). Players outside your network can join only if you forward port %1 to %3.</source>
        <translation>Seu roteador não abriu a porta %1 (%2). Jogadores de fora da sua rede só podem entrar se você encaminhar a porta %1 para %3.</translation>
    </message>
    <message>
        <source>Your router did not keep port %1 open (%2). The game keeps asking it.</source>
        <translation>Seu roteador não manteve a porta %1 aberta (%2). O jogo continua pedindo.</translation>
    </message>
    <message>
        <source>Players with IPv6 can join you at %1.</source>
        <translation>Jogadores com IPv6 podem entrar no seu jogo em %1.</translation>
    </message>
    <message>
        <source>The game could not ask your router to open port %1 for IPv6: %2.</source>
        <translation>O jogo não conseguiu pedir ao seu roteador que abrisse a porta %1 para IPv6: %2.</translation>
    </message>
    <message>
        <source>Your router did not open port %1 for IPv6 (%2).</source>
        <translation>Seu roteador não abriu a porta %1 para IPv6 (%2).</translation>
    </message>
    <message>
        <source>Your router did not keep port %1 open for IPv6 (%2). The game keeps asking it.</source>
        <translation>Seu roteador não manteve a porta %1 aberta para IPv6 (%2). O jogo continua pedindo.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não foi possível gravar em %1</translation>
    </message>
    <message>
        <source>Your table is listed in the lobby.</source>
        <translation>Sua mesa está na lista do lobby.</translation>
    </message>
    <message>
        <source>The lobby cannot be reached (%1); players on your network, or who can reach your address, can still join you.</source>
        <translation>Não é possível alcançar o lobby (%1); jogadores da sua rede, ou que consigam alcançar o seu endereço, ainda podem entrar no seu jogo.</translation>
    </message>
    <message>
        <source>its address &quot;%1&quot; in the settings is not host:port</source>
        <translation>o endereço dele nas configurações, &quot;%1&quot;, não está no formato host:port</translation>
    </message>
    <message>
        <source>Friends can join you with the invite code %1.</source>
        <translation>Amigos podem entrar no seu jogo com o código de convite %1.</translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Tavlix by Orvel Software</source>
        <translation>Tavlix, da Orvel Software</translation>
    </message>
    <message>
        <source>Orvel Software web site</source>
        <translation>Site da Orvel Software</translation>
    </message>
    <message>
        <source>Text &amp;Color</source>
        <translation>&amp;Cor do texto</translation>
    </message>
    <message>
        <source>Text Si&amp;ze</source>
        <translation>Ta&amp;manho do texto</translation>
    </message>
    <message>
        <source>Clear &amp;Main Chat</source>
        <translation>&amp;Limpar chat principal</translation>
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
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Iniciar jogo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>&amp;Tocar sons</translation>
    </message>
    <message>
        <source>Player P&amp;hrase Sounds</source>
        <translation>Sons de frases dos jo&amp;gadores</translation>
    </message>
    <message>
        <source>&amp;Turn Sound</source>
        <translation>Som da &amp;vez</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <extracomment>The game&apos;s original one: a turn sound, and a computer strength (one text for both)</extracomment>
        <translation>&amp;Clássico</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>A turn sound: the newer recording</extracomment>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Bot Speed</source>
        <translation>V&amp;elocidade do computador</translation>
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
        <translation>&amp;Força do computador</translation>
    </message>
    <message>
        <source>&amp;Strong</source>
        <extracomment>Computer strength</extracomment>
        <translation>&amp;Forte</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <extracomment>Computer strength</extracomment>
        <translation>&amp;Especialista</translation>
    </message>
    <message>
        <source>Show &amp;Fitting Cells</source>
        <translation>Mostrar casas &amp;possíveis</translation>
    </message>
    <message>
        <source>Op&amp;en Port on Router</source>
        <translation>&amp;Abrir porta no roteador</translation>
    </message>
    <message>
        <source>Show on &amp;Network</source>
        <translation>Mostrar na &amp;rede</translation>
    </message>
    <message>
        <source>&amp;Reset Screen Location</source>
        <translation>Restaurar posição da &amp;janela</translation>
    </message>
    <message>
        <source>&amp;Just Watch</source>
        <translation>&amp;Só assistir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>View &amp;Tally</source>
        <translation>Ver &amp;placar</translation>
    </message>
    <message>
        <source>&amp;Spy List</source>
        <translation>Lista de &amp;espiões</translation>
    </message>
    <message>
        <source>&amp;Phrase List</source>
        <translation>Lista de &amp;frases</translation>
    </message>
    <message>
        <source>Go to &amp;Board</source>
        <translation>Ir para o &amp;tabuleiro</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Quick Instructions</source>
        <translation>&amp;Instruções rápidas</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Loc&amp;k Table</source>
        <translation>Tra&amp;ncar mesa</translation>
    </message>
    <message>
        <source>&amp;System Default</source>
        <translation>&amp;Padrão do sistema</translation>
    </message>
    <message>
        <source>Scroll Ch&amp;at Off</source>
        <translation>Pa&amp;usar rolagem do chat</translation>
    </message>
    <message>
        <source>Copy &amp;Invite Code</source>
        <translation>Copiar código de &amp;convite</translation>
    </message>
    <message>
        <source>Play &amp;Online</source>
        <extracomment>Submenu: whether a hosted table is shown to players on the internet</extracomment>
        <translation>Jogar &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <extracomment>Play Online: the table is not told to the lobby on the internet</extracomment>
        <translation>&amp;Desligado</translation>
    </message>
    <message>
        <source>&amp;Invite Only</source>
        <extracomment>Play Online: only players given the invite code find the table</extracomment>
        <translation>Só com &amp;convite</translation>
    </message>
    <message>
        <source>&amp;Public</source>
        <extracomment>Play Online: the table is listed for everyone on the internet</extracomment>
        <translation>&amp;Público</translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>Please close the game and open the Orvel Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Feche o jogo e abra o Orvel Lobby pelo ícone na sua área de trabalho ou pelo menu de aplicativos.</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Ocorreu um erro.</translation>
    </message>
    <message>
        <source>No download</source>
        <translation>Nenhum download</translation>
    </message>
    <message>
        <source>Download The Orvel Lobby</source>
        <translation>Baixar o Orvel Lobby</translation>
    </message>
    <message>
        <source>The Orvel Lobby</source>
        <translation>O Orvel Lobby</translation>
    </message>
    <message>
        <source>Download The Orvel Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Baixe agora o Orvel Lobby para jogar este e outros jogos emocionantes on-line com outras pessoas! </translation>
    </message>
    <message>
        <source>Download And Install The Orvel Lobby Now</source>
        <translation>Baixar e instalar o Orvel Lobby agora</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Parar download</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progresso do download</translation>
    </message>
    <message>
        <source>Download state</source>
        <translation>Situação do download</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Para seguir para o jogo sem poder jogar contra outras pessoas, clique no botão abaixo.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jogar sozinho</translation>
    </message>
    <message>
        <source>If you already have The Orvel Lobby and you wish to play with others then click the button below to close this game and open The Orvel Lobby.</source>
        <translation>Se você já tem o Orvel Lobby e quer jogar com outras pessoas, clique no botão abaixo para fechar este jogo e abrir o Orvel Lobby.</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jogar com outros</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Observação: mesmo jogando off-line, você precisa configurar o seu FIREWALL para permitir que o jogo acesse os componentes de internet.</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. It is one of the game&apos;s own files.</source>
        <translation>Não é possível criar o arquivo &quot;%1&quot;. Ele é um dos arquivos do próprio jogo.</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Não é possível criar o arquivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Carregando</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>O download foi interrompido.</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Download interrompido</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Baixando: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 bytes recebidos</translation>
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
        <translation>Tavlix - Início do jogo</translation>
    </message>
    <message>
        <source>Game Option</source>
        <translation>Opção de jogo</translation>
    </message>
    <message>
        <source>Number of Rounds: </source>
        <translation>Rodadas: </translation>
    </message>
    <message>
        <source>Number of Rounds</source>
        <translation>Número de rodadas</translation>
    </message>
    <message>
        <source>More rounds</source>
        <translation>Mais rodadas</translation>
    </message>
    <message>
        <source>Fewer rounds</source>
        <translation>Menos rodadas</translation>
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
&lt;p&gt;Olá, e boas-vindas ao Tavlix!&lt;/p&gt;
&lt;p&gt;O Tavlix nasceu de muitas noites colocando peças na mesa da cozinha.
Queríamos um jogo fácil de aprender, tranquilo o bastante para conversar
enquanto se joga, e que ainda assim faça você pensar duas vezes antes de cada
jogada. Cada peça mostra quatro figuras (um coração, uma estrela, um anel e
uma gota), uma em cada lado, e todo lado que encosta em outra peça precisa
mostrar a mesma figura que a vizinha.&lt;/p&gt;
&lt;p&gt;Você pode jogar sozinho contra o computador ou encontrar amigos pela sua
rede de casa ou pela internet, com até seis jogadores no mesmo tabuleiro e
mais algumas pessoas assistindo. Converse no chat, mande uma frase com um
clique, toque um som engraçado para a mesa toda e mantenha um placar de como
você se sai contra as pessoas que encontra.&lt;/p&gt;
&lt;p&gt;Se você nunca jogou, pressione &lt;b&gt;Ctrl+I&lt;/b&gt; para ver as instruções
rápidas, depois pressione &lt;b&gt;Iniciar jogo&lt;/b&gt; e experimente. Divirta-se!&lt;/p&gt;
&lt;p&gt;Equipe Orvel Software&lt;/p&gt;
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
&lt;p&gt;Cada jogador, na sua vez, coloca uma peça. Quando é a sua vez, a linha de
status abaixo do tabuleiro diz &lt;b&gt;Sua vez.&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Colocando uma peça.&lt;/b&gt; Clique em uma peça da sua mão para levantá-la e
depois clique na posição do tabuleiro onde ela deve ficar. Clique de novo em
uma peça levantada para abaixá-la. Uma peça pode ir para qualquer lugar do
tabuleiro, desde que cada lado que encosta em outra peça mostre a mesma figura
que o lado encostado dessa outra peça. As peças nunca são giradas. Uma peça
colocada é reposta na hora com outra do monte.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Jogando pelo teclado.&lt;/b&gt; Pressione &lt;b&gt;Ctrl+B&lt;/b&gt; (Exibir, Ir para o
tabuleiro) para ir ao tabuleiro de qualquer ponto da janela, ou clique no
tabuleiro ou em uma peça da mão. As setas do teclado movem um cursor de casa
em casa pelo tabuleiro. As teclas &lt;b&gt;1&lt;/b&gt; a &lt;b&gt;7&lt;/b&gt; levantam ou abaixam as
peças da sua mão, contadas da esquerda. &lt;b&gt;Enter&lt;/b&gt; ou &lt;b&gt;Espaço&lt;/b&gt; coloca a
peça levantada na casa do cursor, como um clique. &lt;b&gt;Esc&lt;/b&gt; abaixa a peça de
novo e fecha as janelas de ajuda, placar, frases e espiões.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Pontos.&lt;/b&gt; Uma peça ganha pontos por cada peça em que encosta, e mais
por cada quadrado de quatro peças que completa (veja &lt;i&gt;Pontuação&lt;/i&gt;).&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Rodadas.&lt;/b&gt; Quando nenhum jogador consegue colocar uma peça, a rodada
termina e começa outra, com um tabuleiro novo e mãos novas; a pontuação
continua valendo. Um jogador sem jogada simplesmente espera enquanto os
outros continuam.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Vitória.&lt;/b&gt; Depois da última rodada, vence o jogador com mais pontos.
Se houver empate na maior pontuação, jogam-se mais rodadas até que um jogador
fique na frente.&lt;/p&gt;
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
&lt;p&gt;Uma peça colocada marca pontos conforme o número de peças em que encosta:&lt;/p&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;2&quot;&gt;
&lt;tr&gt;&lt;td&gt;encostando em 1 peça&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;5&lt;/b&gt; pontos&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;encostando em 2 peças&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;15&lt;/b&gt; pontos&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;encostando em 3 peças&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;30&lt;/b&gt; pontos&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;encostando em 4 peças&lt;/td&gt;&lt;td align=&quot;right&quot;&gt;&lt;b&gt;50&lt;/b&gt; pontos&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Além disso, cada quadrado de quatro peças (um bloco de 2 por 2 peças) que a
peça completa vale &lt;b&gt;50&lt;/b&gt; pontos. Uma peça colocada em um buraco cercado de
peças pode completar até quatro quadrados de uma vez: 50 pontos pelas quatro
vizinhas mais 200 pelos quadrados.&lt;/p&gt;
&lt;p&gt;Os pontos da sua última jogada aparecem ao lado da sua pontuação e, por um
instante, sobre o tabuleiro. O jogador com a maior pontuação no fim da última
rodada vence a partida.&lt;/p&gt;
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
&lt;p&gt;&lt;b&gt;Só assistir&lt;/b&gt; (Opções, Só assistir). Fique de fora por um tempo: o
computador joga na sua vez até você escolher a opção de novo. Enquanto isso,
o seu lugar mostra um par de olhos.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Velocidade do computador&lt;/b&gt; (Opções, Velocidade do computador). Quanto
tempo os jogadores do computador pensam antes de jogar: Lenta (2 segundos),
Normal (1 segundo) ou Rápida (meio segundo). A mudança vale a partir da
próxima jogada do computador.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Força do computador&lt;/b&gt; (Opções, Força do computador). O nível de jogo do computador. Clássico, a primeira opção, pega o primeiro lugar que
encontra onde a peça dele encosta no maior número de peças, e nunca conta
pontos. Forte avalia cada lugar para cada peça da mão dele: os pontos agora,
os quadrados de quatro peças que completa, os quadrados que deixaria para o
próximo jogador e as peças que guarda para depois. Especialista pensa adiante:
distribui ao acaso, muitas e muitas vezes, as peças que não pode ver, simula
as próximas jogadas em cada distribuição e fica com a jogada que se sai melhor
na média. Ele pensa durante a pausa definida em Velocidade do computador. Assim como
você, eles só veem o tabuleiro, a pontuação e as próprias peças. O jogador
anfitrião escolhe a força para todos os lugares em que o computador joga; a
mudança vale a partir da próxima jogada do computador.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Sons&lt;/b&gt; (Opções, Tocar sons; Sons de frases dos jogadores; Som da vez).
Tocar sons liga ou desliga os sons do jogo. Sons de frases dos jogadores
desliga os sons do chat que os outros jogadores mandam para você. Som da vez
escolhe entre o som Clássico e o Novo, que avisa que é a sua vez.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Mostrar casas possíveis&lt;/b&gt; (Opções, Mostrar casas possíveis). Enquanto
você tem uma peça levantada na sua vez, cada casa onde essa peça cabe ganha
uma moldura suave.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Abrir porta no roteador&lt;/b&gt; (Opções, Abrir porta no roteador; ligada no
início). Enquanto você hospeda um jogo, o Tavlix pede ao roteador da sua casa
que deixe entrar jogadores da internet pela porta 7772 (veja
&lt;i&gt;Conexão&lt;/i&gt;). Desligue para manter o roteador fechado; a porta então se
fecha na hora.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Mostrar na rede&lt;/b&gt; (Opções, Mostrar na rede; ligada no início).
Enquanto você hospeda um jogo, os lançadores do lobby dos jogadores da rede da
sua casa mostram o jogo em &lt;i&gt;Jogos na sua rede&lt;/i&gt;, com os jogadores e se há
uma partida em andamento, para que possam entrar com um clique duplo.
Desligue, por exemplo no Wi-Fi de um café, e o seu jogo sai das listas deles
na hora.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Trancar mesa&lt;/b&gt; (Opções, Trancar mesa; desligada a cada início).
Quando os seus amigos já tiverem entrado, tranque a mesa e ninguém novo poderá
entrar; um amigo cuja conexão caiu ainda pode voltar. O chat diz quem o jogo
recusou.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Texto do chat e de ações&lt;/b&gt; (Opções, Cor do texto; Tamanho do texto;
Pausar rolagem do chat; Limpar chat principal). Cor do texto escolhe a cor das
suas linhas no chat, e Tamanho do texto, o tamanho de todo o texto do chat.
Pausar rolagem do chat (Ctrl+S) impede que o chat pule para a linha mais nova
enquanto você lê as anteriores; Limpar chat principal apaga o chat. Digite
&lt;b&gt;/me&lt;/b&gt; e um espaço antes do seu texto para enviá-lo como ação
(&amp;quot;/me acena&amp;quot; mostra o seu nome seguido de acena).&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Posição da janela&lt;/b&gt; (Opções, Restaurar posição da janela). Coloca a
janela principal de volta no canto superior esquerdo da tela, no tamanho
inicial. A posição e o tamanho da janela são lembrados de um jogo para
outro.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Botões de frase&lt;/b&gt; (os botões P1 a P9 acima do chat). Cada um manda a
sua frase para o chat com um único clique; deixe o mouse sobre um botão para
ver a frase dele. Um botão de frase pode ser usado uma vez a cada 2 segundos.
O botão com a nota musical, ao lado deles, manda um som do chat que todos
ouvem.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Placar&lt;/b&gt; (Exibir, Ver placar). Conta as suas partidas e vitórias.
Marque um jogador em Jogadores da partida para acompanhá-lo: a partir
daí, o placar registra as suas partidas contra esse jogador e quem venceu, no
total e nesta sessão. Desmarque um jogador acompanhado para apagar o placar
dele. Zerar placar recomeça tudo do zero.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Lista de espiões&lt;/b&gt; (Exibir, Lista de espiões). Mostra quem está
assistindo ao jogo sem ocupar um lugar.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Lista de frases&lt;/b&gt; (Exibir, Lista de frases). Edite as nove frases dos
botões de frase. Elas ficam guardadas para os próximos jogos.&lt;/p&gt;
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
&lt;p&gt;Este programa é software livre: você pode redistribuí-lo e/ou modificá-lo
sob os termos da Licença Pública Geral GNU, conforme publicada pela Free
Software Foundation, na versão 3 da Licença ou (a seu critério) em qualquer
versão posterior.&lt;/p&gt;
&lt;p&gt;Este programa é distribuído na esperança de que seja útil, mas SEM
NENHUMA GARANTIA; sem mesmo a garantia implícita de COMERCIALIZAÇÃO ou de
ADEQUAÇÃO A UM PROPÓSITO ESPECÍFICO. Veja a Licença Pública Geral GNU para mais
detalhes.&lt;/p&gt;
&lt;p&gt;Você deve ter recebido uma cópia da Licença Pública Geral GNU junto com
este programa (o arquivo LICENSE que o acompanha). Se não recebeu, veja
https://www.gnu.org/licenses/.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&lt;h3&gt;History&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Version %1&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;First release: solo games against the computer, hosted and joined games for up to six players and three watchers, chat with phrase buttons and chatter sounds, the tally list, quick instructions and this help.&lt;/li&gt;&lt;/ul&gt;</source>
        <extracomment>The Documentation page of the help window, in HTML; keep the tags and %1 (the version)</extracomment>
        <translation>&lt;h3&gt;Histórico&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Versão %1&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Primeira versão: jogos solo contra o computador, jogos em rede, em que um jogador hospeda e os outros entram, para até seis jogadores e três espectadores, chat com botões de frase e sons do chat, o placar, as instruções rápidas e esta ajuda.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Overview</source>
        <extracomment>Help topics</extracomment>
        <translation>Visão geral</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentação</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licença</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>O lobby</translation>
    </message>
    <message>
        <source>Tavlix - Help File</source>
        <translation>Tavlix - Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
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
&lt;p&gt;&lt;b&gt;Jogando sozinho.&lt;/b&gt; Aberto diretamente, sem o lobby, o Tavlix começa um jogo solo contra Klot, o jogador do computador. Pressione o botão &lt;b&gt;Iniciar jogo&lt;/b&gt; no
tabuleiro (ou Arquivo, Iniciar jogo) para começar. Um jogo solo não precisa
de conexão com a internet, mas conversa consigo mesmo pelos componentes de
rede do seu computador: se um firewall perguntar, permita que o Tavlix use a
rede neste computador.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Jogando com outras pessoas.&lt;/b&gt; Jogos com outras pessoas começam pelo
lançador do lobby (veja &lt;i&gt;O lobby&lt;/i&gt;). Um jogador hospeda o jogo, e todos os
outros entram no jogo do anfitrião. O primeiro jogador da lista costuma ser o
anfitrião.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Hospedando.&lt;/b&gt; O computador do anfitrião precisa aceitar conexões de
entrada na porta TCP 7772; libere o Tavlix no firewall dele. Quando você
hospeda, o chat diz onde os outros podem entrar no seu jogo: &quot;Jogadores da
sua rede podem entrar no seu jogo em ...&quot; para cada endereço do seu computador
nas redes dele, para amigos na mesma casa.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Hospedando de casa.&lt;/b&gt; A maioria das casas se conecta à internet por
um roteador, que por si só não deixa ninguém entrar. Enquanto você hospeda, o
Tavlix pede ao seu roteador que abra a porta 7772 para o seu computador (por
NAT-PMP ou UPnP, que a maioria dos roteadores oferece), por uma hora de cada
vez e de novo a cada meia hora, e a fecha quando você sai do jogo. Se o
roteador concordar, o chat diz &quot;Jogadores da internet podem entrar no seu
jogo em ...&quot; com o seu endereço na internet: passe esse endereço aos seus
amigos. O jogo nunca usa outra porta e nunca fica esperando o roteador: você
pode jogar enquanto ele responde.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Quando o roteador recusa.&lt;/b&gt; O chat então diz por quê (&quot;Seu roteador
não abriu a porta 7772 ...&quot;) e informa o endereço do seu computador. Ative o
UPnP ou o NAT-PMP na página de configurações do roteador, ou encaminhe ali,
manualmente, a porta TCP 7772 para esse endereço. Se a porta já leva a outro
computador, encerre primeiro o jogo nele ou encaminhe a porta manualmente.
Jogadores da sua própria rede sempre podem entrar no seu jogo pelos endereços
que o chat mostra.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Estranhos.&lt;/b&gt; Uma porta aberta fica aberta para todo mundo. Uma
conexão precisa se identificar em até 15 segundos, um mesmo endereço não pode ficar tentando sem parar, e um jogador que você remover do jogo não pode
voltar enquanto você estiver hospedando. O que o jogo recusar, ele avisa no
chat.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Desligando.&lt;/b&gt; Opções, Abrir porta no roteador desliga isso (ou liga
de novo) na hora, mesmo enquanto você hospeda; o Tavlix então fecha a porta no
roteador. A escolha fica guardada para os próximos jogos.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Jogando on-line com um código de convite.&lt;/b&gt; Muitas casas não deixam
ninguém entrar, e nenhuma configuração do roteador muda isso. Por isso, quando
você hospeda, o Tavlix também registra a sua mesa no lobby da Orvel na
internet, e o chat diz &quot;Amigos podem entrar no seu jogo com o código de
convite ...&quot; com um código como +K7QX-M2PA. Mande o código aos seus amigos
(Arquivo, Copiar código de convite o coloca na área de transferência); ele é
sempre o mesmo, toda vez que você hospeda. Um amigo entra com o código no
lugar de um endereço, no lobby ou na linha de comando. Quando não é possível
alcançar o seu computador, o lobby retransmite o jogo entre vocês: o chat do
seu amigo diz &quot;Conectado pelo retransmissor do lobby.&quot;, e o jogo funciona
exatamente do mesmo jeito. O retransmissor só repassa as mensagens do próprio
jogo e não guarda nenhuma delas.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Jogar on-line.&lt;/b&gt; Opções, Jogar on-line escolhe o que o lobby pode
fazer: Desligado (nunca contatá-lo), Só com convite (a sua mesa só é
encontrada pelo código; a escolha de costume) ou Público (ela também aparece
em todas as janelas do lobby, para qualquer pessoa entrar). A mudança vale na
hora. Se não for possível alcançar o lobby, o chat avisa uma vez, e os
jogadores da sua rede ainda podem entrar no seu jogo; o jogo tenta de novo a
cada poucos minutos. Trancar mesa, a remoção de jogadores e os limites para
estranhos valem para quem chega pelo lobby como para todos os outros.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Perdendo o anfitrião.&lt;/b&gt; A cópia do Tavlix do anfitrião roda o jogo
para todos. Se o anfitrião sair ou for desconectado, o jogo acaba para todos e
as janelas dos outros jogadores se fecham.&lt;/p&gt;
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
&lt;p&gt;O Orvel Lobby é um programa à parte, onde os jogadores se encontram e
começam jogos com várias pessoas. Ele abre o Tavlix para cada jogador de uma
partida com três informações: o nome do jogador, o endereço do anfitrião e se
esse jogador é o anfitrião. Enquanto o jogo roda, o lobby consegue saber que o
Tavlix ainda está aberto.&lt;/p&gt;
&lt;p&gt;Um jogo solo mostra a janela Baixar o Orvel Lobby: ela pode baixar o lobby
para você, e &lt;b&gt;Jogar com outros&lt;/b&gt; abre um lobby já instalado.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;O lançador para Linux.&lt;/b&gt; No Linux, o lobby é o &lt;b&gt;orvellobby&lt;/b&gt;, que é
compilado e instalado junto com o tavlix. Abra-o e preencha a janela:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Seu nome&lt;/b&gt;: o nome que os outros jogadores veem (pode ter espaços).&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Endereço do anfitrião&lt;/b&gt;: o computador que roda o jogo, como um nome ou
um endereço como 192.168.1.20 ou 2001:db8::20.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Pressione &lt;b&gt;Hospedar um jogo&lt;/b&gt; para rodar o jogo no seu computador; os
outros entram no seu jogo pelo endereço do seu computador. Pressione
&lt;b&gt;Entrar em um jogo&lt;/b&gt; para entrar no jogo do endereço do anfitrião. O
lançador lembra os dois campos, e a linha de status dele diz Jogo em andamento
enquanto o seu jogo está aberto e Jogo encerrado quando ele fecha.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Jogos na sua rede.&lt;/b&gt; A lista do lançador mostra os jogos hospedados na
rede da sua casa, com o nome do anfitrião, o endereço, os jogadores e a
situação, por exemplo &lt;i&gt;Ann em 192.168.1.20, 2 jogadores, rodada 2 de 3&lt;/i&gt;.
Escolha um para preencher o endereço do anfitrião, ou dê um clique duplo nele
(ou pressione Enter sobre ele) para entrar na hora. A lista precisa do serviço
Avahi (avahi-daemon), que a maioria dos desktops Linux roda; sem ele, entre
pelo endereço.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Jogos na internet.&lt;/b&gt; A segunda lista mostra as mesas públicas do
lobby da Orvel na internet, por exemplo &lt;i&gt;Ann em +K7QX-M2PA, 2 jogadores,
aguardando&lt;/i&gt;, e consulta o lobby de novo a cada 15 segundos; pressione F5
para consultar na hora. Escolha uma para colocar o código de convite dela no
endereço do anfitrião, ou dê um clique duplo nela (ou pressione Enter sobre
ela) para entrar. O endereço do anfitrião também aceita um código de convite
que um amigo mandou para você, como +K7QX-M2PA; maiúsculas, minúsculas e o
&quot;-&quot; não fazem diferença.&lt;/p&gt;
&lt;p&gt;Você também pode abrir o Tavlix por conta própria com as mesmas três
informações na linha de comando, por exemplo
&lt;i&gt;tavlix Ann 192.168.1.20 true&lt;/i&gt; para hospedar, ou
&lt;i&gt;tavlix Bo +K7QX-M2PA false&lt;/i&gt; para entrar na mesa de um amigo pelo código
de convite; qualquer outra última palavra entra no jogo.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>TileArt</name>
    <message>
        <source>heart</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation>coração</translation>
    </message>
    <message>
        <source>star</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation>estrela</translation>
    </message>
    <message>
        <source>ring</source>
        <extracomment>One of the four pictures on a tile&apos;s sides</extracomment>
        <translation>anel</translation>
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
        <translation>Tavlix - Botões de frase </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Botão de frase %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Cada botão só pode ser usado uma vez a cada 2 segundos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Tavlix - Spys</source>
        <translation>Tavlix - Espiões</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Lista de espiões</translation>
    </message>
    <message>
        <source>&amp;Remove From Game</source>
        <translation>&amp;Remover do jogo</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Pronto</translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Opponent&apos;s Tally</source>
        <translation>Placar do adversário</translation>
    </message>
    <message>
        <source>Opponent Wins:</source>
        <translation>Vitórias do rival:</translation>
    </message>
    <message>
        <source>Tavlix - Tally List</source>
        <translation>Tavlix - Placar</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Jogadores da partida</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Jogadores no placar</translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation>Seu placar total</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Partidas:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Suas vitórias</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Column heading: counted over all games</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <extracomment>Column heading: counted since the program started</extracomment>
        <translation>Sessão</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Número de partidas</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Suas vitórias:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Nenhum dos dois:</translation>
    </message>
    <message>
        <source>Tick a player of the current game to keep a tally of your games against them; untick to stop.</source>
        <translation>Marque um jogador da partida para contar as suas partidas contra ele; desmarque para parar.</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Zerar placar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Isso vai apagar o placar de %1. Tem certeza de que quer apagá-lo?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Vitórias de %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Placar de %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Tem certeza de que quer zerar o placar?</translation>
    </message>
    <message>
        <source>The damaged file is kept as %1.</source>
        <translation>O arquivo danificado foi guardado como %1.</translation>
    </message>
    <message>
        <source>The file is left as it is; results of this game are not saved.</source>
        <translation>O arquivo foi deixado como está; os resultados desta partida não serão salvos.</translation>
    </message>
</context>
<context>
    <name>WireLines</name>
    <message>
        <source>%1 tried to join again and was turned away.</source>
        <translation>%1 tentou entrar de novo e foi recusado.</translation>
    </message>
    <message>
        <source>Turned away %1 connections from %2 (%3).</source>
        <extracomment>%1 a number, %2 an address or &quot;N other addresses&quot;, %3 the reason</extracomment>
        <translation>%1 conexões de %2 foram recusadas (%3).</translation>
    </message>
    <message>
        <source>%1 other addresses</source>
        <translation>%1 outros endereços</translation>
    </message>
    <message>
        <source>too many waiting to log in</source>
        <extracomment>Why the host turned connections away</extracomment>
        <translation>conexões demais esperando para entrar</translation>
    </message>
    <message>
        <source>too many connections</source>
        <extracomment>Why the host turned connections away</extracomment>
        <translation>conexões demais</translation>
    </message>
    <message>
        <source>removed</source>
        <extracomment>Why the host turned connections away: the player was removed from the game</extracomment>
        <translation>removido do jogo</translation>
    </message>
    <message>
        <source>table locked</source>
        <extracomment>Why the host turned connections away</extracomment>
        <translation>mesa trancada</translation>
    </message>
    <message>
        <source>%1 chats: %2</source>
        <extracomment>A chat line: %1 a player&apos;s name, %2 what they typed</extracomment>
        <translation>%1 escreve: %2</translation>
    </message>
    <message>
        <source>%1 says: %2</source>
        <extracomment>A phrase button&apos;s line: %1 a player&apos;s name, %2 the phrase</extracomment>
        <translation>%1 diz: %2</translation>
    </message>
    <message>
        <source>%1 is removed: %2 and the name %1 stay away while you host.</source>
        <extracomment>%1 the removed player&apos;s name, %2 an address or address block such as 2001:db8:64::/64</extracomment>
        <translation>%1 foi removido: %2 e o nome %1 ficam bloqueados enquanto você hospedar.</translation>
    </message>
    <message>
        <source>%1 is removed: the name %1 stays away while you host.</source>
        <extracomment>%1 the removed player&apos;s name</extracomment>
        <translation>%1 foi removido: o nome %1 fica bloqueado enquanto você hospedar.</translation>
    </message>
</context>
</TS>
