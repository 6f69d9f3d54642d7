# Sourced by the tools: runs each step with its output in one log file and
# prints one line per step; when a step fails, the end of the log and its path.
mkdir -p build
log="$(pwd)/build/steps.log"

step() {  # step "what is done" command [args...]
  what=$1
  shift
  echo "== $what"
  echo "== $(date '+%F %T') $what: $*" >>"$log"
  if ! "$@" >>"$log" 2>&1; then
    tail -n 30 "$log" | sed 's/^/   /'
    echo "== $what failed; the whole output is in $log" >&2
    exit 1
  fi
}
