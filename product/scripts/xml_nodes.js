/* Reading an XML DOM the way the movies' logic does: element children in
   order, an attribute or text as "" when it is missing. Works on the page's
   DOMParser documents and on a small DOM under Node. */
(function (root, factory) {
  'use strict';
  var api = factory();
  if (typeof module === 'object' && module.exports) module.exports = api;
  else root.xmlNodes = api;
})(typeof window !== 'undefined' ? window : globalThis, function () {
  'use strict';

  // The element children of a node, those named `name` when given; none of a null node.
  function elements(node, name) {
    var out = [];
    for (var c = node ? node.firstChild : null; c; c = c.nextSibling)
      if (c.nodeType === 1 && (!name || c.nodeName === name)) out.push(c);
    return out;
  }
  function first(node, name) { return elements(node, name)[0] || null; }
  function last(node, name) { var all = elements(node, name); return all.length ? all[all.length - 1] : null; }
  function text(node) { return node ? String(node.textContent) : ''; }
  function attr(node, name) { return node && node.hasAttribute(name) ? String(node.getAttribute(name)) : ''; }
  // The questions of a test document.
  function items(doc) { return elements(doc.documentElement, 'item'); }

  return { elements: elements, first: first, last: last, text: text, attr: attr, items: items };
});
