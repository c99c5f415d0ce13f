<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Check</name>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 não é um número inteiro</translation>
    </message>
    <message>
        <source>%1 is not a colour (RRGGBB)</source>
        <translation>%1 não é uma cor (RRGGBB)</translation>
    </message>
    <message>
        <source>vocabulary</source>
        <translation>vocabulário</translation>
    </message>
    <message>
        <source>is missing while the other state files are there: the game stops at its start; ship all three, or none for a new game</source>
        <translation>falta, e os outros arquivos de estado existem: o jogo para no início; inclua os três, ou nenhum para um jogo novo</translation>
    </message>
    <message>
        <source>holds %1 lines; the player needs %2</source>
        <translation>tem %1 linhas; o programa precisa de %2</translation>
    </message>
    <message>
        <source>vocabulary line without &apos;|&apos;: the whole line is taken as a script for an empty command</source>
        <translation>linha de vocabulário sem &apos;|&apos;: a linha inteira é tomada como script de um comando vazio</translation>
    </message>
    <message>
        <source>phrase %1 has lower-case letters: typed commands are upper-cased, so it never matches</source>
        <translation>frase %1 tem letras minúsculas: os comandos digitados viram maiúsculas, então ela nunca corresponde</translation>
    </message>
    <message>
        <source>%1 %2 does not exist</source>
        <translation>%1 %2 não existe</translation>
    </message>
    <message>
        <source>%1 %2 is found only through the case-insensitive look-up (the file is %3)</source>
        <translation>%1 %2 só é achado pela busca que ignora maiúsculas e minúsculas (o arquivo é %3)</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>imagem</translation>
    </message>
    <message>
        <source>picture %1: the picture loader reads only lower-case extensions (%2), so it skips this file</source>
        <translation>imagem %1: o carregador de imagens só lê extensões em minúsculas (%2), por isso pula este arquivo</translation>
    </message>
    <message>
        <source>script</source>
        <translation>script</translation>
    </message>
    <message>
        <source>text block never closed: it takes the rest of the script</source>
        <translation>bloco de texto nunca fechado: ele toma o resto do script</translation>
    </message>
    <message>
        <source>%1 matches no command</source>
        <translation>%1 não corresponde a nenhum comando</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>; você quis dizer %1?</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>som</translation>
    </message>
    <message>
        <source>music</source>
        <translation>música</translation>
    </message>
    <message>
        <source>object %1: no .obj file defines it</source>
        <translation>objeto %1: nenhum arquivo .obj o define</translation>
    </message>
    <message>
        <source>label %1 does not exist in this script</source>
        <translation>rótulo %1 não existe neste script</translation>
    </message>
    <message>
        <source>register number %1 is not a number (it reads as 0)</source>
        <translation>número de registrador %1 não é um número (vale 0)</translation>
    </message>
    <message>
        <source>register %1 is out of range (0 to %2)</source>
        <translation>registrador %1 fora do intervalo (0 a %2)</translation>
    </message>
    <message>
        <source>%1 names no register (0 to %2): %3 is used as it is</source>
        <translation>%1 não nomeia registrador (0 a %2): %3 é usado como está</translation>
    </message>
    <message>
        <source>text never closed by an apostrophe: it takes the rest of the script</source>
        <translation>texto nunca fechado por um apóstrofo: ele toma o resto do script</translation>
    </message>
    <message>
        <source>the quit button&apos;s %1</source>
        <translation>botão de encerrar: %1</translation>
    </message>
    <message>
        <source>%1 has no register number after &apos;#&apos;: it reads register 0</source>
        <translation>%1 não tem número de registrador depois de &apos;#&apos;: lê o registrador 0</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>show this help and end</source>
        <translation>mostra esta ajuda e termina</translation>
    </message>
    <message>
        <source>show the version and end</source>
        <translation>mostra a versão e termina</translation>
    </message>
    <message>
        <source>write every trace line to standard error (or FILE)</source>
        <translation>cada linha de rastro na saída de erros (ou em FILE)</translation>
    </message>
    <message>
        <source>play a walkthrough, printing every step, then quit</source>
        <translation>joga um roteiro de passos, mostrando cada passo, e sai</translation>
    </message>
    <message>
        <source>with --play: print the state as JSON after every step</source>
        <translation>com --play: o estado em JSON depois de cada passo</translation>
    </message>
    <message>
        <source>with --play: no window, a virtual clock</source>
        <translation>com --play: sem janela, com relógio virtual</translation>
    </message>
    <message>
        <source>with --play: the real web view, also headless</source>
        <translation>com --play: a visão web de verdade, também sem janela</translation>
    </message>
    <message>
        <source>check the game instead of playing; changes nothing</source>
        <translation>confere o jogo em vez de jogar; não muda nada</translation>
    </message>
    <message>
        <source>play N random actions chosen by SEED, checking each</source>
        <translation>N ações ao acaso escolhidas por SEED, conferindo cada</translation>
    </message>
    <message>
        <source>with --monkey: write its actions as a walkthrough</source>
        <translation>com --monkey: escreve suas ações como roteiro de passos</translation>
    </message>
    <message>
        <source>draw the window N times larger (1-3; Ctrl+plus/minus/0)</source>
        <translation>desenha a janela N vezes maior (1-3; Ctrl+mais/menos/0)</translation>
    </message>
    <message>
        <source>read the messages aloud from the start (F6 toggles)</source>
        <translation>lê as mensagens em voz alta desde o início (F6 alterna)</translation>
    </message>
    <message>
        <source>without GAME: play the demo installed with lumora</source>
        <translation>sem GAME: joga o demo instalado com o lumora</translation>
    </message>
    <message>
        <source>--monkey goes without --play, --check and --json</source>
        <translation>--monkey não vai com --play, --check nem --json</translation>
    </message>
    <message>
        <source>--monkey-out goes with --monkey</source>
        <translation>--monkey-out vai com --monkey</translation>
    </message>
    <message>
        <source>--headless and --web go with --play or --monkey</source>
        <translation>--headless e --web vão com --play ou --monkey</translation>
    </message>
    <message>
        <source>--json goes with --play</source>
        <translation>--json vai com --play</translation>
    </message>
    <message>
        <source>--check goes alone, with the game to check</source>
        <translation>--check vai sozinho, com o jogo a conferir</translation>
    </message>
    <message>
        <source>--monkey takes SEED:N (N actions, at least 1), not %1</source>
        <translation>--monkey recebe SEED:N (N ações, ao menos 1), não %1</translation>
    </message>
    <message>
        <source>--zoom takes 1, 2 or 3, not %1</source>
        <translation>--zoom recebe 1, 2 ou 3, não %1</translation>
    </message>
    <message>
        <source>more than one game given: %1</source>
        <translation>mais de um jogo dado: %1</translation>
    </message>
    <message>
        <source>Try &apos;lumora --help&apos; for more information.</source>
        <translation>Experimente &apos;lumora --help&apos; para mais informações.</translation>
    </message>
    <message>
        <source>list the script commands, what each does (=man: roff)</source>
        <translation>lista os comandos de script e o que fazem (=man: roff)</translation>
    </message>
    <message>
        <source>--keywords takes man or nothing, not %1</source>
        <translation>--keywords aceita man ou nada, não %1</translation>
    </message>
    <message>
        <source>Usage: lumora [OPTION]... [GAME]
       lumora --check [GAME]
       lumora --keywords[=man]
