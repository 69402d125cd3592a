<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../extras/about.ui" line="+14"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Clipvox logo</source>
        <translation>Logo de Clipvox</translation>
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
        <translation>Site web</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the home page in the web browser</source>
        <translation>Ouvre le site web dans le navigateur</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+10"/>
        <location line="+6"/>
        <source>Technology Support</source>
        <translation>Assistance technique</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Writes an e-mail to the support</source>
        <translation>Écrit un courriel à l&apos;assistance</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>© The Clipvox developers</source>
        <translation>© Les développeurs de Clipvox</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../extras/about.cpp" line="+59"/>
        <source>Free software under the GNU GPL, version 3 or later</source>
        <translation>Logiciel libre sous licence GNU GPL, version 3 ou ultérieure</translation>
    </message>
</context>
<context>
    <name>ClipEditor</name>
    <message>
        <source>Playback</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <location filename="../clip/edit.ui" line="+14"/>
        <source>Edit Clip Time</source>
        <translation>Modifier les temps de l&apos;extrait</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+21"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play (Space)</source>
        <translation>Lire (Espace)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pause (Space)</source>
        <translation>Pause (Espace)</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+3"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Sound of the source</source>
        <translation>Son de la source</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click to play from here. Left, Right: one second back or forward (with Shift, ten seconds). Home, End: to the start mark, to the end mark</source>
        <translation>Cliquez pour lire à partir d&apos;ici. Gauche, Droite&#xa0;: une seconde en arrière ou en avant (avec Maj, dix secondes). Début, Fin&#xa0;: au repère de début, au repère de fin</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Start Time</source>
        <translation>Début</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Start time</source>
        <translation>Début</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>End Time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>End time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Set start time</source>
        <translation>Placer le début</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set start time (I)</source>
        <translation>Placer le début (I)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Set end time</source>
        <translation>Placer la fin</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set end time (O)</source>
        <translation>Placer la fin (O)</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+3"/>
        <source>Edit start time and end time</source>
        <translation>Modifier le début et la fin</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+3"/>
        <source>Reset time</source>
        <translation>Réinitialiser les temps</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Tag Information</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Enable Tag</source>
        <translation>Activer les ét&amp;iquettes</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Artist:</source>
        <translation>&amp;Artiste :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Artist</source>
        <translation>Artiste</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Al&amp;bum:</source>
        <translation>Al&amp;bum :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>&amp;Comment:</source>
        <translation>&amp;Commentaire :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <location line="-177"/>
        <source>Co&amp;pyright:</source>
        <translation>Cop&amp;yright :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Year:</source>
        <translation>A&amp;nnée :</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>T&amp;rack:</source>
        <translation>N° de &amp;piste :</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Track</source>
        <translation>N° de piste</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>&amp;Genre:</source>
        <translation>&amp;Genre :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;Sound track:</source>
        <translation>Piste a&amp;udio :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sound track</source>
        <translation>Piste audio</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../clip/edit.cpp" line="+107"/>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <location line="+571"/>
        <location line="+10"/>
        <source>Please input correct time format!</source>
        <translation>Veuillez saisir un temps au bon format&#xa0;!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Start Time should be smaller than End Time!</source>
        <translation>Le début doit précéder la fin&#xa0;!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Invalid Year Value</source>
        <translation>Année non valide</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Invalid Track Value</source>
        <translation>Numéro de piste non valide</translation>
    </message>
</context>
<context>
    <name>ClipvoxApplication</name>
    <message>
        <location filename="../desktop/application.cpp" line="+29"/>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>its name is not UTF-8: the output&apos;s name has %XX for each byte that is not</source>
        <translation>son nom n’est pas en UTF-8 : le nom de la sortie porte %XX pour chaque octet qui ne l’est pas</translation>
    </message>
    <message>
        <source>--name knows {name} {title} {artist} {album} {year} {track} {n} {chapter}, not %1</source>
        <translation>--name connaît {name} {title} {artist} {album} {year} {track} {n} {chapter}, pas %1</translation>
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
        <translation>Usage&#xa0;: clipvox --convert [options] [--] FILE...
        clipvox [FILE...]           (ouvre la fenêtre, fichiers mis en attente)

Convertit la piste audio de chaque vidéo FILE en fichier audio, sans fenêtre.

