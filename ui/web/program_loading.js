// The program's module, carried in the page as gzipped base64 text (make_page.py), handed to
// emscripten through its instantiateWasm hook, so nothing is fetched.
import { bytesOfBase64 } from './base64.js';
import { measured, measuredAwait, nextTask } from './tasks.js';

// Reads the bytes out of the page, unpacks them, compiles them away from the main thread, and
// instantiates them: each a task of its own.
const loadModule = async (imports) => {
  await nextTask();
  const packed = measured('reading the module', () => {
    const holder = document.getElementById('module');
    const text = holder.textContent;
    holder.remove();
    return bytesOfBase64(text);
  });
  await nextTask();
  // From a stream of the bytes in hand: a Blob of them would first copy them out to the browser.
  const bytes = await measuredAwait('unpacking the module', () => {
    const source = new ReadableStream({ start: (controller) => { controller.enqueue(packed); controller.close(); } });
    return new Response(source.pipeThrough(new DecompressionStream('gzip'))).arrayBuffer();
  });
  await nextTask();
  const module = await measuredAwait('compiling the module', () => WebAssembly.compile(bytes));
  await nextTask();
  const instance = await measuredAwait('instantiating the module', () => WebAssembly.instantiate(module, imports));
  await nextTask();
  return { instance, module };
};

export const instantiateModule = (imports, receive, failed) => {
  loadModule(imports)
    .then(({ instance, module }) => measured('starting the runtime', () => receive(instance, module)))
    .catch(failed);
  return {};  // the exports come later, through receive
};
