<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../extras/about.ui" line="+14"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Clipvox logo</source>
        <translation>Logotipo de Clipvox</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Clipvox</source>
        <translation>Clipvox</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+10"/>
        <source>HomePage</source>
        <translation>Página web</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the home page in the web browser</source>
        <translation>Abre la página web en el navegador</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+10"/>
        <location line="+6"/>
        <source>Technology Support</source>
        <translation>Asistencia técnica</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Writes an e-mail to the support</source>
        <translation>Escribe un correo electrónico a la asistencia técnica</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>© The Clipvox developers</source>
        <translation>© Los desarrolladores de Clipvox</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../extras/about.cpp" line="+59"/>
        <source>Free software under the GNU GPL, version 3 or later</source>
        <translation>Software libre bajo la GPL de GNU, versión 3 o posterior</translation>
    </message>
</context>
<context>
    <name>ClipEditor</name>
    <message>
        <source>Playback</source>
        <translation>Reproducción</translation>
    </message>
    <message>
        <location filename="../clip/edit.ui" line="+14"/>
        <source>Edit Clip Time</source>
        <translation>Editar tiempo del fragmento</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+21"/>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play (Space)</source>
        <translation>Reproducir (Espacio)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pause (Space)</source>
        <translation>Pausa (Espacio)</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+3"/>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Sound of the source</source>
        <translation>Audio del origen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click to play from here. Left, Right: one second back or forward (with Shift, ten seconds). Home, End: to the start mark, to the end mark</source>
        <translation>Haga clic para reproducir desde aquí. Izquierda, Derecha: un segundo atrás o adelante (con Mayús, diez segundos). Inicio, Fin: a la marca inicial, a la marca final</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Start Time</source>
        <translation>Tiempo inicial</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Start time</source>
        <translation>Tiempo inicial</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>End Time</source>
        <translation>Tiempo final</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>End time</source>
        <translation>Tiempo final</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Set start time</source>
        <translation>Fijar tiempo inicial</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set start time (I)</source>
        <translation>Fijar tiempo inicial (I)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Set end time</source>
        <translation>Fijar tiempo final</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set end time (O)</source>
        <translation>Fijar tiempo final (O)</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+3"/>
        <source>Edit start time and end time</source>
        <translation>Editar tiempo inicial y final</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+3"/>
        <source>Reset time</source>
        <translation>Restablecer tiempo</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Tag Information</source>
        <translation>Información de etiquetas</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Enable Tag</source>
        <translation>Acti&amp;var etiquetas</translation>
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
        <translation>&amp;Comentario:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <location line="-177"/>
        <source>Co&amp;pyright:</source>
        <translation>&amp;Derechos de autor:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Copyright</source>
        <translation>Derechos de autor</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Year:</source>
        <translation>Añ&amp;o:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>T&amp;rack:</source>
        <translation>&amp;Pista:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Track</source>
        <translation>Pista</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>&amp;Genre:</source>
        <translation>&amp;Género:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Genre</source>
        <translation>Género</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;Sound track:</source>
        <translation>Pista de a&amp;udio:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sound track</source>
        <translation>Pista de audio</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+3"/>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>(ninguno)</translation>
    </message>
    <message>
        <location line="+571"/>
        <location line="+10"/>
        <source>Please input correct time format!</source>
        <translation>¡Introduzca el tiempo en un formato correcto!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Start Time should be smaller than End Time!</source>
        <translation>¡El tiempo inicial debe ser menor que el tiempo final!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Invalid Year Value</source>
        <translation>Valor de año no válido</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Invalid Track Value</source>
        <translation>Valor de pista no válido</translation>
    </message>
</context>
<context>
    <name>ClipvoxApplication</name>
    <message>
        <location filename="../desktop/application.cpp" line="+29"/>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>its name is not UTF-8: the output&apos;s name has %XX for each byte that is not</source>
        <translation>su nombre no es UTF-8: el nombre de la salida lleva %XX por cada byte que no lo es</translation>
    </message>
    <message>
        <source>--name knows {name} {title} {artist} {album} {year} {track} {n} {chapter}, not %1</source>
        <translation>--name admite {name} {title} {artist} {album} {year} {track} {n} {chapter}, no %1</translation>
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
        <translation>Uso: clipvox --convert [opciones] [--] FILE...
     clipvox [FILE...]            (abre la ventana con los archivos en la cola)

Convierte la pista de audio de cada vídeo FILE en un archivo de audio,
sin ventana.

Opciones:
  --format FORMAT   formato de salida: %1 (predeterminado: el de setup.ini)
  --output DIR      carpeta de las salidas (predeterminado: la carpeta de cada
                    origen)
  --start hh:mm:ss  inicio del fragmento de cada archivo
                    (predeterminado 00:00:00); -hh:mm:ss cuenta desde el
                    final de cada origen
  --end hh:mm:ss    fin del fragmento de cada archivo, o max
                    (predeterminado max); -hh:mm:ss cuenta desde el final de
                    cada origen: «--start 00:00:12 --end -00:00:08» quita 12 s
                    al inicio y 8 s al final; un fragmento que no cabe en un
                    origen hace fallar ese archivo
  --track N         la pista de audio que convertir, contando desde 1
                    (predeterminada: la pista predeterminada del origen); un
                    archivo que no la tenga falla
  --split-chapters  una salida por capítulo, &quot;video - 01 Title.mp3&quot;, con el
                    título y el número del capítulo como etiquetas
  --jobs N          archivos convertidos a la vez (predeterminado: setup.ini)
  --overwrite       reemplaza los archivos existentes con el nombre de la
                    salida; sin esta opción se conserva el archivo existente y
                    la salida toma el siguiente nombre libre, &quot;clip (2).mp3&quot;;
                    un origen nunca se reemplaza
  --skip-existing   no convierte un archivo cuya salida ya existe
  --name PATTERN    nombre del archivo de salida a partir de {name} {title}
                    {artist} {album} {year} {track} {n}; un campo vacío se
                    sustituye por {name} (predeterminado {name})
  --keep-tree ROOT  con --output: las carpetas de los orígenes bajo ROOT se
                    conservan dentro de la carpeta de salida
  --no-tags         no copia las etiquetas ni la portada del origen
