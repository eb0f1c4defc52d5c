// The browser build's times in headless Chromium, from the frames the page
// records (page.js): when the first frame and the main menu's first frame
// were shown, counted from the start of the page's navigation, and level
// 1's frames (the period between frames, and the program's work for each,
// its sleeps and the waits for the browser's frames left out).
// usage: node measure.mjs PAGE_DIR BUTTON_POINT
import { execFileSync } from 'node:child_process';

import { launchChromium, serve } from './page_server.mjs';

const [pageDir, buttonPoint] = process.argv.slice(2);
const rounds = Number(process.env.ROUNDS || 3);
const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
};
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const frames = (page) => page.evaluate(() => Module.tramox.frames.map((f) => ({ at: f.at, work: f.work })));

const server = await serve(pageDir);
const browser = await launchChromium();
const rows = [];
for (let round = 0; round < rounds; ++round) {
  const context = await browser.newContext({ viewport: { width: 1024, height: 768 }, screen: { width: 1024, height: 768 } });
  const page = await context.newPage();
  await page.goto(`http://127.0.0.1:${server.address().port}/index.html`);
  // The splash sleeps two seconds after its frame: the menu's first frame
  // is the first after that pause.
  let menuAt = null;
  let all = [];
  for (let tries = 0; tries < 300 && menuAt === null; ++tries) {
    await sleep(100);
    all = await frames(page);
    for (let i = 1; i < all.length; ++i) {
      if (all[i].at - all[i - 1].at > 1500) { menuAt = all[i].at; break; }
    }
  }
  if (menuAt === null) throw new Error('the menu never came');
  const [x, y] = execFileSync(buttonPoint, ['1024', '768', 'play']).toString().trim().split(' ').map(Number);
  // The snake runs until it meets a wall, where the frames stop: the
  // first three seconds of the level are taken (the median leaves out the
  // menu's last frames and the start of the level).
  const before = (await frames(page)).length;
  await page.mouse.click(x, y);
  await sleep(3000);
  const level = (await frames(page)).slice(before);
  const periods = level.slice(1).map((f, i) => f.at - level[i].at);
  rows.push({ first: all[0].at, menu: menuAt, period: median(periods), work: median(level.map((f) => f.work)),
              frames: level.length });
  await context.close();
}
await browser.close();
server.close();
console.log('| Measure | ' + rows.map((_, i) => `round ${i + 1}`).join(' | ') + ' |');
console.log('|---|' + rows.map(() => '---|').join(''));
const line = (name, pick) => console.log(`| ${name} | ` + rows.map((r) => pick(r)).join(' | ') + ' |');
line('first frame (splash)', (r) => `${r.first.toFixed(0)} ms`);
line('first menu frame', (r) => `${r.menu.toFixed(0)} ms`);
line('level 1: median frame period', (r) => `${r.period.toFixed(1)} ms`);
line('level 1: median work a frame', (r) => `${r.work.toFixed(2)} ms`);
line('frames in the 3 s after the play button', (r) => `${r.frames}`);
