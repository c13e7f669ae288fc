// Served from a host, the page keeps itself on the device for playing offline (sw.js). The worker
// is fetched once the page has loaded, so that it takes nothing from the start.
if ('serviceWorker' in navigator) {
    addEventListener('load', () => navigator.serviceWorker.register('sw.js'));
}
