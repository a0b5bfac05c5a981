#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A one-node Slurm cluster in a temporary folder, for the tests: munged on a socket of its own,
# slurmctld and slurmd with a private SLURM_CONF on free ports. Sourced; start_cluster starts
# it (after it installs Debian's packages when missing), stop_cluster stops every daemon it
# started by its pid file and removes the folder. SLURM_CONF stays exported for the clients.

cluster_pids=() # pid files of the daemons started
cluster_dir=""

cluster_log() { echo "slurm test: $*" >&2; }

# The first of two free TCP ports on the loopback, from a base that differs per run.
free_ports() {
    local port=$((20000 + ($$ * 7) % 30000))
    for ((tries = 0; tries < 200; ++tries, port += 2)); do
        if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null &&
            ! (exec 3<>"/dev/tcp/127.0.0.1/$((port + 1))") 2>/dev/null; then
            echo "$port"
            return 0
        fi
    done
    return 1
}

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
    local limit=$1
    shift
    local deadline=$((SECONDS + limit))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

node_idle() { [ "$(sinfo -h -n "$cluster_host" -o %t 2>/dev/null)" = idle ]; }

stop_cluster() {
    local pidfile pid
    for pidfile in "${cluster_pids[@]}"; do
        pid=$(cat "$pidfile" 2>/dev/null) || continue
        kill "$pid" 2>/dev/null || continue
        for ((k = 0; k < 100; ++k)); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null || true
    done
    cluster_pids=()
    if [ -n "$cluster_dir" ]; then
        rm -rf "$cluster_dir"
    fi
}

# Starts the cluster; on failure says which daemon failed and shows the end of its log.
start_cluster() {
    "$1/scripts/install_missing.sh" slurmctld slurmd slurm-client munge
    cluster_dir=$(mktemp -d /tmp/lxtervan-slurm.XXXXXX)
    chmod 755 "$cluster_dir"
    cluster_host=$(hostname -s)
    local dir=$cluster_dir munge=$cluster_dir/munge
    mkdir -p "$dir"/{state,spool,log} "$munge"
    # munged runs as the munge user and checks that only it may write its folder and key.
    chown munge: "$munge"
    chmod 755 "$munge"
    runuser -u munge -- mungekey --create --keyfile="$munge/munge.key" >/dev/null
    if ! runuser -u munge -- munged --socket="$munge/munge.socket" --key-file="$munge/munge.key" \
        --log-file="$munge/munged.log" --pid-file="$munge/munged.pid" \
        --seed-file="$munge/munged.seed"; then
        cluster_log "munged did not start: $(tail -n 5 "$munge/munged.log" 2>/dev/null)"
        return 1
    fi
    cluster_pids+=("$munge/munged.pid")
    local port
    port=$(free_ports) || {
        cluster_log "no free ports"
        return 1
    }
    export SLURM_CONF=$dir/slurm.conf
    cat >"$SLURM_CONF" <<CONF
ClusterName=lxtervantest
SlurmctldHost=$cluster_host(127.0.0.1)
SlurmctldPort=$port
SlurmdPort=$((port + 1))
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
CredType=cred/munge
AuthInfo=socket=$munge/munge.socket
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
SchedulerParameters=sched_interval=1,bf_interval=1
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
JobCompType=jobcomp/none
MpiDefault=none
StateSaveLocation=$dir/state
SlurmdSpoolDir=$dir/spool
SlurmctldPidFile=$dir/slurmctld.pid
SlurmdPidFile=$dir/slurmd.pid
SlurmctldLogFile=$dir/log/slurmctld.log
SlurmdLogFile=$dir/log/slurmd.log
ReturnToService=2
InactiveLimit=0
KillWait=2
MinJobAge=300
MailProg=/bin/true
NodeName=$cluster_host NodeAddr=127.0.0.1 CPUs=$(nproc) State=UNKNOWN
PartitionName=test Nodes=$cluster_host Default=YES MaxTime=INFINITE State=UP
CONF
    if ! slurmctld -f "$SLURM_CONF" -i; then
        cluster_log "slurmctld did not start: $(tail -n 5 "$dir/log/slurmctld.log" 2>/dev/null)"
        return 1
    fi
    wait_for 10 test -s "$dir/slurmctld.pid" && cluster_pids+=("$dir/slurmctld.pid")
    if ! slurmd -f "$SLURM_CONF"; then
        cluster_log "slurmd did not start: $(tail -n 5 "$dir/log/slurmd.log" 2>/dev/null)"
        return 1
    fi
    wait_for 10 test -s "$dir/slurmd.pid" && cluster_pids+=("$dir/slurmd.pid")
    local start=$SECONDS
    if ! wait_for 30 node_idle; then
        cluster_log "the node did not come up idle: sinfo says $(sinfo -h -o '%t %E' 2>&1)"
        cluster_log "slurmctld: $(tail -n 5 "$dir/log/slurmctld.log" 2>/dev/null)"
        cluster_log "slurmd: $(tail -n 5 "$dir/log/slurmd.log" 2>/dev/null)"
        return 1
    fi
    cluster_log "node idle after $((SECONDS - start)) s"
}
