#!/usr/bin/env bash
# Hostile files and names, end to end: the real program on Xvfb opening them
# from its command line and saving with File > Save As where it cannot, and
# kortalwind-export writing pictures where it cannot or should not. Every case must end in a clear message and a clean exit
# status (or a normal start), never a hang, and must leave every file as it
# was with nothing half-written beside it. Prints one line per case.
#
#   tests/hostile/hostile.sh [BIN_DIR]      (BIN_DIR: build/bin)
#
# Mount cases (read-only folder, full disk) need root; without it they are
# reported as skipped.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
bin=${1:-$here/../../build/bin}
program=$bin/kortalwind
exporter=$bin/kortalwind-export
[ -x "$program" ] && [ -x "$exporter" ] || { echo "hostile: no kortalwind or kortalwind-export in $bin" >&2; exit 2; }

if [ -z "${KT_HOSTILE_ON_XVFB:-}" ]; then
  KT_HOSTILE_ON_XVFB=1 exec "$here/../on_xvfb.sh" 1280x1024x24 "$0" "$bin"
fi

source "$here/../harness.sh"
readonly kTitleSuffix=' - korTalwind'
readonly kMessage='^korTalwind$' kNarrow=600  # the message box; the frame, before its title, is wider
mounts=()
on_exit() {
  local m
  for m in "${mounts[@]}"; do umount "$m" 2>/dev/null; done
}

failed=0
report() {  # report RESULT CASE OUTCOME
  printf '%-5s %-38s %s\n' "$1" "$2" "$3"
  [ "$1" = FAIL ] && failed=1
}
printable() { printf '%s' "$1" | tr '\n' '?'; }

# Size, allocated blocks and checksum: what must not change.
# Small regular files are summed; a big (sparse) one is never read.
fingerprint() {
  [ -e "$1" ] || return 0
  stat -c '%F %s %b %Y' -- "$1"
  [ -f "$1" ] && (($(stat -c %s -- "$1") < 1048576)) && md5sum <"$1"
}

# What a folder holds, with sizes: nothing may be left beside the target.
# One process for the whole folder, whatever the names hold.
listing() { find "$1" -mindepth 1 -maxdepth 1 -printf '%f %s\n' 2>/dev/null | LC_ALL=C sort; }

# ---------------------------------------------------------------- program --

main_title() { kt_windows $kt_pid "$kTitleSuffix\$" >/dev/null && echo "${kt_titles[0]}"; }
first_answer() {  # prints "main TITLE" or "message" once one shows, nothing once the program ended
  kt_ended $kt_pid && return
  local title; title=$(main_title) && { echo "main $title"; return; }
  kt_windows $kt_pid "$kMessage" $kNarrow >/dev/null && echo message
}

# open_case LABEL PATH EXPECT [SHOWN]: EXPECT is "opens" (the window shows the
# file's name, or SHOWN where the name cannot be shown as it is, File > Exit
# then ends with 0) or "refused" (a message, then status 1 once it is
# answered).
open_case() {
  local label=$1 path=$2 expect=$3 before after seen started=$SECONDS
  local shown=${4:-$(basename -- "$2")}
  before=$(fingerprint "$path")
  kt_start "$program" "$path"
  seen=$(kt_wait_for first_answer)
  case $seen in
    "main "*)
      local title=${seen#main }
      kt_menu $kt_pid f x; kt_wait_exit $kt_pid
      after=$(fingerprint "$path")
      if [ "$expect" != opens ]; then
        report FAIL "$label" "opened as '$(printable "$title")' instead of refusing"
      elif [ "$title" != "$shown$kTitleSuffix" ]; then
        report FAIL "$label" "title '$(printable "$title")' does not name the file"
      elif [ "$kt_exit_status" != 0 ]; then
        report FAIL "$label" "opened, but File > Exit gave status $kt_exit_status"
      elif [ "$before" != "$after" ]; then
        report FAIL "$label" "the file changed"
      else
        report PASS "$label" "opens in $((SECONDS - started)) s, title names it, file untouched"
      fi ;;
    message)
      xdotool key Return; kt_wait_exit $kt_pid
      after=$(fingerprint "$path")
      if [ "$expect" != refused ]; then
        report FAIL "$label" "refused with a message (status $kt_exit_status) instead of opening"
      elif [ "$kt_exit_status" != 1 ]; then
        report FAIL "$label" "message shown, then status $kt_exit_status"
      elif [ "$before" != "$after" ]; then
        report FAIL "$label" "the file changed"
      else
        report PASS "$label" "message, then exit status 1"
      fi ;;
    *)
      if kt_ended $kt_pid; then
        kt_wait_exit $kt_pid; report FAIL "$label" "ended with status $kt_exit_status before showing anything"
      else
        kill -9 $kt_pid; kt_wait_exit $kt_pid; report FAIL "$label" "no window or message within $kt_deadline s (hangs)"
      fi ;;
  esac
}

