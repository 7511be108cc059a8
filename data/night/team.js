"use strict";
// The page of one team's phone, and the commissioner's (the same page with the room's controls),
// who acts for the team he chooses.
(() => {
  const $ = (id) => document.getElementById(id);
  const e = Night.element;
  let commissioner = false;
  let myTeam = null;
  let shownVersion = -1;
  let lastDue = null;
  const kShown = 60;

  function acting() {
    return commissioner ? Number($("acting").value) : myTeam;
  }

  async function send(path, body) {
    $("problem").textContent = "";
    if (commissioner && body) body.team = acting();
    const answer = await Night.api(path, body || {});
    if (!answer.ok) {
      $("problem").textContent = answer.data.error || "Refused";
    }
    return answer;
  }

  function figures(state) {
    const team = Night.team(acting());
    const auction = state.draft.kind === "auction";
    return auction ? "$" + team.money + " left · max bid $" + team.max_bid + " · " + team.open_slots + " open"
                   : team.open_slots + " open";
  }

  function playerRow(state, player) {
    const auction = state.draft.kind === "auction";
    const onClock = !auction && state.turn && state.turn.team === acting() && !state.paused;
    const nominates = auction && !state.lot && state.nominating_team === acting() && !state.paused;
    let action = "";
    if (onClock) {
      action = e("button", {onclick: () => send("/api/pick", {player: player.id, pick: state.turn.pick}), "data-pick": player.id}, "Pick");
    } else if (nominates) {
      action = e("button", {onclick: () => send("/api/nominate", {player: player.id, amount: Number($("open-amount").value)}), "data-nominate": player.id}, "Nominate");
    }
    return e("tr", {"data-player": player.id},
      e("td", {className: "dim"}, player.rank || ""),
      e("td", {}, player.name, e("div", {className: "dim"}, Night.details(player))),
      e("td", {}, action));
  }

  function renderPlayers(state) {
    const taken = new Set(state.picks.map((p) => p.player));
    if (state.lot) taken.add(state.lot.player);
    const words = $("search").value.trim().toLowerCase().split(/\s+/).filter(Boolean);
    const shown = [];
    for (const player of Night.allPlayers().values()) {
      if (taken.has(player.id)) continue;
      const text = (player.name + " " + player.pos + " " + player.team).toLowerCase();
      if (words.every((word) => text.includes(word))) shown.push(player);
      if (shown.length >= kShown) break;
    }
    $("players").replaceChildren(...shown.map((player) => playerRow(state, player)));
  }

  function renderLot(state) {
    const lot = state.lot;
    const auction = state.draft.kind === "auction";
    $("lot").hidden = !auction || !lot;
    $("open-row").hidden = !(auction && !lot && state.nominating_team === acting());
    if (!auction || !lot) return;
    const largest = Night.team(acting()).max_bid;
    const mine = lot.team === acting();
    $("lot-player").textContent = Night.label(lot.player);
    $("lot-bid").textContent = "$" + lot.amount;
    $("lot-team").textContent = mine ? "Your bid" : Night.team(lot.team).name;
    $("largest").textContent = (commissioner ? "Largest bid of " + Night.team(acting()).name : "Your largest bid") + ": $" + largest;
    $("plus1").disabled = mine || lot.amount + 1 > largest || state.paused;
    $("plus5").disabled = mine || lot.amount + 5 > largest || state.paused;
    $("bid").disabled = mine || state.paused;
    $("amount").max = largest;
    if (!$("amount").value || Number($("amount").value) <= lot.amount) $("amount").value = Math.min(lot.amount + 1, largest);
  }

  function render(state, tickOnly) {
    const lotLeft = state.lot ? Night.secondsLeft(state.lot.seconds_left) : null;
    $("lot-clock").textContent = lotLeft === null ? "" : lotLeft + "s";
    $("lot-clock").classList.toggle("low", lotLeft !== null && lotLeft <= 5);
    if (tickOnly || state.version === shownVersion) return;
    shownVersion = state.version;
    if (commissioner && !$("acting").options.length) {
      $("acting").replaceChildren(...state.teams.map((t) => e("option", {value: t.team}, t.name)));
    }
    // The commissioner mostly acts for whoever is due: the choice follows the turn.
    const due = state.draft.kind === "auction" ? (state.lot ? null : state.nominating_team) : (state.turn && state.turn.team);
    if (commissioner && due && due !== lastDue) $("acting").value = due;
    lastDue = due;
    const auction = state.draft.kind === "auction";
    const team = Night.team(acting());
    $("team-name").textContent = commissioner ? "Commissioner · " + team.name : team.name;
    document.title = commissioner ? "Commissioner" : team.name;
    $("figures").textContent = figures(state);
    let status = Night.statusLine(state);
    if (!commissioner && auction && state.lot && state.lot.team === acting()) status = "You hold the high bid";
    if (!state.paused && !auction && state.turn && state.turn.team === acting()) status = "Your pick! Round " + state.turn.round + ", pick " + state.turn.pick;
    if (!state.paused && auction && !state.lot && state.nominating_team === acting()) status = "Your turn to nominate";
    $("status").textContent = status;
    $("status").classList.toggle("paused", state.paused);
    $("notice").textContent = state.notice || "";
    if (!$("open-amount").value) $("open-amount").value = state.draft.minbid;
    renderLot(state);
    renderPlayers(state);
    const mine = state.picks.filter((p) => p.team === acting());
    $("roster").replaceChildren(mine.length ? e("table", {}, e("tbody", {}, mine.map((p) =>
      e("tr", {}, e("td", {className: "dim"}, p.slot), e("td", {}, Night.player(p.player).name),
        e("td", {className: "money"}, auction ? "$" + p.price : "#" + p.pick))))) : e("span", {className: "dim"}, "Nobody yet"));
  }

  function bid(amount) {
    const lot = Night.state && Night.state.lot;
    if (lot) send("/api/bid", {player: lot.player, amount});
  }

  async function begin() {
    const me = await Night.api("/api/me");
    if (!me.ok) return;
    const wanted = Number(new URLSearchParams(location.search).get("team"));
    myTeam = me.data.team;
    commissioner = me.data.commissioner;
    $("room").hidden = !commissioner;
    $("plus1").addEventListener("click", () => Night.state.lot && bid(Night.state.lot.amount + 1));
    $("plus5").addEventListener("click", () => Night.state.lot && bid(Night.state.lot.amount + 5));
    $("bid").addEventListener("click", () => bid(Number($("amount").value)));
    $("search").addEventListener("input", () => Night.state && renderPlayers(Night.state));
    if (commissioner) {
      $("acting").addEventListener("change", () => { shownVersion = -1; render(Night.state); });
      ["pause", "resume", "undo", "close-lot", "reset-clock"].forEach((name) =>
        $(name).addEventListener("click", () => send("/api/" + name)));
    }
    await Night.start(render);
    if (commissioner && wanted) {
      $("acting").value = wanted;
      shownVersion = -1;
      render(Night.state);
    }
  }

  begin();
})();
