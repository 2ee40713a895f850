// The player's files in a browser: whatever the game writes into its folder is
// copied into IndexedDB after the frame that wrote it, and comes back on reload.
(function () {
  var gameFolder = '/game';
  var storeFolder = '/saved';
  // Modification times of the files the game wrote or got back from storage.
  var known = {};
  // The data package's files, which are never the player's.
  var packaged = {};

  function filesIn(folder) {
    var files = {};
    FS.readdir(folder).forEach(function (name) {
      var path = folder + '/' + name;
      var node = FS.lookupPath(path).node;
      if (FS.isFile(node.mode)) {
        files[name] = node.timestamp;
      }
    });
    return files;
  }

  function flush() {
    FS.syncfs(false, function (err) {
      if (err) {
        console.error('The game could not be kept in the browser storage:', err);
      }
    });
  }

  Module.preRun = Module.preRun || [];
  Module.preRun.push(function () {
    FS.mkdirTree(gameFolder);
    FS.mkdir(storeFolder);
    FS.mount(IDBFS, {}, storeFolder);
    FS.chdir(gameFolder);
    // Right before the game starts, its folder holds the data package and what
    // came back from storage.
    addOnPreMain(function () {
      Object.keys(filesIn(gameFolder)).forEach(function (name) {
        if (!(name in known)) {
          packaged[name] = true;
        }
      });
    });
    addRunDependency('player files');
    FS.syncfs(true, function (err) {
      if (err) {
        console.error('The browser storage could not be read:', err);
      }
      var stored = filesIn(storeFolder);
      Object.keys(stored).forEach(function (name) {
        FS.writeFile(gameFolder + '/' + name, FS.readFile(storeFolder + '/' + name));
        known[name] = FS.lookupPath(gameFolder + '/' + name).node.timestamp;
      });
      removeRunDependency('player files');
    });
  });

  // After every frame: a save or settings file the frame wrote goes to storage
  // at once, so a reload or a closed tab never loses it.
  Module.postMainLoop = function () {
    var now = filesIn(gameFolder);
    var changed = false;
    Object.keys(now).forEach(function (name) {
      if (!packaged[name] && known[name] !== now[name]) {
        FS.writeFile(storeFolder + '/' + name, FS.readFile(gameFolder + '/' + name));
        known[name] = now[name];
        changed = true;
      }
    });
    Object.keys(known).forEach(function (name) {
      if (!(name in now)) {
        FS.unlink(storeFolder + '/' + name);
        delete known[name];
        changed = true;
      }
    });
    if (changed) {
      flush();
    }
  };
})();
