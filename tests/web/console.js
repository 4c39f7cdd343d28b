// The page's console lines as a test reads them, and keys sent the way the game reads them.
// The first failure ends the run with status 1 and the console's last lines.
'use strict';

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

class Console {
  constructor(page) {
    this.lines = [];
    this.waiters = [];
    page.on('console', (m) => this.note(m.text(), m.type()));
    page.on('pageerror', (e) => this.note('page error: ' + e.message, 'error'));
    this.page = page;
    // Warnings and errors, as {text, type, at} (at: the line's number).
    this.alerts = [];
  }

  note(text, type) {
    this.lines.push(text);
    const i = this.lines.length - 1;
    if (type === 'warn' || type === 'warning' || type === 'error')
      this.alerts.push({text, type, at: i});
    this.waiters = this.waiters.filter((w) => {
      if (!w.pattern.test(text)) return true;
      w.resolve(i);
      return false;
    });
  }

  fail(why) {
    console.error('FAIL: ' + why);
    console.error('-- the page\'s last console lines:');
    for (const l of this.lines.slice(-30)) console.error('   ' + l);
    process.exit(1);
  }

  // Resolves with the number of the first line (from `from` on) matching `pattern`.
  wait(pattern, seconds, from = 0) {
    for (let i = from; i < this.lines.length; ++i)
      if (pattern.test(this.lines[i])) return Promise.resolve(i);
    return new Promise((resolve) => {
      const timer = setTimeout(() => this.fail(`no console line ${pattern} within ${seconds} s`),
                               seconds * 1000);
      this.waiters.push({pattern, resolve: (i) => { clearTimeout(timer); resolve(i); }});
    });
  }

  // Whether a line (from `from` on) matches `pattern` within `seconds`.
  async seen(pattern, seconds, from) {
    const end = Date.now() + seconds * 1000;
    for (;;) {
      for (let i = from; i < this.lines.length; ++i)
        if (pattern.test(this.lines[i])) return true;
      if (Date.now() > end) return false;
      await sleep(100);
    }
  }

  // A key held for a few frames: the game reads the keyboard once per frame.
  async press(key) {
    await this.page.keyboard.down(key);
    await sleep(120);
    await this.page.keyboard.up(key);
    await sleep(120);
  }

  // Calls `act` once a second until a line matching `pattern` comes: a key pressed during a
  // fade or before a screen waits for keys is not taken.
  async repeatUntil(act, pattern, seconds, what) {
    const from = this.lines.length;
    const end = Date.now() + seconds * 1000;
    for (;;) {
      for (let i = from; i < this.lines.length; ++i)
        if (pattern.test(this.lines[i])) return i;
      if (Date.now() > end) this.fail(`no console line ${pattern} within ${seconds} s of ${what}`);
      await act();
      await sleep(760);
    }
  }

  pressUntil(key, pattern, seconds) {
    return this.repeatUntil(() => this.press(key), pattern, seconds, `${key} presses`);
  }
}

module.exports = {Console, sleep};
