# Sourced by the SQL tests that run several checks in one script: expect counts and reports each
# check, checks_done prints the tally and gives the script's exit status.

checks_passed=0 checks_failed=0
expect() {  # expect NAME EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then
        checks_passed=$((checks_passed + 1))
    else
        checks_failed=$((checks_failed + 1))
        printf 'FAILED: %s\n--- expected\n%s\n--- actual\n%s\n' "$1" "$2" "$3" >&2
    fi
}

checks_done() {  # checks_done NAME
    echo "$1: $checks_passed passed, $checks_failed failed"
    [ "$checks_failed" -eq 0 ] && [ "$checks_passed" -gt 0 ]
}
