// Photographs the browser edition in Debian's chromium (headless) with the capacity worksheet's
// worked example on screen: R-22, KO/KE, 40 / 100 / 90 °F, loading by 12000 Btu/h.
//
//   node scripts/web-screenshot.mjs [--site build-web/site] [--out docs/browser-edition.png] [--scale 1]
import { chromium } from "playwright-core";
import { serveSite } from "../tests/web/site_server.mjs";

function option(name, fallback) {
  const at = process.argv.indexOf(`--${name}`);
  return at > 0 ? process.argv[at + 1] : fallback;
}
const site = option("site", "build-web/site");
const out = option("out", "docs/browser-edition.png");
const scale = Number(option("scale", "1"));

const server = await serveSite(site);
const browser = await chromium.launch({ executablePath: "/usr/bin/chromium", args: ["--no-sandbox"], headless: true });
const context = await browser.newContext({ viewport: { width: 1100, height: 640 }, deviceScaleFactor: scale });
const page = await context.newPage();
await page.goto(server.url);
await page.waitForFunction(() => window.korveld && window.korveld.startPainted !== null);
const form = (name) => page.locator(`section.window[data-form="${name}"]`);
const control = (name, id) => form(name).locator(`[data-control="${id}"]`);
async function pick(name, ...captions) {
  const [top, ...rest] = captions;
  await form(name).locator(".menutitle", { hasText: top }).click();
  for (const caption of rest) {
    await page.locator(".menu .menuitem", { has: page.locator(".mtext", { hasText: new RegExp(`^${caption}$`) }) }).last().click();
  }
}
await control("frmSelection", "cmdValveCap").click();
await pick("frmtxvCapacity", "Refrigerant", "R-22");
await pick("frmtxvCapacity", "Valve Types", '"K" Series', "KO/KE");
await control("frmtxvCapacity", "optYES").locator("input").click();
for (const [id, text] of [["txtSystemCapacity", "12000"], ["txtEvapTemp", "40"], ["txtCondTemp", "100"], ["txtLiqTemp", "90"]]) {
  await control("frmtxvCapacity", id).fill(text);
}
await control("frmtxvCapacity", "cmdCalculate").click();
await control("frmtxvCapacity", "txtSystemCapacity").focus();
await page.mouse.move(1090, 630);
await page.screenshot({ path: out });
console.log(`wrote ${out}`);
await browser.close();
await server.close();
