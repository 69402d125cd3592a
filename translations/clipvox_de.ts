<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../extras/about.ui" line="+14"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Clipvox logo</source>
        <translation>Clipvox-Logo</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Clipvox</source>
        <translation>Clipvox</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+10"/>
        <source>HomePage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the home page in the web browser</source>
        <translation>Öffnet die Homepage im Webbrowser</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+10"/>
        <location line="+6"/>
        <source>Technology Support</source>
        <translation>Technischer Support</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Writes an e-mail to the support</source>
        <translation>Schreibt eine E-Mail an den Support</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>© The Clipvox developers</source>
        <translation>© Die Clipvox-Entwickler</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../extras/about.cpp" line="+59"/>
        <source>Free software under the GNU GPL, version 3 or later</source>
        <translation>Freie Software unter der GNU GPL, Version 3 oder höher</translation>
    </message>
</context>
<context>
    <name>ClipEditor</name>
    <message>
        <source>Playback</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <location filename="../clip/edit.ui" line="+14"/>
        <source>Edit Clip Time</source>
        <translation>Ausschnitt bearbeiten</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+21"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play (Space)</source>
        <translation>Abspielen (Leertaste)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pause (Space)</source>
        <translation>Pause (Leertaste)</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+3"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Sound of the source</source>
        <translation>Ton der Quelle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click to play from here. Left, Right: one second back or forward (with Shift, ten seconds). Home, End: to the start mark, to the end mark</source>
        <translation>Klicken, um ab hier abzuspielen. Links, Rechts: eine Sekunde zurück oder vor (mit Umschalt zehn Sekunden). Pos1, Ende: zur Startmarke, zur Endmarke</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>End time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Set start time</source>
        <translation>Startzeit setzen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set start time (I)</source>
        <translation>Startzeit setzen (I)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Set end time</source>
        <translation>Endzeit setzen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set end time (O)</source>
        <translation>Endzeit setzen (O)</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+3"/>
        <source>Edit start time and end time</source>
        <translation>Start- und Endzeit bearbeiten</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+3"/>
        <source>Reset time</source>
        <translation>Zeit zurücksetzen</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Tag Information</source>
        <translation>Tag-Informationen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Enable Tag</source>
        <translation>Tags &amp;aktivieren</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Artist:</source>
        <translation>&amp;Interpret:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Al&amp;bum:</source>
        <translation>Al&amp;bum:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>&amp;Comment:</source>
        <translation>&amp;Kommentar:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Comment</source>
        <translation>Kommentar</translation>
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
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>T&amp;rack:</source>
        <translation>Titel&amp;nr.:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Track</source>
        <translation>Titelnummer</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>&amp;Genre:</source>
        <translation>&amp;Genre:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;Sound track:</source>
        <translation>T&amp;onspur:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sound track</source>
        <translation>Tonspur</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../clip/edit.cpp" line="+107"/>
        <source>(none)</source>
        <translation>(keines)</translation>
    </message>
    <message>
        <location line="+571"/>
        <location line="+10"/>
        <source>Please input correct time format!</source>
        <translation>Bitte geben Sie die Zeit im richtigen Format ein!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Start Time should be smaller than End Time!</source>
        <translation>Die Startzeit muss vor der Endzeit liegen!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Invalid Year Value</source>
        <translation>Ungültiges Jahr</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Invalid Track Value</source>
        <translation>Ungültige Titelnummer</translation>
    </message>
</context>
<context>
    <name>ClipvoxApplication</name>
    <message>
        <location filename="../desktop/application.cpp" line="+29"/>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>its name is not UTF-8: the output&apos;s name has %XX for each byte that is not</source>
        <translation>sein Name ist nicht UTF-8: Der Name der Ausgabe hat %XX für jedes Byte, das es nicht ist</translation>
    </message>
    <message>
        <source>--name knows {name} {title} {artist} {album} {year} {track} {n} {chapter}, not %1</source>
        <translation>--name kennt {name} {title} {artist} {album} {year} {track} {n} {chapter}, nicht %1</translation>
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
        <translation>Aufruf: clipvox --convert [Optionen] [--] FILE...
        clipvox [FILE...]           (öffnet das Fenster, Dateien eingereiht)

Konvertiert die Tonspur jeder Videodatei FILE in eine Audiodatei, ohne Fenster.

Optionen:
  --format FORMAT   Zielformat: %1 (Standard: das aus setup.ini)
  --output DIR      Ordner für die Zieldateien (Standard: Ordner jeder Quelle)
  --start hh:mm:ss  Beginn des Ausschnitts jeder Datei (Standard 00:00:00);
                    -hh:mm:ss zählt vom Ende jeder Quelle zurück
  --end hh:mm:ss    Ende des Ausschnitts jeder Datei oder max (Standard max);
                    -hh:mm:ss zählt vom Ende jeder Quelle zurück: mit
                    „--start 00:00:12 --end -00:00:08“ fallen 12 s am Anfang
                    und 8 s am Ende weg; ein Ausschnitt, der nicht in eine
                    Quelle passt, lässt diese Datei scheitern
  --track N         die zu konvertierende Tonspur, gezählt ab 1 (Standard: die
                    Standardspur der Quelle); eine Datei ohne sie schlägt fehl
  --split-chapters  eine Zieldatei pro Kapitel, &quot;video - 01 Title.mp3&quot;, mit
                    Titel und Nummer des Kapitels als Tags
  --jobs N          gleichzeitig konvertierte Dateien (Standard: setup.ini)
  --overwrite       vorhandene Dateien mit dem Zielnamen ersetzen; ohne diese
                    Option bleibt eine vorhandene Datei erhalten und die
                    Zieldatei erhält den nächsten freien Namen, &quot;clip (2).mp3&quot;;
                    eine Quelle wird nie ersetzt
  --skip-existing   eine Datei, deren Zieldatei existiert, nicht konvertieren
  --name PATTERN    Zieldateiname aus {name} {title} {artist} {album} {year}
                    {track} {n}; ein leerer Platzhalter ergibt {name}
                    (Standard {name})
  --keep-tree ROOT  mit --output: die Ordner der Quellen unterhalb von ROOT
                    werden im Zielordner beibehalten
  --no-tags         Tags und Cover der Quelle nicht übernehmen
