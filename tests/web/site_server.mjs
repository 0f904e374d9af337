// A static file server for the site folder on a free local port, as any web host serves it.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize, sep } from "node:path";
import { gzipSync } from "node:zlib";

const TYPES = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".svg": "image/svg+xml",
  ".wasm": "application/wasm",
  ".webmanifest": "application/manifest+json",
  ".HLP": "text/plain; charset=utf-8",
};

// Serves `root` on 127.0.0.1; gzip when the browser asks for it, each file compressed once, as a
// host serves precompressed files. Resolves to {url, stats, close}.
export function serveSite(root) {
  const stats = { bytesSent: 0 };
  const compressed = new Map();
  const server = createServer(async (req, res) => {
    const path = decodeURIComponent(new URL(req.url, "http://localhost").pathname);
    const file = normalize(join(root, path.endsWith("/") ? `${path}index.html` : path));
    if (!file.startsWith(normalize(root + sep))) {
      res.writeHead(403).end();
      return;
    }
    try {
      let body = await readFile(file);
      const headers = { "Content-Type": TYPES[extname(file)] || "application/octet-stream", "Cache-Control": "no-cache" };
      if (/\bgzip\b/.test(req.headers["accept-encoding"] || "")) {
        const known = compressed.get(file);
        if (!known || !known.raw.equals(body)) {
          compressed.set(file, { raw: body, gz: gzipSync(body, { level: 9 }) });
        }
        body = compressed.get(file).gz;
        headers["Content-Encoding"] = "gzip";
      }
      stats.bytesSent += body.length;
      res.writeHead(200, headers).end(body);
    } catch {
      res.writeHead(404).end();
    }
  });
  return new Promise((resolve) => {
    server.listen(0, "127.0.0.1", () => {
      resolve({
        url: `http://127.0.0.1:${server.address().port}/`,
        stats,
        close: () => new Promise((done) => server.close(done)),
      });
    });
  });
}
