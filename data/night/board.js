"use strict";
(() => {
  const $ = (id) => document.getElementById(id);
  const e = Night.element;

  function pickLabel(pick) {
    const player = Night.player(pick.player);
    return [e("div", {}, player.name), e("div", {className: "pos"}, player.pos + (pick.price ? " · $" + pick.price : ""))];
  }

  function roundsGrid(state) {
    const teams = state.teams.slice().sort((a, b) => a.position - b.position);
    const cells = new Map();
    state.picks.filter((p) => p.round).forEach((p) => cells.set(p.round + ":" + p.team, p));
    const head = e("tr", {}, e("th", {}, "Rd"), teams.map((t) => e("th", {title: t.name}, t.name)));
    const rows = [];
    for (let round = 1; round <= state.draft.rounds; round++) {
      rows.push(e("tr", {}, e("th", {}, round), teams.map((t) => {
        const pick = cells.get(round + ":" + t.team);
        const now = state.turn && state.turn.round === round && state.turn.team === t.team;
        return e("td", {className: now ? "now" : "", "data-round": round, "data-team": t.team},
                 pick ? pickLabel(pick) : "");
      })));
    }
    return e("table", {className: "grid"}, e("thead", {}, head), e("tbody", {}, rows));
  }

  function auctionTeams(state) {
    const bought = new Map();
    state.picks.forEach((p) => {
      if (!bought.has(p.team)) bought.set(p.team, []);
      bought.get(p.team).push(Night.player(p.player).name + " $" + p.price);
    });
    return e("table", {className: "teams"},
      e("thead", {}, e("tr", {}, ["Team", "Money", "Max bid", "Open", "Players"].map((h) => e("th", {}, h)))),
      e("tbody", {}, state.teams.map((t) => e("tr", {"data-team": t.team, className: state.nominating_team === t.team ? "now" : ""},
        e("td", {}, t.name), e("td", {className: "money"}, "$" + t.money), e("td", {className: "money"}, "$" + t.max_bid),
        e("td", {}, t.open_slots), e("td", {className: "bought"}, (bought.get(t.team) || []).join(", "))))));
  }

  function clockText(seconds) {
    return seconds === null ? "" : Math.floor(seconds / 60) + ":" + String(seconds % 60).padStart(2, "0");
  }

  function showClocks(state) {
    const lotLeft = state.lot ? Night.secondsLeft(state.lot.seconds_left) : null;
    const pickLeft = state.turn ? Night.secondsLeft(state.turn.seconds_left) : null;
    $("lot-clock").textContent = clockText(lotLeft);
    $("lot-clock").classList.toggle("low", lotLeft !== null && lotLeft <= 5);
    $("clock").textContent = clockText(pickLeft);
    $("clock").classList.toggle("low", pickLeft !== null && pickLeft <= 10);
  }

  function render(state, tickOnly) {
    showClocks(state);
    if (tickOnly) return;
    const auction = state.draft.kind === "auction";
    document.title = state.draft.name + " · board";
    $("draft").textContent = state.draft.name;
    $("status").textContent = Night.statusLine(state);
    $("status").classList.toggle("paused", state.paused);
    $("notice").textContent = state.notice || "";
    $("main").classList.toggle("auction", auction);
    $("lot").hidden = !auction;
    if (auction) {
      const lot = state.lot;
      $("lot-player").textContent = lot ? Night.label(lot.player) : "Nobody on the block";
      $("lot-bid").textContent = lot ? "$" + lot.amount : "";
      $("lot-team").textContent = lot ? Night.team(lot.team).name : (state.nominating_team ? Night.team(state.nominating_team).name + " nominates next" : "");
    }
    $("board-title").textContent = auction ? "Teams" : "Board";
    $("board").replaceChildren(auction ? auctionTeams(state) : roundsGrid(state));
    const last = state.picks.filter((p) => p.pick > 0).slice(-8).reverse();
    $("last").replaceChildren(last.length ? e("ol", {id: "last-list"}, last.map((p) =>
      e("li", {"data-player": p.player}, "#" + p.pick + " " + Night.player(p.player).name + " · " + Night.team(p.team).name +
        (auction ? " · $" + p.price : "")))) : e("span", {className: "dim"}, "No picks yet"));
  }

  Night.start(render);
})();
