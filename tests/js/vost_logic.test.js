'use strict';
const test = require('node:test');
const assert = require('node:assert');
const path = require('node:path');
const { parse, serialize } = require('./mini_dom');
const logic = require(path.join(__dirname, '..', '..', 'product', 'scripts', 'vost_logic.js'));

// A played test as the builders hand it over: answers merged in.
function playedTest(attrs) {
  return parse(
    '<Test name="Practice 1" time="2700" ' + (attrs || 'time_remaining="2700"') + '>' +
    '<property show_explanation="true" allow_back="true"/>' +
    '<item questionId="S" type="Single Choice" total_marks="1"><statement>Which?</statement>' +
    '<responses><response name="A" correct="false">a</response><response name="B" correct="true">b</response></responses>' +
    '<explanation>Because.</explanation></item>\n  ' +
    '<item questionId="M" type="Multiple Choice" total_marks="2"><statement>Pick. (Choose two.)</statement>' +
    '<responses><response name="A" correct="true">a</response><response name="B" correct="false">b</response>' +
    '<response name="C" correct="true">c</response></responses></item>' +
    '<item questionId="F" type="Fill in the blank" total_marks="1.0"><statement>Time is kept by _____</statement>' +
    '<explanation>NTP.</explanation><responses><response name="answer" alternatives="Network Time Protocol|network  time">NTP</response></responses></item>' +
    '<item questionId="D" type="DragNDrop" total_marks="2"><statement>Drag.</statement></item>' +
    '</Test>');
}

function item(doc, id) { return logic.items(doc).find((i) => i.getAttribute('questionId') === id); }
function reportOf(it) {
  for (let c = it.firstChild; c; c = c.nextSibling) if (c.nodeName === 'user_attempt_report') return c;
  return null;
}
function report(doc, id) {
  const r = reportOf(item(doc, id));
  return r ? serialize(r) : '';
}

test('each kind is judged and recorded as evaluation reads it', () => {
  const cases = [
    ['S', { chosen: ['B'] }, '1', '<user_attempt_report><user_attempts><attempt>B</attempt></user_attempts><marks_scored>1</marks_scored></user_attempt_report>'],
    ['S', { chosen: ['A'] }, '0', '<user_attempt_report><user_attempts><attempt>A</attempt></user_attempts><marks_scored>0</marks_scored></user_attempt_report>'],
    ['M', { chosen: ['C', 'A'] }, '2', '<user_attempt_report><user_attempts><attempt>A</attempt><attempt>C</attempt></user_attempts><marks_scored>2</marks_scored></user_attempt_report>'],
    ['M', { chosen: ['A'] }, '0', null],
    ['M', { chosen: ['A', 'B', 'C'] }, '0', null],
    ['F', { text: '  ntp ' }, '1.0', '<user_attempt_report><user_attempts><attempt>ntp</attempt></user_attempts><marks_scored>1.0</marks_scored></user_attempt_report>'],
    ['F', { text: 'network   TIME protocol' }, '1.0', null],
    ['F', { text: 'Network Time' }, '1.0', null],
    ['F', { text: 'SNTP' }, '0', null],
  ];
  for (const [id, answer, marks, xml] of cases) {
    const doc = playedTest();
    assert.strictEqual(logic.record(item(doc, id), answer), marks, id + ' ' + JSON.stringify(answer));
    if (xml) assert.strictEqual(report(doc, id), xml);
    const back = logic.answerOf(item(doc, id));
    assert.strictEqual(back.marks, marks);
  }
});

test('marks are the total_marks text itself, so "1.0" stays "1.0"', () => {
  const doc = playedTest();
  logic.record(item(doc, 'F'), { text: 'NTP' });
  assert.match(report(doc, 'F'), /<marks_scored>1\.0<\/marks_scored>/);
});

test('answering again replaces the response, keeps a bookmark, and an empty answer removes it', () => {
  const doc = playedTest();
  const s = item(doc, 'S');
  logic.record(s, { chosen: ['A'] });
  const bookmark = reportOf(s).appendChild(doc.createElement('bookmark'));
  bookmark.setAttribute('value', 'true');
  logic.record(s, { chosen: ['B'] });
  assert.strictEqual(report(doc, 'S'),
    '<user_attempt_report><user_attempts><attempt>B</attempt></user_attempts><marks_scored>1</marks_scored><bookmark value="true"/></user_attempt_report>');
  logic.record(s, { chosen: [] });
  assert.strictEqual(report(doc, 'S'), '<user_attempt_report><bookmark value="true"/></user_attempt_report>');
  assert.strictEqual(logic.isAnswered(s), false);
  logic.record(item(doc, 'F'), { text: 'NTP' });
  logic.record(item(doc, 'F'), { text: '   ' });
  assert.strictEqual(report(doc, 'F'), '', 'a report with nothing left goes');
});

