/* What the question, report and drag-and-drop movies each set up around
   their screen: finding its elements, buttons that do only their own thing,
   words for a screen reader, and the document the host hands over. */
(function (root, factory) {
  'use strict';
  var api = factory();
  if (typeof module === 'object' && module.exports) module.exports = api;
  else root.moviePage = api;
})(typeof window !== 'undefined' ? window : globalThis, function () {
  'use strict';

  function byId(id) { return document.getElementById(id); }

  // A new element with attributes and, when given, its text.
  function element(tag, attrs, text) {
    var e = document.createElement(tag);
    Object.keys(attrs || {}).forEach(function (k) { e.setAttribute(k, attrs[k]); });
    if (text !== undefined) e.textContent = text;
    return e;
  }

  // A click that neither submits nor follows a link.
  function onClick(id, fn) { byId(id).addEventListener('click', function (e) { e.preventDefault(); fn(); }); }

  // Through the "announce" live region, emptied first so that the same words
  // twice are read twice.
  function announce(text) {
    byId('announce').textContent = '';
    setTimeout(function () { byId('announce').textContent = text; }, 30);
  }

  // The document of an XML text; null when it does not parse (the web engine
  // then hands back what it read with a "parsererror" element in it).
  function parseXml(text) {
    var doc = new DOMParser().parseFromString(text, 'application/xml');
    return doc.documentElement && !doc.getElementsByTagName('parsererror').length ? doc : null;
  }

  // A handed-over test: a document whose root is "Test", else null.
  function parseTest(text) {
    var doc = parseXml(text);
    return doc && doc.documentElement.nodeName === 'Test' ? doc : null;
  }

  // The host's "contentSize" in points as the stylesheet takes it: 30 at
  // most, "" when it names no size.
  function contentSize(value) {
    var n = parseInt(value, 10);
    return n > 0 ? String(Math.min(n, 30)) : '';
  }
  function applyContentSize(value) {
    var size = contentSize(value);
    if (size) document.documentElement.style.setProperty('--content-size', size);
  }

  return {
    byId: byId, element: element, onClick: onClick, announce: announce, parseXml: parseXml, parseTest: parseTest,
    contentSize: contentSize, applyContentSize: applyContentSize
  };
});
