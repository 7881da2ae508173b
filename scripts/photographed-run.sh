# Sourced by the demo scripts. photographed_run NAME GEOMETRY [WORD...] runs the shipped program
# from the upgrade disk E: in the instrument ($c, with WINEPREFIX set) and saves the part GEOMETRY
# of the screen as $shots/NAME-NN.png each time it changes; it sets rc to the exit code.
photographed_run() {
    local name=$1 geometry=$2
    shift 2
    local start=$(date +%s)
    (cd "$c/ZR7KM" && wine 'E:\ZR7KMUpgrade.exe' "$@") &
    local pid=$! last="" n=0 shot="$shots/tmp.png"
    while kill -0 "$pid" 2>/dev/null; do
        xwd -root -silent | convert xwd:- -crop "$geometry" +repage "$shot" 2>/dev/null || continue
        local sum=$(convert "$shot" rgb:- | md5sum | cut -c1-32)
        if [ "$sum" != "$last" ] && [ "$(convert "$shot" -format '%[fx:mean]' info:)" != 0 ]; then
            n=$((n + 1))
            mv "$shot" "$shots/$name-$(printf %02d $n).png"
            last=$sum
        fi
        sleep 0.5
    done
    wait "$pid" && rc=0 || rc=$?
    wineserver -w
    rm -f "$shot"
    echo "ended with exit code $rc after $(($(date +%s) - start)) s; $n screenshots in $shots"
}
