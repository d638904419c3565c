'use strict';
const test = require('node:test');
const assert = require('node:assert');
const path = require('node:path');
const { DOMParser } = require('./mini_dom');
const page = require(path.join(__dirname, '..', '..', 'product', 'scripts', 'movie_page.js'));

globalThis.DOMParser = DOMParser;

test('a handed-over text is a test only when it parses and its root is Test', () => {
  const cases = [
    ['<Test name="T"><property/><item/></Test>', 'Test', 'Test'],
    ['<?xml version="1.0"?>\n<Test/>', 'Test', 'Test'],
    ['<item questionId="q"/>', 'item', null],
    ['<Test><item></Test>', null, null],   // read as far as the fault: still no test
    ['', null, null],
    ['not xml at all', null, null],
  ];
  for (const [text, xml, test] of cases) {
    const root = (doc) => (doc ? doc.documentElement.nodeName : null);
    assert.strictEqual(root(page.parseXml(text)), xml, 'xml: ' + text);
    assert.strictEqual(root(page.parseTest(text)), test, 'test: ' + text);
  }
});

test('the host\'s content size is taken in whole points up to 30, and nothing else is', () => {
  const cases = [['12', '12'], ['30', '30'], ['31', '30'], ['300', '30'], ['9.5', '9'], [' 14pt', '14'],
    ['0', ''], ['-3', ''], ['', ''], ['large', '']];
  for (const [value, want] of cases) assert.strictEqual(page.contentSize(value), want, value);
});
