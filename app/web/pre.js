// Runs in the page before the program starts: the save folder on IndexedDB, the shipped set
// kept read-only, the console and the page's error message.
//
// The program finds its shipped set in /zolv/ (the preloaded package). That folder is made
// read-only before the program starts, so the program's own rule for a folder it cannot write
// sends every save to $XDG_DATA_HOME/zolv/ ($HOME/.local/share/zolv/), which lives in the
// browser's IndexedDB: a first visit finds it empty and plays from the shipped files, later
// visits read the player's copies first.
var zolvSaves = '/home/web_user/.local/share/zolv';
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  FS.mkdirTree(zolvSaves);
  FS.mount(IDBFS, {}, zolvSaves);
  addRunDependency('zolv-saves');
  FS.syncfs(true, function (err) {
    if (err) console.error('zolv: saved files not read from the browser: ' + err);
    removeRunDependency('zolv-saves');
  });
});

Module.onRuntimeInitialized = function () {
  FS.chmod('/zolv', 0o555);
  FS.chmod('/zolv/Media', 0o555);
};

// Copies the save folder to IndexedDB; a request during a copy runs once that one is done.
(function () {
  var busy = false, again = false;
  function save() {
    if (busy) { again = true; return; }
    busy = true;
    FS.syncfs(false, function (err) {
      busy = false;
      if (err) console.error('zolv: saves not stored in the browser: ' + err);
      else console.log('zolv: saves stored in the browser');
      if (again) { again = false; save(); }
    });
  }
  Module.zolvSaveSoon = save;
  document.addEventListener('visibilitychange', function () {
    if (document.visibilityState === 'hidden') save();
  });
  window.addEventListener('pagehide', save);
})();

Module.print = function (text) { console.log(text); };
Module.printErr = function (text) {
  console.error(text);
  if (Module.zolvErrorLines) Module.zolvErrorLines.push(text);
};
Module.zolvErrorLines = [];