test('a drag-and-drop record comes back through txtUAR and keeps a bookmark', () => {
  const doc = playedTest();
  const d = item(doc, 'D');
  const uar = '<user_attempt_report><user_attempts><attempt>T1=A</attempt></user_attempts><marks_scored>2</marks_scored></user_attempt_report>';
  assert.strictEqual(logic.acceptHandedReport(d, parse(uar)), true);
  assert.strictEqual(report(doc, 'D'), uar);
  reportOf(d).appendChild(doc.createElement('bookmark'));
  const again = uar.replace('>2<', '>0<');
  logic.acceptHandedReport(d, parse(again));
  assert.strictEqual(report(doc, 'D'), again.replace('</user_attempt_report>', '<bookmark/></user_attempt_report>'));
  assert.strictEqual(logic.acceptHandedReport(d, parse('<other/>')), false);
});

test('a resumed test starts at its position with the time it had left', () => {
  const cases = [
    ['time_remaining="1234" currentQuestionID="3"', 3, 1234],
    ['time_remaining="99.7" currentQuestionID="9"', 4, 99],
    ['currentQuestionID="0"', 1, 2700],
    ['time_remaining="" currentQuestionID="x"', 1, 2700],
    ['time_remaining="-5"', 1, 0],
  ];
  for (const [attrs, position, seconds] of cases) {
    const doc = playedTest(attrs);
    assert.strictEqual(logic.startPosition(doc), position, attrs);
    assert.strictEqual(logic.timeLeft(doc), seconds, attrs);
  }
  const doc = playedTest();
  logic.setTimeLeft(doc, 61.9);
  assert.strictEqual(doc.documentElement.getAttribute('time_remaining'), '61');
});

test('the test decides on explanations and going back; Diagnostic and Final never explain', () => {
  const cases = [
    ['Practice 1', '<property show_explanation="true" allow_back="false"/>', true, false],
    ['Practice 1', '<Property/>', true, true],
    ['Quiz', '<property show_explanation="false"/>', false, true],
    ['Final', '<property show_explanation="true"/>', false, true],
    ['Diagnostic', '<property/>', false, true],
  ];
  for (const [name, prop, explain, back] of cases) {
    const doc = parse('<Test name="' + name + '">' + prop + '<item/></Test>');
    assert.strictEqual(logic.explanationAllowed(doc), explain, name + prop);
    assert.strictEqual(logic.backAllowed(doc), back, name + prop);
  }
});

test('questions are described for the screen', () => {
  const doc = playedTest();
  const m = logic.describe(item(doc, 'M'));
  assert.strictEqual(m.choose, 2);
  assert.deepStrictEqual(m.options.map((o) => o.name), ['A', 'B', 'C']);
  const unmarked = parse('<Test><property/><item type="Multiple Choice"><statement>Which? (Choose three.)</statement>' +
    '<responses><response name="A">a</response></responses><resource name="exhibit" uri="Database/images">x.svg</resource></item></Test>');
  const u = logic.describe(logic.items(unmarked)[0]);
  assert.strictEqual(u.choose, 3, 'a statement without marks still says how many');
  assert.strictEqual(u.exhibit, 'exhibit$Database/images/x.svg');
  assert.strictEqual(logic.describe(item(doc, 'D')).handedOff, true);
  assert.deepStrictEqual(logic.describe(item(doc, 'F')).options, []);
});

test('keys, clock and counts', () => {
  assert.deepStrictEqual(['1', '4', 'b', 'D', 'E', '0', '?'].map((k) => logic.optionForKey(k, 4)), [0, 3, 1, 3, -1, -1, -1]);
  assert.deepStrictEqual([0, 59, 61, 3600, 4500, -3].map(logic.formatClock), ['00:00', '00:59', '01:01', '1:00:00', '1:15:00', '00:00']);
  const doc = playedTest();
  logic.record(item(doc, 'S'), { chosen: ['A'] });
  logic.setMarked(item(doc, 'M'), true);
  logic.setMarked(item(doc, 'S'), true);
  logic.setMarked(item(doc, 'S'), false);
  assert.deepStrictEqual(logic.summary(doc), { total: 4, answered: 1, unanswered: 3, marked: 1 });
});
