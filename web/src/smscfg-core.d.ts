// The module emscripten writes for the core (aliased by the build).
declare module 'smscfg-core' {
  const createCoreModule: (options?: {
    instantiateWasm?: (imports: WebAssembly.Imports, done: (instance: WebAssembly.Instance, module: WebAssembly.Module) => void) => object;
  }) => Promise<import('./core.js').CoreModule>;
  export default createCoreModule;
}