%2  --loudness LUFS   die Lautstärke jeder Datei auf LUFS angleichen (-70 bis -5)
                    oder off (Standard: setup.ini)
  --peaks MODE      wo die Verstärkung für die Lautstärke den True-Peak-Pegel
                    über -1 dBTP brächte: limit (ein Limiter fängt die Spitzen
                    ab, die Lautstärke wird erreicht) oder lower (die ganze
                    Datei bleibt leiser) (Standard: setup.ini, sonst limit)
  --replaygain MODE ohne --loudness: den Klang lassen, wie er ist, und
                    ReplayGain-Tags schreiben (-18 LUFS): track (Verstärkung
                    und Spitze jeder Datei), album (dazu Verstärkung und Spitze
                    der Dateien des Laufs im selben Ordner, geschrieben, wenn
                    die letzte fertig ist) oder off; mit --loudness gibt album
                    diesen Dateien eine gemeinsame Verstärkung, sodass ihre
                    Lautstärke zueinander bleibt (Standard: setup.ini, sonst off)
  --preset NAME     die Einstellungen einer Vorlage über denen der setup.ini (vor --set
                    und den Optionen oben)
  --list-presets    die Vorlagen auflisten: Name, Tabulator, Beschreibung
  --set ABSCHNITT.SCHLÜSSEL=WERT
                    eine Einstellung der setup.ini für diesen Lauf (wiederholbar),
                    geprüft wie in der setup.ini: --set mp3.bitrate=192 --set mp3.channels=1
  --files-from DATEI
                    auch die in DATEI genannten Dateien umwandeln, eine pro Zeile (-
                    liest die Standardeingabe)
  --null, -0        die Namen von --files-from enden mit einem NUL-Byte, wie find
                    -print0 sie schreibt
  --list-formats    die Ausgabeformate auflisten: Endung, Tabulator, Name
  --progress FORM   plain (die Zeilen unten) oder json: ein JSON-Objekt pro Zeile auf
                    der Standardausgabe, {&quot;event&quot;:&quot;start&quot;|&quot;progress&quot;|&quot;end&quot;,
                    &quot;job&quot;:N,...} (siehe Handbuchseite)
  --watch ORDNER    jedes Video umwandeln, das in ORDNER erscheint (mit --keep-tree auch
                    in den Ordnern darunter), sobald es nicht mehr wächst, jede Datei
                    einmal, auch über Neustarts hinweg; läuft bis SIGINT oder SIGTERM
  --help            diesen Text anzeigen
  --version         die Version anzeigen

Encoder-Parameter und Lautstärke kommen aus setup.ini, wie im Fenster.
Eine Zeile pro Datei auf der Standardausgabe, in Reihenfolge der Warteschlange:
  ok SOURCE -&gt; OUTPUT (LENGTH)   oder   failed SOURCE: REASON
  mit Lautstärkeziel: ok SOURCE -&gt; OUTPUT (LENGTH, -16.0 LUFS), die erreichte
  Lautstärke (-inf LUFS für eine Datei unter der Schwelle von -70 LUFS)
  oder   skipped SOURCE: KEPT FILE; Namen mit Steuerzeichen als $&apos;a
b&apos;
Exit-Status: 0 alle konvertiert, 1 einige fehlgeschlagen, 2 Aufruffehler,
             130 abgebrochen.
</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Try &apos;clipvox --convert --help&apos;.</source>
        <translation>„clipvox --convert --help“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+99"/>
        <location line="+36"/>
        <location line="+277"/>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <location line="-293"/>
        <source>length unknown</source>
        <translation>Länge unbekannt</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>file %1 of %2, %3%, time left %4</source>
        <translation>Datei %1 von %2, %3 %, verbleibend %4</translation>
    </message>
    <message>
        <location line="+182"/>
        <source>License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Lizenz GPL-3.0-or-later: GNU GPL Version 3 oder höher &lt;https://gnu.org/licenses/gpl.html&gt;.
Dies ist freie Software: Sie können sie ändern und weitergeben.
Es gibt keinerlei Garantien, soweit wie es das Gesetz erlaubt.
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>options other than --help and --version need --convert</source>
        <translation>Optionen außer --help und --version erfordern --convert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no files to convert</source>
        <translation>keine Dateien zum Konvertieren</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>unknown format &quot;%1&quot;</source>
        <translation>unbekanntes Format „%1“</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--overwrite and --skip-existing exclude each other</source>
        <translation>--overwrite und --skip-existing schließen sich gegenseitig aus</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>--loudness needs a whole number from -70 to -5 or off, not &quot;%1&quot;</source>
        <translation>--loudness erwartet eine ganze Zahl von -70 bis -5 oder off, nicht „%1“</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--peaks needs limit or lower, not &quot;%1&quot;</source>
        <translation>--peaks erwartet limit oder lower, nicht „%1“</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--replaygain needs track, album or off, not &quot;%1&quot;</source>
        <translation>--replaygain braucht track, album oder off, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--jobs needs a number of at least 1, not &quot;%1&quot;</source>
        <translation>--jobs erwartet eine Zahl ab 1, nicht „%1“</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--keep-tree needs --output</source>
        <translation>--keep-tree erfordert --output</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--track needs a number of at least 1, not &quot;%1&quot;</source>
        <translation>--track erwartet eine Zahl ab 1, nicht „%1“</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>No such file</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Is a folder, not a video file</source>
        <translation>Ist ein Ordner, keine Videodatei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file cannot be read</source>
        <translation>Die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>it has no chapters, converted whole</source>
        <translation>keine Kapitel, vollständig konvertiert</translation>
    </message>
    <message>
        <location filename="../main/commandline.cpp" line="+10"/>
        <source>Pulls the sound track out of video files.</source>
        <translation>Extrahiert die Tonspur aus Videodateien.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Videos or folders of videos to queue.</source>
        <translation>Videos oder Ordner mit Videos für die Warteschlange.</translation>
    </message>
    <message>
        <source>cannot read the list of files &quot;%1&quot;: %2</source>
        <translation>die Dateiliste „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>--set needs SECTION.KEY=VALUE, not &quot;%1&quot;</source>
        <translation>--set braucht ABSCHNITT.SCHLÜSSEL=WERT, nicht „%1“</translation>
    </message>
    <message>
        <source>options other than --help, --version, --list-formats and --list-presets need --convert</source>
        <translation>Optionen außer --help, --version, --list-formats und --list-presets brauchen --convert</translation>
    </message>
    <message>
        <source>--null needs --files-from</source>
        <translation>--null braucht --files-from</translation>
    </message>
    <message>
        <source>--progress needs plain or json, not &quot;%1&quot;</source>
        <translation>--progress braucht plain oder json, nicht „%1“</translation>
    </message>
    <message>
        <source>unknown preset &quot;%1&quot;; the presets: %2</source>
        <translation>unbekannte Vorlage „%1“; die Vorlagen: %2</translation>
    </message>
    <message>
        <source>--watch converts what appears in its folder: no files, no --files-from</source>
        <translation>--watch wandelt um, was in seinem Ordner erscheint: keine Dateien, kein --files-from</translation>
    </message>
    <message>
        <source>--watch needs a folder, not &quot;%1&quot;</source>
        <translation>--watch braucht einen Ordner, nicht „%1“</translation>
    </message>
    <message>
        <source>Watching %1 (Ctrl+C ends)</source>
        <translation>Beobachte %1 (Strg+C beendet)</translation>
    </message>
    <message>
        <source>cannot keep what was converted in %1: %2</source>
        <translation>was umgewandelt wurde, kann nicht in %1 vermerkt werden: %2</translation>
    </message>
    <message>
        <source>--start needs a time hh:mm:ss or -hh:mm:ss, not &quot;%1&quot;</source>
        <translation>--start erwartet eine Zeit hh:mm:ss oder -hh:mm:ss, nicht „%1“</translation>
    </message>
    <message>
        <source>--end needs a time hh:mm:ss, -hh:mm:ss or max, not &quot;%1&quot;</source>
        <translation>--end erwartet eine Zeit hh:mm:ss, -hh:mm:ss oder max, nicht „%1“</translation>
    </message>
    <message>
        <source>unknown tag field &quot;%1&quot;; the fields: %2</source>
        <translation>unbekanntes Tag-Feld „%1“; die Felder: %2</translation>
    </message>
    <message>
        <source>the tag field %1 needs a value</source>
        <translation>das Tag-Feld %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>the tag field %1 needs a number from 1 to %2, not &quot;%3&quot;</source>
        <translation>das Tag-Feld %1 erwartet eine Zahl von 1 bis %2, nicht „%3“</translation>
    </message>
    <message>
        <source>--tags-from-name knows {title} {artist} {album} {year} {track} {genre} {comment}, not {%1}</source>
        <translation>--tags-from-name kennt {title} {artist} {album} {year} {track} {genre} {comment}, nicht {%1}</translation>
    </message>
    <message>
        <source>--tags-from-name needs a pattern with a field such as {title}, not &quot;%1&quot;</source>
        <translation>--tags-from-name erwartet ein Muster mit einem Feld wie {title}, nicht „%1“</translation>
    </message>
    <message>
        <source>--tag needs FIELD=VALUE, not &quot;%1&quot;</source>
        <translation>--tag erwartet FELD=WERT, nicht „%1“</translation>
    </message>
    <message>
        <source>--number gives the track numbers: no track field besides it</source>
        <translation>--number vergibt die Titelnummern: kein Feld track daneben</translation>
    </message>
    <message>
        <source>--number numbers the files given, not those --watch finds</source>
        <translation>--number nummeriert die angegebenen Dateien, nicht die, die --watch findet</translation>
    </message>
    <message>
        <source>skipped by the --tags-from-name pattern, its tags kept</source>
        <translation>vom Muster von --tags-from-name übergangen, die Tags bleiben</translation>
    </message>
    <message>
        <source>the clip reaches before the source&apos;s start: it is %1 long</source>
        <translation>der Ausschnitt reicht vor den Anfang der Quelle: sie ist %1 lang</translation>
    </message>
    <message>
        <source>the clip&apos;s end comes before its start in a source %1 long</source>
        <translation>das Ende des Ausschnitts liegt vor seinem Beginn in einer Quelle von %1</translation>
    </message>
    <message>
        <source>the clip reaches past the source&apos;s end: it is %1 long</source>
        <translation>der Ausschnitt reicht über das Ende der Quelle: sie ist %1 lang</translation>
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
        <translation>  --tag FELD=WERT   ein Tag jeder Ausgabe, über dem der Quelle (wiederholbar);
                    FELD ist title, artist, album, year, track, genre oder comment
  --number          Titelnummern 1..N in der Reihenfolge der Ausgaben, mit N als
                    Gesamtzahl, wo das Format eine führt (nicht WMA)
  --tags-from-name MUSTER
                    Tags aus dem Namen jeder Quelle ohne Endung:
                    „{track} - {title}“, „{artist} - {title}“; ein Name, auf den
                    das Muster nicht passt, behält seine Tags, seine Zeile sagt es
  --cover DATEI     das Bild DATEI als Cover jeder Ausgabe; eine Datei, die kein
                    Bild ist, lässt jede Datei mit dem Grund scheitern
