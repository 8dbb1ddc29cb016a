# Shared by the screenshot and measurement scripts: a receiver-sim on a
# pseudo-terminal and a Harrowview profile that reads it, optionally with the
# four live windows laid out. Source it; it defines:
#   start_sim ARGS...         starts receiver-sim, sets SIM_PID and SIM_TTY
#   write_profile FILE [all]  a profile on SIM_TTY; "all" opens the windows
# and stops the simulator on exit.

start_sim() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    "$BUILD/tools/receiver-sim" "$@" >"$fifo" 2>/dev/null &
    SIM_PID=$!
    read -r SIM_TTY <"$fifo"
    rm -f "$fifo"
    trap 'kill $SIM_PID 2>/dev/null || true' EXIT
}

write_profile() {
    local file=$1 windows=${2:-}
    {
        echo "[Serial%20Port%20Commmunications]"
        echo "Port=$SIM_TTY"
        echo "Baud=19200"
        echo "[GPS%20Section]"
        echo "GPSModel=0"
        echo 'GPSInitString1="$PZEKQ,VERS\r\n"'
        echo 'GPSInitString2="$PZEKS,ELVM,10\r\n"'
        echo 'GPSInitString3="$PZEKQ,U1CM\r\n"'
        echo 'GPSInitString4="$PZEKQ,DIFF\r\n"'
        echo "[WindowPosition]"
        echo "Main=\"44,0,1,-1,-1,-1,-1,0,1100,0,930\""
        if [[ $windows == all ]]; then
            # left, right, top, bottom in the window area; the monitor last, on top.
            echo "NumOfWindows=4"
            echo "WINDOW0=\"150,44,0,1,-1,-1,-1,-1,0,520,0,170\""
            echo "WINDOW1=\"130,44,0,1,-1,-1,-1,-1,0,520,170,500\""
            echo "WINDOW2=\"134,44,0,1,-1,-1,-1,-1,520,1080,0,500\""
            echo "WINDOW3=\"163,44,0,1,-1,-1,-1,-1,0,1080,500,790\""
        else
            echo "NumOfWindows=0"
        fi
    } >"$file"
}
