#!/bin/bash
# The layers of docs/architecture.md hold: each folder is one library, a library links only
# libraries of lower levels, and no #include reaches a folder of the same or a higher level.
# Usage: layers_test.sh <source folder>
set -u
cd "$1" || exit 2

declare -A level=([core]=0 [storage]=1 [platform]=1 [printing]=2 [breeding]=3 [storage/ui]=4
    [printing/ui]=4 [breeding/ui]=4 [mainwindow]=5 [app]=6 [cli]=6)
declare -A libraryLevel
faults=0
fault() {
    echo "$*"
    faults=$((faults + 1))
}

# The CMake file's commands on one line each.
commands() { tr '\n' ' ' 2>/dev/null <"$1" | grep -o "$2([^)]*)"; }

for folder in "${!level[@]}"; do
    [ -f "$folder/CMakeLists.txt" ] || fault "$folder/ is no library of its own"
    libraries=$(commands "$folder/CMakeLists.txt" add_library | sed 's/add_library(\([^ ]*\).*/\1/')
    if [ "$(echo "$libraries" | grep -c .)" -gt 1 ]; then
        fault "$folder/ holds more than one library: $(echo $libraries)"
    fi
    for library in $libraries; do
        libraryLevel[$library]=${level[$folder]}
    done
done

for folder in "${!level[@]}"; do
    while read -r target linked; do
        [ -n "${libraryLevel[$target]:-}" ] || continue
        for other in $linked; do
            if [ -n "${libraryLevel[$other]:-}" ] &&
                [ "${libraryLevel[$other]}" -ge "${libraryLevel[$target]}" ]; then
                fault "$target (level ${libraryLevel[$target]}) links $other" \
                    "(level ${libraryLevel[$other]})"
            fi
        done
    done < <(commands "$folder/CMakeLists.txt" target_link_libraries |
        sed 's/target_link_libraries(\([^ ]*\) \(.*\))/\1 \2/')

    for file in "$folder"/*.h "$folder"/*.cpp; do
        [ -e "$file" ] || continue
        while read -r included; do
            case "$included" in
            */ui/*) other=${included%%/ui/*}/ui ;;
            *) other=${included%%/*} ;;
            esac
            if [ -n "${level[$other]:-}" ] && [ "$other" != "$folder" ] &&
                [ "${level[$other]}" -ge "${level[$folder]}" ]; then
                fault "$file (level ${level[$folder]}) includes $included" \
                    "(level ${level[$other]})"
            fi
        done < <(sed -n 's/^#include "\([^"]*\/[^"]*\)".*/\1/p' "$file")
    done
done

if grep -l '^#include <Q' core/*.h core/*.cpp; then
    fault "core/ includes Qt"
fi

[ "$faults" -eq 0 ]
