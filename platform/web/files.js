// The program's working folder kept in the browser (part of every page's
// program script, before its runtime): /files, an IndexedDB-backed folder
// that is read back before the program starts and written out after each
// change (a file closed after writing, renamed or removed) and when the
// program ends. Module.zt738Files lists, reads and writes it for the page.
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  const folder = '/files';
  FS.mkdir(folder);
  FS.mount(IDBFS, {}, folder);
  FS.chdir(folder);

  let loaded = false;  // nothing is written out before the kept files are read
  let saving = false;
  let again = false;
  const api = {
    saves: 0,  // completed writes to the browser's storage
    onChange: null,
    list() {
      return FS.readdir(folder)
        .filter((name) => name !== '.' && name !== '..')
        .filter((name) => FS.isFile(FS.stat(folder + '/' + name).mode))
        .sort()
        .map((name) => ({ name: name, size: FS.stat(folder + '/' + name).size }));
    },
    read(name) { return FS.readFile(folder + '/' + name); },
    // Writes an uploaded file; a name that is not a plain file name is refused.
    write(name, bytes) {
      if (!/^[^/\\\0]{1,255}$/.test(name) || name === '.' || name === '..') return false;
      FS.writeFile(folder + '/' + name, bytes);
      api.persist();
      return true;
    },
    persist() {
      if (!loaded) return;
      if (saving) { again = true; return; }
      saving = true;
      FS.syncfs(false, function (err) {
        saving = false;
        if (err) console.warn('zt738: the files could not be kept', err);
        else api.saves++;
        if (api.onChange) api.onChange();
        if (again) { again = false; api.persist(); }
      });
    },
  };
  Module.zt738Files = api;

  // Every change that the program makes is kept once it is complete.
  // A file kept open (a script being recorded) is kept after each write.
  const inFolder = (stream) => typeof stream.path === 'string' && stream.path.startsWith(folder + '/');
  const close = FS.close, write = FS.write, rename = FS.rename, unlink = FS.unlink;
  FS.close = function (stream) {
    const wrote = inFolder(stream) && (stream.flags & 3) !== 0;  // O_WRONLY or O_RDWR
    const result = close.apply(this, arguments);
    if (wrote) api.persist();
    return result;
  };
  FS.write = function (stream) {
    const result = write.apply(this, arguments);
    if (inFolder(stream)) api.persist();
    return result;
  };
  FS.rename = function () { const r = rename.apply(this, arguments); api.persist(); return r; };
  FS.unlink = function () { const r = unlink.apply(this, arguments); api.persist(); return r; };

  // Closing the tab: what the program wrote last is kept if the browser
  // lets the write finish.
  addEventListener('pagehide', () => api.persist());

  addRunDependency('zt738-files');
  FS.syncfs(true, function (err) {
    if (err) console.warn('zt738: the kept files could not be read', err);
    loaded = true;
    if (api.onChange) api.onChange();
    removeRunDependency('zt738-files');
  });
});