files=$kt_work/files
mkdir -p "$files/folder"
mkfifo "$files/fifo"
truncate -s 10G "$files/sparse.kor"
: >"$files/with space.kor"
: >"$files/naïve ünïcode.kor"
: >"$files/new"$'\n'"line.kor"
: >"$files/latin1-"$'\xe9'".kor"
printf 'not ours\n' >"$files/text.kor"

echo "program: $program"
open_case "missing file" "$files/nothing.kor" refused
open_case "folder" "$files/folder" refused
open_case "FIFO" "$files/fifo" refused
open_case "character device /dev/zero" /dev/zero refused
open_case "10 GB sparse file" "$files/sparse.kor" opens
open_case "file with content" "$files/text.kor" opens
open_case "name with spaces" "$files/with space.kor" opens
open_case "non-ASCII name" "$files/naïve ünïcode.kor" opens
open_case "name with a newline" "$files/new"$'\n'"line.kor" opens
# A window title is UTF-8: the byte that is not shows as the replacement character.
open_case "name not in UTF-8" "$files/latin1-"$'\xe9'".kor" opens "latin1-"$'\xef\xbf\xbd'".kor"

# ------------------------------------------------------------ Save As --

save_outcome() {  # prints "message", "ask" (replace the file?) or "titled" once one shows
  kt_windows $kt_pid "$kMessage" $kNarrow >/dev/null && { echo message; return; }
  kt_windows $kt_pid '^Save As$' 400 >/dev/null && { echo ask; return; }
  kt_no_windows $kt_pid '^Save As$' && [ "$(main_title)" != "Untitled$kTitleSuffix" ] && echo titled
}

# save_case LABEL PATH EXPECT: a fresh Untitled document saved with File >
# Save As onto PATH (answering Yes should the dialog ask about replacing).
# EXPECT is "saves" (an empty file, the title names it) or "refused" (one
# message, the program alive and Untitled, the target and its folder as they
# were).
save_case() {
  local label=$1 path=$2 expect=$3 dir before after before_list after_list outcome title
  dir=$(dirname -- "$path")
  before=$(fingerprint "$path")
  before_list=$(listing "$dir")
  kt_start "$program"
  if ! kt_wait_window $kt_pid "$kTitleSuffix\$" >/dev/null; then
    report FAIL "$label" "the program did not start"; kill -9 $kt_pid; kt_wait_exit $kt_pid; return
  fi
  if ! kt_menu $kt_pid f a || ! kt_wait_window $kt_pid '^Save As$' >/dev/null; then
    report FAIL "$label" "File > Save As showed no dialog"; kill -9 $kt_pid; kt_wait_exit $kt_pid; return
  fi
  xdotool type --delay 20 -- "$path"; xdotool key Return
  outcome=$(kt_wait_for save_outcome)
  if [ "$outcome" = ask ]; then  # replace the existing file
    xdotool key alt+y
    kt_wait_gone $kt_pid '^Save As$' 400 && outcome=$(kt_wait_for save_outcome)
  fi
  title=$(main_title)
  after=$(fingerprint "$path")
  after_list=$(listing "$dir")
  if [ "$outcome" = message ]; then
    xdotool key Return
    if [ "$expect" != refused ]; then
      report FAIL "$label" "a message instead of saving"
    elif ! kt_wait_gone $kt_pid "$kMessage" $kNarrow || kt_ended $kt_pid; then
      report FAIL "$label" "the message did not go, or the program ended after it"
    elif [ "$(main_title)" != "Untitled$kTitleSuffix" ]; then
      report FAIL "$label" "the document took the name although nothing was saved"
    elif [ "$before" != "$after" ] || [ "$before_list" != "$after_list" ]; then
      report FAIL "$label" "the target or its folder changed"
    else
      report PASS "$label" "message, program alive, nothing changed"
    fi
  elif [ "$expect" = saves ] && [ "$title" = "$(basename -- "$path")$kTitleSuffix" ] && [ -f "$path" ] && [ ! -s "$path" ]; then
    report PASS "$label" "saved an empty file, title names it"
  else
    report FAIL "$label" "no message; title '$(printable "$title")', target: $(printable "$after")"
  fi
  kt_menu $kt_pid f x; kt_wait_exit $kt_pid
  [ "$kt_exit_status" = 0 ] || report FAIL "$label" "File > Exit afterwards gave status $kt_exit_status"
}

saves=$kt_work/saves
mkdir -p "$saves" "$kt_work/save-ro-src"
printf 'keep me\n' >"$kt_work/save-ro-src/keep.kor"
echo "Save As: $program"
save_case "save into a missing folder" "$saves/missing/doc.kor" refused
save_case "save with spaces in the name" "$saves/with space.kor" saves
printf 'keep me\n' >"$saves/old.kor"
save_case "save replacing a file" "$saves/old.kor" saves
mkdir -p "$saves/ro"
if mount --bind "$kt_work/save-ro-src" "$saves/ro" 2>/dev/null; then
  mounts+=("$saves/ro")
  mount -o remount,bind,ro "$saves/ro"
  save_case "save onto a read-only file system" "$saves/ro/keep.kor" refused