</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <location filename="../clip/edittime.cpp" line="+17"/>
        <location filename="../core/core.cpp" line="+45"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige Ganzzahl</translation>
    </message>
</context>
<context>
    <name>Cover</name>
    <message>
        <source>The cover %1 cannot be read: %2</source>
        <translation>Das Cover %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The cover %1 is not a picture</source>
        <translation>Das Cover %1 ist kein Bild</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <location filename="../desktop/desktop.cpp" line="+58"/>
        <source>Select a directory to save output files</source>
        <translation>Ordner zum Speichern der Zieldateien wählen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Information</source>
        <translation>Information</translation>
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
        <translation>Audio-Extraktor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Convert the sound track of videos into MP3, WMA, WAV, OGG, FLAC, Opus or M4A files</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s Comment</extracomment>
        <translation>Die Tonspur von Videos in MP3-, WMA-, WAV-, OGG-, FLAC-, Opus- oder M4A-Dateien umwandeln</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>audio;video;convert;extract;mp3;ogg;wma;wav;flac;opus;m4a;sound track;</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s Keywords: search words, each ending in ;</extracomment>
        <translation>Audio;Video;umwandeln;konvertieren;extrahieren;Tonspur;Ton;mp3;ogg;wma;wav;flac;opus;m4a;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pull the sound track out of videos into audio files</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s summary</extracomment>
        <translation>Die Tonspur aus Videos in Audiodateien holen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clipvox converts the sound track of video files into audio files. Queue your videos, preview each one, trim it to a start and end time, give it tags, pick one output folder and one format, and convert the whole queue while a progress dialog shows how far it has come.</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Clipvox wandelt die Tonspur von Videodateien in Audiodateien um. Stellen Sie Ihre Videos in die Warteschlange, sehen Sie sich jedes an, schneiden Sie es auf eine Start- und Endzeit zu, geben Sie ihm Tags, wählen Sie einen Zielordner und ein Format, und wandeln Sie die ganze Warteschlange um, während ein Fortschrittsdialog zeigt, wie weit sie gekommen ist.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reads AVI, MPEG, WMV, ASF, MP4, MKV, WebM, MOV, FLV, MPEG transport streams, VOB, 3GP, OGV and DV</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Liest AVI, MPEG, WMV, ASF, MP4, MKV, WebM, MOV, FLV, MPEG-Transportströme, VOB, 3GP, OGV und DV</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writes MP3, WMA, WAV, OGG, lossless FLAC, Opus or AAC in M4A, each with its encoder parameters</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Schreibt MP3, WMA, WAV, OGG, verlustfreies FLAC, Opus oder AAC in M4A, jeweils mit eigenen Encoder-Parametern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A clip editor with a preview and a sound strip that shows the start of speech and the pauses</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Ein Clip-Editor mit Vorschau und einem Tonstreifen, der den Beginn der Sprache und die Pausen zeigt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Optionally makes the loudness of the whole queue even (EBU R128)</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Gleicht auf Wunsch die Lautheit der ganzen Warteschlange an (EBU R128)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Converts several files at the same time, and never leaves a half-written file behind</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Wandelt mehrere Dateien gleichzeitig um und hinterlässt nie eine halb geschriebene Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Converts without a window too: clipvox --convert, for scripts and servers</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Wandelt auch ohne Fenster um: clipvox --convert, für Skripte und Server</translation>
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
        <translation>Abtastrate (Hz)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+115"/>
        <source>Same as source</source>
        <translation>Wie Quelle</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+7"/>
        <source>Bits per sample</source>
        <translation>Bits pro Sample</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+7"/>
        <source>Compression level</source>
        <translation>Kompressionsstufe</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <location filename="../settings/settingsfile.cpp" line="+227"/>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>JobQueue</name>
    <message>
        <location filename="../main/jobqueue.cpp" line="+229"/>
        <source>No queued file is being edited.</source>
        <translation>Es wird keine Datei der Warteschlange bearbeitet.</translation>
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
        <translation>Abtastrate (Hz)</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+7"/>
        <source>Bitrate (kbps)</source>
        <translation>Bitrate (kbps)</translation>
    </message>
    <message>
        <location line="+58"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>These names are not UTF-8 and were not added (rename them, or convert them with clipvox --convert):
