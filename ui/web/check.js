// Runs before the program: a browser without WebAssembly gets words, not a blank page.
var Module = {
  onAbort: function () {
    var missing = typeof WebAssembly !== 'object';
    document.getElementById(missing ? 'no-wasm' : 'failed').hidden = false;
  }
};
if (typeof WebAssembly !== 'object') document.getElementById('no-wasm').hidden = false;
