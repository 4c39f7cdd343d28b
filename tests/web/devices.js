// The page's sound, game pads and full screen in headless Chromium, under the browser's own
// rule for sound (no switch relaxes it):
//   1. until the first key the console has no warning and no error (a sound context made
//      before a key or click is refused with a warning), and no sound context is made;
//   2. after the first key the sound context runs and SDL's audio callback fills its buffers;
//      the game's sounds reach them (a sample that is not silence, by the end of 3);
//   3. a synthetic game pad ("standard" mapping, through navigator.getGamepads and the
//      gamepadconnected event) is taken as a game pad; its d-pad and B start level 0 from the
//      menu and its d-pad plays the level's shipped solution to its end;
//   4. F11 puts the page in full screen and takes it out again, once each, and the game does
//      not switch as well (its canvas keeps its size, no warning); Alt+Enter does the same.
// Usage: node devices.js URL PROFILE_FOLDER SHIPPED_MEDIA_FOLDER
'use strict';
const {launch} = require('./browser');
const {Console, sleep} = require('./console');
const fs = require('fs');
const path = require('path');

const [url, profile, media] = process.argv.slice(2);
let out;
const fail = (why) => out.fail(why);

// Stands in for a pad the browser found: window.zolvPad.set(button, pressed) changes it; the
// timestamp moves on with each change, as a browser's does.
function installPad() {
  const buttons = Array.from({length: 17}, () => ({pressed: false, touched: false, value: 0}));
  const pad = {id: 'Test pad (standard)', index: 0, connected: true, mapping: 'standard',
               timestamp: 1, axes: [0, 0, 0, 0], buttons, vibrationActuator: null};
  let plugged = false;
  navigator.getGamepads = () => [plugged ? pad : null, null, null, null];
  window.zolvPad = {
    plug() {
      plugged = true;
      const e = new Event('gamepadconnected');
      Object.defineProperty(e, 'gamepad', {value: pad});
      window.dispatchEvent(e);
    },
    set(button, pressed) {
      buttons[button] = {pressed, touched: pressed, value: pressed ? 1 : 0};
      pad.timestamp += 1;
    },
  };
}

// Buttons of the "standard" mapping.
const kPadB = 1, kPadUp = 12, kPadRight = 15, kPadDown = 13, kPadLeft = 14;

async function padPress(page, button, ms = 120) {
  await page.evaluate((b) => window.zolvPad.set(b, true), button);
  await sleep(ms);
  await page.evaluate((b) => window.zolvPad.set(b, false), button);
  await sleep(ms);
}

