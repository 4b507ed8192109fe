// server.mjs -- a static file server for the web edition: the build-web folder, then any
// further folders (the tests' key scripts), on 127.0.0.1 at a free port. Ours rather than
// python's, so the tests need nothing but node; the MIME types matter: the module is only
// compiled as it streams in when game.wasm comes as application/wasm.
//
// As a program: node server.mjs DIR [DIR...]   prints the address and serves until stopped.
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.json': 'application/json',
  '.wasm': 'application/wasm',
  '.data': 'application/octet-stream',
  '.png': 'image/png',
  '.gif': 'image/gif',
  '.ico': 'image/x-icon',
  '.svg': 'image/svg+xml',
  '.woff2': 'font/woff2',
  '.woff': 'font/woff',
  '.ttf': 'font/ttf',
  '.otf': 'font/otf',
  // readme.txt is code page 949; the page decodes its bytes itself, so no charset is claimed.
  '.txt': 'text/plain',
  '.keys': 'text/plain; charset=utf-8',
};

export function mimeType(file) {
  return kTypes[path.extname(file).toLowerCase()] ?? 'application/octet-stream';
}

// The first of roots that holds the request's path as a file, or null. Paths that climb out
// of a root (.., encoded or not) are never served.
function resolve(roots, urlPath) {
  let rel;
  try {
    rel = decodeURIComponent(urlPath);
  } catch {
    return null;
  }
  if (rel.endsWith('/')) rel += 'index.html';
  for (const root of roots) {
    const file = path.join(root, rel);
    if (file !== root && !file.startsWith(root + path.sep)) return null;
    try {
      if (fs.statSync(file).isFile()) return file;
    } catch {
      // not in this root
    }
  }
  return null;
}

// Starts serving roots; resolves to { url, close() } once listening.
export function serve(roots) {
  const absolute = roots.map((r) => path.resolve(r));
  const server = http.createServer((req, res) => {
    if (req.method !== 'GET' && req.method !== 'HEAD') {
      res.writeHead(405, { Allow: 'GET, HEAD' }).end();
      return;
    }
    const file = resolve(absolute, new URL(req.url, 'http://x').pathname);
    if (!file) {
      res.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found\n');
      return;
    }
    const size = fs.statSync(file).size;
    res.writeHead(200, {
      'Content-Type': mimeType(file),
      'Content-Length': size,
      'Cache-Control': 'no-store',
    });
    if (req.method === 'HEAD') res.end();
    else fs.createReadStream(file).pipe(res);
  });
  // Keep-alive sockets would hold close() open until they time out.
  server.keepAliveTimeout = 1000;
  return new Promise((done, fail) => {
    server.once('error', fail);
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      done({
        url: `http://127.0.0.1:${port}`,
        close: () =>
          new Promise((closed) => {
            server.closeAllConnections();
            server.close(() => closed());
          }),
      });
    });
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const roots = process.argv.slice(2);
  if (roots.length === 0) {
    console.error('usage: node server.mjs DIR [DIR...]');
    process.exit(2);
  }
  const { url } = await serve(roots);
  console.log(url);
}
