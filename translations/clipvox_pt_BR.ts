<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../extras/about.ui" line="+14"/>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Clipvox logo</source>
        <translation>Logotipo do Clipvox</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Clipvox</source>
        <translation>Clipvox</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+10"/>
        <source>HomePage</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the home page in the web browser</source>
        <translation>Abre a página inicial no navegador</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+10"/>
        <location line="+6"/>
        <source>Technology Support</source>
        <translation>Suporte técnico</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Writes an e-mail to the support</source>
        <translation>Escreve um e-mail para o suporte</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>© The Clipvox developers</source>
        <translation>© Os desenvolvedores do Clipvox</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location filename="../extras/about.cpp" line="+59"/>
        <source>Free software under the GNU GPL, version 3 or later</source>
        <translation>Software livre sob a GNU GPL, versão 3 ou posterior</translation>
    </message>
</context>
<context>
    <name>ClipEditor</name>
    <message>
        <source>Playback</source>
        <translation>Reprodução</translation>
    </message>
    <message>
        <location filename="../clip/edit.ui" line="+14"/>
        <source>Edit Clip Time</source>
        <translation>Editar tempo do trecho</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+21"/>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play (Space)</source>
        <translation>Reproduzir (Espaço)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pause (Space)</source>
        <translation>Pausar (Espaço)</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+3"/>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Sound of the source</source>
        <translation>Áudio da origem</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click to play from here. Left, Right: one second back or forward (with Shift, ten seconds). Home, End: to the start mark, to the end mark</source>
        <translation>Clique para reproduzir a partir daqui. Esquerda, Direita: um segundo para trás ou para frente (com Shift, dez segundos). Home, End: até a marca de início, até a marca de fim</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Start Time</source>
        <translation>Tempo inicial</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Start time</source>
        <translation>Tempo inicial</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>End Time</source>
        <translation>Tempo final</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>End time</source>
        <translation>Tempo final</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Set start time</source>
        <translation>Definir tempo inicial</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set start time (I)</source>
        <translation>Definir tempo inicial (I)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Set end time</source>
        <translation>Definir tempo final</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set end time (O)</source>
        <translation>Definir tempo final (O)</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+3"/>
        <source>Edit start time and end time</source>
        <translation>Editar tempo inicial e final</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+3"/>
        <source>Reset time</source>
        <translation>Redefinir tempo</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Tag Information</source>
        <translation>Informações das etiquetas</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Enable Tag</source>
        <translation>Ativar &amp;etiquetas</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Artist:</source>
        <translation>&amp;Artista:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Artist</source>
        <translation>Artista</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Al&amp;bum:</source>
        <translation>Ál&amp;bum:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Album</source>
        <translation>Álbum</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>&amp;Comment:</source>
        <translation>&amp;Comentário:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Comment</source>
        <translation>Comentário</translation>
    </message>
    <message>
        <location line="-177"/>
        <source>Co&amp;pyright:</source>
        <translation>Co&amp;pyright:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Year:</source>
        <translation>A&amp;no:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>T&amp;rack:</source>
        <translation>&amp;Faixa:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Track</source>
        <translation>Faixa</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>&amp;Genre:</source>
        <translation>&amp;Gênero:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Genre</source>
        <translation>Gênero</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;Sound track:</source>
        <translation>Á&amp;udio:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sound track</source>
        <translation>Faixa de áudio</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+3"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../clip/edit.cpp" line="+107"/>
        <source>(none)</source>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <location line="+571"/>
        <location line="+10"/>
        <source>Please input correct time format!</source>
        <translation>Digite o tempo no formato correto!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Start Time should be smaller than End Time!</source>
        <translation>O tempo inicial deve ser menor que o tempo final!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Invalid Year Value</source>
        <translation>Valor de ano inválido</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Invalid Track Value</source>
        <translation>Valor de faixa inválido</translation>
    </message>
</context>
<context>
    <name>ClipvoxApplication</name>
    <message>
        <location filename="../desktop/application.cpp" line="+29"/>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>its name is not UTF-8: the output&apos;s name has %XX for each byte that is not</source>
        <translation>seu nome não é UTF-8: o nome da saída tem %XX para cada byte que não é</translation>
    </message>
    <message>
        <source>--name knows {name} {title} {artist} {album} {year} {track} {n} {chapter}, not %1</source>
        <translation>--name aceita {name} {title} {artist} {album} {year} {track} {n} {chapter}, não %1</translation>
    </message>
    <message>
        <location filename="../cli/convert.cpp" line="+104"/>
        <source>Usage: clipvox --convert [options] [--] FILE...
       clipvox [FILE...]            (opens the window with the files queued)

Converts the sound track of each video FILE to an audio file, without a window.

Options:
  --format FORMAT   output format: %1 (default: the one in setup.ini)
  --output DIR      folder for the outputs (default: each source&apos;s own folder)
  --start hh:mm:ss  start of the clip of every file (default 00:00:00);
                    -hh:mm:ss counts back from each source&apos;s end
  --end hh:mm:ss    end of the clip of every file, or max (default max);
                    -hh:mm:ss counts back from each source&apos;s end: --start
                    00:00:12 --end -00:00:08 cuts 12 s at the start, 8 s at
                    the end; a clip that does not fit a source fails that file
  --track N         the sound track to convert, counted from 1 (default: the
                    source&apos;s default track); a file without it fails
  --split-chapters  one output per chapter, &quot;video - 01 Title.mp3&quot;, with the
                    chapter&apos;s title and number as tags
  --jobs N          files converted at the same time (default: setup.ini)
  --overwrite       replace existing files of the output&apos;s name; without it an
                    existing file is kept and the output takes the next free
                    name, &quot;clip (2).mp3&quot;; a source is never replaced
  --skip-existing   leave a file whose output exists unconverted
  --name PATTERN    output file name from {name} {title} {artist} {album} {year}
                    {track} {n}; one with nothing to give is {name} (default {name})
  --keep-tree ROOT  with --output: the sources&apos; folders below ROOT are kept
                    under the output folder
  --no-tags         do not copy the source&apos;s tags and cover
%2  --loudness LUFS   make each file&apos;s loudness even at LUFS (-70 to -5), or off
                    (default: setup.ini)
  --peaks MODE      where the gain for the loudness would put the true peak over
                    -1 dBTP: limit (a limiter takes the peaks, the loudness is
                    reached) or lower (the whole file stays quieter) (default:
                    setup.ini, else limit)
  --replaygain MODE without --loudness: leave the sound as it is and write
                    ReplayGain tags (-18 LUFS): track (each file&apos;s gain and
                    peak), album (also the gain and peak of the files of the run
                    in the same folder, written once the last is done) or off;
                    with --loudness, album gives those files one gain, so that
                    they keep their loudness relative to each other (default:
                    setup.ini, else off)
  --preset NAME     the settings of a preset over those of setup.ini (before --set
                    and the options above)
  --list-presets    list the presets: the name, a tab, a description
  --set SECTION.KEY=VALUE
                    one setting of setup.ini for this run (repeatable), checked
                    as setup.ini is: --set mp3.bitrate=192 --set mp3.channels=1
  --files-from FILE convert the files named in FILE too, one a line (- reads
                    standard input)
  --null, -0        the names of --files-from end with a NUL byte, as find
                    -print0 writes them
  --list-formats    list the output formats: extension, a tab, the name
  --progress FORM   plain (the lines below) or json: one JSON object a line on
                    standard output, {&quot;event&quot;:&quot;start&quot;|&quot;progress&quot;|&quot;end&quot;,
                    &quot;job&quot;:N,...} (see the manual page)
  --watch DIR       convert each video that appears in DIR (and the folders below
                    it with --keep-tree) once it has stopped growing, each file
                    once, also across restarts; runs until SIGINT or SIGTERM
  --help            show this text
  --version         show the version

Encoder parameters and loudness come from setup.ini, as in the window.
One line per file on standard output, in queue order:
  ok SOURCE -&gt; OUTPUT (LENGTH)   or   failed SOURCE: REASON
  with a loudness target: ok SOURCE -&gt; OUTPUT (LENGTH, -16.0 LUFS), the loudness
  reached (-inf LUFS for a file below the -70 LUFS gate)
  or   skipped SOURCE: KEPT FILE; names with control characters as $&apos;a\nb&apos;
