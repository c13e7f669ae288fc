// The program's module, carried in the page as gzipped base64 text (make_page.py), handed to
// emscripten through its instantiateWasm hook, so nothing is fetched. The start goes in steps,
// each in a task of its own: between two steps the browser paints and hands the page whatever was
// tapped or typed, so nothing waits behind the whole start. Each step is also a performance
// measure ("yarno: ..."), which bench/web prints.
const nextTask = (value) => new Promise((resolve) => setTimeout(() => resolve(value), 0));
const startStep = (name, work) => {
  const start = performance.now();
  try {
    return work();
  } finally {
    performance.measure(`yarno: ${name}`, { start });
  }
};

// Decodes and unpacks the bytes, compiles them away from the main thread, and instantiates them.
const instantiateModule = (imports, receive, failed) => {
  nextTask()
    .then(() => startStep('decoding the module', () => {
      const holder = document.getElementById('module');
      const packed = bytesOfBase64(holder.textContent);
      holder.remove();
      return new Response(new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer();
    }))
    .then((bytes) => WebAssembly.compile(bytes))
    .then(nextTask)
    .then((module) => startStep('instantiating the module', () => WebAssembly.instantiate(module, imports)
      .then((instance) => ({ instance, module }))))
    .then(nextTask)
    .then(({ instance, module }) => startStep('starting the runtime', () => receive(instance, module)))
    .catch(failed);
  return {};  // the exports come later, through receive
};