%2  --loudness LUFS   iguala la sonoridad de cada archivo a LUFS (-70 a -5),
                    u off (predeterminado: setup.ini)
  --peaks MODE      donde la ganancia para la sonoridad llevaría el pico real
                    por encima de -1 dBTP: limit (un limitador recorta los
                    picos, se alcanza la sonoridad) o lower (todo el archivo
                    suena más bajo) (predeterminado: setup.ini; si no, limit)
  --replaygain MODE sin --loudness: deja el sonido como está y escribe
                    etiquetas ReplayGain (-18 LUFS): track (ganancia y pico de
                    cada archivo), album (también la ganancia y el pico de los
                    archivos de la ejecución en la misma carpeta, escritos al
                    terminar el último) u off; con --loudness, album da a esos
                    archivos una sola ganancia, para que conserven su sonoridad
                    relativa (predeterminado: setup.ini; si no, off)
  --preset NOMBRE   los ajustes de un preajuste sobre los de setup.ini (antes de --set
                    y de las opciones anteriores)
  --list-presets    listar los preajustes: nombre, tabulador, descripción
  --set SECCIÓN.CLAVE=VALOR
                    un ajuste de setup.ini para esta ejecución (repetible), comprobado
                    como en setup.ini: --set mp3.bitrate=192 --set mp3.channels=1
  --files-from ARCHIVO
                    convertir también los archivos nombrados en ARCHIVO, uno por línea
                    (- lee la entrada estándar)
  --null, -0        los nombres de --files-from terminan con un byte NUL, como los
                    escribe find -print0
  --list-formats    listar los formatos de salida: extensión, tabulador, nombre
  --progress FORMA  plain (las líneas de abajo) o json: un objeto JSON por línea en la
                    salida estándar, {&quot;event&quot;:&quot;start&quot;|&quot;progress&quot;|&quot;end&quot;,
                    &quot;job&quot;:N,...} (véase la página de manual)
  --watch CARPETA   convertir cada vídeo que aparece en CARPETA (y en sus subcarpetas
                    con --keep-tree) en cuanto deja de crecer, cada archivo una vez,
                    también tras reiniciar; funciona hasta SIGINT o SIGTERM
  --help            muestra este texto
  --version         muestra la versión

Los parámetros del codificador y la sonoridad se toman de setup.ini, como en la
ventana. Una línea por archivo en la salida estándar, en el orden de la cola:
  ok SOURCE -&gt; OUTPUT (LENGTH)   o   failed SOURCE: REASON
  con un objetivo de sonoridad: ok SOURCE -&gt; OUTPUT (LENGTH, -16.0 LUFS), la
  sonoridad alcanzada (-inf LUFS para un archivo por debajo del umbral de
  -70 LUFS)
  o   skipped SOURCE: KEPT FILE; nombres con caracteres de control como $&apos;a
b&apos;
Código de salida: 0 todo convertido, 1 alguno falló, 2 error de uso,
                  130 cancelado.
</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Try &apos;clipvox --convert --help&apos;.</source>
        <translation>Pruebe &apos;clipvox --convert --help&apos; para más información.</translation>
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
        <translation>duración desconocida</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>file %1 of %2, %3%, time left %4</source>
        <translation>archivo %1 de %2, %3%, tiempo restante %4</translation>
    </message>
    <message>
        <location line="+182"/>
        <source>License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licencia GPL-3.0-or-later: GPL de GNU versión 3 o posterior &lt;https://gnu.org/licenses/gpl.html&gt;.
Esto es software libre: usted es libre de cambiarlo y redistribuirlo.
No hay NINGUNA GARANTÍA, hasta donde permite la ley.
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>options other than --help and --version need --convert</source>
        <translation>las opciones distintas de --help y --version necesitan --convert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no files to convert</source>
        <translation>no hay archivos que convertir</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>unknown format &quot;%1&quot;</source>
        <translation>formato desconocido «%1»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--overwrite and --skip-existing exclude each other</source>
        <translation>--overwrite y --skip-existing se excluyen mutuamente</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>--loudness needs a whole number from -70 to -5 or off, not &quot;%1&quot;</source>
        <translation>--loudness necesita un número entero de -70 a -5 u off, no «%1»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--peaks needs limit or lower, not &quot;%1&quot;</source>
        <translation>--peaks necesita limit o lower, no «%1»</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--replaygain needs track, album or off, not &quot;%1&quot;</source>
        <translation>--replaygain necesita track, album u off, no &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--jobs needs a number of at least 1, not &quot;%1&quot;</source>
        <translation>--jobs necesita un número mayor o igual que 1, no «%1»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--keep-tree needs --output</source>
        <translation>--keep-tree necesita --output</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--track needs a number of at least 1, not &quot;%1&quot;</source>
        <translation>--track necesita un número mayor o igual que 1, no «%1»</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>No such file</source>
        <translation>El archivo no existe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Is a folder, not a video file</source>
        <translation>Es una carpeta, no un archivo de vídeo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file cannot be read</source>
        <translation>No se puede leer el archivo</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>it has no chapters, converted whole</source>
        <translation>no tiene capítulos; se convirtió entero</translation>
    </message>
    <message>
        <location filename="../main/commandline.cpp" line="+10"/>
        <source>Pulls the sound track out of video files.</source>
        <translation>Extrae la pista de audio de archivos de vídeo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Videos or folders of videos to queue.</source>
        <translation>Vídeos o carpetas de vídeos que añadir a la cola.</translation>
    </message>
    <message>
        <source>cannot read the list of files &quot;%1&quot;: %2</source>
        <translation>no se puede leer la lista de archivos &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>--set needs SECTION.KEY=VALUE, not &quot;%1&quot;</source>
        <translation>--set necesita SECCIÓN.CLAVE=VALOR, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>options other than --help, --version, --list-formats and --list-presets need --convert</source>
        <translation>las opciones distintas de --help, --version, --list-formats y --list-presets necesitan --convert</translation>
    </message>
    <message>
        <source>--null needs --files-from</source>
        <translation>--null necesita --files-from</translation>
    </message>
    <message>
        <source>--progress needs plain or json, not &quot;%1&quot;</source>
        <translation>--progress necesita plain o json, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown preset &quot;%1&quot;; the presets: %2</source>
        <translation>preajuste desconocido &quot;%1&quot;; los preajustes: %2</translation>
    </message>
    <message>
        <source>--watch converts what appears in its folder: no files, no --files-from</source>
        <translation>--watch convierte lo que aparece en su carpeta: sin archivos ni --files-from</translation>
    </message>
    <message>
        <source>--watch needs a folder, not &quot;%1&quot;</source>
        <translation>--watch necesita una carpeta, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Watching %1 (Ctrl+C ends)</source>
        <translation>Vigilando %1 (Ctrl+C termina)</translation>
    </message>
    <message>
        <source>cannot keep what was converted in %1: %2</source>
        <translation>no se puede anotar lo convertido en %1: %2</translation>
    </message>
    <message>
        <source>--start needs a time hh:mm:ss or -hh:mm:ss, not &quot;%1&quot;</source>
        <translation>--start necesita un tiempo hh:mm:ss o -hh:mm:ss, no «%1»</translation>
    </message>
    <message>
        <source>--end needs a time hh:mm:ss, -hh:mm:ss or max, not &quot;%1&quot;</source>
        <translation>--end necesita un tiempo hh:mm:ss, -hh:mm:ss o max, no «%1»</translation>
    </message>
    <message>
        <source>unknown tag field &quot;%1&quot;; the fields: %2</source>
        <translation>campo de etiqueta desconocido «%1»; los campos: %2</translation>
    </message>
    <message>
        <source>the tag field %1 needs a value</source>
        <translation>el campo de etiqueta %1 necesita un valor</translation>
    </message>
    <message>
        <source>the tag field %1 needs a number from 1 to %2, not &quot;%3&quot;</source>
        <translation>el campo de etiqueta %1 necesita un número de 1 a %2, no «%3»</translation>
    </message>
    <message>
        <source>--tags-from-name knows {title} {artist} {album} {year} {track} {genre} {comment}, not {%1}</source>
        <translation>--tags-from-name conoce {title} {artist} {album} {year} {track} {genre} {comment}, no {%1}</translation>
    </message>
    <message>
        <source>--tags-from-name needs a pattern with a field such as {title}, not &quot;%1&quot;</source>
        <translation>--tags-from-name necesita un patrón con un campo como {title}, no «%1»</translation>
    </message>
    <message>
        <source>--tag needs FIELD=VALUE, not &quot;%1&quot;</source>
        <translation>--tag necesita CAMPO=VALOR, no «%1»</translation>
    </message>
    <message>
        <source>--number gives the track numbers: no track field besides it</source>
        <translation>--number da los números de pista: ningún campo track además</translation>
    </message>
    <message>
        <source>--number numbers the files given, not those --watch finds</source>
        <translation>--number numera los archivos dados, no los que encuentra --watch</translation>
    </message>
    <message>
        <source>skipped by the --tags-from-name pattern, its tags kept</source>
        <translation>omitido por el patrón de --tags-from-name, etiquetas conservadas</translation>
    </message>
    <message>
        <source>the clip reaches before the source&apos;s start: it is %1 long</source>
        <translation>el fragmento empieza antes del inicio del origen: dura %1</translation>
    </message>
    <message>
        <source>the clip&apos;s end comes before its start in a source %1 long</source>
        <translation>el final del fragmento queda antes de su inicio en un origen de %1</translation>
    </message>
    <message>
        <source>the clip reaches past the source&apos;s end: it is %1 long</source>
        <translation>el fragmento pasa del final del origen: dura %1</translation>
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
        <translation>  --tag CAMPO=VALOR una etiqueta de cada salida, sobre la del origen (repetible);
                    CAMPO es title, artist, album, year, track, genre o comment
  --number          números de pista 1..N en el orden de las salidas, con N como
                    total donde el formato lo guarda (no WMA)
  --tags-from-name PATRÓN
                    etiquetas leídas del nombre de cada origen sin extensión:
                    «{track} - {title}», «{artist} - {title}»; un nombre que no
                    encaja en el patrón conserva sus etiquetas y su línea lo dice
  --cover ARCHIVO   la imagen ARCHIVO como portada de cada salida; un archivo que
                    no es una imagen hace fallar cada archivo con el motivo
