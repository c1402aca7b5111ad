// Before main: the locale variables of the real environment, which choose the
// dry run's language as they choose smscfg-cli's (emscripten gives a program
// an environment of its own).
Module['preRun'] = [function () {
  for (var name of ['LC_ALL', 'LC_MESSAGES', 'LANG']) {
    if (process.env[name] !== undefined)
      ENV[name] = process.env[name];
  }
}];
