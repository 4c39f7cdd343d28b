// Plays every level's line of the replay file with the page's replay check
// (index.html?replay-check=MAP&moves=...) and requires the report the Linux program prints for
// the same line, line for line. Usage:
//   node replay_check.js URL PROFILE_FOLDER LINUX_PROGRAM MEDIA_COPY MAPS
// MEDIA_COPY is a folder holding a copy of the shipped set (the Linux program runs in it).
'use strict';
const {launch} = require('./browser');
const {execFileSync} = require('child_process');
const fs = require('fs');
const path = require('path');

const [url, profile, linux, folder, maps] = process.argv.slice(2);
const memo = fs.readFileSync(path.join(folder, 'Media', 'Zolv-sch1-memo.txt'), 'latin1')
                 .split('\n').map((l) => l.replace(/\r$/, ''));

(async () => {
  const browser = await launch(profile);
  let failed = 0;
  const page = await browser.newPage();
  let out = [];
  let errors = [];
  let ended = null;
  page.on('console', (m) => {
    const text = m.text();
    const end = /^zolv: program ended, status (\d+)/.exec(text);
    if (end) ended(Number(end[1]));
    else if (m.type() === 'log' && !text.startsWith('zolv: ')) out.push(text);
    else if (m.type() === 'error') errors.push(text);
  });
  for (let m = 0; m < Number(maps); ++m) {
    const moves = memo[m] || '';
    let expected, expectedStatus = 0;
    try {
      expected = execFileSync(linux, ['--replay-check', String(m), moves, '--dir', folder],
                              {encoding: 'latin1'});
    } catch (e) {
      // A line that does not finish ends with another status; it is compared all the same.
      expected = e.stdout;
      expectedStatus = e.status;
    }
    out = [];
    errors = [];
    const status = await new Promise((resolve) => {
      const timer = setTimeout(() => resolve('timeout'), 60000);
      ended = (s) => { clearTimeout(timer); resolve(s); };
      page.goto(`${url}index.html?replay-check=${m}&moves=${encodeURIComponent(moves)}`)
          .catch(() => resolve('no page'));
    });
    const got = out.join('\n') + '\n';
    if (status !== expectedStatus || got !== expected) {
      ++failed;
      console.error(`FAIL: map ${m} (status ${status} in the page, ${expectedStatus} on Linux)`);
      console.error('-- Linux:\n' + expected + '-- browser:\n' + got);
      if (errors.length) console.error('-- the page\'s errors:\n' + errors.join('\n'));
    }
  }
  await browser.close();
  console.log(`replay check: ${Number(maps) - failed} of ${maps} maps report as on Linux`);
  process.exit(failed ? 1 : 0);
})();
