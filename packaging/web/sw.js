// The service worker: the site from the cache when the network is slow or
// gone. The page keeps the game's files (named after their content) in the
// cache itself; this keeps the page and the files without such names, and
// asks the network for them first, so that a new version shows on the next
// visit while the last one still plays offline.
'use strict';

const filesCache = 'plumbrix-files';
const pagesCache = 'plumbrix-pages';

// The page that registered this was fetched before there was a worker to keep
// it, so it is fetched once more here.
self.addEventListener('install', (event) => {
  self.skipWaiting();
  event.waitUntil(caches.open(pagesCache).then((cache) => cache.add(self.registration.scope)).catch(() => {}));
});
self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

// A name with a content digest in it never changes its content.
const namedByContent = /\.[0-9a-f]{12}\.[a-z.]+$/;

async function networkFirst(request, cacheName) {
  try {
    const response = await fetch(request);
    if (response.ok) {
      const cache = await caches.open(cacheName);
      await cache.put(request, response.clone());
    }
    return response;
  } catch (error) {
    const cached = await caches.match(request, { ignoreSearch: true }) ??
      (request.mode === 'navigate' ? await caches.match(self.registration.scope) : undefined);
    if (cached) {
      return cached;
    }
    throw error;
  }
}

async function cacheFirst(request) {
  return (await caches.match(request)) ?? fetch(request);
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== 'GET' || url.origin !== self.location.origin) {
    return;
  }
  if (request.mode === 'navigate') {
    event.respondWith(networkFirst(request, pagesCache));
  } else if (namedByContent.test(url.pathname)) {
    event.respondWith(cacheFirst(request));
  } else {
    event.respondWith(networkFirst(request, filesCache));
  }
});