else
  report SKIP "save onto a read-only file system" "cannot mount here (needs root)"
fi
# A disk with no room for one more file: the save's temporary file cannot be made.
mkdir -p "$saves/full"
if mount -t tmpfs -o size=64k,nr_inodes=8 tmpfs "$saves/full" 2>/dev/null; then
  mounts+=("$saves/full")
  printf 'keep me\n' >"$saves/full/keep.kor"
  for i in $(seq 20); do { : >"$saves/full/filler$i"; } 2>/dev/null || break; done
  save_case "save on a full disk" "$saves/full/keep.kor" refused
else
  report SKIP "save on a full disk" "cannot mount a tmpfs here (needs root)"
fi

# --------------------------------------------------------------- exporter --


# export_case LABEL OUT EXPECT: EXPECT is "writes" (status 0, a PNG at OUT,
# nothing else new) or "refuses" (status 2, one line on stderr, nothing on
# stdout, OUT and its folder as they were).
export_case() {
  local label=$1 out=$2 expect=$3 dir before_list after_list before after status lines
  dir=$(dirname -- "$out")
  before=$(fingerprint "$out")
  before_list=$(listing "$dir")
  timeout 60 "$exporter" png --tick 1000 --size 320x240 --out "$out" >"$kt_work/stdout" 2>"$kt_work/stderr"
  status=$?
  after=$(fingerprint "$out")
  after_list=$(listing "$dir")
  lines=$(wc -l <"$kt_work/stderr")
  if [ "$expect" = writes ]; then
    if [ $status -ne 0 ]; then
      report FAIL "$label" "status $status: $(head -c 200 "$kt_work/stderr")"
    elif ! file -b -- "$out" | grep -q '^PNG image'; then
      report FAIL "$label" "status 0 but no PNG at the target"
    elif [ "$(listing "$dir" | grep -c '\.tmp')" -ne 0 ]; then
      report FAIL "$label" "a temporary file was left behind"
    else
      report PASS "$label" "status 0, PNG written"
    fi
  else
    if [ $status -ne 2 ] || [ "$lines" -ne 1 ] || [ -s "$kt_work/stdout" ]; then
      report FAIL "$label" "status $status, $lines stderr lines: $(printable "$(head -c 200 "$kt_work/stderr")")"
    elif [ "$before" != "$after" ]; then
      report FAIL "$label" "the target changed ($(printable "$before") -> $(printable "$after"))"
    elif [ "$before_list" != "$after_list" ]; then
      report FAIL "$label" "the folder changed: $(printable "$(diff <(echo "$before_list") <(echo "$after_list") | grep '^[<>]')")"
    else
      report PASS "$label" "status 2: $(printable "$(cat "$kt_work/stderr")")"
    fi
  fi
}

out=$kt_work/out
mkdir -p "$out/folder"
printf 'old picture\n' >"$out/keep.png"
mkfifo "$out/fifo.png"

echo "exporter: $exporter"
export_case "into a missing folder" "$out/missing/x.png" refuses
export_case "onto a folder" "$out/folder" refuses
export_case "onto a FIFO" "$out/fifo.png" refuses
export_case "name with spaces" "$out/with space.png" writes
export_case "non-ASCII name" "$out/naïve.png" writes
export_case "replacing a picture" "$out/keep.png" writes
export_case "missing folder named with a newline" "$out/new"$'\n'"line/x.png" refuses

# A read-only place (a read-only bind mount: root may write anywhere else)
# and a full disk (a tiny tmpfs filled up), each holding a picture to keep.
ro=$kt_work/ro
mkdir -p "$ro" "$kt_work/ro-src"
printf 'old picture\n' >"$kt_work/ro-src/keep.png"
if mount --bind "$kt_work/ro-src" "$ro" 2>/dev/null && mounts+=("$ro") && mount -o remount,bind,ro "$ro" 2>/dev/null; then
  export_case "onto a read-only file system" "$ro/keep.png" refuses
  export_case "new file on a read-only file system" "$ro/new.png" refuses
else
  report SKIP "read-only file system" "cannot mount here (needs root)"
fi

full=$kt_work/full
mkdir -p "$full"
if mount -t tmpfs -o size=64k tmpfs "$full" 2>/dev/null; then
  mounts+=("$full")
  printf 'old picture\n' >"$full/keep.png"
  dd if=/dev/zero of="$full/filler" bs=1k 2>/dev/null
  export_case "disk full while writing" "$full/keep.png" refuses
else
  report SKIP "disk full" "cannot mount a tmpfs here (needs root)"
fi

((failed == 0)) && echo "ok" || { echo "FAIL: some hostile cases were not handled"; exit 1; }
