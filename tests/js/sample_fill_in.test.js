'use strict';
// The sample product's fill-in answers, judged by the question movie's own
// script: the plausible forms a learner types are accepted, near misses not.
const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');
const { parse, serialize } = require('./mini_dom');
const logic = require(path.join(__dirname, '..', '..', 'product', 'scripts', 'vost_logic.js'));

const data = path.join(__dirname, '..', '..', 'product', 'data');
const read = (name) => parse(fs.readFileSync(path.join(data, name), 'utf8'));

function all(node, name, out = []) {
  for (let c = node.firstChild; c; c = c.nextSibling) {
    if (c.nodeName === name) out.push(c);
    if (c.firstChild) all(c, name, out);
  }
  return out;
}

// A bank question plays with its answer merged in; a quiz question holds it.
function playedItem(id) {
  const ans = all(read('Answers.xml'), 'Ans').find((a) => a.getAttribute('quid') === id);
  if (ans) {
    const response = all(ans, 'response')[0];
    return all(parse('<item type="Fill in the blank"><responses>' + serialize(response) + '</responses></item>'), 'item')[0];
  }
  return all(read('Quiz.xml'), 'item').find((i) => i.getAttribute('questionId') === id);
}

test('sample fill-in answers accept the plausible forms and refuse near misses', () => {
  const cases = [
    ['NE-F-009', '1022', true], ['NE-F-009', '1,022', true], ['NE-F-009', ' 1  022 ', true], ['NE-F-009', '1024', false],
    ['NE-F-025', 'UDP 67', true], ['NE-F-025', 'udp/67', true], ['NE-F-025', '68', false],
    ['NE-F-047', 'host', true], ['NE-F-047', 'dig', true], ['NE-F-047', 'NSLOOKUP', true], ['NE-F-047', 'ping', false],
    ['NE-P1-017', 'NTPv4', true], ['NE-P1-017', 'ntp', true], ['NE-P1-017', 'SNMP', false],
    ['NE-P1-004', '15 links', true], ['NE-P3-011', '15 hops', true], ['NE-P3-011', '16', false],
    ['NE-P2-008', '192.168.0.0 /22', true], ['NE-P2-017', 'PTR record', true],
    ['NE-Q-005', 'four pairs', true], ['NE-Q-023', 'TCP 443', true], ['NE-Q-023', '80', false],
  ];
  for (const [id, typed, right] of cases) {
    const item = playedItem(id);
    assert.ok(item, id + ' is a fill-in question of the sample');
    assert.strictEqual(logic.judgeFill(item, typed), right, id + ' "' + typed + '"');
  }
});
