# Sourced by the scripts that run kurvan on a private X server.
# start_xvfb FIRST LAST XVFB-ARGS...: starts Xvfb on the first free display
# from :FIRST to :LAST, exports DISPLAY, QT_QPA_PLATFORM=xcb and a private
# XDG_RUNTIME_DIR, and waits until the server answers. Sets $xvfb (its pid)
# and $runtime; the caller's trap stops the one and removes the other.
start_xvfb() {
    first=$1 last=$2
    shift 2
    display=
    for n in $(seq "$first" "$last"); do
        if [ ! -e /tmp/.X$n-lock ] && [ ! -e /tmp/.X11-unix/X$n ]; then display=:$n; break; fi
    done
    [ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
    Xvfb "$display" "$@" -noreset -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    runtime=$(mktemp -d)
    export DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$runtime"
    i=0
    until xdpyinfo >/dev/null 2>&1; do
        i=$((i + 1))
        [ $i -lt 100 ] || { echo "Xvfb did not start on $display" >&2; exit 1; }
        sleep 0.05
    done
}
