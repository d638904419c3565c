'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const path = require('node:path');
const rt = require(path.join(__dirname, '..', '..', 'src', 'core', 'movie_runtime.js'));

function connected(frames) {
  const movie = rt.createMovie({ frames });
  const sent = [];
  movie.connect((m) => sent.push(m));
  return { movie, sent };
}

test('a variable set by the movie reaches the host before a later command', () => {
  const { movie, sent } = connected();
  movie.set('qb_xml', '<Test/>');
  movie.fscommand('cmdFinish', '');
  assert.deepEqual(sent, [['var', 'qb_xml', '<Test/>'], ['cmd', 'cmdFinish', '']]);
});

test('messages posted before the host connects are delivered first, in order', () => {
  const movie = rt.createMovie({ frames: 3 });
  movie.set('a', 1);
  movie.gotoFrame(2);
  movie.fscommand('kill', 'simulator');
  assert.equal(movie.pending().length, 3);
  const sent = [];
  movie.connect((m) => sent.push(m));
  movie.set('b', null);
  assert.deepEqual(sent, [['var', 'a', '1'], ['frame', '2', ''], ['cmd', 'kill', 'simulator'], ['var', 'b', '']]);
});

test('host variables fire change handlers without being echoed back', () => {
  const { movie, sent } = connected();
  const seen = [];
  movie.onChange('txtTestName', (v, n, origin) => seen.push([n, v, origin]));
  movie.onChange((v, n) => seen.push(['*', n]));
  assert.equal(movie.hostCall('SetVariable', ['txtTestName', 'Network Essentials']), true);
  movie.set('txtTestName', 'x');
  assert.deepEqual(seen, [['txtTestName', 'Network Essentials', 'host'], ['*', 'txtTestName'],
    ['txtTestName', 'x', 'movie'], ['*', 'txtTestName']]);
  assert.deepEqual(sent, [['var', 'txtTestName', 'x']]);
  assert.equal(movie.get('unknown'), '');
  assert.equal(movie.hostCall('Explode', []), false);
});

test('frames: goto clamps to the timeline, frame scripts run, rewind stops', () => {
  const { movie } = connected(10);
  const entered = [];
  movie.onFrame(4, function () { entered.push(4); this.stop(); });
  movie.gotoFrame(25);
  assert.equal(movie.frameNum(), 9);
  movie.gotoFrame(-3);
  assert.equal(movie.frameNum(), 0);
  movie.hostCall('GotoFrame', ['2']);
  movie.play();
  movie.tick();
  assert.equal(movie.frameNum(), 3);
  movie.tick();
  assert.deepEqual(entered, [4]);
  assert.equal(movie.main.playing, false, 'the frame script stopped playback');
  movie.tick();
  assert.equal(movie.frameNum(), 4);
  movie.play();
  movie.hostCall('Rewind', []);
  assert.equal(movie.frameNum(), 0);
  assert.equal(movie.main.playing, false);
});

test('playback stops on the last frame', () => {
  const { movie } = connected(3);
  movie.play();
  while (movie.tick()) { /* play through */ }
  assert.equal(movie.frameNum(), 2);
  assert.equal(movie.main.playing, false);
});

test('named clips: TGotoFrame reaches the clip under any target spelling', () => {
  const { movie, sent } = connected(2);
  const bar = movie.clip('progress', 101);
  movie.hostCall('TGotoFrame', ['/progress', '40']);
  assert.equal(bar.frame, 40);
  movie.tGotoFrame('_level0/progress', 100);
  assert.equal(bar.frame, 100);
  movie.tGotoFrame('_root.progress', 7);
  assert.equal(bar.frame, 7);
  movie.tGotoFrame('/nothing', 3);
  assert.equal(movie.hasClip('nothing'), false);
  assert.equal(movie.frameNum(), 0, 'a clip does not move the main timeline');
  assert.equal(sent.filter((m) => m[0] === 'frame').length, 0, 'clip frames are not host frames');
});

test('frame lists', () => {
  const shows = rt.parseFrameList('1, 4-6,x');
  assert.deepEqual([0, 1, 2, 4, 6, 7].map(shows), [false, true, false, true, true, false]);
  assert.equal(rt.highestFrame('0-3,9'), 9);
  assert.equal(rt.highestFrame(''), -1);
  assert.equal(rt.clipName('_level0/bar/'), 'bar');
});