Plays an adventure game written as plain-text scripts.

Options:
</source>
        <translation>Uso: lumora [OPÇÃO]... [GAME]
     lumora --check [GAME]
     lumora --keywords[=man]
Joga uma aventura escrita em roteiros de texto simples.

Opções:
</translation>
    </message>
    <message>
        <source>--library %1 needs the GAME</source>
        <translation>--library %1 precisa do JOGO</translation>
    </message>
    <message>
        <source>open the game resumed from a saved slot (F9)</source>
        <translation>abre o jogo retomado de uma posição salva (F9)</translation>
    </message>
    <message>
        <source>--library takes list, add, remove, play or show, not %1</source>
        <translation>--library aceita list, add, remove, play ou show, não %1</translation>
    </message>
    <message>
        <source>the library: list, show, add/remove/play GAME</source>
        <translation>a biblioteca: list, show, add/remove/play JOGO</translation>
    </message>
    <message>
        <source>make a small playable game in FOLDER to start from</source>
        <translation>cria em FOLDER um jogo pequeno e jogável, para começar</translation>
    </message>
    <message>
        <source>replay every FOLDER/*.walk from the shipped state</source>
        <translation>rejoga cada FOLDER/*.walk a partir do estado original</translation>
    </message>
    <message>
        <source>write what you do as a walkthrough (implies --fresh)</source>
        <translation>grava o que você faz como roteiro (implica --fresh)</translation>
    </message>
    <message>
        <source>play from the shipped state on a copy thrown away</source>
        <translation>joga do estado original numa cópia descartada</translation>
    </message>
    <message>
        <source>keep the saved game in FOLDER, not the game&apos;s</source>
        <translation>guarda o jogo salvo em FOLDER, não na pasta do jogo</translation>
    </message>
    <message>
        <source>run the place&apos;s script again when a game file changes</source>
        <translation>roda de novo o script do lugar se um arquivo mudar</translation>
    </message>
    <message>
        <source>--play-all goes without --play, --monkey, --record and --json</source>
        <translation>--play-all vai sem --play, --monkey, --record e --json</translation>
    </message>
    <message>
        <source>--fresh and --state do not go together</source>
        <translation>--fresh e --state não vão juntos</translation>
    </message>
    <message>
        <source>--monkey goes without --record, --state and --fresh</source>
        <translation>--monkey vai sem --record, --state e --fresh</translation>
    </message>
    <message>
        <source>
GAME is one of:
  path/to/game.ini       a game&apos;s configuration file
  path/to/game-folder    a folder holding one game (.ini)
  (nothing)              the game named after the program: a symbolic link to
                         lumora named after the game (aventura), placed in the
                         game&apos;s folder, plays aventura.ini from that folder

From a file manager, open a game&apos;s .ini with the command lumora.

The saved game (registers, objects, configuration, map) is written in the
game&apos;s folder. When that folder is not writable, it goes to the user&apos;s data
folder, ~/.local/share/lumora/GAME-KEY (KEY tells same-named games apart),
which is read first when present. F5 saves the game into a slot kept there,
F9 restores one, Ctrl+Z takes back the last action (Ctrl+Shift+Z redoes).
Started without a game, lumora shows the library of your games.

Exit status: 0 done; 1 the game&apos;s configuration could not be read (--check:
findings; --play: an expect line failed); 2 a usage error or no game found.

Examples:
</source>
        <translation>
GAME é um destes:
  caminho/do/jogo.ini    o arquivo de configuração de um jogo
  caminho/da/pasta       uma pasta com um jogo (.ini)
  (nada)                 o jogo com o nome do programa: um link simbólico para o
                         lumora com o nome do jogo (aventura), posto na pasta do
                         jogo, joga aventura.ini daquela pasta

Num gerenciador de arquivos, abra o .ini de um jogo com o comando lumora.

O jogo salvo (registradores, objetos, configuração, mapa) é escrito na pasta
do jogo. Quando essa pasta não aceita escrita, ele vai para a pasta de dados
do usuário, ~/.local/share/lumora/GAME-CHAVE (a CHAVE separa jogos de mesmo
nome), lida primeiro quando existe. F5 salva o jogo numa posição guardada lá,
F9 restaura uma, Ctrl+Z desfaz a última ação (Ctrl+Shift+Z a refaz).
Iniciado sem um jogo, o lumora mostra a biblioteca dos seus jogos.

Status de saída: 0 terminou; 1 a configuração do jogo não pôde ser lida
(--check: achados; --play: uma linha expect falhou); 2 um erro de uso ou
nenhum jogo encontrado.

Exemplos:
</translation>
    </message>
    <message>
        <source>open the author&apos;s inspector beside the game (F12)</source>
        <translation>abre o inspetor do autor ao lado do jogo (F12)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>a game area of %1 by %2 pixels is outside the limits (1 to %3 pixels a side, %4 in all); it is held to %5 by %6</source>
        <translation>uma área de jogo de %1 por %2 pixels está fora dos limites (1 a %3 pixels de lado, %4 ao todo); ela fica em %5 por %6</translation>
    </message>
    <message>
        <source>Not enough memory to go on with this action.</source>
        <translation>Não há memória para continuar esta ação.</translation>
    </message>
    <message>
        <source>no game (.ini) in %1</source>
        <translation>nenhum jogo (.ini) em %1</translation>
    </message>
    <message>
        <source>more than one game (.ini) in %1: name one</source>
        <translation>mais de um jogo (.ini) em %1: diga qual</translation>
    </message>
    <message>
        <source>no such game: %1</source>
        <translation>jogo inexistente: %1</translation>
    </message>
    <message>
        <source>no game to play: no %1.ini beside %2
Name a game: lumora path/to/game.ini, or its folder (lumora path/to/game),
or place a symbolic link to lumora named after the game in the game&apos;s folder (aventura beside aventura.ini) and start that.</source>
        <translation>nenhum jogo para jogar: não há %1.ini ao lado de %2
Diga o jogo: lumora caminho/do/jogo.ini, ou a pasta dele (lumora caminho/do/jogo),
ou ponha na pasta do jogo um link simbólico para o lumora com o nome do jogo (aventura ao lado de aventura.ini) e abra o link.</translation>
    </message>
    <message>
        <source>The game&apos;s folder &quot;%1&quot; cannot be written, and there is no folder for your saved games</source>
        <translation>A pasta do jogo &quot;%1&quot; não aceita escrita, e não há pasta para os seus jogos salvos</translation>
    </message>
    <message>
        <source>The game&apos;s folder &quot;%1&quot; cannot be written, nor the folder for your saved games &quot;%2&quot;</source>
        <translation>A pasta do jogo &quot;%1&quot; não aceita escrita, nem a pasta para os seus jogos salvos &quot;%2&quot;</translation>
    </message>
    <message>
        <source>. The game plays on, but nothing of this session is kept after it ends.</source>
        <translation>. O jogo continua, mas nada desta sessão fica guardado depois que ela terminar.</translation>
    </message>
    <message>
        <source>. The game plays on, but it cannot be saved.</source>
        <translation>. O jogo continua, mas não pode ser salvo.</translation>
    </message>
    <message>
        <source>Reading aloud is not available: no speech synthesizer was found.</source>
        <translation>Leitura em voz alta indisponível: nenhum sintetizador de voz encontrado.</translation>
    </message>
    <message>
        <source>%1, line %2 (entry %3): %4</source>
        <translation>%1, linha %2 (entrada %3): %4</translation>
    </message>
    <message>
        <source>a register count of %1 is above the limit of %2</source>
        <translation>um número de registradores de %1 passa do limite de %2</translation>
    </message>
    <message>
        <source>a register count of %1 is below zero</source>
        <translation>um número de registradores de %1 é menor que zero</translation>
    </message>
    <message>
        <source>The game cannot be saved: the folder &quot;%1&quot; cannot be made.</source>
        <translation>O jogo não pode ser salvo: a pasta &quot;%1&quot; não pode ser criada.</translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>Salvo: %1</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be read.</source>
        <translation>O jogo salvo &quot;%1&quot; não pode ser lido.</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>Restaurado: %1</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nada a desfazer.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Nada a refazer.</translation>
    </message>
    <message>
        <source>The configuration %1 was changed on disk while the game played; it is kept as it is, without this session&apos;s window place and names.</source>
        <translation>A configuração %1 mudou no disco enquanto o jogo rodava; ela fica como está, sem o lugar da janela e os nomes desta sessão.</translation>
    </message>
    <message>
        <source>After the change to %1: %2</source>
        <translation>Depois da mudança em %1: %2</translation>
    </message>
</context>
<context>
    <name>Inspector</name>
    <message>
        <source>Inspector: %1</source>
        <translation>Inspetor: %1</translation>
    </message>
    <message>
        <source>&amp;Registers</source>
        <translation>&amp;Registradores</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objetos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Script</translation>
    </message>
    <message>
        <source>Double-click an exit to go there</source>
        <translation>Clique duas vezes numa saída para ir até lá</translation>
    </message>
    <message>
        <source>&amp;Exits</source>
        <translation>&amp;Saídas</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Topo</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Figura</translation>
    </message>
    <message>
        <source>&amp;Areas</source>
        <translation>Á&amp;reas</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Rastro</translation>
    </message>
    <message>
        <source>&amp;Trace</source>
        <translation>Ras&amp;tro</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>&amp;Lugar:</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>&amp;Go there</source>
        <translation>&amp;Ir até lá</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrador</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Double-click a value to change it; the last run&apos;s changes are marked</source>
        <translation>Clique duas vezes num valor para mudá-lo; as mudanças da última execução estão marcadas</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Chave</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Double-click a place to move the object there</source>
        <translation>Clique duas vezes num lugar para mover o objeto para lá</translation>
    </message>
    <message>
        <source>Script %1, line %2; display model %3; place %4</source>
        <translation>Script %1, linha %2; modelo de tela %3; lugar %4</translation>
    </message>
</context>
<context>
    <name>Keyword</name>
    <message>
        <source>label</source>
        <translation>rótulo</translation>
    </message>
    <message>
        <source>script</source>
        <translation>script</translation>
    </message>
    <message>
        <source>script|:label</source>
        <translation>script|:rótulo</translation>
    </message>
    <message>
        <source>vocabulary</source>
        <translation>vocabulário</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>figura</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>som</translation>
    </message>
    <message>
        <source>music</source>
        <translation>música</translation>
    </message>
    <message>
        <source>register</source>
        <translation>registrador</translation>
    </message>
    <message>
        <source>object</source>
        <translation>objeto</translation>
    </message>
    <message>
        <source>text...&apos;</source>
        <translation>texto...&apos;</translation>
    </message>
    <message>
        <source>command,...</source>
        <translation>comando,...</translation>
    </message>
    <message>
        <source>number</source>
        <translation>número</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>cor</translation>
    </message>
    <message>
        <source>place</source>
        <translation>lugar</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>The script commands: the keyword, a blank, then the arguments joined by commas
with no blanks between them (a blank belongs to the argument). #n stands for
register n&apos;s value.

</source>
        <translation>Os comandos dos scripts: a palavra-chave, um branco e os argumentos unidos por
vírgulas, sem brancos entre eles (um branco faz parte do argumento). #n vale o
valor do registrador n.

</translation>
    </message>
    <message>
        <source>Ends the running script; the game then waits for the player.</source>
        <translation>Encerra o script em execução; o jogo então espera o jogador.</translation>
    </message>
    <message>
        <source>Goes on in another script, from its second line.</source>
        <translation>Continua em outro script, a partir da segunda linha dele.</translation>
    </message>
    <message>
        <source>Waits so many tenths of a second (1 when empty) while the window keeps answering.</source>
        <translation>Espera tantos décimos de segundo (1 se vazio), com a janela respondendo.</translation>
    </message>
    <message>
        <source>Adds the text to the message; commas belong to the text, and #n alone stands for register n.</source>
        <translation>Acrescenta o texto à mensagem; as vírgulas fazem parte do texto, e #n sozinho vale o registrador n.</translation>
    </message>
    <message>
        <source>Replaces the message with the text (models 0 and 2 add it; model 3 draws it at the text position).</source>
        <translation>Substitui a mensagem pelo texto (os modelos 0 e 2 o acrescentam; o modelo 3 o desenha na posição do texto).</translation>
    </message>
    <message>
        <source>Clears the message of the display model (model 2 starts a new page).</source>
        <translation>Limpa a mensagem do modelo de exibição (o modelo 2 começa uma página nova).</translation>
    </message>
    <message>
        <source>Sets the message font: name, size, colour, and bold, italic, underline when those are not empty.</source>
        <translation>Define a fonte das mensagens: nome, tamanho, cor e negrito, itálico, sublinhado quando não vazios.</translation>
    </message>
    <message>
        <source>Puts the link parameter prm, prx or pry of this run into the register.</source>
        <translation>Põe no registrador o parâmetro de link prm, prx ou pry desta execução.</translation>
    </message>
    <message>
        <source>Sets the return script.</source>
        <translation>Define o script de retorno.</translation>
    </message>
    <message>
        <source>Sets the current place (the position script).</source>
        <translation>Define o lugar atual (o script de posição).</translation>
    </message>
    <message>
        <source>Puts an engine variable (Modelo, Script, IniScp, RetScp, Posic, Objeto) into the register.</source>
        <translation>Põe no registrador uma variável do motor (Modelo, Script, IniScp, RetScp, Posic, Objeto).</translation>
    </message>
    <message>
        <source>Sets the background colour (configuration line 18 when empty).</source>
        <translation>Define a cor de fundo (a linha 18 da configuração se vazio).</translation>
    </message>
    <message>
        <source>Sets the message font size (configuration line 16 when empty).</source>
        <translation>Define o tamanho da fonte das mensagens (a linha 16 da configuração se vazio).</translation>
    </message>
    <message>
        <source>Sets the message font name (configuration line 15 when empty).</source>
        <translation>Define o nome da fonte das mensagens (a linha 15 da configuração se vazio).</translation>
    </message>
    <message>
        <source>Sets the message style: B, I, U in positions 1 to 3 for bold, italic, underline.</source>
        <translation>Define o estilo das mensagens: B, I, U nas posições 1 a 3 para negrito, itálico, sublinhado.</translation>
    </message>
    <message>
        <source>Sets the link colour (configuration line 20 when empty).</source>
        <translation>Define a cor dos links (a linha 20 da configuração se vazio).</translation>
    </message>
    <message>
        <source>Sets the visited-link colour (configuration line 21 when empty).</source>
        <translation>Define a cor dos links visitados (a linha 21 da configuração se vazio).</translation>
    </message>
    <message>
        <source>Sets the text colour (configuration line 19 when empty).</source>
        <translation>Define a cor do texto (a linha 19 da configuração se vazio).</translation>
    </message>
    <message>
        <source>Calls a script, or a :label of this script, as a subroutine (one level only).</source>
        <translation>Chama um script, ou um :rótulo deste script, como sub-rotina (um nível só).</translation>
    </message>
    <message>
        <source>Returns from the subroutine to the line after its gosub.</source>
        <translation>Volta da sub-rotina para a linha depois do seu gosub.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Aceito e ignorado.</translation>
    </message>
    <message>
        <source>Writes the registers to the game&apos;s .rgs file now.</source>
        <translation>Grava agora os registradores no arquivo .rgs do jogo.</translation>
    </message>
    <message>
        <source>Writes the objects to the game&apos;s .obx file now.</source>
        <translation>Grava agora os objetos no arquivo .obx do jogo.</translation>
    </message>
    <message>
        <source>objs [object or todos] reloads objects from their .obj files; regs empties every register but the last; mapa FILE deletes a saved map.</source>
        <translation>objs [objeto ou todos] recarrega objetos de seus arquivos .obj; regs esvazia todos os registradores menos o último; mapa ARQUIVO apaga um mapa salvo.</translation>
    </message>
    <message>
        <source>Plays a music file of the game once.</source>
        <translation>Toca uma vez um arquivo de música do jogo.</translation>
    </message>
    <message>
        <source>Sets the music&apos;s volume.</source>
        <translation>Define o volume da música.</translation>
    </message>
    <message>
        <source>Plays a sound; with on the script waits for its end; playsnd off stops it.</source>
        <translation>Toca um som; com on o script espera o fim dele; playsnd off o interrompe.</translation>
    </message>
    <message>
        <source>Switches the display model: 0 typed text, 1 pictures and a message line, 2 a web page, 3 a page of text and pictures.</source>
        <translation>Troca o modelo de exibição: 0 texto datilografado, 1 figuras e uma linha de mensagem, 2 página web, 3 página de texto e figuras.</translation>
    </message>
    <message>
        <source>Puts a property of the object (nom, dsc, loc, shp, tag) into the register.</source>
        <translation>Põe no registrador uma propriedade do objeto (nom, dsc, loc, shp, tag).</translation>
    </message>
    <message>
        <source>Puts the object&apos;s picture into the register.</source>
        <translation>Põe no registrador a figura do objeto.</translation>
    </message>
    <message>
        <source>Puts the object&apos;s description into the register.</source>
        <translation>Põe no registrador a descrição do objeto.</translation>
    </message>
    <message>
        <source>Puts the object&apos;s name into the register.</source>
        <translation>Põe no registrador o nome do objeto.</translation>
    </message>
    <message>
        <source>Puts the object&apos;s tag into the register.</source>
        <translation>Põe no registrador a etiqueta do objeto.</translation>
    </message>
    <message>
        <source>Puts the object&apos;s place into the register.</source>
        <translation>Põe no registrador o lugar do objeto.</translation>
    </message>
    <message>
        <source>Sets a property of the object (nom, dsc, loc, shp, tag); loc as the value is the current place.</source>
        <translation>Define uma propriedade do objeto (nom, dsc, loc, shp, tag); loc como valor é o lugar atual.</translation>
    </message>
    <message>
        <source>Sets the object&apos;s picture.</source>
        <translation>Define a figura do objeto.</translation>
    </message>
    <message>
        <source>Sets the object&apos;s description.</source>
        <translation>Define a descrição do objeto.</translation>
    </message>
    <message>
        <source>Sets the object&apos;s name.</source>
        <translation>Define o nome do objeto.</translation>
    </message>
    <message>
        <source>Sets the object&apos;s tag.</source>
        <translation>Define a etiqueta do objeto.</translation>
    </message>
    <message>
        <source>Puts the object at the place.</source>
        <translation>Põe o objeto no lugar.</translation>
    </message>
    <message>
        <source>Moves every object at the first place to the second.</source>
        <translation>Move todos os objetos do primeiro lugar para o segundo.</translation>
    </message>
    <message>
        <source>The player takes the object (its place becomes jog).</source>
        <translation>O jogador pega o objeto (o lugar dele passa a ser jog).</translation>
    </message>
    <message>
        <source>The player drops the object at the current place.</source>
        <translation>O jogador solta o objeto no lugar atual.</translation>
    </message>
    <message>
        <source>Jumps to the label when the object is at the place.</source>
        <translation>Salta para o rótulo quando o objeto está no lugar.</translation>
    </message>
    <message>
        <source>Jumps to the label when the object is not at the place.</source>
        <translation>Salta para o rótulo quando o objeto não está no lugar.</translation>
    </message>
    <message>
        <source>Puts the number of objects at the place into the register.</source>
        <translation>Põe no registrador o número de objetos no lugar.</translation>
    </message>
    <message>
        <source>Puts the descriptions of the objects at the place into the register, as a list ending in &quot;e&quot;.</source>
        <translation>Põe no registrador as descrições dos objetos no lugar, numa lista terminada em &quot;e&quot;.</translation>
    </message>
    <message>
        <source>As lstobj=, each description a link to its object&apos;s script.</source>
        <translation>Como lstobj=, cada descrição um link para o script do seu objeto.</translation>
    </message>
    <message>
        <source>Accepted with loc or jog; shows nothing.</source>
        <translation>Aceito com loc ou jog; não mostra nada.</translation>
    </message>
    <message>
        <source>Empties the text buffer of model 3.</source>
        <translation>Esvazia o texto acumulado do modelo 3.</translation>
    </message>
    <message>
        <source>Fills the screen and the model-3 page with the colour (the background colour when empty).</source>
        <translation>Preenche a tela e a página do modelo 3 com a cor (a cor de fundo se vazio).</translation>
    </message>
    <message>
        <source>Fills the command panel with the colour (the background colour when empty).</source>
        <translation>Preenche o painel de comandos com a cor (a cor de fundo se vazio).</translation>
    </message>
    <message>
        <source>Model 3: moves the text position to x, y ($ or empty keeps that one).</source>
        <translation>Modelo 3: leva a posição do texto a x, y ($ ou vazio mantém a atual).</translation>
    </message>
    <message>
        <source>Model 3 only: moves the text position down so many pixels (10 when empty).</source>
        <translation>Só no modelo 3: desce a posição do texto tantos pixels (10 se vazio).</translation>
    </message>
    <message>
        <source>Draws the text in a box on the model-3 page: x, y, width, height, colour, style, background, size ($ is the text buffer).</source>
        <translation>Desenha o texto numa caixa da página do modelo 3: x, y, largura, altura, cor, estilo, fundo, tamanho ($ é o texto acumulado).</translation>
    </message>
    <message>
        <source>Shows the pictures of the objects at the place (jog when empty) as clickable cells: surface, left, top, width, height, columns.</source>
        <translation>Mostra as figuras dos objetos no lugar (jog se vazio) em células clicáveis: superfície, esquerda, topo, largura, altura, colunas.</translation>
    </message>
    <message>
        <source>Starts a new line of the message.</source>
        <translation>Começa uma linha nova da mensagem.</translation>
    </message>
    <message>
        <source>Draws a picture or a text on a surface (tel, fnc, pan) at x, y: a picture&apos;s width, height and alignment, or a text&apos;s size, colour and style.</source>
        <translation>Desenha uma figura ou um texto numa superfície (tel, fnc, pan) em x, y: largura, altura e alinhamento da figura, ou tamanho, cor e estilo do texto.</translation>
    </message>
    <message>
        <source>Shows the object&apos;s name (tit), description (dsc) or picture (shp) in msg, tel, fnc or pan, at x, y, width, height, with a size change and colour.</source>
        <translation>Mostra o nome (tit), a descrição (dsc) ou a figura (shp) do objeto em msg, tel, fnc ou pan, em x, y, largura, altura, com mudança de tamanho e cor.</translation>
    </message>
    <message>
        <source>Jumps to the label when the player carries the object.</source>
        <translation>Salta para o rótulo quando o jogador leva o objeto.</translation>
    </message>
    <message>
        <source>Makes the object the current object.</source>
        <translation>Faz do objeto o objeto atual.</translation>
    </message>
    <message>
        <source>Puts the current object&apos;s key into the register.</source>
        <translation>Põe no registrador a chave do objeto atual.</translation>
    </message>
    <message>
        <source>The picture over the screen in model 1: a .bmp loads it, on shows it, off hides it, x, y move it.</source>
        <translation>A figura sobre a tela no modelo 1: um .bmp a carrega, on a mostra, off a esconde, x, y a movem.</translation>
    </message>
    <message>
        <source>Shows the picture on the screen; a click on it runs the script.</source>
        <translation>Mostra a figura na tela; um clique nela executa o script.</translation>
    </message>
    <message>
        <source>Clears the eight exits.</source>
        <translation>Apaga as oito saídas.</translation>
    </message>
    <message>
        <source>Loads the map&apos;s picture, or the saved map when that file exists.</source>
        <translation>Carrega a figura do mapa, ou o mapa salvo quando esse arquivo existe.</translation>
    </message>
    <message>
        <source>Defines the map window: surface (tel, fnc, pan), left, top, width, height.</source>
        <translation>Define a janela do mapa: superfície (tel, fnc, pan), esquerda, topo, largura, altura.</translation>
    </message>
    <message>
        <source>Draws the map window from the map&apos;s point x, y; a click on it opens the map.</source>
        <translation>Desenha a janela do mapa a partir do ponto x, y do mapa; um clique nela abre o mapa.</translation>
    </message>
    <message>
        <source>on opens the map page, off closes it.</source>
        <translation>on abre a página do mapa, off a fecha.</translation>
    </message>
    <message>
        <source>Sets the player&apos;s marker on the map (x, y) and the map&apos;s scroll position.</source>
        <translation>Define o marcador do jogador no mapa (x, y) e a posição de rolagem do mapa.</translation>
    </message>
    <message>
        <source>Pastes a picture onto the map at x, y and saves the map in the file.</source>
        <translation>Cola uma figura no mapa em x, y e salva o mapa no arquivo.</translation>
    </message>
    <message>
        <source>Removes the clickable areas: all of them, or those of tel, fnc, pan or md3.</source>
        <translation>Remove as áreas clicáveis: todas, ou as de tel, fnc, pan ou md3.</translation>
    </message>
    <message>
        <source>Sets the north exit (empty: none).</source>
        <translation>Define a saída norte (vazio: nenhuma).</translation>
    </message>
    <message>
        <source>Sets the south exit (empty: none).</source>
        <translation>Define a saída sul (vazio: nenhuma).</translation>
    </message>
    <message>
        <source>Sets the east exit (empty: none).</source>
        <translation>Define a saída leste (vazio: nenhuma).</translation>
    </message>
    <message>
        <source>Sets the west exit (empty: none).</source>
        <translation>Define a saída oeste (vazio: nenhuma).</translation>
    </message>
    <message>
        <source>Sets the way in (empty: none).</source>
        <translation>Define a saída para dentro (vazio: nenhuma).</translation>
    </message>
    <message>
        <source>Sets the way out (empty: none).</source>
        <translation>Define a saída para fora (vazio: nenhuma).</translation>
    </message>
    <message>
        <source>Sets the way up (empty: none).</source>
        <translation>Define a saída para cima (vazio: nenhuma).</translation>
    </message>
    <message>
        <source>Sets the way down (empty: none).</source>
        <translation>Define a saída para baixo (vazio: nenhuma).</translation>
    </message>
    <message>
        <source>Makes a clickable area on the screen: picture or text, script, left, top, width, height, cursor, pressed picture, press sound.</source>
        <translation>Cria uma área clicável na tela: figura ou texto, script, esquerda, topo, largura, altura, cursor, figura pressionada, som do clique.</translation>
    </message>
    <message>
        <source>Makes a clickable area on the command panel leading through the exit of the direction (norte, sul...), when there is one.</source>
        <translation>Cria uma área clicável no painel de comandos que leva pela saída da direção (norte, sul...), quando ela existe.</translation>
    </message>
    <message>
        <source>Makes a clickable area on the command panel, with the arguments of linktel=.</source>
        <translation>Cria uma área clicável no painel de comandos, com os argumentos de linktel=.</translation>
    </message>
    <message>
        <source>Makes a clickable area on the window&apos;s skin picture, with the arguments of linktel=.</source>
        <translation>Cria uma área clicável na figura de fundo da janela, com os argumentos de linktel=.</translation>
    </message>
    <message>
        <source>Sets the background colour of drawing on the screen.</source>
        <translation>Define a cor de fundo do desenho na tela.</translation>
    </message>
    <message>
        <source>Sets the text colour of drawing on the screen.</source>
        <translation>Define a cor do texto do desenho na tela.</translation>
    </message>
    <message>
        <source>Sets the font name of drawing on the screen.</source>
        <translation>Define o nome da fonte do desenho na tela.</translation>
    </message>
    <message>
        <source>Sets the font size of drawing on the screen.</source>
        <translation>Define o tamanho da fonte do desenho na tela.</translation>
    </message>
    <message>
        <source>Sets the register to the text.</source>
        <translation>Põe o texto no registrador.</translation>
    </message>
    <message>
        <source>Appends the text to the register (text codes applied).</source>
        <translation>Acrescenta o texto ao registrador (com os códigos de texto).</translation>
    </message>
    <message>
        <source>Removes the blanks at both ends of the register.</source>
        <translation>Tira os brancos das duas pontas do registrador.</translation>
    </message>
    <message>
        <source>Sets the register to a text that goes on over the following lines up to an apostrophe.</source>
        <translation>Põe no registrador um texto que segue pelas linhas seguintes até um apóstrofo.</translation>
    </message>
    <message>
        <source>Appends to the register a text that goes on over the following lines up to an apostrophe.</source>
        <translation>Acrescenta ao registrador um texto que segue pelas linhas seguintes até um apóstrofo.</translation>
    </message>
    <message>
        <source>Subtracts the number from the register.</source>
        <translation>Subtrai o número do registrador.</translation>
    </message>
    <message>
        <source>Adds the number to the register.</source>
        <translation>Soma o número ao registrador.</translation>
    </message>
    <message>
        <source>Multiplies the register by the number.</source>
        <translation>Multiplica o registrador pelo número.</translation>
    </message>
    <message>
        <source>Divides the register by the number, keeping the fraction.</source>
        <translation>Divide o registrador pelo número, mantendo a fração.</translation>
    </message>
    <message>
        <source>Divides the register by the number, as a whole number.</source>
        <translation>Divide o registrador pelo número, em número inteiro.</translation>
    </message>
    <message>
        <source>Adds a random number from 0 to the number to the register.</source>
        <translation>Soma ao registrador um número aleatório de 0 até o número.</translation>
    </message>
    <message>
        <source>Jumps to the label when the register holds the text.</source>
        <translation>Salta para o rótulo quando o registrador contém o texto.</translation>
    </message>
    <message>
        <source>Jumps to the label when the register does not hold the text.</source>
        <translation>Salta para o rótulo quando o registrador não contém o texto.</translation>
    </message>
    <message>
        <source>Jumps to the label when the first argument is above the number (write #n to compare register n).</source>
        <translation>Salta para o rótulo quando o primeiro argumento passa do número (escreva #n para comparar o registrador n).</translation>
    </message>
    <message>
        <source>Jumps to the label when the first argument is below the number (write #n to compare register n).</source>
        <translation>Salta para o rótulo quando o primeiro argumento fica abaixo do número (escreva #n para comparar o registrador n).</translation>
    </message>
    <message>
        <source>Puts the exit of a direction (norte, sul, leste, oeste, entrar, sair, subir, descer) into the register.</source>
        <translation>Põe no registrador a saída de uma direção (norte, sul, leste, oeste, entrar, sair, subir, descer).</translation>
    </message>
    <message>
        <source>Runs the command that follows when there is a north exit.</source>
        <translation>Executa o comando que segue quando há saída norte.</translation>
    </message>
    <message>
        <source>Runs the command that follows when there is a south exit.</source>
        <translation>Executa o comando que segue quando há saída sul.</translation>
    </message>
    <message>
        <source>Runs the command that follows when there is an east exit.</source>
        <translation>Executa o comando que segue quando há saída leste.</translation>
    </message>
    <message>
        <source>Runs the command that follows when there is a west exit.</source>
        <translation>Executa o comando que segue quando há saída oeste.</translation>
    </message>
    <message>
        <source>Runs the command that follows in display model 0.</source>
        <translation>Executa o comando que segue no modelo de exibição 0.</translation>
    </message>
    <message>
        <source>Runs the command that follows in display model 1.</source>
        <translation>Executa o comando que segue no modelo de exibição 1.</translation>
    </message>
    <message>
        <source>Runs the command that follows in display model 2.</source>
        <translation>Executa o comando que segue no modelo de exibição 2.</translation>
    </message>
    <message>
        <source>Runs the command that follows in display model 3.</source>
        <translation>Executa o comando que segue no modelo de exibição 3.</translation>
    </message>
    <message>
        <source>Runs the command that follows when the register holds the text.</source>
        <translation>Executa o comando que segue quando o registrador contém o texto.</translation>
    </message>
    <message>
        <source>Runs the command that follows when the register does not hold the text.</source>
        <translation>Executa o comando que segue quando o registrador não contém o texto.</translation>
    </message>
    <message>
        <source>Runs the command that follows when the register, read as a number, is above the number.</source>
        <translation>Executa o comando que segue quando o registrador, lido como número, passa do número.</translation>
    </message>
    <message>
        <source>Runs the command that follows when the register, read as a number, is below the number.</source>
        <translation>Executa o comando que segue quando o registrador, lido como número, fica abaixo do número.</translation>
    </message>
    <message>
        <source>Runs the command that follows when the register lies between the two texts, compared letter by letter.</source>
        <translation>Executa o comando que segue quando o registrador fica entre os dois textos, comparados letra a letra.</translation>
    </message>
    <message>
        <source>Sets the vocabulary of typed commands, when that script exists.</source>
        <translation>Define o vocabulário dos comandos digitados, quando esse script existe.</translation>
    </message>
    <message>
        <source>Gives the keyboard focus to web, inp, fnc, vsr or msg.</source>
        <translation>Dá o foco do teclado a web, inp, fnc, vsr ou msg.</translation>
    </message>
    <message>
        <source>Loads the window&apos;s skin picture; the window takes its size and outline.</source>
        <translation>Carrega a figura de fundo da janela; a janela toma o tamanho e o contorno dela.</translation>
    </message>
    <message>
        <source>Shows (on, when empty) or hides (off) the bar above the model-0 text.</source>
        <translation>Mostra (on, se vazio) ou esconde (off) a barra acima do texto do modelo 0.</translation>
    </message>
    <message>
        <source>Sets a configuration line, by its number, to the text.</source>
        <translation>Põe o texto numa linha da configuração, pelo número dela.</translation>
    </message>
    <message>
        <source>Sets the vocabulary of typed commands, even when that script is missing.</source>
        <translation>Define o vocabulário dos comandos digitados, mesmo quando esse script falta.</translation>
    </message>
    <message>
        <source>Greys or tints a rectangle of tel, fnc or pan: colour, amount, left, top, width, height.</source>
        <translation>Acinzenta ou tinge um retângulo de tel, fnc ou pan: cor, intensidade, esquerda, topo, largura, altura.</translation>
    </message>
    <message>
        <source>Rain in model 1: a .bmp is the rain picture; mask, int, wgotas set its mask, interval and step; on starts it, off stops it.</source>
        <translation>Chuva no modelo 1: um .bmp é a figura da chuva; mask, int, wgotas definem a máscara, o intervalo e o passo; on a inicia, off a para.</translation>
    </message>
    <message>
        <source>Sets the height of the model-3 page.</source>
        <translation>Define a altura da página do modelo 3.</translation>
    </message>
    <message>
        <source>Sets the delay between typed letters in model 0, in milliseconds.</source>
        <translation>Define a pausa entre as letras datilografadas no modelo 0, em milissegundos.</translation>
    </message>
    <message>
        <source>Jumps to the label when the player carries the object (the current object when empty).</source>
        <translation>Salta para o rótulo quando o jogador leva o objeto (o objeto atual se vazio).</translation>
    </message>
    <message>
        <source>Empties every text and fills every surface with the background colour.</source>
        <translation>Esvazia todos os textos e preenche todas as superfícies com a cor de fundo.</translation>
    </message>
    <message>
        <source>Shows the update page.</source>
        <translation>Mostra a página de atualizações.</translation>
    </message>
    <message>
        <source>Jumps to the label when the current place is that script (whose file must exist).</source>
        <translation>Salta para o rótulo quando o lugar atual é esse script (cujo arquivo precisa existir).</translation>
    </message>
    <message>
        <source>Jumps to the label when the current place is not the place.</source>
        <translation>Salta para o rótulo quando o lugar atual não é o lugar.</translation>
    </message>
    <message>
        <source>Jumps to the label.</source>
        <translation>Salta para o rótulo.</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>%1 holds no game&apos;s scripts (a folder of saved games?)</source>
        <translation>%1 não tem os roteiros de um jogo (uma pasta de jogos salvos?)</translation>
    </message>
    <message>
        <source>%1 is not among the games you added</source>
        <translation>%1 não está entre os jogos que você adicionou</translation>
    </message>
    <message>
        <source>Lumora: your games</source>
        <translation>Lumora: seus jogos</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Jogos</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jogar</translation>
    </message>
    <message>
        <source>&amp;Add a game...</source>
        <translation>&amp;Adicionar um jogo...</translation>
    </message>
    <message>
        <source>&amp;Remove from the list</source>
        <translation>&amp;Tirar da lista</translation>
    </message>
    <message>
        <source>never played</source>
        <translation>nunca jogado</translation>
    </message>
    <message>
        <source>Add a game</source>
        <translation>Adicionar um jogo</translation>
    </message>
    <message>
        <source>R&amp;estore...</source>
        <translation>R&amp;estaurar...</translation>
    </message>
    <message>
        <source>Saved game:</source>
        <translation>Jogo salvo:</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>%1 holds files already: a new game needs a folder of its own</source>
        <translation>%1 já tem arquivos: um jogo novo precisa de uma pasta só sua</translation>
    </message>
    <message>
        <source>cannot make a game in %1</source>
        <translation>não é possível criar um jogo em %1</translation>
    </message>
    <message>
        <source>cannot write the new game&apos;s files in %1</source>
        <translation>não é possível gravar os arquivos do jogo novo em %1</translation>
    </message>
    <message>
        <source>A new game in %1: play it with lumora %1, check it with lumora --check %1</source>
        <translation>Um jogo novo em %1: jogue com lumora %1, confira com lumora --check %1</translation>
    </message>
</context>
<context>
    <name>PlayAll</name>
    <message>
        <source>no walkthroughs (*.walk) in %1</source>
        <translation>nenhum roteiro (*.walk) em %1</translation>
    </message>
    <message>
        <source>passed: %1</source>
        <translation>passou: %1</translation>
    </message>
    <message>
        <source>FAILED: %1 (status %2)</source>
        <translation>FALHOU: %1 (status %2)</translation>
    </message>
    <message>
        <source>%1 of %2 play-throughs passed</source>
        <translation>%1 de %2 roteiros passaram</translation>
    </message>
</context>
<context>
    <name>Slots</name>
    <message>
        <source>Restore a saved game</source>
        <translation>Restaurar um jogo salvo</translation>
    </message>
    <message>
        <source>Save the game</source>
        <translation>Salvar o jogo</translation>
    </message>
    <message>
        <source>Saved games</source>
        <translation>Jogos salvos</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Re&amp;name...</source>
        <translation>Reno&amp;mear...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>Before restoring</source>
        <translation>Antes de restaurar</translation>
    </message>
    <message>
        <source>New saved game</source>
        <translation>Novo jogo salvo</translation>
    </message>
    <message>
        <source>Replace the saved game &quot;%1&quot;?</source>
        <translation>Substituir o jogo salvo &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Novo nome:</translation>
    </message>
    <message>
        <source>Delete the saved game &quot;%1&quot;?</source>
        <translation>Excluir o jogo salvo &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Tela</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Painel</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Abertura</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
</context>
</TS>
