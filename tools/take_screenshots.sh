#!/usr/bin/env bash
# Photographs the real program's windows for the README. The program has no command line, so
# it is driven from outside, on a virtual X display of its own, the way a user would drive it
# with the keyboard: xdotool types and presses the access keys, ImageMagick's import captures
# each window. A throwaway home folder keeps the update reminder and the instance lock of the
# developer's own runs out of the way.
#
#   tools/take_screenshots.sh <program> <output folder> [language, e.g. zh_CN]
#
# With SCREENSHOT_COLOURS set to one of qt6ct's colour schemes (darker, dusk ...), the desktop
# has those colours, as a dark desktop does (needs the qt6ct package).
set -euo pipefail

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    echo "usage: $0 <program> <output folder> [language]" >&2
    exit 2
fi
program=$(realpath "$1")
out=$2
language=${3:-}
# The language as a desktop in it sets it; without one the program speaks English.
if [ -n "$language" ]; then
    language_env=(LANGUAGE="$language" LANG="$language.UTF-8" LC_ALL="$language.UTF-8")
else
    language_env=(LANGUAGE= LANG=C.UTF-8 LC_ALL=C.UTF-8)
fi
mkdir -p "$out"

# The access keys the script presses, which the translations choose: the proceed button, the
# File menu with Export and Exit in it, the Help menu with About in it, the exit screen's Exit.
# Japanese, Korean and Chinese keep the English letters. Every language has its case here.
case "$language" in
    es) keys=(c a e s u a s) ;;
    pt_BR) keys=(v a e r u s r) ;;
    de) keys=(e d p b h udiaeresis b) ;;
    fr) keys=(c f x q a p q) ;;
    ru) keys=(Cyrillic_u Cyrillic_ef Cyrillic_e Cyrillic_ve Cyrillic_es Cyrillic_o Cyrillic_ve) ;;
    "" | ja | ko | zh_CN | zh_TW) keys=(f f e x h a x) ;;
    *)
        echo "take_screenshots.sh: no access keys known for '$language'" >&2
        exit 2
        ;;
esac
key_proceed=${keys[0]} key_file=${keys[1]} key_export=${keys[2]} key_exit_item=${keys[3]}
key_help=${keys[4]} key_about=${keys[5]} key_exit=${keys[6]}

work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    for pid in $program_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "take_screenshots: $*" >&2
    exit 1
}

