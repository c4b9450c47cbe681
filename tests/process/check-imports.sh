#!/bin/sh
# Fails when a Windows program imports PSAPI.DLL or a Toolhelp32 function: both must be
# reached by name at run time, so that the program starts on systems that lack them.
# Usage: check-imports.sh OBJDUMP [--if-exists] FILE [[--if-exists] FILE...]
# A FILE after --if-exists is checked only when it exists; every other must exist.
set -u
objdump=$1
shift
status=0
optional=no
for arg in "$@"; do
    if [ "$arg" = "--if-exists" ]; then
        optional=yes
        continue
    fi
    file=$arg
    if [ ! -f "$file" ]; then
        if [ "$optional" = no ]; then
            echo "missing: $file"
            status=2
        fi
        optional=no
        continue
    fi
    optional=no
    # DLL names and imported function names from the import tables only.
    imports=$("$objdump" -p "$file" | awk '
        /^The Import Tables/ { on = 1; next }
        on && /^[^ \t]/ { on = 0 }
        on && /DLL Name:/ { print $3; next }
        on && /^\t[0-9a-f]+\t +[0-9]+ +[^ ]+$/ { print $NF }')
    if ! printf '%s\n' "$imports" | grep -qi '^KERNEL32\.dll$'; then
        echo "cannot read the imports of $file"
        status=2
        continue
    fi
    forbidden=$(printf '%s\n' "$imports" |
        grep -i -x -E 'psapi\.dll|CreateToolhelp32Snapshot|(Process32|Module32)(First|Next)W?')
    if [ -n "$forbidden" ]; then
        for name in $forbidden; do echo "forbidden import: $name in $file"; done
        [ "$status" -eq 0 ] && status=1
    else
        echo "no forbidden imports: $file"
    fi
done
exit $status
