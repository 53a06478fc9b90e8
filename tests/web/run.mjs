// The web pages in headless Chromium, used as a person would: the editor
// (draw, pick, recolour, save through the dialog, reload, load, the Run menu,
// Logging, Quit), the bouncing ball (moves over ticks, stops when halted) and
// the word board (a click and a typed word).
// Usage: node run.mjs [BUILD_DIR] (default build/web). Prints the measures
// (first frame, click to frame, processor use while animating).
import { chromium } from 'playwright-core';
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve } from 'node:path';
import assert from 'node:assert/strict';
import { MENU_BAR, logicalPoint, paletteRow, sameCounts } from './page_geometry.mjs';

const root = resolve(process.argv[2] || join(import.meta.dirname, '../../build/web'));
const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.css': 'text/css', '.data': 'application/octet-stream' };

// The build folder over HTTP on 127.0.0.1 (pages cannot fetch their .wasm from file://).
function serve() {
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    try {
      const body = await readFile(join(root, path));
      response.writeHead(200, { 'content-type': types[extname(path)] || 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  return new Promise((done) => server.listen(0, '127.0.0.1', () => done(server)));
}

const results = [];
async function test(name, body) {
  const started = Date.now();
  try {
    await body();
    results.push(`ok    ${name} (${Date.now() - started} ms)`);
  } catch (error) {
    results.push(`FAIL  ${name}: ${error.stack || error}`);
  }
}

const server = await serve();
const base = `http://127.0.0.1:${server.address().port}/`;
const browser = await chromium.launch({ executablePath: process.env.ZT738_CHROMIUM || '/usr/bin/chromium',
  args: ['--no-sandbox'] });
const measures = {};

// A page of one program, its errors collected; resolves once it presented.
async function open(context, file) {
  const page = await context.newPage();
  page.errors = [];
  page.on('pageerror', (e) => page.errors.push(e.message));
  await page.goto(base + file);
  await page.waitForFunction(() => ZT738Desktop.stats.firstFrame > 0, null, { timeout: 30000 });
  return page;
}

// The canvas of the window titled title, and its box on the page.
async function windowCanvas(page, title) {
  const canvas = page.locator('.zt-window', { has: page.locator('.zt-title span', { hasText: title }) })
    .locator('canvas');
  return { canvas, box: await canvas.boundingBox() };
}

// What a window's canvas shows in rect (all of it by default), summed up in
// the page (whole canvases are too large to hand over): how many pixels of
// each colour ("r,g,b"), and a hash of all of them.
async function pixels(page, title, rect) {
  const seen = await page.evaluate(([title, rect]) => {
    for (const w of document.querySelectorAll('.zt-window')) {
      if (w.querySelector('.zt-title span')?.textContent !== title) continue;
      const c = w.querySelector('canvas');
      const [x, y, width, height] = rect || [0, 0, c.width, c.height];
      const data = c.getContext('2d').getImageData(x, y, width, height).data;
      const counts = {};
      let hash = 0;
      for (let i = 0; i < data.length; i += 4) {
        const key = data[i] + ',' + data[i + 1] + ',' + data[i + 2];
        counts[key] = (counts[key] || 0) + 1;
        hash = (Math.imul(hash, 31) + data[i] * 65536 + data[i + 1] * 256 + data[i + 2]) | 0;
      }
      return { counts, hash };
    }
    return null;
  }, [title, rect]);
  assert.ok(seen, `a window titled ${title}`);
  return { counts: new Map(Object.entries(seen.counts)), hash: seen.hash };
}

// Clicks a point of the graphics window's drawing, in the program's own
// coordinates (origin at the centre, y upward).
async function clickLogical(page, x, y) {
  const { box } = await windowCanvas(page, 'ZT738 Graphics');
  const at = logicalPoint(box.width, box.height, x, y);
  await page.mouse.click(box.x + at.x, box.y + at.y);
}

const clickPalette = (page, row) => clickLogical(page, -265, paletteRow(row));

// Waits until the program has handled everything and presented it.
const DEBUG = process.env.ZT738_WEB_DEBUG;
const t0 = Date.now();
const trace = (what) => DEBUG && console.log(`${Date.now() - t0} ms: ${what}`);
async function settle(page) {
  await page.waitForTimeout(150);
  await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => r())));
}

async function typeInDialog(page, text) {
  const dialog = page.locator('.zt-window', { has: page.locator('.zt-title') }).nth(2);
  await dialog.waitFor({ state: 'visible' });
  await page.keyboard.type(text);
  await page.keyboard.press('Enter');
  await dialog.waitFor({ state: 'detached' });
}