# Runs a check every tenth of a second until it succeeds; gives up after ten seconds.
wait_until() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# A display number of our own: other people's virtual displays usually sit on the low ones,
# and a number whose lock file exists is taken even if its server has just gone.
start_display() {
    local number
    for number in $(seq 120 199); do
        [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp 2>"$work/xvfb.log" &
        xvfb_pid=$!
        export DISPLAY=":$number"
        if wait_until xdpyinfo >/dev/null 2>&1; then
            return 0
        fi
        kill "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    done
    fail "no free X display between :120 and :199"
}

# The program's visible top-level windows, one id a line (menus and other popups have no
# title and are left out).
program_windows() {
    xdotool search --all --onlyvisible --pid "$program_pid" --name '.' 2>/dev/null | sort || true
}

# Waits until the program's windows stop changing: a command may show and hide a window on
# its way to the one it leaves on screen.
settled_windows() {
    local before after
    after=$(program_windows)
    for _ in $(seq 40); do
        sleep 0.5
        before=$after
        after=$(program_windows)
        if [ "$before" = "$after" ] && [ -n "$after" ]; then
            echo "$after"
            return 0
        fi
    done
    fail "the program's windows did not settle"
}

# Prints the id of the window that is on screen now and was not in the list given, and gives
# it the keyboard: there is no window manager to do that.
new_window() {
    local before=$1 now window
    now=$(settled_windows)
    window=$(comm -13 <(echo "$before") <(echo "$now") | tail -n 1)
    [ -n "$window" ] || fail "no new window appeared"
    xdotool windowfocus --sync "$window"
    echo "$window"
}

capture() {
    local window=$1 name=$2
    sleep 0.5 # let the window finish painting
    import -window "$window" "$out/$name.png"
    echo "take_screenshots: $out/$name.png"
}

# Picks the entry at the given place of the focused list, counted from 0, and moves on: the
# same keys in every language.
pick_and_tab() {
    xdotool key Home
    for _ in $(seq "$1"); do
        xdotool key Down
    done
    xdotool key Tab
}

# Types into the focused control and moves on to the next one.
type_and_tab() {
    xdotool type --delay 20 "$1"
    xdotool key Tab
}

start_display
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
theme_env=(QT_QPA_PLATFORMTHEME=)
if [ -n "${SCREENSHOT_COLOURS:-}" ]; then
    mkdir -p "$work/home/.config/qt6ct"
    printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/%s.conf\ncustom_palette=true\nstyle=Fusion\n' \
        "$SCREENSHOT_COLOURS" >"$work/home/.config/qt6ct/qt6ct.conf"
    theme_env=(QT_QPA_PLATFORMTHEME=qt6ct)
fi
env -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR \
    HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime" \
    "${language_env[@]}" "${theme_env[@]}" "$program" >"$work/program.log" 2>&1 &
program_pid=$!
wait_until xdotool search --onlyvisible --pid "$program_pid" --name '.' >/dev/null ||
    fail "the program showed no window; its output: $(cat "$work/program.log")"

# The input window, filled in: the user, a woman born on 14 March 1985, and her partner, a man
# born on 3 September 1979. A drop-down list picks the entry whose text starts with what is
# typed; the months are picked by their place, since their names depend on the language. The sex buttons come after the command button in the tab order; the arrow keys move
# between the two buttons of a person.
input=$(new_window "")
type_and_tab "Anna"
type_and_tab "14"
pick_and_tab 2 # March
type_and_tab "1985"
type_and_tab "Ben"
type_and_tab "3"
pick_and_tab 8 # September
type_and_tab "1979"
xdotool key Tab space Right # command button, then the user's Male, moved to Female
xdotool key Tab space Left  # the partner's Female, moved to Male
capture "$input" input-window

# The proceed button ("&Find Our Feng Shui Compatibility"): the result window replaces the
# input window.
windows=$(settled_windows)
xdotool key "alt+$key_proceed"
result=$(new_window "$windows")
capture "$result" result-your-kua-number
# The tabs have the keyboard when the window opens; the arrow keys go from one to the next.
xdotool key Right
capture "$result" result-partners-kua-number
xdotool key Right
capture "$result" result-trigram-compatibility
xdotool key Right
capture "$result" result-your-directions
# The tab scrolls: the wheel brings the couple's chart and the advice under it into view.
xdotool mousemove --window "$result" 300 200 click --repeat 6 --delay 30 5
capture "$result" result-your-directions-advice
# Tab goes from the tabs into the scrolling contents, then to the house's facing, which the tab
# scrolls into view: the house that faces 183°, and how each of the two fits it.
xdotool key Tab Tab
xdotool type --delay 10 "183"
xdotool click --repeat 3 --delay 30 5
capture "$result" result-your-house

# The plan of their home: a drawing of five rooms, opened from the house's "Plan of Your
# Home..." (Tab goes on from the facing to its list, Forget and the plan), turned 30° by the
# North box and its centre moved by Ctrl and the arrows; the mouse rests North East of it.
convert -size 900x600 xc:white -stroke black -strokewidth 6 -fill none \
    -draw "rectangle 60,60 840,540" -strokewidth 4 -draw "line 420,60 420,300" \
    -draw "line 60,300 620,300" -draw "line 620,300 620,540" -draw "line 300,300 300,540" \
    -stroke white -strokewidth 8 -draw "line 430,540 500,540" -stroke none -fill black \
    -font DejaVu-Sans -pointsize 26 -draw "text 150,190 'Living room'" \
    -draw "text 560,190 'Bedroom'" -draw "text 120,430 'Kitchen'" -draw "text 400,430 'Study'" \
    -draw "text 680,430 'Bath'" "$work/plan.png"
windows=$(settled_windows)
xdotool key Tab Tab Tab space
plan=$(new_window "$windows")
windows=$(settled_windows)
xdotool key ctrl+o
new_window "$windows" >/dev/null
xdotool type --delay 10 "$work/plan.png"
xdotool key Return
settled_windows >/dev/null
xdotool windowfocus --sync "$plan"
xdotool key Tab Tab
xdotool type --delay 20 "30"
xdotool key Return shift+Tab shift+Tab
xdotool key --delay 20 ctrl+Right ctrl+Right ctrl+Right ctrl+Right ctrl+Right ctrl+Down ctrl+Down
xdotool mousemove --window "$plan" 560 200
capture "$plan" plan-window
# The plan on a page of its own: File > Export Plan as PDF..., the menu's second entry.
windows=$(settled_windows)
xdotool mousemove --window "$plan" 15 8 click 1
xdotool key Down Down Return
new_window "$windows" >/dev/null
xdotool type --delay 10 "$work/plan.pdf"
xdotool key Return
wait_until test -s "$work/plan.pdf" || fail "File > Export Plan as PDF wrote no file"
settled_windows >/dev/null
pdftoppm -png -r 100 -singlefile "$work/plan.pdf" "$out/plan-page"
echo "take_screenshots: $out/plan-page.png"
xdotool windowfocus --sync "$plan"
# The 3 × 3 grid instead of the sectors: the fourth stop after the plan, the list of ways to
# divide it.
xdotool key Tab Tab Tab Tab Down
capture "$plan" plan-window-grid
xdotool key ctrl+w
xdotool windowfocus --sync "$result"
xdotool click --repeat 12 --delay 30 4

# File > Export as PDF..., into the throwaway home; the page, turned into a picture, shows what
# a couple keeps.
windows=$(settled_windows)
xdotool key "alt+$key_file" "$key_export"
new_window "$windows" >/dev/null
xdotool type --delay 10 "$work/reading.pdf"
xdotool key Return
wait_until test -s "$work/reading.pdf" || fail "File > Export as PDF wrote no file"
settled_windows >/dev/null
pdftoppm -png -r 100 -singlefile "$work/reading.pdf" "$out/reading-page"
echo "take_screenshots: $out/reading-page.png"
xdotool windowfocus --sync "$result"

# Help > About Software, closed again with Escape.
windows=$(settled_windows)
xdotool key "alt+$key_help" "$key_about"
about=$(new_window "$windows")
capture "$about" about-box
xdotool key Escape
xdotool windowfocus --sync "$result"

# File > Exit leads to the exit screen; its "E&xit" button ends the program.
windows=$(settled_windows)
xdotool key "alt+$key_file" "$key_exit_item"
exit_screen=$(new_window "$windows")
capture "$exit_screen" exit-screen
xdotool key "alt+$key_exit"
wait_until bash -c "! kill -0 $program_pid 2>/dev/null" || fail "the program did not end"
program_pid=
