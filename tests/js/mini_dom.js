// A small XML DOM for the movie logic's tests: the parts of the browser's DOM
// the logic uses, a parser for plain XML and a serialiser.
'use strict';

class Node {
  constructor(doc, type, name) {
    this.ownerDocument = doc;
    this.nodeType = type;
    this.nodeName = name;
    this.parentNode = null;
    this.children_ = [];
    this.attributes = [];
    this.nodeValue = null;
  }
  get firstChild() { return this.children_[0] || null; }
  get nextSibling() {
    if (!this.parentNode) return null;
    const s = this.parentNode.children_;
    return s[s.indexOf(this) + 1] || null;
  }
  get textContent() {
    if (this.nodeType === 3) return this.nodeValue;
    return this.children_.map((c) => c.textContent).join('');
  }
  getAttribute(n) { const a = this.attributes.find((x) => x.name === n); return a ? a.value : null; }
  hasAttribute(n) { return this.attributes.some((x) => x.name === n); }
  setAttribute(n, v) {
    const a = this.attributes.find((x) => x.name === n);
    if (a) a.value = String(v); else this.attributes.push({ name: n, value: String(v) });
  }
  removeAttribute(n) { this.attributes = this.attributes.filter((x) => x.name !== n); }
  detach_(c) { if (c.parentNode) c.parentNode.removeChild(c); }
  appendChild(c) { this.detach_(c); c.parentNode = this; this.children_.push(c); return c; }
  insertBefore(c, ref) {
    if (!ref) return this.appendChild(c);
    this.detach_(c);
    c.parentNode = this;
    this.children_.splice(this.children_.indexOf(ref), 0, c);
    return c;
  }
  removeChild(c) { this.children_.splice(this.children_.indexOf(c), 1); c.parentNode = null; return c; }
  replaceChild(n, old) { this.insertBefore(n, old); return this.removeChild(old); }
  getElementsByTagName(name) {
    const out = [];
    const walk = (n) => n.children_.forEach((c) => { if (c.nodeType === 1) { if (c.nodeName === name) out.push(c); walk(c); } });
    walk(this);
    return out;
  }
}

class Document extends Node {
  constructor() { super(null, 9, '#document'); this.ownerDocument = this; }
  get documentElement() { return this.children_.find((c) => c.nodeType === 1) || null; }
  createElement(name) { return new Node(this, 1, name); }
  createTextNode(value) { const t = new Node(this, 3, '#text'); t.nodeValue = String(value); return t; }
}

const ENTITIES = { lt: '<', gt: '>', amp: '&', quot: '"', apos: "'" };
function decode(s) {
  return s.replace(/&(#x[0-9a-f]+|#\d+|\w+);/gi, (m, e) => {
    if (e[0] === '#') return String.fromCodePoint(e[1] === 'x' || e[1] === 'X' ? parseInt(e.slice(2), 16) : +e.slice(1));
    return ENTITIES[e] !== undefined ? ENTITIES[e] : m;
  });
}
function escapeText(s) { return s.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;'); }
function escapeAttr(s) { return escapeText(s).replace(/"/g, '&quot;'); }

function parse(xml) {
  const doc = new Document();
  let at = 0;
  let current = doc;
  const fail = (why) => { throw new Error(why + ' at ' + at); };
  while (at < xml.length) {
    if (xml.startsWith('<?', at) || xml.startsWith('<!--', at)) {
      const end = xml.indexOf(xml.startsWith('<?', at) ? '?>' : '-->', at);
      if (end < 0) fail('unclosed');
      at = end + (xml.startsWith('<?', at) ? 2 : 3);
    } else if (xml.startsWith('<![CDATA[', at)) {
      const end = xml.indexOf(']]>', at);
      current.appendChild(doc.createTextNode(xml.slice(at + 9, end)));
      at = end + 3;
    } else if (xml.startsWith('</', at)) {
      const end = xml.indexOf('>', at);
      const name = xml.slice(at + 2, end).trim();
      if (current.nodeName !== name) fail('mismatched </' + name + '>');
      current = current.parentNode;
      at = end + 1;
    } else if (xml[at] === '<') {
      const m = /^<([\w:.-]+)((?:\s+[\w:.-]+\s*=\s*(?:"[^"]*"|'[^']*'))*)\s*(\/?)>/.exec(xml.slice(at));
      if (!m) fail('bad tag');
      const el = doc.createElement(m[1]);
      const attrRe = /([\w:.-]+)\s*=\s*(?:"([^"]*)"|'([^']*)')/g;
      let a;
      while ((a = attrRe.exec(m[2]))) el.setAttribute(a[1], decode(a[2] !== undefined ? a[2] : a[3]));
      current.appendChild(el);
      if (!m[3]) current = el;
      at += m[0].length;
    } else {
      const end = xml.indexOf('<', at) < 0 ? xml.length : xml.indexOf('<', at);
      const t = xml.slice(at, end);
      if (current !== doc) current.appendChild(doc.createTextNode(decode(t)));
      else if (t.trim()) fail('text outside the root');
      at = end;
    }
  }
  if (current !== doc || !doc.documentElement) fail('unclosed element');
  return doc;
}

function serialize(node) {
  if (node.nodeType === 9) return serialize(node.documentElement);
  if (node.nodeType === 3) return escapeText(node.nodeValue);
  const attrs = node.attributes.map((a) => ' ' + a.name + '="' + escapeAttr(a.value) + '"').join('');
  if (!node.children_.length) return '<' + node.nodeName + attrs + '/>';
  return '<' + node.nodeName + attrs + '>' + node.children_.map(serialize).join('') + '</' + node.nodeName + '>';
}

// As the web engine's: text that is not well-formed still gives a document,
// what was read up to the fault with a "parsererror" element in it.
class DOMParser {
  parseFromString(text) {
    try {
      return parse(text);
    } catch (e) {
      const doc = new Document();
      const opened = /<([\w:.-]+)/.exec(text);
      const root = doc.appendChild(doc.createElement(opened ? opened[1] : 'parsererror'));
      root.appendChild(doc.createElement('parsererror'));
      return doc;
    }
  }
}

module.exports = { parse, serialize, DOMParser };