Exit code: 0 all converted, 1 some failed, 2 usage error, 130 cancelled.
</source>
        <translation>Uso: clipvox --convert [opções] [--] FILE...
     clipvox [FILE...]            (abre a janela com os arquivos na fila)

Converte a faixa de áudio de cada vídeo FILE em arquivo de áudio, sem janela.

Opções:
  --format FORMAT   formato de saída: %1 (padrão: o do setup.ini)
  --output DIR      pasta das saídas (padrão: a própria pasta de cada origem)
  --start hh:mm:ss  início do trecho de cada arquivo (padrão 00:00:00);
                    -hh:mm:ss conta a partir do fim de cada origem
  --end hh:mm:ss    fim do trecho de cada arquivo, ou max (padrão max);
                    -hh:mm:ss conta a partir do fim de cada origem: assim
                    &quot;--start 00:00:12 --end -00:00:08&quot; corta 12 s no início e
                    8 s no fim; um trecho que não cabe numa origem faz esse
                    arquivo falhar
  --track N         a faixa de áudio a converter, contada a partir de 1
                    (padrão: a faixa padrão da origem); um arquivo sem ela
                    falha
  --split-chapters  uma saída por capítulo, &quot;video - 01 Title.mp3&quot;, com o
                    título e o número do capítulo como etiquetas
  --jobs N          arquivos convertidos ao mesmo tempo (padrão: setup.ini)
  --overwrite       substitui arquivos existentes com o nome da saída; sem ela,
                    o arquivo existente é mantido e a saída recebe o próximo
                    nome livre, &quot;clip (2).mp3&quot;; uma origem nunca é substituída
  --skip-existing   não converte um arquivo cuja saída já existe
  --name PATTERN    nome do arquivo de saída com {name} {title} {artist}
                    {album} {year} {track} {n}; campo vazio vira {name}
                    (padrão {name})
  --keep-tree ROOT  com --output: as pastas das origens abaixo de ROOT são
                    mantidas dentro da pasta de saída
  --no-tags         não copia as etiquetas e a capa da origem
%2  --loudness LUFS   uniformiza o volume de cada arquivo em LUFS (-70 a -5), ou
                    off (padrão: setup.ini)
  --peaks MODE      onde o ganho para o volume levaria o pico real acima de
                    -1 dBTP: limit (um limitador segura os picos, o volume é
                    atingido) ou lower (o arquivo inteiro fica mais baixo)
                    (padrão: setup.ini, senão limit)
  --replaygain MODE sem --loudness: deixa o som como está e grava tags
                    ReplayGain (-18 LUFS): track (ganho e pico de cada
                    arquivo), album (também o ganho e o pico dos arquivos da
                    execução na mesma pasta, gravados quando o último termina)
                    ou off; com --loudness, album dá a esses arquivos um único
                    ganho, para que mantenham o volume relativo entre si
                    (padrão: setup.ini, senão off)
  --preset NOME     as configurações de uma predefinição sobre as do setup.ini (antes de
                    --set e das opções acima)
  --list-presets    listar as predefinições: nome, tabulação, descrição
  --set SEÇÃO.CHAVE=VALOR
                    uma configuração do setup.ini para esta execução (repetível),
                    verificada como no setup.ini: --set mp3.bitrate=192 --set mp3.channels=1
  --files-from ARQUIVO
                    converter também os arquivos citados em ARQUIVO, um por linha (-
                    lê a entrada padrão)
  --null, -0        os nomes de --files-from terminam com um byte NUL, como find
                    -print0 os escreve
  --list-formats    listar os formatos de saída: extensão, tabulação, nome
  --progress FORMA  plain (as linhas abaixo) ou json: um objeto JSON por linha na
                    saída padrão, {&quot;event&quot;:&quot;start&quot;|&quot;progress&quot;|&quot;end&quot;,
                    &quot;job&quot;:N,...} (veja a página de manual)
  --watch PASTA     converter cada vídeo que aparece em PASTA (e nas subpastas com
                    --keep-tree) assim que parar de crescer, cada arquivo uma vez,
                    também após reiniciar; executa até SIGINT ou SIGTERM
  --help            mostra este texto
  --version         mostra a versão

Os parâmetros do codificador e o volume vêm do setup.ini, como na janela.
Uma linha por arquivo na saída padrão, na ordem da fila:
  ok SOURCE -&gt; OUTPUT (LENGTH)   ou   failed SOURCE: REASON
  com um volume-alvo: ok SOURCE -&gt; OUTPUT (LENGTH, -16.0 LUFS), o volume
  atingido (-inf LUFS para um arquivo abaixo do limiar de -70 LUFS)
  ou   skipped SOURCE: KEPT FILE; nomes com caracteres de controle como $&apos;a
b&apos;
Código de saída: 0 sucesso, 1 alguma falha, 2 erro de uso, 130 cancelado.
</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Try &apos;clipvox --convert --help&apos;.</source>
        <translation>Tente &quot;clipvox --convert --help&quot; para mais informações.</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+99"/>
        <location line="+36"/>
        <location line="+277"/>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <location line="-293"/>
        <source>length unknown</source>
        <translation>duração desconhecida</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>file %1 of %2, %3%, time left %4</source>
        <translation>arquivo %1 de %2, %3%, tempo restante %4</translation>
    </message>
    <message>
        <location line="+182"/>
        <source>License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licença GPL-3.0-or-later: GNU GPL versão 3 ou posterior &lt;https://gnu.org/licenses/gpl.html&gt;.
