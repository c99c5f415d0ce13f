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
        <translation>escreve cada linha de rastro na saída de erros (ou em FILE)</translation>
    </message>
    <message>
        <source>play a walkthrough, printing every step, then quit</source>
        <translation>joga um roteiro de passos, mostrando cada passo, e sai</translation>
    </message>
    <message>
        <source>with --play: print the state as JSON after every step</source>
        <translation>com --play: mostra o estado em JSON depois de cada passo</translation>
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
        <translation>joga N ações ao acaso escolhidas por SEED, conferindo cada uma</translation>
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
        <translation>lê as mensagens em voz alta desde o início (F6 liga e desliga)</translation>
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
        <source>Usage: lumora [OPTION]... [GAME]
       lumora --check [GAME]
Plays an adventure game written as plain-text scripts.

Options:
</source>
        <translation>Uso: lumora [OPÇÃO]... [GAME]
     lumora --check [GAME]
Joga uma aventura escrita em roteiros de texto simples.

Opções:
</translation>
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
folder, ~/.local/share/lumora/GAME, which is read first when present.

Exit status: 0 done; 1 the game&apos;s configuration could not be read (--check:
findings); 2 a usage error or no game found.

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
do usuário, ~/.local/share/lumora/GAME, lida primeiro quando existe.

Status de saída: 0 terminou; 1 a configuração do jogo não pôde ser lida
(--check: achados); 2 um erro de uso ou nenhum jogo encontrado.

Exemplos:
</translation>
    </message>
    <message>
        <source>Try &apos;lumora --help&apos; for more information.</source>
        <translation>Experimente &apos;lumora --help&apos; para mais informações.</translation>
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