</source>
        <translation>Diese Namen sind nicht UTF-8 und wurden nicht hinzugefügt (benennen Sie sie um oder wandeln Sie sie mit clipvox --convert um):
</translation>
    </message>
    <message>
        <source>These are not regular files and were not added:
</source>
        <translation>Dies sind keine gewöhnlichen Dateien; sie wurden nicht hinzugefügt:
</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>No program to show the folder was found. The file is at:
</source>
        <translation>Es wurde kein Programm gefunden, das den Ordner zeigt. Die Datei liegt hier:
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
        <translation>Warteschlange</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="-141"/>
        <source>Source File</source>
        <translation>Quelldatei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Convert To</source>
        <translation>Zielformat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output File</source>
        <translation>Zieldatei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../main/main.ui" line="+53"/>
        <source>Quick Settings</source>
        <translation>Schnelleinstellungen</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Output &amp;path</source>
        <translation>Ziel&amp;ordner</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Output path</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+3"/>
        <location line="+3"/>
        <source>Select output path</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Output f&amp;ormat</source>
        <translation>Ziel&amp;format</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output format</source>
        <translation>Zielformat</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location line="+115"/>
        <location line="+3"/>
        <source>Audio format settings</source>
        <translation>Einstellungen der Audioformate</translation>
    </message>
    <message>
        <location line="-82"/>
        <source>add files</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location line="+121"/>
        <source>Add files</source>
        <translation>Dateien hinzufügen</translation>
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
        <translation>Entfernen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Remove selected item </source>
        <translation>Ausgewähltes Element entfernen </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Edit selection</source>
        <translation>Auswahl bearbeiten</translation>
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
        <translation>Konvertieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Start converting files</source>
        <translation>Konvertierung der Dateien starten</translation>
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
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Help contents, home page and support</source>
        <translation>Hilfethemen, Homepage und Support</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>about</source>
        <translation>Über</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location filename="../main/main.cpp" line="+351"/>
        <source>About Clipvox</source>
        <translation>Über Clipvox</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../main/jobs.cpp" line="+366"/>
        <source>Move Up</source>
        <translation>Nach oben</translation>
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
        <translation>Nach unten</translation>
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
        <translation>Entfernen</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../main/jobs.cpp" line="+29"/>
        <source>Remove All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Edit Selection...</source>
        <translation>Auswahl bearbeiten...</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../main/main.cpp" line="+16"/>
        <location line="+4"/>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Help Content...</source>
        <translation>Hilfethemen...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Homepage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Technical Support</source>
        <translation>Technischer Support</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="-68"/>
        <source>the source&apos;s default</source>
        <translation>Standardspur der Quelle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1
Sound track: %2</source>
        <translation>%1
Tonspur: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
Chapter %1: %2</source>
        <translation>
Kapitel %1: %2</translation>
    </message>
    <message>
        <location filename="../main/chapters.cpp" line="+12"/>
        <location line="+43"/>
        <source>Split into chapters</source>
        <translation>In Kapitel aufteilen</translation>
    </message>
    <message>
        <location filename="../main/jobs.cpp" line="-352"/>
        <source>MPEG files</source>
        <translation>MPEG-Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WMV files</source>
        <translation>WMV-Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AVI files</source>
        <translation>AVI-Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ASF files</source>
        <translation>ASF-Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MP4 files</source>
        <translation>MP4-Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MKV files</source>
        <translation>MKV-Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WebM files</source>
        <translation>WebM-Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOV files</source>
        <translation>MOV-Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FLV files</source>
        <translation>FLV-Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MPEG transport streams</source>
        <translation>MPEG-Transportströme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>VOB files</source>
        <translation>VOB-Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3GP files</source>
        <translation>3GP-Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OGV files</source>
        <translation>OGV-Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DV files</source>
        <translation>DV-Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DivX files</source>
        <translation>DivX-Dateien</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Open Video Files</source>
        <translation>Videodateien öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All supported files</source>
        <translation>Alle unterstützten Dateien</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message numerus="yes">
        <location line="+77"/>
        <source>%n file(s) already in the queue not added again</source>
        <translation>
            <numerusform>%n Datei schon in der Warteschlange, nicht erneut hinzugefügt</numerusform>
            <numerusform>%n Dateien schon in der Warteschlange, nicht erneut hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n file(s) without a video&apos;s name not added</source>
        <translation>
            <numerusform>%n Datei ohne Videonamen nicht hinzugefügt</numerusform>
            <numerusform>%n Dateien ohne Videonamen nicht hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+21"/>
        <source>These files do not exist and were not added:
</source>
        <translation>Diese Dateien existieren nicht und wurden nicht hinzugefügt:
</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Already in the queue:
%1

Add again?</source>
        <translation>Schon in der Warteschlange:
%1

Noch einmal hinzufügen?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <location line="+201"/>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written: %1</source>
        <translation>Geschrieben: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skipped: %1</source>
        <translation>Übersprungen: %1</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="-16"/>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <location filename="../main/main.cpp" line="-215"/>
        <source>Copy reason</source>
        <translation>Grund kopieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show in folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>The queue could not be saved: %1</source>
        <translation>Die Warteschlange konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Files...</source>
        <translation>Dateien hinzufügen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Folder...</source>
        <translation>Ordner hinzufügen...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Edit Clip...</source>
        <translation>Ausschnitt bearbeiten...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Queue</source>
        <translation>&amp;Warteschlange</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Show Progress</source>
        <translation>Fortschritt anzeigen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>A conversion is still running. Stop it and quit?</source>
        <translation>Eine Konvertierung läuft noch. Abbrechen und beenden?</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>Edit Clip</source>
        <translation>Ausschnitt bearbeiten</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>No program to open the user guide was found. The user guide is at:
</source>
        <translation>Es wurde kein Programm zum Öffnen des Benutzerhandbuchs gefunden. Das Handbuch liegt hier:
</translation>
    </message>
    <message>
        <location filename="../main/run.cpp" line="+39"/>
        <location line="+2"/>
        <source>Show progress</source>
        <translation>Fortschritt anzeigen</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Show progress (%1)</source>
        <translation>Fortschritt anzeigen (%1)</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="+1"/>
        <source>Converting...</source>
        <translation>Wird konvertiert...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>100%</source>
        <translation>100 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <location filename="../main/runcontroller.cpp" line="+120"/>
        <source>Loudness %1 LUFS</source>
        <translation>Lautstärke %1 LUFS</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Task complete!</source>
        <translation>Aufgabe abgeschlossen!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
%1 of %2 %3 could not be converted; %4 Status says why.</source>
        <translation>