Este é um software livre: você é livre para alterá-lo e redistribuí-lo.
NÃO HÁ QUALQUER GARANTIA, na máxima extensão permitida em lei.
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>options other than --help and --version need --convert</source>
        <translation>opções diferentes de --help e --version exigem --convert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no files to convert</source>
        <translation>nenhum arquivo para converter</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>unknown format &quot;%1&quot;</source>
        <translation>formato desconhecido &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--overwrite and --skip-existing exclude each other</source>
        <translation>--overwrite e --skip-existing não podem ser usadas juntas</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>--loudness needs a whole number from -70 to -5 or off, not &quot;%1&quot;</source>
        <translation>--loudness exige um número inteiro de -70 a -5 ou off, não &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--peaks needs limit or lower, not &quot;%1&quot;</source>
        <translation>--peaks exige limit ou lower, não &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--replaygain needs track, album or off, not &quot;%1&quot;</source>
        <translation>--replaygain precisa de track, album ou off, não &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--jobs needs a number of at least 1, not &quot;%1&quot;</source>
        <translation>--jobs exige um número maior ou igual a 1, não &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--keep-tree needs --output</source>
        <translation>--keep-tree exige --output</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--track needs a number of at least 1, not &quot;%1&quot;</source>
        <translation>--track exige um número maior ou igual a 1, não &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>No such file</source>
        <translation>Arquivo inexistente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Is a folder, not a video file</source>
        <translation>É uma pasta, não um arquivo de vídeo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file cannot be read</source>
        <translation>Não é possível ler o arquivo</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>it has no chapters, converted whole</source>
        <translation>não tem capítulos, convertido por inteiro</translation>
    </message>
    <message>
        <location filename="../main/commandline.cpp" line="+10"/>
        <source>Pulls the sound track out of video files.</source>
        <translation>Extrai a faixa de áudio de arquivos de vídeo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Videos or folders of videos to queue.</source>
        <translation>Vídeos ou pastas de vídeos a colocar na fila.</translation>
    </message>
    <message>
        <source>cannot read the list of files &quot;%1&quot;: %2</source>
        <translation>não é possível ler a lista de arquivos &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>--set needs SECTION.KEY=VALUE, not &quot;%1&quot;</source>
        <translation>--set precisa de SEÇÃO.CHAVE=VALOR, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>options other than --help, --version, --list-formats and --list-presets need --convert</source>
        <translation>opções além de --help, --version, --list-formats e --list-presets precisam de --convert</translation>
    </message>
    <message>
        <source>--null needs --files-from</source>
        <translation>--null precisa de --files-from</translation>
    </message>
    <message>
        <source>--progress needs plain or json, not &quot;%1&quot;</source>
        <translation>--progress precisa de plain ou json, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown preset &quot;%1&quot;; the presets: %2</source>
        <translation>predefinição desconhecida &quot;%1&quot;; as predefinições: %2</translation>
    </message>
    <message>
        <source>--watch converts what appears in its folder: no files, no --files-from</source>
        <translation>--watch converte o que aparece na sua pasta: sem arquivos, sem --files-from</translation>
    </message>
    <message>
        <source>--watch needs a folder, not &quot;%1&quot;</source>
        <translation>--watch precisa de uma pasta, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Watching %1 (Ctrl+C ends)</source>
        <translation>Observando %1 (Ctrl+C encerra)</translation>
    </message>
    <message>
        <source>cannot keep what was converted in %1: %2</source>
        <translation>não é possível registrar o que foi convertido em %1: %2</translation>
    </message>
    <message>
        <source>--start needs a time hh:mm:ss or -hh:mm:ss, not &quot;%1&quot;</source>
        <translation>--start exige um tempo hh:mm:ss ou -hh:mm:ss, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--end needs a time hh:mm:ss, -hh:mm:ss or max, not &quot;%1&quot;</source>
        <translation>--end exige um tempo hh:mm:ss, -hh:mm:ss ou max, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown tag field &quot;%1&quot;; the fields: %2</source>
        <translation>campo de etiqueta desconhecido &quot;%1&quot;; os campos: %2</translation>
    </message>
    <message>
        <source>the tag field %1 needs a value</source>
        <translation>o campo de etiqueta %1 exige um valor</translation>
    </message>
    <message>
        <source>the tag field %1 needs a number from 1 to %2, not &quot;%3&quot;</source>
        <translation>o campo de etiqueta %1 exige um número de 1 a %2, não &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--tags-from-name knows {title} {artist} {album} {year} {track} {genre} {comment}, not {%1}</source>
        <translation>--tags-from-name conhece {title} {artist} {album} {year} {track} {genre} {comment}, não {%1}</translation>
    </message>
    <message>
        <source>--tags-from-name needs a pattern with a field such as {title}, not &quot;%1&quot;</source>
        <translation>--tags-from-name exige um padrão com um campo como {title}, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--tag needs FIELD=VALUE, not &quot;%1&quot;</source>
        <translation>--tag exige CAMPO=VALOR, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--number gives the track numbers: no track field besides it</source>
        <translation>--number dá os números de faixa: nenhum campo track junto</translation>
    </message>
    <message>
        <source>--number numbers the files given, not those --watch finds</source>
        <translation>--number numera os arquivos dados, não os que --watch encontra</translation>
    </message>
    <message>
        <source>skipped by the --tags-from-name pattern, its tags kept</source>
        <translation>ignorado pelo padrão de --tags-from-name, etiquetas mantidas</translation>
    </message>
    <message>
        <source>the clip reaches before the source&apos;s start: it is %1 long</source>
        <translation>o trecho começa antes do início da origem: ela tem %1</translation>
    </message>
    <message>
        <source>the clip&apos;s end comes before its start in a source %1 long</source>
        <translation>o fim do trecho vem antes do início numa origem de %1</translation>
    </message>
    <message>
        <source>the clip reaches past the source&apos;s end: it is %1 long</source>
        <translation>o trecho passa do fim da origem: ela tem %1</translation>
    </message>
    <message>
        <source>  --tag FIELD=VALUE a tag of every output, over the source&apos;s (repeatable); FIELD
                    is title, artist, album, year, track, genre or comment
  --number          track numbers 1..N in the order of the outputs, with N as
                    the total where the format keeps one (not WMA)
  --tags-from-name PATTERN
                    tags out of each source&apos;s name without its extension:
                    &quot;{track} - {title}&quot;, &quot;{artist} - {title}&quot;; a name the
                    pattern does not match keeps its tags, its line says so
  --cover FILE      the picture FILE as every output&apos;s cover; a file that is
                    no picture fails each file with the reason
</source>
        <translation>  --tag CAMPO=VALOR uma etiqueta de cada saída, sobre a da origem (repetível);
                    CAMPO é title, artist, album, year, track, genre ou comment
  --number          números de faixa 1..N na ordem das saídas, com N como total
                    onde o formato guarda um (não WMA)
  --tags-from-name PADRÃO
                    etiquetas lidas do nome de cada origem sem a extensão:
                    &quot;{track} - {title}&quot;, &quot;{artist} - {title}&quot;; um nome que o
                    padrão não reconhece mantém suas etiquetas, e a linha diz
  --cover ARQUIVO   a imagem ARQUIVO como capa de cada saída; um arquivo que não
                    é imagem faz cada arquivo falhar com o motivo
</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <location filename="../clip/edittime.cpp" line="+17"/>
        <location filename="../core/core.cpp" line="+45"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; não é um valor inteiro válido</translation>
    </message>
</context>
<context>
    <name>Cover</name>
    <message>
        <source>The cover %1 cannot be read: %2</source>
        <translation>A capa %1 não pode ser lida: %2</translation>
    </message>
    <message>
        <source>The cover %1 is not a picture</source>
        <translation>A capa %1 não é uma imagem</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <location filename="../desktop/desktop.cpp" line="+58"/>
        <source>Select a directory to save output files</source>
        <translation>Selecione uma pasta para salvar os arquivos de saída</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <location filename="../resources/desktop-texts.cpp" line="+10"/>
        <source>Clipvox</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s Name</extracomment>
        <translation>Clipvox</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Audio Extractor</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s GenericName</extracomment>
        <translation>Extrator de áudio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Convert the sound track of videos into MP3, WMA, WAV, OGG, FLAC, Opus or M4A files</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s Comment</extracomment>
        <translation>Converta a faixa de áudio de vídeos em arquivos MP3, WMA, WAV, OGG, FLAC, Opus ou M4A</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>audio;video;convert;extract;mp3;ogg;wma;wav;flac;opus;m4a;sound track;</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s Keywords: search words, each ending in ;</extracomment>
        <translation>áudio;vídeo;converter;extrair;faixa de áudio;som;mp3;ogg;wma;wav;flac;opus;m4a;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pull the sound track out of videos into audio files</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s summary</extracomment>
        <translation>Tire a faixa de áudio de vídeos para arquivos de áudio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clipvox converts the sound track of video files into audio files. Queue your videos, preview each one, trim it to a start and end time, give it tags, pick one output folder and one format, and convert the whole queue while a progress dialog shows how far it has come.</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>O Clipvox converte a faixa de áudio de arquivos de vídeo em arquivos de áudio. Coloque seus vídeos na fila, veja a prévia de cada um, corte-o entre um início e um fim, dê etiquetas a ele, escolha uma pasta de saída e um formato e converta a fila inteira enquanto uma janela de progresso mostra quanto já avançou.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reads AVI, MPEG, WMV, ASF, MP4, MKV, WebM, MOV, FLV, MPEG transport streams, VOB, 3GP, OGV and DV</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Lê AVI, MPEG, WMV, ASF, MP4, MKV, WebM, MOV, FLV, fluxos de transporte MPEG, VOB, 3GP, OGV e DV</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writes MP3, WMA, WAV, OGG, lossless FLAC, Opus or AAC in M4A, each with its encoder parameters</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Grava MP3, WMA, WAV, OGG, FLAC sem perdas, Opus ou AAC em M4A, cada um com seus parâmetros de codificação</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A clip editor with a preview and a sound strip that shows the start of speech and the pauses</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Um editor de trechos com prévia e uma faixa sonora que mostra o início da fala e as pausas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Optionally makes the loudness of the whole queue even (EBU R128)</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Iguala, se desejado, o volume de toda a fila (EBU R128)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Converts several files at the same time, and never leaves a half-written file behind</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Converte vários arquivos ao mesmo tempo e nunca deixa um arquivo gravado pela metade</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Converts without a window too: clipvox --convert, for scripts and servers</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Converte também sem janela: clipvox --convert, para scripts e servidores</translation>
    </message>