const square = { x1: -150, y1: 150, x2: -60, y2: 60 };
const circle = { x1: 100, y1: 120, x2: 180, y2: 40 };
// Regions of the canvas around each shape, in canvas pixels.
function regions(box) {
  const a = logicalPoint(box.width, box.height, square.x1 - 6, square.y1 + 6);
  const b = logicalPoint(box.width, box.height, square.x2 + 6, square.y2 - 6);
  const c = logicalPoint(box.width, box.height, circle.x1 - 6, circle.y1 + 6);
  const d = logicalPoint(box.width, box.height, circle.x2 + 6, circle.y2 - 6);
  return { square: [a.x, a.y, b.x - a.x, b.y - a.y], circle: [c.x, c.y, d.x - c.x, d.y - c.y] };
}

await test('editor: draw, pick, recolour, save, reload, load', async () => {
  const context = await browser.newContext({ viewport: { width: 1400, height: 1000 } });
  let page = await open(context, 'zt738-editor.html');
  measures.firstFrameMs = Math.round(await page.evaluate(() => ZT738Desktop.stats.firstFrame));
  await clickPalette(page, 0);  // square
  await clickLogical(page, square.x1, square.y1);
  await clickLogical(page, square.x2, square.y2);
  await clickPalette(page, 1);  // circle
  await clickLogical(page, circle.x1, circle.y1);
  await clickLogical(page, circle.x2, circle.y2);
  await clickPalette(page, 5);  // pick
  await clickLogical(page, (square.x1 + square.x2) / 2, (square.y1 + square.y2) / 2);
  await clickPalette(page, 6);  // orange
  await settle(page);
  const { box } = await windowCanvas(page, 'ZT738 Graphics');
  const where = regions(box);
  const drawnSquare = (await pixels(page, 'ZT738 Graphics', where.square)).counts;
  const drawnCircle = (await pixels(page, 'ZT738 Graphics', where.circle)).counts;
  assert.ok((drawnSquare.get('255,102,0') || 0) > 100, 'the square is orange');
  assert.ok(!drawnCircle.has('255,102,0'), 'the circle is not');
  assert.ok(drawnCircle.size > 1, 'the circle is drawn');

  const saves = await page.evaluate(() => Module.zt738Files.saves);
  await clickPalette(page, 9);  // save
  await typeInDialog(page, 'web.txt');
  await page.waitForFunction((n) => Module.zt738Files.saves > n, saves);
  await page.locator('#file-list a', { hasText: 'web.txt' }).waitFor();
  measures.clickToFrameMs = await page.evaluate(() => ZT738Desktop.stats.inputToFrame.map(Math.round));

  await page.reload();
  await page.waitForFunction(() => ZT738Desktop.stats.firstFrame > 0);
  await page.locator('#file-list a', { hasText: 'web.txt' }).waitFor();
  const empty = (await pixels(page, 'ZT738 Graphics', where.square)).counts;
  assert.ok(!empty.has('255,102,0'), 'a new page starts without the drawing');
  await clickPalette(page, 10);  // load
  await typeInDialog(page, 'web.txt');
  await settle(page);
  assert.ok(sameCounts((await pixels(page, 'ZT738 Graphics', where.square)).counts, drawnSquare),
    'the square loads as it was saved');
  assert.ok(sameCounts((await pixels(page, 'ZT738 Graphics', where.circle)).counts, drawnCircle),
    'the circle loads as it was saved');

  // A file uploaded beside the windows lands in the program's folder, kept.
  const uploads = await page.evaluate(() => Module.zt738Files.saves);
  await page.setInputFiles('#upload', { name: 'up.txt', mimeType: 'text/plain', buffer: Buffer.from('1 2 3\n') });
  await page.locator('#file-list a', { hasText: 'up.txt' }).waitFor();
  await page.waitForFunction((n) => Module.zt738Files.saves > n, uploads);
  assert.equal(await page.evaluate(() => new TextDecoder().decode(Module.zt738Files.read('up.txt'))), '1 2 3\n');
  assert.deepEqual(page.errors, []);
  await context.close();
});

// Pixels of the text window that are not white: its text.
async function consoleInk(page) {
  const { counts } = await pixels(page, 'ZT738 Text');
  let ink = 0;
  for (const [colour, n] of counts) if (colour !== '255,255,255') ink += n;
  return ink;
}

async function clickRunMenu(page, item) {
  const { box } = await windowCanvas(page, 'ZT738 Graphics');
  await page.mouse.click(box.x + 20, box.y + MENU_BAR / 2);
  const popup = page.locator('.zt-window:not(:has(.zt-title))');
  await popup.waitFor({ state: 'visible' });
  await settle(page);
  const items = await popup.boundingBox();
  await page.mouse.click(items.x + 30, items.y + item);
  await popup.waitFor({ state: 'hidden' });
}

