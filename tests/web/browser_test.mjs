// Plays the browser build in headless Chromium, as a player would:
//  - the splash, then the main menu, close to the desktop's menu picture;
//  - the play button starts level 1 (the red head and the blue food are on
//    the canvas); once the snake waits at a wall, an arrow key sets it
//    going again; Escape brings the menu back;
//  - the splash's, the play button's and the options' sounds reach Web Audio;
//  - a screen size and a colour depth chosen on the options page are stored
//    in the browser with the bytes the Linux game writes for the same
//    clicks, and the reloaded page starts with that drawing-buffer size;
//  - the quit button shows the ended page;
//  - a stored size the browser cannot draw brings up the start-up message
//    box, and the game goes on in the screen's size.
//
// usage: node browser_test.mjs PAGE_DIR BUTTON_POINT DESKTOP_SETTINGS MENU_PNG
// (CHROMIUM names the browser; /usr/bin/chromium by default)
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';

import { launchChromium, serve } from './page_server.mjs';

const [pageDir, buttonPoint, desktopSettings, menuPng] = process.argv.slice(2);
if (!menuPng) {
  console.error('usage: node browser_test.mjs PAGE_DIR BUTTON_POINT DESKTOP_SETTINGS MENU_PNG');
  process.exit(2);
}
const width = 1024, height = 768;
// Mean difference per colour channel (0-255) within which two pictures are
// the same page; the menu and the splash differ far more.
const samePicture = 6;
const started = Date.now();
const log = (text) => console.log(`browser test [${((Date.now() - started) / 1000).toFixed(1)} s]: ${text}`);

function button(name, w = width, h = height) {
  const [x, y] = execFileSync(buttonPoint, [String(w), String(h), name]).toString().trim().split(' ').map(Number);
  return { x, y };
}

// Measures in the browser itself, which decodes PNG: the mean difference
// per colour channel from a reference picture (null for another size), or
// how much of the picture its commonest colour covers and the pixels where
// red or blue clearly dominates (a lit sphere: bright in its own channel,
// the others well below).
async function difference(page, png, reference) {
  return page.evaluate(async ([shot, ref]) => {
    const [d, r] = await Promise.all([shot, ref].map(window.tramoxTestPixels));
    if (d.length !== r.length) return null;
    let sum = 0;
    for (let i = 0; i < d.length; i += 4) {
      sum += Math.abs(d[i] - r[i]) + Math.abs(d[i + 1] - r[i + 1]) + Math.abs(d[i + 2] - r[i + 2]);
    }
    return sum / (3 * d.length / 4);
  }, [png.toString('base64'), reference.toString('base64')]);
}

async function colours(page, png) {
  return page.evaluate(async (shot) => {
    const d = await window.tramoxTestPixels(shot);
    const dominates = (own, a, b) => own >= 96 && a * 2 < own && b * 2 < own;
    const counts = new Map();
    let red = 0, blue = 0, commonest = 0;
    for (let i = 0; i < d.length; i += 4) {
      const key = (d[i] << 16) | (d[i + 1] << 8) | d[i + 2];
      const n = (counts.get(key) || 0) + 1;
      counts.set(key, n);
      if (n > commonest) commonest = n;
      red += dominates(d[i], d[i + 1], d[i + 2]);
      blue += dominates(d[i + 2], d[i], d[i + 1]);
    }
    return { commonest: commonest / (d.length / 4), red, blue };
  }, png.toString('base64'));
}

// The pixels of a PNG given in base64, decoded by the page.
function pixelDecoder() {
  window.tramoxTestPixels = async (base64) => {
    const image = new Image();
    image.src = 'data:image/png;base64,' + base64;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = image.width;
    canvas.height = image.height;
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    return context.getImageData(0, 0, image.width, image.height).data;
  };
}

const shot = (page) => page.screenshot();

async function until(what, seconds, check) {
  const deadline = Date.now() + seconds * 1000;
  for (;;) {
    const result = await check();
    if (result) return result;
    if (Date.now() > deadline) throw new Error(`${what}: not within ${seconds} s`);
    await new Promise((resolve) => setTimeout(resolve, 200));
  }
}

