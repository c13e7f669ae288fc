// Base64 to bytes, for the window face and the program's module that the page carries as text.
export const bytesOfBase64 = (text) => {
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
  const chars = atob(text);
  return Uint8Array.from(chars, (c) => c.charCodeAt(0));
};