</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <location filename="../clip/edittime.cpp" line="+17"/>
        <location filename="../core/core.cpp" line="+45"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un valor entero válido</translation>
    </message>
</context>
<context>
    <name>Cover</name>
    <message>
        <source>The cover %1 cannot be read: %2</source>
        <translation>No se puede leer la portada %1: %2</translation>
    </message>
    <message>
        <source>The cover %1 is not a picture</source>
        <translation>La portada %1 no es una imagen</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <location filename="../desktop/desktop.cpp" line="+58"/>
        <source>Select a directory to save output files</source>
        <translation>Seleccionar la carpeta donde guardar los archivos de salida</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Information</source>
        <translation>Información</translation>
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
        <translation>Extractor de audio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Convert the sound track of videos into MP3, WMA, WAV, OGG, FLAC, Opus or M4A files</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s Comment</extracomment>
        <translation>Convierte la pista de audio de vídeos en archivos MP3, WMA, WAV, OGG, FLAC, Opus o M4A</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>audio;video;convert;extract;mp3;ogg;wma;wav;flac;opus;m4a;sound track;</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s Keywords: search words, each ending in ;</extracomment>
        <translation>audio;vídeo;convertir;extraer;pista de audio;sonido;mp3;ogg;wma;wav;flac;opus;m4a;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pull the sound track out of videos into audio files</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s summary</extracomment>
        <translation>Saca la pista de audio de vídeos a archivos de audio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clipvox converts the sound track of video files into audio files. Queue your videos, preview each one, trim it to a start and end time, give it tags, pick one output folder and one format, and convert the whole queue while a progress dialog shows how far it has come.</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Clipvox convierte la pista de audio de archivos de vídeo en archivos de audio. Añada sus vídeos a la cola, previsualice cada uno, recórtelo entre un inicio y un final, póngale etiquetas, elija una carpeta de salida y un formato, y convierta toda la cola mientras un diálogo de progreso muestra cuánto ha avanzado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reads AVI, MPEG, WMV, ASF, MP4, MKV, WebM, MOV, FLV, MPEG transport streams, VOB, 3GP, OGV and DV</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Lee AVI, MPEG, WMV, ASF, MP4, MKV, WebM, MOV, FLV, flujos de transporte MPEG, VOB, 3GP, OGV y DV</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writes MP3, WMA, WAV, OGG, lossless FLAC, Opus or AAC in M4A, each with its encoder parameters</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Escribe MP3, WMA, WAV, OGG, FLAC sin pérdida, Opus o AAC en M4A, cada uno con sus parámetros de codificación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A clip editor with a preview and a sound strip that shows the start of speech and the pauses</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Un editor de clips con vista previa y una banda de sonido que muestra el comienzo del habla y las pausas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Optionally makes the loudness of the whole queue even (EBU R128)</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Iguala, si se desea, la sonoridad de toda la cola (EBU R128)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Converts several files at the same time, and never leaves a half-written file behind</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Convierte varios archivos a la vez y nunca deja un archivo a medio escribir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Converts without a window too: clipvox --convert, for scripts and servers</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>También convierte sin ventana: clipvox --convert, para scripts y servidores</translation>
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
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+115"/>
        <source>Same as source</source>
        <translation>Igual que el origen</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canales</translation>
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
        <translation>Bits por muestra</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+7"/>
        <source>Compression level</source>
        <translation>Nivel de compresión</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <location filename="../settings/settingsfile.cpp" line="+227"/>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>JobQueue</name>
    <message>
        <location filename="../main/jobqueue.cpp" line="+229"/>
        <source>No queued file is being edited.</source>
        <translation>No se está editando ningún archivo de la cola.</translation>
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
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+7"/>
        <source>Bitrate (kbps)</source>
        <translation>Tasa de bits (kbps)</translation>
    </message>
    <message>
        <location line="+58"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canales</translation>
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
        <translation>Estos nombres no son UTF-8 y no se añadieron (cámbielos de nombre o conviértalos con clipvox --convert):
</translation>
    </message>
    <message>
        <source>These are not regular files and were not added:
