/* The drag-and-drop movies' question logic: reading one drag-and-drop or
   hot-spot item, judging an answer from the data inside it and writing the
   response record the question movie stores. Works on any XML DOM. */
(function (root, factory) {
  'use strict';
  if (typeof module === 'object' && module.exports) module.exports = factory(require('./xml_nodes.js'));
  else root.dragDropLogic = factory(root.xmlNodes);
})(typeof window !== 'undefined' ? window : globalThis, function (nodes) {
  'use strict';

  var DRAG = 'DragNDrop';
  var HOTSPOT = 'HotSpot';
  var MULTIPLE = 'MultipleHotSpot';

  var elements = nodes.elements, first = nodes.first, text = nodes.text, attr = nodes.attr;
  function number(node, name) {
    var v = parseFloat(attr(node, name));
    return isFinite(v) ? v : 0;
  }
  function escapeXml(s) {
    return String(s).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
  }
  // A path under the application folder, each piece escaped for a URL.
  function pictureSource(node) {
    var path = (attr(node, 'uri') + '/' + text(node).trim()).split(/[\\/]+/).filter(Boolean);
    return '/' + path.map(encodeURIComponent).join('/');
  }
  function rect(node) {
    return { name: attr(node, 'name'), x: number(node, 'x'), y: number(node, 'y'),
      width: number(node, 'width'), height: number(node, 'height') };
  }

  // The item, whether given as itself or as the document holding it.
  function itemOf(node) {
    if (node && node.nodeType === 9) node = node.documentElement;
    return node && node.nodeName === 'item' ? node : null;
  }

  // Everything the movies draw and judge, read once. Null when the node is
  // not a drag-and-drop or hot-spot item.
  function question(node) {
    var item = itemOf(node);
    if (!item) return null;
    var type = attr(item, 'type');
    if (type !== DRAG && type !== HOTSPOT && type !== MULTIPLE) return null;
    var picture = elements(item, 'resource').filter(function (r) { return attr(r, 'name') === 'questionimage'; })[0];
    return {
      id: attr(item, 'questionId'),
      type: type,
      statement: text(first(item, 'statement')),
      totalMarks: attr(item, 'total_marks'),
      explanation: text(first(item, 'explanation')),
      picture: picture
        ? { src: pictureSource(picture), width: number(picture, 'width'), height: number(picture, 'height') }
        : null,
      tiles: elements(first(item, 'responses'), 'response').map(function (r) {
        return { name: attr(r, 'name'), label: attr(r, 'label') || attr(r, 'name'), src: pictureSource(r),
          width: number(r, 'width'), height: number(r, 'height') };
      }),
      targets: elements(first(item, 'targets'), 'target').map(function (t) {
        var r = rect(t);
        r.answer = attr(t, 'answer');
        return r;
      }),
      hotspots: elements(first(item, 'hotspots'), 'hotspot').map(function (h) {
        var r = rect(h);
        r.correct = attr(h, 'correct') === 'true';
        r.label = attr(h, 'label') || r.name;
        return r;
      })
    };
  }

  function tileNamed(q, name) { return q.tiles.filter(function (t) { return t.name === name; })[0] || null; }
  function targetNamed(q, name) { return q.targets.filter(function (t) { return t.name === name; })[0] || null; }
  function hotspotNamed(q, name) { return q.hotspots.filter(function (h) { return h.name === name; })[0] || null; }

  // An empty answer of the question's kind.
  function emptyAnswer(q) { return q.type === DRAG ? { placements: {} } : { selected: [] }; }

  // The answer kept to what the question allows: known targets and tiles,
  // each tile once and each target holding one; known hot spots, one only
  // for "HotSpot", in the item's order.
  function normalise(q, answer) {
    var out = emptyAnswer(q);
    answer = answer || {};
    if (q.type === DRAG) {
      var used = {};
      q.targets.forEach(function (t) {
        var tile = answer.placements ? answer.placements[t.name] : '';
        if (tile && tileNamed(q, tile) && !used[tile]) {
          used[tile] = true;
          out.placements[t.name] = tile;
        }
      });
      return out;
    }
    var chosen = answer.selected || [];
    out.selected = q.hotspots.map(function (h) { return h.name; }).filter(function (n) { return chosen.indexOf(n) >= 0; });
    if (q.type === HOTSPOT && out.selected.length > 1) out.selected = [chosen[chosen.length - 1]];
    return out;
  }

  function isEmpty(q, answer) {
    var a = normalise(q, answer);
    return q.type === DRAG ? Object.keys(a.placements).length === 0 : a.selected.length === 0;
  }

  // "right", "wrong", "partial" (some of it right) or "none" (nothing
  // placed or selected), with the marks: total_marks when right, else "0".
  function judge(q, answer) {
    var a = normalise(q, answer);
    var verdict;
    if (isEmpty(q, a)) verdict = 'none';
    else if (q.type === DRAG) {
      var good = q.targets.filter(function (t) { return t.answer && a.placements[t.name] === t.answer; }).length;
      var wanted = q.targets.filter(function (t) { return t.answer; }).length;
      var placedWrong = Object.keys(a.placements).some(function (n) { return a.placements[n] !== targetNamed(q, n).answer; });
      verdict = wanted > 0 && good === wanted && !placedWrong ? 'right' : good > 0 ? 'partial' : 'wrong';
    } else {
      var correct = q.hotspots.filter(function (h) { return h.correct; }).map(function (h) { return h.name; });
      var hits = a.selected.filter(function (n) { return correct.indexOf(n) >= 0; }).length;
      var exact = correct.length > 0 && hits === correct.length && a.selected.length === correct.length;
      verdict = exact ? 'right' : hits > 0 ? 'partial' : 'wrong';
    }
    return { verdict: verdict, marks: verdict === 'right' ? q.totalMarks : '0' };
  }

  // The attempts as the record lists them: "target=tile" per filled target,
  // or the selected hot spots' names, in the item's order.
  function attempts(q, answer) {
    var a = normalise(q, answer);
    if (q.type === DRAG)
      return q.targets.filter(function (t) { return a.placements[t.name]; }).map(function (t) {
        return t.name + '=' + a.placements[t.name];
      });
    return a.selected.slice();
  }

  // The user_attempt_report handed back through "finish"; "" when nothing is
  // placed or selected (the question then stays as it was).
  function responseRecord(q, answer) {
    if (isEmpty(q, answer)) return '';
    var list = attempts(q, answer).map(function (x) { return '<attempt>' + escapeXml(x) + '</attempt>'; }).join('');
    return '<user_attempt_report><user_attempts>' + list + '</user_attempts><marks_scored>' +
      escapeXml(judge(q, answer).marks) + '</marks_scored></user_attempt_report>';
  }

  // The answer recorded in an item (or a record document) earlier, if any.
  function recordedAnswer(q, node) {
    var holder = node && node.nodeType === 9 ? node.documentElement : node;
    var report = holder && holder.nodeName === 'user_attempt_report' ? holder : first(holder, 'user_attempt_report');
    var list = report ? first(report, 'user_attempts') : null;
    var answer = emptyAnswer(q);
    elements(list, 'attempt').map(text).forEach(function (x) {
      if (q.type === DRAG) {
        var eq = x.indexOf('=');
        if (eq > 0) answer.placements[x.slice(0, eq)] = x.slice(eq + 1);
      } else answer.selected.push(x);
    });
    return normalise(q, answer);
  }

  // The correct answer, as the report shows it.
  function correctAnswer(q) {
    var a = emptyAnswer(q);
    if (q.type === DRAG) q.targets.forEach(function (t) { if (t.answer) a.placements[t.name] = t.answer; });
    else a.selected = q.hotspots.filter(function (h) { return h.correct; }).map(function (h) { return h.name; });
    return a;
  }

  function inside(r, x, y) { return x >= r.x && y >= r.y && x < r.x + r.width && y < r.y + r.height; }
  // The hot spot or target under a point of the picture; null outside all.
  function hotspotAt(q, x, y) { return q.hotspots.filter(function (h) { return inside(h, x, y); })[0] || null; }
  function targetAt(q, x, y) { return q.targets.filter(function (t) { return inside(t, x, y); })[0] || null; }

  // A hot spot clicked: "HotSpot" keeps that one, "MultipleHotSpot" toggles it.
  function toggleHotspot(q, answer, name) {
    var a = normalise(q, answer);
    if (!hotspotNamed(q, name)) return a;
    var at = a.selected.indexOf(name);
    if (q.type === HOTSPOT) a.selected = at >= 0 ? [] : [name];
    else if (at >= 0) a.selected.splice(at, 1);
    else a.selected.push(name);
    return normalise(q, a);
  }

  // A tile put on a target: whatever the target held goes back to the tray,
  // and the tile leaves the target it was on. No target: back to the tray.
  function placeTile(q, answer, tile, target) {
    var a = normalise(q, answer);
    Object.keys(a.placements).forEach(function (n) { if (a.placements[n] === tile) delete a.placements[n]; });
    if (target && targetNamed(q, target) && tileNamed(q, tile)) a.placements[target] = tile;
    return a;
  }

  // Per target or hot spot, whether the answer shown is right there: for the
  // report's side-by-side view.
  function marks(q, answer) {
    var a = normalise(q, answer);
    if (q.type === DRAG)
      return q.targets.map(function (t) {
        var tile = a.placements[t.name] || '';
        return { name: t.name, tile: tile, label: tile ? tileNamed(q, tile).label : '', right: !!tile && tile === t.answer };
      });
    return q.hotspots.map(function (h) {
      var on = a.selected.indexOf(h.name) >= 0;
      return { name: h.name, label: h.label, selected: on, right: on === h.correct };
    });
  }

  return {
    DRAG: DRAG, HOTSPOT: HOTSPOT, MULTIPLE: MULTIPLE,
    question: question, tile: tileNamed, emptyAnswer: emptyAnswer, normalise: normalise, isEmpty: isEmpty, judge: judge,
    attempts: attempts, responseRecord: responseRecord, recordedAnswer: recordedAnswer, correctAnswer: correctAnswer,
    hotspotAt: hotspotAt, targetAt: targetAt, toggleHotspot: toggleHotspot, placeTile: placeTile, marks: marks
  };
});
