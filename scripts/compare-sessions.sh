#!/usr/bin/env bash
# Runs one scripted session of every command-line command with the program of an older revision
# and with the working tree's, each on a fresh data folder, and reports every difference in
# standard output, standard error, exit status, the log (without its timestamps), the files
# written and the database (table by table, after every step).
#
#   scripts/compare-sessions.sh OLD_REV [--work DIR] [--old-build DIR] [--new-build DIR]
#                               [--no-charts] [--keep]
#
# Both programs are built in Release, out of the source tree (DIR, default
# /tmp/quorvane-compare); --old-build names a Release build of OLD_REV made before (by an
# earlier run), used as it is; --new-build a Release build folder of the working tree
# configured before, whose programs are brought up to date there. Tables that only ever held a valuation's or a standings run's
# intermediate rows are left out of the comparison (IGNORED_TABLES): the program no longer
# writes them. Exit status 0 when nothing differs, 1 when something does, 2 on wrong usage.
set -euo pipefail

usage() {
    echo "usage: $0 OLD_REV [--work DIR] [--old-build DIR] [--new-build DIR] [--no-charts]" \
        "[--keep]" >&2
    exit 2
}

[ $# -ge 1 ] || usage
OLD_REV=$1
shift
WORK=/tmp/quorvane-compare
OLD_BUILD=""
NEW_BUILD=""
CHARTS=1
KEEP=0
while [ $# -gt 0 ]; do
    case $1 in
    --work) WORK=$2; shift 2 ;;
    --old-build) OLD_BUILD=$2; shift 2 ;;
    --new-build) NEW_BUILD=$2; shift 2 ;;
    --no-charts) CHARTS=0; shift ;;
    --keep) KEEP=1; shift ;;
    *) usage ;;
    esac
done

