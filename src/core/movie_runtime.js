/* examsim movie runtime: the timeline, variables and host link every movie is
   assembled with. Pure state lives in createMovie (tested under Node); the
   page binding (bindDocument, connectHost) only runs in the web engine. */
(function (root, factory) {
  'use strict';
  var api = factory();
  if (typeof module === 'object' && module.exports) module.exports = api;
  else api.boot(root);
})(typeof window !== 'undefined' ? window : globalThis, function () {
  'use strict';

  function text(v) { return v === undefined || v === null ? '' : String(v); }

  function toFrame(n) {
    var f = parseInt(n, 10);
    return isNaN(f) ? 0 : f;
  }

  // "3", "3-7", "1,4-5" -> predicate over frame numbers.
  function parseFrameList(frameList) {
    var ranges = [];
    text(frameList).split(',').forEach(function (part) {
      var m = /^\s*(\d+)\s*(?:-\s*(\d+)\s*)?$/.exec(part);
      if (m) ranges.push([+m[1], m[2] === undefined ? +m[1] : +m[2]]);
    });
    return function (frame) {
      return ranges.some(function (r) { return frame >= r[0] && frame <= r[1]; });
    };
  }

  function highestFrame(frameList) {
    var hi = -1;
    text(frameList).replace(/\d+/g, function (d) { hi = Math.max(hi, +d); return d; });
    return hi;
  }

  // "/bar", "_level0/bar", "_root.bar", "bar" all name the clip "bar".
  function clipName(target) {
    return text(target).replace(/^(_level0|_root)?[\/.:]*/, '').replace(/[\/.:]+$/, '');
  }

  // One timeline: frames numbered from 0, stopped on the last frame.
  function Timeline(totalFrames) {
    this.frame = 0;
    this.total = Math.max(1, totalFrames || 1);
    this.playing = false;
    this.scripts = {};
    this.listeners = [];
  }
  Timeline.prototype.setTotal = function (n) {
    this.total = Math.max(1, n, this.total);
  };
  Timeline.prototype.onFrame = function (n, fn) {
    (this.scripts[n] = this.scripts[n] || []).push(fn);
  };
  Timeline.prototype.onEnter = function (fn) { this.listeners.push(fn); };
  Timeline.prototype.gotoFrame = function (n) {
    var f = Math.min(Math.max(toFrame(n), 0), this.total - 1);
    this.frame = f;
    var self = this;
    this.listeners.forEach(function (fn) { fn(f); });
    (this.scripts[f] || []).forEach(function (fn) { fn.call(self, f); });
  };
  Timeline.prototype.play = function () { this.playing = true; };
  Timeline.prototype.stop = function () { this.playing = false; };
  Timeline.prototype.rewind = function () { this.stop(); this.gotoFrame(0); };
  // One frame of playback; false once there is nothing left to play.
  Timeline.prototype.tick = function () {
    if (!this.playing) return false;
    if (this.frame >= this.total - 1) { this.playing = false; return false; }
    this.gotoFrame(this.frame + 1);
    return this.playing;
  };

  // The movie: variables, the main timeline, named clips and the message
  // stream towards the host. Messages are posted in the order they happen,
  // so a variable set before a command reaches the host before it.
  function createMovie(options) {
    options = options || {};
    var vars = Object.create(null);
    var handlers = Object.create(null);
    var anyHandlers = [];
    var clips = Object.create(null);
    var outbox = [];
    var transport = null;
    var main = new Timeline(options.frames);

    function post(message) {
      if (transport) transport(message);
      else outbox.push(message);
    }
    function fire(name, value, origin) {
      (handlers[name] || []).forEach(function (fn) { fn(value, name, origin); });
      anyHandlers.forEach(function (fn) { fn(value, name, origin); });
    }
    main.onEnter(function (f) { post(['frame', String(f), '']); });

    var movie = {
      main: main,
      get: function (name) { return text(vars[name]); },
      has: function (name) { return name in vars; },
      set: function (name, value) {
        name = text(name);
        value = text(value);
        vars[name] = value;
        post(['var', name, value]);
        fire(name, value, 'movie');
      },
      onChange: function (name, fn) {
        if (typeof name === 'function') anyHandlers.push(name);
        else (handlers[name] = handlers[name] || []).push(fn);
      },
      fscommand: function (command, args) { post(['cmd', text(command), text(args)]); },
      clip: function (name, frames) {
        name = clipName(name);
        var c = clips[name] || (clips[name] = new Timeline(frames));
        if (frames) c.setTotal(frames);
        return c;
      },
      hasClip: function (name) { return clipName(name) in clips; },
      gotoFrame: function (n) { main.gotoFrame(n); },
      frameNum: function () { return main.frame; },
      play: function () { main.play(); },
      stop: function () { main.stop(); },
      rewind: function () { main.rewind(); },
      onFrame: function (n, fn) { main.onFrame(n, fn); },
      tGotoFrame: function (target, n) {
        var c = clips[clipName(target)];
        if (c) c.gotoFrame(n);
      },
      // One playback step of every playing timeline.
      tick: function () {
        var busy = main.tick();
        Object.keys(clips).forEach(function (k) { busy = clips[k].tick() || busy; });
        return busy;
      },
      // An operation of the host. Variables set here fire the change
      // handlers but are not echoed back: the host already holds them.
      hostCall: function (op, args) {
        args = args || [];
        switch (op) {
          case 'SetVariable':
            vars[text(args[0])] = text(args[1]);
            fire(text(args[0]), text(args[1]), 'host');
            break;
          case 'GotoFrame': main.gotoFrame(args[0]); break;
          case 'TGotoFrame': movie.tGotoFrame(args[0], args[1]); break;
          case 'Rewind': main.rewind(); break;
          case 'Stop': main.stop(); break;
          case 'Play': main.play(); break;
          default: return false;
        }
        return true;
      },
      // Attaches the host link; what was posted before goes first, in order.
      connect: function (send) {
        var pending = outbox;
        outbox = [];
        transport = send;
        pending.forEach(send);
      },
      pending: function () { return outbox.slice(); }
    };
    return movie;
  }

  // ---- page binding (web engine only) ----

  function ownerTimeline(movie, el) {
    var holder = el.parentElement && el.parentElement.closest('[data-clip]');
    return holder ? movie.clip(holder.getAttribute('data-clip')) : movie.main;
  }

  function bindDocument(movie, doc) {
    var framed = [];
    var totals = new Map();
    doc.querySelectorAll('[data-frame]').forEach(function (el) {
      var tl = ownerTimeline(movie, el);
      var frameList = el.getAttribute('data-frame');
      framed.push({ el: el, tl: tl, shows: parseFrameList(frameList) });
      totals.set(tl, Math.max(totals.get(tl) || 0, highestFrame(frameList) + 1));
    });
    totals.forEach(function (n, tl) { tl.setTotal(n); });
    var declared = parseInt(doc.body.getAttribute('data-frames'), 10);
    if (!isNaN(declared)) movie.main.setTotal(declared);

    function refresh(tl) {
      framed.forEach(function (f) {
        if (!tl || f.tl === tl) f.el.hidden = !f.shows(f.tl.frame);
      });
    }
    var timelines = new Set(framed.map(function (f) { return f.tl; }));
    timelines.add(movie.main);
    timelines.forEach(function (tl) { tl.onEnter(function () { refresh(tl); }); });
    refresh(null);

    function showVar(el, value) {
      if ('value' in el && el.tagName !== 'BUTTON') el.value = value;
      else el.textContent = value;
      el.classList.toggle('is-empty', value.trim() === '');
    }
    doc.querySelectorAll('[data-var]').forEach(function (el) {
      var name = el.getAttribute('data-var');
      if (movie.has(name)) showVar(el, movie.get(name));
      movie.onChange(name, function (value) { showVar(el, value); });
      if ('value' in el && el.tagName !== 'BUTTON')
        el.addEventListener('input', function () { movie.set(name, el.value); });
    });
    doc.addEventListener('click', function (ev) {
      var b = ev.target.closest && ev.target.closest('[data-button],[data-goto]');
      if (!b || b.disabled) return;
      ev.preventDefault();
      if (b.hasAttribute('data-goto')) movie.gotoFrame(b.getAttribute('data-goto'));
      if (b.hasAttribute('data-button')) movie.fscommand('ButtonClick', b.getAttribute('data-button'));
    });

    var fps = parseInt(doc.body.getAttribute('data-fps'), 10) || 12;
    if (doc.body.hasAttribute('data-autoplay')) movie.play();
    setInterval(function () { movie.tick(); }, Math.round(1000 / fps));
  }

  // Links the movie to the host's bridge object "host" over the web channel.
  function connectHost(win, movie) {
    if (!(win.qt && win.qt.webChannelTransport && win.QWebChannel)) return;
    new win.QWebChannel(win.qt.webChannelTransport, function (channel) {
      var host = channel.objects.host;
      host.hostCall.connect(function (op, args) {
        if (op === 'Flushed') {
          // Report once the host's first values are on the screen.
          win.requestAnimationFrame(function () {
            win.requestAnimationFrame(function () { host.message('drawn', '', ''); });
          });
          return;
        }
        movie.hostCall(op, args);
      });
      movie.connect(function (m) { host.message(m[0], m[1], m[2]); });
      host.message('ready', '', '');
    });
  }

  // Reads a file of the application folder ("Database/simulator"); resolves
  // with its text, rejects when the host refuses or does not have it.
  function readText(win, path) {
    return new Promise(function (resolve, reject) {
      var xhr = new win.XMLHttpRequest();
      xhr.open('GET', path);
      xhr.onload = function () {
        if (xhr.status === 0 || (xhr.status >= 200 && xhr.status < 300)) resolve(xhr.responseText);
        else reject(new Error('status ' + xhr.status));
      };
      xhr.onerror = function () { reject(new Error('refused: ' + path)); };
      xhr.send();
    });
  }

  function boot(win) {
    var movie = createMovie();
    movie.readText = function (path) { return readText(win, path); };
    win.movie = movie;
    win.fscommand = function (command, args) { movie.fscommand(command, args); };
    var start = function () {
      bindDocument(movie, win.document);
      connectHost(win, movie);
    };
    if (win.document.readyState === 'loading') win.document.addEventListener('DOMContentLoaded', start);
    else start();
  }

  return {
    createMovie: createMovie,
    Timeline: Timeline,
    parseFrameList: parseFrameList,
    highestFrame: highestFrame,
    clipName: clipName,
    boot: boot
  };
});
