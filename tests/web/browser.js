// Debian's chromium, headless, with WebGL 2 on the processor (ANGLE on SwiftShader): the one
// way both browser tests start it. `extra` adds switches of a test's own.
const puppeteer = require('puppeteer-core');

exports.launch = (profile, extra = []) =>
  puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: 'new',
    userDataDir: profile,
    args: ['--no-sandbox', '--use-gl=angle', '--use-angle=swiftshader',
           '--enable-unsafe-swiftshader', ...extra],
  });