</context>
<context>
    <name>FlacPage</name>
    <message>
        <location filename="../formats/flac/flacpage.ui" line="+6"/>
        <source>FLAC</source>
        <translation>FLAC</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+7"/>
        <source>Frequency (Hz)</source>
        <translation>Frequência (Hz)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+115"/>
        <source>Same as source</source>
        <translation>Igual à origem</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+7"/>
        <source>Bits per sample</source>
        <translation>Bits por amostra</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+7"/>
        <source>Compression level</source>
        <translation>Nível de compressão</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <location filename="../settings/settingsfile.cpp" line="+227"/>
        <source>Unable to write to %1</source>
        <translation>Não foi possível gravar em %1</translation>
    </message>
</context>
<context>
    <name>JobQueue</name>
    <message>
        <location filename="../main/jobqueue.cpp" line="+229"/>
        <source>No queued file is being edited.</source>
        <translation>Nenhum arquivo da fila está sendo editado.</translation>
    </message>
</context>
<context>
    <name>M4aPage</name>
    <message>
        <location filename="../formats/m4a/m4apage.ui" line="+6"/>
        <source>M4A</source>
        <translation>M4A</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+7"/>
        <source>Frequency (Hz)</source>
        <translation>Frequência (Hz)</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+7"/>
        <source>Bitrate (kbps)</source>
        <translation>Taxa de bits (kbps)</translation>
    </message>
    <message>
        <location line="+58"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>These names are not UTF-8 and were not added (rename them, or convert them with clipvox --convert):
</source>
        <translation>Estes nomes não são UTF-8 e não foram adicionados (renomeie-os ou converta-os com clipvox --convert):
</translation>
    </message>
    <message>
        <source>These are not regular files and were not added:
</source>
        <translation>Estes não são arquivos comuns e não foram adicionados:
</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de status</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>No program to show the folder was found. The file is at:
</source>
        <translation>Nenhum programa para mostrar a pasta foi encontrado. O arquivo está em:
</translation>
    </message>
    <message>
        <location filename="../main/main.ui" line="+20"/>
        <source>Clipvox</source>
        <translation>Clipvox</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Queue</source>
        <translation>Fila</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="-141"/>
        <source>Source File</source>
        <translation>Arquivo de origem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Time</source>
        <translation>Tempo inicial</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Time</source>
        <translation>Tempo final</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Convert To</source>
        <translation>Converter para</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output File</source>
        <translation>Arquivo de saída</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../main/main.ui" line="+53"/>
        <source>Quick Settings</source>
        <translation>Configurações rápidas</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Output &amp;path</source>
        <translation>&amp;Pasta de saída</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Output path</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+3"/>
        <location line="+3"/>
        <source>Select output path</source>
        <translation>Selecionar pasta de saída</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Output f&amp;ormat</source>
        <translation>F&amp;ormato de saída</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output format</source>
        <translation>Formato de saída</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location line="+115"/>
        <location line="+3"/>
        <source>Audio format settings</source>
        <translation>Configurações do formato de áudio</translation>
    </message>
    <message>
        <location line="-82"/>
        <source>add files</source>
        <translation>adicionar</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location line="+121"/>
        <source>Add files</source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <location line="-118"/>
        <location line="+121"/>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <location line="-111"/>
        <source>remove</source>
        <translation>remover</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Remove selected item </source>
        <translation>Remover item selecionado </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>edit</source>
        <translation>editar</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Edit selection</source>
        <translation>Editar seleção</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+117"/>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <location line="-107"/>
        <source>convert</source>
        <translation>converter</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Start converting files</source>
        <translation>Iniciar a conversão dos arquivos</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+106"/>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <location line="-96"/>
        <source>settings</source>
        <translation>configurações</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>help</source>
        <translation>ajuda</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Help contents, home page and support</source>
        <translation>Conteúdo da ajuda, página inicial e suporte</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>about</source>
        <translation>sobre</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location filename="../main/main.cpp" line="+351"/>
        <source>About Clipvox</source>
        <translation>Sobre o Clipvox</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../main/jobs.cpp" line="+366"/>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../main/jobs.cpp" line="+8"/>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../main/jobs.cpp" line="-21"/>
        <location filename="../main/main.cpp" line="-37"/>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../main/jobs.cpp" line="+29"/>
        <source>Remove All</source>
        <translation>Remover tudo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Edit Selection...</source>
        <translation>Editar seleção...</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../main/main.cpp" line="+16"/>
        <location line="+4"/>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Help Content...</source>
        <translation>Conteúdo da ajuda...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Homepage</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Technical Support</source>
        <translation>Suporte técnico</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tip of the Day</source>
        <translation>Dica do dia</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="-68"/>
        <source>the source&apos;s default</source>
        <translation>a padrão da origem</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1
Sound track: %2</source>
        <translation>%1
Faixa de áudio: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
Chapter %1: %2</source>
        <translation>
Capítulo %1: %2</translation>
    </message>
    <message>
        <location filename="../main/chapters.cpp" line="+12"/>
        <location line="+43"/>
        <source>Split into chapters</source>
        <translation>Dividir em capítulos</translation>
    </message>
    <message>
        <location filename="../main/jobs.cpp" line="-352"/>
        <source>MPEG files</source>
        <translation>Arquivos MPEG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WMV files</source>
        <translation>Arquivos WMV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AVI files</source>
        <translation>Arquivos AVI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ASF files</source>
        <translation>Arquivos ASF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MP4 files</source>
        <translation>Arquivos MP4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MKV files</source>
        <translation>Arquivos MKV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WebM files</source>
        <translation>Arquivos WebM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOV files</source>
        <translation>Arquivos MOV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FLV files</source>
        <translation>Arquivos FLV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MPEG transport streams</source>
        <translation>Fluxos de transporte MPEG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>VOB files</source>
        <translation>Arquivos VOB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3GP files</source>
        <translation>Arquivos 3GP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OGV files</source>
        <translation>Arquivos OGV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DV files</source>
        <translation>Arquivos DV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DivX files</source>
        <translation>Arquivos DivX</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Open Video Files</source>
        <translation>Abrir arquivos de vídeo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All supported files</source>
        <translation>Todos os arquivos suportados</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message numerus="yes">
        <location line="+77"/>
        <source>%n file(s) already in the queue not added again</source>
        <translation>
            <numerusform>%n arquivo já está na fila e não foi adicionado de novo</numerusform>
            <numerusform>%n arquivos já estão na fila e não foram adicionados de novo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n file(s) without a video&apos;s name not added</source>
        <translation>
            <numerusform>%n arquivo sem nome de vídeo não adicionado</numerusform>
            <numerusform>%n arquivos sem nome de vídeo não adicionados</numerusform>
        </translation>
    </message>
    <message>
        <location line="+21"/>
        <source>These files do not exist and were not added:
</source>
        <translation>Estes arquivos não existem e não foram adicionados:
</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Already in the queue:
%1

Add again?</source>
        <translation>Já está na fila:
%1

Adicionar de novo?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add Files</source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <location line="+201"/>
        <source>Failed: %1</source>
        <translation>Falhou: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written: %1</source>
        <translation>Gravado: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skipped: %1</source>
        <translation>Ignorado: %1</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="-16"/>
        <source>Waiting</source>
        <translation>Aguardando</translation>
    </message>
    <message>
        <location filename="../main/main.cpp" line="-215"/>
        <source>Copy reason</source>
        <translation>Copiar o motivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show in folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>The queue could not be saved: %1</source>
        <translation>Não foi possível salvar a fila: %1</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Files...</source>
        <translation>Adicionar arquivos...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Folder...</source>
        <translation>Adicionar pasta...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add Folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Edit Clip...</source>
        <translation>Editar trecho...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Settings...</source>
        <translation>Configurações...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Queue</source>
        <translation>&amp;Fila</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Show Progress</source>
        <translation>Mostrar progresso</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User Guide</source>
        <translation>Guia do usuário</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>A conversion is still running. Stop it and quit?</source>
        <translation>Uma conversão ainda está em andamento. Interrompê-la e sair?</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>Edit Clip</source>
        <translation>Editar trecho</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>No program to open the user guide was found. The user guide is at:
</source>
        <translation>Nenhum programa para abrir o guia do usuário foi encontrado. O guia do usuário está em:
