'use strict';
const test = require('node:test');
const assert = require('node:assert');
const path = require('node:path');
const { parse } = require('./mini_dom');
const x = require(path.join(__dirname, '..', '..', 'product', 'scripts', 'xml_nodes.js'));

const doc = parse('<Test name="T"><property/>text <item n="1"><a>one</a><b/><a>two</a></item><!-- c --><item n="2" e=""/></Test>');
const [one, two] = x.items(doc);

test('element children are taken in order, text and comments passed over, a missing node has none', () => {
  const names = (list) => list.map((e) => e.nodeName + (e.getAttribute('n') || ''));
  const cases = [
    [doc.documentElement, undefined, ['property', 'item1', 'item2']],
    [doc.documentElement, 'item', ['item1', 'item2']],
    [one, 'a', ['a', 'a']],
    [one, 'missing', []],
    [null, 'a', []],
  ];
  for (const [node, name, want] of cases) assert.deepStrictEqual(names(x.elements(node, name)), want, String(name));
  assert.deepStrictEqual([one, two].map((i) => i.getAttribute('n')), ['1', '2']);
});

test('first and last of a name, text and attributes read as "" where there is nothing to read', () => {
  const cases = [
    [x.text(x.first(one, 'a')), 'one'],
    [x.text(x.last(one, 'a')), 'two'],
    [x.first(one, 'c'), null],
    [x.last(null, 'a'), null],
    [x.text(x.first(one, 'b')), ''],
    [x.text(null), ''],
    [x.attr(two, 'n'), '2'],
    [x.attr(two, 'e'), ''],
    [x.attr(two, 'missing'), ''],
    [x.attr(null, 'n'), ''],
  ];
  cases.forEach(([got, want], i) => assert.strictEqual(got, want, 'case ' + i));
});
