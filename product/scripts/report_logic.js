/* The report movie's logic: the summary and the score per objective of an
   evaluated test, each question's verdict, bookmarks with remarks and the
   positions the host prints. It works on any XML DOM (the page's DOMParser,
   a small one under Node). */
(function (root, factory) {
  'use strict';
  if (typeof module === 'object' && module.exports) module.exports = factory(require('./xml_nodes.js'));
  else root.reportLogic = factory(root.xmlNodes);
})(typeof window !== 'undefined' ? window : globalThis, function (nodes) {
  'use strict';

  var elements = nodes.elements, first = nodes.first, text = nodes.text, attr = nodes.attr, items = nodes.items;
  function number(v) { var n = Number(String(v).trim()); return String(v).trim() !== '' && isFinite(n) ? n : 0; }

  // Half to even, as the host rounds.
  function roundHalfEven(x) {
    var f = Math.floor(x), d = x - f;
    if (Math.abs(d - 0.5) < 1e-9) return f % 2 === 0 ? f : f + 1;
    return Math.round(x);
  }
  function percentOf(score, max) { return max > 0 ? roundHalfEven(score / max * 100) : 0; }

  function marksScored(item) { return text(first(first(item, 'user_attempt_report'), 'marks_scored')).trim(); }

  // "right", "wrong" or "unanswered", as evaluation counts them.
  function verdict(item) {
    var report = first(item, 'user_attempt_report');
    var attempts = report && elements(report)[0];
    if (!attempts || attempts.nodeName !== 'user_attempts') return 'unanswered';
    return marksScored(item) === attr(item, 'total_marks') ? 'right' : 'wrong';
  }

  // What the host wrote on the root, with the percentage worked out again.
  function summary(doc, passPercentage) {
    var t = doc.documentElement;
    var marks = number(attr(t, 'marks')), total = number(attr(t, 'total_marks'));
    var percentage = percentOf(marks, total);
    var pass = number(passPercentage);
    var remarks = attr(t, 'remarks') || (percentage >= pass ? 'Pass' : 'Fail');
    return {
      name: attr(t, 'name'),
      questions: attr(t, 'total_questions') || String(items(doc).length),
      attempted: attr(t, 'no_of_attempted'),
      correct: attr(t, 'no_of_correct_answer'),
      marks: marks, totalMarks: total, percentage: percentage, passPercentage: pass,
      passed: remarks === 'Pass', remarks: remarks, analysis: attr(t, 'text_result_analysis')
    };
  }

  // Marks and maximum per objective (the questions' category), in the order
  // the objectives first appear.
  function objectives(doc) {
    var order = [], by = {};
    items(doc).forEach(function (item) {
      var name = attr(item, 'category') || attr(item, 'topic') || 'Other';
      if (!by[name]) { by[name] = { name: name, score: 0, max: 0, questions: 0 }; order.push(by[name]); }
      by[name].max += number(attr(item, 'total_marks'));
      by[name].score += number(marksScored(item));
      by[name].questions += 1;
    });
    order.forEach(function (o) { o.percentage = percentOf(o.score, o.max); });
    return order;
  }

  // The item's place among the root's children as the host counts them:
  // elements and text that is not blank, the property being child 0.
  function childIndex(item) {
    var i = 0;
    for (var c = item.parentNode.firstChild; c; c = c.nextSibling) {
      if (c === item) return i;
      if (c.nodeType === 1 || ((c.nodeType === 3 || c.nodeType === 4) && c.nodeValue.trim() !== '')) i++;
    }
    return -1;
  }

  // "PrintQuestion"'s argument: the chosen items' positions, "-1" for none.
  function printPositions(chosen) {
    return chosen.length ? chosen.map(childIndex).join(',') : '-1';
  }

  function bookmarkMark(item) { return first(first(item, 'user_attempt_report'), 'bookmark'); }
  function isBookmarked(item) { var m = bookmarkMark(item); return !!m && attr(m, 'value') === 'true'; }
  function remarkOf(item) { return attr(bookmarkMark(item), 'remark'); }

  // The mark the bookmark store reads (item/user_attempt_report/bookmark),
  // made where the question was never answered.
  function setBookmark(item, on, remark) {
    var doc = item.ownerDocument;
    var report = first(item, 'user_attempt_report');
    if (!report) {
      if (!on) return;
      report = item.appendChild(doc.createElement('user_attempt_report'));
    }
    var mark = first(report, 'bookmark') || report.appendChild(doc.createElement('bookmark'));
    mark.setAttribute('value', on ? 'true' : 'false');
    if (remark !== undefined) mark.setAttribute('remark', remark);
  }

  return {
    items: items, verdict: verdict, summary: summary, objectives: objectives, roundHalfEven: roundHalfEven,
    childIndex: childIndex, printPositions: printPositions, isBookmarked: isBookmarked, remarkOf: remarkOf,
    setBookmark: setBookmark
  };
});