REPO=$(cd "$(dirname "$0")/.." && pwd)
# The sessions run from other folders: the folders given are made absolute first.
mkdir -p "$WORK"
WORK=$(cd "$WORK" && pwd)
[ -z "$OLD_BUILD" ] || OLD_BUILD=$(cd "$OLD_BUILD" && pwd) || usage
[ -z "$NEW_BUILD" ] || NEW_BUILD=$(cd "$NEW_BUILD" && pwd) || usage
SHARED_DATA=${QUORVANE_SHARED_DATA:-/work/shared/data}
IGNORED_TABLES=${IGNORED_TABLES:-"proj_cats top_players vbd_cat_points vbd_player_points
vbd_baselines vbd_position_points vbd_max_points vbd_player_rank dollars_top_points
PlayerBoxCategory TeamBoxCategory temp_cats TotalRank TBCWins TBCTies"}
JOBS=${JOBS:-2}
mkdir -p "$WORK"

# --- building ------------------------------------------------------------------------------

targets() {
    if [ "$CHARTS" = 1 ]; then
        echo quorvane-draft-cli quorvane-draft
    else
        echo quorvane-draft-cli
    fi
}

build() {  # SOURCE BUILD_DIR
    local gui=ON
    [ "$CHARTS" = 1 ] || gui=OFF
    cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=Release -DQUORVANE_BUILD_TESTS=OFF \
        -DQUORVANE_BUILD_BENCH=OFF -DQUORVANE_BUILD_GUI=$gui >"$2.configure.log" 2>&1 ||
        { cat "$2.configure.log" >&2; exit 1; }
    # shellcheck disable=SC2046
    cmake --build "$2" -j"$JOBS" --target $(targets) >"$2.build.log" 2>&1 ||
        { tail -40 "$2.build.log" >&2; exit 1; }
}

OLD_SHA=$(git -C "$REPO" rev-parse --verify "$OLD_REV^{commit}") || usage
OLD_SRC=$WORK/old-src
if [ -n "$OLD_BUILD" ]; then
    # Its source folder, for the paths its messages name.
    OLD_SRC=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$OLD_BUILD/CMakeCache.txt")
    echo "using the build of $OLD_REV in $OLD_BUILD" >&2
else
    if [ "$(cat "$OLD_SRC.rev" 2>/dev/null)" != "$OLD_SHA" ]; then
        rm -rf "$OLD_SRC"
        mkdir -p "$OLD_SRC"
        git -C "$REPO" archive "$OLD_SHA" | tar -x -C "$OLD_SRC"
        echo "$OLD_SHA" >"$OLD_SRC.rev"
    fi
    OLD_BUILD=$WORK/old-build
    echo "building $OLD_REV ($OLD_SHA) in $OLD_BUILD" >&2
    build "$OLD_SRC" "$OLD_BUILD"
fi
if [ -n "$NEW_BUILD" ]; then
    echo "bringing the working tree's build in $NEW_BUILD up to date" >&2
    # shellcheck disable=SC2046
    cmake --build "$NEW_BUILD" -j"$JOBS" --target $(targets) >"$WORK/new-build.build.log" 2>&1 ||
        { tail -40 "$WORK/new-build.build.log" >&2; exit 1; }
else
    NEW_BUILD=$WORK/new-build
    echo "building the working tree in $NEW_BUILD" >&2
    build "$REPO" "$NEW_BUILD"
fi

# --- the session ---------------------------------------------------------------------------

DATA=$WORK/data     # the same paths for both runs, so that messages naming them agree
FILES=$WORK/files
OUT=""
CLI=""
STEP=0

dump_database() {  # DB FILE: schema, then every table's rows in a fixed order
    local db=$1 ignored
    ignored=$(printf "'%s'," $IGNORED_TABLES)
    {
        sqlite3 "$db" "PRAGMA user_version"
        sqlite3 "$db" "select type, name, sql from sqlite_master order by type, name"
        # One statement per table, written by the database itself: every row, ordered by all
        # its columns.
        sqlite3 "$db" "select 'select ''== ' || m.name || ''';' || char(10) ||
                              'select * from \"' || m.name || '\" order by ' ||
                              (select group_concat(cid + 1) from pragma_table_info(m.name)) || ';'
                       from sqlite_master m where m.type = 'table'
                       and m.name not like 'sqlite_%' and m.name not in (${ignored%,})
                       order by m.name" | sqlite3 -csv "$db"
    } | sed -E 's/[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}/TIMESTAMP/g' >"$2"
}

# Runs one command: its output, error text, exit status, log and database after it are kept.
q() {
    STEP=$((STEP + 1))
    local name
    name=$(printf '%03d' "$STEP")
    local rc=0
    (cd "$FILES" && QUORVANE_DATA_DIR=$DATA QT_QPA_PLATFORM=offscreen "$CLI" "$@" \
        </dev/null >"$OUT/$name.out" 2>"$OUT/$name.err") || rc=$?
    printf '%s\nexit %s\n' "$*" "$rc" >"$OUT/$name.cmd"
    # Each build names its own folders (paths).
    sed -e "s#$WORK/[a-z]*-build#BUILD#g" -e "s#$OLD_BUILD#BUILD#g" -e "s#$NEW_BUILD#BUILD#g" \
        -e "s#$OLD_SRC#SOURCE#g" -e "s#$REPO#SOURCE#g" -i "$OUT/$name.out" "$OUT/$name.err"
    if [ -f "$DATA/players2019.db" ]; then
        dump_database "$DATA/players2019.db" "$OUT/$name.db"
    fi
}

# Ids a step printed: the first column of its output, header left out.
ids_of() {  # STEP_FROM_END FIELD COUNT
    tail -n +2 "$OUT/$(printf '%03d' "$STEP").out" | cut -d, -f"$1" | head -n "$2" | tr -d '"'
}

teams_of() {  # DRAFT
    sqlite3 "$DATA/players2019.db" \
        "select teamid from DraftTeams where template_id = $1 order by draftposition"
}

sort_keys() {  # the list a usage error names after "--sort must be one of: "
    sed -n 's/.*--sort must be one of: //p' "$OUT/$(printf '%03d' "$STEP").err" | tr -d ' ' |
        tr ',' '\n'
}

session() {
    local draft players teams keys key position stats i

    q init
    q drafts
    q revision
    q new-draft "Roto Auction" --teams 12 --auction --rotisserie
    q new-draft "Points Snake" --teams 10 --draft --points
    q new-draft "Roto Snake" --teams 8 --draft --rotisserie
    q new-draft "Points Auction" --teams 12 --auction --points
    q new-draft "Roto Auction" --teams 12 --auction --rotisserie
    q new-draft "Bad" --teams 0 --auction --rotisserie
    q drafts
    for draft in 1 2 3 4; do q show-draft "$draft"; done
    q show-draft "Points Snake"
    q show-draft 99

    # settings
    q setup 2 --categories 1:1,2:1.5,5:1.2,3:2,28:2,9:-1,15:10,14:7.5,25:0.3
    q setup 3 --type straight --rounds 11
    q setup 3 --type snake
    q setup 1 --cap 260 --minbid 2
    q setup 1 --slots C=1,PG=1,SG=1,G=1,SF=1,PF=1,F=1,UT=3,R=2
    q setup 4 --style rotisserie
    q setup 4 --style points --categories 1:1,5:1.2,2:1.5,3:3,28:3,9:-1
    q setup 1 --categories 1,2,3,5,9,14,15,16,28
    teams=($(teams_of 3))
    q setup 3 --team-name "${teams[1]}=Second Owner" --mine "${teams[2]}"
    q setup 3 --team-order "${teams[0]}=2" --team-order "${teams[1]}=1"
    q setup 3 --add-team "Extra:9"
    q setup 3 --delete-team "${teams[7]}"
    q setup 3 --team-order "${teams[0]}=1"
    q setup 1 --cap -5
    q setup 1 --slots C=40
    for draft in 1 2 3 4; do q show-draft "$draft"; done

    # valuation
    q values 1
    players=($(ids_of 1 60))
    q values 1 --inflation
    q values 2
    q values 3
    q values 4
    q values 4 --inflation
    q standings 1
    q standings 2 --raw
    q targets 1
    q targets 1 --set PTS=5000 --set FGP=0.481 --set TO=900
    q targets 1

    # projections
    q projections
    for position in C G F ALL; do q projections --position "$position"; done
    q edit-projection "${players[0]}" GP=70 AST=500 TO=150
    q edit-projection "${players[1]}" FGA=1200 FGM=600 3PTA=300 3PTM=110 FTA=400 FTM=333
    q edit-projection "${players[2]}" GP=x
    q values 1
    q projections --position C
    q clear-edits "${players[1]}"
    q values 2
    q import "$SHARED_DATA/projections-2019.csv"
    q revision
    q import-table "$SHARED_DATA/layouts/totals-2019.csv" --season 2019 --dry-run
    q import-table "$SHARED_DATA/layouts/pergame-adp-2019.csv" --season 2019 --per-game
    q import-table "$SHARED_DATA/layouts/pergame-pct-cells-2019.csv" --season 2019
    q import "$REPO/data/sample_projections.csv"
    q values 1
    players=($(ids_of 1 80))
    q values 2
    q clear-edits --all

    # the room
    teams=($(teams_of 1))
    q pick 1 "${players[0]}" --dollars 55
    q pick 1 "${players[1]}" --dollars 48
    q pick 1 "${players[2]}" --team "${teams[3]}" --dollars 40
    q pick 1 "${players[3]}" --team "${teams[4]}" --pos R --dollars 12
    q pick 1 "${players[0]}" --dollars 3
    q pick 1 "${players[4]}" --dollars -3
    q keeper 1 "${players[5]}" --team "${teams[5]}" --dollars 22
    q keeper 1 "${players[6]}" --team "${teams[6]}" --pos UT --dollars 9
    q remove-keeper 1 "${players[6]}"
    q move 1 "${players[2]}" --team "${teams[7]}" --dollars 41
    q move 1 "${players[1]}" --pos UT
    q drop 1 "${players[3]}"
    q skip 1
    q undo 1
    q pick 1 "${players[7]}" --dollars 30
    q --yes pick 1 "${players[8]}" --team "${teams[0]}" --dollars 200
    q add-player --first Zed --last Newman --pos C --nba-team TST
    q add-player --first Ann --last Added --pos PG --nba-team TST --draft 1 --team "${teams[2]}" \
        --slot PG --dollars 4
    q values 1
    q values 1 --inflation
    q roster 1
    q roster 1 "${teams[2]}"
    q money 1
    q log 1
    q turn 1
    q board 1
    q clock 1
    q slot 1 "${players[10]}"
    q quick-pick 1 Jo
    q quick-pick 1 a
    q keepers 1
    q keepers 1 --inflation
    q standings 1
    q standings 1 --reserves
    q standings 1 --raw
    q standings 1 --raw --reserves
    q targets 1

    teams=($(teams_of 2))
    for i in $(seq 0 24); do q pick 2 "${players[$((20 + i))]}"; done
    q undo 2
    q skip 2
    q undo 2
    q undo 2
    q keeper 2 "${players[60]}" --team "${teams[4]}"
    q pick 2 "${players[61]}" --pos R
    q standings 2
    q standings 2 --raw --reserves
    q board 2
    q clock 2
    q turn 2
    q log 2
    q roster 2 "${teams[0]}"
    q keepers 2

    teams=($(teams_of 3))
    for i in $(seq 0 9); do q pick 3 "${players[$((50 + i))]}"; done
    q standings 3
    q targets 3
    q board 3
    q values 3

    teams=($(teams_of 4))
    for i in $(seq 0 5); do q pick 4 "${players[$((40 + i))]}" --dollars $((31 - 4 * i)); done
    q values 4 --inflation
    q standings 4 --raw
    q board 4

    # lists
    for draft in 1 2 3 4; do
        q players "$draft" --sort NO-SUCH-HEADING
        keys=$(sort_keys)
        for position in "All Players" guards pointguards forwards powerforwards centers \
            shootingguards smallforwards; do
            q players "$draft" --position "$position"
        done
        for key in $keys; do q players "$draft" --sort "$key"; done
        for stats in proj prev; do q players "$draft" --stats "$stats"; done
        q players "$draft" --inflation
        q players "$draft" --advice
        q players "$draft" --advice --sort gain
        q players "$draft" --advice --sort VONA --position centers
    done
    q research 1 --available --sort NO-SUCH-KEY
    keys=$(sort_keys)
    for key in $keys; do
        q research 1 --available --sort "$key"
        q research 1 --taken --sort "$key" --season prev
    done
    q research 2 --taken
    for key in RK ADP AAV "value rank minus ADP" Age Team; do
        q research 2 --available --sort "$key"
        q research 3 --taken --sort "$key"
    done

    # advice
    q advise 1
    q advise 1 --top 15 --by-category
    q advise 1 --punt TO,FGP --inflation
    q advise 2 --team "$(teams_of 2 | sed -n 3p)" --top 10
    q punt 1
    q punt 1 TO,STL
    q advise 1 --top 10
    q punt 1 --none
    q explain 1 "${players[30]}"
    q explain 1 "${players[31]}" --inflation
    q explain 2 "${players[32]}"
    q explain 4 "${players[33]}"

    # notes, flags, exports, charts
    q flag "${players[40]}" sleeper
    q flag "${players[41]}" bust
    q note "${players[40]}" "Watch his minutes, \"really\""
    q draft-notes 1 "First note"
    q draft-notes 1
    mkdir -p "$FILES/exports"
    for key in roster draft projections; do q export 1 --kind "$key" --dir exports; done
    q export 2 --kind draft --dir exports/two
    if [ "$CHARTS" = 1 ]; then
        q chart 1 --kind standings --out chart-standings.png
        q chart 1 --kind targets --out chart-targets.png
        q chart 1 --kind money --out chart-money.png --reserves
        q chart 2 --kind standings --out chart-points.png
    fi
    q paths

    # setting changes after picks, and a last look
    q setup 1 --cap 300
    q values 1 --inflation
    q setup 2 --categories 1:1,2:1,5:1
    q values 2
    q standings 2 --raw
    q drafts
}

run_session() {  # CLI OUTDIR
    rm -rf "$DATA" "$FILES" "$2"
    mkdir -p "$DATA" "$FILES" "$2"
    CLI=$1
    OUT=$2
    STEP=0
    session
    if [ -f "$DATA/quorbasketball.log" ]; then
        cut -c20- "$DATA/quorbasketball.log" >"$OUT/log.txt"
    fi
    (cd "$FILES" && find . -type f | sort | while read -r file; do
        echo "== $file"
        if [[ $file == *.png ]]; then sha256sum <"$file"; else cat "$file"; fi
    done) >"$OUT/files.txt"
}

echo "session with $OLD_REV" >&2
run_session "$OLD_BUILD/src/cli/quorvane-draft-cli" "$WORK/old"
echo "session with the working tree" >&2
run_session "$NEW_BUILD/src/cli/quorvane-draft-cli" "$WORK/new"

if diff -r "$WORK/old" "$WORK/new" >"$WORK/differences.txt"; then
    echo "no difference in $STEP steps"
    status=0
else
    echo "differences (old <, new >); the step's command is in $WORK/{old,new}/NNN.cmd:"
    head -200 "$WORK/differences.txt"
    echo "($(wc -l <"$WORK/differences.txt") lines in $WORK/differences.txt)"
    status=1
fi
if [ "$KEEP" = 0 ] && [ "$status" = 0 ]; then
    rm -rf "$DATA" "$FILES"
fi
exit "$status"