Options&#xa0;:
  --format FORMAT   format de sortie&#xa0;: %1 (par défaut&#xa0;: celui de setup.ini)
  --output DIR      dossier des sorties (par défaut&#xa0;: celui de chaque source)
  --start hh:mm:ss  début de l&apos;extrait de chaque fichier (par défaut 00:00:00) ;
                    -hh:mm:ss compte depuis la fin de chaque source
  --end hh:mm:ss    fin de l&apos;extrait de chaque fichier, ou max (par défaut max) ;
                    -hh:mm:ss compte depuis la fin de chaque source : ainsi
                    « --start 00:00:12 --end -00:00:08 » coupe 12 s au début et
                    8 s à la fin ; un extrait qui ne tient pas dans une source
                    fait échouer ce fichier
  --track N         piste audio à convertir, comptée à partir de 1 (par
                    défaut&#xa0;: celle par défaut de la source)&#xa0;; un fichier sans
                    elle échoue
  --split-chapters  une sortie par chapitre, «&#xa0;video - 01 Title.mp3&#xa0;», avec le
                    titre et le numéro du chapitre en étiquettes
  --jobs N          fichiers convertis simultanément (par défaut&#xa0;: setup.ini)
  --overwrite       remplace un fichier existant du nom de la sortie&#xa0;; sans
                    cette option, le fichier existant est conservé et la sortie
                    prend le nom libre suivant, «&#xa0;clip (2).mp3&#xa0;»&#xa0;; une source
                    n&apos;est jamais remplacée
  --skip-existing   ne convertit pas un fichier dont la sortie existe déjà
  --name PATTERN    nom du fichier de sortie à partir de {name} {title}
                    {artist} {album} {year} {track} {n}&#xa0;; un champ vide vaut
                    {name} (par défaut {name})
  --keep-tree ROOT  avec --output&#xa0;: les dossiers des sources sous ROOT sont
                    conservés dans le dossier de sortie
  --no-tags         ne copie pas les étiquettes ni la pochette de la source
%2  --loudness LUFS   harmonise le volume sonore de chaque fichier à LUFS
                    (-70 à -5), ou off (par défaut&#xa0;: setup.ini)
  --peaks MODE      là où le gain pour le volume sonore porterait la crête
                    vraie au-dessus de -1 dBTP&#xa0;: limit (un limiteur réduit les
                    crêtes, le volume sonore est atteint) ou lower (tout le
                    fichier reste moins fort) (par défaut&#xa0;: setup.ini, sinon
                    limit)
  --replaygain MODE sans --loudness&#xa0;: laisse le son tel quel et écrit des
                    balises ReplayGain (-18 LUFS)&#xa0;: track (gain et crête de
                    chaque fichier), album (aussi le gain et la crête des
                    fichiers de l&apos;exécution dans le même dossier, écrits une
                    fois le dernier terminé) ou off&#xa0;; avec --loudness, album
                    donne à ces fichiers un seul gain, pour qu&apos;ils gardent leur
                    volume sonore relatif (par défaut&#xa0;: setup.ini, sinon off)
  --preset NOM      les réglages d&apos;un préréglage par-dessus ceux de setup.ini (avant
                    --set et les options ci-dessus)
  --list-presets    lister les préréglages : nom, tabulation, description
  --set SECTION.CLÉ=VALEUR
                    un réglage de setup.ini pour cette exécution (répétable), vérifié
                    comme dans setup.ini : --set mp3.bitrate=192 --set mp3.channels=1
  --files-from FICHIER
                    convertir aussi les fichiers nommés dans FICHIER, un par ligne (-
                    lit l&apos;entrée standard)
  --null, -0        les noms de --files-from se terminent par un octet NUL, comme
                    les écrit find -print0
  --list-formats    lister les formats de sortie : extension, tabulation, nom
  --progress FORME  plain (les lignes ci-dessous) ou json : un objet JSON par ligne sur
                    la sortie standard, {&quot;event&quot;:&quot;start&quot;|&quot;progress&quot;|&quot;end&quot;,
                    &quot;job&quot;:N,...} (voir la page de manuel)
  --watch DOSSIER   convertir chaque vidéo qui apparaît dans DOSSIER (et ses
                    sous-dossiers avec --keep-tree) dès qu&apos;elle ne grossit plus, chaque
                    fichier une fois, même après un redémarrage ; jusqu&apos;à SIGINT ou SIGTERM
  --help            affiche ce texte
  --version         affiche la version

Encodage et volume sonore&#xa0;: paramètres de setup.ini, comme dans la fenêtre.
Une ligne par fichier sur la sortie standard, dans l&apos;ordre de la file&#xa0;:
  ok SOURCE -&gt; OUTPUT (LENGTH)   ou   failed SOURCE: REASON
  avec une cible de volume sonore&#xa0;: ok SOURCE -&gt; OUTPUT (LENGTH, -16.0 LUFS),
  le volume sonore atteint (-inf LUFS pour un fichier sous le seuil de
  -70 LUFS)
  ou   skipped SOURCE: KEPT FILE&#xa0;; noms à caractères de contrôle écrits $&apos;a
b&apos;
Code de sortie&#xa0;: 0 tout converti, 1 des échecs, 2 erreur d&apos;usage, 130 annulé.
</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Try &apos;clipvox --convert --help&apos;.</source>
        <translation>Saisissez «&#xa0;clipvox --convert --help&#xa0;» pour plus d&apos;informations.</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+99"/>
        <location line="+36"/>
        <location line="+277"/>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <location line="-293"/>
        <source>length unknown</source>
        <translation>durée inconnue</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>file %1 of %2, %3%, time left %4</source>
        <translation>fichier %1 sur %2, %3&#xa0;%, temps restant %4</translation>
    </message>
    <message>
        <location line="+182"/>
        <source>License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licence GPL-3.0-or-later&#xa0;: GNU GPL version&#xa0;3 ou ultérieure &lt;https://gnu.org/licenses/gpl.html&gt;.
Ceci est un logiciel libre. Vous êtes libre de le modifier et de le redistribuer.
Ce logiciel n&apos;est accompagné d&apos;ABSOLUMENT AUCUNE GARANTIE, dans les limites
permises par la loi.
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>options other than --help and --version need --convert</source>
        <translation>les options autres que --help et --version exigent --convert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no files to convert</source>
        <translation>aucun fichier à convertir</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>unknown format &quot;%1&quot;</source>
        <translation>format inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--overwrite and --skip-existing exclude each other</source>
        <translation>--overwrite et --skip-existing s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>--loudness needs a whole number from -70 to -5 or off, not &quot;%1&quot;</source>
        <translation>--loudness exige un nombre entier de -70 à -5 ou off, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--peaks needs limit or lower, not &quot;%1&quot;</source>
        <translation>--peaks exige limit ou lower, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--replaygain needs track, album or off, not &quot;%1&quot;</source>
        <translation>--replaygain attend track, album ou off, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--jobs needs a number of at least 1, not &quot;%1&quot;</source>
        <translation>--jobs exige un nombre supérieur ou égal à 1, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--keep-tree needs --output</source>
        <translation>--keep-tree exige --output</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--track needs a number of at least 1, not &quot;%1&quot;</source>
        <translation>--track exige un nombre supérieur ou égal à 1, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>No such file</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Is a folder, not a video file</source>
        <translation>C&apos;est un dossier, pas un fichier vidéo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file cannot be read</source>
        <translation>Impossible de lire le fichier</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>it has no chapters, converted whole</source>
        <translation>aucun chapitre, converti en entier</translation>
    </message>
    <message>
        <location filename="../main/commandline.cpp" line="+10"/>
        <source>Pulls the sound track out of video files.</source>
        <translation>Extrait la piste audio des fichiers vidéo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Videos or folders of videos to queue.</source>
        <translation>Vidéos ou dossiers de vidéos à mettre en file d&apos;attente.</translation>
    </message>
    <message>
        <source>cannot read the list of files &quot;%1&quot;: %2</source>
        <translation>impossible de lire la liste de fichiers « %1 » : %2</translation>
    </message>
    <message>
        <source>--set needs SECTION.KEY=VALUE, not &quot;%1&quot;</source>
        <translation>--set attend SECTION.CLÉ=VALEUR, pas « %1 »</translation>
    </message>
    <message>
        <source>options other than --help, --version, --list-formats and --list-presets need --convert</source>
        <translation>les options autres que --help, --version, --list-formats et --list-presets exigent --convert</translation>
    </message>
    <message>
        <source>--null needs --files-from</source>
        <translation>--null exige --files-from</translation>
    </message>
    <message>
        <source>--progress needs plain or json, not &quot;%1&quot;</source>
        <translation>--progress attend plain ou json, pas « %1 »</translation>
    </message>
    <message>
        <source>unknown preset &quot;%1&quot;; the presets: %2</source>
        <translation>préréglage inconnu « %1 » ; les préréglages : %2</translation>
    </message>
    <message>
        <source>--watch converts what appears in its folder: no files, no --files-from</source>
        <translation>--watch convertit ce qui apparaît dans son dossier : pas de fichiers, pas de --files-from</translation>
    </message>
    <message>
        <source>--watch needs a folder, not &quot;%1&quot;</source>
        <translation>--watch attend un dossier, pas « %1 »</translation>
    </message>
    <message>
        <source>Watching %1 (Ctrl+C ends)</source>
        <translation>Surveillance de %1 (Ctrl+C pour arrêter)</translation>
    </message>
    <message>
        <source>cannot keep what was converted in %1: %2</source>
        <translation>impossible de noter ce qui a été converti dans %1 : %2</translation>
    </message>
    <message>
        <source>--start needs a time hh:mm:ss or -hh:mm:ss, not &quot;%1&quot;</source>
        <translation>--start exige un temps hh:mm:ss ou -hh:mm:ss, et non « %1 »</translation>
    </message>
    <message>
        <source>--end needs a time hh:mm:ss, -hh:mm:ss or max, not &quot;%1&quot;</source>
        <translation>--end exige un temps hh:mm:ss, -hh:mm:ss ou max, et non « %1 »</translation>
    </message>
    <message>
        <source>unknown tag field &quot;%1&quot;; the fields: %2</source>
        <translation>champ d&apos;étiquette inconnu « %1 » ; les champs : %2</translation>
    </message>
    <message>
        <source>the tag field %1 needs a value</source>
        <translation>le champ d&apos;étiquette %1 exige une valeur</translation>
    </message>
    <message>
        <source>the tag field %1 needs a number from 1 to %2, not &quot;%3&quot;</source>
        <translation>le champ d&apos;étiquette %1 exige un nombre de 1 à %2, et non « %3 »</translation>
    </message>
    <message>
        <source>--tags-from-name knows {title} {artist} {album} {year} {track} {genre} {comment}, not {%1}</source>
        <translation>--tags-from-name connaît {title} {artist} {album} {year} {track} {genre} {comment}, et non {%1}</translation>
    </message>
    <message>
        <source>--tags-from-name needs a pattern with a field such as {title}, not &quot;%1&quot;</source>
        <translation>--tags-from-name exige un motif avec un champ comme {title}, et non « %1 »</translation>
    </message>
    <message>
        <source>--tag needs FIELD=VALUE, not &quot;%1&quot;</source>
        <translation>--tag exige CHAMP=VALEUR, et non « %1 »</translation>
    </message>
    <message>
        <source>--number gives the track numbers: no track field besides it</source>
        <translation>--number donne les numéros de piste : pas de champ track en plus</translation>
    </message>
    <message>
        <source>--number numbers the files given, not those --watch finds</source>
        <translation>--number numérote les fichiers donnés, pas ceux que trouve --watch</translation>
    </message>
    <message>
        <source>skipped by the --tags-from-name pattern, its tags kept</source>
        <translation>ignoré par le motif de --tags-from-name, étiquettes gardées</translation>
    </message>
    <message>
        <source>the clip reaches before the source&apos;s start: it is %1 long</source>
        <translation>l&apos;extrait commence avant le début de la source : elle dure %1</translation>
    </message>
    <message>
        <source>the clip&apos;s end comes before its start in a source %1 long</source>
        <translation>la fin de l&apos;extrait précède son début dans une source de %1</translation>
    </message>
    <message>
        <source>the clip reaches past the source&apos;s end: it is %1 long</source>
        <translation>l&apos;extrait dépasse la fin de la source : elle dure %1</translation>
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
        <translation>  --tag CHAMP=VALEUR une étiquette de chaque sortie, à la place de celle de la
                    source (répétable) ; CHAMP : title, artist, album, year,
                    track, genre ou comment
  --number          numéros de piste 1..N dans l&apos;ordre des sorties, avec N pour
                    total là où le format en garde un (pas WMA)
  --tags-from-name MOTIF
                    étiquettes lues dans le nom de chaque source sans extension :
                    « {track} - {title} », « {artist} - {title} » ; un nom que le
                    motif ne reconnaît pas garde ses étiquettes, sa ligne le dit
  --cover FICHIER   l&apos;image FICHIER comme pochette de chaque sortie ; un fichier
                    qui n&apos;est pas une image fait échouer chaque fichier
</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <location filename="../clip/edittime.cpp" line="+17"/>
        <location filename="../core/core.cpp" line="+45"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier valide</translation>
    </message>
</context>
<context>
    <name>Cover</name>
    <message>
        <source>The cover %1 cannot be read: %2</source>
        <translation>La pochette %1 ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>The cover %1 is not a picture</source>
        <translation>La pochette %1 n&apos;est pas une image</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <location filename="../desktop/desktop.cpp" line="+58"/>
        <source>Select a directory to save output files</source>
        <translation>Choisir un dossier où enregistrer les fichiers de sortie</translation>
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
        <translation>Extracteur audio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Convert the sound track of videos into MP3, WMA, WAV, OGG, FLAC, Opus or M4A files</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s Comment</extracomment>
        <translation>Convertir la piste audio de vidéos en fichiers MP3, WMA, WAV, OGG, FLAC, Opus ou M4A</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>audio;video;convert;extract;mp3;ogg;wma;wav;flac;opus;m4a;sound track;</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s Keywords: search words, each ending in ;</extracomment>
        <translation>audio;vidéo;convertir;extraire;piste audio;son;mp3;ogg;wma;wav;flac;opus;m4a;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pull the sound track out of videos into audio files</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s summary</extracomment>
        <translation>Extraire la piste audio de vidéos dans des fichiers audio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clipvox converts the sound track of video files into audio files. Queue your videos, preview each one, trim it to a start and end time, give it tags, pick one output folder and one format, and convert the whole queue while a progress dialog shows how far it has come.</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Clipvox convertit la piste audio de fichiers vidéo en fichiers audio. Mettez vos vidéos en file d&apos;attente, prévisualisez chacune, coupez-la entre un début et une fin, donnez-lui des étiquettes, choisissez un dossier de sortie et un format, puis convertissez toute la file pendant qu&apos;une fenêtre de progression montre où en est la conversion.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reads AVI, MPEG, WMV, ASF, MP4, MKV, WebM, MOV, FLV, MPEG transport streams, VOB, 3GP, OGV and DV</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Lit AVI, MPEG, WMV, ASF, MP4, MKV, WebM, MOV, FLV, les flux de transport MPEG, VOB, 3GP, OGV et DV</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writes MP3, WMA, WAV, OGG, lossless FLAC, Opus or AAC in M4A, each with its encoder parameters</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Écrit MP3, WMA, WAV, OGG, FLAC sans perte, Opus ou AAC en M4A, chacun avec ses paramètres d&apos;encodage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A clip editor with a preview and a sound strip that shows the start of speech and the pauses</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Un éditeur d&apos;extraits avec aperçu et une bande sonore qui montre le début de la parole et les pauses</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Optionally makes the loudness of the whole queue even (EBU R128)</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Égalise au besoin le volume sonore de toute la file (EBU R128)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Converts several files at the same time, and never leaves a half-written file behind</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Convertit plusieurs fichiers en même temps et ne laisse jamais de fichier à moitié écrit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Converts without a window too: clipvox --convert, for scripts and servers</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Convertit aussi sans fenêtre&#xa0;: clipvox --convert, pour les scripts et les serveurs</translation>
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
        <translation>Fréquence (Hz)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+115"/>
        <source>Same as source</source>
        <translation>Identique à la source</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+7"/>
        <source>Bits per sample</source>
        <translation>Bits par échantillon</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+7"/>
        <source>Compression level</source>
        <translation>Niveau de compression</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <location filename="../settings/settingsfile.cpp" line="+227"/>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
</context>
<context>
    <name>JobQueue</name>
    <message>
        <location filename="../main/jobqueue.cpp" line="+229"/>
        <source>No queued file is being edited.</source>
        <translation>Aucun fichier de la file d&apos;attente n&apos;est en cours de modification.</translation>
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
        <translation>Fréquence (Hz)</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+7"/>
        <source>Bitrate (kbps)</source>
        <translation>Débit (kbps)</translation>
    </message>
    <message>
        <location line="+58"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>These names are not UTF-8 and were not added (rename them, or convert them with clipvox --convert):
</source>
        <translation>Ces noms ne sont pas en UTF-8 et n’ont pas été ajoutés (renommez-les ou convertissez-les avec clipvox --convert) :
</translation>
    </message>
    <message>
        <source>These are not regular files and were not added:
</source>
        <translation>Ce ne sont pas des fichiers ordinaires ; ils n’ont pas été ajoutés :
</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d’état</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>No program to show the folder was found. The file is at:
</source>
        <translation>Aucun programme pour afficher le dossier n’a été trouvé. Le fichier se trouve ici :
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
        <translation>File d&apos;attente</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="-141"/>
        <source>Source File</source>
        <translation>Fichier source</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Time</source>
        <translation>Début</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Convert To</source>
        <translation>Convertir en</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output File</source>
        <translation>Fichier de sortie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <location filename="../main/main.ui" line="+53"/>
        <source>Quick Settings</source>
        <translation>Paramètres rapides</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Output &amp;path</source>
        <translation>D&amp;ossier de sortie</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Output path</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+3"/>
        <location line="+3"/>
        <source>Select output path</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Output f&amp;ormat</source>
        <translation>Fo&amp;rmat de sortie</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location line="+115"/>
        <location line="+3"/>
        <source>Audio format settings</source>
        <translation>Paramètres du format audio</translation>
    </message>
    <message>
        <location line="-82"/>
        <source>add files</source>
        <translation>ajouter</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location line="+121"/>
        <source>Add files</source>
        <translation>Ajouter des fichiers</translation>
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
        <translation>retirer</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Remove selected item </source>
        <translation>Retirer l&apos;élément sélectionné </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>edit</source>
        <translation>modifier</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Edit selection</source>
        <translation>Modifier la sélection</translation>
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
        <translation>Lancer la conversion des fichiers</translation>
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
        <translation>paramètres</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>help</source>
        <translation>aide</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Help contents, home page and support</source>
        <translation>Sommaire de l&apos;aide, site web et assistance</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>about</source>
        <translation>à propos</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location filename="../main/main.cpp" line="+351"/>
        <source>About Clipvox</source>
        <translation>À propos de Clipvox</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../main/jobs.cpp" line="+366"/>
        <source>Move Up</source>
        <translation>Monter</translation>
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
        <translation>Descendre</translation>
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
        <translation>Retirer</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../main/jobs.cpp" line="+29"/>
        <source>Remove All</source>
        <translation>Tout retirer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Edit Selection...</source>
        <translation>Modifier la sélection...</translation>
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
        <translation>Sommaire de l&apos;aide...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Homepage</source>
        <translation>Site web</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Technical Support</source>
        <translation>Assistance technique</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tip of the Day</source>
        <translation>Astuce du jour</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="-68"/>
        <source>the source&apos;s default</source>
        <translation>la piste par défaut de la source</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1
Sound track: %2</source>
        <translation>%1
Piste audio&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
Chapter %1: %2</source>
        <translation>
Chapitre %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../main/chapters.cpp" line="+12"/>
        <location line="+43"/>
        <source>Split into chapters</source>
        <translation>Découper en chapitres</translation>
    </message>
    <message>
        <location filename="../main/jobs.cpp" line="-352"/>
        <source>MPEG files</source>
        <translation>Fichiers MPEG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WMV files</source>
        <translation>Fichiers WMV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AVI files</source>
        <translation>Fichiers AVI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ASF files</source>
        <translation>Fichiers ASF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MP4 files</source>
        <translation>Fichiers MP4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MKV files</source>
        <translation>Fichiers MKV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WebM files</source>
        <translation>Fichiers WebM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOV files</source>
        <translation>Fichiers MOV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FLV files</source>
        <translation>Fichiers FLV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MPEG transport streams</source>
        <translation>Flux de transport MPEG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>VOB files</source>
        <translation>Fichiers VOB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3GP files</source>
        <translation>Fichiers 3GP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OGV files</source>
        <translation>Fichiers OGV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DV files</source>
        <translation>Fichiers DV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DivX files</source>
        <translation>Fichiers DivX</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Open Video Files</source>
        <translation>Ouvrir des fichiers vidéo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All supported files</source>
        <translation>Tous les fichiers pris en charge</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message numerus="yes">
        <location line="+77"/>
        <source>%n file(s) already in the queue not added again</source>
        <translation>
            <numerusform>%n fichier déjà dans la file d&apos;attente, non ajouté à nouveau</numerusform>
            <numerusform>%n fichiers déjà dans la file d&apos;attente, non ajoutés à nouveau</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n file(s) without a video&apos;s name not added</source>
        <translation>
            <numerusform>%n fichier sans nom de vidéo non ajouté</numerusform>
            <numerusform>%n fichiers sans nom de vidéo non ajoutés</numerusform>
        </translation>
    </message>
    <message>
        <location line="+21"/>
        <source>These files do not exist and were not added:
</source>
        <translation>Ces fichiers n&apos;existent pas et n&apos;ont pas été ajoutés&#xa0;:
</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Already in the queue:
%1

Add again?</source>
        <translation>Déjà dans la file d&apos;attente&#xa0;:
%1

Ajouter à nouveau&#xa0;?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <location line="+201"/>
        <source>Failed: %1</source>
        <translation>Échec&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written: %1</source>
        <translation>Écrit&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skipped: %1</source>
        <translation>Ignoré&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="-16"/>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <location filename="../main/main.cpp" line="-215"/>
        <source>Copy reason</source>
        <translation>Copier la raison</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show in folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>The queue could not be saved: %1</source>
        <translation>La file d&apos;attente n&apos;a pas pu être enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Files...</source>
        <translation>Ajouter des fichiers...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Folder...</source>
        <translation>Ajouter un dossier...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Edit Clip...</source>
        <translation>Modifier l&apos;extrait...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Settings...</source>
        <translation>Paramètres...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Queue</source>
        <translation>F&amp;ile d&apos;attente</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Show Progress</source>
        <translation>Afficher la progression</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User Guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>A conversion is still running. Stop it and quit?</source>
        <translation>Une conversion est en cours. L&apos;arrêter et quitter&#xa0;?</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>Edit Clip</source>
        <translation>Modifier l&apos;extrait</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>No program to open the user guide was found. The user guide is at:
</source>
        <translation>Aucun programme n&apos;a été trouvé pour ouvrir le guide de l&apos;utilisateur. Il se trouve ici&#xa0;:
</translation>
    </message>
    <message>
        <location filename="../main/run.cpp" line="+39"/>
        <location line="+2"/>
        <source>Show progress</source>
        <translation>Afficher la progression</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Show progress (%1)</source>
        <translation>Afficher la progression (%1)</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="+1"/>
        <source>Converting...</source>
        <translation>Conversion...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>100%</source>
        <translation>100&#xa0;%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skipped</source>
        <translation>Ignoré</translation>
    </message>
    <message>
        <location filename="../main/runcontroller.cpp" line="+120"/>
        <source>Loudness %1 LUFS</source>
        <translation>Volume sonore %1 LUFS</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Task complete!</source>
        <translation>Tâche terminée&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
%1 of %2 %3 could not be converted; %4 Status says why.</source>
        <translation>
Échec de la conversion pour %1 sur %2 %3&#xa0;; la colonne État en donne %4.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>files</source>
        <translation>fichiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its</source>
        <translation>la raison</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>their</source>
        <translation>les raisons</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>The source is cut short: it ended at %1</source>
        <translation>La source est tronquée : elle s’arrête à %1</translation>
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
        <translation>stéréo</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>There is no WMA profile %1</source>
        <translation>Il n&apos;y a pas de profil WMA %1</translation>
    </message>
    <message>
        <location filename="../media/tags.cpp" line="+314"/>
        <source>File not found: %1</source>
        <translation>Fichier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tags can be written to MP3, OGG, WMA, FLAC, Opus and M4A files only: %1</source>
        <translation>Les étiquettes ne peuvent être écrites que dans les fichiers MP3, OGG, WMA, FLAC, Opus et M4A&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot write the tags of %1</source>
        <translation>Impossible d&apos;écrire les étiquettes de %1</translation>
    </message>
    <message>
        <location filename="../media/audiowriters.cpp" line="+22"/>
        <location line="+121"/>
        <source>Cannot create %1 (%2)</source>
        <translation>Impossible de créer %1 (%2)</translation>
    </message>
    <message>
        <location filename="../formats/mp3/mp3format.cpp" line="+21"/>
        <source>Unknown MP3 channel mode %1</source>
        <translation>Mode de canaux MP3 %1 inconnu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MP3 encoder takes mono or stereo input only</source>
        <translation>L&apos;encodeur MP3 n&apos;accepte qu&apos;une entrée mono ou stéréo</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The MP3 encoder refuses %1 Hz at %2 kbps</source>
        <translation>L&apos;encodeur MP3 refuse %1 Hz à %2 kbps</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The input format cannot change after samples were written</source>
        <translation>Le format d&apos;entrée ne peut plus changer une fois des échantillons écrits</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The MP3 encoder failed</source>
        <translation>L&apos;encodeur MP3 a échoué</translation>
    </message>
    <message>
        <location filename="../formats/ogg/oggformat.cpp" line="+46"/>
        <source>The OGG encoder refuses this format</source>
        <translation>L&apos;encodeur OGG refuse ce format</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../formats/wav/wavformat.cpp" line="+47"/>
        <location filename="../media/audiowriters.cpp" line="-44"/>
        <source>Cannot take input of %1 Hz, %2 channels</source>
        <translation>Impossible d&apos;accepter une entrée de %1 Hz, %2 canaux</translation>
    </message>
    <message>
        <location filename="../formats/wma/wmaformat.cpp" line="-92"/>
        <source>No WMA encoder</source>
        <translation>Aucun encodeur WMA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The WMA encoder refuses %1 kbps at %2 Hz</source>
        <translation>L&apos;encodeur WMA refuse %1 kbps à %2 Hz</translation>
    </message>
    <message>
        <location filename="../formats/flac/flacformat.cpp" line="+252"/>
        <location filename="../media/audiowriters.cpp" line="+102"/>
        <source>Cannot write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <location line="-175"/>
        <location line="+8"/>
        <location filename="../media/audiowriters.cpp" line="-47"/>
        <location line="+67"/>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <location filename="../formats/wma/wmaformat.cpp" line="+4"/>
        <source>The WMA encoder failed</source>
        <translation>L&apos;encodeur WMA a échoué</translation>
    </message>
    <message>
        <location filename="../formats/flac/flacformat.cpp" line="+17"/>
        <source>The FLAC encoder refuses %1 Hz, %2 channels, %3 bits</source>
        <translation>L&apos;encodeur FLAC refuse %1 Hz, %2 canaux, %3 bits</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+13"/>
        <location line="+79"/>
        <source>The FLAC encoder failed</source>
        <translation>L&apos;encodeur FLAC a échoué</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The FLAC encoder failed (%1)</source>
        <translation>L&apos;encodeur FLAC a échoué (%1)</translation>
    </message>
    <message>
        <location filename="../formats/opus/opusformat.cpp" line="+54"/>
        <source>The Opus encoder failed (%1)</source>
        <translation>L&apos;encodeur Opus a échoué (%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+43"/>
        <source>The Opus encoder failed</source>
        <translation>L&apos;encodeur Opus a échoué</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>The Opus encoder refuses %1 kbps</source>
        <translation>L&apos;encodeur Opus refuse %1 kbps</translation>
    </message>
    <message>
        <location filename="../formats/m4a/m4aformat.cpp" line="+34"/>
        <source>No AAC encoder</source>
        <translation>Aucun encodeur AAC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The AAC encoder refuses %1 kbps at %2 Hz</source>
        <translation>L&apos;encodeur AAC refuse %1 kbps à %2 Hz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The AAC encoder failed</source>
        <translation>L&apos;encodeur AAC a échoué</translation>
    </message>
    <message>
        <location filename="../formats/ogg/oggformat.cpp" line="+172"/>
        <source>The OGG minimum bit rate %1 kbps is above the maximum %2 kbps</source>
        <translation>Le débit minimal OGG de %1 kbps dépasse le maximum de %2 kbps</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The OGG encoder refuses %1 Hz, %2 channels at these bit rates</source>
        <translation>L&apos;encodeur OGG refuse %1 Hz, %2 canaux à ces débits</translation>
    </message>
    <message>
        <location filename="../formats/flac/flacformat.cpp" line="+75"/>
        <source>FLAC takes 1 or 2 channels, 16 or 24 bits and compression 0 to 8, not %1 Hz, %2 channels, %3 bits, compression %4</source>
        <translation>FLAC accepte 1 ou 2 canaux, 16 ou 24 bits et une compression de 0 à 8, et non %1 Hz, %2 canaux, %3 bits, compression %4</translation>
    </message>
    <message>
        <location filename="../formats/opus/opusformat.cpp" line="+86"/>
        <source>Opus takes 32 to 256 kbps and 1 or 2 channels, not %1 kbps, %2 channels</source>
        <translation>Opus accepte de 32 à 256 kbps et 1 ou 2 canaux, et non %1 kbps, %2 canaux</translation>
    </message>
    <message>
        <location filename="../formats/m4a/m4aformat.cpp" line="+74"/>
        <source>M4A takes 44100 or 48000 Hz, 64 to 320 kbps and 1 or 2 channels, not %1 Hz, %2 kbps, %3 channels</source>
        <translation>M4A accepte 44100 ou 48000 Hz, de 64 à 320 kbps et 1 ou 2 canaux, et non %1 Hz, %2 kbps, %3 canaux</translation>
    </message>
    <message>
        <location filename="../media/avinput.cpp" line="+215"/>
        <source>Source file not found: %1</source>
        <translation>Fichier source introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+27"/>
        <source>Cannot read the source file: %1</source>
        <translation>Impossible de lire le fichier source&#xa0;: %1</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+8"/>
        <source>Not a media file (the file is empty): %1</source>
        <translation>Ce n&apos;est pas un fichier multimédia (le fichier est vide)&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Out of memory opening %1</source>
        <translation>Mémoire insuffisante à l&apos;ouverture de %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+18"/>
        <location filename="../media/sourceinfo.cpp" line="+236"/>
        <location line="+3"/>
        <location filename="../media/videoedit.cpp" line="+545"/>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+17"/>
        <source>Not a media file: %1</source>
        <translation>Ce n&apos;est pas un fichier multimédia&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../media/medialength.cpp" line="+26"/>
        <location filename="../media/sourceinfo.cpp" line="+37"/>
        <location filename="../media/waveform.cpp" line="+113"/>
        <source>The length of %1 is unknown</source>
        <translation>La durée de %1 est inconnue</translation>
    </message>
    <message>
        <location filename="../media/previewplayer.cpp" line="+107"/>
        <source>The preview cannot draw with this display&apos;s OpenGL: %1</source>
        <translation>L&apos;aperçu ne peut pas s&apos;afficher avec l&apos;OpenGL de cet écran&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>Playback of &apos;%1&apos; failed: %2</source>
        <translation>La lecture de «&#xa0;%1&#xa0;» a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file ended unexpectedly</source>
        <translation>fin de fichier inattendue</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>loading stopped</source>
        <translation>chargement interrompu</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+114"/>
        <source>Cannot open file &apos;%1&apos;: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Playback of &apos;%1&apos; stopped at %2 s of its %3 s: the rest of the file cannot be read</source>
        <translation>La lecture de «&#xa0;%1&#xa0;» s&apos;est arrêtée à %2 s sur %3 s&#xa0;: la suite du fichier est illisible</translation>
    </message>
    <message>
        <location filename="../media/sourceinfo.cpp" line="-268"/>
        <source>%1 channels</source>
        <translation>%1 canaux</translation>
    </message>
    <message>
        <location filename="../media/outputfile.cpp" line="+87"/>
        <source>Cannot write the output file %1 (%2)</source>
        <translation>Impossible d&apos;écrire le fichier de sortie %1 (%2)</translation>
    </message>
    <message>
        <location filename="../media/videoedit.cpp" line="-424"/>
        <location filename="../media/waveform.cpp" line="-19"/>
        <source>No decoder for the sound of %1</source>
        <translation>Aucun décodeur pour le son de %1</translation>
    </message>
    <message>
        <location filename="../media/sourceinfo.cpp" line="+280"/>
        <location filename="../media/videoedit.cpp" line="+2"/>
        <location line="+538"/>
        <source>Stream %1 of %2 is no sound track</source>
        <translation>Le flux %1 de %2 n&apos;est pas une piste audio</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../media/videoedit.cpp" line="-537"/>
        <location line="+538"/>
        <location filename="../media/waveform.cpp" line="-2"/>
        <source>No audio stream in %1</source>
        <translation>Aucun flux audio dans %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../media/videoedit.cpp" line="-531"/>
        <location line="+3"/>
        <location line="+533"/>
        <location filename="../media/waveform.cpp" line="+9"/>
        <location line="+3"/>
        <source>Cannot decode the sound of %1</source>
        <translation>Impossible de décoder le son de %1</translation>
    </message>
    <message>
        <location filename="../media/videoedit.cpp" line="-521"/>
        <location line="+101"/>
        <source>No sound could be decoded from %1</source>
        <translation>Aucun son n&apos;a pu être décodé depuis %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The clip holds no sound</source>
        <translation>L&apos;extrait ne contient aucun son</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The source ended at %1 of %2</source>
        <translation>La source s&apos;est terminée à %1 sur %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Input ended early: %1 holds %2 s of the %3 s asked for</source>
        <translation>Entrée terminée trop tôt&#xa0;: %1 contient %2 s sur les %3 s demandées</translation>
    </message>
    <message>
        <location line="+131"/>
        <location line="+41"/>
        <location line="+14"/>
        <source>Cannot convert the sound of %1</source>
        <translation>Impossible de convertir le son de %1</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>Cannot convert the sound to %1 Hz, %2 channels</source>
        <translation>Impossible de convertir le son en %1 Hz, %2 canaux</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The sound could not be extracted from the video</source>
        <translation>Le son n&apos;a pas pu être extrait de la vidéo</translation>
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
        <translation>Fréquence (Hz)</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Joint Stereo</source>
        <translation>Stéréo jointe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Forced Joint Stereo</source>
        <translation>Stéréo jointe forcée</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dual Channels</source>
        <translation>Double canal</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+7"/>
        <source>Bitrate (kbps)</source>
        <translation>Débit (kbps)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Enable VBR</source>
        <translation>Activer le VBR</translation>
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
        <translation>Débit max. (kbps)</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+7"/>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
</context>
<context>
    <name>Notify</name>
    <message>
        <location filename="../desktop/notify.cpp" line="+12"/>
        <source>%1 %2 converted, %3 failed</source>
        <translation>%1 %2, %3 en échec</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>file</source>
        <translation>fichier converti</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>files</source>
        <translation>fichiers convertis</translation>
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
        <translation>Fréquence (Hz)</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+7"/>
        <source>Normal Bitrate (kbps)</source>
        <translation>Débit nominal (kbps)</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>VBR Enabled</source>
        <translation>VBR activé</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quality Enabled</source>
        <translation>Qualité activée</translation>
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
        <translation>Débit min.</translation>
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
        <translation>Débit max.</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Quality(Compression)</source>
        <translation>Qualité (compression)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+7"/>
        <source>Quality</source>
        <translation>Qualité</translation>
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
        <translation>Débit (kbps)</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Enable VBR</source>
        <translation>Activer le VBR</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Frequency (Hz)</source>
        <translation>Fréquence (Hz)</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <location filename="../progress/execute.ui" line="+6"/>
        <source>Converting</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+5"/>
        <source>File progress</source>
        <translation>Progression du fichier</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+5"/>
        <source>Total progress</source>
        <translation>Progression totale</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Time elapsed:</source>
        <translation>Temps écoulé :</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Time elapsed</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Time left:</source>
        <translation>Temps restant :</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Time left</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../progress/execute.cpp" line="+85"/>
        <source>File progress %1</source>
        <translation>Progression du fichier %1</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Convert %1 to %2...</source>
        <translation>Conversion de %1 en %2...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Convert file %1 of total %2 file(s)</source>
        <translation>Conversion du fichier %1 sur %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Measuring loudness...</source>
        <translation>Mesure de la sonie...</translation>
    </message>
</context>
<context>
    <name>QueueStore</name>
    <message>
        <source>The clip&apos;s times in the saved queue were not times</source>
        <translation>Les temps de l’extrait dans la file enregistrée n’étaient pas des temps</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>plus grand que %1 Mo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location filename="../main/queuestore.cpp" line="+137"/>
        <source>The start time &quot;%1&quot; is not a time (hh:mm:ss)</source>
        <translation>Le début «&#xa0;%1&#xa0;» n&apos;est pas un temps valide (hh:mm:ss)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Unable to create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>not a Clipvox queue</source>
        <translation>pas une file d&apos;attente Clipvox</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a job without its source or output</source>
        <translation>une tâche sans source ni sortie</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>the source no longer exists</source>
        <translation>la source n&apos;existe plus</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The saved queue could not be read (%1). %2 The queue starts empty.</source>
        <translation>La file d&apos;attente enregistrée n&apos;a pas pu être lue (%1). %2 La file d&apos;attente commence vide.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It was kept as %1.</source>
        <translation>Elle a été conservée sous %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <source>It was left at %1 and will not be saved over.</source>
        <translation>Elle reste à %1 et ne sera pas écrasée.</translation>
    </message>
</context>
<context>
    <name>RunActivity</name>
    <message>
        <location filename="../desktop/runactivity.cpp" line="+18"/>
        <source>Converting</source>
        <translation>Conversion</translation>
    </message>
</context>
<context>
    <name>RunEngine</name>
    <message numerus="yes">
        <source>%n damaged samples far beyond full scale were clipped</source>
        <translation>
            <numerusform>%n échantillon endommagé bien au-delà de la pleine échelle a été écrêté</numerusform>
            <numerusform>%n échantillons endommagés bien au-delà de la pleine échelle ont été écrêtés</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/encodestep.cpp" line="+72"/>
        <source>The encoder does not accept the output settings</source>
        <translation>L&apos;encodeur n&apos;accepte pas les paramètres de sortie</translation>
    </message>
    <message>
        <location filename="../formats/mp3/mp3format.cpp" line="+77"/>
        <source>Encoded at %1 kbps: MP3 at %2 Hz cannot carry %3 kbps</source>
        <translation>Encodé à %1 kbps&#xa0;: le MP3 à %2 Hz ne permet pas %3 kbps</translation>
    </message>
    <message>
        <location filename="../formats/ogg/oggformat.cpp" line="-31"/>
        <source>Incorrect format: the OGG encoder does not accept %1 Hz, %2 channel(s), %3 kbps (minimum %4, maximum %5)</source>
        <translation>Format incorrect&#xa0;: l&apos;encodeur OGG n&apos;accepte pas %1 Hz, %2 canal(aux), %3 kbps (minimum %4, maximum %5)</translation>
    </message>
    <message>
        <location filename="../formats/wav/wavformat.cpp" line="+79"/>
        <source>WAV takes 8, 16 or 24 bits, not %1 Hz, %2 channels, %3 bits</source>
        <translation>WAV accepte 8, 16 ou 24 bits, et non %1 Hz, %2 canaux, %3 bits</translation>
    </message>
    <message>
        <location filename="../engine/encodestep.cpp" line="-5"/>
        <source>The output format is not one Clipvox knows</source>
        <translation>Clipvox ne connaît pas ce format de sortie</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>The output could not be read back: %1</source>
        <translation>Impossible de relire le fichier de sortie : %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No sound track %1: the source has no sound</source>
        <translation>Pas de piste audio %1&#xa0;: la source n&apos;a pas de son</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No sound track %1: the source has %2</source>
        <translation>Pas de piste audio %1&#xa0;: la source n&apos;en a que %2</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>The clip starts at %1 s, after the end of the source (%2 s)</source>
        <translation>L&apos;extrait commence à %1 s, après la fin de la source (%2 s)</translation>
    </message>
    <message>
        <location line="+379"/>
        <source>The clip holds no sound</source>
        <translation>L&apos;extrait ne contient aucun son</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>True peak %1 dBTP, over -1 dBTP</source>
        <translation>Crête vraie %1 dBTP, au-dessus de -1 dBTP</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>The tags could not be written: %1</source>
        <translation>Les étiquettes n&apos;ont pas pu être écrites&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../engine/runengine.cpp" line="+93"/>
        <source>Cannot create a file in %1: %2</source>
        <translation>Impossible de créer un fichier dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>%1 is a source of this run and was kept</source>
        <translation>%1 est une source de cette conversion et a été conservé</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+3"/>
        <source>%1 exists and was kept</source>
        <translation>%1 existe et a été conservé</translation>
    </message>
    <message>
        <location line="+186"/>
        <source>The album&apos;s ReplayGain could not be written: %1</source>
        <translation>Le ReplayGain de l&apos;album n&apos;a pas pu être écrit&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Cannot measure the length of the source: %1</source>
        <translation>Impossible de mesurer la durée de la source&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown reason</source>
        <translation>raison inconnue</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The clip&apos;s start (%1) is past the end of the source (%2 s)</source>
        <translation>Le début de l&apos;extrait (%1) dépasse la fin de la source (%2 s)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The clip&apos;s end (%1) is not after its start (%2)</source>
        <translation>La fin de l&apos;extrait (%1) n&apos;est pas postérieure à son début (%2)</translation>
    </message>
    <message>
        <location line="-75"/>
        <source>Incorrect format</source>
        <translation>Format incorrect</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 appeared during the run and was kept</source>
        <translation>%1 est apparu pendant la conversion et a été conservé</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>The file name knows {name} {title} {artist} {album} {year} {track} {n} and {chapter}, not %1.</source>
        <translation>Le nom de fichier connaît {name} {title} {artist} {album} {year} {track} {n} et {chapter}, pas %1.</translation>
    </message>
    <message>
        <location filename="../settings/setting.ui" line="+14"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+9"/>
        <source>Output Directory</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+9"/>
        <source>Output Format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Convert up to</source>
        <translation>Convertir jusqu&apos;à</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Files converted at the same time</source>
        <translation>Fichiers convertis simultanément</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>files at the same time</source>
        <translation>fichiers simultanément</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Make loudness even:</source>
        <translation>Harmoniser le volume sonore :</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Make loudness even</source>
        <translation>Harmoniser le volume sonore</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Off</source>
        <translation>Désactivé</translation>
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
        <translation>Balises ReplayGain</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Peaks over -1 dBTP:</source>
        <translation>Crêtes au-dessus de -1 dBTP :</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Peaks over -1 dBTP</source>
        <translation>Crêtes au-dessus de -1 dBTP</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Limit the peaks: every clip reaches the loudness chosen. Lower the whole clip: nothing is limited, and clips with high peaks stay quieter.</source>
        <translation>Limiter les crêtes&#xa0;: chaque extrait atteint le volume sonore choisi. Baisser tout l&apos;extrait&#xa0;: rien n&apos;est limité, et les extraits aux crêtes élevées restent moins forts.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lower the whole clip</source>
        <translation>Baisser tout l&apos;extrait</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Limit the peaks</source>
        <translation>Limiter les crêtes</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Save to:</source>
        <translation>Enregistrer dans :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save to</source>
        <translation>Enregistrer dans</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The output folder</source>
        <translation>Le dossier de sortie</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Beside each source</source>
        <translation>À côté de chaque source</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The output folder, keeping the sources&apos; folders</source>
        <translation>Le dossier de sortie, en gardant les dossiers des sources</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>File name:</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{name} {title} {artist} {album} {year} {track} {n}; one with nothing to give is {name}</source>
        <translation>{name} {title} {artist} {album} {year} {track} {n}&#xa0;; un champ vide vaut {name}</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>If the output file exists:</source>
        <translation>Si le fichier de sortie existe :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>If the output file exists</source>
        <translation>Si le fichier de sortie existe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Replace it</source>
        <translation>Le remplacer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keep both (add a number)</source>
        <translation>Garder les deux (ajouter un numéro)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Skip the file</source>
        <translation>Ignorer le fichier</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Copy tags and cover from the source</source>
        <translation>Copier les étiquettes et la pochette de la source</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SoundStrip</name>
    <message>
        <location filename="../clip/soundstrip.cpp" line="+152"/>
        <source>No sound</source>
        <translation>Aucun son</translation>
    </message>
</context>
<context>
    <name>TimeEntryDialog</name>
    <message>
        <location filename="../clip/edittime.ui" line="+14"/>
        <location line="+18"/>
        <source>Edit Time</source>
        <translation>Modifier les temps</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Hours</source>
        <translation>&amp;Heures</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Minutes</source>
        <translation>&amp;Minutes</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>S&amp;econds</source>
        <translation>S&amp;econdes</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Start at</source>
        <translation>&amp;Début à</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Start hours</source>
        <translation>Heures de début</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Start minutes</source>
        <translation>Minutes de début</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Start seconds</source>
        <translation>Secondes de début</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>S&amp;top at</source>
        <translation>&amp;Fin à</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Stop hours</source>
        <translation>Heures de fin</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Stop minutes</source>
        <translation>Minutes de fin</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Stop seconds</source>
        <translation>Secondes de fin</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../clip/edittime.cpp" line="+69"/>
        <source>Start time should not be negative.</source>
        <translation>Le début ne doit pas être négatif.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start time should be less than total duration.</source>
        <translation>Le début doit être inférieur à la durée totale.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stop time should not be negative.</source>
        <translation>La fin ne doit pas être négative.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop time should be less than total duration.</source>
        <translation>La fin doit être inférieure à la durée totale.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start time should not be later than stop time.</source>
        <translation>Le début ne doit pas être postérieur à la fin.</translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <location filename="../extras/tip.ui" line="+14"/>
        <source>Tip of the Day</source>
        <translation>Astuce du jour</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Light bulb</source>
        <translation>Ampoule</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Did you know...</source>
        <translation>Le saviez-vous...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tip</source>
        <translation>Astuce</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Show Tips on Startup</source>
        <translation>Afficher les astuces au démarrage</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Next Tip</source>
        <translation>Astuce suivante</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../extras/tip.cpp" line="+83"/>
        <source>No tips available.</source>
        <translation>Aucune astuce disponible.</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <location filename="../clip/updown.cpp" line="+18"/>
        <source>One more</source>
        <translation>Un de plus</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>One less</source>
        <translation>Un de moins</translation>
    </message>
</context>
<context>
    <name>WavPage</name>
    <message>
        <source>Same as source</source>
        <translation>Comme la source</translation>
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
        <translation>Fréquence (Hz)</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+7"/>
        <source>Bits per sample</source>
        <translation>Bits par échantillon</translation>
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
        <translation>Profil WMA</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>one of %1</source>
        <translation>une valeur parmi %1</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un nombre entier</translation>
    </message>
    <message>
        <source>unknown setting &quot;%1.%2&quot;; the settings: %3</source>
        <translation>réglage inconnu « %1.%2 » ; les réglages : %3</translation>
    </message>
    <message>
        <source>%1.%2 takes %3, not &quot;%4&quot;</source>
        <translation>%1.%2 accepte %3, pas « %4 »</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Speech and podcasts: MP3 mono 64 kbps, loudness even at -16 LUFS</source>
        <translation>Voix et podcasts : MP3 mono 64 kbit/s, sonie égalisée à -16 LUFS</translation>
    </message>
    <message>
        <source>Music: OGG Vorbis quality 6, ReplayGain album tags, sound unchanged</source>
        <translation>Musique : OGG Vorbis qualité 6, balises ReplayGain d&apos;album, son inchangé</translation>
    </message>
    <message>
        <source>Archive: FLAC at the source&apos;s rate and sample size, sound unchanged</source>
        <translation>Archive : FLAC à la fréquence et à la taille d&apos;échantillon de la source, son inchangé</translation>
    </message>
    <message>
        <source>Phone: AAC in M4A 128 kbps, loudness even at -16 LUFS</source>
        <translation>Téléphone : AAC en M4A 128 kbit/s, sonie égalisée à -16 LUFS</translation>
    </message>
    <message>
        <source>Editing: WAV 48 kHz 24-bit stereo, sound unchanged</source>
        <translation>Montage : WAV 48 kHz 24 bits stéréo, son inchangé</translation>
    </message>
    <message>
        <source>Preset file %1 skipped: %2</source>
        <translation>Fichier de préréglage %1 ignoré : %2</translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation>Un préréglage doit avoir un nom.</translation>
    </message>
    <message>
        <source>A preset&apos;s name has at most %1 characters.</source>
        <translation>Le nom d&apos;un préréglage compte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot start with a dot or a space, nor hold &quot;/&quot; or control characters.</source>
        <translation>Le nom d&apos;un préréglage ne peut pas commencer par un point ou une espace, ni contenir « / » ou des caractères de contrôle.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>il est trop volumineux</translation>
    </message>
    <message>
        <source>line %1 is no section, key or comment</source>
        <translation>la ligne %1 n&apos;est ni une section, ni une clé, ni un commentaire</translation>
    </message>
    <message>
        <source>it sets nothing</source>
        <translation>il ne règle rien</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>Un préréglage nommé « %1 » existe déjà.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is read-only.</source>
        <translation>Le préréglage « %1 » est en lecture seule.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be renamed: %2</source>
        <translation>Le préréglage « %1 » n&apos;a pas pu être renommé : %2</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>Le préréglage « %1 » n&apos;a pas pu être supprimé.</translation>
    </message>
</context>
<context>
    <name>PresetBar</name>
    <message>
        <source>Pre&amp;set</source>
        <translation>Préré&amp;glage</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Préréglage</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>Save, rename or delete presets</source>
        <translation>Enregistrer, renommer ou supprimer des préréglages</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renommer...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>%1 (modified)</source>
        <translation>%1 (modifié)</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Enregistrer le préréglage</translation>
    </message>
    <message>
        <source>Name of the new preset:</source>
        <translation>Nom du nouveau préréglage :</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is read-only: choose another name.</source>
        <translation>Le préréglage « %1 » est en lecture seule : choisissez un autre nom.</translation>
    </message>
    <message>
        <source>Replace the preset &quot;%1&quot;?</source>
        <translation>Remplacer le préréglage « %1 » ?</translation>
    </message>
    <message>
        <source>Rename preset</source>
        <translation>Renommer le préréglage</translation>
    </message>
    <message>
        <source>New name of the preset:</source>
        <translation>Nouveau nom du préréglage :</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>Un préréglage nommé « %1 » existe déjà.</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>Supprimer le préréglage</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>Supprimer le préréglage « %1 » ?</translation>
    </message>
</context>
<context>
    <name>WhenDone</name>
    <message>
        <source>When &amp;done</source>
        <translation>&amp;Ensuite</translation>
    </message>
    <message>
        <source>When done</source>
        <translation>Ensuite</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Ne rien faire</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>Ouvrir le dossier de sortie</translation>
    </message>
    <message>
        <source>Quit Clipvox</source>
        <translation>Quitter Clipvox</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Mettre en veille</translation>
    </message>
    <message>
        <source>Power off</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>What follows a run that was not cancelled</source>
        <translation>Ce qui suit une conversion qui n&apos;a pas été annulée</translation>
    </message>
</context>
<context>
    <name>WhenDoneNotice</name>
    <message>
        <source>Power off now</source>
        <translation>Éteindre maintenant</translation>
    </message>
    <message>
        <source>Suspend now</source>
        <translation>Mettre en veille maintenant</translation>
    </message>
    <message numerus="yes">
        <source>The conversion is done. The computer powers off in %n seconds.</source>
        <translation>
            <numerusform>La conversion est terminée. L&apos;ordinateur s&apos;éteint dans %n seconde.</numerusform>
            <numerusform>La conversion est terminée. L&apos;ordinateur s&apos;éteint dans %n secondes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The conversion is done. The computer suspends in %n seconds.</source>
        <translation>
            <numerusform>La conversion est terminée. L&apos;ordinateur se met en veille dans %n seconde.</numerusform>
            <numerusform>La conversion est terminée. L&apos;ordinateur se met en veille dans %n secondes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SystemPower</name>
    <message>
        <source>The system did not do it: %1</source>
        <translation>Le système ne l&apos;a pas fait : %1</translation>
    </message>
</context>
</TS>
