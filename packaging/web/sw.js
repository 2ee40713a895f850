// The service worker: the site from the cache when the network is slow or
// gone. Files named after their content come from the cache first (and are
// kept there as they pass); the page and the files without such names come
// from the network first, so that a new version shows on the next visit while
// the last one still plays offline.
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

// Keeps a copy while the page already reads the answer.
function keep(event, cacheName, request, response) {
  if (response.ok) {
    const copy = response.clone();
    event.waitUntil(caches.open(cacheName).then((cache) => cache.put(request, copy)).catch(() => {}));
  }
  return response;
}

async function networkFirst(event, cacheName) {
  const request = event.request;
  try {
    return keep(event, cacheName, request, await fetch(request));
  } catch (error) {
    const cached = await caches.match(request, { ignoreSearch: true }) ??
      (request.mode === 'navigate' ? await caches.match(self.registration.scope) : undefined);
    if (cached) {
      return cached;
    }
    throw error;
  }
}

async function cacheFirst(event) {
  return (await caches.match(event.request)) ?? keep(event, filesCache, event.request, await fetch(event.request));
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== 'GET' || url.origin !== self.location.origin) {
    return;
  }
  if (request.mode === 'navigate') {
    event.respondWith(networkFirst(event, pagesCache));
  } else if (namedByContent.test(url.pathname)) {
    event.respondWith(cacheFirst(event));
  } else {
    event.respondWith(networkFirst(event, filesCache));
  }
});
