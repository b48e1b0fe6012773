// Drives headless Chromium over the DevTools protocol through the server's pages, at a phone's
// and a desk's width, in English and German; then asks the server directly for what a browser
// would never send. Prints every failure and exits 1 if there was one.
"use strict";
const fs = require("fs");
const http = require("http");
const path = require("path");
const puppeteer = require("puppeteer-core");
const axe = require("axe-core");

const basis = process.argv[2].replace(/\/$/, "");
const arbeit = process.env.ARBEIT;
const fehler = [];
const pruefe = (bedingung, was) => { if (!bedingung) fehler.push(was); };

const breiten = [
  { name: "360", viewport: { width: 360, height: 740, isMobile: true, hasTouch: true, deviceScaleFactor: 2 } },
  { name: "1280", viewport: { width: 1280, height: 900 } },
];
// Each page with the texts it must show in each language.
const seiten = [
  { pfad: "/", texte: { en: ["Find the Right Glove", "Fluvex", "Halle 3"],
                        de: ["Den richtigen Handschuh finden", "Halle 3"] } },
  { pfad: "/chemical?cas=67-64-1&cas=108-88-3&cas=64-17-5", chemie: true,
    texte: { en: ["Perm.: L", "Swell.:"], de: ["Perm.: St.", "Quell"] } },
  { pfad: "/product/4501", texte: { en: ["Fluvex", "Product code:"], de: ["Fluvex", "Artikelnummer:"] } },
  { pfad: "/plan/Halle%203", plan: true, texte: { en: ["Halle 3", "Work areas:"], de: ["Halle 3"] } },
  { pfad: "/mechanical?hazard=1&environment=0", texte: { en: ["Search Results:"], de: ["Suchergebnisse:"] } },
];

async function seitePruefen(browser, breite, sprache, s) {
  const wo = `${s.pfad} ${breite.name}px ${sprache}`;
  const page = await browser.newPage();
  await page.setViewport(breite.viewport);
  await page.setExtraHTTPHeaders({ "Accept-Language": sprache === "de" ? "de-DE,de;q=0.9" : "en-GB,en;q=0.8" });
  const konsole = [];
  page.on("console", (m) => { if (m.type() === "error") konsole.push(m.text()); });
  page.on("pageerror", (e) => konsole.push(String(e)));
  page.on("dialog", async (d) => { konsole.push("dialog: " + d.message()); await d.dismiss(); });
  const antwort = await page.goto(basis + s.pfad, { waitUntil: "load" });
  pruefe(antwort.status() === 200, `${wo}: status ${antwort.status()}`);
  const befund = await page.evaluate(() => {
    const zuKlein = [];
    for (const el of document.querySelectorAll("button, select, input, .knopf, nav a, .katalog a, .treffer a, .plaene a, .gewaehlt a")) {
      const r = el.getBoundingClientRect();
      const ziel = el.closest("label") || el;
      const h = Math.max(r.height, ziel.getBoundingClientRect().height);
      if (r.width > 0 && h < 44) zuKlein.push(`${el.tagName} "${el.textContent.trim().slice(0, 30)}" ${h}px`);
    }
    const kleineSchrift = [];
    const gang = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    while (gang.nextNode()) {
      const el = gang.currentNode.parentElement;
      if (!gang.currentNode.textContent.trim() || !el || el.closest(".unsichtbar, .sprung")) continue;
      const px = parseFloat(getComputedStyle(el).fontSize);
      if (px < 16) kleineSchrift.push(`"${gang.currentNode.textContent.trim().slice(0, 30)}" ${px}px`);
    }
    return {
      lang: document.documentElement.lang,
      title: document.title,
      breit: document.documentElement.scrollWidth - window.innerWidth,
      text: document.body.innerText,
      zuKlein, kleineSchrift,
      boese: window.boese,
      fremdeSkripte: document.querySelectorAll("main script, main img[src='x']").length,
    };
  });
  pruefe(befund.lang === sprache, `${wo}: lang "${befund.lang}"`);
  pruefe(befund.title.length > 0, `${wo}: no title`);
  pruefe(befund.breit <= 0, `${wo}: scrolls sideways by ${befund.breit}px`);
  pruefe(befund.zuKlein.length === 0, `${wo}: touch targets below 44px: ${befund.zuKlein.join("; ")}`);
  pruefe(befund.kleineSchrift.length === 0, `${wo}: text below 16px: ${befund.kleineSchrift.slice(0, 5).join("; ")}`);
  for (const t of s.texte[sprache]) pruefe(befund.text.includes(t), `${wo}: "${t}" missing`);
  pruefe(konsole.length === 0, `${wo}: console: ${konsole.join(" | ")}`);
  if (s.plan) {
    pruefe(befund.text.includes("<script>window.boese=1</script>"), `${wo}: the note's markup is not shown as text`);
    pruefe(befund.text.includes("<img src=x onerror=window.boese=2>"), `${wo}: the second note is not shown as text`);
    pruefe(befund.boese === undefined && befund.fremdeSkripte === 0, `${wo}: a note ran or became markup`);
  }
  if (s.chemie) {
    // Same gloves in the same order as "qvr chem-search" of that data set.
    const json = JSON.parse(fs.readFileSync(path.join(arbeit, `chem-${sprache === "de" ? "DE" : "EN"}.json`)));
    const zeilen = await page.$$eval(".raster tbody th a", (a) => a.map((x) => x.textContent));
    pruefe(JSON.stringify(zeilen) === JSON.stringify(json.gloves.map((g) => g.Name)),
      `${wo}: rows ${zeilen.join(",")} differ from qvr chem-search`);
  }
  // Through the DevTools protocol, which the pages' Content-Security-Policy does not govern.
  await page.evaluate(axe.source);
  const ergebnis = await page.evaluate(async () =>
    await window.axe.run(document, { runOnly: ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "best-practice"] }));
  for (const v of ergebnis.violations)
    if (v.impact === "serious" || v.impact === "critical")
      fehler.push(`${wo}: axe ${v.id} (${v.impact}): ${v.nodes.slice(0, 3).map((n) => n.target.join(" ")).join(", ")}`);
  await page.close();
}