</source>
        <translation>Estos no son archivos normales y no se añadieron:
</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>No program to show the folder was found. The file is at:
</source>
        <translation>No se encontró ningún programa para mostrar la carpeta. El archivo está en:
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
        <translation>Cola</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="-141"/>
        <source>Source File</source>
        <translation>Archivo de origen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Time</source>
        <translation>Tiempo inicial</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Time</source>
        <translation>Tiempo final</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Convert To</source>
        <translation>Convertir a</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output File</source>
        <translation>Archivo de salida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <location filename="../main/main.ui" line="+53"/>
        <source>Quick Settings</source>
        <translation>Configuración rápida</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Output &amp;path</source>
        <translation>&amp;Ruta de salida</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Output path</source>
        <translation>Ruta de salida</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+3"/>
        <location line="+3"/>
        <source>Select output path</source>
        <translation>Seleccionar ruta de salida</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Output f&amp;ormat</source>
        <translation>&amp;Formato de salida</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output format</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location line="+115"/>
        <location line="+3"/>
        <source>Audio format settings</source>
        <translation>Configuración del formato de audio</translation>
    </message>
    <message>
        <location line="-82"/>
        <source>add files</source>
        <translation>añadir archivos</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location line="+121"/>
        <source>Add files</source>
        <translation>Añadir archivos</translation>
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
        <translation>quitar</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Remove selected item </source>
        <translation>Quitar el elemento seleccionado </translation>
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
        <translation>Editar la selección</translation>
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
        <translation>convertir</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Start converting files</source>
        <translation>Empezar a convertir los archivos</translation>
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
        <translation>configuración</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>help</source>
        <translation>ayuda</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Help contents, home page and support</source>
        <translation>Contenido de la ayuda, página web y asistencia técnica</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>about</source>
        <translation>acerca de</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location filename="../main/main.cpp" line="+351"/>
        <source>About Clipvox</source>
        <translation>Acerca de Clipvox</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../main/jobs.cpp" line="+366"/>
        <source>Move Up</source>
        <translation>Subir</translation>
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
        <translation>Bajar</translation>
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
        <translation>Quitar</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../main/jobs.cpp" line="+29"/>
        <source>Remove All</source>
        <translation>Quitar todo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Edit Selection...</source>
        <translation>Editar la selección...</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../main/main.cpp" line="+16"/>
        <location line="+4"/>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Help Content...</source>
        <translation>Contenido de la ayuda...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Homepage</source>
        <translation>Página web</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Technical Support</source>
        <translation>Asistencia técnica</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tip of the Day</source>
        <translation>Consejo del día</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="-68"/>
        <source>the source&apos;s default</source>
        <translation>la predeterminada del origen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1
Sound track: %2</source>
        <translation>%1
Pista de audio: %2</translation>
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
        <translation>Dividir en capítulos</translation>
    </message>
    <message>
        <location filename="../main/jobs.cpp" line="-352"/>
        <source>MPEG files</source>
        <translation>Archivos MPEG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WMV files</source>
        <translation>Archivos WMV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AVI files</source>
        <translation>Archivos AVI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ASF files</source>
        <translation>Archivos ASF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MP4 files</source>
        <translation>Archivos MP4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MKV files</source>
        <translation>Archivos MKV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WebM files</source>
        <translation>Archivos WebM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOV files</source>
        <translation>Archivos MOV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FLV files</source>
        <translation>Archivos FLV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MPEG transport streams</source>
        <translation>Flujos de transporte MPEG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>VOB files</source>
        <translation>Archivos VOB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3GP files</source>
        <translation>Archivos 3GP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OGV files</source>
        <translation>Archivos OGV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DV files</source>
        <translation>Archivos DV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DivX files</source>
        <translation>Archivos DivX</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Open Video Files</source>
        <translation>Abrir archivos de vídeo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All supported files</source>
        <translation>Todos los archivos compatibles</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message numerus="yes">
        <location line="+77"/>
        <source>%n file(s) already in the queue not added again</source>
        <translation>
            <numerusform>%n archivo ya en la cola, no se añadió de nuevo</numerusform>
            <numerusform>%n archivos ya en la cola, no se añadieron de nuevo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n file(s) without a video&apos;s name not added</source>
        <translation>
            <numerusform>%n archivo sin nombre de vídeo no añadido</numerusform>
            <numerusform>%n archivos sin nombre de vídeo no añadidos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+21"/>
        <source>These files do not exist and were not added:
</source>
        <translation>Estos archivos no existen y no se añadieron:
</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Already in the queue:
%1

Add again?</source>
        <translation>Ya en la cola:
%1

¿Añadir de nuevo?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add Files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <location line="+201"/>
        <source>Failed: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written: %1</source>
        <translation>Escrito: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skipped: %1</source>
        <translation>Omitido: %1</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="-16"/>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <location filename="../main/main.cpp" line="-215"/>
        <source>Copy reason</source>
        <translation>Copiar el motivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show in folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>The queue could not be saved: %1</source>
        <translation>No se pudo guardar la cola: %1</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Files...</source>
        <translation>Añadir archivos...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Folder...</source>
        <translation>Añadir carpeta...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Edit Clip...</source>
        <translation>Editar fragmento...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Settings...</source>
        <translation>Configuración...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Queue</source>
        <translation>&amp;Cola</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Show Progress</source>
        <translation>Mostrar progreso</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User Guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>A conversion is still running. Stop it and quit?</source>
        <translation>Todavía hay una conversión en curso. ¿Detenerla y salir?</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>Edit Clip</source>
        <translation>Editar fragmento</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>No program to open the user guide was found. The user guide is at:
</source>
        <translation>No se encontró ningún programa para abrir la guía del usuario. La guía del usuario está en:
</translation>
    </message>
    <message>
        <location filename="../main/run.cpp" line="+39"/>
        <location line="+2"/>
        <source>Show progress</source>
        <translation>Mostrar progreso</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Show progress (%1)</source>
        <translation>Mostrar progreso (%1)</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="+1"/>
        <source>Converting...</source>
        <translation>Convirtiendo...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skipped</source>
        <translation>Omitido</translation>
    </message>
    <message>
        <location filename="../main/runcontroller.cpp" line="+120"/>
        <source>Loudness %1 LUFS</source>
        <translation>Sonoridad %1 LUFS</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Task complete!</source>
        <translation>¡Tarea completada!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
%1 of %2 %3 could not be converted; %4 Status says why.</source>
        <translation>