Nicht konvertiert: %1 von %2 %3; %4 Status nennt den Grund.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its</source>
        <translation>ihr</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>their</source>
        <translation>ihr</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>The source is cut short: it ended at %1</source>
        <translation>Die Quelle ist abgeschnitten: Sie endet bei %1</translation>
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
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../media/sourceinfo.cpp" line="+1"/>
        <source>stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>There is no WMA profile %1</source>
        <translation>Es gibt kein WMA-Profil %1</translation>
    </message>
    <message>
        <location filename="../media/tags.cpp" line="+314"/>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tags can be written to MP3, OGG, WMA, FLAC, Opus and M4A files only: %1</source>
        <translation>Tags können nur in MP3-, OGG-, WMA-, FLAC-, Opus- und M4A-Dateien geschrieben werden: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot write the tags of %1</source>
        <translation>Die Tags von %1 können nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../media/audiowriters.cpp" line="+22"/>
        <location line="+121"/>
        <source>Cannot create %1 (%2)</source>
        <translation>%1 kann nicht erstellt werden (%2)</translation>
    </message>
    <message>
        <location filename="../formats/mp3/mp3format.cpp" line="+21"/>
        <source>Unknown MP3 channel mode %1</source>
        <translation>Unbekannter MP3-Kanalmodus %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MP3 encoder takes mono or stereo input only</source>
        <translation>Der MP3-Encoder akzeptiert nur Mono- oder Stereo-Eingaben</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The MP3 encoder refuses %1 Hz at %2 kbps</source>
        <translation>Der MP3-Encoder lehnt %1 Hz bei %2 kbps ab</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The input format cannot change after samples were written</source>
        <translation>Das Eingabeformat kann nach dem Schreiben von Samples nicht mehr geändert werden</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The MP3 encoder failed</source>
        <translation>Der MP3-Encoder ist fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../formats/ogg/oggformat.cpp" line="+46"/>
        <source>The OGG encoder refuses this format</source>
        <translation>Der OGG-Encoder lehnt dieses Format ab</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../formats/wav/wavformat.cpp" line="+47"/>
        <location filename="../media/audiowriters.cpp" line="-44"/>
        <source>Cannot take input of %1 Hz, %2 channels</source>
        <translation>Eingabe mit %1 Hz, %2 Kanälen wird nicht unterstützt</translation>
    </message>
    <message>
        <location filename="../formats/wma/wmaformat.cpp" line="-92"/>
        <source>No WMA encoder</source>
        <translation>Kein WMA-Encoder vorhanden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The WMA encoder refuses %1 kbps at %2 Hz</source>
        <translation>Der WMA-Encoder lehnt %1 kbps bei %2 Hz ab</translation>
    </message>
    <message>
        <location filename="../formats/flac/flacformat.cpp" line="+252"/>
        <location filename="../media/audiowriters.cpp" line="+102"/>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="-175"/>
        <location line="+8"/>
        <location filename="../media/audiowriters.cpp" line="-47"/>
        <location line="+67"/>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <location filename="../formats/wma/wmaformat.cpp" line="+4"/>
        <source>The WMA encoder failed</source>
        <translation>Der WMA-Encoder ist fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../formats/flac/flacformat.cpp" line="+17"/>
        <source>The FLAC encoder refuses %1 Hz, %2 channels, %3 bits</source>
        <translation>Der FLAC-Encoder lehnt %1 Hz, %2 Kanäle, %3 Bit ab</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+13"/>
        <location line="+79"/>
        <source>The FLAC encoder failed</source>
        <translation>Der FLAC-Encoder ist fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The FLAC encoder failed (%1)</source>
        <translation>Der FLAC-Encoder ist fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <location filename="../formats/opus/opusformat.cpp" line="+54"/>
        <source>The Opus encoder failed (%1)</source>
        <translation>Der Opus-Encoder ist fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+43"/>
        <source>The Opus encoder failed</source>
        <translation>Der Opus-Encoder ist fehlgeschlagen</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>The Opus encoder refuses %1 kbps</source>
        <translation>Der Opus-Encoder lehnt %1 kbps ab</translation>
    </message>
    <message>
        <location filename="../formats/m4a/m4aformat.cpp" line="+34"/>
        <source>No AAC encoder</source>
        <translation>Kein AAC-Encoder vorhanden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The AAC encoder refuses %1 kbps at %2 Hz</source>
        <translation>Der AAC-Encoder lehnt %1 kbps bei %2 Hz ab</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The AAC encoder failed</source>
        <translation>Der AAC-Encoder ist fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../formats/ogg/oggformat.cpp" line="+172"/>
        <source>The OGG minimum bit rate %1 kbps is above the maximum %2 kbps</source>
        <translation>Die minimale OGG-Bitrate %1 kbps liegt über dem Maximum %2 kbps</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The OGG encoder refuses %1 Hz, %2 channels at these bit rates</source>
        <translation>Der OGG-Encoder lehnt %1 Hz, %2 Kanäle bei diesen Bitraten ab</translation>
    </message>
    <message>
        <location filename="../formats/flac/flacformat.cpp" line="+75"/>
        <source>FLAC takes 1 or 2 channels, 16 or 24 bits and compression 0 to 8, not %1 Hz, %2 channels, %3 bits, compression %4</source>
        <translation>FLAC akzeptiert 1 oder 2 Kanäle, 16 oder 24 Bit und Kompression 0 bis 8, nicht %1 Hz, %2 Kanäle, %3 Bit, Kompression %4</translation>
    </message>
    <message>
        <location filename="../formats/opus/opusformat.cpp" line="+86"/>
        <source>Opus takes 32 to 256 kbps and 1 or 2 channels, not %1 kbps, %2 channels</source>
        <translation>Opus akzeptiert 32 bis 256 kbps und 1 oder 2 Kanäle, nicht %1 kbps, %2 Kanäle</translation>
    </message>
    <message>
        <location filename="../formats/m4a/m4aformat.cpp" line="+74"/>
        <source>M4A takes 44100 or 48000 Hz, 64 to 320 kbps and 1 or 2 channels, not %1 Hz, %2 kbps, %3 channels</source>
        <translation>M4A akzeptiert 44100 oder 48000 Hz, 64 bis 320 kbps und 1 oder 2 Kanäle, nicht %1 Hz, %2 kbps, %3 Kanäle</translation>
    </message>
    <message>
        <location filename="../media/avinput.cpp" line="+215"/>
        <source>Source file not found: %1</source>
        <translation>Quelldatei nicht gefunden: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+27"/>
        <source>Cannot read the source file: %1</source>
        <translation>Die Quelldatei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+8"/>
        <source>Not a media file (the file is empty): %1</source>
        <translation>Keine Mediendatei (die Datei ist leer): %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Out of memory opening %1</source>
        <translation>Nicht genügend Speicher beim Öffnen von %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+18"/>
        <location filename="../media/sourceinfo.cpp" line="+236"/>
        <location line="+3"/>
        <location filename="../media/videoedit.cpp" line="+545"/>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+17"/>
        <source>Not a media file: %1</source>
        <translation>Keine Mediendatei: %1</translation>
    </message>
    <message>
        <location filename="../media/medialength.cpp" line="+26"/>
        <location filename="../media/sourceinfo.cpp" line="+37"/>
        <location filename="../media/waveform.cpp" line="+113"/>
        <source>The length of %1 is unknown</source>
        <translation>Die Länge von %1 ist unbekannt</translation>
    </message>
    <message>
        <location filename="../media/previewplayer.cpp" line="+107"/>
        <source>The preview cannot draw with this display&apos;s OpenGL: %1</source>
        <translation>Die Vorschau kann mit dem OpenGL dieses Bildschirms nicht zeichnen: %1</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>Playback of &apos;%1&apos; failed: %2</source>
        <translation>Wiedergabe von „%1“ fehlgeschlagen: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file ended unexpectedly</source>
        <translation>die Datei endete unerwartet</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>loading stopped</source>
        <translation>Laden abgebrochen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+114"/>
        <source>Cannot open file &apos;%1&apos;: %2</source>
        <translation>Datei „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Playback of &apos;%1&apos; stopped at %2 s of its %3 s: the rest of the file cannot be read</source>
        <translation>Wiedergabe von „%1“ bei %2 s von %3 s angehalten: Der Rest der Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../media/sourceinfo.cpp" line="-268"/>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <location filename="../media/outputfile.cpp" line="+87"/>
        <source>Cannot write the output file %1 (%2)</source>
        <translation>Die Zieldatei %1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <location filename="../media/videoedit.cpp" line="-424"/>
        <location filename="../media/waveform.cpp" line="-19"/>
        <source>No decoder for the sound of %1</source>
        <translation>Kein Decoder für den Ton von %1</translation>
    </message>
    <message>
        <location filename="../media/sourceinfo.cpp" line="+280"/>
        <location filename="../media/videoedit.cpp" line="+2"/>
        <location line="+538"/>
        <source>Stream %1 of %2 is no sound track</source>
        <translation>Stream %1 von %2 ist keine Tonspur</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../media/videoedit.cpp" line="-537"/>
        <location line="+538"/>
        <location filename="../media/waveform.cpp" line="-2"/>
        <source>No audio stream in %1</source>
        <translation>Kein Audiostream in %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../media/videoedit.cpp" line="-531"/>
        <location line="+3"/>
        <location line="+533"/>
        <location filename="../media/waveform.cpp" line="+9"/>
        <location line="+3"/>
        <source>Cannot decode the sound of %1</source>
        <translation>Der Ton von %1 kann nicht dekodiert werden</translation>
    </message>
    <message>
        <location filename="../media/videoedit.cpp" line="-521"/>
        <location line="+101"/>
        <source>No sound could be decoded from %1</source>
        <translation>Aus %1 konnte kein Ton dekodiert werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The clip holds no sound</source>
        <translation>Der Ausschnitt enthält keinen Ton</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The source ended at %1 of %2</source>
        <translation>Die Quelle endete bei %1 von %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Input ended early: %1 holds %2 s of the %3 s asked for</source>
        <translation>Eingabe endete vorzeitig: %1 enthält %2 s der angeforderten %3 s</translation>
    </message>
    <message>
        <location line="+131"/>
        <location line="+41"/>
        <location line="+14"/>
        <source>Cannot convert the sound of %1</source>
        <translation>Der Ton von %1 kann nicht konvertiert werden</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>Cannot convert the sound to %1 Hz, %2 channels</source>
        <translation>Der Ton kann nicht in %1 Hz, %2 Kanäle konvertiert werden</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The sound could not be extracted from the video</source>
        <translation>Der Ton konnte nicht aus dem Video extrahiert werden</translation>
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
        <translation>Abtastrate (Hz)</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Joint Stereo</source>
        <translation>Joint Stereo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Forced Joint Stereo</source>
        <translation>Joint Stereo (erzwungen)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dual Channels</source>
        <translation>Zweikanal</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+7"/>
        <source>Bitrate (kbps)</source>
        <translation>Bitrate (kbps)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Enable VBR</source>
        <translation>VBR aktivieren</translation>
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
        <translation>Max. Bitrate (kbps)</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+7"/>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