// A request exactly as written, which a browser would have normalised first.
function roh(pfad, kopf = {}) {
  return new Promise((fertig, fehlschlag) => {
    const u = new URL(basis);
    const req = http.request({ host: u.hostname, port: u.port, path: pfad, headers: kopf }, (res) => {
      let inhalt = "";
      res.setEncoding("utf8");
      res.on("data", (d) => { inhalt += d; });
      res.on("end", () => fertig({ status: res.statusCode, kopf: res.headers, inhalt }));
    });
    req.on("error", fehlschlag);
    req.setTimeout(10000, () => req.destroy(new Error("timeout " + pfad)));
    req.end();
  });
}

async function serverPruefen() {
  const start = await roh("/");
  pruefe(/default-src 'none'/.test(start.kopf["content-security-policy"] || ""), "no strict Content-Security-Policy");
  pruefe(start.kopf["x-content-type-options"] === "nosniff", "no X-Content-Type-Options: nosniff");
  pruefe(!/<script>(?!<\/script>)|<script>[^<]/.test(start.inhalt), "inline script on the start page");
  for (const pfad of ["/plan/..%2F..%2Fetc%2Fpasswd", "/plan/../../etc/passwd", "/plan/%2e%2e%2fHalle%203",
                      "/plan/Fremd", "/plan/geheim", "/plan/geheim.txt", "/plan/Halle%203.PLN%00",
                      "/plan/.%2FHalle%203", "/plan/%5C..%5CHalle%203", "/pdf/plan/Fremd", "/nichts"])
    pruefe((await roh(pfad)).status === 404, `${pfad} is not refused with 404`);
  pruefe((await roh("/plan/Halle%203")).status === 200, "the plan is not served");
  const viele = Array.from({ length: 51 }, () => "cas=67-64-1").join("&");
  pruefe((await roh("/chemical?" + viele)).status === 400, "51 chemicals are not refused");
  pruefe((await roh("/api/chem-search?" + viele)).status === 400, "51 chemicals are not refused by the API");
  pruefe((await roh("/chemical?name=" + "x".repeat(9000))).status === 400, "a query over 8 KiB is not refused");
  pruefe((await roh("/chemical?colour=red")).status === 400, "an unknown option is not refused");
  pruefe((await roh("/chemical?length=9")).status === 400, "an option out of range is not refused");
  pruefe((await roh("/mechanical?hazard=x")).status === 400, "a wrong answer is not refused");
  pruefe((await roh("/mechanical?colour=red")).status === 400, "an unknown answer is not refused");
  pruefe((await roh("/api/chem-search?name=Unobtainium")).status === 400, "an unknown chemical is not refused");
  // The API answers exactly as the tool does.
  for (const [sprache, daten] of [["en", "EN"], ["de", "DE"]]) {
    const api = await roh("/api/chem-search?cas=67-64-1&cas=108-88-3&cas=64-17-5", { "Accept-Language": sprache });
    pruefe(api.inhalt === fs.readFileSync(path.join(arbeit, `chem-${daten}.json`), "utf8"),
      `/api/chem-search in ${sprache} differs from qvr chem-search --format json`);
  }
  // The API answers exactly as the tool does.
  for (const [sprache, daten] of [["en", "EN"], ["de", "DE"]]) {
    const api = await roh("/api/mech-search?hazard=1", { "Accept-Language": sprache });
    pruefe(api.inhalt === fs.readFileSync(path.join(arbeit, `mech-${daten}.json`), "utf8"),
      `/api/mech-search in ${sprache} differs from qvr mech-search --format json`);
  }
  for (const pdf of ["/pdf/product/4501", "/pdf/plan/Halle%203", "/pdf/mechanical?hazard=1",
                     "/pdf/chemical?cas=67-64-1&cas=108-88-3&cas=64-17-5"]) {
    const r = await roh(pdf);
    pruefe(r.status === 200 && r.kopf["content-type"] === "application/pdf" && r.inhalt.startsWith("%PDF"),
      `${pdf} is no PDF`);
  }
  // A plan saved again shows changed at the next request.
  const datei = path.join(arbeit, "plaene", "Halle 3.PLN");
  fs.writeFileSync(datei, "1\r\n4501\r\nNeu\r\n\r\n\r\nGeaendert\r\n\r\n", "latin1");
  pruefe((await roh("/plan/Halle%203")).inhalt.includes("Geaendert"), "a changed plan does not show changed");
}

(async () => {
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM, headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--no-first-run", "--proxy-server=direct://"],
  });
  try {
    for (const breite of breiten)
      for (const sprache of ["en", "de"])
        for (const s of seiten) await seitePruefen(browser, breite, sprache, s);
  } finally {
    await browser.close();
  }
  await serverPruefen();
  for (const f of fehler) console.log("FAIL " + f);
  console.log(fehler.length ? `${fehler.length} failures` : "all browser checks passed");
  process.exit(fehler.length ? 1 : 0);
})().catch((e) => { console.log("FAIL " + (e.stack || e)); process.exit(1); });
