// Debian's Chromium, never a downloaded one; the flags keep it from calling home during a run.
const { defineConfig } = require('@playwright/test');

module.exports = defineConfig({
    testDir: '.',
    testMatch: ['chromium.test.js', 'phone.test.js', 'site.test.js', 'ink/ink.test.js'],
    outputDir: '/tmp/yarno-web-test-results',
    timeout: 120_000,
    workers: 2,
    reporter: [['list']],
    use: {
        headless: true,
        bypassCSP: true, // axe comes in as a script tag
        launchOptions: {
            executablePath: '/usr/bin/chromium',
            args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
                '--disable-sync', '--no-first-run'],
        },
    },
});
