// The page's work, a step a task: between two tasks the browser paints and hands the page
// whatever was tapped or typed, so nothing waits behind the whole of the work. Each step is also a
// performance measure ("yarno: ..."), which bench/web prints.
export const nextTask = (value) => new Promise((resolve) => setTimeout(() => resolve(value), 0));

export const measured = (name, work) => {
  const start = performance.now();
  try {
    return work();
  } finally {
    performance.measure(`yarno: ${name}`, { start });
  }
};

// A step that waits for the browser: measured from its start to its end, with whatever other
// tasks ran in between.
export const measuredAwait = async (name, work) => {
  const start = performance.now();
  try {
    return await work();
  } finally {
    performance.measure(`yarno: ${name}`, { start });
  }
};
