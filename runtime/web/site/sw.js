// SPDX-License-Identifier: MIT
// The game's service worker. It keeps the whole site in a cache from the first visit, so that the
// game starts and plays with no network, and it asks the network first for every file, so that a
// new version, once published, is what the next visit shows; the cache answers when the network
// fails, answers with an error or keeps the player waiting. Its cache is named after what it holds:
// a new version of any file is a new worker, which drops the old cache.
'use strict';

const CACHE = 'tencoins-@VERSION@';
const FILES = [@FILES@];
// How long the network may take to answer before the cached copy is shown, in milliseconds: on a
// train the network can be there and still not answer.
const PATIENCE = 3000;

// Kept as published, not as the browser's own cache may still hold them from the last version.
self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'no-cache' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names
      .filter((name) => name.startsWith('tencoins-') && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin) return;
  event.respondWith(fromNetworkOrCache(event));
});

async function fromNetworkOrCache(event) {
  const request = event.request;
  const cache = await caches.open(CACHE);
  const network = fetch(request, { cache: 'no-cache' }).then(async (response) => {
    if (response.ok) await cache.put(request, response.clone());
    return response;
  });
  event.waitUntil(network.catch(() => {}));
  const cached = await cache.match(request, { ignoreSearch: true })
    || (request.mode === 'navigate' ? await cache.match('index.html') : undefined);
  if (!cached) return network;
  // A host's error (a 503 while a new version is copied, say) is no reason to stop playing.
  const answer = network.then((response) => (response.ok ? response : cached), () => cached);
  const patience = new Promise((resolve) => { setTimeout(() => resolve(cached), PATIENCE); });
  return Promise.race([answer, patience]);
}
