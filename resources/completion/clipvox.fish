# SPDX-License-Identifier: GPL-3.0-or-later
# Fish completion for clipvox: its options, the values they take, and video files or folders
# (a folder queues its videos) as arguments.

function __clipvox_videos
    set -l token (commandline -ct)
    for path in (__fish_complete_path $token)
        set path (string split -m1 \t -- $path)[1]
        if string match -q -- '*/' $path
            or string match -qir -- '\.(avi|mpg|mpeg|wmv|asf|mp4|m4v|mkv|webm|mov|flv|ts|mts|m2ts|vob|3gp|ogv|dv|divx)$' $path
            echo $path
        end
    end
end

complete -c clipvox -f -a '(__clipvox_videos)'
complete -c clipvox -l convert -d 'Convert without a window'
complete -c clipvox -l format -x -a 'mp3 wma wav ogg flac opus m4a' -d 'Output format'
complete -c clipvox -l output -x -a '(__fish_complete_directories)' -d 'Folder for the outputs'
complete -c clipvox -l start -x -d 'Start of the clip (hh:mm:ss, -hh:mm:ss from the end)'
complete -c clipvox -l end -x -d 'End of the clip (hh:mm:ss, -hh:mm:ss from the end, or max)'
complete -c clipvox -l track -x -d 'Sound track to convert, from 1'
complete -c clipvox -l split-chapters -d 'One output per chapter'
complete -c clipvox -l jobs -x -d 'Files converted at the same time'
complete -c clipvox -l overwrite -d "Replace existing files of the output's name"
complete -c clipvox -l skip-existing -d 'Leave a file whose output exists unconverted'
complete -c clipvox -l name -x -d 'Output file name pattern'
complete -c clipvox -l keep-tree -x -a '(__fish_complete_directories)' -d "Keep the sources' folders below this one"
complete -c clipvox -l no-tags -d 'Do not copy tags and cover'
complete -c clipvox -l tag -x -a 'title= artist= album= year= track= genre= comment=' -d 'A tag of every output (field=value)'
complete -c clipvox -l number -d 'Track numbers 1..N in the order given'
complete -c clipvox -l tags-from-name -x -d 'Tags out of the file names ({track} - {title})'
complete -c clipvox -l cover -r -F -d 'Picture as the cover of every output'
complete -c clipvox -l loudness -x -a 'off' -d 'Loudness target in LUFS (-70 to -5), or off'
complete -c clipvox -l peaks -x -a 'limit lower' -d 'How true peaks over -1 dBTP are handled'
complete -c clipvox -l replaygain -x -a 'track album off' -d 'ReplayGain tags instead of changing the sound'
complete -c clipvox -l set -x -d 'One setting of setup.ini for this run (section.key=value)'
complete -c clipvox -l files-from -r -F -d 'Convert the files named in this list too'
complete -c clipvox -l null -s 0 -d 'The names of --files-from end with a NUL byte'
complete -c clipvox -l preset -x -a '(clipvox --list-presets 2>/dev/null)' -d 'The settings of a preset'
complete -c clipvox -l watch -x -a '(__fish_complete_directories)' -d 'Convert the videos that appear in this folder'
complete -c clipvox -l list-presets -d 'List the presets'
complete -c clipvox -l progress -x -a 'plain json' -d 'Plain lines, or one JSON object a line'
complete -c clipvox -l list-formats -d 'List the output formats'
complete -c clipvox -l help -d 'Show the usage text'
complete -c clipvox -l version -d 'Show the version'