</translation>
    </message>
    <message>
        <location filename="../main/run.cpp" line="+39"/>
        <location line="+2"/>
        <source>Show progress</source>
        <translation>Mostrar progresso</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Show progress (%1)</source>
        <translation>Mostrar progresso (%1)</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="+1"/>
        <source>Converting...</source>
        <translation>Convertendo...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Interrompido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skipped</source>
        <translation>Ignorado</translation>
    </message>
    <message>
        <location filename="../main/runcontroller.cpp" line="+120"/>
        <source>Loudness %1 LUFS</source>
        <translation>Volume %1 LUFS</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Task complete!</source>
        <translation>Tarefa concluída!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
%1 of %2 %3 could not be converted; %4 Status says why.</source>
        <translation>
Falha na conversão de %1 de %2 %3; %4 na coluna Status.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>file</source>
        <translation>arquivo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>files</source>
        <translation>arquivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its</source>
        <translation>veja o motivo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>their</source>
        <translation>veja os motivos</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>The source is cut short: it ended at %1</source>
        <translation>A fonte está cortada: termina em %1</translation>
    </message>
    <message>
        <location filename="../formats/wma/wmaformat.cpp" line="+78"/>
        <source>WMA %1 kbps, %2 kHz, %3</source>
        <translation>WMA %1 kbps, %2 kHz, %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../media/sourceinfo.cpp" line="+88"/>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../media/sourceinfo.cpp" line="+1"/>
        <source>stereo</source>
        <translation>estéreo</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>There is no WMA profile %1</source>
        <translation>Não existe o perfil WMA %1</translation>
    </message>
    <message>
        <location filename="../media/tags.cpp" line="+314"/>
        <source>File not found: %1</source>
        <translation>Arquivo não encontrado: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tags can be written to MP3, OGG, WMA, FLAC, Opus and M4A files only: %1</source>
        <translation>Só é possível gravar etiquetas em arquivos MP3, OGG, WMA, FLAC, Opus e M4A: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot write the tags of %1</source>
        <translation>Não foi possível gravar as etiquetas de %1</translation>
    </message>
    <message>
        <location filename="../media/audiowriters.cpp" line="+22"/>
        <location line="+121"/>
        <source>Cannot create %1 (%2)</source>
        <translation>Não foi possível criar %1 (%2)</translation>
    </message>
    <message>
        <location filename="../formats/mp3/mp3format.cpp" line="+21"/>
        <source>Unknown MP3 channel mode %1</source>
        <translation>Modo de canais MP3 desconhecido: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MP3 encoder takes mono or stereo input only</source>
        <translation>O codificador MP3 aceita apenas entrada mono ou estéreo</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The MP3 encoder refuses %1 Hz at %2 kbps</source>
        <translation>O codificador MP3 recusa %1 Hz a %2 kbps</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The input format cannot change after samples were written</source>
        <translation>O formato de entrada não pode mudar depois que amostras foram gravadas</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The MP3 encoder failed</source>
        <translation>Falha no codificador MP3</translation>
    </message>
    <message>
        <location filename="../formats/ogg/oggformat.cpp" line="+46"/>
        <source>The OGG encoder refuses this format</source>
        <translation>O codificador OGG recusa este formato</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../formats/wav/wavformat.cpp" line="+47"/>
        <location filename="../media/audiowriters.cpp" line="-44"/>
        <source>Cannot take input of %1 Hz, %2 channels</source>
        <translation>Não é possível aceitar entrada de %1 Hz, %2 canais</translation>
    </message>
    <message>
        <location filename="../formats/wma/wmaformat.cpp" line="-92"/>
        <source>No WMA encoder</source>
        <translation>Nenhum codificador WMA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The WMA encoder refuses %1 kbps at %2 Hz</source>
        <translation>O codificador WMA recusa %1 kbps a %2 Hz</translation>
    </message>
    <message>
        <location filename="../formats/flac/flacformat.cpp" line="+252"/>
        <location filename="../media/audiowriters.cpp" line="+102"/>
        <source>Cannot write %1</source>
        <translation>Não foi possível gravar %1</translation>
    </message>
    <message>
        <location line="-175"/>
        <location line="+8"/>
        <location filename="../media/audiowriters.cpp" line="-47"/>
        <location line="+67"/>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <location filename="../formats/wma/wmaformat.cpp" line="+4"/>
        <source>The WMA encoder failed</source>
        <translation>Falha no codificador WMA</translation>
    </message>
    <message>
        <location filename="../formats/flac/flacformat.cpp" line="+17"/>
        <source>The FLAC encoder refuses %1 Hz, %2 channels, %3 bits</source>
        <translation>O codificador FLAC recusa %1 Hz, %2 canais, %3 bits</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+13"/>
        <location line="+79"/>
        <source>The FLAC encoder failed</source>
        <translation>Falha no codificador FLAC</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The FLAC encoder failed (%1)</source>
        <translation>Falha no codificador FLAC (%1)</translation>
    </message>
    <message>
        <location filename="../formats/opus/opusformat.cpp" line="+54"/>
        <source>The Opus encoder failed (%1)</source>
        <translation>Falha no codificador Opus (%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+43"/>
        <source>The Opus encoder failed</source>
        <translation>Falha no codificador Opus</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>The Opus encoder refuses %1 kbps</source>
        <translation>O codificador Opus recusa %1 kbps</translation>
    </message>
    <message>
        <location filename="../formats/m4a/m4aformat.cpp" line="+34"/>
        <source>No AAC encoder</source>
        <translation>Nenhum codificador AAC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The AAC encoder refuses %1 kbps at %2 Hz</source>
        <translation>O codificador AAC recusa %1 kbps a %2 Hz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The AAC encoder failed</source>
        <translation>Falha no codificador AAC</translation>
    </message>
    <message>
        <location filename="../formats/ogg/oggformat.cpp" line="+172"/>
        <source>The OGG minimum bit rate %1 kbps is above the maximum %2 kbps</source>
        <translation>A taxa de bits mínima do OGG, %1 kbps, é maior que a máxima, %2 kbps</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The OGG encoder refuses %1 Hz, %2 channels at these bit rates</source>
        <translation>O codificador OGG recusa %1 Hz, %2 canais com estas taxas de bits</translation>
    </message>
    <message>
        <location filename="../formats/flac/flacformat.cpp" line="+75"/>
        <source>FLAC takes 1 or 2 channels, 16 or 24 bits and compression 0 to 8, not %1 Hz, %2 channels, %3 bits, compression %4</source>
        <translation>O FLAC aceita 1 ou 2 canais, 16 ou 24 bits e compressão de 0 a 8, não %1 Hz, %2 canais, %3 bits, compressão %4</translation>
    </message>
    <message>
        <location filename="../formats/opus/opusformat.cpp" line="+86"/>
        <source>Opus takes 32 to 256 kbps and 1 or 2 channels, not %1 kbps, %2 channels</source>
        <translation>O Opus aceita de 32 a 256 kbps e 1 ou 2 canais, não %1 kbps, %2 canais</translation>
    </message>
    <message>
        <location filename="../formats/m4a/m4aformat.cpp" line="+74"/>
        <source>M4A takes 44100 or 48000 Hz, 64 to 320 kbps and 1 or 2 channels, not %1 Hz, %2 kbps, %3 channels</source>
        <translation>O M4A aceita 44100 ou 48000 Hz, de 64 a 320 kbps e 1 ou 2 canais, não %1 Hz, %2 kbps, %3 canais</translation>
    </message>
    <message>
        <location filename="../media/avinput.cpp" line="+215"/>
        <source>Source file not found: %1</source>
        <translation>Arquivo de origem não encontrado: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+27"/>
        <source>Cannot read the source file: %1</source>
        <translation>Não foi possível ler o arquivo de origem: %1</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+8"/>
        <source>Not a media file (the file is empty): %1</source>
        <translation>Não é um arquivo de mídia (o arquivo está vazio): %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Out of memory opening %1</source>
        <translation>Memória insuficiente ao abrir %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+18"/>
        <location filename="../media/sourceinfo.cpp" line="+236"/>
        <location line="+3"/>
        <location filename="../media/videoedit.cpp" line="+545"/>
        <source>Stopped</source>
        <translation>Interrompido</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+17"/>
        <source>Not a media file: %1</source>
        <translation>Não é um arquivo de mídia: %1</translation>
    </message>
    <message>
        <location filename="../media/medialength.cpp" line="+26"/>
        <location filename="../media/sourceinfo.cpp" line="+37"/>
        <location filename="../media/waveform.cpp" line="+113"/>
        <source>The length of %1 is unknown</source>
        <translation>A duração de %1 é desconhecida</translation>
    </message>
    <message>
        <location filename="../media/previewplayer.cpp" line="+107"/>
        <source>The preview cannot draw with this display&apos;s OpenGL: %1</source>
        <translation>A pré-visualização não consegue desenhar com o OpenGL desta tela: %1</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>Playback of &apos;%1&apos; failed: %2</source>
        <translation>Falha na reprodução de &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file ended unexpectedly</source>
        <translation>o arquivo terminou inesperadamente</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>loading stopped</source>
        <translation>carregamento interrompido</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+114"/>
        <source>Cannot open file &apos;%1&apos;: %2</source>
        <translation>Não foi possível abrir o arquivo &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Playback of &apos;%1&apos; stopped at %2 s of its %3 s: the rest of the file cannot be read</source>
        <translation>A reprodução de &apos;%1&apos; parou em %2 s de %3 s: não é possível ler o restante do arquivo</translation>
    </message>
    <message>
        <location filename="../media/sourceinfo.cpp" line="-268"/>
        <source>%1 channels</source>
        <translation>%1 canais</translation>
    </message>
    <message>
        <location filename="../media/outputfile.cpp" line="+87"/>
        <source>Cannot write the output file %1 (%2)</source>
        <translation>Não foi possível gravar o arquivo de saída %1 (%2)</translation>
    </message>
    <message>
        <location filename="../media/videoedit.cpp" line="-424"/>
        <location filename="../media/waveform.cpp" line="-19"/>
        <source>No decoder for the sound of %1</source>
        <translation>Nenhum decodificador para o áudio de %1</translation>
    </message>
    <message>
        <location filename="../media/sourceinfo.cpp" line="+280"/>
        <location filename="../media/videoedit.cpp" line="+2"/>
        <location line="+538"/>
        <source>Stream %1 of %2 is no sound track</source>
        <translation>O fluxo %1 de %2 não é uma faixa de áudio</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../media/videoedit.cpp" line="-537"/>
        <location line="+538"/>
        <location filename="../media/waveform.cpp" line="-2"/>
        <source>No audio stream in %1</source>
        <translation>Nenhum fluxo de áudio em %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../media/videoedit.cpp" line="-531"/>
        <location line="+3"/>
        <location line="+533"/>
        <location filename="../media/waveform.cpp" line="+9"/>
        <location line="+3"/>
        <source>Cannot decode the sound of %1</source>
        <translation>Não foi possível decodificar o áudio de %1</translation>
    </message>
    <message>
        <location filename="../media/videoedit.cpp" line="-521"/>
        <location line="+101"/>
        <source>No sound could be decoded from %1</source>
        <translation>Nenhum áudio pôde ser decodificado de %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The clip holds no sound</source>
        <translation>O trecho não contém áudio</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The source ended at %1 of %2</source>
        <translation>A origem terminou em %1 de %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Input ended early: %1 holds %2 s of the %3 s asked for</source>
        <translation>A entrada terminou antes: %1 contém %2 s dos %3 s pedidos</translation>
    </message>
    <message>
        <location line="+131"/>
        <location line="+41"/>
        <location line="+14"/>
        <source>Cannot convert the sound of %1</source>
        <translation>Não foi possível converter o áudio de %1</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>Cannot convert the sound to %1 Hz, %2 channels</source>
        <translation>Não foi possível converter o áudio para %1 Hz, %2 canais</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The sound could not be extracted from the video</source>
        <translation>Não foi possível extrair o áudio do vídeo</translation>
    </message>
</context>
<context>
    <name>Mp3Page</name>
    <message>
        <location filename="../formats/mp3/mp3page.ui" line="+6"/>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>CBR</source>
        <translation>CBR</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+7"/>
        <source>Frequency (Hz)</source>
        <translation>Frequência (Hz)</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Joint Stereo</source>
        <translation>Estéreo conjunto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Forced Joint Stereo</source>
        <translation>Estéreo conjunto forçado</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dual Channels</source>
        <translation>Canal duplo</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+7"/>
        <source>Bitrate (kbps)</source>
        <translation>Taxa de bits (kbps)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Enable VBR</source>
        <translation>Ativar VBR</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+7"/>
        <source>Max Bitrate (kbps)</source>
        <translation>Taxa máxima (kbps)</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+7"/>
        <source>Quality</source>
        <translation>Qualidade</translation>
    </message>
</context>
<context>
    <name>Notify</name>
    <message>
        <location filename="../desktop/notify.cpp" line="+12"/>
        <source>%1 %2 converted, %3 failed</source>
        <translation>%1 %2, %3 com falha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>file</source>
        <translation>arquivo convertido</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>files</source>
        <translation>arquivos convertidos</translation>
    </message>
</context>
<context>
    <name>OggPage</name>
    <message>
        <location filename="../formats/ogg/oggpage.ui" line="+6"/>
        <source>OGG</source>
        <translation>OGG</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+7"/>
        <source>Frequency (Hz)</source>
        <translation>Frequência (Hz)</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+7"/>
        <source>Normal Bitrate (kbps)</source>
        <translation>Taxa nominal (kbps)</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>VBR Enabled</source>
        <translation>VBR ativado</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quality Enabled</source>
        <translation>Qualidade ativada</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+7"/>
        <source>Min bitrate</source>
        <translation>Taxa mínima</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+101"/>
        <source>8 kbps</source>
        <translation>8 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>16 kbps</source>
        <translation>16 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>24 kbps</source>
        <translation>24 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>32 kbps</source>
        <translation>32 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>48 kbps</source>
        <translation>48 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>56 kbps</source>
        <translation>56 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>64 kbps</source>
        <translation>64 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>96 kbps</source>
        <translation>96 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>112 kbps</source>
        <translation>112 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>128 kbps</source>
        <translation>128 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>160 kbps</source>
        <translation>160 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>192 kbps</source>
        <translation>192 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>224 kbps</source>
        <translation>224 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>256 kbps</source>
        <translation>256 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>320 kbps</source>
        <translation>320 kbps</translation>
    </message>
    <message>
        <location line="-87"/>
        <location line="+7"/>
        <source>Max bitrate</source>
        <translation>Taxa máxima</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Quality(Compression)</source>
        <translation>Qualidade (compressão)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+7"/>
        <source>Quality</source>
        <translation>Qualidade</translation>
    </message>
</context>
<context>
    <name>OpusPage</name>
    <message>
        <location filename="../formats/opus/opuspage.ui" line="+6"/>
        <source>OPUS</source>
        <translation>OPUS</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+7"/>
        <source>Bitrate (kbps)</source>
        <translation>Taxa de bits (kbps)</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Enable VBR</source>
        <translation>Ativar VBR</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Frequency (Hz)</source>
        <translation>Frequência (Hz)</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <location filename="../progress/execute.ui" line="+6"/>
        <source>Converting</source>
        <translation>Conversão</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+5"/>
        <source>File progress</source>
        <translation>Progresso do arquivo</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+5"/>
        <source>Total progress</source>
        <translation>Progresso total</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Time elapsed:</source>
        <translation>Tempo decorrido:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Time elapsed</source>
        <translation>Tempo decorrido</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Time left:</source>
        <translation>Tempo restante:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Time left</source>
        <translation>Tempo restante</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../progress/execute.cpp" line="+85"/>
        <source>File progress %1</source>
        <translation>Progresso do arquivo %1</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Convert %1 to %2...</source>
        <translation>Convertendo %1 para %2...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Convert file %1 of total %2 file(s)</source>
        <translation>Convertendo arquivo %1 de %2 no total</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Measuring loudness...</source>
        <translation>Medindo a sonoridade...</translation>
    </message>
</context>
<context>
    <name>QueueStore</name>
    <message>
        <source>The clip&apos;s times in the saved queue were not times</source>
        <translation>Os tempos do trecho na fila salva não eram tempos</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>maior que %1 MB</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <location filename="../main/queuestore.cpp" line="+137"/>
        <source>The start time &quot;%1&quot; is not a time (hh:mm:ss)</source>
        <translation>O tempo inicial &quot;%1&quot; não é um tempo válido (hh:mm:ss)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Unable to create the folder %1</source>
        <translation>Não foi possível criar a pasta %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>not a Clipvox queue</source>
        <translation>não é uma fila do Clipvox</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a job without its source or output</source>
        <translation>uma tarefa sem origem ou saída</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>the source no longer exists</source>
        <translation>o arquivo de origem não existe mais</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The saved queue could not be read (%1). %2 The queue starts empty.</source>
        <translation>Não foi possível ler a fila salva (%1). %2 A fila começa vazia.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It was kept as %1.</source>
        <translation>Ela foi guardada como %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <source>It was left at %1 and will not be saved over.</source>
        <translation>Ela ficou em %1 e não será sobrescrita.</translation>
    </message>
</context>
<context>
    <name>RunActivity</name>
    <message>
        <location filename="../desktop/runactivity.cpp" line="+18"/>
        <source>Converting</source>
        <translation>Conversão</translation>
    </message>
</context>
<context>
    <name>RunEngine</name>
    <message numerus="yes">
        <source>%n damaged samples far beyond full scale were clipped</source>
        <translation>
            <numerusform>%n amostra danificada muito acima da escala total foi cortada</numerusform>
            <numerusform>%n amostras danificadas muito acima da escala total foram cortadas</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/encodestep.cpp" line="+72"/>
        <source>The encoder does not accept the output settings</source>
        <translation>O codificador não aceita as configurações de saída</translation>
    </message>
    <message>
        <location filename="../formats/mp3/mp3format.cpp" line="+77"/>
        <source>Encoded at %1 kbps: MP3 at %2 Hz cannot carry %3 kbps</source>
        <translation>Codificado a %1 kbps: MP3 a %2 Hz não comporta %3 kbps</translation>
    </message>
    <message>
        <location filename="../formats/ogg/oggformat.cpp" line="-31"/>
        <source>Incorrect format: the OGG encoder does not accept %1 Hz, %2 channel(s), %3 kbps (minimum %4, maximum %5)</source>
        <translation>Formato incorreto: o codificador OGG não aceita %1 Hz, %2 canal(is), %3 kbps (mínimo %4, máximo %5)</translation>
    </message>
    <message>
        <location filename="../formats/wav/wavformat.cpp" line="+79"/>
        <source>WAV takes 8, 16 or 24 bits, not %1 Hz, %2 channels, %3 bits</source>
        <translation>O WAV aceita 8, 16 ou 24 bits, não %1 Hz, %2 canais, %3 bits</translation>
    </message>
    <message>
        <location filename="../engine/encodestep.cpp" line="-5"/>
        <source>The output format is not one Clipvox knows</source>
        <translation>O formato de saída não é conhecido pelo Clipvox</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>The output could not be read back: %1</source>
        <translation>Não foi possível ler de volta o arquivo de saída: %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No sound track %1: the source has no sound</source>
        <translation>Não há faixa de áudio %1: a origem não tem áudio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No sound track %1: the source has %2</source>
        <translation>Não há faixa de áudio %1: a origem tem %2 faixa(s)</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>The clip starts at %1 s, after the end of the source (%2 s)</source>
        <translation>O trecho começa em %1 s, depois do fim da origem (%2 s)</translation>
    </message>
    <message>
        <location line="+379"/>
        <source>The clip holds no sound</source>
        <translation>O trecho não contém áudio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot write %1</source>
        <translation>Não foi possível gravar %1</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>True peak %1 dBTP, over -1 dBTP</source>
        <translation>Pico real %1 dBTP, acima de -1 dBTP</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>The tags could not be written: %1</source>
        <translation>Não foi possível gravar as etiquetas: %1</translation>
    </message>
    <message>
        <location filename="../engine/runengine.cpp" line="+93"/>
        <source>Cannot create a file in %1: %2</source>
        <translation>Não foi possível criar um arquivo em %1: %2</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Cannot write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>%1 is a source of this run and was kept</source>
        <translation>%1 é uma origem desta conversão e foi mantido</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+3"/>
        <source>%1 exists and was kept</source>
        <translation>%1 já existe e foi mantido</translation>
    </message>
    <message>
        <location line="+186"/>
        <source>The album&apos;s ReplayGain could not be written: %1</source>
        <translation>Não foi possível gravar o ReplayGain do álbum: %1</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Cannot measure the length of the source: %1</source>
        <translation>Não foi possível medir a duração da origem: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown reason</source>
        <translation>motivo desconhecido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The clip&apos;s start (%1) is past the end of the source (%2 s)</source>
        <translation>O início do trecho (%1) fica depois do fim da origem (%2 s)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The clip&apos;s end (%1) is not after its start (%2)</source>
        <translation>O fim do trecho (%1) não fica depois do início (%2)</translation>
    </message>
    <message>
        <location line="-75"/>
        <source>Incorrect format</source>
        <translation>Formato incorreto</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 appeared during the run and was kept</source>
        <translation>%1 surgiu durante a conversão e foi mantido</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>The file name knows {name} {title} {artist} {album} {year} {track} {n} and {chapter}, not %1.</source>
        <translation>O nome do arquivo aceita {name} {title} {artist} {album} {year} {track} {n} e {chapter}, não %1.</translation>
    </message>
    <message>
        <location filename="../settings/setting.ui" line="+14"/>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+9"/>
        <source>Output Directory</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+9"/>
        <source>Output Format</source>
        <translation>Formato de saída</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Convert up to</source>
        <translation>Converter até</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Files converted at the same time</source>
        <translation>Arquivos convertidos ao mesmo tempo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>files at the same time</source>
        <translation>arquivos ao mesmo tempo</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Make loudness even:</source>
        <translation>Uniformizar volume:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Make loudness even</source>
        <translation>Uniformizar volume</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>-23 LUFS</source>
        <translation>-23 LUFS</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>-18 LUFS</source>
        <translation>-18 LUFS</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>-16 LUFS</source>
        <translation>-16 LUFS</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>-14 LUFS</source>
        <translation>-14 LUFS</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ReplayGain tags</source>
        <translation>Tags ReplayGain</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Peaks over -1 dBTP:</source>
        <translation>Picos acima de -1 dBTP:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Peaks over -1 dBTP</source>
        <translation>Picos acima de -1 dBTP</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Limit the peaks: every clip reaches the loudness chosen. Lower the whole clip: nothing is limited, and clips with high peaks stay quieter.</source>
        <translation>Limitar os picos: todo trecho atinge o volume escolhido. Abaixar o trecho inteiro: nada é limitado, e trechos com picos altos ficam mais baixos.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lower the whole clip</source>
        <translation>Abaixar o trecho inteiro</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Limit the peaks</source>
        <translation>Limitar os picos</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Save to:</source>
        <translation>Salvar em:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save to</source>
        <translation>Salvar em</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The output folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Beside each source</source>
        <translation>Junto de cada origem</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The output folder, keeping the sources&apos; folders</source>
        <translation>Pasta de saída, mantendo as pastas das origens</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>File name:</source>
        <translation>Nome do arquivo:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>File name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{name} {title} {artist} {album} {year} {track} {n}; one with nothing to give is {name}</source>
        <translation>{name} {title} {artist} {album} {year} {track} {n}; um campo vazio vira {name}</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>If the output file exists:</source>
        <translation>Se o arquivo de saída existir:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>If the output file exists</source>
        <translation>Se o arquivo de saída existir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Replace it</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keep both (add a number)</source>
        <translation>Manter ambos (adicionar um número)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Skip the file</source>
        <translation>Ignorar o arquivo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Copy tags and cover from the source</source>
        <translation>Copiar etiquetas e capa da origem</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SoundStrip</name>
    <message>
        <location filename="../clip/soundstrip.cpp" line="+152"/>
        <source>No sound</source>
        <translation>Sem áudio</translation>
    </message>
</context>
<context>
    <name>TimeEntryDialog</name>
    <message>
        <location filename="../clip/edittime.ui" line="+14"/>
        <location line="+18"/>
        <source>Edit Time</source>
        <translation>Editar tempo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Hours</source>
        <translation>&amp;Horas</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Minutes</source>
        <translation>&amp;Minutos</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>S&amp;econds</source>
        <translation>S&amp;egundos</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Start at</source>
        <translation>&amp;Começar em</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Start hours</source>
        <translation>Horas do início</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Start minutes</source>
        <translation>Minutos do início</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Start seconds</source>
        <translation>Segundos do início</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>S&amp;top at</source>
        <translation>&amp;Parar em</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Stop hours</source>
        <translation>Horas do fim</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Stop minutes</source>
        <translation>Minutos do fim</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Stop seconds</source>
        <translation>Segundos do fim</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../clip/edittime.cpp" line="+69"/>
        <source>Start time should not be negative.</source>
        <translation>O tempo inicial não deve ser negativo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start time should be less than total duration.</source>
        <translation>O tempo inicial deve ser menor que a duração total.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stop time should not be negative.</source>
        <translation>O tempo final não deve ser negativo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop time should be less than total duration.</source>
        <translation>O tempo final deve ser menor que a duração total.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start time should not be later than stop time.</source>
        <translation>O tempo inicial não deve ser posterior ao tempo final.</translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <location filename="../extras/tip.ui" line="+14"/>
        <source>Tip of the Day</source>
        <translation>Dica do dia</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Light bulb</source>
        <translation>Lâmpada</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Did you know...</source>
        <translation>Você sabia...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tip</source>
        <translation>Dica</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Show Tips on Startup</source>
        <translation>Mostrar dicas ao iniciar</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Next Tip</source>
        <translation>Próxima dica</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location filename="../extras/tip.cpp" line="+83"/>
        <source>No tips available.</source>
        <translation>Nenhuma dica disponível.</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <location filename="../clip/updown.cpp" line="+18"/>
        <source>One more</source>
        <translation>Mais um</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>One less</source>
        <translation>Menos um</translation>
    </message>
</context>
<context>
    <name>WavPage</name>
    <message>
        <source>Same as source</source>
        <translation>Igual à fonte</translation>
    </message>
    <message>
        <location filename="../formats/wav/wavpage.ui" line="+6"/>
        <source>WAV</source>
        <translation>WAV</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+7"/>
        <source>Frequency (Hz)</source>
        <translation>Frequência (Hz)</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+7"/>
        <source>Bits per sample</source>
        <translation>Bits por amostra</translation>
    </message>
</context>
<context>
    <name>WmaPage</name>
    <message>
        <location filename="../formats/wma/wmapage.ui" line="+6"/>
        <source>WMA</source>
        <translation>WMA</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+7"/>
        <source>WMA Profile</source>
        <translation>Perfil WMA</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>one of %1</source>
        <translation>um de %1</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>um número inteiro de %1 a %2</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>um número inteiro</translation>
    </message>
    <message>
        <source>unknown setting &quot;%1.%2&quot;; the settings: %3</source>
        <translation>configuração desconhecida &quot;%1.%2&quot;; as configurações: %3</translation>
    </message>
    <message>
        <source>%1.%2 takes %3, not &quot;%4&quot;</source>
        <translation>%1.%2 aceita %3, não &quot;%4&quot;</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Speech and podcasts: MP3 mono 64 kbps, loudness even at -16 LUFS</source>
        <translation>Voz e podcasts: MP3 mono 64 kbps, loudness igualada em -16 LUFS</translation>
    </message>
    <message>
        <source>Music: OGG Vorbis quality 6, ReplayGain album tags, sound unchanged</source>
        <translation>Música: OGG Vorbis qualidade 6, tags ReplayGain de álbum, som inalterado</translation>
    </message>
    <message>
        <source>Archive: FLAC at the source&apos;s rate and sample size, sound unchanged</source>
        <translation>Arquivo: FLAC na taxa e no tamanho de amostra da origem, som inalterado</translation>
    </message>
    <message>
        <source>Phone: AAC in M4A 128 kbps, loudness even at -16 LUFS</source>
        <translation>Celular: AAC em M4A 128 kbps, loudness igualada em -16 LUFS</translation>
    </message>
    <message>
        <source>Editing: WAV 48 kHz 24-bit stereo, sound unchanged</source>
        <translation>Edição: WAV 48 kHz 24 bits estéreo, som inalterado</translation>
    </message>
    <message>
        <source>Preset file %1 skipped: %2</source>
        <translation>Arquivo de predefinição %1 ignorado: %2</translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation>Uma predefinição precisa de um nome.</translation>
    </message>
    <message>
        <source>A preset&apos;s name has at most %1 characters.</source>
        <translation>O nome de uma predefinição tem no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot start with a dot or a space, nor hold &quot;/&quot; or control characters.</source>
        <translation>O nome de uma predefinição não pode começar com ponto ou espaço, nem conter &quot;/&quot; ou caracteres de controle.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>é grande demais</translation>
    </message>
    <message>
        <source>line %1 is no section, key or comment</source>
        <translation>a linha %1 não é seção, chave nem comentário</translation>
    </message>
    <message>
        <source>it sets nothing</source>
        <translation>não define nada</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>Já existe uma predefinição chamada &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não é possível gravar em %1</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is read-only.</source>
        <translation>A predefinição &quot;%1&quot; é somente leitura.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be renamed: %2</source>
        <translation>Não foi possível renomear a predefinição &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>Não foi possível excluir a predefinição &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>PresetBar</name>
    <message>
        <source>Pre&amp;set</source>
        <translation>Pre&amp;definição</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhuma)</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Predefinições</translation>
    </message>
    <message>
        <source>Save, rename or delete presets</source>
        <translation>Salvar, renomear ou excluir predefinições</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renomear...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>%1 (modified)</source>
        <translation>%1 (modificada)</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Salvar predefinição</translation>
    </message>
    <message>
        <source>Name of the new preset:</source>
        <translation>Nome da nova predefinição:</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is read-only: choose another name.</source>
        <translation>A predefinição &quot;%1&quot; é somente leitura: escolha outro nome.</translation>
    </message>
    <message>
        <source>Replace the preset &quot;%1&quot;?</source>
        <translation>Substituir a predefinição &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Rename preset</source>
        <translation>Renomear predefinição</translation>
    </message>
    <message>
        <source>New name of the preset:</source>
        <translation>Novo nome da predefinição:</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>Já existe uma predefinição chamada &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>Excluir predefinição</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>Excluir a predefinição &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>WhenDone</name>
    <message>
        <source>When &amp;done</source>
        <translation>Ao &amp;terminar</translation>
    </message>
    <message>
        <source>When done</source>
        <translation>Ao terminar</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Não fazer nada</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>Abrir a pasta de saída</translation>
    </message>
    <message>
        <source>Quit Clipvox</source>
        <translation>Sair do Clipvox</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <source>Power off</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>What follows a run that was not cancelled</source>
        <translation>O que vem depois de uma conversão que não foi cancelada</translation>
    </message>
</context>
<context>
    <name>WhenDoneNotice</name>
    <message>
        <source>Power off now</source>
        <translation>Desligar agora</translation>
    </message>
    <message>
        <source>Suspend now</source>
        <translation>Suspender agora</translation>
    </message>
    <message numerus="yes">
        <source>The conversion is done. The computer powers off in %n seconds.</source>
        <translation>
            <numerusform>A conversão terminou. O computador desliga em %n segundo.</numerusform>
            <numerusform>A conversão terminou. O computador desliga em %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The conversion is done. The computer suspends in %n seconds.</source>
        <translation>
            <numerusform>A conversão terminou. O computador será suspenso em %n segundo.</numerusform>
            <numerusform>A conversão terminou. O computador será suspenso em %n segundos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SystemPower</name>
    <message>
        <source>The system did not do it: %1</source>
        <translation>O sistema não o fez: %1</translation>
    </message>
</context>
</TS>
