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
// A step that waits for the browser: measured from its start to its end, with whatever other
// tasks ran in between.
const awaitedStep = async (name, work) => {
  const start = performance.now();
  try {
    return await work();
  } finally {
    performance.measure(`yarno: ${name}`, { start });
  }
};

// Reads the bytes out of the page, unpacks them, compiles them away from the main thread, and
// instantiates them: each a task of its own.
const loadModule = async (imports) => {
  await nextTask();
  const packed = startStep('reading the module', () => {
    const holder = document.getElementById('module');
    const text = holder.textContent;
    holder.remove();
    return bytesOfBase64(text);
  });
  await nextTask();
  // From a stream of the bytes in hand: a Blob of them would first copy them out to the browser.
  const bytes = await awaitedStep('unpacking the module', () => {
    const source = new ReadableStream({ start: (controller) => { controller.enqueue(packed); controller.close(); } });
    return new Response(source.pipeThrough(new DecompressionStream('gzip'))).arrayBuffer();
  });
  await nextTask();
  const module = await awaitedStep('compiling the module', () => WebAssembly.compile(bytes));
  await nextTask();
  const instance = await awaitedStep('instantiating the module', () => WebAssembly.instantiate(module, imports));
  await nextTask();
  return { instance, module };
};

const instantiateModule = (imports, receive, failed) => {
  loadModule(imports)
    .then(({ instance, module }) => startStep('starting the runtime', () => receive(instance, module)))
    .catch(failed);
  return {};  // the exports come later, through receive
};