</context>
<context>
    <name>Notify</name>
    <message>
        <location filename="../desktop/notify.cpp" line="+12"/>
        <source>%1 %2 converted, %3 failed</source>
        <translation>%1 %2 konvertiert, %3 fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>files</source>
        <translation>Dateien</translation>
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
        <translation>Abtastrate (Hz)</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+7"/>
        <source>Normal Bitrate (kbps)</source>
        <translation>Nenn-Bitrate (kbps)</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>VBR Enabled</source>
        <translation>VBR aktiviert</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quality Enabled</source>
        <translation>Qualität aktiviert</translation>
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
        <translation>Min. Bitrate</translation>
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
        <translation>Max. Bitrate</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Quality(Compression)</source>
        <translation>Qualität (Kompression)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+7"/>
        <source>Quality</source>
        <translation>Qualität</translation>
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
        <translation>Bitrate (kbps)</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Enable VBR</source>
        <translation>VBR aktivieren</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Frequency (Hz)</source>
        <translation>Abtastrate (Hz)</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <location filename="../progress/execute.ui" line="+6"/>
        <source>Converting</source>
        <translation>Konvertierung</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+5"/>
        <source>File progress</source>
        <translation>Dateifortschritt</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+5"/>
        <source>Total progress</source>
        <translation>Gesamtfortschritt</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Time elapsed:</source>
        <translation>Verstrichen:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Time elapsed</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Time left:</source>
        <translation>Verbleibend:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Time left</source>
        <translation>Verbleibende Zeit</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../progress/execute.cpp" line="+85"/>
        <source>File progress %1</source>
        <translation>Dateifortschritt %1</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Convert %1 to %2...</source>
        <translation>%1 wird in %2 konvertiert...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Convert file %1 of total %2 file(s)</source>
        <translation>Datei %1 von insgesamt %2 wird konvertiert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Measuring loudness...</source>
        <translation>Lautheit wird gemessen...</translation>
    </message>
</context>
<context>
    <name>QueueStore</name>
    <message>
        <source>The clip&apos;s times in the saved queue were not times</source>
        <translation>Die Zeiten des Ausschnitts in der gespeicherten Warteschlange waren keine Zeitangaben</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>größer als %1 MB</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <location filename="../main/queuestore.cpp" line="+137"/>
        <source>The start time &quot;%1&quot; is not a time (hh:mm:ss)</source>
        <translation>Die Startzeit „%1“ ist keine Zeitangabe (hh:mm:ss)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Unable to create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>not a Clipvox queue</source>
        <translation>keine Clipvox-Warteschlange</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a job without its source or output</source>
        <translation>ein Auftrag ohne Quelle oder Ziel</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>the source no longer exists</source>
        <translation>die Quelldatei gibt es nicht mehr</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The saved queue could not be read (%1). %2 The queue starts empty.</source>
        <translation>Die gespeicherte Warteschlange konnte nicht gelesen werden (%1). %2 Die Warteschlange beginnt leer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It was kept as %1.</source>
        <translation>Sie wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <source>It was left at %1 and will not be saved over.</source>
        <translation>Sie bleibt unter %1 und wird nicht überschrieben.</translation>
    </message>
</context>
<context>
    <name>RunActivity</name>
    <message>
        <location filename="../desktop/runactivity.cpp" line="+18"/>
        <source>Converting</source>
        <translation>Konvertierung</translation>
    </message>
