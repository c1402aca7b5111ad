// One headless Chromium (Debian's), shared by the rows of a test file.
import { chromium } from 'playwright-core';

export const chromiumPath = process.env.SMSCFG_CHROMIUM ?? '/usr/bin/chromium';

// Flags without which Chromium reaches for the network at start.
export const chromiumArgs = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

export function launch() {
  return chromium.launch({ executablePath: chromiumPath, headless: true, args: chromiumArgs });
}
