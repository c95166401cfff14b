# Sourced by the install and package tests: starts an installed vavivor and waits until it has
# named the help it found. Needs the test's fail(); sets pid, home and log.

# start_installed PREFIX WORK: PREFIX/bin/vavivor, started from WORK on the offscreen platform
# with an empty home folder.
start_installed() {
    home=$2/home
    mkdir -p "$home"
    log=$2/vavivor.log
    (cd "$2" && exec env -u XDG_DATA_HOME -u XDG_CACHE_HOME -u XDG_CONFIG_HOME HOME="$home" \
        QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="vavivor.help.info=true" \
        "$1/bin/vavivor" >"$log" 2>&1) &
    pid=$!
}

# wait_for_help PREFIX [COMMAND...]: waits up to 30 s until the program has named the help
# collection under PREFIX and COMMAND, when given, succeeds.
wait_for_help() {
    local expected="help collection: $1/share/vavivor/ZelHelp.qhc"
    shift
    for _ in $(seq 1 300); do
        grep -qF "$expected" "$log" && "${@:-true}" && return 0
        kill -0 "$pid" 2>/dev/null || fail "the program ended early: $(cat "$log")"
        sleep 0.1
    done
    grep -qF "$expected" "$log" || fail "the program did not find its help: $(cat "$log")"
}