(async () => {
  const browser = await launch(profile);
  try {
    const page = await browser.newPage();
    out = new Console(page);
    await page.evaluateOnNewDocument(installPad);
    await page.setViewport({width: 960, height: 720});
    await page.goto(url + 'index.html');
    await out.wait(/^zolv: screen: title/, 90);
    await sleep(1500);

    // 1. Nothing wrong before the first key, and no sound context yet.
    if (out.alerts.length)
      fail('before the first key the console has: ' + out.alerts.map((a) => a.text).join(' | '));
    if (await page.evaluate(() => !!(Module.SDL2 && Module.SDL2.audioContext)))
      fail('a sound context was made before the first key');
    console.log('before the first key: no warning, no error, no sound context');

    // 2. The first key (Enter, which also leaves the title) starts the sound.
    await out.pressUntil('Enter', /^zolv: screen: menu loop/, 30);
    await sleep(500);
    const state = await page.evaluate(() => {
      const sdl = Module.SDL2;
      if (!sdl || !sdl.audioContext || !sdl.audio || !sdl.audio.scriptProcessorNode)
        return 'no sound context';
      // Counts SDL's buffers and the loudest sample in them from now on.
      const node = sdl.audio.scriptProcessorNode, fill = node.onaudioprocess;
      window.zolvSound = {buffers: 0, loudest: 0};
      node.onaudioprocess = (e) => {
        fill(e);
        ++window.zolvSound.buffers;
        for (let c = 0; c < e.outputBuffer.numberOfChannels; ++c)
          for (const v of e.outputBuffer.getChannelData(c))
            window.zolvSound.loudest = Math.max(window.zolvSound.loudest, Math.abs(v));
      };
      return sdl.audioContext.state;
    });
    if (state !== 'running') fail('after the first key the sound context is: ' + state);
    await sleep(1000);
    const buffers = await page.evaluate(() => window.zolvSound.buffers);
    console.log(`after the first key: the sound context runs, SDL filled ${buffers} buffers in 1 s`);
    if (buffers === 0) fail('SDL filled no sound buffer');

    // 3. A game pad, plugged in at the menu.
    let from = out.lines.length;
    await page.evaluate(() => window.zolvPad.plug());
    await out.wait(/^zolv: Game pad: /, 10, from);
    console.log('the pad was taken: ' + out.lines.find((l) => /^zolv: Game pad: /.test(l)));
    // The menu opens on its second entry (B there does not play): down, up and up to the
    // first with the d-pad, then B.
    for (const button of [kPadDown, kPadUp, kPadUp]) {
      await padPress(page, button);
      await sleep(300);
    }
    from = out.lines.length;
    await out.repeatUntil(() => padPress(page, kPadB), /^zolv: screen: attempt start, map 0$/,
                          30, 'pad B presses');
    await out.wait(/^zolv: screen: frame/, 30, from);
    console.log('the pad\'s d-pad and B started level 0');
    await sleep(1000);
    const solution = fs.readFileSync(path.join(media, 'Zolv-sch1-memo.txt'), 'latin1')
                         .split(/\r?\n/)[0].replace(/[^0-3]/g, '');
    const dpad = [kPadUp, kPadRight, kPadDown, kPadLeft];
    for (let attempt = 1;; ++attempt) {
      from = out.lines.length;
      for (const move of solution) await padPress(page, dpad[Number(move)], 100);
      if (await out.seen(/^zolv: waiting for a key/, 8, from)) break;
      if (attempt === 3) fail('three attempts at level 0 by the pad did not finish it');
      console.log(`attempt ${attempt} at level 0 by the pad did not finish: restarted`);
      const again = out.lines.length;
      await out.press('Backspace');
      await out.wait(/^zolv: screen: attempt restart/, 30, again);
      await out.wait(/^zolv: screen: frame/, 30, again);
      await sleep(2500);
    }
    console.log(`the pad's d-pad finished level 0 by its ${solution.length} moves`);
    // The level's sounds (its end's at least) reached the browser.
    const loudest = await page.evaluate(() => window.zolvSound.loudest);
    console.log(`the loudest sample of the sound buffers: ${loudest.toFixed(3)} of 1`);
    if (!(loudest > 0)) fail('the game\'s sounds did not reach the sound buffers');
    // SDL 2.26 plays through a ScriptProcessorNode, of which Chromium warns once that it is
    // deprecated; nothing else is to come.
    const alerts = out.alerts.filter((a) => !/ScriptProcessorNode is deprecated/.test(a.text));
    if (alerts.length) fail('the console has: ' + alerts.map((a) => a.text).join(' | '));

    // 4. F11 and Alt+Enter: the page in full screen and out again.
    const fullScreen = () => page.evaluate(() => document.fullscreenElement !== null);
    const waitFullScreen = async (wanted, what) => {
      for (let i = 0; i < 30 && (await fullScreen()) !== wanted; ++i) await sleep(100);
      if ((await fullScreen()) !== wanted)
        fail(`${what}: the page is ${wanted ? 'not ' : ''}in full screen`);
      // A second switch (the game's own, on the same key) would undo it a moment later.
      await sleep(1000);
      if ((await fullScreen()) !== wanted) fail(`${what}: full screen switched twice`);
    };
    if (await fullScreen()) fail('the page starts in full screen');
    // The game's own switch, were it to see the keys, would resize the canvas's drawing
    // buffer and ask for the canvas's full screen outside a gesture (a console warning).
    const bufferSize = () => page.evaluate(() => `${canvas.width} x ${canvas.height}`);
    const size = await bufferSize();
    const alertsBefore = out.alerts.length;
    await page.keyboard.press('F11');
    await waitFullScreen(true, 'F11');
    await page.keyboard.press('F11');
    await waitFullScreen(false, 'F11 again');
    await page.keyboard.down('Alt');
    await page.keyboard.press('Enter');
    await page.keyboard.up('Alt');
    await waitFullScreen(true, 'Alt+Enter');
    await page.keyboard.press('F11');
    await waitFullScreen(false, 'F11 after Alt+Enter');
    if ((await bufferSize()) !== size)
      fail(`the canvas's drawing buffer went from ${size} to ${await bufferSize()}`);
    if (out.alerts.length > alertsBefore)
      fail('the switches left on the console: ' +
           out.alerts.slice(alertsBefore).map((a) => a.text).join(' | '));
    console.log('F11 and Alt+Enter switch the page to full screen and back, once each');
    console.log('PASS');
    await browser.close();
    process.exit(0);
  } catch (e) {
    console.error(e);
    fail('the browser run failed');
  }
})();
