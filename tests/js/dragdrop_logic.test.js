'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');
const { parse, serialize } = require('./mini_dom');
const product = path.join(__dirname, '..', '..', 'product');
const dnd = require(path.join(product, 'scripts', 'dragdrop_logic.js'));
const vost = require(path.join(product, 'scripts', 'vost_logic.js'));

// The sample product's drag-and-drop and hot-spot items, as the bank holds them.
const bank = parse(fs.readFileSync(path.join(product, 'data', 'QuestionBank.xml'), 'utf8'));
function allItems(node, out) {
  for (let c = node.firstChild; c; c = c.nextSibling) {
    if (c.nodeType !== 1) continue;
    if (c.nodeName === 'item') out.push(c);
    else allItems(c, out);
  }
  return out;
}
const handed = allItems(bank, []).filter((i) => dnd.question(i));

test('the sample product has four drag-and-drop, three hot-spot and two multiple hot-spot questions, each complete', () => {
  const count = (type) => handed.filter((i) => i.getAttribute('type') === type).length;
  assert.deepStrictEqual([count('DragNDrop'), count('HotSpot'), count('MultipleHotSpot')], [4, 3, 2]);
  for (const item of handed) {
    const q = dnd.question(item);
    assert.ok(q.picture && q.picture.src.startsWith('/Database/images/'), q.id);
    if (q.type === dnd.DRAG) assert.ok(q.targets.length && q.targets.every((t) => dnd.question(item).tiles.some((x) => x.name === t.answer)), q.id);
    else assert.strictEqual(q.hotspots.filter((h) => h.correct).length > 1, q.type === dnd.MULTIPLE, q.id);
  }
});

// For each kind: a right, a wrong, a partial and an empty answer of an item.
function answersFor(q) {
  const right = dnd.correctAnswer(q);
  if (q.type === dnd.DRAG) {
    const names = q.targets.map((t) => t.name);
    const tiles = names.map((n) => right.placements[n]);
    // Every tile one target on: all wrong. First two swapped: the rest right.
    const rotated = {}, swapped = Object.assign({}, right.placements);
    names.forEach((n, i) => { rotated[n] = tiles[(i + 1) % tiles.length]; });
    [swapped[names[0]], swapped[names[1]]] = [swapped[names[1]], swapped[names[0]]];
    return { right, wrong: { placements: rotated }, partial: { placements: swapped }, none: { placements: {} } };
  }
  const good = right.selected, bad = q.hotspots.filter((h) => !h.correct).map((h) => h.name);
  const partial = q.type === dnd.HOTSPOT ? null : { selected: good.slice(1) };
  return { right, wrong: { selected: [bad[0]] }, partial, none: { selected: [] } };
}

test('each sample question is judged right, wrong, partial and unanswered, and the record scores it so', () => {
  for (const item of handed) {
    const q = dnd.question(item);
    const answers = answersFor(q);
    for (const [expected, answer] of Object.entries(answers)) {
      if (!answer) continue;
      const label = q.id + ' ' + expected;
      const judged = dnd.judge(q, answer);
      assert.strictEqual(judged.verdict, expected, label);
      assert.strictEqual(judged.marks, expected === 'right' ? q.totalMarks : '0', label);
      const record = dnd.responseRecord(q, answer);
      if (expected === 'none') { assert.strictEqual(record, '', label); continue; }
      // The question movie takes it as the item's response, as evaluation reads it.
      const test = parse('<Test name="t"><property/>' + serialize(item) + '</Test>');
      const played = vost.items(test)[0];
      assert.ok(vost.acceptHandedReport(played, parse(record)), label);
      assert.strictEqual(vost.answerOf(played).marks, judged.marks, label);
      // Opened again, the screen shows the same answer.
      assert.deepStrictEqual(dnd.recordedAnswer(q, played), dnd.normalise(q, answer), label);
    }
  }
});

const DRAG_ITEM = '<item questionId="D" type="DragNDrop" total_marks="2"><statement>s</statement>' +
  '<resource name="questionimage" uri="Database/images" width="480" height="410">p.svg</resource>' +
  '<responses><response name="A" uri="Database/images" label="Bits &amp; more" width="160" height="46">a.svg</response>' +
  '<response name="B" uri="Database/images" label="Frame">b.svg</response><response name="X" uri="Database/images" label="Distractor">x.svg</response></responses>' +
  '<targets><target name="T2" x="290" y="300" width="170" height="40" answer="B"/><target name="T1" x="290" y="350" width="170" height="40" answer="A"/></targets></item>';

