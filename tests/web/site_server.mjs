// A static file server for the browser tests that keeps a log of what it sent
// and can hold files back on purpose. Like the simplest hosts, it sends every
// file as it lies on disk, uncompressed.
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8', '.htm': 'text/html; charset=utf-8', '.js': 'text/javascript',
  '.json': 'application/json', '.webmanifest': 'application/manifest+json', '.png': 'image/png',
  '.wasm': 'application/wasm', '.ogg': 'audio/ogg', '.gz': 'application/gzip', '.jpg': 'image/jpeg',
};

// Serves `root` on 127.0.0.1, on `port` when given (a site that must keep its
// origin), else a free one. `hold(path)` may return a promise that the answer
// waits for. The log has one entry per answered request:
// { path, bytes, order }, bytes with the headers.
export async function serveSite(root, hold = () => null, port = 0) {
  const log = [];
  const server = createServer(async (request, response) => {
    let path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    if (path.endsWith('/')) {
      path += 'index.html';
    }
    const file = join(root, normalize(path));
    const entry = { path, bytes: 0, order: log.length };
    log.push(entry);
    await hold(path);
    let size;
    try {
      size = statSync(file).isFile() ? statSync(file).size : -1;
    } catch {
      size = -1;
    }
    if (size < 0) {
      response.writeHead(404);
      response.end();
      return;
    }
    response.writeHead(200, {
      'Content-Type': types[extname(file)] ?? 'application/octet-stream',
      'Content-Length': size,
      'Cache-Control': 'no-cache',
    });
    entry.bytes += 200;
    createReadStream(file).on('data', (chunk) => {
      entry.bytes += chunk.length;
    }).pipe(response);
  });
  server.keepAliveTimeout = 1000;
  await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    port: server.address().port,
    log,
    close: () => new Promise((resolve) => {
      server.closeAllConnections();
      server.close(resolve);
    }),
  };
}
