# Every fuzz target for a short, fixed number of runs from its seed corpus
# (regression inputs included), under AddressSanitizer and
# UndefinedBehaviorSanitizer.  Longer runs: scripts/fuzz TARGET SECONDS.
set -euo pipefail
scripts/fuzz --ci "${CORVANE_FUZZ_RUNS:-2000}"
