// Runs before the program: a browser without WebAssembly gets words, not a blank page.
var Module = {
  onAbort: function () {
    var missing = typeof WebAssembly !== 'object';
    document.getElementById(missing ? 'no-wasm' : 'failed').hidden = false;
    // The window written into the page is no use without the program behind it.
    var written = document.querySelector('main > .window[data-written]');
    if (written) written.hidden = true;
  }
};
if (typeof WebAssembly !== 'object') document.getElementById('no-wasm').hidden = false;