// The bytes of the settings file in the page's IndexedDB store, or null.
async function storedSettings(page) {
  const bytes = await page.evaluate(() => new Promise((resolve) => {
    const open = indexedDB.open('/store');
    open.onerror = () => resolve(null);
    open.onsuccess = () => {
      const db = open.result;
      if (!db.objectStoreNames.contains('FILE_DATA')) { db.close(); resolve(null); return; }
      const get = db.transaction('FILE_DATA').objectStore('FILE_DATA').get('/store/Settings.xml');
      get.onsuccess = () => { db.close(); resolve(get.result ? Array.from(get.result.contents) : null); };
      get.onerror = () => { db.close(); resolve(null); };
    };
  }));
  return bytes ? Buffer.from(bytes) : null;
}

// Replaces the stored settings file, as a damaged or hand-edited one would be.
async function storeSettings(page, bytes) {
  await page.evaluate((contents) => new Promise((resolve, reject) => {
    const open = indexedDB.open('/store');
    open.onerror = () => reject(new Error('no store'));
    open.onsuccess = () => {
      const db = open.result;
      const files = db.transaction('FILE_DATA', 'readwrite').objectStore('FILE_DATA');
      const get = files.get('/store/Settings.xml');
      get.onsuccess = () => {
        const entry = get.result;
        entry.contents = new Uint8Array(contents);
        entry.timestamp = new Date();
        files.put(entry, '/store/Settings.xml').onsuccess = () => { db.close(); resolve(); };
      };
    };
  }), Array.from(bytes));
}

async function waitForMenu(page, menu) {
  return until('the main menu', 30, async () => {
    const seen = await difference(page, await shot(page), menu);
    return seen !== null && seen < samePicture ? seen : null;
  });
}

