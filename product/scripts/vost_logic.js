/* The question movie's test logic: reading the played test document, judging
   answers and writing each response into its item as evaluation reads it.
   It works on any XML DOM (the page's DOMParser, a small one under Node). */
(function (root, factory) {
  'use strict';
  if (typeof module === 'object' && module.exports) module.exports = factory(require('./xml_nodes.js'));
  else root.vostLogic = factory(root.xmlNodes);
})(typeof window !== 'undefined' ? window : globalThis, function (nodes) {
  'use strict';

  var SINGLE = 'Single Choice';
  var MULTIPLE = 'Multiple Choice';
  var FILL = 'Fill in the blank';
  var HANDED = ['DragNDrop', 'HotSpot', 'MultipleHotSpot'];
  var NUMBER_WORDS = { one: 1, two: 2, three: 3, four: 4, five: 5, six: 6 };

  var elements = nodes.elements, first = nodes.first, last = nodes.last, text = nodes.text, attr = nodes.attr, items = nodes.items;

  // The test-level settings: the first child of the root, whatever its case.
  function property(doc) {
    var p = elements(doc.documentElement)[0];
    return p && p.nodeName.toLowerCase() === 'property' ? p : null;
  }

  function isHandedOff(item) { return HANDED.indexOf(attr(item, 'type')) >= 0; }

  // How many options a multiple-choice question asks for: its correct marks,
  // or the "(Choose two.)" of its statement when it carries none.
  function chooseCount(item) {
    var n = options(item).filter(function (o) { return o.correct; }).length;
    if (n > 0) return n;
    var m = /choose\s+(\w+)/i.exec(text(first(item, 'statement')));
    if (!m) return 0;
    return NUMBER_WORDS[m[1].toLowerCase()] || parseInt(m[1], 10) || 0;
  }

  // The options of a choice question: the responses of its first responses element.
  function options(item) {
    var holder = first(item, 'responses');
    if (!holder) return [];
    return elements(holder, 'response').map(function (r) {
      return { name: attr(r, 'name'), text: text(r), correct: attr(r, 'correct') === 'true' };
    });
  }

  // The accepted answer of a fill-in question: the last responses element,
  // which the answer merge appends.
  function acceptedAnswers(item) {
    var holder = last(item, 'responses');
    var r = holder && first(holder, 'response');
    if (!r) return [];
    var all = [text(r)];
    attr(r, 'alternatives').split('|').forEach(function (a) { if (a.trim()) all.push(a); });
    return all;
  }

  function describe(item) {
    var exhibit = elements(item, 'resource').filter(function (r) { return attr(r, 'name') === 'exhibit'; })[0];
    var type = attr(item, 'type');
    return {
      id: attr(item, 'questionId'),
      type: type,
      statement: text(first(item, 'statement')),
      totalMarks: attr(item, 'total_marks'),
      options: type === FILL ? [] : options(item),
      choose: type === MULTIPLE ? chooseCount(item) : type === SINGLE ? 1 : 0,
      exhibit: exhibit ? 'exhibit$' + attr(exhibit, 'uri') + '/' + text(exhibit) : '',
      explanation: text(first(item, 'explanation')),
      handedOff: isHandedOff(item)
    };
  }

  function normalize(s) { return String(s).replace(/\s+/g, ' ').trim().toLowerCase(); }

  function judgeFill(item, typed) {
    var given = normalize(typed);
    if (!given) return false;
    return acceptedAnswers(item).some(function (a) { return normalize(a) === given; });
  }

  function judgeChoice(item, chosen) {
    var right = options(item).filter(function (o) { return o.correct; }).map(function (o) { return o.name; });
    if (!right.length || chosen.length !== right.length) return false;
    return right.every(function (n) { return chosen.indexOf(n) >= 0; });
  }

  // The learner's answer as recorded: chosen option names, or the typed text.
  function answerOf(item) {
    var report = first(item, 'user_attempt_report');
    var attempts = report && elements(report)[0];
    if (!attempts || attempts.nodeName !== 'user_attempts') return null;
    var parts = elements(attempts, 'attempt').map(text);
    var marks = text(first(report, 'marks_scored'));
    if (attr(item, 'type') === FILL) return { text: parts.join(''), marks: marks };
    return { chosen: parts, marks: marks };
  }

  function isAnswered(item) { return answerOf(item) !== null; }

  // Writes the answer into the item's user_attempt_report, user_attempts
  // first and then marks_scored: the question's total_marks text when the
  // answer is right, "0" otherwise. Other children (a bookmark) are kept. An
  // empty answer removes the response. Returns the marks written, or "".
  function record(item, answer) {
    var doc = item.ownerDocument;
    var type = attr(item, 'type');
    var parts = type === FILL ? [String(answer.text || '').trim()].filter(Boolean) : (answer.chosen || []).slice();
    var report = first(item, 'user_attempt_report');
    if (report) {
      elements(report, 'user_attempts').concat(elements(report, 'marks_scored')).forEach(function (n) {
        report.removeChild(n);
      });
    }
    if (!parts.length) {
      if (report && !elements(report).length) item.removeChild(report);
      return '';
    }
    if (type !== FILL) parts.sort();
    var right = type === FILL ? judgeFill(item, parts[0]) : judgeChoice(item, parts);
    var marks = right ? attr(item, 'total_marks') : '0';
    if (!report) report = item.appendChild(doc.createElement('user_attempt_report'));
    var attempts = doc.createElement('user_attempts');
    parts.forEach(function (p) {
      var a = attempts.appendChild(doc.createElement('attempt'));
      a.appendChild(doc.createTextNode(p));
    });
    var scored = doc.createElement('marks_scored');
    scored.appendChild(doc.createTextNode(marks));
    var before = report.firstChild;
    report.insertBefore(attempts, before);
    report.insertBefore(scored, before);
    return marks;
  }

  // A drag-and-drop screen's record ("txtUAR"), taken as the item's response.
  // False when it is not a user_attempt_report.
  function acceptHandedReport(item, recordDoc) {
    var incoming = recordDoc && recordDoc.documentElement;
    if (!incoming || incoming.nodeName !== 'user_attempt_report') return false;
    var doc = item.ownerDocument;
    var old = first(item, 'user_attempt_report');
    var copy = importNode(doc, incoming);
    if (old) {
      // A bookmark on the old record stays.
      elements(old).forEach(function (c) {
        if (c.nodeName !== 'user_attempts' && c.nodeName !== 'marks_scored' && !first(copy, c.nodeName))
          copy.appendChild(importNode(doc, c));
      });
      item.replaceChild(copy, old);
    } else {
      item.appendChild(copy);
    }
    return true;
  }

  function importNode(doc, node) {
    if (node.nodeType === 3 || node.nodeType === 4) return doc.createTextNode(node.nodeValue);
    var el = doc.createElement(node.nodeName);
    for (var i = 0; i < node.attributes.length; i++) el.setAttribute(node.attributes[i].name, node.attributes[i].value);
    for (var c = node.firstChild; c; c = c.nextSibling)
      if (c.nodeType === 1 || c.nodeType === 3 || c.nodeType === 4) el.appendChild(importNode(doc, c));
    return el;
  }

  function isMarked(item) { return attr(item, 'marked_for_review') === 'true'; }
  function setMarked(item, on) {
    if (on) item.setAttribute('marked_for_review', 'true');
    else if (item.hasAttribute('marked_for_review')) item.removeAttribute('marked_for_review');
  }

  // Where a test starts: its currentQuestionID (from 1), kept inside the test.
  function startPosition(doc) {
    var n = items(doc).length;
    var p = parseInt(attr(doc.documentElement, 'currentQuestionID'), 10);
    if (isNaN(p) || p < 1) return 1;
    return Math.max(1, Math.min(p, n));
  }

  function secondsOf(value) {
    var s = Math.floor(Number(value));
    return isFinite(s) && s > 0 ? s : 0;
  }

  // Seconds left: time_remaining, or the whole time when it is missing.
  function timeLeft(doc) {
    var root = doc.documentElement;
    if (root.hasAttribute('time_remaining') && String(root.getAttribute('time_remaining')).trim() !== '')
      return secondsOf(root.getAttribute('time_remaining'));
    return secondsOf(attr(root, 'time'));
  }

  function setTimeLeft(doc, seconds) {
    doc.documentElement.setAttribute('time_remaining', String(Math.max(0, Math.floor(seconds))));
  }

  function setting(doc, name) {
    var p = property(doc);
    return p ? attr(p, name).toLowerCase() : '';
  }

  // Explanations during the test: where the test allows them, never in the
  // tests that play like the real exam.
  function explanationAllowed(doc) {
    var name = attr(doc.documentElement, 'name');
    if (name === 'Diagnostic' || name === 'Final') return false;
    return setting(doc, 'show_explanation') !== 'false';
  }

  function backAllowed(doc) { return setting(doc, 'allow_back') !== 'false'; }

  function formatClock(seconds) {
    var s = Math.max(0, Math.floor(seconds));
    var h = Math.floor(s / 3600), m = Math.floor((s % 3600) / 60), r = s % 60;
    var two = function (v) { return (v < 10 ? '0' : '') + v; };
    return (h ? h + ':' + two(m) : two(m)) + ':' + two(r);
  }

  function summary(doc) {
    var all = items(doc);
    var answered = all.filter(isAnswered).length;
    return { total: all.length, answered: answered, unanswered: all.length - answered, marked: all.filter(isMarked).length };
  }

  // The option a key chooses: "1".."9" or "A".."Z" by position; -1 for none.
  function optionForKey(key, count) {
    var i = -1;
    if (/^[1-9]$/.test(key)) i = +key - 1;
    else if (/^[a-z]$/i.test(key)) i = key.toUpperCase().charCodeAt(0) - 65;
    return i >= 0 && i < count ? i : -1;
  }

  return {
    SINGLE: SINGLE, MULTIPLE: MULTIPLE, FILL: FILL, HANDED: HANDED,
    items: items, describe: describe, normalize: normalize, judgeFill: judgeFill, judgeChoice: judgeChoice,
    answerOf: answerOf, isAnswered: isAnswered, record: record, acceptHandedReport: acceptHandedReport,
    isMarked: isMarked, setMarked: setMarked, startPosition: startPosition, timeLeft: timeLeft,
    setTimeLeft: setTimeLeft, explanationAllowed: explanationAllowed, backAllowed: backAllowed,
    formatClock: formatClock, summary: summary, optionForKey: optionForKey
  };
});
