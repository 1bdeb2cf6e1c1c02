#!/usr/bin/env bash
# The Ansible module against a fleet of hosts on this machine (ansible_connection=local), each
# host a folder of real configuration files: php.ini, smb.conf, a GBK file and a CR LF file
# without a final break. One host is given a value its GBK file cannot hold.
#   1. The first run changes every file as expected; the failing host stops at that task, its
#      GBK file untouched and what came before it done; the other hosts finish.
#   2. The second run reports changed=0 everywhere and writes nothing.
#   3. Check mode with diff mode shows the change of a new value and writes nothing; check mode
#      alone too.
# No network: everything runs here, with Debian's ansible-core.
# Usage: run_fleet.sh VARNOQUIL COLLECTION_FOLDER
set -euo pipefail
program=$1
collection=$2
here=$(cd "$(dirname "$0")" && pwd)
data=$here/../data/headless

if ! command -v ansible-playbook > /dev/null; then
    echo "ansible-playbook is not installed (Debian package ansible-core; build.sh installs it)"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/tmp" "$work/collections/ansible_collections/varnoquil"
ln -s "$collection" "$work/collections/ansible_collections/varnoquil/config"
export HOME=$work/home ANSIBLE_LOCAL_TEMP=$work/tmp ANSIBLE_REMOTE_TMP=$work/tmp
export ANSIBLE_COLLECTIONS_PATH=$work/collections ANSIBLE_CONFIG=$work/none.cfg
export ANSIBLE_NOCOLOR=1 ANSIBLE_RETRY_FILES_ENABLED=0 ANSIBLE_FORKS=4 ANSIBLE_HOST_KEY_CHECKING=0
export ANSIBLE_LOCALHOST_WARNING=0 ANSIBLE_DEPRECATION_WARNINGS=0 ANSIBLE_STDOUT_CALLBACK=default

# [数据库] / 主机 = 本地 / ;端口 = 3306 in GBK, CR LF breaks; and the same with 主机 = 远程.
gbk_before='\x5B\xCA\xFD\xBE\xDD\xBF\xE2\x5D\r\n\xD6\xF7\xBB\xFA = \xB1\xBE\xB5\xD8\r\n;\xB6\xCB\xBF\xDA = 3306\r\n'
gbk_after='\x5B\xCA\xFD\xBE\xDD\xBF\xE2\x5D\r\n\xD6\xF7\xBB\xFA = \xD4\xB6\xB3\xCC\r\n;\xB6\xCB\xBF\xDA = 3306\r\n'
app_before='[server]\r\nhost = 0.0.0.0\r\n;port = 80\r\n\r\n[log]\r\nlevel = info'
app_after='[server]\r\nhost = 0.0.0.0\r\nport = 8080\r\n\r\n[log]\r\nlevel = info'
printf "$gbk_after" > "$work/db.expected"
printf "$app_after" > "$work/app.expected"

hosts="web1 web2 files broken"
for host in $hosts; do
    mkdir "$work/$host"
    cp "$data/php.ini" "$data/smb.conf" "$work/$host/"
    printf "$gbk_before" > "$work/$host/db.ini"
    printf "$app_before" > "$work/$host/app.ini"
done
cp -p "$work/broken/db.ini" "$work/db.before"
cp -p "$data/smb.conf" "$work/smb.before"

cat > "$work/inventory.ini" << INVENTORY
[fleet]
web1 root=$work/web1
web2 root=$work/web2
files root=$work/files
broken root=$work/broken db_host="远程😀"

[fleet:vars]
ansible_connection=local
ansible_python_interpreter=/usr/bin/python3
varnoquil=$program
db_host=远程
INVENTORY

failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

# Runs the playbook; its output goes to $work/out.N. The failing host makes the status 2.
run=0
playbook() {
    run=$((run + 1))
    local status=0
    ansible-playbook -i "$work/inventory.ini" "$here/fleet.yml" "$@" > "$work/out.$run" 2>&1 || status=$?
    if [ "$status" -ne 2 ]; then
        cat "$work/out.$run"
        fail "run $run ($*): ansible-playbook exited with $status, expected 2 (one host fails)"
    fi
}

# The recap line of a host: "web1 : ok=8 changed=8 unreachable=0 failed=0 ...".
recap() { grep -E "^$1 +:" "$work/out.$run" | tr -s ' ' || true; }
expect_recap() {
    local host=$1 wanted=$2 line
    line=$(recap "$host")
    for field in $wanted; do
        [[ " $line " == *" $field "* ]] || fail "run $run: $host should have $field: $line"
    done
}
same() { cmp -s "$1" "$2" || fail "run $run: $1 differs from $2"; }
checksums() { (cd "$work" && find $hosts -type f | sort | xargs sha256sum); }

# 1. First run.
playbook
for host in web1 web2 files; do
    expect_recap "$host" "ok=8 changed=8 failed=0"
    same "$work/$host/php.ini" "$here/expected/php.ini"
    same "$work/$host/smb.conf" "$here/expected/smb.conf"
    same "$work/$host/db.ini" "$work/db.expected"
    same "$work/$host/app.ini" "$work/app.expected"
    backups=("$work/$host"/smb.conf.*~)
    [ ${#backups[@]} -eq 1 ] && same "${backups[0]}" "$work/smb.before" || fail "run $run: $host should have one backup of smb.conf"
done
expect_recap broken "ok=3 changed=3 failed=1"
same "$work/broken/php.ini" "$here/expected/php.ini"
same "$work/broken/db.ini" "$work/db.before"
same "$work/broken/smb.conf" "$data/smb.conf"
grep -q 'U+1F600' "$work/out.$run" || fail "run $run: the failing host's message should name the character"
[ "$(stat -c %Y.%s "$work/broken/db.ini")" = "$(stat -c %Y.%s "$work/db.before")" ] || fail "run $run: broken/db.ini was touched"

# 2. Second run: nothing to do.
before=$(checksums)
playbook
for host in web1 web2 files; do
    expect_recap "$host" "ok=8 changed=0 failed=0"
done
expect_recap broken "ok=3 changed=0 failed=1"
[ "$before" = "$(checksums)" ] || fail "run $run: the second run changed files"

# 3. Check mode with diff mode, then check mode alone: a new value is shown, nothing written.
playbook --check --diff -e memory_limit=512M
for host in web1 web2 files; do
    expect_recap "$host" "ok=8 changed=1 failed=0"
done
grep -q '^-memory_limit = 256M$' "$work/out.$run" || fail "run $run: the diff should show the old value"
grep -q '^+memory_limit = 512M$' "$work/out.$run" || fail "run $run: the diff should show the new value"
[ "$before" = "$(checksums)" ] || fail "run $run: check mode wrote"
playbook --check -e memory_limit=512M
expect_recap web1 "ok=8 changed=1 failed=0"
grep -q 'memory_limit = 512M' "$work/out.$run" && fail "run $run: check mode alone should show no diff"
[ "$before" = "$(checksums)" ] || fail "run $run: check mode wrote"

if [ "$failures" -gt 0 ]; then
    echo "--- output of the last run"
    cat "$work/out.$run"
    exit 1
fi
echo "ansible fleet: $run runs over 4 hosts, all as expected"