</context>
<context>
    <name>RunEngine</name>
    <message numerus="yes">
        <source>%n damaged samples far beyond full scale were clipped</source>
        <translation>
            <numerusform>%n beschädigter Abtastwert weit über Vollaussteuerung wurde begrenzt</numerusform>
            <numerusform>%n beschädigte Abtastwerte weit über Vollaussteuerung wurden begrenzt</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/encodestep.cpp" line="+72"/>
        <source>The encoder does not accept the output settings</source>
        <translation>Der Encoder akzeptiert die Ausgabeeinstellungen nicht</translation>
    </message>
    <message>
        <location filename="../formats/mp3/mp3format.cpp" line="+77"/>
        <source>Encoded at %1 kbps: MP3 at %2 Hz cannot carry %3 kbps</source>
        <translation>Mit %1 kbps kodiert: MP3 mit %2 Hz erlaubt keine %3 kbps</translation>
    </message>
    <message>
        <location filename="../formats/ogg/oggformat.cpp" line="-31"/>
        <source>Incorrect format: the OGG encoder does not accept %1 Hz, %2 channel(s), %3 kbps (minimum %4, maximum %5)</source>
        <translation>Falsches Format: Der OGG-Encoder akzeptiert %1 Hz, %2 Kanäle, %3 kbps nicht (Minimum %4, Maximum %5)</translation>
    </message>
    <message>
        <location filename="../formats/wav/wavformat.cpp" line="+79"/>
        <source>WAV takes 8, 16 or 24 bits, not %1 Hz, %2 channels, %3 bits</source>
        <translation>WAV akzeptiert 8, 16 oder 24 Bit, nicht %1 Hz, %2 Kanäle, %3 Bit</translation>
    </message>
    <message>
        <location filename="../engine/encodestep.cpp" line="-5"/>
        <source>The output format is not one Clipvox knows</source>
        <translation>Clipvox kennt dieses Zielformat nicht</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>The output could not be read back: %1</source>
        <translation>Die Ausgabe konnte nicht zurückgelesen werden: %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No sound track %1: the source has no sound</source>
        <translation>Keine Tonspur %1: Die Quelle hat keinen Ton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No sound track %1: the source has %2</source>
        <translation>Keine Tonspur %1: Die Quelle hat nur %2</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>The clip starts at %1 s, after the end of the source (%2 s)</source>
        <translation>Der Ausschnitt beginnt bei %1 s, nach dem Ende der Quelle (%2 s)</translation>
    </message>
    <message>
        <location line="+379"/>
        <source>The clip holds no sound</source>
        <translation>Der Ausschnitt enthält keinen Ton</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>True peak %1 dBTP, over -1 dBTP</source>
        <translation>True-Peak-Pegel %1 dBTP, über -1 dBTP</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>The tags could not be written: %1</source>
        <translation>Die Tags konnten nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <location filename="../engine/runengine.cpp" line="+93"/>
        <source>Cannot create a file in %1: %2</source>
        <translation>In %1 kann keine Datei erstellt werden: %2</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>%1 is a source of this run and was kept</source>
        <translation>%1 ist eine Quelle dieses Durchlaufs und wurde beibehalten</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+3"/>
        <source>%1 exists and was kept</source>
        <translation>%1 existiert und wurde beibehalten</translation>
    </message>
    <message>
        <location line="+186"/>
        <source>The album&apos;s ReplayGain could not be written: %1</source>
        <translation>Das ReplayGain des Albums konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Cannot measure the length of the source: %1</source>
        <translation>Die Länge der Quelle kann nicht ermittelt werden: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown reason</source>
        <translation>unbekannter Grund</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The clip&apos;s start (%1) is past the end of the source (%2 s)</source>
        <translation>Der Beginn des Ausschnitts (%1) liegt nach dem Ende der Quelle (%2 s)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The clip&apos;s end (%1) is not after its start (%2)</source>
        <translation>Das Ende des Ausschnitts (%1) liegt nicht nach seinem Beginn (%2)</translation>
    </message>
    <message>
        <location line="-75"/>
        <source>Incorrect format</source>
        <translation>Falsches Format</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 appeared during the run and was kept</source>
        <translation>%1 ist während des Durchlaufs entstanden und wurde beibehalten</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>The file name knows {name} {title} {artist} {album} {year} {track} {n} and {chapter}, not %1.</source>
        <translation>Der Dateiname kennt {name} {title} {artist} {album} {year} {track} {n} und {chapter}, nicht %1.</translation>
    </message>
    <message>
        <location filename="../settings/setting.ui" line="+14"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+9"/>
        <source>Output Directory</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+9"/>
        <source>Output Format</source>
        <translation>Zielformat</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Convert up to</source>
        <translation>Gleichzeitig bis zu</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Files converted at the same time</source>
        <translation>Gleichzeitig konvertierte Dateien</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>files at the same time</source>
        <translation>Dateien konvertieren</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Make loudness even:</source>
        <translation>Lautstärke angleichen:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Make loudness even</source>
        <translation>Lautstärke angleichen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Off</source>
        <translation>Aus</translation>
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
        <translation>ReplayGain-Tags</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Peaks over -1 dBTP:</source>
        <translation>Spitzen über -1 dBTP:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Peaks over -1 dBTP</source>
        <translation>Spitzen über -1 dBTP</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Limit the peaks: every clip reaches the loudness chosen. Lower the whole clip: nothing is limited, and clips with high peaks stay quieter.</source>
        <translation>Spitzen begrenzen: Jeder Ausschnitt erreicht die gewählte Lautstärke. Ganzen Ausschnitt absenken: Nichts wird begrenzt, und Ausschnitte mit hohen Spitzen bleiben leiser.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lower the whole clip</source>
        <translation>Ganzen Ausschnitt absenken</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Limit the peaks</source>
        <translation>Spitzen begrenzen</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Save to:</source>
        <translation>Speichern in:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save to</source>
        <translation>Speichern in</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The output folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Beside each source</source>
        <translation>Ordner der Quelldatei</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The output folder, keeping the sources&apos; folders</source>
        <translation>Zielordner, mit den Ordnern der Quellen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>File name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{name} {title} {artist} {album} {year} {track} {n}; one with nothing to give is {name}</source>
        <translation>{name} {title} {artist} {album} {year} {track} {n}; ein leerer Platzhalter ergibt {name}</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>If the output file exists:</source>
        <translation>Wenn die Zieldatei existiert:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>If the output file exists</source>
        <translation>Wenn die Zieldatei existiert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Replace it</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keep both (add a number)</source>
        <translation>Beide behalten (Nummer anhängen)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Skip the file</source>
        <translation>Datei überspringen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Copy tags and cover from the source</source>
        <translation>Tags und Cover aus der Quelle übernehmen</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SoundStrip</name>
    <message>
        <location filename="../clip/soundstrip.cpp" line="+152"/>
        <source>No sound</source>
        <translation>Kein Ton</translation>
    </message>
