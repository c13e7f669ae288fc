// The page's elements out of a window's markup (ui/web/window_markup.h, as node_json.h writes
// it), made in one call. A text node is a string, an element [tag, {attributes}, children...]; a
// style comes in through the element's style object, which the page's policy allows where a
// style attribute is not.
export const elementOf = (node) => {
  if (typeof node === 'string') return document.createTextNode(node);
  const [tag, attributes, ...children] = node;
  const element = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) {
    if (name === 'style') element.style.cssText = value;
    else element.setAttribute(name, value);
  }
  element.append(...children.map(elementOf));
  return element;
};
