# Sourced by the SQL benchmarks with their arguments, [BUILD_DIR] [ROWS] [RUNS] (defaults
# build/default 1000000 5): sets here, build, rows and runs, and brings the private server's
# functions (scripts/pg-private-server.sh).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "${1:-$here/../../build/default}" && pwd)
rows=${2:-1000000}
runs=${3:-5}
source "$here/../../scripts/pg-private-server.sh"