</context>
<context>
    <name>TimeEntryDialog</name>
    <message>
        <location filename="../clip/edittime.ui" line="+14"/>
        <location line="+18"/>
        <source>Edit Time</source>
        <translation>Zeit bearbeiten</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Hours</source>
        <translation>&amp;Stunden</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Minutes</source>
        <translation>&amp;Minuten</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>S&amp;econds</source>
        <translation>Se&amp;kunden</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Start at</source>
        <translation>S&amp;tart</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Start hours</source>
        <translation>Start: Stunden</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Start minutes</source>
        <translation>Start: Minuten</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Start seconds</source>
        <translation>Start: Sekunden</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>S&amp;top at</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Stop hours</source>
        <translation>Ende: Stunden</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Stop minutes</source>
        <translation>Ende: Minuten</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Stop seconds</source>
        <translation>Ende: Sekunden</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../clip/edittime.cpp" line="+69"/>
        <source>Start time should not be negative.</source>
        <translation>Die Startzeit darf nicht negativ sein.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start time should be less than total duration.</source>
        <translation>Die Startzeit muss kleiner als die Gesamtdauer sein.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stop time should not be negative.</source>
        <translation>Die Endzeit darf nicht negativ sein.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop time should be less than total duration.</source>
        <translation>Die Endzeit muss kleiner als die Gesamtdauer sein.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start time should not be later than stop time.</source>
        <translation>Die Startzeit darf nicht nach der Endzeit liegen.</translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <location filename="../extras/tip.ui" line="+14"/>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Light bulb</source>
        <translation>Glühbirne</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Did you know...</source>
        <translation>Wussten Sie schon...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tip</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Show Tips on Startup</source>
        <translation>Beim Start anzeigen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Next Tip</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../extras/tip.cpp" line="+83"/>
        <source>No tips available.</source>
        <translation>Keine Tipps verfügbar.</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <location filename="../clip/updown.cpp" line="+18"/>
        <source>One more</source>
        <translation>Eins mehr</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>One less</source>
        <translation>Eins weniger</translation>
    </message>
</context>
<context>
    <name>WavPage</name>
    <message>
        <source>Same as source</source>
        <translation>Wie Quelle</translation>
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
        <translation>Abtastrate (Hz)</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+7"/>
        <source>Bits per sample</source>
        <translation>Bits pro Sample</translation>
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
        <translation>WMA-Profil</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>one of %1</source>
        <translation>einen Wert aus %1</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>eine ganze Zahl</translation>
    </message>
    <message>
        <source>unknown setting &quot;%1.%2&quot;; the settings: %3</source>
        <translation>unbekannte Einstellung „%1.%2“; die Einstellungen: %3</translation>
    </message>
    <message>
        <source>%1.%2 takes %3, not &quot;%4&quot;</source>
        <translation>%1.%2 nimmt %3, nicht „%4“</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Speech and podcasts: MP3 mono 64 kbps, loudness even at -16 LUFS</source>
        <translation>Sprache und Podcasts: MP3 mono 64 kbit/s, Lautheit gleich bei -16 LUFS</translation>
    </message>
    <message>
        <source>Music: OGG Vorbis quality 6, ReplayGain album tags, sound unchanged</source>
        <translation>Musik: OGG Vorbis Qualität 6, ReplayGain-Album-Tags, Klang unverändert</translation>
    </message>
    <message>
        <source>Archive: FLAC at the source&apos;s rate and sample size, sound unchanged</source>
        <translation>Archiv: FLAC mit Abtastrate und Sample-Größe der Quelle, Klang unverändert</translation>
    </message>
    <message>
        <source>Phone: AAC in M4A 128 kbps, loudness even at -16 LUFS</source>
        <translation>Telefon: AAC in M4A 128 kbit/s, Lautheit gleich bei -16 LUFS</translation>
    </message>
    <message>
        <source>Editing: WAV 48 kHz 24-bit stereo, sound unchanged</source>
        <translation>Schnitt: WAV 48 kHz 24 Bit Stereo, Klang unverändert</translation>
    </message>
    <message>
        <source>Preset file %1 skipped: %2</source>
        <translation>Vorlagendatei %1 übergangen: %2</translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation>Eine Vorlage braucht einen Namen.</translation>
    </message>
    <message>
        <source>A preset&apos;s name has at most %1 characters.</source>
        <translation>Der Name einer Vorlage hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot start with a dot or a space, nor hold &quot;/&quot; or control characters.</source>
        <translation>Der Name einer Vorlage darf nicht mit einem Punkt oder Leerzeichen beginnen und kein „/“ oder Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>sie ist zu groß</translation>
    </message>
    <message>
        <source>line %1 is no section, key or comment</source>
        <translation>Zeile %1 ist weder Abschnitt noch Schlüssel noch Kommentar</translation>
    </message>
    <message>
        <source>it sets nothing</source>
        <translation>sie setzt nichts</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>Eine Vorlage namens „%1“ gibt es schon.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Schreiben nach %1 nicht möglich</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is read-only.</source>
        <translation>Die Vorlage „%1“ ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be renamed: %2</source>
        <translation>Die Vorlage „%1“ konnte nicht umbenannt werden: %2</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>Die Vorlage „%1“ konnte nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>PresetBar</name>
    <message>
        <source>Pre&amp;set</source>
        <translation>&amp;Vorlage</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>Save, rename or delete presets</source>
        <translation>Vorlagen speichern, umbenennen oder löschen</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>%1 (modified)</source>
        <translation>%1 (geändert)</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Vorlage speichern</translation>
    </message>
    <message>
        <source>Name of the new preset:</source>
        <translation>Name der neuen Vorlage:</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is read-only: choose another name.</source>
        <translation>Die Vorlage „%1“ ist schreibgeschützt: Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Replace the preset &quot;%1&quot;?</source>
        <translation>Die Vorlage „%1“ ersetzen?</translation>
    </message>
    <message>
        <source>Rename preset</source>
        <translation>Vorlage umbenennen</translation>
    </message>
    <message>
        <source>New name of the preset:</source>
        <translation>Neuer Name der Vorlage:</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>Eine Vorlage namens „%1“ gibt es schon.</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>Vorlage löschen</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>Die Vorlage „%1“ löschen?</translation>
    </message>
</context>
<context>
    <name>WhenDone</name>
    <message>
        <source>When &amp;done</source>
        <translation>Da&amp;nach</translation>
    </message>
    <message>
        <source>When done</source>
        <translation>Danach</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Nichts tun</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>Ausgabeordner öffnen</translation>
    </message>
    <message>
        <source>Quit Clipvox</source>
        <translation>Clipvox beenden</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Bereitschaft</translation>
    </message>
    <message>
        <source>Power off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>What follows a run that was not cancelled</source>
        <translation>Was auf eine nicht abgebrochene Umwandlung folgt</translation>
    </message>
</context>
<context>
    <name>WhenDoneNotice</name>
    <message>
        <source>Power off now</source>
        <translation>Jetzt ausschalten</translation>
    </message>
    <message>
        <source>Suspend now</source>
        <translation>Jetzt in Bereitschaft</translation>
    </message>
    <message numerus="yes">
        <source>The conversion is done. The computer powers off in %n seconds.</source>
        <translation>
            <numerusform>Die Umwandlung ist fertig. Der Computer schaltet sich in %n Sekunde aus.</numerusform>
            <numerusform>Die Umwandlung ist fertig. Der Computer schaltet sich in %n Sekunden aus.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The conversion is done. The computer suspends in %n seconds.</source>
        <translation>
            <numerusform>Die Umwandlung ist fertig. Der Computer geht in %n Sekunde in Bereitschaft.</numerusform>
            <numerusform>Die Umwandlung ist fertig. Der Computer geht in %n Sekunden in Bereitschaft.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SystemPower</name>
    <message>
        <source>The system did not do it: %1</source>
        <translation>Das System hat es nicht getan: %1</translation>
    </message>
</context>
</TS>
