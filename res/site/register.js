// Served from a host, the page keeps itself on the device for playing offline (sw.js). The worker
// is fetched once the program has started, so that it takes nothing from the start.
if ('serviceWorker' in navigator) {
    addEventListener('yarnoready', () => setTimeout(() => navigator.serviceWorker.register('sw.js'), 0), { once: true });
}
