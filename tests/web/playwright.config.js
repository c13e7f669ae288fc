// Debian's Chromium, never a downloaded one; the flags keep it from calling home during a run.
// The scenarios run twice: on a desktop, and on a phone (a small screen, touch).
const { defineConfig } = require('@playwright/test');

const chromium = {
    headless: true,
    bypassCSP: true, // axe comes in as a script tag
    launchOptions: {
        executablePath: '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
            '--disable-sync', '--no-first-run'],
    },
};

module.exports = defineConfig({
    testDir: '.',
    outputDir: '/tmp/yarno-web-test-results',
    timeout: 60_000,
    workers: Number(process.env.YARNO_WORKERS || 2),
    reporter: [['list']],
    projects: [
        { name: 'chromium', testMatch: ['scenarios.test.js', 'chromium.test.js', 'colours.test.js', 'site.test.js', 'ink/ink.test.js'], use: chromium },
        { name: 'phone', testMatch: ['scenarios.test.js', 'phone.test.js'],
            use: { ...chromium, viewport: { width: 360, height: 740 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2 } },
    ],
});