Sin convertir: %1 de %2 %3; %4 columna Estado indica el motivo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>files</source>
        <translation>archivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its</source>
        <translation>su</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>their</source>
        <translation>su</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>The source is cut short: it ended at %1</source>
        <translation>La fuente está cortada: termina en %1</translation>
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
        <translation>No existe el perfil WMA %1</translation>
    </message>
    <message>
        <location filename="../media/tags.cpp" line="+314"/>
        <source>File not found: %1</source>
        <translation>Archivo no encontrado: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tags can be written to MP3, OGG, WMA, FLAC, Opus and M4A files only: %1</source>
        <translation>Solo se pueden escribir etiquetas en archivos MP3, OGG, WMA, FLAC, Opus y M4A: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot write the tags of %1</source>
        <translation>No se pueden escribir las etiquetas de %1</translation>
    </message>
    <message>
        <location filename="../media/audiowriters.cpp" line="+22"/>
        <location line="+121"/>
        <source>Cannot create %1 (%2)</source>
        <translation>No se puede crear %1 (%2)</translation>
    </message>
    <message>
        <location filename="../formats/mp3/mp3format.cpp" line="+21"/>
        <source>Unknown MP3 channel mode %1</source>
        <translation>Modo de canales MP3 desconocido: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MP3 encoder takes mono or stereo input only</source>
        <translation>El codificador MP3 solo admite entrada mono o estéreo</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The MP3 encoder refuses %1 Hz at %2 kbps</source>
        <translation>El codificador MP3 no admite %1 Hz a %2 kbps</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The input format cannot change after samples were written</source>
        <translation>El formato de entrada no puede cambiar después de escribir muestras</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The MP3 encoder failed</source>
        <translation>Falló el codificador MP3</translation>
    </message>
    <message>
        <location filename="../formats/ogg/oggformat.cpp" line="+46"/>
        <source>The OGG encoder refuses this format</source>
        <translation>El codificador OGG no admite este formato</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../formats/wav/wavformat.cpp" line="+47"/>
        <location filename="../media/audiowriters.cpp" line="-44"/>
        <source>Cannot take input of %1 Hz, %2 channels</source>
        <translation>No se admite una entrada de %1 Hz y %2 canales</translation>
    </message>
    <message>
        <location filename="../formats/wma/wmaformat.cpp" line="-92"/>
        <source>No WMA encoder</source>
        <translation>No hay codificador WMA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The WMA encoder refuses %1 kbps at %2 Hz</source>
        <translation>El codificador WMA no admite %1 kbps a %2 Hz</translation>
    </message>
    <message>
        <location filename="../formats/flac/flacformat.cpp" line="+252"/>
        <location filename="../media/audiowriters.cpp" line="+102"/>
        <source>Cannot write %1</source>
        <translation>No se puede escribir %1</translation>
    </message>
    <message>
        <location line="-175"/>
        <location line="+8"/>
        <location filename="../media/audiowriters.cpp" line="-47"/>
        <location line="+67"/>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <location filename="../formats/wma/wmaformat.cpp" line="+4"/>
        <source>The WMA encoder failed</source>
        <translation>Falló el codificador WMA</translation>
    </message>
    <message>
        <location filename="../formats/flac/flacformat.cpp" line="+17"/>
        <source>The FLAC encoder refuses %1 Hz, %2 channels, %3 bits</source>
        <translation>El codificador FLAC no admite %1 Hz, %2 canales, %3 bits</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+13"/>
        <location line="+79"/>
        <source>The FLAC encoder failed</source>
        <translation>Falló el codificador FLAC</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The FLAC encoder failed (%1)</source>
        <translation>Falló el codificador FLAC (%1)</translation>
    </message>
    <message>
        <location filename="../formats/opus/opusformat.cpp" line="+54"/>
        <source>The Opus encoder failed (%1)</source>
        <translation>Falló el codificador Opus (%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+43"/>
        <source>The Opus encoder failed</source>
        <translation>Falló el codificador Opus</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>The Opus encoder refuses %1 kbps</source>
        <translation>El codificador Opus no admite %1 kbps</translation>
    </message>
    <message>
        <location filename="../formats/m4a/m4aformat.cpp" line="+34"/>
        <source>No AAC encoder</source>
        <translation>No hay codificador AAC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The AAC encoder refuses %1 kbps at %2 Hz</source>
        <translation>El codificador AAC no admite %1 kbps a %2 Hz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The AAC encoder failed</source>
        <translation>Falló el codificador AAC</translation>
    </message>
    <message>
        <location filename="../formats/ogg/oggformat.cpp" line="+172"/>
        <source>The OGG minimum bit rate %1 kbps is above the maximum %2 kbps</source>
        <translation>La tasa de bits mínima de OGG (%1 kbps) supera la máxima (%2 kbps)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The OGG encoder refuses %1 Hz, %2 channels at these bit rates</source>
        <translation>El codificador OGG no admite %1 Hz y %2 canales con estas tasas de bits</translation>
    </message>
    <message>
        <location filename="../formats/flac/flacformat.cpp" line="+75"/>
        <source>FLAC takes 1 or 2 channels, 16 or 24 bits and compression 0 to 8, not %1 Hz, %2 channels, %3 bits, compression %4</source>
        <translation>FLAC admite 1 o 2 canales, 16 o 24 bits y compresión de 0 a 8, no %1 Hz, %2 canales, %3 bits, compresión %4</translation>
    </message>
    <message>
        <location filename="../formats/opus/opusformat.cpp" line="+86"/>
        <source>Opus takes 32 to 256 kbps and 1 or 2 channels, not %1 kbps, %2 channels</source>
        <translation>Opus admite de 32 a 256 kbps y 1 o 2 canales, no %1 kbps, %2 canales</translation>
    </message>
    <message>
        <location filename="../formats/m4a/m4aformat.cpp" line="+74"/>
        <source>M4A takes 44100 or 48000 Hz, 64 to 320 kbps and 1 or 2 channels, not %1 Hz, %2 kbps, %3 channels</source>
        <translation>M4A admite 44100 o 48000 Hz, de 64 a 320 kbps y 1 o 2 canales, no %1 Hz, %2 kbps, %3 canales</translation>
    </message>
    <message>
        <location filename="../media/avinput.cpp" line="+215"/>
        <source>Source file not found: %1</source>
        <translation>No se encontró el archivo de origen: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+27"/>
        <source>Cannot read the source file: %1</source>
        <translation>No se puede leer el archivo de origen: %1</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+8"/>
        <source>Not a media file (the file is empty): %1</source>
        <translation>No es un archivo multimedia (el archivo está vacío): %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Out of memory opening %1</source>
        <translation>Memoria insuficiente al abrir %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+18"/>
        <location filename="../media/sourceinfo.cpp" line="+236"/>
        <location line="+3"/>
        <location filename="../media/videoedit.cpp" line="+545"/>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+17"/>
        <source>Not a media file: %1</source>
        <translation>No es un archivo multimedia: %1</translation>
    </message>
    <message>
        <location filename="../media/medialength.cpp" line="+26"/>
        <location filename="../media/sourceinfo.cpp" line="+37"/>
        <location filename="../media/waveform.cpp" line="+113"/>
        <source>The length of %1 is unknown</source>
        <translation>Se desconoce la duración de %1</translation>
    </message>
    <message>
        <location filename="../media/previewplayer.cpp" line="+107"/>
        <source>The preview cannot draw with this display&apos;s OpenGL: %1</source>
        <translation>La vista previa no puede dibujar con el OpenGL de esta pantalla: %1</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>Playback of &apos;%1&apos; failed: %2</source>
        <translation>Falló la reproducción de «%1»: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file ended unexpectedly</source>
        <translation>el archivo terminó inesperadamente</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>loading stopped</source>
        <translation>se detuvo la carga</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+114"/>
        <source>Cannot open file &apos;%1&apos;: %2</source>
        <translation>No se puede abrir el archivo «%1»: %2</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Playback of &apos;%1&apos; stopped at %2 s of its %3 s: the rest of the file cannot be read</source>
        <translation>La reproducción de «%1» se detuvo en %2 s de %3 s: no se puede leer el resto del archivo</translation>
    </message>
    <message>
        <location filename="../media/sourceinfo.cpp" line="-268"/>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <location filename="../media/outputfile.cpp" line="+87"/>
        <source>Cannot write the output file %1 (%2)</source>
        <translation>No se puede escribir el archivo de salida %1 (%2)</translation>
    </message>
    <message>
        <location filename="../media/videoedit.cpp" line="-424"/>
        <location filename="../media/waveform.cpp" line="-19"/>
        <source>No decoder for the sound of %1</source>
        <translation>No hay decodificador para el audio de %1</translation>
    </message>
    <message>
        <location filename="../media/sourceinfo.cpp" line="+280"/>
        <location filename="../media/videoedit.cpp" line="+2"/>
        <location line="+538"/>
        <source>Stream %1 of %2 is no sound track</source>
        <translation>El flujo %1 de %2 no es una pista de audio</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../media/videoedit.cpp" line="-537"/>
        <location line="+538"/>
        <location filename="../media/waveform.cpp" line="-2"/>
        <source>No audio stream in %1</source>
        <translation>No hay ningún flujo de audio en %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../media/videoedit.cpp" line="-531"/>
        <location line="+3"/>
        <location line="+533"/>
        <location filename="../media/waveform.cpp" line="+9"/>
        <location line="+3"/>
        <source>Cannot decode the sound of %1</source>
        <translation>No se puede decodificar el audio de %1</translation>
    </message>
    <message>
        <location filename="../media/videoedit.cpp" line="-521"/>
        <location line="+101"/>
        <source>No sound could be decoded from %1</source>
        <translation>No se pudo decodificar audio de %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The clip holds no sound</source>
        <translation>El fragmento no contiene audio</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The source ended at %1 of %2</source>
        <translation>El origen terminó en %1 de %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Input ended early: %1 holds %2 s of the %3 s asked for</source>
        <translation>La entrada terminó antes de tiempo: %1 contiene %2 s de los %3 s pedidos</translation>
    </message>
    <message>
        <location line="+131"/>
        <location line="+41"/>
        <location line="+14"/>
        <source>Cannot convert the sound of %1</source>
        <translation>No se puede convertir el audio de %1</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>Cannot convert the sound to %1 Hz, %2 channels</source>
        <translation>No se puede convertir el audio a %1 Hz y %2 canales</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The sound could not be extracted from the video</source>
        <translation>No se pudo extraer el audio del vídeo</translation>
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
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canales</translation>
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
        <translation>Estéreo conjunto forzado</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dual Channels</source>
        <translation>Canal dual</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+7"/>
        <source>Bitrate (kbps)</source>
        <translation>Tasa de bits (kbps)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Enable VBR</source>
        <translation>Activar VBR</translation>
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
        <translation>Tasa de bits máx. (kbps)</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+7"/>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
</context>
<context>
    <name>Notify</name>
    <message>
        <location filename="../desktop/notify.cpp" line="+12"/>
        <source>%1 %2 converted, %3 failed</source>
        <translation>%1 %2, %3 con errores</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>file</source>
        <translation>archivo convertido</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>files</source>
        <translation>archivos convertidos</translation>
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
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canales</translation>
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
        <translation>Tasa de bits normal (kbps)</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>VBR Enabled</source>
        <translation>VBR activado</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quality Enabled</source>
        <translation>Calidad activada</translation>
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
        <translation>Tasa de bits mín.</translation>
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
        <translation>Tasa de bits máx.</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Quality(Compression)</source>
        <translation>Calidad (compresión)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+7"/>
        <source>Quality</source>
        <translation>Calidad</translation>
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
        <translation>Tasa de bits (kbps)</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Enable VBR</source>
        <translation>Activar VBR</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canales</translation>
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
        <translation>Frecuencia (Hz)</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <location filename="../progress/execute.ui" line="+6"/>
        <source>Converting</source>
        <translation>Conversión</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+5"/>
        <source>File progress</source>
        <translation>Progreso del archivo</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+5"/>
        <source>Total progress</source>
        <translation>Progreso total</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Time elapsed:</source>
        <translation>Tiempo transcurrido:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Time elapsed</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Time left:</source>
        <translation>Tiempo restante:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Time left</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../progress/execute.cpp" line="+85"/>
        <source>File progress %1</source>
        <translation>Progreso del archivo %1</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Convert %1 to %2...</source>
        <translation>Convirtiendo %1 en %2...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Convert file %1 of total %2 file(s)</source>
        <translation>Convirtiendo el archivo %1 de un total de %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Measuring loudness...</source>
        <translation>Midiendo la sonoridad...</translation>
    </message>
</context>
<context>
    <name>QueueStore</name>
    <message>
        <source>The clip&apos;s times in the saved queue were not times</source>
        <translation>Los tiempos del fragmento en la cola guardada no eran tiempos</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>mayor de %1 MB</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <location filename="../main/queuestore.cpp" line="+137"/>
        <source>The start time &quot;%1&quot; is not a time (hh:mm:ss)</source>
        <translation>El tiempo inicial «%1» no es un tiempo válido (hh:mm:ss)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Unable to create the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>not a Clipvox queue</source>
        <translation>no es una cola de Clipvox</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a job without its source or output</source>
        <translation>una tarea sin origen o salida</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>the source no longer exists</source>
        <translation>el archivo de origen ya no existe</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The saved queue could not be read (%1). %2 The queue starts empty.</source>
        <translation>No se pudo leer la cola guardada (%1). %2 La cola empieza vacía.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It was kept as %1.</source>
        <translation>Se guardó como %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <source>It was left at %1 and will not be saved over.</source>
        <translation>Se dejó en %1 y no se sobrescribirá.</translation>
    </message>
</context>
<context>
    <name>RunActivity</name>
    <message>
        <location filename="../desktop/runactivity.cpp" line="+18"/>
        <source>Converting</source>
        <translation>Conversión</translation>
    </message>
</context>
<context>
    <name>RunEngine</name>
    <message numerus="yes">
        <source>%n damaged samples far beyond full scale were clipped</source>
        <translation>
            <numerusform>%n muestra dañada muy por encima de la escala completa se recortó</numerusform>
            <numerusform>%n muestras dañadas muy por encima de la escala completa se recortaron</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/encodestep.cpp" line="+72"/>
        <source>The encoder does not accept the output settings</source>
        <translation>El codificador no acepta la configuración de salida</translation>
    </message>
    <message>
        <location filename="../formats/mp3/mp3format.cpp" line="+77"/>
        <source>Encoded at %1 kbps: MP3 at %2 Hz cannot carry %3 kbps</source>
        <translation>Codificado a %1 kbps: MP3 a %2 Hz no admite %3 kbps</translation>
    </message>
    <message>
        <location filename="../formats/ogg/oggformat.cpp" line="-31"/>
        <source>Incorrect format: the OGG encoder does not accept %1 Hz, %2 channel(s), %3 kbps (minimum %4, maximum %5)</source>
        <translation>Formato incorrecto: el codificador OGG no acepta %1 Hz, %2 canal(es), %3 kbps (mínimo %4, máximo %5)</translation>
    </message>
    <message>
        <location filename="../formats/wav/wavformat.cpp" line="+79"/>
        <source>WAV takes 8, 16 or 24 bits, not %1 Hz, %2 channels, %3 bits</source>
        <translation>WAV admite 8, 16 o 24 bits, no %1 Hz, %2 canales, %3 bits</translation>
    </message>
    <message>
        <location filename="../engine/encodestep.cpp" line="-5"/>
        <source>The output format is not one Clipvox knows</source>
        <translation>Clipvox no conoce el formato de salida</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>The output could not be read back: %1</source>
        <translation>No se pudo volver a leer el archivo de salida: %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No sound track %1: the source has no sound</source>
        <translation>No existe la pista de audio %1: el origen no tiene audio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No sound track %1: the source has %2</source>
        <translation>No existe la pista de audio %1: el origen tiene %2</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>The clip starts at %1 s, after the end of the source (%2 s)</source>
        <translation>El fragmento empieza en %1 s, después del final del origen (%2 s)</translation>
    </message>
    <message>
        <location line="+379"/>
        <source>The clip holds no sound</source>
        <translation>El fragmento no contiene audio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot write %1</source>
        <translation>No se puede escribir %1</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>True peak %1 dBTP, over -1 dBTP</source>
        <translation>Pico real %1 dBTP, por encima de -1 dBTP</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>The tags could not be written: %1</source>
        <translation>No se pudieron escribir las etiquetas: %1</translation>
    </message>
    <message>
        <location filename="../engine/runengine.cpp" line="+93"/>
        <source>Cannot create a file in %1: %2</source>
        <translation>No se puede crear un archivo en %1: %2</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>%1 is a source of this run and was kept</source>
        <translation>%1 es un origen de esta conversión y se conservó</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+3"/>
        <source>%1 exists and was kept</source>
        <translation>%1 ya existe y se conservó</translation>
    </message>
    <message>
        <location line="+186"/>
        <source>The album&apos;s ReplayGain could not be written: %1</source>
        <translation>No se pudo escribir el ReplayGain del álbum: %1</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Cannot measure the length of the source: %1</source>
        <translation>No se puede medir la duración del origen: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown reason</source>
        <translation>motivo desconocido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The clip&apos;s start (%1) is past the end of the source (%2 s)</source>
        <translation>El inicio del fragmento (%1) está después del final del origen (%2 s)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The clip&apos;s end (%1) is not after its start (%2)</source>
        <translation>El final del fragmento (%1) no es posterior a su inicio (%2)</translation>
    </message>
    <message>
        <location line="-75"/>
        <source>Incorrect format</source>
        <translation>Formato incorrecto</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 appeared during the run and was kept</source>
        <translation>%1 apareció durante la conversión y se conservó</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>The file name knows {name} {title} {artist} {album} {year} {track} {n} and {chapter}, not %1.</source>
        <translation>El nombre de archivo admite {name} {title} {artist} {album} {year} {track} {n} y {chapter}, no %1.</translation>
    </message>
    <message>
        <location filename="../settings/setting.ui" line="+14"/>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+9"/>
        <source>Output Directory</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+9"/>
        <source>Output Format</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Convert up to</source>
        <translation>Convertir hasta</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Files converted at the same time</source>
        <translation>Archivos convertidos a la vez</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>files at the same time</source>
        <translation>archivos a la vez</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Make loudness even:</source>
        <translation>Igualar sonoridad:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Make loudness even</source>
        <translation>Igualar sonoridad</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Off</source>
        <translation>Desactivado</translation>
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
        <translation>Etiquetas ReplayGain</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Peaks over -1 dBTP:</source>
        <translation>Picos por encima de -1 dBTP:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Peaks over -1 dBTP</source>
        <translation>Picos por encima de -1 dBTP</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Limit the peaks: every clip reaches the loudness chosen. Lower the whole clip: nothing is limited, and clips with high peaks stay quieter.</source>
        <translation>Limitar los picos: cada fragmento alcanza la sonoridad elegida. Bajar todo el fragmento: no se limita nada, y los fragmentos con picos altos suenan más bajo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lower the whole clip</source>
        <translation>Bajar todo el fragmento</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Limit the peaks</source>
        <translation>Limitar los picos</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Save to:</source>
        <translation>Guardar en:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save to</source>
        <translation>Guardar en</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The output folder</source>
        <translation>La carpeta de salida</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Beside each source</source>
        <translation>Junto a cada origen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The output folder, keeping the sources&apos; folders</source>
        <translation>La carpeta de salida, conservando las carpetas de los orígenes</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>File name:</source>
        <translation>Nombre de archivo:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{name} {title} {artist} {album} {year} {track} {n}; one with nothing to give is {name}</source>
        <translation>{name} {title} {artist} {album} {year} {track} {n}; un campo vacío se sustituye por {name}</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>If the output file exists:</source>
        <translation>Si el archivo de salida existe:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>If the output file exists</source>
        <translation>Si el archivo de salida existe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Replace it</source>
        <translation>Reemplazarlo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keep both (add a number)</source>
        <translation>Conservar ambos (añadir un número)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Skip the file</source>
        <translation>Omitir el archivo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Copy tags and cover from the source</source>
        <translation>Copiar las etiquetas y la portada del origen</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Sin audio</translation>
    </message>
</context>
<context>
    <name>TimeEntryDialog</name>
    <message>
        <location filename="../clip/edittime.ui" line="+14"/>
        <location line="+18"/>
        <source>Edit Time</source>
        <translation>Editar tiempo</translation>
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
        <translation>&amp;Inicio en</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Start hours</source>
        <translation>Horas del inicio</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Start minutes</source>
        <translation>Minutos del inicio</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Start seconds</source>
        <translation>Segundos del inicio</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>S&amp;top at</source>
        <translation>&amp;Fin en</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Stop hours</source>
        <translation>Horas del fin</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Stop minutes</source>
        <translation>Minutos del fin</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Stop seconds</source>
        <translation>Segundos del fin</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../clip/edittime.cpp" line="+69"/>
        <source>Start time should not be negative.</source>
        <translation>El tiempo inicial no puede ser negativo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start time should be less than total duration.</source>
        <translation>El tiempo inicial debe ser menor que la duración total.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stop time should not be negative.</source>
        <translation>El tiempo final no puede ser negativo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop time should be less than total duration.</source>
        <translation>El tiempo final debe ser menor que la duración total.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start time should not be later than stop time.</source>
        <translation>El tiempo inicial no puede ser posterior al tiempo final.</translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <location filename="../extras/tip.ui" line="+14"/>
        <source>Tip of the Day</source>
        <translation>Consejo del día</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Light bulb</source>
        <translation>Bombilla</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Did you know...</source>
        <translation>¿Sabía que...?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tip</source>
        <translation>Consejo</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Show Tips on Startup</source>
        <translation>Mostrar consejos al iniciar</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Next Tip</source>
        <translation>Siguiente consejo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../extras/tip.cpp" line="+83"/>
        <source>No tips available.</source>
        <translation>No hay consejos disponibles.</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <location filename="../clip/updown.cpp" line="+18"/>
        <source>One more</source>
        <translation>Uno más</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>One less</source>
        <translation>Uno menos</translation>
    </message>
</context>
<context>
    <name>WavPage</name>
    <message>
        <source>Same as source</source>
        <translation>Igual que la fuente</translation>
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
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canales</translation>
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
        <translation>Bits por muestra</translation>
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
        <translation>uno de %1</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un número entero</translation>
    </message>
    <message>
        <source>unknown setting &quot;%1.%2&quot;; the settings: %3</source>
        <translation>ajuste desconocido &quot;%1.%2&quot;; los ajustes: %3</translation>
    </message>
    <message>
        <source>%1.%2 takes %3, not &quot;%4&quot;</source>
        <translation>%1.%2 admite %3, no &quot;%4&quot;</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Speech and podcasts: MP3 mono 64 kbps, loudness even at -16 LUFS</source>
        <translation>Voz y podcasts: MP3 mono 64 kbps, sonoridad igualada a -16 LUFS</translation>
    </message>
    <message>
        <source>Music: OGG Vorbis quality 6, ReplayGain album tags, sound unchanged</source>
        <translation>Música: OGG Vorbis calidad 6, etiquetas ReplayGain de álbum, sonido sin cambios</translation>
    </message>
    <message>
        <source>Archive: FLAC at the source&apos;s rate and sample size, sound unchanged</source>
        <translation>Archivo: FLAC con la frecuencia y el tamaño de muestra de la fuente, sonido sin cambios</translation>
    </message>
    <message>
        <source>Phone: AAC in M4A 128 kbps, loudness even at -16 LUFS</source>
        <translation>Teléfono: AAC en M4A 128 kbps, sonoridad igualada a -16 LUFS</translation>
    </message>
    <message>
        <source>Editing: WAV 48 kHz 24-bit stereo, sound unchanged</source>
        <translation>Edición: WAV 48 kHz 24 bits estéreo, sonido sin cambios</translation>
    </message>
    <message>
        <source>Preset file %1 skipped: %2</source>
        <translation>Archivo de preajuste %1 omitido: %2</translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation>Un preajuste necesita un nombre.</translation>
    </message>
    <message>
        <source>A preset&apos;s name has at most %1 characters.</source>
        <translation>El nombre de un preajuste tiene como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot start with a dot or a space, nor hold &quot;/&quot; or control characters.</source>
        <translation>El nombre de un preajuste no puede empezar por un punto o un espacio ni contener &quot;/&quot; o caracteres de control.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>line %1 is no section, key or comment</source>
        <translation>la línea %1 no es una sección, una clave ni un comentario</translation>
    </message>
    <message>
        <source>it sets nothing</source>
        <translation>no ajusta nada</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>Ya existe un preajuste llamado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is read-only.</source>
        <translation>El preajuste &quot;%1&quot; es de solo lectura.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be renamed: %2</source>
        <translation>No se pudo renombrar el preajuste &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>No se pudo eliminar el preajuste &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>PresetBar</name>
    <message>
        <source>Pre&amp;set</source>
        <translation>Prea&amp;juste</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preajuste</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Preajustes</translation>
    </message>
    <message>
        <source>Save, rename or delete presets</source>
        <translation>Guardar, renombrar o eliminar preajustes</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renombrar...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>%1 (modified)</source>
        <translation>%1 (modificado)</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Guardar preajuste</translation>
    </message>
    <message>
        <source>Name of the new preset:</source>
        <translation>Nombre del nuevo preajuste:</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is read-only: choose another name.</source>
        <translation>El preajuste &quot;%1&quot; es de solo lectura: elija otro nombre.</translation>
    </message>
    <message>
        <source>Replace the preset &quot;%1&quot;?</source>
        <translation>¿Reemplazar el preajuste &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Rename preset</source>
        <translation>Renombrar preajuste</translation>
    </message>
    <message>
        <source>New name of the preset:</source>
        <translation>Nuevo nombre del preajuste:</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>Ya existe un preajuste llamado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>Eliminar preajuste</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>¿Eliminar el preajuste &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>WhenDone</name>
    <message>
        <source>When &amp;done</source>
        <translation>Al &amp;terminar</translation>
    </message>
    <message>
        <source>When done</source>
        <translation>Al terminar</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>No hacer nada</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>Abrir la carpeta de salida</translation>
    </message>
    <message>
        <source>Quit Clipvox</source>
        <translation>Salir de Clipvox</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <source>Power off</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>What follows a run that was not cancelled</source>
        <translation>Lo que sigue a una conversión que no se canceló</translation>
    </message>
</context>
<context>
    <name>WhenDoneNotice</name>
    <message>
        <source>Power off now</source>
        <translation>Apagar ahora</translation>
    </message>
    <message>
        <source>Suspend now</source>
        <translation>Suspender ahora</translation>
    </message>
    <message numerus="yes">
        <source>The conversion is done. The computer powers off in %n seconds.</source>
        <translation>
            <numerusform>La conversión ha terminado. El equipo se apagará en %n segundo.</numerusform>
            <numerusform>La conversión ha terminado. El equipo se apagará en %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The conversion is done. The computer suspends in %n seconds.</source>
        <translation>
            <numerusform>La conversión ha terminado. El equipo se suspenderá en %n segundo.</numerusform>
            <numerusform>La conversión ha terminado. El equipo se suspenderá en %n segundos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SystemPower</name>
    <message>
        <source>The system did not do it: %1</source>
        <translation>El sistema no lo hizo: %1</translation>
    </message>
</context>
</TS>
