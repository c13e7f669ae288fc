// A static host on 127.0.0.1 for one folder, as a phone finds the site on the web: one origin,
// the files' content types (HTML without a charset, as a plain host sends it), and gzip where the
// benchmark asks for it. It can be pointed at another folder, as when a rebuilt site is published,
// and stopped, as when the network goes.
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const zlib = require('node:zlib');

const TYPES = {
    '.html': 'text/html',
    '.js': 'text/javascript',
    '.webmanifest': 'application/manifest+json',
    '.png': 'image/png',
    '.txt': 'text/plain',
};

async function serve(folder, { gzip = false } = {}) {
    let root = folder;
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, 'http://host').pathname).replace(/\/$/, '/index.html');
        const file = path.join(root, path.normalize(name));
        if (!file.startsWith(root + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
            response.writeHead(404).end();
            return;
        }
        let body = fs.readFileSync(file);
        const headers = { 'Content-Type': TYPES[path.extname(file)] ?? 'application/octet-stream' };
        if (gzip && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
            body = zlib.gzipSync(body, { level: 9 });
            headers['Content-Encoding'] = 'gzip';
        }
        response.writeHead(200, headers).end(body);
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        publish: (next) => { root = next; },
        stop: () => new Promise((resolve) => {
            server.close(resolve);
            server.closeAllConnections();
        }),
    };
}

module.exports = { serve };
