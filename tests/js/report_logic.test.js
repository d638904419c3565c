'use strict';
const test = require('node:test');
const assert = require('node:assert');
const path = require('node:path');
const { parse, serialize } = require('./mini_dom');
const logic = require(path.join(__dirname, '..', '..', 'product', 'scripts', 'report_logic.js'));

// An evaluated test: one right, one wrong, one never answered, in two objectives.
function evaluated() {
  return parse(
    '<Test name="Final" total_questions="3" no_of_attempted="2" no_of_correct_answer="1" total_marks="4" marks="1" ' +
    'remarks="Fail" text_result_analysis="Keep going.">\n' +
    '<property/>\n' +
    '<item questionId="a" category="Routing" total_marks="1"><statement>One</statement>' +
    '<user_attempt_report><user_attempts><attempt>B</attempt></user_attempts><marks_scored>1</marks_scored></user_attempt_report></item>\n' +
    '<item questionId="b" category="Cabling" total_marks="2"><statement>Two</statement>' +
    '<user_attempt_report><user_attempts><attempt>A</attempt></user_attempts><marks_scored>0</marks_scored></user_attempt_report></item>\n' +
    '<item questionId="c" category="Routing" total_marks="1"><statement>Three</statement></item>\n' +
    '</Test>');
}

test('the summary reads the host\'s counts and works the percentage out half to even', () => {
  const cases = [
    ['1', '4', 65, 25, false],
    ['1', '8', 10, 12, true],   // 12.5 rounds to 12
    ['7', '8', 88, 88, true],   // equal to the pass mark passes
    ['3', '0', 50, 0, false],
  ];
  for (const [marks, total, pass, percentage, passed] of cases) {
    const doc = evaluated();
    doc.documentElement.setAttribute('marks', marks);
    doc.documentElement.setAttribute('total_marks', total);
    doc.documentElement.setAttribute('remarks', '');
    const s = logic.summary(doc, String(pass));
    assert.strictEqual(s.percentage, percentage, `${marks} of ${total}`);
    assert.strictEqual(s.passed, passed, `${marks} of ${total} against ${pass}`);
  }
  const s = logic.summary(evaluated(), '65');
  assert.deepStrictEqual([s.name, s.questions, s.attempted, s.correct, s.remarks, s.analysis],
    ['Final', '3', '2', '1', 'Fail', 'Keep going.']);
});

test('each question has its verdict and each objective its score', () => {
  const doc = evaluated();
  assert.deepStrictEqual(logic.items(doc).map(logic.verdict), ['right', 'wrong', 'unanswered']);
  assert.deepStrictEqual(logic.objectives(doc).map((o) => [o.name, o.score, o.max, o.percentage, o.questions]),
    [['Routing', 1, 2, 50, 2], ['Cabling', 0, 2, 0, 1]]);
});

test('print positions count the root\'s children as the host does, in the order chosen', () => {
  const doc = evaluated();
  const [a, b, c] = logic.items(doc);
  assert.strictEqual(logic.printPositions([b, a]), '2,1');
  assert.strictEqual(logic.printPositions([c]), '3');
  assert.strictEqual(logic.printPositions([]), '-1');
});

test('a bookmark is marked where the store looks for it, with its remark', () => {
  const doc = evaluated();
  const [a, , c] = logic.items(doc);
  logic.setBookmark(a, true, 'metric');
  logic.setBookmark(c, true, '');
  assert.match(serialize(a), /<user_attempt_report><user_attempts>.*<\/marks_scored><bookmark value="true" remark="metric"\/><\/user_attempt_report>/);
  assert.match(serialize(c), /<user_attempt_report><bookmark value="true" remark=""\/><\/user_attempt_report>/);
  assert.deepStrictEqual([logic.isBookmarked(a), logic.remarkOf(a)], [true, 'metric']);
  logic.setBookmark(a, false);
  assert.deepStrictEqual([logic.isBookmarked(a), logic.remarkOf(a)], [false, 'metric']);
  // An unanswered question unmarked gets no empty record.
  const fresh = logic.items(evaluated())[2];
  logic.setBookmark(fresh, false);
  assert.doesNotMatch(serialize(fresh), /user_attempt_report/);
  assert.strictEqual(logic.verdict(c), 'unanswered', 'a bookmark alone is no answer');
});
