// The module emscripten writes for the core (aliased by the build).
declare module 'smscfg-core' {
  const createCoreModule: () => Promise<import('./core.js').CoreModule>;
  export default createCoreModule;
}