async function main() {
  const menu = fs.readFileSync(menuPng);
  const server = await serve(pageDir);
  const url = `http://127.0.0.1:${server.address().port}/index.html`;
  const browser = await launchChromium();
  const failures = [];
  let page = null;
  try {
    const context = await browser.newContext({ viewport: { width, height }, screen: { width, height } });
    await context.addInitScript(pixelDecoder);
    page = await context.newPage();
    page.on('console', (message) => { if (message.type() === 'error') console.log(`  page: ${message.text()}`); });
    page.on('pageerror', (error) => failures.push(`page error: ${error.message}`));
    await page.goto(url);

    // The splash first: a picture, but not the menu's. Its two seconds
    // are caught by screenshots alone, looked at afterwards.
    await page.waitForSelector('#canvas:not([hidden])', { timeout: 60000 });
    const early = [];
    const shown = Date.now();
    while (Date.now() - shown < 4000) early.push(await shot(page));
    let splash = null;
    for (const picture of early) {
      const seen = await colours(page, picture);
      if (seen.commonest < 0.95) { splash = await difference(page, picture, menu); break; }
    }
    if (splash === null) throw new Error(`no picture in the first ${early.length} screenshots`);
    if (!(splash >= samePicture)) throw new Error(`the first picture is the menu, not the splash (${splash})`);
    const menuSeen = await waitForMenu(page, menu);
    log(`splash, then the menu (mean difference from the desktop's ${menuSeen.toFixed(2)}, the splash's ${splash.toFixed(1)})`);

    const play = button('play');
    await page.mouse.click(play.x, play.y);
    const level = await until('level 1', 20, async () => {
      const seen = await colours(page, await shot(page));
      return seen.commonest >= 0.5 && seen.red >= 50 && seen.blue >= 50 ? seen : null;
    });
    log(`level 1: red ${level.red}, blue ${level.blue} pixels`);

    // The snake waits in front of a wall until it is turned: the frames stop
    // changing, and one of the arrow keys starts them again.
    let previous = await shot(page);
    await until('the snake waiting at a wall', 30, async () => {
      await new Promise((resolve) => setTimeout(resolve, 400));
      const now = await shot(page);
      const still = now.equals(previous);
      previous = now;
      return still;
    });
    let turned = null;
    for (const key of ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown']) {
      const before = await shot(page);
      await page.keyboard.press(key);
      await new Promise((resolve) => setTimeout(resolve, 600));
      if (!(await shot(page)).equals(before)) { turned = key; break; }
    }
    if (!turned) throw new Error('no arrow key changed the frames');
    log(`${turned} set the snake going again`);

    await page.keyboard.press('Escape');
    await waitForMenu(page, menu);
    log('Escape brought the menu back');

    const choices = ['800x600', '16'];
    for (const name of ['options', ...choices, 'back', 'quit']) {
      const point = button(name);
      await page.mouse.click(point.x, point.y);
      await new Promise((resolve) => setTimeout(resolve, 700));
    }
    await page.waitForSelector('#ended:not([hidden])', { timeout: 20000 });
    const endedText = await page.textContent('#ended');
    if (!/Tramox has ended; reload to play again/.test(endedText)) throw new Error(`the ended page says "${endedText}"`);
    log('the quit button showed the ended page');

    const sounds = await page.evaluate(() => Module.tramox.soundLog);
    for (const name of ['Sounds/Start.wav', 'Sounds/Play.wav', 'Sounds/Click.wav']) {
      if (!sounds.requested.includes(name)) throw new Error(`no request for ${name}: ${JSON.stringify(sounds)}`);
      if (!sounds.started.includes(name)) throw new Error(`${name} did not reach Web Audio: ${JSON.stringify(sounds)}`);
    }
    log(`sounds reached Web Audio: ${[...new Set(sounds.started)].join(', ')}`);

    const stored = await storedSettings(page);
    const desktop = execFileSync(desktopSettings, choices);
    if (!stored) throw new Error('no Settings.xml in the browser\'s storage');
    if (!stored.equals(desktop)) {
      throw new Error(`stored Settings.xml differs from the desktop's:\n  page    ${stored}\n  desktop ${desktop}`);
    }
    log('the stored Settings.xml has the desktop\'s bytes');

    // The next visit starts in the chosen size, scaled to the window, and
    // its buttons are where the player sees them.
    await page.reload();
    await page.waitForSelector('#canvas:not([hidden])', { timeout: 30000 });
    const buffer = await page.evaluate(() => [document.getElementById('canvas').width, document.getElementById('canvas').height]);
    if (buffer[0] !== 800 || buffer[1] !== 600) throw new Error(`the reloaded page draws at ${buffer.join('x')}`);
    const scaledMenu = await waitForMenu(page, menu);
    const quit = button('quit');
    await page.mouse.click(quit.x, quit.y);
    await page.waitForSelector('#ended:not([hidden])', { timeout: 20000 });
    const again = await storedSettings(page);
    if (!again || !again.equals(desktop)) throw new Error('the second visit changed the stored settings');
    log(`the reloaded page drew at 800x600 (its menu's difference ${scaledMenu.toFixed(2)}) and quit from its scaled button`);

    // A stored size no drawing buffer has: the start-up message box, then
    // the game in the browser's screen size, which it keeps.
    await storeSettings(page, Buffer.from(desktop.toString().replace('<ScreenWidth>800<', '<ScreenWidth>90000<')));
    await page.reload();
    await page.waitForSelector('#dialog:not([hidden])', { timeout: 30000 });
    const box = [await page.textContent('#dialog-caption'), await page.textContent('#dialog-text')];
    if (box[0] !== 'Tramox Error' || box[1] !== 'Failed to init graphics. Trying default settings.') {
      throw new Error(`the message box says ${JSON.stringify(box)}`);
    }
    await page.keyboard.press('Enter');
    await waitForMenu(page, menu);
    await page.mouse.click(quit.x, quit.y);
    await page.waitForSelector('#ended:not([hidden])', { timeout: 20000 });
    const fallback = (await storedSettings(page)).toString();
    if (!fallback.includes(`<ScreenWidth>${width}</ScreenWidth><ScreenHeight>${height}</ScreenHeight><ScreenColor>24<`)) {
      throw new Error(`the browser's screen mode was not kept: ${fallback}`);
    }
    log('a refused size brought the message box, then the screen\'s size, which was kept');
  } catch (error) {
    failures.push(error.message);
    // The page as it was, for a look.
    if (page) {
      await page.screenshot({ path: 'browser_test_failure.png' }).catch(() => {});
      failures.push(`the page at the failure is in ${process.cwd()}/browser_test_failure.png`);
    }
  } finally {
    await browser.close();
    server.close();
  }
  if (failures.length) {
    for (const failure of failures) console.error(`browser test: ${failure}`);
    process.exit(1);
  }
  log('passed');
}

await main();