// The Run menu's rows, from the top of its popup.
const runItems = { animate: 11, halt: 29, logging: 77, quit: 171 };

await test('editor: the Run menu by click, Logging on fills the console, a recording kept, Ctrl+Q ends', async () => {
  const context = await browser.newContext({ viewport: { width: 1400, height: 1000 } });
  const page = await open(context, 'zt738-editor.html');
  await clickPalette(page, 0);
  await settle(page);
  const quiet = await consoleInk(page);
  trace('menu');
  await clickRunMenu(page, runItems.logging);
  trace('menu done');
  await clickPalette(page, 1);
  await clickLogical(page, 0, 0);
  await settle(page);
  assert.ok(await consoleInk(page) > quiet + 50, 'the console shows the log');
  // Ctrl+R records to "ZT738.SCR" (the browser's reload never sees it); the
  // recording is still there in a new page.
  await page.keyboard.press('Control+r');
  await clickPalette(page, 0);
  await page.keyboard.press('Control+r');
  await page.locator('#file-list a', { hasText: 'ZT738.SCR' }).waitFor();
  await page.reload();
  await page.waitForFunction(() => ZT738Desktop.stats.firstFrame > 0);
  await page.locator('#file-list a', { hasText: 'ZT738.SCR' }).waitFor();
  const recorded = await page.evaluate(() => new TextDecoder().decode(Module.zt738Files.read('ZT738.SCR')));
  assert.ok(recorded.length > 0, 'the recording has lines');
  trace('quit');
  await page.keyboard.press('Control+q');
  await page.locator('#status', { hasText: 'The program has ended.' }).waitFor();
  trace('ended');
  assert.equal(await page.locator('.zt-window').count(), 0, 'its windows are gone');
  assert.deepEqual(page.errors, []);
  await context.close();
});

await test('bouncing ball: moves over ticks, stops when halted, Run > Quit ends', async () => {
  const context = await browser.newContext({ viewport: { width: 1400, height: 1000 } });
  const page = await open(context, 'bouncing_ball.html');
  const first = await pixels(page, 'ZT738 Graphics');
  await page.waitForTimeout(400);
  assert.notEqual((await pixels(page, 'ZT738 Graphics')).hash, first.hash, 'the ball moves');

  // The processor time of the page over 10 s of animation without input.
  const cdp = await context.newCDPSession(page);
  await cdp.send('Performance.enable');
  const busy = async () => (await cdp.send('Performance.getMetrics')).metrics
    .find((m) => m.name === 'TaskDuration').value;
  const before = await busy();
  await page.waitForTimeout(10000);
  measures.animationCpuPercent = Math.round((await busy() - before) / 10 * 1000) / 10;

  await clickRunMenu(page, runItems.halt);
  await settle(page);
  const halted = await pixels(page, 'ZT738 Graphics');
  await page.waitForTimeout(500);
  assert.equal((await pixels(page, 'ZT738 Graphics')).hash, halted.hash, 'the ball stands still');
  await clickRunMenu(page, runItems.quit);
  await page.locator('#status', { hasText: 'The program has ended.' }).waitFor();
  assert.deepEqual(page.errors, []);
  await context.close();
});

await test('word board: a click and a typed word write it there; the close box ends it', async () => {
  const context = await browser.newContext({ viewport: { width: 1400, height: 1000 } });
  const page = await open(context, 'word_board.html');
  const { box } = await windowCanvas(page, 'ZT738 Graphics');
  const at = logicalPoint(box.width, box.height, -100, -100);
  const area = [at.x - 5, at.y - 60, 200, 120];
  const ink = async () => {
    const { counts } = await pixels(page, 'ZT738 Graphics', area);
    return [...counts].reduce((n, [colour, k]) => (colour === '255,255,255' ? n : n + k), 0);
  };
  const before = await ink();
  await page.mouse.click(box.x + at.x, box.y + at.y);
  await typeInDialog(page, 'Hello');
  await settle(page);
  assert.ok(await ink() > before + 30, 'the word is written where the click was');
  // The graphics window's close box ends the program.
  await page.locator('.zt-window', { has: page.locator('.zt-title span', { hasText: 'ZT738 Graphics' }) })
    .locator('.zt-close').click();
  await page.locator('#status', { hasText: 'The program has ended.' }).waitFor();
  assert.deepEqual(page.errors, []);
  await context.close();
});

await browser.close();
server.close();
console.log(results.join('\n'));
console.log('measures: ' + JSON.stringify(measures));
process.exit(results.some((r) => r.startsWith('FAIL')) ? 1 : 0);
