// The service worker: keeps every file of the site, so that the page opens
// without a network once it has been visited. The build fills in the list
// of files and a version that changes with them.
declare const SITE_FILES: string[];
declare const SITE_VERSION: string;

interface ExtendableEvent extends Event { waitUntil(p: Promise<unknown>): void }
interface FetchEvent extends ExtendableEvent { request: Request; respondWith(r: Promise<Response>): void }
interface WorkerScope {
  addEventListener(type: 'install' | 'activate', listener: (e: ExtendableEvent) => void): void;
  addEventListener(type: 'fetch', listener: (e: FetchEvent) => void): void;
  skipWaiting(): Promise<void>;
  clients: { claim(): Promise<void> };
}
const scope = self as unknown as WorkerScope;
const cacheName = `smscfg-${SITE_VERSION}`;

scope.addEventListener('install', (e) => {
  e.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(SITE_FILES)).then(() => scope.skipWaiting()));
});

scope.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k.startsWith('smscfg-') && k !== cacheName).map((k) => caches.delete(k))))
    .then(() => scope.clients.claim()));
});

// The kept copy first: the site changes only with a new service worker.
scope.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  e.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(e.request, { ignoreSearch: true }))
    .then((kept) => kept ?? fetch(e.request)));
});
