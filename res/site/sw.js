// Keeps the site on the device, so that Yarno plays with no network at all. The build names the
// cache by a hash of the site's files: a rebuilt site is a new cache, fetched in the background
// when the app is next opened, and played from the opening after that.
const CACHE = 'yarno-{{HASH}}';
const FILES = {{FILES}};
const scope = new URL('./', self.location.href).href;
const own = new Set(FILES.map((file) => new URL(file, scope).href));
// The page by its file name is the page at the site's root.
const keyOf = (url) => (url === `${scope}index.html` ? scope : url);

self.addEventListener('install', (event) => {
    // Past the browser's HTTP cache, which could still hold the previous build's files.
    const requests = FILES.map((file) => new Request(new URL(file, scope), { cache: 'reload' }));
    event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(requests)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    const stale = (name) => name.startsWith('yarno-') && name !== CACHE;
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter(stale).map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

// Only the site's own files, from the cache first; anything else goes by as if there were no worker.
self.addEventListener('fetch', (event) => {
    const url = new URL(event.request.url);
    url.search = '';
    url.hash = '';
    const key = keyOf(url.href);
    if (event.request.method !== 'GET' || !own.has(key)) return;
    event.respondWith(caches.open(CACHE)
        .then((cache) => cache.match(key))
        .then((hit) => hit || fetch(event.request)));
});
