# SPDX-License-Identifier: GPL-3.0-or-later
# Bash completion for clipvox: its options, the values they take, and video files or folders
# (a folder queues its videos) as arguments.

_clipvox()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    COMPREPLY=()
    case $prev in
    --format)
        COMPREPLY=($(compgen -W 'mp3 wma wav ogg flac opus m4a' -- "$cur"))
        return ;;
    --output | --keep-tree | --watch)
        compopt -o filenames 2>/dev/null
        local IFS=$'\n'
        COMPREPLY=($(compgen -d -- "$cur"))
        return ;;
    --peaks)
        COMPREPLY=($(compgen -W 'limit lower' -- "$cur"))
        return ;;
    --preset)
        local IFS=$'\n'
        COMPREPLY=($(compgen -W "$(clipvox --list-presets 2>/dev/null | cut -f1)" -- "$cur"))
        return ;;
    --progress)
        COMPREPLY=($(compgen -W 'plain json' -- "$cur"))
        return ;;
    --replaygain)
        COMPREPLY=($(compgen -W 'track album off' -- "$cur"))
        return ;;
    --loudness)
        COMPREPLY=($(compgen -W 'off' -- "$cur"))
        return ;;
    --files-from)
        compopt -o filenames 2>/dev/null
        local IFS=$'\n'
        COMPREPLY=($(compgen -f -- "$cur"))
        return ;;
    --cover)
        compopt -o filenames 2>/dev/null
        local IFS=$'\n'
        COMPREPLY=($(compgen -f -- "$cur"))
        return ;;
    --set | --start | --end | --track | --jobs | --name | --tag | --tags-from-name)
        return ;;
    esac

    # Options until "--"; after it every word is a file.
    local i
    for ((i = 1; i < COMP_CWORD; i++)); do
        [[ ${COMP_WORDS[i]} == -- ]] && break
    done
    if [[ $cur == -* && i -eq COMP_CWORD ]]; then
        COMPREPLY=($(compgen -W '--convert --format --output --start --end --track
            --split-chapters --jobs --overwrite --skip-existing --name --keep-tree --no-tags
            --loudness --peaks --replaygain --set --files-from --null --list-formats --progress
            --preset --list-presets --watch --tag --number --tags-from-name --cover
            --help --version' -- "$cur"))
        return
    fi

    compopt -o filenames 2>/dev/null
    local path
    while IFS= read -r path; do
        if [[ -d $path || ${path,,} =~ \.(avi|mpg|mpeg|wmv|asf|mp4|m4v|mkv|webm|mov|flv|ts|mts|m2ts|vob|3gp|ogv|dv|divx)$ ]]; then
            COMPREPLY+=("$path")
        fi
    done < <(compgen -f -- "$cur")
}
complete -F _clipvox clipvox
