/* A drag-and-drop or hot-spot question's picture on its stage, with its
   places and areas laid over it at one scale: drawn by the question window
   and by its report. */
(function (root, factory) {
  'use strict';
  var api = factory();
  if (typeof module === 'object' && module.exports) module.exports = api;
  else root.dragDropPicture = api;
})(typeof window !== 'undefined' ? window : globalThis, function () {
  'use strict';

  // The picture's size as the question gives it, else as the loaded image
  // has it, else 400 x 300.
  function size(q, img) {
    return {
      width: q.picture.width || (img && img.naturalWidth) || 400,
      height: q.picture.height || (img && img.naturalHeight) || 300
    };
  }

  // The scale at which a picture `width` wide fits `room` pixels: never above
  // its own size, never below a quarter of it.
  function fit(room, width) { return Math.max(0.25, Math.min(1, room / width)); }

  // The stage holds the picture at scale s inside its 1px border.
  function sizeStage(stage, pictureSize, s) {
    stage.style.width = Math.round(pictureSize.width * s) + 2 + 'px';
    stage.style.height = Math.round(pictureSize.height * s) + 2 + 'px';
  }

  // A place or area over the picture: its rectangle, in the picture's pixels, at scale s.
  function place(el, rect, s) {
    el.style.left = rect.x * s + 'px';
    el.style.top = rect.y * s + 'px';
    el.style.width = rect.width * s + 'px';
    el.style.height = rect.height * s + 'px';
  }

  function showPicture(img, q) {
    img.src = q.picture.src;
    img.alt = q.statement;
  }

  // A tile's picture, as a place holds it or a drag carries it; null for no tile.
  function tileImage(tile, alt) {
    if (!tile) return null;
    var img = document.createElement('img');
    img.src = tile.src;
    img.alt = alt;
    return img;
  }

  return { size: size, fit: fit, sizeStage: sizeStage, place: place, showPicture: showPicture, tileImage: tileImage };
});