test('tiles move between targets and the tray, one tile per target, each tile once', () => {
  const q = dnd.question(parse(DRAG_ITEM));
  assert.deepStrictEqual(q.tiles[0], { name: 'A', label: 'Bits & more', src: '/Database/images/a.svg', width: 160, height: 46 });
  let a = dnd.emptyAnswer(q);
  a = dnd.placeTile(q, a, 'A', 'T2');
  a = dnd.placeTile(q, a, 'B', 'T2');  // A goes back to the tray
  assert.deepStrictEqual(a.placements, { T2: 'B' });
  a = dnd.placeTile(q, a, 'B', 'T1');  // moved, not copied
  assert.deepStrictEqual(a.placements, { T1: 'B' });
  a = dnd.placeTile(q, a, 'X', 'T2');
  assert.strictEqual(dnd.judge(q, a).verdict, 'wrong');
  a = dnd.placeTile(q, a, 'A', 'T1');
  assert.strictEqual(dnd.judge(q, a).verdict, 'partial', 'A right, the distractor on T2');
  a = dnd.placeTile(q, a, 'B', 'T2');
  assert.deepStrictEqual(dnd.judge(q, a), { verdict: 'right', marks: '2' });
  assert.strictEqual(dnd.responseRecord(q, a),
    '<user_attempt_report><user_attempts><attempt>T2=B</attempt><attempt>T1=A</attempt></user_attempts><marks_scored>2</marks_scored></user_attempt_report>');
  a = dnd.placeTile(q, a, 'B', null);
  assert.deepStrictEqual(a.placements, { T1: 'A' });
  // Unknown names and a tile on two targets are dropped from a hand-made answer.
  assert.deepStrictEqual(dnd.normalise(q, { placements: { T1: 'A', T2: 'A', T9: 'B' } }).placements, { T2: 'A' });
  assert.deepStrictEqual(dnd.marks(q, a), [
    { name: 'T2', tile: '', label: '', right: false }, { name: 'T1', tile: 'A', label: 'Bits & more', right: true }]);
  assert.strictEqual(dnd.targetAt(q, 290, 339).name, 'T2');
  assert.strictEqual(dnd.targetAt(q, 460, 350), null, 'the right edge is outside');
});

test('hot spots: one at a time for a single hot spot, toggled for several, nothing outside them', () => {
  const spots = '<hotspots><hotspot name="H1" x="0" y="0" width="10" height="10" correct="true" label="One"/>' +
    '<hotspot name="H2" x="20" y="0" width="10" height="10" correct="false"/>' +
    '<hotspot name="H3" x="40" y="0" width="10" height="10" correct="true"/></hotspots>';
  const single = dnd.question(parse('<item type="HotSpot" total_marks="1">' + spots.replace('name="H3" x="40" y="0" width="10" height="10" correct="true"', 'name="H3" x="40" y="0" width="10" height="10" correct="false"') + '</item>'));
  let a = dnd.toggleHotspot(single, dnd.emptyAnswer(single), 'H2');
  a = dnd.toggleHotspot(single, a, 'H1');
  assert.deepStrictEqual(a.selected, ['H1']);
  assert.deepStrictEqual(dnd.judge(single, a), { verdict: 'right', marks: '1' });
  a = dnd.toggleHotspot(single, a, 'H1');
  assert.deepStrictEqual(dnd.judge(single, a), { verdict: 'none', marks: '0' });
  assert.strictEqual(dnd.hotspotAt(single, 15, 5), null);
  assert.strictEqual(dnd.hotspotAt(single, 25, 5).name, 'H2');
  assert.strictEqual(dnd.hotspotAt(single, 0, 0).label, 'One');

  const multi = dnd.question(parse('<item type="MultipleHotSpot" total_marks="1">' + spots + '</item>'));
  a = dnd.emptyAnswer(multi);
  for (const n of ['H3', 'H2', 'H1', 'H2', 'H9']) a = dnd.toggleHotspot(multi, a, n);
  assert.deepStrictEqual(a.selected, ['H1', 'H3'], 'in the item\'s order, the second click took H2 off');
  assert.strictEqual(dnd.judge(multi, a).verdict, 'right');
  assert.strictEqual(dnd.judge(multi, dnd.toggleHotspot(multi, a, 'H2')).verdict, 'partial', 'one too many');
  assert.deepStrictEqual(dnd.marks(multi, { selected: ['H2'] }).map((m) => m.right), [false, false, false]);
  assert.strictEqual(dnd.question(parse('<item type="Single Choice"/>')), null);
  assert.strictEqual(dnd.question(parse('<Test/>')), null);
});
