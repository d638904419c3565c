'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');
const { parse } = require('./mini_dom');
const product = path.join(__dirname, '..', '..', 'product');
const picture = require(path.join(product, 'scripts', 'dragdrop_picture.js'));
const dnd = require(path.join(product, 'scripts', 'dragdrop_logic.js'));

const element = () => ({ style: {} });

test('the picture takes the size the question gives, else the loaded one, else 400 by 300', () => {
  const q = (width, height) => ({ picture: { src: '/p.png', width: width, height: height } });
  const cases = [
    [q(640, 480), { naturalWidth: 10, naturalHeight: 10 }, { width: 640, height: 480 }],
    [q(0, 0), { naturalWidth: 320, naturalHeight: 200 }, { width: 320, height: 200 }],
    [q(0, 0), { naturalWidth: 0, naturalHeight: 0 }, { width: 400, height: 300 }],
    [q(0, 250), undefined, { width: 400, height: 250 }],
  ];
  for (const [question, img, want] of cases) assert.deepStrictEqual(picture.size(question, img), want);
});

test('the picture shrinks to the room it has, down to a quarter, and never grows', () => {
  const cases = [[800, 400, 1], [400, 400, 1], [300, 400, 0.75], [100, 400, 0.25], [40, 400, 0.25], [-50, 400, 0.25]];
  for (const [room, width, want] of cases) assert.strictEqual(picture.fit(room, width), want, room + ' for ' + width);
});

test('the stage and each place over the picture are sized at the one scale', () => {
  const stage = element();
  picture.sizeStage(stage, { width: 401, height: 300 }, 0.5);
  assert.deepStrictEqual(stage.style, { width: '203px', height: '152px' });   // the border's 2px on top
  const zone = element();
  picture.place(zone, { x: 40, y: 10, width: 100, height: 30 }, 0.5);
  assert.deepStrictEqual(zone.style, { left: '20px', top: '5px', width: '50px', height: '15px' });
});

test('a tile\'s picture is drawn from the tile the question names; an unknown tile draws nothing', () => {
  const bank = parse(fs.readFileSync(path.join(product, 'data', 'QuestionBank.xml'), 'utf8'));
  const item = bank.getElementsByTagName('item').find((i) => i.getAttribute('type') === 'DragNDrop');
  const q = dnd.question(item);
  globalThis.document = { createElement: (name) => ({ nodeName: name }) };
  const last = q.tiles[q.tiles.length - 1];
  assert.deepStrictEqual(picture.tileImage(dnd.tile(q, last.name), last.label), { nodeName: 'img', src: last.src, alt: last.label });
  assert.strictEqual(dnd.tile(q, 'no such tile'), null);
  assert.strictEqual(picture.tileImage(dnd.tile(q, 'no such tile'), ''), null);
  const img = element();
  picture.showPicture(img, q);
  assert.deepStrictEqual([img.src, img.alt], [q.picture.src, q.statement]);
});
