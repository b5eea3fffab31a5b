# Sourced by the whole-process benchmarks: time_runs CMD... runs CMD $runs times and prints the
# wall-clock and CPU (user + system, children included) milliseconds per run. The machine may
# be shared, so CPU time is the steadier figure.
time_runs() {
  local times real user sys
  TIMEFORMAT='%R %U %S'
  times=$( { time (for ((i = 0; i < runs; i++)); do "$@"; done) ; } 2>&1 )
  read -r real user sys <<<"$times"
  echo "$(echo "scale=2; $real * 1000 / $runs" | bc) $(echo "scale=2; ($user + $sys) * 1000 / $runs" | bc)"
}
