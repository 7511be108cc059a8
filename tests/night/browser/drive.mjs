// SPDX-License-Identifier: MIT
// Drives headless Chromium through the draft night's pages over the DevTools protocol on a
// pipe (no WebSocket client needed): a board, a phone or two and the commissioner, each in a
// browser context of its own so that each keeps its own join cookie.
//   node drive.mjs auction|snake SETUP_FILE
// SETUP_FILE holds JSON: {"port", "commissioner", "teams": [{"team", "code"}] by draft position, "player",
// "shots": folder for screenshots or ""}. Exits 0 when the board showed what the phones did.
import {spawn} from "node:child_process";
import {mkdtempSync, readFileSync, rmSync, writeFileSync} from "node:fs";
import {tmpdir} from "node:os";
import {join} from "node:path";

const [scenario, setupFile] = process.argv.slice(2);
const setup = JSON.parse(readFileSync(setupFile, "utf8"));
const base = `http://127.0.0.1:${setup.port}`;
const profile = mkdtempSync(join(tmpdir(), "night-browser-"));
const browser = spawn(process.env.CHROMIUM || "/usr/bin/chromium",
  ["--headless=new", "--remote-debugging-pipe", "--no-sandbox", "--disable-gpu",
   "--no-first-run", "--no-default-browser-check", `--user-data-dir=${profile}`, "about:blank"],
  {stdio: ["ignore", "ignore", "ignore", "pipe", "pipe"]});

let nextId = 1;
const waiting = new Map();
let pending = "";
browser.stdio[4].on("data", (chunk) => {
  pending += chunk.toString();
  let end;
  while ((end = pending.indexOf("\0")) >= 0) {
    const message = JSON.parse(pending.slice(0, end));
    pending = pending.slice(end + 1);
    if (message.id && waiting.has(message.id)) {
      const {resolve, reject} = waiting.get(message.id);
      waiting.delete(message.id);
      message.error ? reject(new Error(JSON.stringify(message.error))) : resolve(message.result);
    }
  }
});
function send(method, params = {}, sessionId) {
  const id = nextId++;
  browser.stdio[3].write(JSON.stringify({id, method, params, sessionId}) + "\0");
  return new Promise((resolve, reject) => waiting.set(id, {resolve, reject}));
}

async function openPage(width, height) {
  const {browserContextId} = await send("Target.createBrowserContext");
  const {targetId} = await send("Target.createTarget", {url: "about:blank", browserContextId});
  const {sessionId} = await send("Target.attachToTarget", {targetId, flatten: true});
  await send("Page.enable", {}, sessionId);
  await send("Emulation.setDeviceMetricsOverride",
             {width, height, deviceScaleFactor: 1, mobile: width < 600}, sessionId);
  const page = {
    async go(path) {
      await send("Page.navigate", {url: base + path}, sessionId);
    },
    async run(expression) {
      const answer = await send("Runtime.evaluate", {expression, awaitPromise: true, returnByValue: true}, sessionId);
      if (answer.exceptionDetails) throw new Error(answer.exceptionDetails.text + " " + expression);
      return answer.result.value;
    },
    // Waits until the expression is true in the page, for ten seconds at most.
    async until(expression, what) {
      for (let tries = 0; tries < 200; tries++) {
        try {
          if (await page.run(expression)) return;
        } catch (e) { /* the page is still loading */ }
        await new Promise((r) => setTimeout(r, 50));
      }
      throw new Error("never happened: " + what);
    },
    async click(selector) {
      await page.until(`!!document.querySelector(${JSON.stringify(selector)}) && !document.querySelector(${JSON.stringify(selector)}).disabled`, "clickable " + selector);
      await page.run(`document.querySelector(${JSON.stringify(selector)}).click(), true`);
    },
    async shot(name) {
      if (!setup.shots) return;
      const {data} = await send("Page.captureScreenshot", {format: "png", captureBeyondViewport: false}, sessionId);
      writeFileSync(join(setup.shots, `${scenario}-${name}.png`), Buffer.from(data, "base64"));
    },
    async join(code, then) {
      await page.go("/join#" + code);
      await page.until(`location.pathname !== "/join"`, "joined");
      if (then) await page.go(then);
      await page.until(`typeof Night !== "undefined" && !!Night.state`, "state shown");
    },
  };
  return page;
}

async function auction() {
  const [first, second] = setup.teams;
  const board = await openPage(1920, 1080);
  await board.join(setup.commissioner, "/");
  const phone1 = await openPage(360, 740);
  await phone1.join(first.code);
  const phone2 = await openPage(360, 740);
  await phone2.join(second.code);
  const commissioner = await openPage(360, 740);
  await commissioner.join(setup.commissioner);
  await phone1.until(`document.getElementById("status").textContent === "Your turn to nominate"`, "nomination turn");
  await phone1.shot("team-nominating-360");
  await phone1.run(`document.getElementById("open-amount").value = "3", true`);
  await phone1.click(`[data-nominate="${setup.player}"]`);
  await phone2.until(`!document.getElementById("lot").hidden && document.getElementById("lot-bid").textContent === "$3"`, "lot on phone 2");
  await phone2.click("#plus5");
  await board.until(`document.getElementById("lot-bid").textContent === "$8"`, "bid of 8 on the board");
  await board.shot("board-lot-1920");
  await phone2.shot("team-lot-360");
  await commissioner.shot("commissioner-360");
  await commissioner.click("#close-lot");
  await board.until(`!!document.querySelector('#last-list li[data-player="${setup.player}"]') &&
    document.querySelector('#board tr[data-team="${second.team}"]').textContent.includes("$8")`, "sale on the board");
  await board.shot("board-sold-1920");
  const phoneBoard = await openPage(360, 740);
  await phoneBoard.join(setup.commissioner, "/");
  await phoneBoard.shot("board-360");
  const wide = await openPage(1920, 1080);
  await wide.join(second.code);
  await wide.shot("team-1920");
}

async function snake() {
  const [first, second] = setup.teams;
  const board = await openPage(1920, 1080);
  await board.join(setup.commissioner, "/");
  await board.until(`!!document.querySelector('td.now[data-round="1"][data-team="${first.team}"]')`, "first cell lit");
  const phone = await openPage(360, 740);
  await phone.join(first.code);
  await phone.until(`document.getElementById("status").textContent.startsWith("Your pick!")`, "on the clock");
  await phone.shot("team-pick-360");
  await phone.click(`[data-pick="${setup.player}"]`);
  await board.until(`document.querySelector('td[data-round="1"][data-team="${first.team}"]').textContent.length > 0 &&
    !!document.querySelector('td.now[data-round="1"][data-team="${second.team}"]')`, "pick on the board, next team lit");
  await board.shot("board-1920");
  const phoneBoard = await openPage(360, 740);
  await phoneBoard.join(setup.commissioner, "/");
  await phoneBoard.shot("board-360");
  const commissioner = await openPage(1920, 1080);
  await commissioner.join(setup.commissioner);
  await commissioner.shot("commissioner-1920");
}

let failed = false;
try {
  await (scenario === "auction" ? auction() : snake());
} catch (error) {
  console.error(error.message);
  failed = true;
}
browser.kill();
await new Promise((resolve) => browser.once("exit", resolve));
// Chromium's helper processes may still be writing the profile after the browser itself exits:
// removing it is retried, and a profile left behind in the temporary folder fails no scenario.
try {
  rmSync(profile, {recursive: true, force: true, maxRetries: 10, retryDelay: 100});
} catch (error) {
  console.error(`the browser profile ${profile} was left behind: ${error.message}`);
}
process.exit(failed ? 1 : 0);
