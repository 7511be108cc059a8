"use strict";
// What every page of the draft night shares: the API, the room's state over the WebSocket, and
// the players by id.
const Night = (() => {
  let players = new Map();
  let state = null;
  let receivedAt = 0;
  const listeners = [];

  async function api(path, body) {
    const options = {credentials: "same-origin", headers: {}};
    if (body !== undefined) {
      options.method = "POST";
      options.headers["Content-Type"] = "application/json";
      options.body = JSON.stringify(body);
    }
    const answer = await fetch(path, options);
    if (answer.status === 401) {
      location.replace("/join");
    }
    const data = await answer.json().catch(() => ({}));
    return {ok: answer.ok, status: answer.status, data};
  }

  async function loadPlayers() {
    const answer = await api("/api/players");
    if (answer.ok) {
      players = new Map(answer.data.map((p) => [p.id, p]));
    }
  }

  async function take(next) {
    // A state older than the one shown (a slow answer overtaken by the socket) changes nothing.
    if (state && next.version < state.version) {
      return;
    }
    const unknown = next.picks.some((p) => !players.has(p.player)) ||
                    (next.lot && !players.has(next.lot.player));
    if (unknown) {
      await loadPlayers();
    }
    state = next;
    receivedAt = performance.now();
    listeners.forEach((listener) => listener(state));
  }

  async function refresh() {
    const answer = await api("/api/state");
    if (answer.ok) {
      await take(answer.data);
    }
  }

  function connect() {
    const socket = new WebSocket((location.protocol === "https:" ? "wss://" : "ws://") + location.host + "/ws");
    socket.onmessage = (event) => take(JSON.parse(event.data));
    socket.onclose = () => setTimeout(connect, 1000);
  }

  async function start(listener) {
    listeners.push(listener);
    await loadPlayers();
    await refresh();
    connect();
    // A phone that slept may have missed states: it asks again on waking.
    document.addEventListener("visibilitychange", () => { if (!document.hidden) refresh(); });
    window.addEventListener("online", refresh);
    setInterval(() => listeners.forEach((listener) => state && listener(state, true)), 250);
  }

  // Seconds left on a clock of the state, counted down since it arrived.
  function secondsLeft(seconds) {
    if (seconds === null || seconds === undefined) return null;
    if (state && state.paused) return seconds;
    return Math.max(0, Math.ceil(seconds - (performance.now() - receivedAt) / 1000));
  }

  // "Name (POS)", or the name alone when the file lists no position.
  const label = (id) => {
    const p = player(id);
    return p.pos ? p.name + " (" + p.pos + ")" : p.name;
  };
  const details = (p) => [p.pos, p.team, p.value ? "$" + p.value : ""].filter(Boolean).join(" · ");
  const player = (id) => players.get(id) || {id, name: "Player " + id, pos: "", team: "", value: 0, rank: 0};
  const team = (id) => (state && state.teams.find((t) => t.team === id)) || {team: id, name: "Team " + id};
  const allPlayers = () => players;

  function element(tag, attributes, ...children) {
    const node = document.createElement(tag);
    Object.entries(attributes || {}).forEach(([key, value]) => {
      if (key.startsWith("on")) node.addEventListener(key.slice(2), value);
      else if (key === "className") node.className = value;
      else if (value !== false && value !== null && value !== undefined) node.setAttribute(key, value === true ? "" : value);
    });
    children.flat().forEach((child) => node.append(child instanceof Node ? child : String(child)));
    return node;
  }

  function statusLine(current) {
    if (current.paused) return "Paused";
    if (current.complete) return "The draft is complete";
    if (current.draft.kind === "auction") {
      if (current.lot) return team(current.lot.team).name + " holds the high bid";
      return current.nominating_team ? team(current.nominating_team).name + " nominates" : "";
    }
    return current.turn ? team(current.turn.team).name + " is on the clock · round " +
                          current.turn.round + ", pick " + current.turn.pick : "";
  }

  return {api, start, refresh, secondsLeft, player, label, details, team, allPlayers, element, statusLine,
          get state() { return state; }};
})();
