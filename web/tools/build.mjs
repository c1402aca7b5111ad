// Builds the static site: type-checks the TypeScript, bundles the page and
// the service worker with esbuild, and copies the core's WebAssembly, the
// static files and the icons beside them.
// Usage: node web/tools/build.mjs CORE_DIR OUT_DIR
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { dirname, join, relative, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import * as esbuild from 'esbuild';

const web = resolve(dirname(fileURLToPath(import.meta.url)), '..');
const [coreDir, outDir] = process.argv.slice(2).map((p) => resolve(p));
if (!coreDir || !outDir) {
  console.error('usage: node web/tools/build.mjs CORE_DIR OUT_DIR');
  process.exit(64);
}

execFileSync(join(web, 'node_modules/.bin/tsc'), ['--noEmit', '-p', web], { stdio: 'inherit' });

rmSync(outDir, { recursive: true, force: true });
mkdirSync(join(outDir, 'icons'), { recursive: true });
// The form's tables, from the core itself, for the page to show the form
// while the core loads.
// In English too, with the catalogue exported from translations/smscfg_en.ts
// by this build of the core, which the page takes as well.
const catalogueEn = readFileSync(join(coreDir, '../catalogue/smscfg_en.json'), 'utf8');
const [formTable, formTableEn] = await (async () => {
  const { default: createCoreModule } = await import(join(coreDir, 'smscfg-core.mjs'));
  const wasm = readFileSync(join(coreDir, 'smscfg-core.wasm'));
  const core = await createCoreModule({
    instantiateWasm: (imports, done) => { WebAssembly.instantiate(wasm, imports).then((r) => done(r.instance, r.module)); return {}; },
  });
  const call = (json) => {
    const request = JSON.stringify(json);
    const size = core.lengthBytesUTF8(request) + 1;
    const pointer = core._malloc(size);
    core.stringToUTF8(request, pointer, size);
    const answer = core.UTF8ToString(core._smscfg_call(pointer));
    core._free(pointer);
    return answer;
  };
  const chinese = call({ op: 'form' });
  call({ op: 'speak', catalogue: JSON.parse(catalogueEn) });
  return [chinese, call({ op: 'form' })];
})();
const common = { bundle: true, minify: true, format: 'esm', target: 'es2020', logLevel: 'warning', legalComments: 'none' };
await esbuild.build({ ...common, entryPoints: [join(web, 'src/main.ts')], outfile: join(outDir, 'page.js'),
  alias: { 'smscfg-core': join(coreDir, 'smscfg-core.mjs') }, define: { FORM_TABLE: formTable, FORM_TABLE_EN: formTableEn, CATALOGUE_EN: catalogueEn } });
copyFileSync(join(coreDir, 'smscfg-core.wasm'), join(outDir, 'smscfg-core.wasm'));
for (const f of readdirSync(join(web, 'static'))) copyFileSync(join(web, 'static', f), join(outDir, f));
const icons = join(web, '../packaging/icons');
for (const f of ['smscfg.svg', 'smscfg-128.png', 'smscfg-256.png']) copyFileSync(join(icons, f), join(outDir, 'icons', f));

// The service worker keeps every file; its version changes with any of them.
const files = [];
const walk = (dir) => {
  for (const e of readdirSync(dir, { withFileTypes: true }).sort((a, b) => a.name.localeCompare(b.name))) {
    if (e.isDirectory()) walk(join(dir, e.name));
    else files.push(relative(outDir, join(dir, e.name)));
  }
};
walk(outDir);
const hash = createHash('sha256');
for (const f of files) hash.update(f).update(readFileSync(join(outDir, f)));
await esbuild.build({ ...common, entryPoints: [join(web, 'src/sw.ts')], outfile: join(outDir, 'sw.js'), format: 'iife',
  define: { SITE_FILES: JSON.stringify(['./', ...files]), SITE_VERSION: JSON.stringify(hash.digest('hex').slice(0, 12)) } });
console.log(`${outDir}: ${files.length + 1} files`);
